// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows built from tables: geometry in twips, tab order, and rules beneath the controls.

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "toolkit/surface.h"
#include "toolkit/twips.h"

namespace galvix::toolkit {
namespace {

TEST(Twips, FifteenToAPixelRoundedToTheNearest)
{
    const std::array<std::pair<int, int>, 8> cases{
        {{0, 0}, {7, 0}, {8, 1}, {15, 1}, {1000, 67}, {6500, 433}, {-7, 0}, {-8, -1}}};
    for (const auto& [twips, pixels] : cases)
        EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
}

// Controls listed out of tab order, with a label and a frame that must take no focus.
constexpr std::array<ControlSpec, 5> Controls{{
    {ControlKind::TextBox, "Second", {}, 1500, 150, 1500, 375, 2, {}, {}, "Second field"},
    {ControlKind::Label, "Caption", "Under", 0, 0, 3000, 600, NoTabStop, {}, {}, "Beneath the buttons"},
    {ControlKind::CommandButton, "First", "&Go", 150, 150, 1200, 375, 1, {}, {}, "Starts"},
    {ControlKind::Frame, "Box", "Store ", 0, 1500, 3000, 1500, 0},
    {ControlKind::TextBox, "Third", {}, 150, 1050, 1500, 375, 7, SystemColour::Desktop},
}};
constexpr std::array<LineSpec, 2> Lines{{
    {"Rule", 0, 1200, 4500, 1200},
    {"White", 0, 1350, 4500, 1350, Colour::fromRgb(255, 255, 255), 2},
}};
constexpr FormSpec Form{"Sample", 4500, 3000, Controls, Lines};

TEST(Surface, BuildsEachControlByNameAtItsTwipsPosition)
{
    const Surface surface(Form);
    EXPECT_EQ(surface.size(), QSize(300, 200));
    EXPECT_EQ(surface.textBox("Second")->geometry(), QRect(100, 10, 100, 25));
    EXPECT_EQ(surface.button("First")->text(), "&Go");
    EXPECT_EQ(surface.label("Caption")->text(), "Under");
    EXPECT_EQ(surface.control("Box")->focusPolicy(), Qt::NoFocus);
    // The desktop colour is the theme's Link, or the field's own text colour where the theme has
    // none (Qt 6.8's Windows theme under Wine).
    const QPalette& theme = QApplication::palette();
    const QPalette::ColorRole desktop = theme.color(QPalette::Link).isValid() ? QPalette::Link : QPalette::Text;
    EXPECT_EQ(surface.textBox("Third")->palette().color(QPalette::Text), theme.color(desktop));
}

// What the windows' clicks rely on: a text goes into a text box or a label alike and a long one
// shows from its start.
TEST(Surface, ReadsAndWritesTheTextOfTextBoxesAndLabels)
{
    Surface surface(Form);
    const std::string longText(200, 'x');
    const std::array<std::pair<const char*, std::string>, 4> cases{
        {{"Second", "12.5 kg"}, {"Caption", "Bread"}, {"Third", longText}, {"Second", ""}}};
    for (const auto& [name, text] : cases) {
        surface.setControlText(name, text);
        EXPECT_EQ(surface.controlText(name), text) << name;
    }
    EXPECT_EQ(surface.textBox("Third")->cursorPosition(), 0);
}

// A name looked up at run time that the window does not hold, as that kind or at all, is a fault
// in the caller: it is reported with the name instead of being passed over.
TEST(Surface, ThrowsNamingAControlItDoesNotHold)
{
    Surface surface(Form);
    delete surface.textBox("Third");
    const std::array<std::pair<const char*, std::function<void()>>, 5> cases{{
        {"Missing", [&] { (void)surface.control("Missing"); }},
        {"Caption", [&] { (void)surface.textBox("Caption"); }},
        {"First", [&] { surface.setControlText("First", "Stop"); }},
        {"First", [&] { (void)surface.controlText("First"); }},
        {"Third", [&] { surface.setControlText("Third", "gone"); }},
    }};
    for (const auto& [name, lookUp] : cases) {
        try {
            lookUp();
            ADD_FAILURE() << name << " did not throw";
        } catch (const MissingControl& error) {
            EXPECT_NE(std::string(error.what()).find('"' + std::string(name) + '"'), std::string::npos)
                << error.what();
        }
    }
    EXPECT_EQ(surface.button("First")->text(), "&Go");
}

// A text box is named by the table; a captioned control is spoken by its caption and described by
// the table, and a button shows its description as its tooltip.
TEST(Surface, NamesFieldsAndDescribesCaptionedControls)
{
    Surface surface(Form);
    struct Expected {
        const char* control;
        QString name;
        QString description;
        QString toolTip;
    };
    const std::array<Expected, 5> cases{{
        {"Second", "Second field", "", ""},
        {"Third", "", "", ""},
        {"Caption", "Under", "Beneath the buttons", ""},
        {"First", "Go", "Starts", "Starts"},
        {"Box", "Store ", "", ""},
    }};
    for (const Expected& expected : cases) {
        QWidget* control = surface.control(expected.control);
        ASSERT_NE(control, nullptr) << expected.control;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr) << expected.control;
        EXPECT_EQ(accessible->text(QAccessible::Name), expected.name) << expected.control;
        EXPECT_EQ(accessible->text(QAccessible::Description), expected.description) << expected.control;
        EXPECT_EQ(control->toolTip(), expected.toolTip) << expected.control;
    }
    EXPECT_TRUE(surface.button("First")->accessibleName().isEmpty()) << "the caption names the button";
}

TEST(Surface, ChainsFocusByTabIndexWhateverTheTableOrder)
{
    Surface surface(Form);
    surface.show();
    surface.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&surface));
    surface.button("First")->setFocus();
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (QStringList{"First", "Second", "Third"}));
}

TEST(Surface, PaintsRulesInTheirColoursBeneathTheControls)
{
    Surface surface(Form);
    surface.show();
    const QImage image = surface.grab().toImage();
    const QColor line = QApplication::palette().color(QPalette::WindowText);
    EXPECT_EQ(image.pixelColor(250, 80), line) << "a rule on the bare surface";
    EXPECT_EQ(image.pixelColor(250, 89), QColor(Qt::white)) << "the white rule";
    EXPECT_EQ(image.pixelColor(250, 90), QColor(Qt::white)) << "two pixels wide";
    EXPECT_NE(image.pixelColor(50, 80), line) << "the text box lies over the rule";
}

} // namespace
} // namespace galvix::toolkit
