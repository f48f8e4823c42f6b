// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry on a system that has none (the stand-in for windows/registry.h), as the About box's "System Info..." button asks it. It
// answers the one lookup that can succeed here, the system-information tool's full path, which it
// finds by looking for a well-known tool in the program folders. Every other key is missing.

#include <QStringList>

#include <array>
#include <string_view>

#include "platform/registry.h"

namespace galvix::platform {

// The tools looked for, in order of preference: system profilers that show the hardware and the
// system in one report, as MSINFO32 does, before the desktops' own information centres, before
// system monitors, which show less but are nearly always installed. Only windowed programs: the
// tool is started without a terminal.
inline constexpr std::array<std::string_view, 5> SystemInfoTools{
    "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor",
};

class SysInfoRegistry final : public Registry {
public:
    // Looks for the tools in `folders`, or in the absolute folders of PATH when it is empty.
    explicit SysInfoRegistry(QStringList folders = {});

    RegistryStatus openKey(RegistryKey root, std::string_view subKey, std::uint32_t options,
                                     std::uint32_t access, RegistryKey& handle) override;
    RegistryStatus queryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                                        std::span<char> data, std::uint32_t& dataSize) override;
    RegistryStatus closeKey(RegistryKey key) override;

    // The full path of the first tool of the list found in the folders, or the empty text.
    [[nodiscard]] QString findTool() const;

private:
    QStringList m_folders;
};

} // namespace galvix::platform
