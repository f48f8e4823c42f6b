// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for window tests: a QApplication on the offscreen platform, with the settings store
// pointed at a temporary folder of this process so that no test reads or writes the user's own.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/application.h"

int main(int argc, char** argv)
{
#ifndef _WIN32
    // Windows' own platform is the only one Qt for Windows has here; Wine hands a program none of
    // the QT_ variables of the Linux environment it starts in.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());

    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    galvix::app::configureApplication(app);
    return RUN_ALL_TESTS();
}
