// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "about/system_info.h"
#include "platform/windows/registry.h"
#include "registry_test_key.h"

namespace galvix::platform {
namespace {

constexpr RegistryKey HkeyCurrentUser = 0x80000001U;
const std::string KeyPath = "Software\\Galvix tests\\GetKeyValue";

struct Case {
    const char* name;
    DWORD type;
    std::string stored;
    bool found;
    std::string keyVal; // what GetKeyValue gives, starting from "before"
};

// GetKeyValue as the About box runs it, against values the system itself stores.
TEST(WindowsRegistry, GetKeyValueReadsWhatTheSystemStores)
{
    const testing::RegistryTestKey key(KeyPath);
    const Case cases[] = {
        {"text", REG_SZ, std::string("C:\\Windows\\system32\\msinfo32.exe", 33), true,
         "C:\\Windows\\system32\\msinfo32.exe"},
        // Stored in the ANSI code page (1252 here), read back as UTF-8.
        {"accented text", REG_SZ, std::string("C:\\Caf\xE9\\tool.exe", 17), true, "C:\\Caf\xC3\xA9\\tool.exe"},
        {"expandable text", REG_EXPAND_SZ, std::string("%SystemRoot%\\msinfo32.exe", 26), true, "before"},
        {"number", REG_DWORD, std::string("\x10\x27\x00\x00", 4), true, "&h2710"},
        {"text of 1023 bytes", REG_SZ, std::string(1023, 'a') + '\0', true, std::string(1023, 'a')},
        {"text over 1024 bytes", REG_SZ, std::string(1100, 'a') + '\0', false, ""},
    };
    for (const Case& c : cases)
        ASSERT_EQ(key.set(c.name, c.type, c.stored), ERROR_SUCCESS) << c.name;

    WinRegistry registry;
    for (const Case& c : cases) {
        std::string keyVal = "before";
        EXPECT_EQ(about::GetKeyValue(registry, HkeyCurrentUser, KeyPath, c.name, keyVal), c.found) << c.name;
        EXPECT_EQ(keyVal, c.keyVal) << c.name;
    }
    std::string keyVal = "before";
    EXPECT_FALSE(about::GetKeyValue(registry, HkeyCurrentUser, KeyPath, "missing", keyVal));
    EXPECT_EQ(keyVal, "");
    keyVal = "before";
    EXPECT_FALSE(about::GetKeyValue(registry, HkeyCurrentUser, KeyPath + "\\missing", "text", keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST(WindowsRegistry, AValueThatFillsTheBufferWithoutAZeroIsAnError)
{
    const testing::RegistryTestKey key(KeyPath);
    ASSERT_EQ(key.set("full", REG_BINARY, std::string(about::ValueBufferSize, 'x')), ERROR_SUCCESS);
    WinRegistry registry;
    std::string keyVal;
    EXPECT_THROW(about::GetKeyValue(registry, HkeyCurrentUser, KeyPath, "full", keyVal),
                 about::UnterminatedValueError);
}

TEST(WindowsRegistry, KeysAreClosedAndUnknownHandlesRefused)
{
    const testing::RegistryTestKey key(KeyPath);
    WinRegistry registry;
    RegistryKey handle = 0;
    ASSERT_EQ(registry.openKey(HkeyCurrentUser, KeyPath, 0, about::KeyAccess, handle), regstatus::Success);
    EXPECT_NE(handle, 0U);
    EXPECT_EQ(registry.closeKey(handle), regstatus::Success);
    EXPECT_EQ(registry.closeKey(handle), regstatus::InvalidHandle);
    std::uint32_t type = 0;
    std::uint32_t size = 4;
    char data[4] = {};
    EXPECT_EQ(registry.queryValue(handle, "text", type, data, size), regstatus::InvalidHandle);
}

} // namespace
} // namespace galvix::platform
