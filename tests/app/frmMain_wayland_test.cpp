// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window where the compositor places the windows (Wayland): the program cannot put its
// window anywhere or learn where it stands, so it restores only the size and keeps the stored
// position as it was. Runs under a headless Weston (run_under_weston.sh).

#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "app/frmMain.h"
#include "support/event_loop.h"
#include "support/memory_settings.h"
#include "support/test_services.h"
#include "weekly_menu/random_source.h"

namespace galvix::app {
namespace {

using testing::MemorySettings;

TEST(MainWindowOnWayland, RestoresTheOuterSizeAndKeepsTheStoredPosition)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    MemorySettings settings;
    settings.set(PlacementKeys.left, "4500");
    settings.set(PlacementKeys.top, "not a number");
    settings.set(PlacementKeys.width, "7500");
    settings.set(PlacementKeys.height, "6000");
    weekly_menu::Mt19937Source source;
    auto* window = new frmMain(testing::testServices(settings, source));
    window->showLoaded();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_TRUE(QTest::qWaitFor([window] { return window->frameGeometry().size() == QSize(500, 400); }))
        << "outer size " << window->frameGeometry().width() << " by " << window->frameGeometry().height();
    window->close();
    testing::flushDeletes();

    EXPECT_EQ(settings.get(PlacementKeys.left), "4500");
    EXPECT_EQ(settings.get(PlacementKeys.top), "not a number");
    EXPECT_EQ(settings.get(PlacementKeys.width), "7500");
    EXPECT_EQ(settings.get(PlacementKeys.height), "6000");
    EXPECT_EQ(settings.writes, testing::keyList({PlacementKeys.width, PlacementKeys.height}));
}

} // namespace
} // namespace galvix::app
