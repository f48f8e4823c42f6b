// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text box's text and every label's caption on a window, by control name: a before-and-after
// picture of what a click changed; and the click on a window's button by its name.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include <map>

#include "toolkit/child.h"

namespace galvix::testing {

[[nodiscard]] inline std::map<QString, QString> snapshot(const QWidget& window)
{
    std::map<QString, QString> texts;
    for (const auto* edit : window.findChildren<QLineEdit*>())
        texts[edit->objectName()] = edit->text();
    for (const auto* label : window.findChildren<QLabel*>())
        texts[label->objectName()] = label->text();
    return texts;
}

// Clicks the window's push button called `name` with the left mouse button, as a user would.
inline void click(const QWidget& window, const char* name)
{
    QTest::mouseClick(toolkit::child<QPushButton>(window, QString::fromLatin1(name)), Qt::LeftButton);
}

} // namespace galvix::testing
