// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the running program tells the desktop about itself: the id its entry is installed under,
// by which the desktop matches windows to the entry, and the icon every window carries.

#include <QApplication>
#include <QIcon>
#include <gtest/gtest.h>

namespace galvix {
namespace {

TEST(DesktopIdentity, ProgramGivesTheDesktopTheIdItsEntryIsInstalledUnder)
{
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), GALVIX_DESKTOP_ID);
}

TEST(DesktopIdentity, WindowIconIsTheSmallRenderedSizeOnly)
{
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(48, 48)});
}

} // namespace
} // namespace galvix
