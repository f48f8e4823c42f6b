# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The release-built program under test, started on a private desktop."""

import os

from desktop_driving.display import end_process
from desktop_driving.layout import MAIN_TITLE

from . import atspi
from .settings import settings_file
from .waiting import DEADLINE, wait_for


class Program:
    """The program (GALVIX_E2E_PROGRAM), started on a desktop with a settings folder of its own."""

    def __init__(self, desktop, config_home, path=None, env=None):
        self.desktop = desktop
        self.config_home = config_home
        self.path = path
        self.env = env or {}
        self.process = None

    @property
    def settings_file(self):
        return settings_file(self.config_home)

    def start(self):
        binary = os.environ.get("GALVIX_E2E_PROGRAM")
        if not binary or not os.access(binary, os.X_OK):
            raise AssertionError("GALVIX_E2E_PROGRAM does not name the built program")
        env = dict(self.desktop.env)
        # The program finds the accessibility bus as any desktop program does: through the session.
        env.pop("AT_SPI_BUS_ADDRESS", None)
        env.update({"XDG_CONFIG_HOME": self.config_home, "QT_QPA_PLATFORM": "xcb"})
        if self.path is not None:
            env["PATH"] = self.path
        env.update(self.env)
        count = sum(1 for name, _ in self.desktop.processes if name.startswith("galvix"))
        self.process = self.desktop.spawn(f"galvix-{count + 1}", [binary], env=env)
        return self

    def main_window(self):
        return self.desktop.wait_window(MAIN_TITLE)

    def started(self):
        """Starts the program and returns its main window once the window manager framed it."""
        self.start()
        window = self.main_window()
        wait_for(window.mapped, "the main window to be shown")
        return window

    def wait_exit(self, timeout=DEADLINE):
        wait_for(lambda: self.process.poll() is not None, "the program to end", timeout)
        return self.process.returncode

    def stop(self):
        if self.process is not None:
            end_process(self.process)

    @property
    def running(self):
        return self.process is not None and self.process.poll() is None

    # --- its accessibility tree ---------------------------------------------------------------------

    def application(self):
        return wait_for(lambda: atspi.application(self.process.pid), "the program on the accessibility bus")

    def a11y_window(self, title, timeout=DEADLINE):
        self.desktop.looking_for = f"the window {title!r} on the accessibility bus"

        def find():
            application = atspi.application(self.process.pid)
            if application is None:
                return None
            for index in range(application.childCount):
                child = application.getChildAtIndex(index)
                if child is not None and child.name == title:
                    return child
            return None

        return wait_for(find, self.desktop.looking_for, timeout)
