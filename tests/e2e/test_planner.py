# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The weekly menu planner as a cook and a screen reader meet it."""

import unittest

import pyatspi

from desktop_driving import layout
from desktop_driving.layout import MAIN_TITLE, PLANNER_TITLE

from .atspi import Accessible
from .case import GalvixTestCase
from .waiting import NAME_DEADLINE, wait_for


class PlannerTestCase(GalvixTestCase):
    def open_planner(self):
        if not getattr(self, "galvix", None):
            self.galvix = self.program()
            self.galvix.started()
        return self.open_from_menu(self.galvix, "g", "Weekly Menu", "w", PLANNER_TITLE)

    def press(self, caption):
        Accessible.press(self.control_at(self.galvix, PLANNER_TITLE, *layout.PLANNER_BUTTONS[caption],
                                         role=pyatspi.ROLE_PUSH_BUTTON))

    def cells(self, names=None):
        table = {name: layout.PLANNER_CELLS[name] for name in (names or layout.PLANNER_CELLS)}
        return self.texts(self.galvix, PLANNER_TITLE, table)

    def wait_cells(self, expected):
        self.wait_texts(self.galvix, PLANNER_TITLE, layout.PLANNER_CELLS, expected, "cells")

    def hour_label_names(self):
        labels = self.controls(self.galvix, PLANNER_TITLE, layout.HOUR_LABELS, role=pyatspi.ROLE_LABEL)
        return {day: node.name for day, node in labels.items()}

    def wait_hour_labels(self, name):
        expected = {day: name for day in layout.HOUR_LABELS}
        seen = {}

        def shown():
            seen.update(self.hour_label_names())
            return seen == expected

        self.desktop.looking_for = f"the seven 24 hr labels named {name!r} (2880 twips from the left)"
        try:
            wait_for(shown, self.desktop.looking_for, NAME_DEADLINE)
        except AssertionError:
            self.assertEqual(seen, expected, "the 24 hr labels as a screen reader names them")

    def type_into(self, cell, text):
        self.click_at(PLANNER_TITLE, *layout.PLANNER_CELLS[cell])
        self.desktop.type_text(text)
        self.wait_cells({cell: text})


EMPTY_WEEK = {name: "" for name in layout.PLANNER_CELLS}


class FirstWeek(PlannerTestCase):
    """The first week each button plans after a start, read from the cells."""

    def test_breakfast(self):
        self.open_planner()
        self.wait_cells(EMPTY_WEEK)
        self.press(layout.BREAKFAST)
        self.wait_cells(dict(EMPTY_WEEK, **layout.FIRST_BREAKFAST))

    def check_bread_generator(self, button, first_week):
        """A lunch and dinner generator fills its cells and the 24 hr labels, and "C" empties both."""
        self.open_planner()
        self.press(button)
        self.wait_cells(dict(EMPTY_WEEK, **first_week))
        self.wait_hour_labels("Bread")
        self.press(layout.CLEAR)
        self.wait_cells(EMPTY_WEEK)
        self.wait_hour_labels("")

    def test_meat_soup_vegetable_sets_bread_and_clear_empties_it(self):
        self.check_bread_generator(layout.MEAT_SOUP_VEGETABLE, layout.FIRST_MEAT_SOUP_VEGETABLE)

    def test_rice_salad_fruit_sets_bread_and_clear_empties_it(self):
        self.check_bread_generator(layout.RICE_SALAD_FRUIT, layout.FIRST_RICE_SALAD_FRUIT)


class Cells(PlannerTestCase):
    def test_typed_text_survives_the_buttons_that_do_not_own_its_cell(self):
        self.open_planner()
        typed = {"Text2": "Typed lunch", "Text29": "Typed dinner", "Text1": "Typed breakfast"}
        for cell, text in typed.items():
            self.type_into(cell, text)
        self.press(layout.BREAKFAST)
        # The breakfast cell is the generator's own and is overwritten; the others are kept.
        self.wait_cells({"Text1": layout.FIRST_BREAKFAST["Text1"], "Text2": "Typed lunch",
                         "Text29": "Typed dinner"})
        self.press(layout.RICE_SALAD_FRUIT)
        texts = self.cells(["Text1", "Text2", "Text29"])
        self.assertEqual(texts["Text1"], layout.FIRST_BREAKFAST["Text1"])
        self.assertEqual(texts["Text2"], "Typed lunch")
        wait_for(lambda: self.cells(["Text29"])["Text29"] not in ("", "Typed dinner"), "dinner line 2 to be planned")

    def test_closing_and_reopening_shows_an_empty_grid_and_the_sequence_runs_on(self):
        planner = self.open_planner()
        self.press(layout.BREAKFAST)
        self.wait_cells(layout.FIRST_BREAKFAST)
        planner.close()
        self.desktop.wait_no_window(PLANNER_TITLE)
        self.open_planner()
        self.wait_cells(EMPTY_WEEK)
        self.press(layout.BREAKFAST)
        wait_for(lambda: all(self.cells(layout.BREAKFAST_CELLS).values()), "a planned breakfast week")
        second = self.cells(layout.BREAKFAST_CELLS)
        self.assertNotEqual(second, layout.FIRST_BREAKFAST, "reopening the planner started the sequence again")

    def test_one_instance_only(self):
        self.open_planner()
        self.type_into("Text5", "Kept")
        self.open_planner()
        self.assertEqual(len(self.desktop.window_ids(PLANNER_TITLE)), 1, "a second planner window")
        self.assertEqual(self.cells(["Text5"]), {"Text5": "Kept"})
        self.assertEqual(len(self.desktop.window_ids(MAIN_TITLE)), 1)


class Names(PlannerTestCase):
    def test_headings_day_labels_and_buttons_are_named_as_shown(self):
        self.open_planner()
        expected = {name: caption for name, (caption, _) in layout.PLANNER_HEADINGS.items()}
        expected.update({day: day for day in layout.PLANNER_DAY_LABELS})
        expected.update({caption: caption for caption in layout.PLANNER_BUTTONS})
        table = {name: rect for name, (_, rect) in layout.PLANNER_HEADINGS.items()}
        table.update(layout.PLANNER_DAY_LABELS)
        table.update(layout.PLANNER_BUTTONS)
        found = self.controls(self.galvix, PLANNER_TITLE, table)
        self.assertEqual({name: node.name for name, node in found.items()}, expected)
        self.assertRole(self.galvix.a11y_window(PLANNER_TITLE), pyatspi.ROLE_FRAME,
                        "a screen reader announces the planner as a window")


class CopyWeek(PlannerTestCase):
    def test_the_clipboard_holds_the_week_as_text_and_html(self):
        self.open_planner()
        self.press(layout.BREAKFAST)
        self.press(layout.MEAT_SOUP_VEGETABLE)
        wait_for(lambda: all(self.cells(layout.LUNCH_DINNER_LINE1).values()), "lunch and dinner to be planned")
        self.desktop.wait_window(PLANNER_TITLE).activate()
        self.desktop.keys("ctrl+shift+c")

        def clipboard(target):
            return self.desktop.run(["xclip", "-selection", "clipboard", "-o", "-t", target], check=False)

        text = wait_for(lambda: clipboard("text/plain"), "the week on the clipboard as text")
        rows = [row.split("\t") for row in text.rstrip("\n").split("\n")]
        self.assertEqual(len(rows), 8, text)
        self.assertEqual([row[0] for row in rows[1:]], list(layout.DAYS))
        self.assertTrue(all(len(row) == len(rows[0]) for row in rows), text)
        # Sunday's row: the day, its breakfast, the 24 hr label, its lunch and its dinner.
        shown = self.cells(["Text1", "Text36", "Text2", "Text3"])
        self.assertEqual(rows[1], ["Sunday", (shown["Text1"] + shown["Text36"]).strip(), "Bread",
                                   shown["Text2"].strip(), shown["Text3"].strip()])

        html = wait_for(lambda: clipboard("text/html"), "the week on the clipboard as HTML")
        self.assertIn("<table", html)
        self.assertEqual(html.count("<tr"), 8, html)
        for dish in (layout.FIRST_BREAKFAST["Text1"].strip(), shown["Text3"].strip(), "Saturday"):
            self.assertIn(dish, html)


if __name__ == "__main__":
    unittest.main()
