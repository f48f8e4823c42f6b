#pragma once
// The settings store on disk: on Linux an INI-style file per application in the user's
// configuration folder (~/.config/<application>/<application>.conf), one section per settings
// section. Written entries are kept in memory until flush() puts them in the files.

#include <map>
#include <string>

#include "platform/settings_store.h"

namespace galvix::platform {

class QtSettingsStore final : public SettingsStore {
public:
    [[nodiscard]] std::string read(std::string_view application, std::string_view section,
                                   std::string_view key, std::string_view fallback) const override;
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view text) override;
    // Each application's file is replaced whole, or not at all: a file that cannot be written keeps
    // everything it held, and one line on standard error names it and says why.
    void flush() override;

private:
    using Entries = std::map<std::string, std::string, std::less<>>; // by "section/key"

    // Each application's file, read whole on its first read and again after a flush.
    mutable std::map<std::string, Entries, std::less<>> m_stored;
    // Entries written since the last flush, by application.
    std::map<std::string, Entries, std::less<>> m_pending;
};

} // namespace galvix::platform
