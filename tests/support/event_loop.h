#pragma once
// Helpers for driving modal windows: the test queues what to do with the next modal window before
// the call that shows it, and the action runs inside that window's own event loop.

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace galvix::testing {

// Runs `action` with the first modal window that appears on top of `below` (or on top of nothing),
// or with nullptr after a generous wait, so that a test whose window never appears fails instead
// of hanging. Waiting on top of `below` ends quietly when `below` goes.
inline void whenModal(std::function<void(QWidget*)> action, QWidget* below = nullptr,
                      QDeadlineTimer deadline = QDeadlineTimer(10000))
{
    QObject* context = below != nullptr ? static_cast<QObject*>(below) : qApp;
    QTimer::singleShot(10, context, [action = std::move(action), below, deadline]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != below && modal->isVisible())
            action(modal);
        else if (deadline.hasExpired())
            action(nullptr);
        else
            whenModal(std::move(action), below, deadline);
    });
}

// Waits, handling events, until `done` holds or a generous time has passed; answers `done()`.
inline bool waitUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace galvix::testing
