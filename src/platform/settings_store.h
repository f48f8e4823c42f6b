// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store, addressed by application, section and key; values are texts.

#include <string>
#include <string_view>

namespace galvix::platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or `fallback` when the entry is missing.
    [[nodiscard]] virtual std::string read(std::string_view application, std::string_view section,
                                           std::string_view key, std::string_view fallback) const = 0;
    virtual void write(std::string_view application, std::string_view section, std::string_view key,
                       std::string_view text) = 0;
    // Puts what was written where it is kept, all at once. A store that keeps nothing anywhere else
    // has nothing to do.
    virtual void flush() {}
};

} // namespace galvix::platform
