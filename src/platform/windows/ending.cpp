// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ending.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace galvix::platform {

void closeOnEnding(QWidget& mainWindow)
{
    // At a log-off or shut-down Windows sends WM_QUERYENDSESSION, which Qt answers yes, then
    // WM_ENDSESSION, on which Qt says it is about to quit; the system waits for that message's
    // answer before it ends the process, so the unload's placement is stored by then. After a
    // close of the main window the program also says it is about to quit, with the window already
    // gone.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &mainWindow,
                     [window = QPointer<QWidget>(&mainWindow)] {
                         if (window && window->isVisible())
                             window->close();
                     });
}

} // namespace galvix::platform
