// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outer frame of a top-level window as the system counts it, in device-independent pixels.
// Qt's frame is what is drawn; on Windows 10 and later the system's rectangle of a resizable window
// also holds the invisible borders it is resized by, and a window's edges and size are that
// rectangle's.

#include <QEvent>
#include <QRect>

class QWindow;

namespace galvix::platform {

[[nodiscard]] QRect systemFrame(const QWindow& window);

// Whether a top-level widget's event may come with its frame newly drawn or changed. The window
// system tells the frame some time after the window shows, and the widget hears of it with the
// next of these.
[[nodiscard]] inline bool frameMayHaveChanged(QEvent::Type type)
{
    switch (type) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowActivate:
    case QEvent::UpdateRequest:
        return true;
    default:
        return false;
    }
}

} // namespace galvix::platform
