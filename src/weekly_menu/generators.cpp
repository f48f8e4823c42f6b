// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "weekly_menu/generators.h"

#include <cmath>

#include "weekly_menu/weekly_grid.h"

namespace galvix::weekly_menu {

namespace {

// One course group per meal: three lists drawn in this order and the fixed extra each meal adds on
// Sunday (none when empty).
struct CourseGroup {
    const DishList* first;
    const DishList* second;
    const DishList* third;
    std::string_view sundayLunchExtra;
    std::string_view sundayDinnerExtra;
};

std::string drawCourses(RandomSource& source, const CourseGroup& group)
{
    std::string text(DrawDish(source, *group.first));
    text += DrawDish(source, *group.second);
    text += DrawDish(source, *group.third);
    return text;
}

void addHourLabels(CellTexts& texts)
{
    for (const DayRow& row : WeeklyGrid)
        texts.push_back({row.hourLabel, std::string(HourLabelText)});
}

// All seven lunches first, then all seven dinners, each cell's three draws before the next cell's.
CellTexts generateLunchAndDinner(RandomSource& source, const CourseGroup& group,
                                 std::string_view DayRow::*lunchCell, std::string_view DayRow::*dinnerCell)
{
    CellTexts texts;
    texts.reserve(WeeklyGrid.size() * 3);
    addHourLabels(texts);
    for (const auto& [cell, sundayExtra] :
         {std::pair{lunchCell, group.sundayLunchExtra}, std::pair{dinnerCell, group.sundayDinnerExtra}}) {
        for (const DayRow& row : WeeklyGrid) {
            std::string text = drawCourses(source, group);
            if (&row == &WeeklyGrid.front())
                text += sundayExtra;
            texts.push_back({row.*cell, std::move(text)});
        }
    }
    return texts;
}

} // namespace

std::string_view DrawDish(RandomSource& source, const DishList& list)
{
    const float r = source.NextValue();
    const double product = static_cast<double>(r) * static_cast<double>(10.0F);
    // A source keeps to [0, 1), so k is 0 to 9. Should one ever stray (a NaN, a value out of range),
    // the draw still picks an entry instead of reading outside the list.
    int k = 0;
    if (product >= 9.0)
        k = 9;
    else if (product >= 0.0)
        k = static_cast<int>(std::floor(product));
    return k == 0 ? list[9] : list[static_cast<std::size_t>(k - 1)];
}

CellTexts GenerateBreakfast(RandomSource& source)
{
    CellTexts texts;
    texts.reserve(WeeklyGrid.size() * 2);
    for (const DayRow& row : WeeklyGrid) {
        std::string line1(DrawDish(source, BreakfastEggList));
        line1 += DrawDish(source, BreakfastMeatList);
        std::string line2(DrawDish(source, BreakfastDrinkList));
        if (&row == &WeeklyGrid.front())
            line2 += SundayBreakfastExtra;
        texts.push_back({row.breakfastLine1, std::move(line1)});
        texts.push_back({row.breakfastLine2, std::move(line2)});
    }
    return texts;
}

CellTexts GenerateRiceSaladFruit(RandomSource& source)
{
    const CourseGroup group{&RiceList, &SaladList, &FruitList, SundayLunchExtra, SundayDinnerExtra};
    return generateLunchAndDinner(source, group, &DayRow::lunchLine2, &DayRow::dinnerLine2);
}

CellTexts GenerateMeatSoupVegetable(RandomSource& source)
{
    const CourseGroup group{&MeatFishList, &SoupList, &VegetableList, {}, {}};
    return generateLunchAndDinner(source, group, &DayRow::lunchLine1, &DayRow::dinnerLine1);
}

CellTexts ClearGrid()
{
    CellTexts texts;
    texts.reserve(TextBoxNames.size() + WeeklyGrid.size());
    for (const std::string_view name : TextBoxNames)
        texts.push_back({name, {}});
    for (const DayRow& row : WeeklyGrid)
        texts.push_back({row.hourLabel, {}});
    return texts;
}

} // namespace galvix::weekly_menu
