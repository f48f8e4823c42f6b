# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The base class of the end-to-end tests: a private desktop for each test, the program started on
it, finders for its controls by what a user sees, and what the test saw when it fails."""

import os
import re
import shutil
import tempfile

import pyatspi

from desktop_driving.evidence import EvidenceKeepingTestCase
from desktop_driving.layout import MAIN_TITLE, MESSAGE_TITLE, TWIPS_PER_PIXEL, pixels

from . import atspi
from .atspi import Accessible, role_name, wanted_role
from .program import Program
from .settings import settings_file
from .waiting import DEADLINE, wait_for
from .x11 import X11Desktop

# Objects that hold a window's controls rather than being one.
_CONTAINERS = (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_FILLER)


class GalvixTestCase(EvidenceKeepingTestCase):
    """Starts a private desktop for the test, and keeps what it saw when the test fails."""

    maxDiff = None

    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="galvix-e2e-")
        self.addCleanup(shutil.rmtree, self.scratch, True)
        self.desktop = X11Desktop(self.scratch)
        self.addCleanup(self.desktop.stop)
        self.desktop.start()
        self.config_home = os.path.join(self.scratch, "config")
        os.makedirs(self.config_home)
        self.settings_file = settings_file(self.config_home)
        self.programs = []

    def program(self, path=None, env=None):
        program = Program(self.desktop, self.config_home, path, env)
        self.programs.append(program)
        return program

    # --- what a failed test leaves behind -----------------------------------------------------------

    def keep_evidence(self, test):
        """The screen, the accessibility tree, what was looked for, the windows, the logs of every
        process and the settings file, in a folder of the failed test (or subtest) under
        GALVIX_E2E_FAILURES."""
        root = os.environ.get("GALVIX_E2E_FAILURES")
        desktop = getattr(self, "desktop", None)
        if not root or desktop is None or not desktop.running or not desktop.display:
            return
        folder = os.path.join(root, re.sub(r"[^\w.=-]+", "_", test.id()).strip("_"))
        try:
            shutil.rmtree(folder, ignore_errors=True)
            os.makedirs(folder, exist_ok=True)
            desktop.screenshot(os.path.join(folder, "screen.png"))
            with open(os.path.join(folder, "looked-for.txt"), "w", encoding="utf-8") as out:
                out.write(f"{desktop.looking_for}\n")
            with open(os.path.join(folder, "accessibility-tree.txt"), "w", encoding="utf-8") as out:
                out.write(self._tree_dump())
            with open(os.path.join(folder, "windows.txt"), "w", encoding="utf-8") as out:
                out.write(desktop.run(["wmctrl", "-l", "-G", "-p"], check=False))
            desktop.keep_logs(folder)
            if os.path.exists(self.settings_file):
                shutil.copy(self.settings_file, folder)
        except Exception as error:  # noqa: BLE001 - the failure itself must still be reported
            print(f"\nkeeping what the test saw failed: {error!r}")
        print(f"\nlooked for: {desktop.looking_for}\nscreen and accessibility tree kept in {folder}")

    def _tree_dump(self):
        lines = []
        for program in self.programs:
            if not program.running:
                continue
            try:
                application = atspi.application(program.process.pid)
            except Exception as error:  # noqa: BLE001 - written down in the tree's place
                lines.append(f"pid {program.process.pid}: {error!r}")
                continue
            if application is None:
                lines.append(f"pid {program.process.pid}: not on the accessibility bus")
                continue
            lines.extend(atspi.describe_tree(application))
        return "\n".join(lines) + "\n"

    # --- shared reading of the program's windows, by what a user sees ------------------------------

    def assertRole(self, node, role, msg=None):  # noqa: N802
        """Fails unless the object has the role (a value such as pyatspi.ROLE_FRAME)."""
        actual = Accessible.role(node)
        if actual != wanted_role(role):
            self.fail(self._formatMessage(msg, f"{node.name!r} is a {role_name(actual)}, not a {role_name(role)}"))

    def snapshot(self, program, title):
        """(node, role, (left, top, width, height) in pixels from the client area) of every control."""
        window = self.desktop.wait_window(title)
        a11y = program.a11y_window(title)
        x, y, _, _ = window.client()
        objects = []
        for node in Accessible.walk(a11y):
            if node is a11y:
                continue
            try:
                role = Accessible.role(node)
                nx, ny, nw, nh = Accessible.extents(node)
            except NotImplementedError:  # an object without a place on the screen
                continue
            if role not in _CONTAINERS:
                objects.append((node, role, (nx - x, ny - y, nw, nh)))
        return objects

    @staticmethod
    def _find(objects, rect, role=None):
        left, top, width, height = rect
        for node, node_role, (nx, ny, nw, nh) in objects:
            if role is not None and node_role != role:
                continue
            if abs(nx - pixels(left)) > 1 or abs(ny - pixels(top)) > 1:
                continue
            if width is not None and (abs(nw - pixels(width)) > 2 or abs(nh - pixels(height)) > 2):
                continue
            return node
        return None

    def controls(self, program, title, table, role=None):
        """The controls of a table {name: (left, top, width, height) twips}, found by position, each
        of the role if one is given (a value such as pyatspi.ROLE_LABEL)."""
        role = wanted_role(role)
        kind = f" ({role_name(role)})" if role is not None else ""

        def find():
            objects = self.snapshot(program, title)
            found = {name: self._find(objects, rect, role) for name, rect in table.items()}
            missing = [name for name, node in found.items() if node is None]
            shown = missing or list(table)
            self.desktop.looking_for = (f"{', '.join(shown)}{kind} at "
                                        + "; ".join(f"{table[name]} twips" for name in shown)
                                        + f" in {title!r}")
            return None if missing else found

        return wait_for(find, lambda: self.desktop.looking_for or f"the controls of {title!r}")

    def control_at(self, program, title, left, top, width=None, height=None, role=None):
        """The control whose top-left corner is at (left, top) twips in the window's client area."""
        return self.controls(program, title, {f"the control at ({left}, {top})": (left, top, width, height)},
                             role).popitem()[1]

    def texts(self, program, title, table):
        """What a screen reader reads from each control of a table."""
        return {name: Accessible.text(node) for name, node in self.controls(program, title, table).items()}

    def wait_texts(self, program, title, table, expected, what):
        """Waits until the controls of the table show the expected texts, and fails naming those
        that differ."""
        seen = {}
        self.desktop.looking_for = f"the {what} {', '.join(expected)} to show their texts"

        def shown():
            seen.update(self.texts(program, title, {name: table[name] for name in expected}))
            return seen == expected

        try:
            wait_for(shown, self.desktop.looking_for)
        except AssertionError:
            self.assertEqual(seen, expected)

    def named(self, program, title, name, role=None, timeout=DEADLINE):
        """The first object of the window whose accessible name is exactly name, and of the role if
        one is given."""
        role = wanted_role(role)
        a11y = program.a11y_window(title)
        what = f"an object named {name!r}" + (f" ({role_name(role)})" if role is not None else "") + f" in {title!r}"
        self.desktop.looking_for = what

        def find():
            for node in Accessible.walk(a11y):
                if node.name == name and (role is None or Accessible.role(node) == role):
                    return node
            return None

        return wait_for(find, what, timeout)

    def focused(self, program, title):
        a11y = program.a11y_window(title)
        for node in Accessible.walk(a11y):
            if Accessible.has_state(node, pyatspi.STATE_FOCUSED):
                return node
        return None

    def position_of(self, program, title, node):
        """(left, top) twips of an object in the window's client area, rounded to the pixel."""
        x, y, _, _ = self.desktop.wait_window(title).client()
        nx, ny, _, _ = Accessible.extents(node)
        return ((nx - x) * TWIPS_PER_PIXEL, (ny - y) * TWIPS_PER_PIXEL)

    def click_at(self, title, left, top, width, height):
        """A mouse click in the middle of a control given in twips."""
        window = self.desktop.wait_window(title)
        x, y, _, _ = window.client()
        self.desktop.click(x + pixels(left + width / 2), y + pixels(top + height / 2))

    def message(self, program):
        """The texts of the program's message box, once it is shown."""
        self.desktop.wait_window(MESSAGE_TITLE)
        box = program.a11y_window(MESSAGE_TITLE)
        self.desktop.looking_for = f"the texts ({role_name(pyatspi.ROLE_LABEL)}) of the message box {MESSAGE_TITLE!r}"
        return wait_for(lambda: [node.name for node in Accessible.walk(box)
                                 if Accessible.role(node) == pyatspi.ROLE_LABEL and node.name],
                        self.desktop.looking_for)

    def open_from_menu(self, program, menu_key, item_name, item_key, title):
        """Opens a menu with its access key and chooses an item with its own, as a user does."""
        main = self.desktop.wait_window(MAIN_TITLE)
        main.activate()
        self.desktop.keys(f"alt+{menu_key}")
        application = program.application()
        self.desktop.looking_for = f"the menu item {item_name!r} ({role_name(pyatspi.ROLE_MENU_ITEM)}), showing"
        wait_for(lambda: any(node.name == item_name and Accessible.role(node) == pyatspi.ROLE_MENU_ITEM
                             and Accessible.has_state(node, pyatspi.STATE_SHOWING)
                             for node in Accessible.walk(application)),
                 self.desktop.looking_for)
        self.desktop.keys(item_key)
        return self.desktop.wait_window(title)
