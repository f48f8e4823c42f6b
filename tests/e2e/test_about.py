# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The About box, opened and closed from the keyboard."""

import os
import unittest

import pyatspi

from desktop_driving.layout import ABOUT_TITLE, MAIN_TITLE, MESSAGE_TITLE

from .atspi import Accessible
from .case import GalvixTestCase
from .waiting import NAME_DEADLINE, wait_for

CREDITS = ("Galvix plans the galley's week of breakfasts, lunches and dinners, and converts the weights "
           "and liquid measures of the ship's stores. One of the Navorel aids for seafarers, written for "
           "the cooks of the merchant fleet.")


class AboutTestCase(GalvixTestCase):
    def start(self, path=None):
        self.galvix = self.program(path)
        self.galvix.started()

    def open_about(self):
        return self.open_from_menu(self.galvix, "h", "About ", "a", ABOUT_TITLE)


class Reading(AboutTestCase):
    def test_title_version_and_credits_are_read_as_shown(self):
        self.start()
        self.open_about()
        found = self.controls(self.galvix, ABOUT_TITLE, {"title": (1080, 240, 4095, 480),
                                                          "credits": (450, 1125, 5175, 1170),
                                                          "OK": (4245, 2625, 1467, 345),
                                                          "System Info...": (4260, 3075, 1452, 345)})
        self.assertEqual({what: node.name for what, node in found.items()},
                         {"title": "Galvix", "credits": CREDITS, "OK": "OK", "System Info...": "System Info..."})
        self.named(self.galvix, ABOUT_TITLE, "Version 1.1.0", role=pyatspi.ROLE_LABEL, timeout=NAME_DEADLINE)


class Opening(AboutTestCase):
    def test_it_opens_centred_over_the_main_window_with_ok_focused(self):
        self.start()
        main = self.desktop.wait_window(MAIN_TITLE).frame()
        about = self.open_about().frame()
        offset = [a + b / 2 - (c + d / 2) for a, b, c, d in zip(about[:2], about[2:], main[:2], main[2:])]
        self.assertLessEqual(max(abs(value) for value in offset), 1,
                             f"the About box's frame {about} is {offset} off the centre of the main window's {main}")
        self.desktop.looking_for = "the focused control of the About box"
        focused = wait_for(lambda: self.focused(self.galvix, ABOUT_TITLE), self.desktop.looking_for)
        self.assertEqual((focused.name, Accessible.role(focused)), ("OK", pyatspi.ROLE_PUSH_BUTTON))


class Closing(AboutTestCase):
    def test_esc_and_enter_close_it_like_ok(self):
        self.start()
        for key in ("Escape", "Return"):
            with self.subTest(key=key):
                about = self.open_about()
                about.activate()
                self.desktop.keys(key)
                self.desktop.wait_no_window(ABOUT_TITLE)
                self.assertEqual(len(self.desktop.window_ids(MAIN_TITLE)), 1)


class SystemInfo(AboutTestCase):
    def test_a_tool_on_the_path_is_started_without_a_message(self):
        tools = os.path.join(self.scratch, "tools")
        os.makedirs(tools)
        marker = os.path.join(self.scratch, "tool-ran")
        stand_in = os.path.join(tools, "hardinfo2")
        with open(stand_in, "w", encoding="utf-8") as script:
            script.write(f"#!/bin/sh\necho started > '{marker}'\n")
        os.chmod(stand_in, 0o755)
        self.start(path=tools)
        self.open_about().activate()
        self.desktop.keys("alt+s")
        self.desktop.looking_for = "the stand-in system information tool to run"
        wait_for(lambda: os.path.exists(marker), self.desktop.looking_for)
        self.assertEqual(self.desktop.window_ids(MESSAGE_TITLE), [], "a message box beside the started tool")
        self.assertEqual(len(self.desktop.window_ids(ABOUT_TITLE)), 1, "the About box closed")

    def test_without_a_tool_the_box_says_so_and_stays_open(self):
        empty = os.path.join(self.scratch, "no-tools")
        os.makedirs(empty)
        self.start(path=empty)
        self.open_about().activate()
        self.desktop.keys("alt+s")
        self.assertIn("System Information Is Unavailable At This Time", self.message(self.galvix))
        self.desktop.keys("Return")
        self.desktop.wait_no_window(MESSAGE_TITLE)
        self.assertEqual(len(self.desktop.window_ids(ABOUT_TITLE)), 1, "the About box closed with the message")


if __name__ == "__main__":
    unittest.main()
