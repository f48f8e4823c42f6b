#pragma once
// Checks that a window can be used with a screen reader: every control that takes the keyboard
// focus has a name of its own to be spoken, and every menu entry has a text.

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

class QWidget;

namespace galvix::testing {

// The focusable controls (a focus policy other than NoFocus, shown and enabled within the window)
// whose accessible name is empty or blank, and the menu-bar entries without a text; one line each.
[[nodiscard]] QStringList unnamedControls(const QWidget& window);

// The accessible names that more than one focusable control of the window carries, with the
// controls that share them: a listener could not tell those controls apart.
[[nodiscard]] QStringList sharedNames(const QWidget& window);

// Both checks at once, for EXPECT_TRUE / ASSERT_TRUE; the message lists every problem found.
[[nodiscard]] ::testing::AssertionResult everyControlHasItsOwnName(const QWidget& window);

// How a widget is named in a failure message: its class, object name and the chain of parents.
[[nodiscard]] QString describe(const QWidget& widget);

} // namespace galvix::testing
