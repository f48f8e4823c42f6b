// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks that a window shows everything it holds at the scale it runs at (run a test under
// QT_SCALE_FACTOR=2 to check a high-dpi screen): no caption is cut off by its control, and no
// control reaches outside the window or the frame it sits on. The windows here have no scrolled content.

#include <QStringList>
#include <gtest/gtest.h>

class QWidget;

namespace galvix::testing {

// Labels (word-wrapped where they wrap), push-button captions, frame titles and menu-bar entries
// that need more room than the style gives their text; one line each, with the sizes.
[[nodiscard]] QStringList clippedCaptions(const QWidget& window);

// Shown controls that reach outside the widget they sit on (the window, its surface, a frame):
// the part outside is not drawn. A control inside its parent, all the way up, is inside its window.
[[nodiscard]] QStringList controlsCutOff(const QWidget& window);

// Both checks at once, for EXPECT_TRUE / ASSERT_TRUE.
[[nodiscard]] ::testing::AssertionResult everythingFits(const QWidget& window);

} // namespace galvix::testing
