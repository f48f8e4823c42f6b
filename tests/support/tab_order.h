// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order Tab moves the focus in, read from the focus chain without pressing a key, and the
// order the planner's controls take.

#include <QString>
#include <QStringList>
#include <QWidget>

namespace galvix::testing {

// The names of the controls of `window` that Tab reaches, once round the chain from `first`.
[[nodiscard]] inline QStringList focusChain(const QWidget& window, QWidget* first)
{
    QStringList order;
    QWidget* next = first;
    do {
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && window.isAncestorOf(next))
            order << next->objectName();
        next = next->nextInFocusChain();
    } while (next != first);
    return order;
}

// The planner's: Command1, Text1 to Text21, Command2, Command3, Command4, Text22 to Text42.
[[nodiscard]] inline QStringList plannerTabOrder()
{
    QStringList order{QStringLiteral("Command1")};
    for (int i = 1; i <= 21; ++i)
        order << QStringLiteral("Text%1").arg(i);
    order << QStringLiteral("Command2") << QStringLiteral("Command3") << QStringLiteral("Command4");
    for (int i = 22; i <= 42; ++i)
        order << QStringLiteral("Text%1").arg(i);
    return order;
}

} // namespace galvix::testing
