// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ending.h"

#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace galvix::platform {

namespace {

constexpr std::array<int, 3> EndSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe a signal is passed through to the event loop: the handler writes a byte, a socket
// notifier on the user-interface thread reads it. Both ends stay open for the life of the process,
// since a signal can come at any time.
std::array<int, 2>& signalPipe()
{
    static std::array<int, 2> ends{-1, -1};
    return ends;
}

// Runs inside the signal: nothing but write(), which is async-signal-safe. A full pipe already
// holds a request, so a byte that does not fit is not missed.
extern "C" void passSignalOn(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe()[1], &byte, 1);
    errno = savedErrno;
}

bool installSignalHandlers()
{
    std::array<int, 2>& ends = signalPipe();
    if (::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = passSignalOn;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : EndSignals)
        ::sigaction(signalNumber, &action, nullptr);
    return true;
}

// Closing runs the main window's unload, which saves the frame Qt knows. A signal can come just
// after the window manager moved or maximized the window, before Qt has read that news from the X
// server: sync() reads and delivers it first.
void closeNow(const QPointer<QWidget>& window)
{
    QGuiApplication::sync();
    // A window that is no longer shown has been closed already, by the user or an earlier request.
    if (window && window->isVisible())
        window->close();
}

} // namespace

void closeOnEnding(QWidget& mainWindow)
{
    static const bool signalsPassed = installSignalHandlers();
    if (!signalsPassed)
        return;
    auto* notifier = new QSocketNotifier(signalPipe()[0], QSocketNotifier::Read, &mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, &mainWindow,
                     [notifier, window = QPointer<QWidget>(&mainWindow)] {
                         // Later signals stay unread in the pipe: the program is already ending.
                         notifier->setEnabled(false);
                         closeNow(window);
                     });
}

} // namespace galvix::platform
