// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_frame.h"

#include <QWindow>

namespace galvix::platform {

QRect systemFrame(const QWindow& window) { return window.frameGeometry(); }

} // namespace galvix::platform
