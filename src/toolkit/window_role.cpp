// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_role.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace galvix::toolkit {

namespace {

std::vector<const QMetaObject*>& windowClasses()
{
    static std::vector<const QMetaObject*> classes;
    return classes;
}

// Qt asks a factory for each class of an object, most derived first; this one answers only for a
// registered window class, asked about as itself.
QAccessibleInterface* windowInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow())
        return nullptr;
    const QMetaObject* meta = object->metaObject();
    if (className != QLatin1String(meta->className()) || std::ranges::find(windowClasses(), meta) == windowClasses().end())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void announceAsWindow(const QMetaObject& windowClass)
{
    auto& classes = windowClasses();
    if (std::ranges::find(classes, &windowClass) != classes.end())
        return;
    if (classes.empty())
        QAccessible::installFactory(windowInterface);
    classes.push_back(&windowClass);
}

} // namespace galvix::toolkit
