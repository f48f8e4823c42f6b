// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the registry, the file test, the program start and the message box, scripted by
// each test and recording what the code under test asked of them.

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/program_starter.h"
#include "platform/registry.h"

namespace galvix::testing {

struct FakeValue {
    std::uint32_t type = platform::regtype::Text;
    std::string bytes; // as stored, with a terminating zero only where the test puts one
};

// A text value as the registry stores it, with its terminating zero.
inline FakeValue textValue(const std::string& text) { return {platform::regtype::Text, text + '\0'}; }

class FakeRegistry final : public platform::Registry {
public:
    struct Open {
        platform::RegistryKey root;
        std::string subKey;
        std::uint32_t options;
        std::uint32_t access;
    };
    struct Query {
        std::string valueName;
        std::uint32_t sizeOffered;
        std::size_t bufferSize;
        bool bufferZeroed;
    };

    // A key that exists, with no values yet.
    void addKey(const std::string& subKey) { m_keys[subKey]; }
    void setValue(const std::string& subKey, const std::string& name, FakeValue value)
    {
        m_keys[subKey][name] = std::move(value);
    }
    // A key that exists but cannot be opened with the rights asked for.
    void refuse(const std::string& subKey) { m_refused.insert(subKey); }

    platform::RegistryStatus openKey(platform::RegistryKey root, std::string_view subKey, std::uint32_t options,
                                     std::uint32_t access, platform::RegistryKey& handle) override
    {
        opens.push_back({root, std::string(subKey), options, access});
        const auto found = m_keys.find(subKey);
        if (root != platform::HkeyLocalMachine || found == m_keys.end())
            return platform::regstatus::FileNotFound;
        if (m_refused.contains(subKey))
            return platform::regstatus::AccessDenied;
        handle = m_nextHandle++;
        m_open[handle] = found->first;
        return platform::regstatus::Success;
    }

    platform::RegistryStatus queryValue(platform::RegistryKey key, std::string_view valueName, std::uint32_t& type,
                                        std::span<char> data, std::uint32_t& dataSize) override
    {
        queries.push_back({std::string(valueName), dataSize, data.size(),
                           std::ranges::all_of(data, [](char c) { return c == '\0'; })});
        const auto open = m_open.find(key);
        if (open == m_open.end())
            return platform::regstatus::InvalidHandle;
        const auto& values = m_keys.at(open->second);
        const auto value = values.find(valueName);
        if (value == values.end())
            return platform::regstatus::FileNotFound;
        return platform::answerQuery(value->second.bytes, value->second.type, type, data, dataSize);
    }

    platform::RegistryStatus closeKey(platform::RegistryKey key) override
    {
        closes.push_back(key);
        return m_open.erase(key) == 1 ? platform::regstatus::Success : platform::regstatus::InvalidHandle;
    }

    [[nodiscard]] bool allClosed() const { return m_open.empty(); }
    [[nodiscard]] std::vector<std::string> openedKeys() const
    {
        std::vector<std::string> keys;
        for (const Open& open : opens)
            keys.push_back(open.subKey);
        return keys;
    }

    std::vector<Open> opens;
    std::vector<Query> queries;
    std::vector<platform::RegistryKey> closes;

private:
    // Names compare without regard to case, as the registry's do.
    struct NameLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const
        {
            const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
            return std::ranges::lexicographical_compare(a, b, {}, lower, lower);
        }
    };
    std::map<std::string, std::map<std::string, FakeValue, NameLess>, NameLess> m_keys;
    std::set<std::string, NameLess> m_refused;
    std::map<platform::RegistryKey, std::string> m_open;
    platform::RegistryKey m_nextHandle = 0x100;
};

// Files named by their full path; the name given back is what follows the last "\" or "/".
class FakeFileSystem final : public platform::FileSystem {
public:
    [[nodiscard]] std::string fileName(std::string_view path) const override
    {
        if (failing)
            throw std::runtime_error("path not found");
        if (!files.contains(std::string(path)))
            return {};
        const auto slash = path.find_last_of("\\/");
        return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
    }

    std::set<std::string> files;
    bool failing = false;
};

// Starts only the programs it was told are installed.
class FakeProgramStarter final : public platform::ProgramStarter {
public:
    [[nodiscard]] bool start(std::string_view path) override
    {
        requested.emplace_back(path);
        if (failing)
            throw std::runtime_error("cannot start");
        return installed.contains(std::string(path));
    }

    std::set<std::string> installed;
    bool failing = false;
    std::vector<std::string> requested; // every path asked for, started or not
};

// Records each message instead of showing it.
class FakeMessageBox final : public platform::MessageBox {
public:
    void show(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

} // namespace galvix::testing
