// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "weekly_menu/menu_export.h"

#include <cstddef>

namespace galvix::weekly_menu {

namespace {

// A column of the exported table: its title, the time it stands for (none for the day and the
// "24 hr" column), and its width on the printed page in percent.
struct Column {
    std::string_view title;
    std::string_view time;
    int widthPercent;
};

constexpr std::array<Column, 5> Columns{{
    {"Day", {}, 13},
    {"Breakfast", "7:00 to 8:00", 24},
    {"24 hr", {}, 8},
    {"Lunch", "12:00 to 13:00", 27},
    {"Dinner", "17:00 to 18:00", 28},
}};

// Control characters (tab, line feed, carriage return and the rest) become blanks: they would
// split a tab-separated row and mean nothing on a printed page.
std::string withoutControlCharacters(std::string_view text)
{
    std::string clean(text);
    for (char& c : clean) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20U || byte == 0x7FU)
            c = ' ';
    }
    return clean;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string cleanField(std::string_view text) { return std::string(trimmed(withoutControlCharacters(text))); }

// Both lines of a meal in one field. Dishes end in ";" of their own, so line 2 simply follows
// line 1; a line 1 the cook typed without one gets "; " before line 2.
std::string joinedMeal(const MealText& meal)
{
    std::string line1 = cleanField(meal.line1);
    const std::string line2 = cleanField(meal.line2);
    if (line1.empty())
        return line2;
    if (line2.empty())
        return line1;
    line1 += line1.back() == ';' ? " " : "; ";
    return line1 + line2;
}

// Spreadsheets read a field that begins with a double quote as a quoted field; quoting it (with
// its own quotes doubled) keeps the text as typed. Any other field goes as it is.
std::string tsvField(std::string text)
{
    if (!text.starts_with('"'))
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

void appendRow(std::string& out, const std::array<std::string, Columns.size()>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += '\t';
        out += tsvField(fields[i]);
    }
    out += '\n';
}

std::string escapedHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : withoutControlCharacters(text)) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&#39;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// A meal keeps its two lines even when one or both are empty, so every row has room for two lines
// and line 2 always stands below line 1.
std::string mealCell(const MealText& meal)
{
    return "<td valign=\"top\">" + escapedHtml(meal.line1) + "<br>" + escapedHtml(meal.line2) + "</td>";
}

std::string headerRow()
{
    std::string row = "<tr>";
    for (const Column& column : Columns) {
        row += "<th align=\"left\" valign=\"bottom\" width=\"" + std::to_string(column.widthPercent) + "%\">";
        row += column.title;
        if (!column.time.empty()) {
            row += "<br><span style=\"font-weight: normal\">";
            row += column.time;
            row += "</span>";
        }
        row += "</th>";
    }
    return row + "</tr>\n";
}

} // namespace

WeekMenu readWeek(const std::function<std::string(std::string_view control)>& textOf)
{
    WeekMenu week;
    for (std::size_t i = 0; i < WeeklyGrid.size(); ++i) {
        const DayRow& row = WeeklyGrid[i];
        week[i] = {{textOf(row.breakfastLine1), textOf(row.breakfastLine2)},
                   textOf(row.hourLabel),
                   {textOf(row.lunchLine1), textOf(row.lunchLine2)},
                   {textOf(row.dinnerLine1), textOf(row.dinnerLine2)}};
    }
    return week;
}

std::string weekAsTabSeparatedText(const WeekMenu& week)
{
    std::string out;
    std::array<std::string, Columns.size()> header;
    for (std::size_t i = 0; i < Columns.size(); ++i) {
        header[i] = Columns[i].title;
        if (!Columns[i].time.empty())
            (header[i] += ' ') += Columns[i].time;
    }
    appendRow(out, header);
    for (std::size_t i = 0; i < week.size(); ++i) {
        const DayMenu& day = week[i];
        appendRow(out, {std::string(WeeklyGrid[i].day), joinedMeal(day.breakfast), cleanField(day.hourText),
                        joinedMeal(day.lunch), joinedMeal(day.dinner)});
    }
    return out;
}

std::string weekAsHtml(const WeekMenu& week)
{
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Weekly Menu</title>\n</head>\n<body>\n<h1>Weekly Menu</h1>\n"
                       "<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" width=\"100%\" "
                       "style=\"border-collapse: collapse; border-color: #606060\">\n<thead>\n";
    html += headerRow();
    html += "</thead>\n<tbody>\n";
    for (std::size_t i = 0; i < week.size(); ++i) {
        const DayMenu& day = week[i];
        html += "<tr><th align=\"left\" valign=\"top\" style=\"white-space: nowrap\">";
        html += WeeklyGrid[i].day;
        html += "</th>";
        html += mealCell(day.breakfast);
        html += "<td valign=\"top\">" + escapedHtml(day.hourText) + "</td>";
        html += mealCell(day.lunch);
        html += mealCell(day.dinner);
        html += "</tr>\n";
    }
    html += "</tbody>\n</table>\n</body>\n</html>\n";
    return html;
}

} // namespace galvix::weekly_menu
