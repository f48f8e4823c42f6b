// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A checked lookup of a named child, for code that reaches into a window from outside (tests, the
// renderer, the benchmarks): a misspelt or missing name throws, naming the control, instead of
// handing back a null pointer to crash on.

#include <QObject>
#include <QString>

#include "toolkit/surface.h"

namespace galvix::toolkit {

// The descendant of `parent` called `name`, of type T; never null.
template <class T>
[[nodiscard]] T* child(const QObject& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    if (found == nullptr)
        throw MissingControl(parent.objectName().toStdString(), name.toStdString(),
                             T::staticMetaObject.className());
    return found;
}

} // namespace galvix::toolkit
