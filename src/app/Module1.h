// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up module: creates and shows the main window and keeps the program-wide reference to it.

#include <QPointer>

namespace galvix::app {

class frmMain;

namespace Module1 {

// Creates the main window, remembers it and shows it modelessly; returns at once.
void Main();

// The main window created by Main; null before Main and once the window is gone.
[[nodiscard]] frmMain* mainWindow();

} // namespace Module1
} // namespace galvix::app
