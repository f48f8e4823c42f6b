// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the event loop from a test without ever waiting on it for good: what to do with the next
// modal window (queued before the call that shows it, run inside that window's own event loop), a
// wait for a condition, and the deletion of windows that closed.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <utility>

namespace galvix::testing {

// Runs a test's action from inside Qt's event loop, which an exception cannot unwind through: what
// the action throws (a control it looked for and did not find) fails the test instead.
template <class Action, class Argument>
void runFailingOnThrow(Action& action, Argument argument) noexcept
{
    try {
        action(argument);
    }
    catch (const std::exception& error) {
        ADD_FAILURE() << "the action threw: " << error.what();
    }
    catch (...) {
        ADD_FAILURE() << "the action threw";
    }
}

// Runs `action` with the first widget `find` answers, looking every 10 ms, or with nullptr once
// `deadline` has passed, so that a test whose window never appears fails instead of hanging. The
// looking ends quietly when `context` goes.
inline void whenFound(std::function<QWidget*()> find, std::function<void(QWidget*)> action, QObject* context,
                      QDeadlineTimer deadline = QDeadlineTimer(10000))
{
    QTimer::singleShot(10, context, [find = std::move(find), action = std::move(action), context, deadline]() mutable {
        if (QWidget* found = find())
            runFailingOnThrow(action, found);
        else if (deadline.hasExpired())
            runFailingOnThrow(action, nullptr);
        else
            whenFound(std::move(find), std::move(action), context, deadline);
    });
}

// Ends a modal window that a test left open, failing the test, so that the exec() showing it
// returns instead of waiting for CTest's timeout.
inline void closeLeftOpen(QWidget* modal)
{
    if (modal == nullptr || !modal->isVisible())
        return;
    ADD_FAILURE() << "a modal window was left open: " << modal->objectName().toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

// Runs `action` with the first modal window that appears on top of `below` (or on top of nothing),
// or with nullptr after a generous wait. A window the action leaves open (it failed an assertion
// and returned early), or one that comes only after the wait, is closed by closeLeftOpen. Waiting
// on top of `below` ends quietly when `below` goes.
inline void whenModal(std::function<void(QWidget*)> action, QWidget* below = nullptr)
{
    const auto modalAbove = [below]() -> QWidget* {
        QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr && modal != below && modal->isVisible() ? modal : nullptr;
    };
    QObject* context = below != nullptr ? static_cast<QObject*>(below) : qApp;
    whenFound(
        modalAbove,
        [action = std::move(action), modalAbove, context](QWidget* found) {
            const QPointer<QWidget> modal = found;
            runFailingOnThrow(action, found);
            if (found == nullptr)
                whenFound(modalAbove, closeLeftOpen, context);
            else
                closeLeftOpen(modal.data());
        },
        context);
}

// Runs `action` with the popup menu that opens next, or with nullptr after a generous wait, unless
// `context` goes first.
inline void whenPopup(std::function<void(QWidget*)> action, QObject& context)
{
    whenFound([] { return QApplication::activePopupWidget(); }, std::move(action), &context);
}

// Waits, handling events, until `done` holds or a generous time has passed; answers `done()`.
inline bool waitUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Deletes the windows that closed with WA_DeleteOnClose (and anything else deleteLater() let go),
// which the event loop would do on its next turn.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace galvix::testing
