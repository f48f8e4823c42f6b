// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings store that lives in memory and is forgotten with it: for rendering the windows and for
// anything else that must never touch the user's own settings.

#include <map>
#include <string>
#include <tuple>

#include "platform/settings_store.h"

namespace galvix::platform {

class MemorySettingsStore : public SettingsStore {
public:
    [[nodiscard]] std::string read(std::string_view application, std::string_view section, std::string_view key,
                                   std::string_view fallback) const override
    {
        const auto found = m_values.find(address(application, section, key));
        return found == m_values.end() ? std::string(fallback) : found->second;
    }

    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view text) override
    {
        m_values[address(application, section, key)] = std::string(text);
    }

private:
    using Address = std::tuple<std::string, std::string, std::string>;

    static Address address(std::string_view application, std::string_view section, std::string_view key)
    {
        return {std::string(application), std::string(section), std::string(key)};
    }

    std::map<Address, std::string> m_values;
};

} // namespace galvix::platform
