// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_frame.h"

#include <QWindow>

#include <windows.h>

#include <cmath>

namespace galvix::platform {

QRect systemFrame(const QWindow& window)
{
    RECT rect{};
    if (!GetWindowRect(reinterpret_cast<HWND>(window.winId()), &rect))
        return window.frameGeometry();
    // The system counts physical pixels; Qt scales them by the screen's ratio.
    const double ratio = window.devicePixelRatio();
    const auto logical = [ratio](LONG value) { return static_cast<int>(std::lround(value / ratio)); };
    return QRect(QPoint(logical(rect.left), logical(rect.top)), QPoint(logical(rect.right) - 1, logical(rect.bottom) - 1));
}

} // namespace galvix::platform
