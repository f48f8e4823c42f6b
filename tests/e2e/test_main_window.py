# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The main window under a real window manager: where it opens, what it stores, how it ends."""

import datetime
import os
import re
import signal
import stat
import unittest
from unittest import mock

import pyatspi

from desktop_driving.layout import CALCULATOR_TITLE, MAIN_TITLE, PLACEMENT_KEYS as KEYS, PLANNER_TITLE, TWIPS_PER_PIXEL

from .atspi import Accessible, role_name
from .case import GalvixTestCase
from .settings import read_settings, write_settings
from .waiting import NAME_DEADLINE, wait_for

FIRST_START_FRAME = (67, 67, 433, 433)  # 1000, 1000, 6500, 6500 twips
STORED = dict(zip(KEYS, ("1500", "1200", "7000", "6000")))
DEFAULTS = dict(zip(KEYS, (1000.0, 1000.0, 6500.0, 6500.0)))


class MainWindowTestCase(GalvixTestCase):
    def start(self):
        """Starts the program; self.opened is its frame once the window manager is done with it."""
        self.galvix = self.program()
        window = self.galvix.started()
        first = window.frame()
        self.opened = self.settled_frame(window, lambda frame: True, "the main window's frame to settle")
        # The size may be corrected once the frame is known; the position must not jump.
        self.assertTrue(abs(first[0] - self.opened[0]) <= 1 and abs(first[1] - self.opened[1]) <= 1,
                        f"the window was shown at {first} and then moved to {self.opened}")
        return window

    def close(self, window):
        window.close()
        self.assertEqual(self.galvix.wait_exit(), 0, "the program's exit status")

    def stored(self):
        entries = read_settings(self.settings_file)
        values = {}
        for key in KEYS:
            self.assertIn(key, entries, f"{key} is not stored in {self.settings_file}")
            values[key] = float(entries[key])
        return values

    def assertFrame(self, frame, expected, what):  # noqa: N802
        self.assertTrue(all(abs(a - b) <= 1 for a, b in zip(frame, expected)),
                        f"{what}: the frame is at {frame} pixels, not {expected} (one pixel of tolerance)")

    def assertStoresFrame(self, stored, frame):  # noqa: N802
        twips = dict(zip(KEYS, (value * TWIPS_PER_PIXEL for value in frame)))
        self.assertTrue(all(abs(stored[key] - twips[key]) <= TWIPS_PER_PIXEL for key in KEYS),
                        f"stored {stored}, the frame was {frame} pixels = {twips} twips")

    def move_by_window_manager(self, window, left, top, width, height):
        """Moves and resizes the window as its title bar and border do; returns the frame it got."""
        before = window.frame()
        self.desktop.run(["wmctrl", "-i", "-r", hex(window.id), "-e", f"0,{left},{top},{width},{height}"])
        return self.settled_frame(window, lambda frame: frame != before, "the window manager to move the window")

    def settled_frame(self, window, condition, what):
        """The frame once the window manager is done with it: the same on two looks in a row."""
        looks = []

        def settled():
            frame = window.frame()
            looks.append(frame)
            return condition(frame) and len(looks) > 2 and looks[-3] == looks[-2] == frame and frame

        return wait_for(settled, what, interval=0.1)


class Placement(MainWindowTestCase):
    def test_first_start_opens_at_the_defaults_and_an_untouched_close_stores_them(self):
        window = self.start()
        self.assertFrame(self.opened, FIRST_START_FRAME, "first start")
        self.close(window)
        self.assertEqual(self.stored(), DEFAULTS)

    def test_five_untouched_restarts_do_not_move_it(self):
        frames = []
        for start in range(6):
            window = self.start()
            frames.append(self.opened)
            self.close(window)
            with self.subTest(start=start + 1):
                self.assertFrame(frames[-1], FIRST_START_FRAME, f"start {start + 1} (frames so far {frames})")
                self.assertEqual(self.stored(), DEFAULTS)

    def test_a_move_and_resize_by_the_window_manager_is_stored_and_restored(self):
        window = self.start()
        moved = self.move_by_window_manager(window, 299, 180, 500, 400)
        self.close(window)
        stored = self.stored()
        self.assertStoresFrame(stored, moved)

        window = self.start()
        self.assertFrame(self.opened, moved, "the start after the move")
        self.close(window)
        self.assertEqual(self.stored(), stored, "an untouched close after the move")

    def test_a_maximized_close_stores_the_maximized_edges_and_the_next_start_opens_normal(self):
        window = self.start()
        self.desktop.run(["wmctrl", "-i", "-r", hex(window.id), "-b", "add,maximized_vert,maximized_horz"])
        maximized = self.settled_frame(
            window, lambda frame: {"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"} <= window.states(),
            "the window to be maximized")
        self.close(window)
        self.assertStoresFrame(self.stored(), maximized)

        window = self.start()
        self.assertFalse({"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"} & window.states(),
                         "the next start opened maximized")
        self.assertFrame(self.opened, maximized, "the start after a maximized close")

    def test_a_minimized_close_saves_nothing(self):
        write_settings(self.settings_file, STORED)
        with open(self.settings_file, "rb") as stored:
            before = stored.read()
        window = self.start()
        self.desktop.run(["xdotool", "windowminimize", str(window.id)])
        wait_for(lambda: "_NET_WM_STATE_HIDDEN" in window.states(), "the window to be minimized")
        self.close(window)
        with open(self.settings_file, "rb") as stored:
            self.assertEqual(stored.read(), before, "a minimized close changed the stored placement")


# Stored values a hand, a bad disk or another program may leave; each is mended on start, the
# window opens where a first start opens it, and an untouched close stores sound values again.
BAD_VALUES = {  # left, top, width, height
    "text": ("left", "top", "wide", "high"),
    "nan": ("nan", "NaN", "nan", "-nan"),
    "huge": ("1e30", "3e38", "1e30", "1e38"),
    "negative": ("1000", "1000", "-6500", "-500"),
    "zero": ("1000", "1000", "0", "0"),
    "off_screen": ("90000", "-90000", "6500", "6500"),
}


class BadStoredValues(MainWindowTestCase):
    def check_mended(self, values):
        values = dict(zip(KEYS, values))
        write_settings(self.settings_file, values)
        window = self.start()
        self.assertFrame(self.opened, FIRST_START_FRAME, f"stored {values}")
        self.close(window)
        self.assertEqual(self.stored(), DEFAULTS)


for _case, _values in BAD_VALUES.items():
    setattr(BadStoredValues, f"test_{_case}", lambda self, values=_values: self.check_mended(values))


class Ending(MainWindowTestCase):
    def test_closing_it_with_the_planner_and_the_calculator_open_ends_the_program(self):
        window = self.start()
        self.open_from_menu(self.galvix, "g", "Weekly Menu", "w", PLANNER_TITLE)
        self.open_from_menu(self.galvix, "g", "Unit Calculator", "u", CALCULATOR_TITLE)
        self.close(window)
        self.assertEqual([title for _, pid, title in self.desktop.windows() if pid == self.galvix.process.pid], [])

    def test_each_ending_signal_closes_it_as_a_close_does_and_a_second_one_changes_nothing(self):
        for step, number in enumerate((signal.SIGTERM, signal.SIGHUP, signal.SIGINT)):
            with self.subTest(signal=number.name):
                window = self.start()
                moved = self.move_by_window_manager(window, 150 + 60 * step, 120 + 40 * step, 520, 410)
                os.kill(self.galvix.process.pid, number)
                os.kill(self.galvix.process.pid, number)  # not yet waited for, so still this process
                self.assertEqual(self.galvix.wait_exit(), 0, f"the exit status after {number.name}")
                self.assertStoresFrame(self.stored(), moved)


# Settings that cannot be written: the program starts and closes as ever, says once on standard
# error which file it could not write and why, and the file keeps what it held. Each case runs the
# program in a mount namespace of its own, where its settings folder is made read-only or full.
# (how the folder is made unwritable, what the error names, the frame the window opens at)
STORED_FRAME = (100, 80, 467, 400)
UNWRITABLE = {
    "read_only_folder": ('mount --bind "$dir" "$dir" && mount -o remount,bind,ro "$dir"',
                         "Read-only file system", STORED_FRAME),
    "full_disk": ('cp "$dir/Galvix.conf" "$dir.kept" && mount -t tmpfs -o size=64k full "$dir"'
                  ' && cp "$dir.kept" "$dir/Galvix.conf" && { cat /dev/zero > "$dir/filler" 2>/dev/null; true; }',
                  "No space left on device", STORED_FRAME),
    "folder_in_its_place": ('rm "$dir/Galvix.conf" && mkdir "$dir/Galvix.conf"', "directory", FIRST_START_FRAME),
}

# Nothing mounted inside may reach the suite's own namespace. unshare's "--propagation private"
# would see to that, but it needs / to be a mount point, which it is not in a chroot: the mount
# that holds the settings folder is made private instead.
WRAPPER = """#!/bin/sh
if [ "$1" != inside ]; then exec unshare --mount --propagation unchanged {user} "$0" inside; fi
dir="$XDG_CONFIG_HOME/Galvix"
mount --make-rprivate "$(findmnt -n -o TARGET -T "$dir")" || exit 96
{setup} || exit 97
"{program}"
status=$?
cp -r "$dir/Galvix.conf" "{after}"
exit $status
"""


class UnwritableSettings(MainWindowTestCase):
    def check_unwritable(self, setup, reason, opened):
        settings = self.settings_file
        write_settings(settings, STORED)
        with open(settings, "rb") as before:
            kept = before.read()
        wrapper = os.path.join(self.scratch, "unwritable.sh")
        after = os.path.join(self.scratch, "after.conf")
        with open(wrapper, "w", encoding="utf-8") as script:
            # Root ignores permission bits, so only a mount can make the folder unwritable; a
            # normal user is root of a user namespace of its own for the mounts.
            script.write(WRAPPER.format(user="" if os.geteuid() == 0 else "--map-root-user", setup=setup,
                                        program=os.environ["GALVIX_E2E_PROGRAM"], after=after))
        os.chmod(wrapper, stat.S_IRWXU)
        with mock.patch.dict(os.environ, {"GALVIX_E2E_PROGRAM": wrapper}):
            window = self.start()
        self.assertFrame(self.opened, opened, "the start")
        self.close(window)

        if os.path.isfile(after):
            with open(after, "rb") as stored_after:
                self.assertEqual(stored_after.read(), kept, "the stored file changed")
        log = next(name for name, process in self.desktop.processes if process is self.galvix.process)
        with open(os.path.join(self.scratch, f"{log}.log"), encoding="utf-8", errors="replace") as output:
            lines = [line for line in output if "Galvix.conf" in line]
        self.assertEqual(len(lines), 1, f"standard error said {lines}")
        self.assertIn(settings, lines[0])
        self.assertIn(reason, lines[0])


for _case, _how in UNWRITABLE.items():
    setattr(UnwritableSettings, f"test_{_case}", lambda self, how=_how: self.check_unwritable(*how))


class StatusBar(MainWindowTestCase):
    def test_the_date_and_time_panels_are_named_with_what_they_show(self):
        self.start()
        frame = self.galvix.a11y_window(MAIN_TITLE)
        self.desktop.looking_for = f"the status bar ({role_name(pyatspi.ROLE_STATUS_BAR)})"
        bar = wait_for(lambda: next((node for node in Accessible.walk(frame)
                                     if Accessible.role(node) == pyatspi.ROLE_STATUS_BAR), None),
                       self.desktop.looking_for)
        self.desktop.looking_for = f"the status bar's Status, date and time panels ({role_name(pyatspi.ROLE_LABEL)})"

        def names_of_panels():
            return [node.name for node in Accessible.walk(bar) if Accessible.role(node) == pyatspi.ROLE_LABEL]

        def panels():
            names = names_of_panels()
            return names if len(names) == 3 and shows_date(names[1]) and shows_time(names[2]) else None

        try:
            wait_for(panels, self.desktop.looking_for, NAME_DEADLINE)
        except AssertionError:
            names = names_of_panels()
            self.fail(f"the status bar's panels are named {names}, not Status, today's date and the time")
        names = panels()
        self.assertEqual(names[0], "Status")


def _numbers(text):
    return [int(number) for number in re.findall(r"\d+", text)]


def shows_date(name):
    """Whether a panel's name shows today's date (or yesterday's, should midnight pass), in any order."""
    for day in (datetime.date.today(), datetime.date.today() - datetime.timedelta(days=1)):
        numbers = _numbers(name)
        if day.day in numbers and (day.year in numbers or day.year % 100 in numbers):
            return True
    return False


def shows_time(name):
    """Whether a panel's name shows the time now, to the minute, on a 12 or a 24 hour clock."""
    now = datetime.datetime.now()
    for moment in (now, now - datetime.timedelta(minutes=1)):
        hours = {moment.hour, (moment.hour - 1) % 12 + 1}
        if any(f"{hour}:{moment.minute:02d}" in name for hour in hours):
            return True
    return False


if __name__ == "__main__":
    unittest.main()
