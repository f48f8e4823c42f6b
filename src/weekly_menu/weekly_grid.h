// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which control is which cell of the week: seven day rows, Sunday to Saturday, each with a day
// label, two lines for each of breakfast, lunch and dinner, and a "24 hr" label.

#include <array>
#include <string_view>

namespace galvix::weekly_menu {

struct DayRow {
    std::string_view day;
    std::string_view dayLabel;
    std::string_view breakfastLine1;
    std::string_view breakfastLine2;
    std::string_view hourLabel; // the day's "24 hr" label
    std::string_view lunchLine1;
    std::string_view lunchLine2;
    std::string_view dinnerLine1;
    std::string_view dinnerLine2;
};

inline constexpr std::array<DayRow, 7> WeeklyGrid{{
    {"Sunday", "Label1", "Text1", "Text36", "Label15", "Text2", "Text22", "Text3", "Text29"},
    {"Monday", "Label2", "Text4", "Text37", "Label17", "Text5", "Text23", "Text6", "Text30"},
    {"Tuesday", "Label3", "Text7", "Text38", "Label18", "Text8", "Text24", "Text9", "Text31"},
    {"Wednesday", "Label4", "Text10", "Text39", "Label20", "Text11", "Text25", "Text12", "Text32"},
    {"Thursday", "Label5", "Text13", "Text40", "Label21", "Text14", "Text26", "Text15", "Text33"},
    {"Friday", "Label6", "Text16", "Text41", "Label23", "Text17", "Text27", "Text18", "Text34"},
    {"Saturday", "Label7", "Text19", "Text42", "Label24", "Text20", "Text28", "Text21", "Text35"},
}};

inline constexpr int TextBoxCount = 42;

// "Text1" to "Text42": the cells in numeric order.
inline constexpr std::array<std::string_view, TextBoxCount> TextBoxNames{
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",
    "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18",
    "Text19", "Text20", "Text21", "Text22", "Text23", "Text24", "Text25", "Text26", "Text27",
    "Text28", "Text29", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35", "Text36",
    "Text37", "Text38", "Text39", "Text40", "Text41", "Text42"};

} // namespace galvix::weekly_menu
