// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "platform/qt_settings_store.h"
#include "registry_test_key.h"

namespace galvix::platform {
namespace {

// An application of its own, so that the test never touches the program's stored placement.
constexpr const char* Application = "Galvix registry test";
const std::string SettingsKey = std::string("Software\\VB and VBA Program Settings\\") + Application + "\\Settings";

TEST(ProgramSettingsKey, StoresEachEntryAsTextWhereTheRuntimeKeepsProgramSettings)
{
    const testing::RegistryTestKey key(SettingsKey);
    QtSettingsStore store(SettingsLocation::ProgramSettingsKey);
    const std::pair<const char*, const char*> placement[] = {
        {"MainLeft", "3000"}, {"MainTop", "1800"}, {"MainWidth", "7485"}, {"MainHeight", "6500.5"}};
    for (const auto& [name, text] : placement)
        store.write(Application, "Settings", name, text);
    store.flush();

    const QtSettingsStore fresh(SettingsLocation::ProgramSettingsKey);
    for (const auto& [name, text] : placement) {
        DWORD type = 0;
        EXPECT_EQ(key.get(name, type), std::string(text) + '\0') << name;
        EXPECT_EQ(type, DWORD{REG_SZ}) << name;
        EXPECT_EQ(fresh.read(Application, "Settings", name, "none"), text) << name;
    }
}

TEST(ProgramSettingsKey, ReadsWhatAnEarlierInstallationStoredAndTheDefaultForWhatIsMissing)
{
    const testing::RegistryTestKey key(SettingsKey);
    ASSERT_EQ(key.set("MainLeft", REG_SZ, std::string("1234", 5)), ERROR_SUCCESS);
    const QtSettingsStore store(SettingsLocation::ProgramSettingsKey);
    EXPECT_EQ(store.read(Application, "Settings", "MainLeft", "1000"), "1234");
    EXPECT_EQ(store.read(Application, "Settings", "MainTop", "1000"), "1000");
}

} // namespace
} // namespace galvix::platform
