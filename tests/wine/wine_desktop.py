# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private Windows desktop for the installed program: a private X display, a fresh Wine prefix
whose programs all open in Wine's own virtual desktop (so that Wine draws the window frames, as
Windows does), and the ways a test meets it from outside: the registry through `wine reg`, the
windows, clipboard and processes through the probe, and keys and clicks through xdotool.

Every process started here is ended by its id, or with the prefix's own wineserver, and every
wait has a deadline."""

import os
import re
import subprocess

from desktop_driving import waiting
from desktop_driving.display import SCREEN, PrivateDisplay
from desktop_driving.layout import pixels

# Generous: Wine's first start in a prefix and a busy build machine are slow; a wait only lasts as
# long as it needs.
PATIENCE = float(os.environ.get("GALVIX_WINE_PATIENCE", "1"))
DEADLINE = 60 * PATIENCE


class Failed(AssertionError):
    """A check's finding, or a tool that did not do what was asked."""


def wait_for(condition, what, timeout=DEADLINE):
    """The shared wait, with the patience Wine needs."""
    return waiting.wait_for(condition, what, timeout, interval=0.1)


class Window:
    """A top-level window as Windows sees it: its outer rectangle and its client area, in pixels."""

    def __init__(self, title, numbers):
        self.title = title
        self.left, self.top, self.right, self.bottom, self.client_x, self.client_y, self.client_width, \
            self.client_height = numbers

    @property
    def outer(self):
        """(left, top, width, height) of the frame."""
        return (self.left, self.top, self.right - self.left, self.bottom - self.top)

    def at(self, rect_twips):
        """The screen point at the centre of a control given in twips of the client area."""
        left, top, width, height = rect_twips
        return (self.client_x + pixels(left + width / 2), self.client_y + pixels(top + height / 2))

    def title_bar(self):
        """A point on the caption, clear of the icon and the buttons, in whole pixels."""
        return ((self.left + self.right) // 2, (self.top + self.client_y) // 2)

    def __repr__(self):
        return f"{self.title!r} at {self.outer}, client at ({self.client_x}, {self.client_y})"


class WineDesktop(PrivateDisplay):
    def __init__(self, scratch, probe):
        super().__init__(scratch, DEADLINE)
        self.probe_exe = probe
        self.prefix = os.path.join(scratch, "prefix")

    # --- starting and ending ---------------------------------------------------------------------

    def start(self):
        home = os.path.join(self.scratch, "home")
        os.makedirs(home)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            # Wine links the prefix's user folders to the home folder's and writes menu entries
            # there: a home of its own keeps the real one as it is.
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "LANG": "C.UTF-8",
            "WINEPREFIX": self.prefix,
            "WINEARCH": "win64",
            "WINEDEBUG": "-all",
            # No Mono or Gecko installer is offered, and no Linux menu entries are made.
            "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
        }
        self.start_x()
        # One wineserver for the whole run, so that each probe and reg call does not start one.
        self.spawn("wineserver", ["wineserver", "--persistent", "--foreground"])
        self.run(["wineboot", "--init"], timeout=5 * DEADLINE)
        # Every program opens in a virtual desktop of the screen's size. It has a name of its own:
        # wineboot has just opened the desktop called "Default" on the bare X screen, and programs
        # would join that one for as long as its explorer lingers.
        width, height = SCREEN
        self.reg_add(r"HKCU\Software\Wine\Explorer", "Desktop", "Galvix")
        self.reg_add(r"HKCU\Software\Wine\Explorer\Desktops", "Galvix", f"{width}x{height}")

    def stop(self):
        if self.env:
            subprocess.run(["wineserver", "--kill"], env=self.env, capture_output=True, timeout=DEADLINE)
            subprocess.run(["wineserver", "--wait"], env=self.env, capture_output=True, timeout=DEADLINE)
        super().stop()

    # --- processes ---------------------------------------------------------------------------------

    def run(self, argv, check=True, timeout=DEADLINE):
        """Runs a tool on the desktop and returns (status, output)."""
        result = self.execute(argv, check, timeout)
        return result.returncode, result.stdout

    def wine(self, *argv, check=True, timeout=DEADLINE):
        return self.run(["wine", *argv], check=check, timeout=timeout)

    def unix_path(self, windows_path):
        """Where a path on drive C: of the prefix is on this machine."""
        drive, rest = windows_path.split(":", 1)
        assert drive.upper() == "C", windows_path
        return os.path.join(self.prefix, "drive_c", *[part for part in rest.split("\\") if part])

    # --- the registry --------------------------------------------------------------------------------

    def reg_add(self, key, name, value, kind="REG_SZ"):
        self.wine("reg", "add", key, "/v", name, "/t", kind, "/d", value, "/f")

    def reg_delete_value(self, key, name):
        """Deletes a value, when there is one."""
        self.wine("reg", "delete", key, "/v", name, "/f", check=False)

    def reg_values(self, key, view=None):
        """{name: (type, data)} of a key's values, or None when the key does not exist."""
        status, out = self.wine("reg", "query", key, *([f"/reg:{view}"] if view else []), check=False)
        if status != 0:
            return None
        values = {}
        for line in out.splitlines():
            match = re.match(r"^\s+(\S(?:.*?\S)?)\s{4}(REG_\w+)\s{4}(.*?)\s*$", line)
            if match:
                values[match.group(1)] = (match.group(2), match.group(3))
        return values

    # --- the probe: windows, the clipboard, processes ----------------------------------------------

    def probe(self, *arguments, timeout=DEADLINE):
        """The probe's exit status (0 for yes) and its answer."""
        status, out = self.wine(self.probe_exe, *arguments, check=False, timeout=timeout + DEADLINE)
        if status not in (0, 1):
            raise Failed(f"the probe could not answer {arguments} ({status})")
        return status, out

    def window(self, title, timeout=DEADLINE):
        """The visible top-level window titled title, once there is one."""
        status, out = self.probe("rect", title, str(timeout), timeout=timeout)
        if status != 0:
            raise Failed(f"no window titled {title!r} after {timeout:.0f} s; the desktop shows {self.titles()}")
        return Window(title, [int(number) for number in out.split()])

    def has_window(self, title):
        return self.probe("rect", title, "0")[0] == 0

    def wait_no_window(self, title, timeout=DEADLINE):
        if self.probe("gone", title, str(timeout), timeout=timeout)[0] != 0:
            raise Failed(f"the window {title!r} was still there after {timeout:.0f} s")

    def titles(self):
        return [line.split("\t")[0] for line in self.probe("windows")[1].splitlines()]

    def foreground(self):
        return self.probe("foreground")[1].rstrip("\n")

    def close_window(self, title):
        if self.probe("close", title)[0] != 0:
            raise Failed(f"no window titled {title!r} to close")

    def clipboard(self):
        status, out = self.probe("clipboard")
        return out if status == 0 else None

    def clear_clipboard(self):
        if self.probe("clear-clipboard")[0] != 0:
            raise Failed("the clipboard could not be emptied")

    def process_ids(self, name, timeout=0):
        status, out = self.probe("process", name, str(timeout), timeout=timeout)
        return [int(word) for word in out.split()] if status == 0 else []

    def wait_no_process(self, name, timeout=DEADLINE):
        if self.probe("no-process", name, str(timeout), timeout=timeout)[0] != 0:
            raise Failed(f"{name} still runs after {timeout:.0f} s")

    def end_processes(self, name):
        self.probe("end-process", name)

    # --- a user at the keyboard and the mouse --------------------------------------------------------

    def click(self, point):
        # No --sync: the X server handles the move and the press in the order they are sent, and
        # xdotool waits in vain for a move to where the pointer already is.
        x, y = point
        self.run(["xdotool", "mousemove", str(round(x)), str(round(y)), "click", "1"])

    def drag(self, start, end, steps=8):
        """Presses the left button at start, moves in steps as a hand does, and lets go at end."""
        (x0, y0), (x1, y1) = start, end
        argv = ["xdotool", "mousemove", str(round(x0)), str(round(y0)), "mousedown", "1"]
        for step in range(1, steps + 1):
            x = x0 + (x1 - x0) * step / steps
            y = y0 + (y1 - y0) * step / steps
            argv += ["sleep", "0.05", "mousemove", str(round(x)), str(round(y))]
        argv += ["sleep", "0.1", "mouseup", "1"]
        self.run(argv)

    def activate(self, title):
        """Clicks a window's title bar, as a user brings it forward, until it is in the foreground."""
        def forward():
            if self.foreground() == title:
                return True
            self.click(self.window(title).title_bar())
            return self.foreground() == title

        wait_for(forward, lambda: f"{title!r} to come to the foreground (it is {self.foreground()!r})")

    def screenshot(self, path, window=None):
        """The screen, or one window of it with a margin, as a PNG."""
        if window is None:
            return super().screenshot(path)
        left, top, width, height = window.outer
        margin = 8
        return super().screenshot(path, (left - margin, top - margin, width + 2 * margin, height + 2 * margin))
