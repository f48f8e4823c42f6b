// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-memory settings store, recording the keys it was asked for and written to, in order.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/placement.h"
#include "platform/memory_settings_store.h"

namespace galvix::testing {

class MemorySettings final : public platform::MemorySettingsStore {
public:
    [[nodiscard]] std::string read(std::string_view application, std::string_view section, std::string_view key,
                                   std::string_view fallback) const override
    {
        reads.emplace_back(key);
        return MemorySettingsStore::read(application, section, key, fallback);
    }

    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view text) override
    {
        writes.emplace_back(key);
        MemorySettingsStore::write(application, section, key, text);
    }

    // The program's own entries, in the placement's section.
    void set(std::string_view key, std::string_view text) { MemorySettingsStore::write(App, Section, key, text); }
    [[nodiscard]] std::string get(std::string_view key) const
    {
        return MemorySettingsStore::read(App, Section, key, "<missing>");
    }

    mutable std::vector<std::string> reads;
    std::vector<std::string> writes;

private:
    static constexpr std::string_view App = app::SettingsApplication;
    static constexpr std::string_view Section = app::SettingsSection;
};

// Keys as the store records them, to compare with its reads and writes.
inline std::vector<std::string> keyList(std::initializer_list<std::string_view> keys)
{
    return {keys.begin(), keys.end()};
}

} // namespace galvix::testing
