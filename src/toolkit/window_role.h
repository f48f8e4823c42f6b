// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Screen readers announce a window by its role. Qt gives a top-level window built directly on
// QWidget the role of a client area ("filler" over AT-SPI), so the planner and the calculator would
// not be announced as windows; the main window (a QMainWindow) and the About box (a QDialog) are.

struct QMetaObject;

namespace galvix::toolkit {

// Makes the windows of this class, which derives from QWidget itself, report the window role.
// Qt's own classes (menus, tooltips) keep theirs.
void announceAsWindow(const QMetaObject& windowClass);

} // namespace galvix::toolkit
