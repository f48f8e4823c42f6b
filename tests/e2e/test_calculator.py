# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The galley unit calculator, typed into as a cook does."""

import unittest

import pyatspi

from desktop_driving import layout
from desktop_driving.layout import CALCULATOR_TITLE, MESSAGE_TITLE

from .atspi import Accessible
from .case import GalvixTestCase
from .waiting import wait_for


class CalculatorTestCase(GalvixTestCase):
    def setUp(self):
        super().setUp()
        self.galvix = self.program()
        self.galvix.started()
        self.window = self.open_from_menu(self.galvix, "g", "Unit Calculator", "u", CALCULATOR_TITLE)

    def fields(self, names):
        return self.texts(self.galvix, CALCULATOR_TITLE, {name: layout.calculator_rect(name) for name in names})

    def wait_fields(self, expected):
        table = {name: layout.calculator_rect(name) for name in expected}
        self.wait_texts(self.galvix, CALCULATOR_TITLE, table, expected, "fields")

    def type_into(self, field, text):
        self.click_at(CALCULATOR_TITLE, *layout.calculator_rect(field))
        self.desktop.type_text(text)
        self.wait_fields({field: text})

    def press(self, button):
        Accessible.press(self.control_at(self.galvix, CALCULATOR_TITLE, *layout.calculator_rect(button),
                                         role=pyatspi.ROLE_PUSH_BUTTON))


class Conversions(CalculatorTestCase):
    def test_weights(self):
        self.type_into("Text1", "1")
        self.type_into("Text4", "1")
        self.press("Command2")
        self.wait_fields({"Text2": "0.453", "Text3": "453", "Text5": "2.204", "Text6": "35.264"})
        self.press("Command1")
        self.wait_fields({name: "" for name in ("Text1", "Text2", "Text3", "Text4", "Text5", "Text6")})

    def test_liquids(self):
        for field in ("Text7", "Text17", "Text11", "Text13", "Text15", "Text9", "Text19"):
            self.type_into(field, "10")
        self.press("Command4")
        self.wait_fields({"Text8": "37.8541", "Text18": "45.4609", "Text12": "10.5668870743",
                          "Text14": "2.6417217686", "Text16": "11.365225", "Text10": "9.463525",
                          "Text20": "2.199692483"})
        self.press("Command3")
        self.wait_fields({"Text7": "", "Text8": "", "Text20": ""})


class MiniCalculator(CalculatorTestCase):
    def test_the_four_operations(self):
        self.type_into("Text21", "7")
        self.type_into("Text22", "2")
        for button, result in (("Command5", "9"), ("Command6", "5"), ("Command7", "14"), ("Command8", "3.5")):
            with self.subTest(button=layout.CALCULATOR_BUTTONS[button][0]):
                self.press(button)
                self.wait_fields({"Text23": result})

    def check_error_is_named(self, first, second, button, error_words):
        self.type_into("Text21", first)
        self.type_into("Text22", second)
        self.press("Command5")
        before = wait_for(lambda: self.fields(["Text23"])["Text23"], "the sum")
        self.press(button)
        texts = self.message(self.galvix)
        self.assertTrue(any(error_words in text.lower() for text in texts), texts)
        self.desktop.keys("Return")
        self.desktop.wait_no_window(MESSAGE_TITLE)
        self.assertEqual(len(self.desktop.window_ids(CALCULATOR_TITLE)), 1, "the calculator closed")
        self.assertEqual(self.fields(["Text23"]), {"Text23": before}, "the failed operation wrote its result")

    def test_an_overflow_is_named_and_leaves_the_window_open(self):
        self.check_error_is_named("1E308", "10", "Command7", "overflow")

    def test_a_division_by_zero_is_named_and_leaves_the_window_open(self):
        self.check_error_is_named("5", "0", "Command8", "division by zero")


class Names(CalculatorTestCase):
    def test_frames_buttons_and_labels_are_named_by_their_captions(self):
        table = dict(layout.CALCULATOR_FRAMES)
        expected = {caption: caption for caption in layout.CALCULATOR_FRAMES}
        for name, (caption, rect, _) in layout.CALCULATOR_BUTTONS.items():
            table[name] = rect
            expected[name] = caption
        for name, (caption, rect) in layout.CALCULATOR_LABELS.items():
            table[name] = rect
            expected[name] = caption
        found = self.controls(self.galvix, CALCULATOR_TITLE, table)
        self.assertEqual({name: node.name for name, node in found.items()}, expected)
        self.assertRole(self.galvix.a11y_window(CALCULATOR_TITLE), pyatspi.ROLE_FRAME,
                        "a screen reader announces the calculator as a window")


if __name__ == "__main__":
    unittest.main()
