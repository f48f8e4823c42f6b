// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "app/placement.h"
#include "platform/qt_settings_store.h"
#include "platform/system.h"
#include "registry_test_key.h"
#include "support/test_platform.h"

namespace galvix::platform {
namespace {

using app::PlacementKeys;
using app::SettingsSection;
constexpr std::string_view Application = app::SettingsApplication;

// The tests' own key stands for the user's, which they never touch: below HKEY_CURRENT_USER, as
// the user's is.
std::string settingsKey()
{
    const QString root = testing::testSettingsPlace().root;
    return root.mid(root.indexOf('\\') + 1).toStdString() + '\\' + std::string(Application) + '\\'
           + std::string(SettingsSection);
}

TEST(ProgramSettingsKey, StoresEachEntryAsTextWhereTheRuntimeKeepsProgramSettings)
{
    EXPECT_EQ(userSettingsPlace().root.toStdString(), "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings");
    const testing::RegistryTestKey key(settingsKey());
    QtSettingsStore store(testing::testSettingsPlace());
    const std::pair<std::string_view, const char*> placement[] = {
        {PlacementKeys.left, "3000"}, {PlacementKeys.top, "1800"}, {PlacementKeys.width, "7485"}, {PlacementKeys.height, "6500.5"}};
    for (const auto& [name, text] : placement)
        store.write(Application, SettingsSection, name, text);
    store.flush();

    const QtSettingsStore fresh(testing::testSettingsPlace());
    for (const auto& [name, text] : placement) {
        DWORD type = 0;
        EXPECT_EQ(key.get(std::string(name), type), std::string(text) + '\0') << name;
        EXPECT_EQ(type, DWORD{REG_SZ}) << name;
        EXPECT_EQ(fresh.read(Application, SettingsSection, name, "none"), text) << name;
    }
}

TEST(ProgramSettingsKey, ReadsWhatAnEarlierInstallationStoredAndTheDefaultForWhatIsMissing)
{
    const testing::RegistryTestKey key(settingsKey());
    ASSERT_EQ(key.set(std::string(PlacementKeys.left), REG_SZ, std::string("1234", 5)), ERROR_SUCCESS);
    const QtSettingsStore store(testing::testSettingsPlace());
    EXPECT_EQ(store.read(Application, SettingsSection, PlacementKeys.left, "1000"), "1234");
    EXPECT_EQ(store.read(Application, SettingsSection, PlacementKeys.top, "1000"), "1000");
}

} // namespace
} // namespace galvix::platform
