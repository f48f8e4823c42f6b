// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the program when the system ends it, the way a close of its main window does: the window's
// unload closes the other windows and saves the placement as ever.
//
// On Linux that is SIGTERM, SIGHUP and SIGINT, after which the program exits with status 0. A
// session manager needs nothing more: when the session ends it tells the program to die, which Qt
// turns into its quit, and Qt's quit closes every window. The manager's earlier request to save
// (Qt's commitDataRequest) is no end: a manager sends it for a checkpoint of a session that goes
// on, too.
//
// On Windows it is a log-off or shut-down. Qt answers the system's question whether the session
// may end (WM_QUERYENDSESSION), and when it does end (WM_ENDSESSION) Qt says it is about to quit
// and returns to the system, which then ends the process at once, without Qt's quit ever closing
// a window.

class QWidget;

namespace galvix::platform {

// From now on the system's end of the program closes `mainWindow` first. Only the first request
// is taken; later ones are ignored.
void closeOnEnding(QWidget& mainWindow);

} // namespace galvix::platform
