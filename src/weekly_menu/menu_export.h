// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The week's menu as text to take out of the program: tab-separated lines that paste into a
// spreadsheet as a grid, and an HTML page that prints, saves as PDF and pastes into a word
// processor as a table. Both are written from the texts the planner's cells show.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "weekly_menu/weekly_grid.h"

namespace galvix::weekly_menu {

// One meal's two text boxes.
struct MealText {
    std::string line1;
    std::string line2;

    friend bool operator==(const MealText&, const MealText&) = default;
};

// What one day's row of the planner shows.
struct DayMenu {
    MealText breakfast;
    std::string hourText; // the day's "24 hr" label
    MealText lunch;
    MealText dinner;

    friend bool operator==(const DayMenu&, const DayMenu&) = default;
};

// Sunday to Saturday, in the order of WeeklyGrid.
using WeekMenu = std::array<DayMenu, WeeklyGrid.size()>;

// Collects the week from the planner's controls: `textOf` answers a control name from WeeklyGrid
// with the text that control shows.
[[nodiscard]] WeekMenu readWeek(const std::function<std::string(std::string_view control)>& textOf);

// A header row, then one row per day, each line ending in "\n", with the columns Day, Breakfast,
// 24 hr, Lunch and Dinner (the meal headers carry their times). A meal's two lines share one field.
// Tabs, line breaks and other control characters in a cell become blanks, so a cell never splits
// the grid, and a field that begins with a double quote is quoted so that it pastes as typed.
[[nodiscard]] std::string weekAsTabSeparatedText(const WeekMenu& week);

// A whole HTML page headed "Weekly Menu" with one table: the days as rows, the columns in the
// planner's order (day, breakfast, 24 hr, lunch, dinner), each meal's line 1 above its line 2.
// Every cell text is escaped, so markup typed into a cell shows as the characters typed.
[[nodiscard]] std::string weekAsHtml(const WeekMenu& week);

} // namespace galvix::weekly_menu
