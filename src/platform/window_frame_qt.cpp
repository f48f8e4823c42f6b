#include "platform/window_frame.h"

#include <QWindow>

namespace galvix::platform {

QRect systemFrame(const QWindow& window) { return window.frameGeometry(); }

} // namespace galvix::platform
