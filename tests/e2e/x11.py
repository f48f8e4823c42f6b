# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The session's X display as the window manager and a user at the keyboard see it: the windows
openbox manages (wmctrl, xprop, xwininfo), and keys and the mouse (xdotool)."""

import re

from desktop_driving.display import CommandFailed
from desktop_driving.waiting import Gone

from .session import Session
from .waiting import DEADLINE, wait_for


class X11Desktop(Session):
    """A private session, with what its window manager did and a keyboard and a mouse on it."""

    key_delay, type_delay = 30, 10

    def windows(self):
        """(id, pid, title) of every window the window manager manages."""
        found = []
        for line in self.run(["wmctrl", "-l", "-p"], check=False).splitlines():
            parts = line.split(None, 4)
            if len(parts) >= 4:
                found.append((int(parts[0], 16), int(parts[2]), parts[4] if len(parts) > 4 else ""))
        return found

    def window_ids(self, title):
        return [window for window, _, name in self.windows() if name == title]

    def wait_window(self, title, timeout=DEADLINE):
        self.looking_for = f"the window titled {title!r}"
        ids = wait_for(lambda: self.window_ids(title), self.looking_for, timeout)
        window = X11Window(self, ids[0])
        wait_for(window.frame_extents, f"the frame of {title!r}", timeout)
        return window

    def wait_no_window(self, title, timeout=DEADLINE):
        wait_for(lambda: not self.window_ids(title), f"the window {title!r} to close", timeout)

    def click(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(round(x)), str(round(y)), "click", "1"])


class X11Window:
    """A top-level window as the X server and the window manager see it."""

    def __init__(self, desktop, window_id):
        self.desktop = desktop
        self.id = window_id

    def client(self):
        """(x, y, width, height) of the client area on the screen, in pixels."""
        try:
            out = self.desktop.run(["xwininfo", "-id", str(self.id)])
        except CommandFailed as error:
            if "No such window" in error.stderr:
                raise Gone(f"window {self.id:#x} is gone") from error
            raise

        def field(label):
            return int(re.search(rf"{label}:\s+(-?\d+)", out).group(1))

        return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"))

    def frame_extents(self):
        """(left, right, top, bottom) of the window manager's frame, or None before it has one."""
        out = self.desktop.run(["xprop", "-id", str(self.id), "_NET_FRAME_EXTENTS"], check=False)
        match = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", out)
        return tuple(int(value) for value in match.groups()) if match else None

    def frame(self):
        """(left, top, width, height) of the outer window, frame included, in pixels."""
        x, y, width, height = self.client()
        extents = self.frame_extents()
        if extents is None:
            raise Gone(f"window {self.id:#x} has no frame")
        left, right, top, bottom = extents
        return (x - left, y - top, width + left + right, height + top + bottom)

    def states(self):
        out = self.desktop.run(["xprop", "-id", str(self.id), "_NET_WM_STATE"], check=False)
        return set(re.findall(r"_NET_WM_STATE_\w+", out))

    def mapped(self):
        return "IsViewable" in self.desktop.run(["xwininfo", "-id", str(self.id)], check=False)

    def activate(self):
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(self.id)], check=False)
        wait_for(lambda: self.desktop.run(["xdotool", "getactivewindow"], check=False).strip() == str(self.id),
                 f"window {self.id:#x} to become active")

    def close(self):
        """What the title bar's close box does."""
        self.desktop.run(["wmctrl", "-i", "-c", hex(self.id)])
