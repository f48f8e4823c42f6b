# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program on a desktop set to dark: GTK's dark Adwaita theme, handed to Qt by its GTK platform
theme, as a GNOME desktop does."""

import os
import unittest

import pyatspi

from desktop_driving import layout
from desktop_driving.layout import PLANNER_TITLE

from .atspi import Accessible
from .case import GalvixTestCase
from .waiting import wait_for

# GTK would put the program on the accessibility bus a second time, as a GTK application of its
# own, beside the Qt bridge that the suite reads.
DARK_ADWAITA = {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark", "NO_AT_BRIDGE": "1"}


class DarkTheme(GalvixTestCase):
    def test_the_planner_opens_dark_and_plans_a_week(self):
        galvix = self.program(env=DARK_ADWAITA)
        galvix.started()
        planner = self.open_from_menu(galvix, "g", "Weekly Menu", "w", PLANNER_TITLE)

        def press(caption):
            Accessible.press(self.control_at(galvix, PLANNER_TITLE, *layout.PLANNER_BUTTONS[caption],
                                             role=pyatspi.ROLE_PUSH_BUTTON))

        press(layout.BREAKFAST)
        self.wait_texts(galvix, PLANNER_TITLE, layout.PLANNER_CELLS, layout.FIRST_BREAKFAST, "breakfast cells")
        press(layout.MEAT_SOUP_VEGETABLE)
        press(layout.RICE_SALAD_FRUIT)
        wait_for(lambda: all(self.texts(galvix, PLANNER_TITLE, layout.PLANNER_CELLS).values()),
                 "every cell of the week to be planned")

        # The theme reached the windows: the planner's form and fields are drawn dark.
        picture = os.path.join(self.scratch, "planner.png")
        self.desktop.run(["import", "-window", str(planner.id), picture])
        mean = float(self.desktop.run(["convert", picture, "-colorspace", "Gray", "-format", "%[fx:mean]",
                                       "info:"]))
        self.assertLess(mean, 0.35, "the planner's mean lightness under the dark theme")


if __name__ == "__main__":
    unittest.main()
