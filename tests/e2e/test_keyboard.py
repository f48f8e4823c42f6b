# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The planner and the calculator driven by the keyboard alone."""

import unittest

from desktop_driving import layout
from desktop_driving.layout import CALCULATOR_TITLE, PLANNER_TITLE

from .atspi import Accessible, role_name
from .case import GalvixTestCase
from .waiting import wait_for


class KeyboardTestCase(GalvixTestCase):
    def focus_is_on(self, title, name, rect):
        """Waits until the focused control is the one at rect, and fails naming what has the focus."""
        self.desktop.looking_for = f"the focus on {name} at {rect} twips in {title!r}"
        seen = []

        def there():
            node = self.focused(self.galvix, title)
            if node is None:
                return False
            left, top = self.position_of(self.galvix, title, node)
            seen[:] = [(role_name(Accessible.role(node)), node.name, left, top)]
            return abs(left - rect[0]) <= layout.TWIPS_PER_PIXEL and abs(top - rect[1]) <= layout.TWIPS_PER_PIXEL

        try:
            wait_for(there, self.desktop.looking_for)
        except AssertionError as error:
            raise AssertionError(f"{error}; the focus is on {seen}") from None

    def walk_tab_order(self, title, order, rect_of):
        for name in order[1:] + order[:1]:
            self.desktop.keys("Tab")
            self.focus_is_on(title, name, rect_of(name))


class Planner(KeyboardTestCase):
    def open_planner(self):
        self.galvix = self.program()
        self.galvix.started()
        return self.open_from_menu(self.galvix, "g", "Weekly Menu", "w", PLANNER_TITLE)

    def test_it_opens_on_auto_breakfast_menu_and_tab_follows_the_tab_order(self):
        self.open_planner()
        self.focus_is_on(PLANNER_TITLE, layout.BREAKFAST, layout.planner_rect(layout.BREAKFAST))
        self.walk_tab_order(PLANNER_TITLE, layout.PLANNER_TAB_ORDER, layout.planner_rect)

    def test_enter_and_space_press_buttons(self):
        self.open_planner()
        self.focus_is_on(PLANNER_TITLE, layout.BREAKFAST, layout.planner_rect(layout.BREAKFAST))
        cells = {name: layout.PLANNER_CELLS[name] for name in layout.FIRST_BREAKFAST}
        self.desktop.keys("Return")
        wait_for(lambda: self.texts(self.galvix, PLANNER_TITLE, cells) == layout.FIRST_BREAKFAST,
                 "Enter on Auto Breakfast Menu to plan the first breakfast week")
        position = layout.PLANNER_TAB_ORDER.index(layout.CLEAR)
        self.desktop.keys(*["Tab"] * position)
        self.focus_is_on(PLANNER_TITLE, layout.CLEAR, layout.planner_rect(layout.CLEAR))
        self.desktop.keys("space")
        wait_for(lambda: not any(self.texts(self.galvix, PLANNER_TITLE, cells).values()),
                 "Space on C to empty the week")


class Calculator(KeyboardTestCase):
    def test_tab_follows_the_tab_indexes(self):
        self.galvix = self.program()
        self.galvix.started()
        self.open_from_menu(self.galvix, "g", "Unit Calculator", "u", CALCULATOR_TITLE)
        first = layout.CALCULATOR_TAB_ORDER[0]
        self.focus_is_on(CALCULATOR_TITLE, first, layout.calculator_rect(first))
        self.walk_tab_order(CALCULATOR_TITLE, layout.CALCULATOR_TAB_ORDER, layout.calculator_rect)


if __name__ == "__main__":
    unittest.main()
