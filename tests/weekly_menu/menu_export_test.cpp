// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The week's menu written as tab-separated text and as HTML.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "weekly_menu/generators.h"
#include "weekly_menu/menu_export.h"
#include "weekly_menu/random_source.h"

namespace galvix::weekly_menu {
namespace {

std::vector<std::string> split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, start)) {
        parts.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

// The fields of each line; the text ends in a line break, so the last line is empty and left out.
std::vector<std::vector<std::string>> rows(const std::string& text)
{
    EXPECT_TRUE(text.ends_with('\n'));
    std::vector<std::vector<std::string>> result;
    for (const std::string& line : split(text, '\n'))
        result.push_back(split(line, '\t'));
    result.pop_back();
    return result;
}

// Every cell says which day and which line it is, "Mon lunch 2;".
WeekMenu labelledWeek()
{
    WeekMenu week;
    for (std::size_t i = 0; i < week.size(); ++i) {
        const std::string day(WeeklyGrid[i].day.substr(0, 3));
        week[i] = {{day + " breakfast 1;", day + " breakfast 2;"},
                   day + " bread",
                   {day + " lunch 1;", day + " lunch 2;"},
                   {day + " dinner 1;", day + " dinner 2;"}};
    }
    return week;
}

// The same text in every cell and every "24 hr" label.
WeekMenu weekOf(const std::string& text)
{
    WeekMenu week;
    week.fill({{text, text}, text, {text, text}, {text, text}});
    return week;
}

std::size_t countOf(std::string_view text, char c) { return static_cast<std::size_t>(std::ranges::count(text, c)); }

constexpr std::size_t DayCount = 7;
constexpr std::size_t ColumnCount = 5;

TEST(TabSeparatedText, HasAHeaderRowThenOneRowPerDayInThePlannersColumnOrder)
{
    const auto lines = rows(weekAsTabSeparatedText(labelledWeek()));
    ASSERT_EQ(lines.size(), 1 + DayCount);
    EXPECT_EQ(lines[0], (std::vector<std::string>{"Day", "Breakfast 7:00 to 8:00", "24 hr", "Lunch 12:00 to 13:00",
                                                  "Dinner 17:00 to 18:00"}));
    const std::vector<std::string> days{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (std::size_t i = 0; i < DayCount; ++i) {
        const std::string d = days[i].substr(0, 3);
        EXPECT_EQ(lines[i + 1], (std::vector<std::string>{days[i], d + " breakfast 1; " + d + " breakfast 2;",
                                                          d + " bread", d + " lunch 1; " + d + " lunch 2;",
                                                          d + " dinner 1; " + d + " dinner 2;"}));
    }
}

TEST(TabSeparatedText, GivesAnEmptyWeekItsDaysAndEmptyFields)
{
    const auto lines = rows(weekAsTabSeparatedText(WeekMenu{}));
    ASSERT_EQ(lines.size(), 1 + DayCount);
    for (std::size_t i = 0; i < DayCount; ++i)
        EXPECT_EQ(lines[i + 1], (std::vector<std::string>{std::string(WeeklyGrid[i].day), "", "", "", ""}));
}

TEST(TabSeparatedText, JoinsAMealsTwoLinesIntoOneField)
{
    struct Case {
        std::string line1;
        std::string line2;
        std::string field;
    };
    const Case cases[] = {
        {"Omelet; Ham; ", "Tea; ", "Omelet; Ham; Tea;"}, // dishes bring their own separator
        {"Steak", "Chips", "Steak; Chips"},              // typed without one
        {"", "Tea; ", "Tea;"},
        {"Omelet; ", "", "Omelet;"},
        {"   ", "  ", ""},
        {"  Soup ", " Bread", "Soup; Bread"},
    };
    for (const Case& c : cases) {
        WeekMenu week;
        week[3].lunch = {c.line1, c.line2};
        EXPECT_EQ(rows(weekAsTabSeparatedText(week))[4][3], c.field) << c.line1 << '|' << c.line2;
    }
}

TEST(TabSeparatedText, KeepsTheGridWhateverIsTypedIntoACell)
{
    struct Case {
        std::string typed;
        std::string meal;
        std::string hour;
    };
    const Case cases[] = {
        {"Fish\tChips", "Fish Chips; Fish Chips", "Fish Chips"},
        {"Fish\nChips", "Fish Chips; Fish Chips", "Fish Chips"},
        {"Fish\r\nChips", "Fish  Chips; Fish  Chips", "Fish  Chips"},
        {"\tFish;\n", "Fish; Fish;", "Fish;"},
        {std::string("Fish\0Chips\x7f", 11), "Fish Chips; Fish Chips", "Fish Chips"},
        {"Pâté; Crème brûlée", "Pâté; Crème brûlée; Pâté; Crème brûlée", "Pâté; Crème brûlée"},
    };
    for (const Case& c : cases) {
        const auto lines = rows(weekAsTabSeparatedText(weekOf(c.typed)));
        ASSERT_EQ(lines.size(), 1 + DayCount) << c.typed;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i], (std::vector<std::string>{std::string(WeeklyGrid[i - 1].day), c.meal, c.hour, c.meal,
                                                          c.meal}))
                << c.typed;
        }
    }
}

TEST(TabSeparatedText, QuotesAFieldThatBeginsWithAQuoteSoItPastesAsTyped)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\"Chef's\" Beef", "\"\"\"Chef's\"\" Beef\""},
        {"Beef \"rare\"", "Beef \"rare\""},
        {"\"", "\"\"\"\""},
    };
    for (const auto& [typed, field] : cases) {
        WeekMenu week;
        week[0].hourText = typed;
        EXPECT_EQ(rows(weekAsTabSeparatedText(week))[1][2], field) << typed;
    }
}

// Markers in the document must stand in this order.
void expectInOrder(const std::string& text, const std::vector<std::string>& markers)
{
    std::size_t from = 0;
    for (const std::string& marker : markers) {
        const std::size_t at = text.find(marker, from);
        ASSERT_NE(at, std::string::npos) << marker << " missing or out of order";
        from = at + marker.size();
    }
}

TEST(Html, HeadsThePageAndListsTheDaysAndMealsInThePlannersOrder)
{
    const std::string html = weekAsHtml(labelledWeek());
    expectInOrder(html, {"<h1>Weekly Menu</h1>", "<table", "Day", "Breakfast", "7:00 to 8:00", "24 hr", "Lunch",
                         "12:00 to 13:00", "Dinner", "17:00 to 18:00", "</tr>"});
    std::vector<std::string> cells;
    for (const DayRow& row : WeeklyGrid) {
        const std::string d(row.day.substr(0, 3));
        // Line 2 right below line 1, in the same cell.
        cells.insert(cells.end(), {std::string(row.day), d + " breakfast 1;<br>" + d + " breakfast 2;", d + " bread",
                                   d + " lunch 1;<br>" + d + " lunch 2;", d + " dinner 1;<br>" + d + " dinner 2;",
                                   "</tr>"});
    }
    cells.emplace_back("</table>");
    expectInOrder(html, cells);
}

TEST(Html, EscapesWhatIsTypedSoItPrintsAsTyped)
{
    struct Case {
        std::string typed;
        std::string escaped;
    };
    const Case cases[] = {
        {"<b>Fish</b>", "&lt;b&gt;Fish&lt;/b&gt;"},
        {"Fish & Chips", "Fish &amp; Chips"},
        {"\"Special\" Beef", "&quot;Special&quot; Beef"},
        {"Cook's Stew", "Cook&#39;s Stew"},
        {"&amp;", "&amp;amp;"},
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"Fish\tand\nChips\r", "Fish and Chips "},
    };
    const std::string empty = weekAsHtml(WeekMenu{});
    for (const Case& c : cases) {
        const std::string html = weekAsHtml(weekOf(c.typed));
        EXPECT_NE(html.find("<td valign=\"top\">" + c.escaped + "<br>" + c.escaped + "</td>"), std::string::npos)
            << c.typed;
        // Typed text adds no markup, no attribute quotes and no line breaks of its own.
        for (const char structural : {'<', '>', '"', '\n', '\t', '\r'})
            EXPECT_EQ(countOf(html, structural), countOf(empty, structural)) << c.typed << " adds " << structural;
    }
}

TEST(Html, GivesEveryMealRoomForTwoLinesWhenTheWeekIsEmpty)
{
    const std::string html = weekAsHtml(WeekMenu{});
    std::vector<std::string> markers{"<h1>Weekly Menu</h1>"};
    for (const DayRow& row : WeeklyGrid)
        markers.insert(markers.end(), {std::string(row.day), "<td valign=\"top\"><br></td>", "<td valign=\"top\"></td>",
                                       "<td valign=\"top\"><br></td>", "<td valign=\"top\"><br></td>", "</tr>"});
    expectInOrder(html, markers);
}

TEST(ReadWeek, TakesEachDaysTextsFromThatDaysControls)
{
    const WeekMenu week = readWeek([](std::string_view control) { return std::string(control); });
    const std::pair<std::size_t, DayMenu> cases[] = {
        {0, {{"Text1", "Text36"}, "Label15", {"Text2", "Text22"}, {"Text3", "Text29"}}},
        {1, {{"Text4", "Text37"}, "Label17", {"Text5", "Text23"}, {"Text6", "Text30"}}},
        {3, {{"Text10", "Text39"}, "Label20", {"Text11", "Text25"}, {"Text12", "Text32"}}},
        {6, {{"Text19", "Text42"}, "Label24", {"Text20", "Text28"}, {"Text21", "Text35"}}},
    };
    for (const auto& [day, expected] : cases)
        EXPECT_EQ(week[day], expected) << WeeklyGrid[day].day;
}

// The generators' whole week, as the planner would show it.
WeekMenu generatedWeek()
{
    Mt19937Source source;
    std::map<std::string_view, std::string> shown;
    for (const CellTexts& texts :
         {GenerateBreakfast(source), GenerateMeatSoupVegetable(source), GenerateRiceSaladFruit(source)}) {
        for (const CellText& cell : texts)
            shown[cell.control] = cell.text;
    }
    return readWeek([&shown](std::string_view control) { return shown[control]; });
}

TEST(GeneratedWeek, CarriesSundaysExtrasInSundaysRowOnly)
{
    const auto lines = rows(weekAsTabSeparatedText(generatedWeek()));
    ASSERT_EQ(lines.size(), 1 + DayCount);
    struct Extra {
        std::size_t column;
        std::string dish;
    };
    const Extra extras[] = {{1, "Ice cream;"}, {3, "Bahraini Rice;"}, {4, "Special Noodles;"}};
    for (const Extra& extra : extras) {
        EXPECT_TRUE(lines[1][extra.column].ends_with(extra.dish)) << lines[1][extra.column];
        for (std::size_t day = 2; day < lines.size(); ++day)
            EXPECT_EQ(lines[day][extra.column].find(extra.dish), std::string::npos) << lines[day][0];
    }
    for (std::size_t day = 1; day < lines.size(); ++day) {
        EXPECT_EQ(lines[day].size(), ColumnCount);
        EXPECT_EQ(lines[day][2], "Bread");
    }
    const std::string html = weekAsHtml(generatedWeek());
    for (const Extra& extra : extras)
        expectInOrder(html, {"Sunday", extra.dish + " </td>", "Monday"});
}

} // namespace
} // namespace galvix::weekly_menu
