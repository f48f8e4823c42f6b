// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The draw, the three generators and Clear, run with scripted and with the program's own values.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/scripted_source.h"
#include "weekly_menu/generators.h"
#include "weekly_menu/weekly_grid.h"

namespace galvix::weekly_menu {
namespace {

using testing::ScriptedSource;
using testing::valueForK;

constexpr DishList Numbered{"E1; ", "E2; ", "E3; ", "E4; ", "E5; ", "E6; ", "E7; ", "E8; ", "E9; ", "E10; "};

const float LargestBelowOne = std::nextafter(1.0F, 0.0F);

std::map<std::string, std::string> byControl(const CellTexts& texts)
{
    std::map<std::string, std::string> cells;
    for (const CellText& cell : texts)
        cells[std::string(cell.control)] = cell.text;
    return cells;
}

struct DrawCase {
    const char* what;
    float r;
    std::string_view entry;
};

class DrawDishTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawDishTest, PicksTheEntryOfTheValuesTenth)
{
    ScriptedSource source({GetParam().r});
    EXPECT_EQ(DrawDish(source, Numbered), GetParam().entry) << GetParam().what;
    EXPECT_EQ(source.used(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, DrawDishTest,
    ::testing::Values(DrawCase{"zero picks the tenth entry", 0.0F, "E10; "},
                      DrawCase{"just below 0.1", std::nextafter(0.1F, 0.0F), "E10; "},
                      DrawCase{"the float nearest 0.1 lies above it", 0.1F, "E1; "},
                      DrawCase{"0.5", 0.5F, "E5; "},
                      DrawCase{"the float nearest 0.7 lies below it", 0.7F, "E6; "},
                      DrawCase{"the next float above 0.7", std::nextafter(0.7F, 1.0F), "E7; "},
                      DrawCase{"0.95", 0.95F, "E9; "},
                      DrawCase{"the largest value below 1", LargestBelowOne, "E9; "},
                      // A source that strays out of [0, 1) still gets an entry of the list.
                      DrawCase{"one", 1.0F, "E9; "},
                      DrawCase{"negative", -0.5F, "E10; "},
                      DrawCase{"not a number", std::numeric_limits<float>::quiet_NaN(), "E10; "}));

struct UniformCase {
    float r;
    std::string line1;
    std::string sundayLine2;
    std::string otherLine2;
};

class BreakfastUniformTest : public ::testing::TestWithParam<UniformCase> {};

TEST_P(BreakfastUniformTest, EveryDayGetsTheSameDishesAndOnlySundayTheIceCream)
{
    ScriptedSource source({GetParam().r});
    const auto cells = byControl(GenerateBreakfast(source));
    for (const DayRow& row : WeeklyGrid) {
        const bool sunday = row.day == "Sunday";
        EXPECT_EQ(cells.at(std::string(row.breakfastLine1)), GetParam().line1) << row.day;
        EXPECT_EQ(cells.at(std::string(row.breakfastLine2)), sunday ? GetParam().sundayLine2 : GetParam().otherLine2)
            << row.day;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, BreakfastUniformTest,
    ::testing::Values(
        UniformCase{0.05F, "Diced Potato; Hotdog; ", "Tea; Ice cream; ", "Tea; "},
        UniformCase{0.15F, "Scrambled Egg; Ham; ", "Orange Juice; Ice cream; ", "Orange Juice; "},
        UniformCase{LargestBelowOne, "Egg Roll; Bacon; ", "Coffee; Ice cream; ", "Coffee; "}));

TEST(GenerateBreakfast, WritesLineOneThenLineTwoDayByDayFromTheDaysThreeDraws)
{
    // Sunday and Monday get the same three values: only Sunday's drink is followed by ice cream.
    ScriptedSource source({0.05F, 0.65F, 0.95F, 0.05F, 0.65F, 0.95F, 0.15F});
    const CellTexts texts = GenerateBreakfast(source);
    ASSERT_EQ(texts.size(), 14U);
    const std::array<std::string_view, 14> order{"Text1",  "Text36", "Text4",  "Text37", "Text7",
                                                 "Text38", "Text10", "Text39", "Text13", "Text40",
                                                 "Text16", "Text41", "Text19", "Text42"};
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(texts[i].control, order[i]) << i;
    EXPECT_EQ(texts[0].text, "Diced Potato; Sausage; ");
    EXPECT_EQ(texts[1].text, "Coffee; Ice cream; ");
    EXPECT_EQ(texts[2].text, "Diced Potato; Sausage; ");
    EXPECT_EQ(texts[3].text, "Coffee; ");
    EXPECT_EQ(texts[4].text.substr(0, 15), "Scrambled Egg; ");
    EXPECT_EQ(source.used(), 21U);
}

TEST(GenerateBreakfast, MeatListRepeatsItsDishesAsWritten)
{
    const std::array<std::pair<int, std::string_view>, 10> meatByK{{{1, "Ham; "},
                                                                     {2, "Bacon; "},
                                                                     {3, "Sausage; "},
                                                                     {4, "Ham; "},
                                                                     {5, "Bacon; "},
                                                                     {6, "Sausage; "},
                                                                     {7, "Hotdog; "},
                                                                     {8, "Ham; "},
                                                                     {9, "Bacon; "},
                                                                     {0, "Hotdog; "}}};
    for (const auto& [k, meat] : meatByK) {
        ScriptedSource source({valueForK(1), valueForK(k), valueForK(1)});
        EXPECT_EQ(GenerateBreakfast(source).front().text, "Scrambled Egg; " + std::string(meat)) << "k = " << k;
    }
}

struct LunchDinnerCase {
    const char* name;
    CellTexts (*generate)(RandomSource&);
    std::string_view DayRow::*lunch;
    std::string_view DayRow::*dinner;
    std::string allZero;    // a weekday cell when every draw is k = 0
    std::string allNine;    // a weekday cell when every draw is k = 9
    std::string firstCell;  // Sunday lunch for draws k = 1, 2, 3
    std::string sundayLunchExtra;
    std::string sundayDinnerExtra;
};

class LunchDinnerTest : public ::testing::TestWithParam<LunchDinnerCase> {};

const LunchDinnerCase RiceSaladFruit{"RiceSaladFruit",
                                     &GenerateRiceSaladFruit,
                                     &DayRow::lunchLine2,
                                     &DayRow::dinnerLine2,
                                     "Scented Rice; Tofu and Sprout; Pineapple; ",
                                     "Rice and Corn; Green Lettuce; Grape; ",
                                     "White Rice; Onion; Orange; Bahraini Rice; ",
                                     "Bahraini Rice; ",
                                     "Special Noodles; "};

const LunchDinnerCase MeatSoupVegetable{"MeatSoupVegetable",
                                        &GenerateMeatSoupVegetable,
                                        &DayRow::lunchLine1,
                                        &DayRow::dinnerLine1,
                                        "Sausage; Sweet and Sour; Melon and Gourd; ",
                                        "Ham; Hot and Sour; Okra Vege.; ",
                                        "Beef; Tomato; Cauliflowers; ",
                                        "",
                                        ""};

TEST_P(LunchDinnerTest, SetsTheHourLabelsFirstThenLunchesThenDinners)
{
    const LunchDinnerCase& c = GetParam();
    ScriptedSource source({0.0F});
    const CellTexts texts = c.generate(source);
    ASSERT_EQ(texts.size(), 21U);
    for (std::size_t day = 0; day < WeeklyGrid.size(); ++day) {
        EXPECT_EQ(texts[day], (CellText{WeeklyGrid[day].hourLabel, "Bread"}));
        EXPECT_EQ(texts[7 + day].control, WeeklyGrid[day].*c.lunch);
        EXPECT_EQ(texts[14 + day].control, WeeklyGrid[day].*c.dinner);
    }
    EXPECT_EQ(source.used(), 42U);
}

TEST_P(LunchDinnerTest, UniformDrawsGiveTheSameCellsWithSundaysExtrasOnlyOnSunday)
{
    const LunchDinnerCase& c = GetParam();
    for (const auto& [r, weekday] : {std::pair{0.0F, c.allZero}, std::pair{LargestBelowOne, c.allNine}}) {
        ScriptedSource source({r});
        const auto cells = byControl(c.generate(source));
        for (const DayRow& row : WeeklyGrid) {
            const bool sunday = row.day == "Sunday";
            EXPECT_EQ(cells.at(std::string(row.*c.lunch)), sunday ? weekday + c.sundayLunchExtra : weekday);
            EXPECT_EQ(cells.at(std::string(row.*c.dinner)), sunday ? weekday + c.sundayDinnerExtra : weekday);
        }
    }
}

TEST_P(LunchDinnerTest, EachCellTakesItsOwnThreeDrawsInListOrder)
{
    const LunchDinnerCase& c = GetParam();
    std::vector<float> values(42, valueForK(0));
    values[0] = valueForK(1);
    values[1] = valueForK(2);
    values[2] = valueForK(3);
    // Draws 4 to 6 belong to Monday lunch, 19 to 21 to Saturday lunch, 22 to 24 to Sunday dinner.
    for (const std::size_t draw : {3U, 4U, 5U, 18U, 19U, 20U, 21U, 22U, 23U})
        values[draw] = valueForK(9);
    ScriptedSource source(values);
    const auto cells = byControl(c.generate(source));
    EXPECT_EQ(cells.at(std::string(WeeklyGrid[0].*c.lunch)), c.firstCell);
    EXPECT_EQ(cells.at(std::string(WeeklyGrid[1].*c.lunch)), c.allNine);
    EXPECT_EQ(cells.at(std::string(WeeklyGrid[6].*c.lunch)), c.allNine);
    EXPECT_EQ(cells.at(std::string(WeeklyGrid[0].*c.dinner)), c.allNine + c.sundayDinnerExtra);
    EXPECT_EQ(cells.at(std::string(WeeklyGrid[2].*c.lunch)), c.allZero);
    EXPECT_EQ(cells.at(std::string(WeeklyGrid[1].*c.dinner)), c.allZero);
}

INSTANTIATE_TEST_SUITE_P(Generators, LunchDinnerTest, ::testing::Values(RiceSaladFruit, MeatSoupVegetable),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ClearGrid, EmptiesEveryCellInNumericOrderThenTheHourLabels)
{
    const CellTexts texts = ClearGrid();
    ASSERT_EQ(texts.size(), 49U);
    for (std::size_t i = 0; i < 42; ++i)
        EXPECT_EQ(texts[i], (CellText{TextBoxNames[i], ""}));
    const std::array<std::string_view, 7> labels{"Label15", "Label17", "Label18", "Label20",
                                                 "Label21", "Label23", "Label24"};
    for (std::size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(texts[42 + i], (CellText{labels[i], ""}));
}

// The first value pins the formula (the top 24 bits of the standard engine's first output for its
// default seed, 3499211612, times 2^-24); the rest keep to [0, 1).
TEST(Mt19937Source, ValuesAreTheTop24BitsOfTheStandardEngineScaledIntoZeroToOne)
{
    EXPECT_EQ(Mt19937Source{}.NextValue(), 13668795.0F / 16777216.0F);
    Mt19937Source source;
    for (int i = 0; i < 100000; ++i) {
        const float r = source.NextValue();
        ASSERT_GE(r, 0.0F) << i;
        ASSERT_LT(r, 1.0F) << i;
    }
}

using Cells = std::vector<std::pair<std::string, std::string>>;

// The cells of one button's section of the first-week file ("[breakfast]", then lines such as
// Text1 "Potato and Gravy; Ham; "), in the order they are written.
Cells firstWeek(std::string_view button)
{
    std::ifstream file(GALVIX_FIRST_WEEK);
    EXPECT_TRUE(file.is_open()) << GALVIX_FIRST_WEEK;
    Cells cells;
    bool inSection = false;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with('['))
            inSection = line == "[" + std::string(button) + "]";
        const std::size_t quote = line.find(" \"");
        if (inSection && quote != std::string::npos && line.ends_with('"'))
            cells.emplace_back(line.substr(0, quote), line.substr(quote + 2, line.size() - quote - 3));
    }
    return cells;
}

// The first week a fresh start plans with each button. A change here means every cook's week after
// a start changes: it must never happen by accident.
TEST(FirstWeekAfterStart, IsTheSameInEveryRun)
{
    // The cells from `first` on (the lunch and dinner generators set the seven hour labels first).
    const auto cellsFrom = [](const CellTexts& texts, std::size_t first) {
        Cells cells;
        for (std::size_t i = first; i < texts.size(); ++i)
            cells.emplace_back(texts[i].control, texts[i].text);
        return cells;
    };
    Mt19937Source forBreakfast;
    EXPECT_EQ(cellsFrom(GenerateBreakfast(forBreakfast), 0), firstWeek("breakfast"));
    Mt19937Source forMeat;
    EXPECT_EQ(cellsFrom(GenerateMeatSoupVegetable(forMeat), 7), firstWeek("meat_soup_vegetable"));
    Mt19937Source forRice;
    EXPECT_EQ(cellsFrom(GenerateRiceSaladFruit(forRice), 7), firstWeek("rice_salad_fruit"));
}

TEST(SharedSequence, EachClickContinuesWhereTheLastOneStopped)
{
    // Rice first, then breakfast: the breakfast draws are values 43 to 63 of the sequence.
    Mt19937Source shared;
    (void)GenerateRiceSaladFruit(shared);
    const CellTexts breakfast = GenerateBreakfast(shared);

    Mt19937Source reference;
    for (int i = 0; i < 42; ++i)
        (void)reference.NextValue();
    EXPECT_EQ(breakfast, GenerateBreakfast(reference));

    Mt19937Source fresh;
    EXPECT_NE(breakfast, GenerateBreakfast(fresh));
}

} // namespace
} // namespace galvix::weekly_menu
