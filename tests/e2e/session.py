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
import select
import signal
import subprocess
import time

from waiting import DEADLINE, wait_for

SCREEN = (1280, 1024)

_session_in_this_process = False


class CommandFailed(AssertionError):
    """A tool run on the session ended with a failure status."""

    def __init__(self, argv, returncode, stderr):
        super().__init__(f"{' '.join(argv)} failed ({returncode}): {stderr.strip()}")
        self.stderr = stderr


class Session:
    """Xvfb, a D-Bus session, the accessibility bus and registry, and openbox, all private."""

    def __init__(self, scratch):
        self.scratch = scratch
        self.processes = []  # (name, Popen), in the order they were started
        self.env = {}
        self.display = None
        self.a11y_address = None
        self.looking_for = None  # what the test last searched for, for the failure report

    @property
    def running(self):
        return bool(self.processes)

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
        self._start_x()
        self._start_session_bus()
        self._start_accessibility_bus()
        self._start_window_manager()
        # libatspi finds the bus through these when this process first uses it.
        for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
            os.environ[key] = self.env[key]

    def stop(self):
        """Ends every process by the pid it was started with, newest first, and their children."""
        for _, process in reversed(self.processes):
            end_process(process)
        self.processes.clear()

    def spawn(self, name, argv, pass_fds=(), env=None):
        """Starts a process on the session; its output goes to <name>.log in the scratch folder."""
        log = open(os.path.join(self.scratch, f"{name}.log"), "ab")
        process = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL, stdout=log,
                                   stderr=subprocess.STDOUT, pass_fds=pass_fds, start_new_session=True)
        log.close()
        self.processes.append((name, process))
        return process

    def run(self, argv, check=True, input_text=None, env_extra=None):
        """Runs a tool on the session and returns its output; raises CommandFailed if check and it fails."""
        env = dict(self.env, **(env_extra or {}))
        result = subprocess.run(argv, env=env, capture_output=True, text=True, timeout=DEADLINE,
                                input=input_text)
        if check and result.returncode != 0:
            raise CommandFailed(argv, result.returncode, result.stderr)
        return result.stdout

    # --- the servers ---------------------------------------------------------------------------------

    def _read_line_from(self, name, process, read_end):
        """The first line a child writes to the pipe it was given, with a deadline."""
        data = b""
        deadline = time.monotonic() + DEADLINE
        try:
            while not data.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or process.poll() is not None:
                    raise AssertionError(f"{name} did not start (see {name}.log)")
                ready, _, _ = select.select([read_end], [], [], min(left, 0.5))
                if ready:
                    chunk = os.read(read_end, 4096)
                    if not chunk:
                        raise AssertionError(f"{name} closed its pipe before it was ready")
                    data += chunk
        finally:
            os.close(read_end)
        return data.decode().strip()

    def _start_x(self):
        read_end, write_end = os.pipe()
        width, height = SCREEN
        xvfb = self.spawn("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                   f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
                          pass_fds=(write_end,))
        os.close(write_end)
        self.display = ":" + self._read_line_from("Xvfb", xvfb, read_end)
        self.env["DISPLAY"] = self.display

    def _start_session_bus(self):
        read_end, write_end = os.pipe()
        bus = self.spawn("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                         f"--print-address={write_end}"], pass_fds=(write_end,))
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line_from("dbus-daemon", bus, read_end)

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


def end_process(process, grace=5.0):
    """Asks a process we started to end, then forces it; its process group goes with it."""
    if process.poll() is None:
        try:
            process.send_signal(signal.SIGTERM)
            process.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(timeout=grace)
    # Children it left in the group it led (the accessibility bus's own dbus-daemon, say).
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
