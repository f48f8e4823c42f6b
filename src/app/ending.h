#pragma once
// Ends the program the way a close of its main window does when the system asks it to end: on
// SIGTERM, SIGHUP and SIGINT, and when a session manager asks it to save before the session ends.
// The main window's close then unloads the other windows and saves the placement as ever.

class QWidget;

namespace galvix::app {

// From now on each of those requests closes `mainWindow`, once the window system has caught up
// with what the window manager last did to it. Only one request is taken; later ones are ignored.
void closeOnEndRequests(QWidget& mainWindow);

} // namespace galvix::app
