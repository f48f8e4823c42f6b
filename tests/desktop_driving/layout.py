# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where each control of the planner, the calculator and the About box stands, in twips of the
window's client area (Left, Top, Width, Height), and what it shows: the windows as a user sees
them; their titles, and where the main window's placement is stored. The facts are the program's
own tables, which the build writes out (GALVIX_E2E_TABLES), and the first planned week, which the
unit tests read too (GALVIX_E2E_FIRST_WEEK)."""

import json
import os
import re


def _load_tables():
    path = os.environ.get("GALVIX_E2E_TABLES")
    if not path or not os.path.isfile(path):
        raise AssertionError("GALVIX_E2E_TABLES does not name the window tables the build writes")
    with open(path, encoding="utf-8") as tables:
        return json.load(tables)


def _load_first_week():
    """{button section: {cell: text}}, each section's cells in the order the button writes them."""
    weeks, section = {}, None
    with open(os.environ["GALVIX_E2E_FIRST_WEEK"], encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            heading = re.fullmatch(r"\[(\w+)\]", line)
            cell = re.fullmatch(r'(\w+) "(.*)"', line)
            if heading:
                section = weeks.setdefault(heading.group(1), {})
            elif cell:
                section[cell.group(1)] = cell.group(2)
    return weeks


_TABLES = _load_tables()
MAIN_TITLE, PLANNER_TITLE, CALCULATOR_TITLE, ABOUT_TITLE, MESSAGE_TITLE = (
    _TABLES["titles"][window] for window in ("main", "planner", "calculator", "about", "message"))

# Where the main window's placement is kept: the settings' application, their section, the four
# keys in the order left, top, width, height, and the registry key of that section on Windows.
SETTINGS_APPLICATION = _TABLES["settings"]["application"]
SETTINGS_SECTION = _TABLES["settings"]["section"]
PLACEMENT_KEYS = tuple(_TABLES["settings"]["keys"])
SETTINGS_REGISTRY_KEY = _TABLES["settings"].get("registryKey")

# The program lays its windows out in twips; the screen has 96 pixels to the inch.
TWIPS_PER_PIXEL = _TABLES["twipsPerPixel"]


def pixels(twips):
    return twips / TWIPS_PER_PIXEL


def _rect(control):
    return tuple(control["rect"])


def _by_name(controls):
    """A window's controls by name, in the order of its table."""
    return {control["name"]: control for control in controls}


def _number(name):
    return int(re.sub(r"\D", "", name))


_PLANNER = _by_name(_TABLES["planner"])
_DAY_ROWS = _TABLES["plannerDays"]
DAYS = tuple(row["day"] for row in _DAY_ROWS)

PLANNER_CELLS = {name: _rect(control) for name, control in
                 sorted(_PLANNER.items(), key=lambda item: _number(item[0])) if control["kind"] == "TextBox"}
# Each day's two lines of a meal, {day: (line 1, line 2)}, and the cells of a meal's line, day by day.
BREAKFAST_LINES = {row["day"]: tuple(row["breakfast"]) for row in _DAY_ROWS}
BREAKFAST_CELLS = [row["breakfast"][line] for line in (0, 1) for row in _DAY_ROWS]
LUNCH_DINNER_LINE1 = [row[meal][0] for meal in ("lunch", "dinner") for row in _DAY_ROWS]
LUNCH_DINNER_LINE2 = [row[meal][1] for meal in ("lunch", "dinner") for row in _DAY_ROWS]

HOUR_LABELS = {f"{row['day']}, 24 hr": _rect(_PLANNER[row["hourLabel"]]) for row in _DAY_ROWS}
PLANNER_DAY_LABELS = {row["day"]: _rect(_PLANNER[row["dayLabel"]]) for row in _DAY_ROWS}
_ROW_LABELS = {row["dayLabel"] for row in _DAY_ROWS} | {row["hourLabel"] for row in _DAY_ROWS}
PLANNER_HEADINGS = {name: (control["caption"], _rect(control)) for name, control in _PLANNER.items()
                    if control["kind"] == "Label" and name not in _ROW_LABELS}
PLANNER_BUTTONS = {control["caption"]: _rect(control) for control in _PLANNER.values()
                   if control["kind"] == "CommandButton"}
BREAKFAST = _PLANNER["Command1"]["caption"]
RICE_SALAD_FRUIT = _PLANNER["Command2"]["caption"]
MEAT_SOUP_VEGETABLE = _PLANNER["Command3"]["caption"]
CLEAR = _PLANNER["Command4"]["caption"]


def _tab_order(table):
    """The keyboard order: text boxes by name, buttons by caption."""
    focusable = sorted((control["tabIndex"], name) for name, control in table.items()
                       if control["kind"] in ("TextBox", "CommandButton") and control["tabIndex"] >= 0)
    return [table[name]["caption"] if table[name]["kind"] == "CommandButton" else name for _, name in focusable]


# The planner's keyboard order, as control names of the cells above and the buttons' captions.
PLANNER_TAB_ORDER = _tab_order(_PLANNER)


def planner_rect(name):
    return PLANNER_CELLS.get(name) or PLANNER_BUTTONS[name]


# The first week each button plans when it is the first button pressed after a start.
_FIRST_WEEK = _load_first_week()
FIRST_BREAKFAST = _FIRST_WEEK["breakfast"]
FIRST_MEAT_SOUP_VEGETABLE = _FIRST_WEEK["meat_soup_vegetable"]
FIRST_RICE_SALAD_FRUIT = _FIRST_WEEK["rice_salad_fruit"]

# The calculator: its fields with their tab indexes, its buttons, frames and the labels the suite
# reads.
_CALCULATOR = _by_name(_TABLES["calculator"])
CALCULATOR_FIELDS = {name: (_rect(control), control["tabIndex"]) for name, control in _CALCULATOR.items()
                     if control["kind"] == "TextBox"}
CALCULATOR_BUTTONS = {name: (control["caption"], _rect(control), control["tabIndex"])
                      for name, control in _CALCULATOR.items() if control["kind"] == "CommandButton"}
CALCULATOR_FRAMES = {control["caption"]: _rect(control) for control in _CALCULATOR.values()
                     if control["kind"] == "Frame"}
CALCULATOR_LABELS = {name: (_CALCULATOR[name]["caption"], _rect(_CALCULATOR[name]))
                     for name in ("Label23", "Label1", "Label2", "Label4", "Label5", "Label22", "Label7", "Label14",
                                  "Label21")}


def calculator_rect(name):
    if name in CALCULATOR_FIELDS:
        return CALCULATOR_FIELDS[name][0]
    return CALCULATOR_BUTTONS[name][1]


# The calculator's keyboard order, as control names of its fields and buttons.
CALCULATOR_TAB_ORDER = [name for _, name in sorted(
    (control["tabIndex"], name) for name, control in _CALCULATOR.items()
    if control["kind"] in ("TextBox", "CommandButton"))]

# Where each of the About box's controls stands, by name.
ABOUT_CONTROLS = {control["name"]: _rect(control) for control in _TABLES["about"]}
