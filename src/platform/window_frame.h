#pragma once
// The outer frame of a top-level window as the system counts it, in device-independent pixels.
// Qt's frame is what is drawn; on Windows 10 and later the system's rectangle of a resizable window
// also holds the invisible borders it is resized by, and a window's edges and size are that
// rectangle's.

#include <QRect>

class QWindow;

namespace galvix::platform {

[[nodiscard]] QRect systemFrame(const QWindow& window);

} // namespace galvix::platform
