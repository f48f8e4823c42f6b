// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks that a window can be used with a screen reader, reading each control as Qt reports it to
// one (QAccessibleInterface): every captioned control (label, button, frame, menu entry, status
// panel) is spoken by exactly the caption it shows, every control that takes the keyboard focus
// says something (a name or a description), and no two of them sound alike.

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <optional>
#include <span>

class QObject;
class QWidget;

namespace galvix::testing {

// What a screen reader hears for a widget or a menu entry: its accessible name and description.
[[nodiscard]] QString spokenName(QObject& object);
[[nodiscard]] QString spokenDescription(QObject& object);

// What a screen reader should say of one control of a window: its name and its description.
struct Spoken {
    const char* control; // the control's object name
    QString name;
    QString description;
};

// Expects every listed control of the window to be spoken as given, naming each that is not.
void expectSpoken(const QWidget& window, std::span<const Spoken> controls);

// A caption as a person reads it: the "&" access-key markers removed, "&&" a single "&", blanks kept.
[[nodiscard]] QString withoutAccessKeys(const QString& text);

// The caption a label, button or frame shows; nothing for a control without one (a text box).
[[nodiscard]] std::optional<QString> shownCaption(const QWidget& widget);

// The labels, buttons, frames, status panels and menu entries whose spoken name is not the caption
// they show, blanks included; one line each, with both texts.
[[nodiscard]] QStringList namesOtherThanCaptions(const QWidget& window);

// Every menu entry of the window's menu bar as a screen reader reads it, with the entries above it:
// "Help", "Help > About ".
[[nodiscard]] QStringList spokenMenuEntries(const QWidget& window);

// The focusable controls (a focus policy other than NoFocus, shown and enabled within the window)
// with neither a name nor a description to be spoken, and the menu-bar entries without a text.
[[nodiscard]] QStringList unnamedControls(const QWidget& window);

// The focusable controls that share both their name and their description with another one, so
// that a listener could not tell them apart ("Calculate" twice is fine when the descriptions differ).
[[nodiscard]] QStringList controlsSpokenAlike(const QWidget& window);

// For EXPECT_TRUE / ASSERT_TRUE; the message lists every problem found.
[[nodiscard]] ::testing::AssertionResult everyCaptionIsItsName(const QWidget& window);
[[nodiscard]] ::testing::AssertionResult everyControlHasItsOwnName(const QWidget& window);

// How a widget is named in a failure message: its class, object name and the chain of parents.
[[nodiscard]] QString describe(const QWidget& widget);

} // namespace galvix::testing
