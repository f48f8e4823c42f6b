// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store through QSettings, in one of two places: an INI-style file per
// application in the user's configuration folder (~/.config/<application>/<application>.conf on
// Linux), or the Windows registry key where the platform's runtime keeps every program's settings
// (HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>), one section per
// sub-key and every value a text. Written entries are kept in memory until flush() stores them.

#include <map>
#include <string>

#include "platform/settings_store.h"

namespace galvix::platform {

enum class SettingsLocation { ConfigFile, ProgramSettingsKey };

class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(SettingsLocation location);

    [[nodiscard]] std::string read(std::string_view application, std::string_view section,
                                   std::string_view key, std::string_view fallback) const override;
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view text) override;
    // Each application's file is replaced whole, or not at all: a file that cannot be written keeps
    // everything it held, and one line on standard error names it and says why.
    void flush() override;

private:
    SettingsLocation m_location;
    using Entries = std::map<std::string, std::string, std::less<>>; // by "section/key"

    // Each application's file, read whole on its first read and again after a flush.
    mutable std::map<std::string, Entries, std::less<>> m_stored;
    // Entries written since the last flush, by application.
    std::map<std::string, Entries, std::less<>> m_pending;
};

} // namespace galvix::platform
