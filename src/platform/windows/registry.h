// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows registry itself, through advapi32's UTF-16 functions: key and value names go to the
// system from UTF-8, and texts read come back as UTF-8, as every text of ours is, both without loss
// (the ANSI functions would turn every character outside the system's code page into "?"). Keys
// opened here are known to callers by small numbers of our own, since a system handle is wider than
// the interface's; the predefined root keys keep their own numbers.

#include <map>

#include "platform/registry.h"

namespace galvix::platform {

class WinRegistry final : public Registry {
public:
    WinRegistry() = default;
    WinRegistry(const WinRegistry&) = delete;
    WinRegistry& operator=(const WinRegistry&) = delete;
    // Closes whatever a caller left open.
    ~WinRegistry() override;

    RegistryStatus openKey(RegistryKey root, std::string_view subKey, std::uint32_t options,
                           std::uint32_t access, RegistryKey& handle) override;
    RegistryStatus queryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                              std::span<char> data, std::uint32_t& dataSize) override;
    RegistryStatus closeKey(RegistryKey key) override;

private:
    // The system's handle of an open key or a root key; null for a number that is neither.
    [[nodiscard]] void* systemKey(RegistryKey key) const;

    std::map<RegistryKey, void*> m_open;
    RegistryKey m_next = 1;
};

} // namespace galvix::platform
