// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Application-wide set-up shared by the program and the window tests: names, icon, style and font.

class QApplication;

namespace galvix::app {

enum class IconTiming {
    Now,      // before this returns
    OnceShown // as the event loop starts, after the windows shown before it are mapped
};

// Names the application (which also names its settings file) and the desktop entry its windows
// belong to, gives every window the program's icon, and sets the style and the one font every
// window is laid out for.
void configureApplication(QApplication& application, IconTiming iconTiming = IconTiming::Now);

} // namespace galvix::app
