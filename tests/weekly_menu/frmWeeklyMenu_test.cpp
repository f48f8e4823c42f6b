// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The planner window driven through its real widgets.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>

#include "support/accessibility.h"
#include "support/scripted_source.h"
#include "support/tab_order.h"
#include "support/window_texts.h"
#include "toolkit/surface.h"
#include "weekly_menu/frmWeeklyMenu.h"
#include "weekly_menu/weekly_grid.h"

namespace galvix::weekly_menu {
namespace {

using testing::ScriptedSource;
using testing::valueForK;

using testing::click;
using testing::snapshot;

QString text(const QWidget& window, const char* name) { return toolkit::child<QLineEdit>(window, name)->text(); }
QString caption(const QWidget& window, const char* name) { return toolkit::child<QLabel>(window, name)->text(); }


class PlannerWindow : public ::testing::Test {
protected:
    ScriptedSource source{{valueForK(1)}};
    std::unique_ptr<frmWeeklyMenu> window = std::make_unique<frmWeeklyMenu>(source);
};

TEST_F(PlannerWindow, OpensWithAnEmptyGridThatClearLeavesAsItIs)
{
    const auto before = snapshot(*window);
    for (const std::string_view name : TextBoxNames)
        EXPECT_TRUE(before.at(toolkit::toQString(name)).isEmpty()) << name;
    for (const DayRow& row : WeeklyGrid)
        EXPECT_TRUE(before.at(toolkit::toQString(row.hourLabel)).isEmpty()) << row.day;
    click(*window, "Command4");
    EXPECT_EQ(snapshot(*window), before);
}

TEST_F(PlannerWindow, ShowsItsCaptionsExactlyWithTheirBlanks)
{
    EXPECT_EQ(window->windowTitle(), "Weekly Automatic and Random Menu");
    const std::map<QString, QString> labels{
        {"Label8", "    7:00 to 8:00"}, {"Label14", "24 hr"}, {"Label16", "Meat/Fish; Soup; Vegetable;"},
        {"Label19", "Rice; Salad; Fruit;"}, {"Label25", "Rice; Salad; Fruit; "}, {"Label4", "Wednesday"}};
    for (const auto& [name, expected] : labels)
        EXPECT_EQ(toolkit::child<QLabel>(*window, name)->text(), expected) << name.toStdString();
    const std::map<QString, QString> buttons{{"Command1", "Auto Breakfast Menu"},
                                             {"Command2", "Calculate rice; salad; fruit"},
                                             {"Command3", "Calculate meat/fish; soup; vegetable"},
                                             {"Command4", "C"}};
    for (const auto& [name, expected] : buttons)
        EXPECT_EQ(toolkit::child<QPushButton>(*window, name)->text(), expected) << name.toStdString();
}

TEST_F(PlannerWindow, PlacesControlsAtTheirDesignPositionsAndKeepsThemThereWhenResized)
{
    struct Expected {
        const char* name;
        QRect twips;
    };
    const std::array<Expected, 7> spots{{{"Text36", {240, 840, 2175, 405}},
                                          {"Text10", {960, 3360, 1695, 375}},
                                          {"Text16", {480, 5280, 2175, 375}},
                                          {"Text35", {7320, 6600, 3615, 405}},
                                          {"Label1", {0, 600, 735, 615}},
                                          {"Label24", {2880, 6360, 495, 495}},
                                          {"Command2", {7440, 7200, 3495, 375}}}};
    const auto check = [&] {
        for (const Expected& spot : spots) {
            const QRect& t = spot.twips;
            EXPECT_EQ(toolkit::child<QWidget>(*window, spot.name)->geometry(),
                      QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15))
                << spot.name;
        }
    };
    window->show();
    check();
    window->resize(300, 200);
    QApplication::processEvents();
    check();
    window->resize(1400, 900);
    QApplication::processEvents();
    check();
}

TEST_F(PlannerWindow, FocusStartsOnTheBreakfastButtonAndTabsThroughTheGridInOrder)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(QApplication::focusWidget(), toolkit::child<QWidget>(*window, "Command1"));

    const QStringList expected = testing::plannerTabOrder();

    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1") << "the chain closes on itself";
}

TEST_F(PlannerWindow, EnterOrSpaceOnTheFocusedButtonPressesIt)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(text(*window, "Text1"), "Scrambled Egg; Ham; ");
    toolkit::child<QPushButton>(*window, "Command4")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(text(*window, "Text1").isEmpty());
}

TEST_F(PlannerWindow, BreakfastOverwritesItsCellsAndKeepsWhatTheCookTypedElsewhere)
{
    QTest::keyClicks(toolkit::child<QLineEdit>(*window, "Text2"), "Fish soup");
    QTest::keyClicks(toolkit::child<QLineEdit>(*window, "Text1"), "Porridge");
    auto before = snapshot(*window);
    click(*window, "Command1");
    auto after = snapshot(*window);

    EXPECT_EQ(text(*window, "Text1"), "Scrambled Egg; Ham; ");
    EXPECT_EQ(text(*window, "Text36"), "Orange Juice; Ice cream; ");
    EXPECT_EQ(text(*window, "Text42"), "Orange Juice; ");
    EXPECT_EQ(source.used(), 21U);
    for (const DayRow& row : WeeklyGrid) {
        for (const auto cell : {row.breakfastLine1, row.breakfastLine2}) {
            after.erase(toolkit::toQString(cell));
            before.erase(toolkit::toQString(cell));
        }
    }
    EXPECT_EQ(after, before) << "only the fourteen breakfast cells change";
    EXPECT_EQ(text(*window, "Text2"), "Fish soup");
}

struct LunchDinnerButton {
    const char* button;
    std::string_view DayRow::*ownLine;
    std::string_view DayRow::*ownDinnerLine;
    const char* weekdayCell;
};

class LunchDinnerButtons : public PlannerWindow, public ::testing::WithParamInterface<LunchDinnerButton> {};

TEST_P(LunchDinnerButtons, WriteOnlyTheirOwnLineAndTheHourLabels)
{
    const LunchDinnerButton& b = GetParam();
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        edit->setText("typed by the cook");
    auto before = snapshot(*window);
    click(*window, b.button);
    auto after = snapshot(*window);

    EXPECT_EQ(source.used(), 42U);
    for (const DayRow& row : WeeklyGrid) {
        EXPECT_EQ(after.at(toolkit::toQString(row.hourLabel)), "Bread");
        EXPECT_EQ(after.at(toolkit::toQString(row.*b.ownLine)).left(10), QString(b.weekdayCell).left(10));
        for (const auto cell : {row.hourLabel, row.*b.ownLine, row.*b.ownDinnerLine}) {
            after.erase(toolkit::toQString(cell));
            before.erase(toolkit::toQString(cell));
        }
    }
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, LunchDinnerButtons,
    ::testing::Values(LunchDinnerButton{"Command2", &DayRow::lunchLine2, &DayRow::dinnerLine2,
                                        "White Rice; Tomato; Water-melon; "},
                      LunchDinnerButton{"Command3", &DayRow::lunchLine1, &DayRow::dinnerLine1,
                                        "Beef; Mixed Vege.; Eggplant; "}),
    [](const auto& param) { return std::string(param.param.button); });

TEST_F(PlannerWindow, ClearAfterEveryGeneratorEmptiesTheGridAndKeepsTheHeadings)
{
    const QString heading = caption(*window, "Label25");
    click(*window, "Command1");
    click(*window, "Command2");
    click(*window, "Command3");
    click(*window, "Command4");
    for (const std::string_view name : TextBoxNames)
        EXPECT_TRUE(text(*window, std::string(name).c_str()).isEmpty()) << name;
    for (const DayRow& row : WeeklyGrid)
        EXPECT_TRUE(caption(*window, std::string(row.hourLabel).c_str()).isEmpty()) << row.day;
    EXPECT_EQ(caption(*window, "Label25"), heading);
    EXPECT_EQ(caption(*window, "Label1"), "Sunday");
    EXPECT_EQ(source.used(), 105U) << "Clear draws nothing";

    click(*window, "Command3");
    EXPECT_EQ(caption(*window, "Label15"), "Bread");
}

// Every control a click names is in the table, so a control that is gone can only be a fault: the
// click stops there, before a generator's first draw and after it alike, and says which control.
TEST_F(PlannerWindow, AClickStopsAtAControlThatIsGone)
{
    struct Case {
        void (frmWeeklyMenu::*click)();
        const char* lost;
        const char* later; // a cell the click writes after the lost control
    };
    const std::array<Case, 4> cases{{
        {&frmWeeklyMenu::Command1_Click, "Text4", "Text19"},
        {&frmWeeklyMenu::Command3_Click, "Text5", "Text21"},
        {&frmWeeklyMenu::Command3_Click, "Label17", "Text2"},
        {&frmWeeklyMenu::Command4_Click, "Text4", "Text5"},
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lost);
        frmWeeklyMenu planner(source);
        toolkit::child<QLineEdit>(planner, c.later)->setText("typed");
        delete toolkit::child<QWidget>(planner, c.lost);
        EXPECT_THROW((planner.*c.click)(), toolkit::MissingControl);
        EXPECT_EQ(text(planner, c.later), "typed");
    }
}

TEST_F(PlannerWindow, ALongDishListIsShownFromItsStart)
{
    ScriptedSource longest({valueForK(8), valueForK(3), valueForK(6)});
    frmWeeklyMenu planner(longest);
    planner.Command1_Click();
    EXPECT_EQ(toolkit::child<QLineEdit>(planner, "Text1")->text(), "Potato and Gravy; Sausage; ");
    EXPECT_EQ(toolkit::child<QLineEdit>(planner, "Text1")->cursorPosition(), 0);
}

TEST_F(PlannerWindow, DrawsSecondLinesInTheDesktopColourAndHourLabelsInTheHighlightColour)
{
    const QPalette& style = QApplication::palette();
    const auto textColour = [&](const char* name) {
        return toolkit::child<QLineEdit>(*window, name)->palette().color(QPalette::Text);
    };
    const auto labelColour = [&](const char* name) {
        return toolkit::child<QLabel>(*window, name)->palette().color(QPalette::WindowText);
    };
    const bool themed = style.color(QPalette::Link).isValid(); // not in Qt 6.8's Windows theme under Wine
    EXPECT_EQ(textColour("Text22"), style.color(themed ? QPalette::Link : QPalette::Text));
    EXPECT_EQ(textColour("Text42"), style.color(themed ? QPalette::Link : QPalette::Text));
    EXPECT_EQ(textColour("Text21"), style.color(QPalette::Text));
    EXPECT_EQ(labelColour("Label19"), style.color(themed ? QPalette::Link : QPalette::WindowText));
    EXPECT_EQ(labelColour("Label16"), style.color(QPalette::WindowText));
    // The light theme's highlight is too pale for text on the form: "Bread" is the same blue, darker.
    const QColor hour = labelColour("Label24");
    EXPECT_NEAR(hour.hsvHue(), style.color(QPalette::Highlight).hsvHue(), 3);
    EXPECT_LT(hour.value(), style.color(QPalette::Highlight).value());
}

// A cell is named for where it is; a heading, a button or a 24 hr label is spoken by what it shows
// and described by what that leaves unsaid.
TEST_F(PlannerWindow, TellsAScreenReaderWhichCellOrHeadingItIsOn)
{
    const std::array<testing::Spoken, 9> cases{{
        {"Text22", "Sunday, lunch, line 2", ""},
        {"Text40", "Thursday, breakfast, line 2", ""},
        {"Text21", "Saturday, dinner, line 1", ""},
        {"Label15", "", "Sunday, 24 hr"},
        {"Label24", "", "Saturday, 24 hr"},
        {"Label8", "    7:00 to 8:00", "Breakfast hours"},
        {"Label25", "Rice; Salad; Fruit; ", "Dinner, line 2"},
        {"Label1", "Sunday", ""},
        {"Command4", "C", "Clears the whole week: every cell and every 24 hr label"},
    }};
    testing::expectSpoken(*window, cases);
    EXPECT_EQ(toolkit::child<QWidget>(*window, "Command4")->toolTip(),
              "Clears the whole week: every cell and every 24 hr label");
}

TEST_F(PlannerWindow, SpeaksEach24HourLabelByWhatItShowsNow)
{
    const auto spokenLabels = [this] {
        QStringList names;
        for (const DayRow& row : WeeklyGrid)
            names << testing::spokenName(*toolkit::child<QLabel>(*window, toolkit::toQString(row.hourLabel)));
        return names;
    };
    const QStringList empty(7, QString());
    EXPECT_EQ(spokenLabels(), empty);
    click(*window, "Command3");
    EXPECT_EQ(spokenLabels(), QStringList(7, QStringLiteral("Bread")));
    click(*window, "Command4");
    EXPECT_EQ(spokenLabels(), empty);
    click(*window, "Command2");
    EXPECT_EQ(spokenLabels(), QStringList(7, QStringLiteral("Bread")));
}

} // namespace
} // namespace galvix::weekly_menu
