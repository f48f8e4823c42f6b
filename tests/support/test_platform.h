// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What window tests need of the system before the QApplication starts, from the chosen system's
// half (posix/ or windows/, as src/platform has them): a platform plug-in that opens nothing on
// the developer's desktop where the system has one, and a settings place of the test process's
// own, so that no test reads or writes what the user stored.

#include <optional>
#include <string>

#include "platform/qt_settings_store.h"

namespace galvix::testing {

void chooseTestPlatformPlugin();

// A settings place that no other process uses, empty; nothing when none could be made.
[[nodiscard]] std::optional<platform::SettingsPlace> makeTestSettingsPlace();
// Removes the place and all it holds.
void removeTestSettingsPlace(const platform::SettingsPlace& place);

// What the user's own settings of the program hold, read without creating or changing anything,
// to be compared before and after the tests.
[[nodiscard]] std::string userSettingsSnapshot();

// The place the window tests of this process keep their settings in.
[[nodiscard]] const platform::SettingsPlace& testSettingsPlace();

} // namespace galvix::testing
