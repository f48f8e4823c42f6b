#pragma once
// The settings store on disk: on Linux an INI-style file per application in the user's
// configuration folder (~/.config/<application>/<application>.conf), one section per settings
// section.

#include "platform/settings_store.h"

namespace galvix::platform {

class QtSettingsStore final : public SettingsStore {
public:
    [[nodiscard]] std::string read(std::string_view application, std::string_view section,
                                   std::string_view key, std::string_view fallback) const override;
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view text) override;
};

} // namespace galvix::platform
