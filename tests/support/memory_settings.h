#pragma once
// A settings store in memory that records every write in order.

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/settings_store.h"

namespace galvix::testing {

class MemorySettings final : public platform::SettingsStore {
public:
    using Address = std::tuple<std::string, std::string, std::string>;

    [[nodiscard]] std::string read(std::string_view application, std::string_view section, std::string_view key,
                                   std::string_view fallback) const override
    {
        reads.emplace_back(key);
        const auto found = values.find({std::string(application), std::string(section), std::string(key)});
        return found == values.end() ? std::string(fallback) : found->second;
    }

    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view text) override
    {
        writes.emplace_back(key);
        values[{std::string(application), std::string(section), std::string(key)}] = std::string(text);
    }

    void set(std::string_view key, std::string_view text)
    {
        values[{"Galvix", "Settings", std::string(key)}] = std::string(text);
    }
    [[nodiscard]] std::string get(std::string_view key) const
    {
        const auto found = values.find({"Galvix", "Settings", std::string(key)});
        return found == values.end() ? std::string("<missing>") : found->second;
    }

    std::map<Address, std::string> values;
    mutable std::vector<std::string> reads;
    std::vector<std::string> writes;
};

} // namespace galvix::testing
