#pragma once
// Ends the program on SIGTERM, SIGHUP and SIGINT the way a close of its main window does: the
// window's unload closes the other windows and saves the placement as ever, and the program exits
// with status 0.
//
// A session manager needs nothing here. When the session ends it tells the program to die, which
// Qt turns into its quit, and Qt's quit closes every window: the main window's close runs the same
// unload. The manager's earlier request to save (Qt's commitDataRequest) is no end: a manager sends
// it for a checkpoint of a session that goes on, too.

class QWidget;

namespace galvix::app {

// From now on each of those signals closes `mainWindow`, once the window system has caught up with
// what the window manager last did to it. Only the first signal is taken; later ones are ignored.
void closeOnEndSignals(QWidget& mainWindow);

} // namespace galvix::app
