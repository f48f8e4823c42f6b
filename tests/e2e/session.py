# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private session for one end-to-end test: its own X server (Xvfb on a free display), D-Bus
session, accessibility bus with its registry, and the openbox window manager.

Every process started here is ended by the pid it was started with, and nothing is left behind.
libatspi keeps one connection to the accessibility bus for the life of a process, so one process
holds one session: CTest runs each test in a process of its own.
"""

import os
import re

from desktop_driving.display import PrivateDisplay

from .waiting import DEADLINE, wait_for

_session_in_this_process = False


class Session(PrivateDisplay):
    """Xvfb, a D-Bus session, the accessibility bus and registry, and openbox, all private."""

    def __init__(self, scratch):
        super().__init__(scratch, DEADLINE)
        self.a11y_address = None
        self.looking_for = None  # what the test last searched for, for the failure report

    def start(self):
        global _session_in_this_process
        if _session_in_this_process:
            raise RuntimeError("one session per process: libatspi cannot change buses; run each test alone")
        _session_in_this_process = True
        home = os.path.join(self.scratch, "home")
        runtime = os.path.join(self.scratch, "runtime")
        for folder in (home, runtime):
            os.makedirs(folder, mode=0o700)
        self.env = {
            "PATH": "/usr/bin:/bin",
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "LANG": "C.UTF-8",
            "GSETTINGS_BACKEND": "memory",
        }
        self.start_x()
        self._start_session_bus()
        self._start_accessibility_bus()
        self._start_window_manager()
        # libatspi finds the bus through these when this process first uses it.
        for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
            os.environ[key] = self.env[key]

    def run(self, argv, check=True):
        """Runs a tool on the session and returns its output; raises CommandFailed if check and it fails."""
        return self.execute(argv, check).stdout

    # --- the servers ---------------------------------------------------------------------------------

    def _start_session_bus(self):
        read_end, write_end = os.pipe()
        bus = self.spawn("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                         f"--print-address={write_end}"], pass_fds=(write_end,))
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.read_line_from("dbus-daemon", bus, read_end)
    def _bus_call(self, bus, destination, path, method, *arguments, check=True):
        return self.run(["dbus-send", bus, f"--dest={destination}", "--print-reply", path, method, *arguments],
                        check=check)

    def _name_has_owner(self, bus, name):
        # Asked of the bus itself, so that no service is started by the question.
        reply = self._bus_call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                               "org.freedesktop.DBus.NameHasOwner", f"string:{name}", check=False)
        return "boolean true" in reply

    def _start_accessibility_bus(self):
        self.spawn("at-spi-bus-launcher", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for(lambda: self._name_has_owner("--session", "org.a11y.Bus"), "the accessibility bus launcher")
        reply = self._bus_call("--session", "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
        self.a11y_address = re.search(r'string "([^"]+)"', reply).group(1)
        self.env["AT_SPI_BUS_ADDRESS"] = self.a11y_address
        self.spawn("at-spi2-registryd", ["/usr/libexec/at-spi2-registryd"])
        wait_for(lambda: self._name_has_owner(f"--bus={self.a11y_address}", "org.a11y.atspi.Registry"),
                 "the accessibility registry")
        # What a screen reader does when it starts: toolkits watch these two and connect.
        for flag in ("IsEnabled", "ScreenReaderEnabled"):
            self._bus_call("--session", "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                           "string:org.a11y.Status", f"string:{flag}", "variant:boolean:true")

    def _start_window_manager(self):
        # openbox announces itself on the root window before it manages the windows that map, and a
        # program started in between is never framed; the command it runs once it has started is
        # the sign that it is ready.
        ready = os.path.join(self.scratch, "openbox-started")
        self.spawn("openbox", ["openbox", "--sm-disable", "--startup", f"touch {ready}"])
        wait_for(lambda: os.path.exists(ready), "the openbox window manager")
