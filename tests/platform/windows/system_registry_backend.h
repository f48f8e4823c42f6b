// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows' registry itself, for the registry's contract, in a key of the test's own below
// HKEY_CURRENT_USER that goes when the test ends.

#include <string>
#include <string_view>

#include "platform/windows/registry.h"
#include "registry_test_key.h"

namespace galvix::testing {

class SystemRegistryBackend {
public:
    static constexpr platform::RegistryKey Root = 0x80000001U; // HKEY_CURRENT_USER
    const std::string key = R"(Software\Galvix tests\Registry contract)";
    const std::string value = "Tool";

    platform::Registry& registry() { return m_registry; }
    std::string storeText(std::string_view text)
    {
        m_key.setText(value, std::string(text));
        return std::string(text);
    }

private:
    RegistryTestKey m_key{key};
    platform::WinRegistry m_registry;
};

} // namespace galvix::testing
