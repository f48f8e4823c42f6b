#pragma once
// Driving the event loop from a test without ever waiting on it for good: what to do with the next
// modal window (queued before the call that shows it, run inside that window's own event loop), a
// wait for a condition, and the deletion of windows that closed.

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace galvix::testing {

// Runs `action` with the first widget `find` answers, looking every 10 ms, or with nullptr once
// `deadline` has passed, so that a test whose window never appears fails instead of hanging. The
// looking ends quietly when `context` goes.
inline void whenFound(std::function<QWidget*()> find, std::function<void(QWidget*)> action, QObject* context,
                      QDeadlineTimer deadline = QDeadlineTimer(10000))
{
    QTimer::singleShot(10, context, [find = std::move(find), action = std::move(action), context, deadline]() mutable {
        if (QWidget* found = find())
            action(found);
        else if (deadline.hasExpired())
            action(nullptr);
        else
            whenFound(std::move(find), std::move(action), context, deadline);
    });
}

// Runs `action` with the first modal window that appears on top of `below` (or on top of nothing),
// or with nullptr after a generous wait. Waiting on top of `below` ends quietly when `below` goes.
inline void whenModal(std::function<void(QWidget*)> action, QWidget* below = nullptr)
{
    const auto modalAbove = [below]() -> QWidget* {
        QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr && modal != below && modal->isVisible() ? modal : nullptr;
    };
    whenFound(modalAbove, std::move(action), below != nullptr ? static_cast<QObject*>(below) : qApp);
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
