// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-memory settings store, recording the keys it was asked for and written to, in order.

#include <string>
#include <vector>

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

    // The program's own entries, under section "Settings" of "Galvix".
    void set(std::string_view key, std::string_view text) { MemorySettingsStore::write("Galvix", "Settings", key, text); }
    [[nodiscard]] std::string get(std::string_view key) const
    {
        return MemorySettingsStore::read("Galvix", "Settings", key, "<missing>");
    }

    mutable std::vector<std::string> reads;
    std::vector<std::string> writes;
};

} // namespace galvix::testing
