// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for window tests: a QApplication on a platform that opens nothing on the developer's
// desktop, with the program's settings in a place of this process's own. The run fails if the
// user's own settings of the program changed all the same.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

#include "app/application.h"
#include "app/services.h"
#include "support/test_platform.h"

namespace galvix::testing {

namespace {

std::optional<platform::SettingsPlace>& ownPlace()
{
    static std::optional<platform::SettingsPlace> place;
    return place;
}

int runWindowTests(int argc, char** argv)
{
    chooseTestPlatformPlugin();
    const std::string before = userSettingsSnapshot();
    ownPlace() = makeTestSettingsPlace();
    if (!ownPlace())
        return 2;
    app::keepSettingsIn(*ownPlace());

    ::testing::InitGoogleTest(&argc, argv);
    int status = 0;
    {
        QApplication application(argc, argv);
        app::configureApplication(application);
        status = RUN_ALL_TESTS();
    }
    removeTestSettingsPlace(*ownPlace());
    if (userSettingsSnapshot() != before) {
        std::fputs("The tests changed the user's own settings of the program.\n", stderr);
        return 1;
    }
    return status;
}

} // namespace

const platform::SettingsPlace& testSettingsPlace() { return ownPlace().value(); }

} // namespace galvix::testing

int main(int argc, char** argv) { return galvix::testing::runWindowTests(argc, argv); }
