// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "weekly_menu/frmWeeklyMenu.h"

#include <QPushButton>

#include <algorithm>
#include <array>

#include "toolkit/surface.h"
#include "toolkit/window_role.h"
#include "toolkit/twips.h"
#include "weekly_menu/menu_output.h"
#include "weekly_menu/weekly_grid.h"

namespace galvix::weekly_menu {

namespace {

using toolkit::ControlKind;
using toolkit::ControlSpec;
using toolkit::LineSpec;
using toolkit::SystemColour;

// Where each day's row stands; the columns are the same for every row.
struct RowGeometry {
    int line1Top;
    int line2Top;
    int hourLabelTop;
    int dayLabelTop;
    int dayLabelWidth;
    int dayLabelHeight;
    int breakfastLine1Left;
    int breakfastLine1Width;
};

constexpr std::array<RowGeometry, 7> Rows{{
    {480, 840, 720, 600, 735, 615, 720, 1935},
    {1440, 1800, 1560, 1440, 855, 375, 720, 1935},
    {2400, 2760, 2520, 2400, 975, 375, 720, 1935},
    {3360, 3720, 3480, 3360, 975, 375, 960, 1695},
    {4320, 4680, 4440, 4320, 975, 495, 720, 1935},
    {5280, 5640, 5400, 5280, 975, 375, 480, 2175},
    {6240, 6600, 6360, 6240, 1095, 375, 720, 1935},
}};

constexpr int Line1Height = 375;
constexpr int Line2Height = 405;
constexpr int BreakfastLine2Left = 240;
constexpr int BreakfastLine2Width = 2175;
constexpr int LunchLeft = 3600;
constexpr int LunchWidth = 3495;
constexpr int DinnerLeft = 7320;
constexpr int DinnerWidth = 3615;
constexpr int HourLabelLeft = 2880;
constexpr int HourLabelSize = 495;

constexpr int textNumber(std::string_view name)
{
    int number = 0;
    for (const char digit : name.substr(4))
        number = number * 10 + (digit - '0');
    return number;
}

// Focus runs Command1, Text1 to Text21, Command2, Command3, Command4, Text22 to Text42.
constexpr int textTabIndex(std::string_view name)
{
    const int number = textNumber(name);
    return number <= 21 ? number : number + 3;
}

// Second lines draw their text in the desktop colour.
constexpr ControlSpec textBox(std::string_view name, int left, int top, int width, int height)
{
    return {ControlKind::TextBox, name, {}, left, top, width, height, textTabIndex(name),
            textNumber(name) >= 22 ? SystemColour::Desktop : toolkit::Colour{}};
}

// Headings and buttons are spoken by their captions; the last column says what a caption leaves
// unsaid: which meal and line a heading stands over, which cells a button writes.
constexpr std::array<ControlSpec, 15> FixedControls{{
    {ControlKind::Label, "Label8", "    7:00 to 8:00", 1200, 0, 1335, 255, toolkit::NoTabStop, {}, {},
     "Breakfast hours"},
    {ControlKind::Label, "Label9", "12:00 to 13:00", 4560, 0, 1695, 255, toolkit::NoTabStop, {}, {}, "Lunch hours"},
    {ControlKind::Label, "Label10", "17:00 to 18:00", 8640, 0, 1335, 255, toolkit::NoTabStop, {}, {},
     "Dinner hours"},
    {ControlKind::Label, "Label11", "Egg", 1080, 240, 495, 255, toolkit::NoTabStop, {}, {}, "Breakfast, line 1"},
    {ControlKind::Label, "Label12", "Drink", 1560, 240, 495, 255, toolkit::NoTabStop, {}, {}, "Breakfast, line 2"},
    {ControlKind::Label, "Label13", "Meat", 2160, 240, 495, 255, toolkit::NoTabStop, {}, {}, "Breakfast, line 1"},
    {ControlKind::Label, "Label14", "24 hr", 2880, 240, 495, 255, toolkit::NoTabStop, {}, {},
     "Heading of each day's 24 hr label"},
    {ControlKind::Label, "Label16", "Meat/Fish; Soup; Vegetable;", 3600, 240, 2175, 255, toolkit::NoTabStop, {},
     {}, "Lunch, line 1"},
    {ControlKind::Label, "Label19", "Rice; Salad; Fruit;", 5760, 240, 1335, 375, toolkit::NoTabStop,
     SystemColour::Desktop, {}, "Lunch, line 2"},
    {ControlKind::Label, "Label22", "Meat/Fish; Soup; Vegetable;", 7320, 240, 2295, 375, toolkit::NoTabStop, {},
     {}, "Dinner, line 1"},
    {ControlKind::Label, "Label25", "Rice; Salad; Fruit; ", 9600, 240, 1455, 375, toolkit::NoTabStop,
     SystemColour::Desktop, {}, "Dinner, line 2"},
    {ControlKind::CommandButton, "Command4", "C", 120, 120, 495, 375, 24, {}, {},
     "Clears the whole week: every cell and every 24 hr label"},
    {ControlKind::CommandButton, "Command1", "Auto Breakfast Menu", 720, 7200, 2295, 375, 0, {}, {},
     "Fills both breakfast lines of every day"},
    {ControlKind::CommandButton, "Command3", "Calculate meat/fish; soup; vegetable", 3600, 7200, 3495, 375, 23, {},
     {}, "Fills line 1 of every lunch and dinner, and sets the 24 hr labels to Bread"},
    {ControlKind::CommandButton, "Command2", "Calculate rice; salad; fruit", 7440, 7200, 3495, 375, 22, {}, {},
     "Fills line 2 of every lunch and dinner, and sets the 24 hr labels to Bread"},
}};

constexpr std::size_t ControlsPerRow = 8;

constexpr auto buildControls()
{
    std::array<ControlSpec, Rows.size() * ControlsPerRow + FixedControls.size()> controls{};
    std::size_t next = 0;
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const RowGeometry& at = Rows[i];
        const DayRow& row = WeeklyGrid[i];
        controls[next++] = {ControlKind::Label, row.dayLabel, row.day, 0, at.dayLabelTop, at.dayLabelWidth,
                            at.dayLabelHeight};
        controls[next++] = {ControlKind::Label, row.hourLabel, {}, HourLabelLeft, at.hourLabelTop,
                            HourLabelSize, HourLabelSize, toolkit::NoTabStop, SystemColour::Highlight};
        controls[next++] = textBox(row.breakfastLine1, at.breakfastLine1Left, at.line1Top,
                                   at.breakfastLine1Width, Line1Height);
        controls[next++]
            = textBox(row.breakfastLine2, BreakfastLine2Left, at.line2Top, BreakfastLine2Width, Line2Height);
        controls[next++] = textBox(row.lunchLine1, LunchLeft, at.line1Top, LunchWidth, Line1Height);
        controls[next++] = textBox(row.lunchLine2, LunchLeft, at.line2Top, LunchWidth, Line2Height);
        controls[next++] = textBox(row.dinnerLine1, DinnerLeft, at.line1Top, DinnerWidth, Line1Height);
        controls[next++] = textBox(row.dinnerLine2, DinnerLeft, at.line2Top, DinnerWidth, Line2Height);
    }
    for (const ControlSpec& control : FixedControls)
        controls[next++] = control;
    return controls;
}

constexpr auto Controls = buildControls();

constexpr std::array<LineSpec, 12> Lines{{
    {"Line5", 120, 600, 10920, 600},
    {"Line6", 120, 1320, 10920, 1320},
    {"Line7", 120, 2280, 10920, 2280},
    {"Line8", 120, 3240, 10920, 3240},
    {"Line9", 120, 4200, 10920, 4200},
    {"Line10", 120, 5160, 10920, 5160},
    {"Line11", 120, 6120, 10920, 6120},
    {"Line12", 120, 7080, 10920, 7080},
    {"Line1", 2760, 120, 2760, 7200},
    {"Line2", 3480, 120, 3480, 7200},
    {"Line3", 960, 120, 960, 7200},
    {"Line4", 7200, 120, 7200, 7200},
}};

} // namespace

constexpr toolkit::FormSpec WeeklyMenuForm{"Weekly Automatic and Random Menu", 11070, 7680, Controls, Lines};

namespace {

using PlannerSurface = toolkit::FormSurface<WeeklyMenuForm>;

// The generators and Clear name their cells from the grid and the list of text boxes; every one of
// those names is a control of this window.
constexpr bool gridMatchesTable()
{
    using toolkit::hasControl;
    constexpr auto Box = ControlKind::TextBox;
    constexpr auto Label = ControlKind::Label;
    const bool boxes = std::ranges::all_of(TextBoxNames, [](std::string_view name) {
        return hasControl<Box>(WeeklyMenuForm, name);
    });
    return boxes && std::ranges::all_of(WeeklyGrid, [](const DayRow& row) {
        return hasControl<Label>(WeeklyMenuForm, row.dayLabel) && hasControl<Label>(WeeklyMenuForm, row.hourLabel)
               && std::ranges::all_of(std::array{row.breakfastLine1, row.breakfastLine2, row.lunchLine1,
                                                 row.lunchLine2, row.dinnerLine1, row.dinnerLine2},
                                      [](std::string_view name) { return hasControl<Box>(WeeklyMenuForm, name); });
    });
}
static_assert(gridMatchesTable());

// Tells a screen reader which cell each text box is, by name since a cell has no caption. A "24 hr"
// label is spoken by what it shows ("Bread" or nothing), so its day goes in the description.
void describeCells(const toolkit::Surface& surface)
{
    const auto cell = [](const DayRow& row, const char* what) {
        return toolkit::toQString(row.day) + QLatin1String(", ") + QLatin1String(what);
    };
    const auto name = [&](std::string_view control, const DayRow& row, const char* what) {
        surface.control(control)->setAccessibleName(cell(row, what));
    };
    for (const DayRow& row : WeeklyGrid) {
        name(row.breakfastLine1, row, "breakfast, line 1");
        name(row.breakfastLine2, row, "breakfast, line 2");
        name(row.lunchLine1, row, "lunch, line 1");
        name(row.lunchLine2, row, "lunch, line 2");
        name(row.dinnerLine1, row, "dinner, line 1");
        name(row.dinnerLine2, row, "dinner, line 2");
        surface.control(row.hourLabel)->setAccessibleDescription(cell(row, "24 hr"));
    }
}

} // namespace

frmWeeklyMenu::frmWeeklyMenu(RandomSource& source, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_source(source)
    , m_surface(new PlannerSurface(this))
    , m_output(new MenuOutput(*this, [this] { return currentWeek(); }))
{
    setObjectName(QStringLiteral("frmWeeklyMenu"));
    toolkit::announceAsWindow(staticMetaObject);
    setWindowTitle(toolkit::toQString(WeeklyMenuForm.caption));
    resize(m_surface->size());
    describeCells(*m_surface);

    connect(m_surface->button("Command1"), &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_surface->button("Command2"), &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_surface->button("Command3"), &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_surface->button("Command4"), &QPushButton::clicked, this, [this] { Command4_Click(); });
    m_surface->button("Command1")->setFocus();
}

void frmWeeklyMenu::Command1_Click() { apply(GenerateBreakfast(m_source)); }

void frmWeeklyMenu::Command2_Click() { apply(GenerateRiceSaladFruit(m_source)); }

void frmWeeklyMenu::Command3_Click() { apply(GenerateMeatSoupVegetable(m_source)); }

void frmWeeklyMenu::Command4_Click() { apply(ClearGrid()); }

WeekMenu frmWeeklyMenu::currentWeek() const
{
    return readWeek([this](std::string_view control) { return surface()->controlText(control); });
}

// gridMatchesTable() proves every control a generator or Clear names is in the table, so no step
// can fail here and none needs to be skipped.
void frmWeeklyMenu::apply(const CellTexts& texts)
{
    for (const CellText& cell : texts)
        surface()->setControlText(cell.control, cell.text);
}

} // namespace galvix::weekly_menu
