// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window driven as a user would: typing into its fields and clicking its buttons.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/frmMain.h"
#include "support/accessibility.h"
#include "support/event_loop.h"
#include "support/memory_settings.h"
#include "support/platform_fakes.h"
#include "support/tab_order.h"
#include "support/test_services.h"
#include "support/window_texts.h"
#include "toolkit/form_handle.h"
#include "unit_calculator/frmChiefGalvix.h"

namespace galvix::unit_calculator {
namespace {

using testing::FakeMessageBox;
using testing::flushDeletes;

using Fields = std::map<std::string, std::string>;

class CalculatorWindow : public ::testing::Test {
protected:
    void SetUp() override { m_window.show(); }

    QLineEdit* field(const std::string& name) { return toolkit::child<QLineEdit>(m_window, QString::fromStdString(name)); }

    void type(const Fields& texts)
    {
        for (const auto& [name, text] : texts) {
            field(name)->clear();
            QTest::keyClicks(field(name), QString::fromStdString(text));
        }
    }

    void click(const char* button) { testing::click(m_window, button); }

    // The texts of the named fields, for comparing with what a click should have left.
    Fields texts(const Fields& names)
    {
        Fields result;
        for (const auto& entry : names)
            result[entry.first] = field(entry.first)->text().toStdString();
        return result;
    }

    FakeMessageBox m_messages;
    frmChiefGalvix m_window{m_messages};
};

TEST_F(CalculatorWindow, WeightCalculateConvertsEachRowFromTheTextJustWritten)
{
    type({{"Text1", "1"}, {"Text2", "999"}, {"Text4", "1"}});
    const Fields expected{{"Text2", "0.453"}, {"Text3", "453"}, {"Text5", "2.204"}, {"Text6", "35.264"}};
    click("Command2");
    EXPECT_EQ(texts(expected), expected);
    click("Command2");
    EXPECT_EQ(texts(expected), expected);

    type({{"Text1", ""}, {"Text4", ""}});
    click("Command2");
    EXPECT_EQ(texts(expected), (Fields{{"Text2", "0"}, {"Text3", "0"}, {"Text5", "0"}, {"Text6", "0"}}));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(CalculatorWindow, LiquidCalculateConvertsEveryRow)
{
    for (const char* input : {"Text7", "Text17", "Text11", "Text13", "Text15", "Text9", "Text19"})
        type({{input, "10"}});
    const Fields expected{{"Text8", "37.8541"}, {"Text18", "45.4609"}, {"Text12", "10.5668870743"},
                          {"Text14", "2.6417217686"}, {"Text16", "11.365225"}, {"Text10", "9.463525"},
                          {"Text20", "2.199692483"}};
    click("Command4");
    EXPECT_EQ(texts(expected), expected);
}

TEST_F(CalculatorWindow, OperatorButtonsCalculateWithTheTwoOperands)
{
    type({{"Text21", "7"}, {"Text22", "2"}});
    const std::vector<std::pair<const char*, std::string>> results{
        {"Command5", "9"}, {"Command6", "5"}, {"Command7", "14"}, {"Command8", "3.5"}};
    for (const auto& [button, expected] : results) {
        click(button);
        EXPECT_EQ(field("Text23")->text().toStdString(), expected) << button;
    }
}

struct FailingClick {
    const char* title;
    Fields typed;
    const char* button;
    Fields after; // every field the click may touch, with the text it must hold afterwards
    const char* error;

    friend void PrintTo(const FailingClick& failing, std::ostream* out) { *out << failing.error; }
};

class CalculatorWindowFailure : public CalculatorWindow, public ::testing::WithParamInterface<FailingClick> {};

TEST_P(CalculatorWindowFailure, StopsAtTheFailingStepAndNamesTheError)
{
    const FailingClick& failing = GetParam();
    type(failing.typed);
    click(failing.button);
    EXPECT_EQ(texts(failing.after), failing.after);
    ASSERT_EQ(m_messages.shown.size(), 1U);
    EXPECT_NE(m_messages.shown.front().find(failing.error), std::string::npos) << m_messages.shown.front();

    // The window goes on working.
    type({{"Text21", "7"}, {"Text22", "2"}});
    click("Command5");
    EXPECT_EQ(field("Text23")->text(), QStringLiteral("9"));
}

INSTANTIATE_TEST_SUITE_P(All, CalculatorWindowFailure, ::testing::Values(
    FailingClick{"DivideByEmpty", {{"Text21", "5"}, {"Text23", "old"}}, "Command8", {{"Text23", "old"}}, "Division by zero"},
    FailingClick{"DivideByZero", {{"Text21", "5"}, {"Text22", "0"}, {"Text23", "old"}}, "Command8",
                 {{"Text23", "old"}}, "Division by zero"},
    FailingClick{"DivideEmptyByEmpty", {{"Text23", "old"}}, "Command8", {{"Text23", "old"}}, "Overflow"},
    FailingClick{"ProductTooLarge", {{"Text21", "1E308"}, {"Text22", "10"}, {"Text23", "old"}}, "Command7",
                 {{"Text23", "old"}}, "Overflow"},
    FailingClick{"WeightThirdStep",
                 {{"Text1", "1"}, {"Text4", "1e400"}, {"Text5", "old5"}, {"Text6", "old6"}}, "Command2",
                 {{"Text2", "0.453"}, {"Text3", "453"}, {"Text5", "old5"}, {"Text6", "old6"}}, "Overflow"},
    FailingClick{"WeightSecondStep",
                 {{"Text1", "1e306"}, {"Text3", "old3"}, {"Text4", "1"}, {"Text5", "old5"}}, "Command2",
                 {{"Text2", "4.53E+305"}, {"Text3", "old3"}, {"Text5", "old5"}, {"Text6", ""}}, "Overflow"},
    FailingClick{"LiquidSecondRow",
                 {{"Text7", "1"}, {"Text17", "1e308"}, {"Text18", "old18"}, {"Text11", "1"}, {"Text12", "old12"}},
                 "Command4", {{"Text8", "3.78541"}, {"Text18", "old18"}, {"Text12", "old12"}}, "Overflow"}),
    [](const ::testing::TestParamInfo<FailingClick>& param) { return std::string(param.param.title); });

TEST_F(CalculatorWindow, ClearButtonsEmptyExactlyTheirFields)
{
    Fields weight;
    Fields liquidAndCalculator;
    for (int i = 1; i <= 23; ++i)
        (i <= 6 ? weight : liquidAndCalculator)["Text" + std::to_string(i)] = "x" + std::to_string(i);

    const auto emptied = [](Fields fields) {
        for (auto& entry : fields)
            entry.second.clear();
        return fields;
    };
    type(weight);
    type(liquidAndCalculator);
    click("Command1");
    EXPECT_EQ(texts(weight), emptied(weight));
    EXPECT_EQ(texts(liquidAndCalculator), liquidAndCalculator);

    type(weight);
    click("Command3");
    EXPECT_EQ(texts(weight), weight);
    EXPECT_EQ(texts(liquidAndCalculator), emptied(liquidAndCalculator));
}

TEST_F(CalculatorWindow, TabOrderFollowsTheTabIndexes)
{
    const QStringList expected{
        "Text1",  "Text2",  "Text3",  "Command1", "Command2", "Text4",  "Text5",  "Text6",
        "Command3", "Command4", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12",
        "Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20",
        "Text21", "Text22", "Command5", "Text23", "Command6", "Command7", "Command8"};
    EXPECT_EQ(testing::focusChain(m_window, field("Text1")), expected);
}

// Fields are named for the quantity they hold; buttons and unit labels are spoken by their captions
// and described by what those leave unsaid. Every field and button sounds different.
TEST_F(CalculatorWindow, EveryFieldAndButtonCanBeToldApartByEar)
{
    std::map<std::pair<QString, QString>, QString> owners;
    for (QWidget* widget : m_window.findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        const auto speech = std::pair(testing::spokenName(*widget), testing::spokenDescription(*widget));
        EXPECT_FALSE(speech.first.isEmpty()) << widget->objectName().toStdString();
        const auto [owner, added] = owners.emplace(speech, widget->objectName());
        EXPECT_TRUE(added) << speech.first.toStdString() << " names " << owner->second.toStdString() << " and "
                           << widget->objectName().toStdString();
    }
    EXPECT_EQ(owners.size(), 31U);
}

TEST_F(CalculatorWindow, SpeaksTheWeightRowsAndTheOperatorsAsShownWithWhatTheyMean)
{
    const std::array<testing::Spoken, 10> cases{{
        {"Text1", "Pounds to convert", ""},
        {"Label1", "lb  =  ", "Pounds"},
        {"Text2", "Kilograms from pounds", ""},
        {"Label2", "Kg  = ", "Kilograms"},
        {"Label3", "g", "Grams"},
        {"Command1", "C", "Clears the six weight fields"},
        {"Command2", "Calculate", "Converts both weight rows"},
        {"Command5", "+", "Adds the two numbers"},
        {"Label12", "QT (USA)", "US quarts"},
        {"Frame4", "Cold Room (Vegetable: +5 degree) ", ""},
    }};
    testing::expectSpoken(m_window, cases);
    EXPECT_EQ(toolkit::child<QWidget>(m_window, "Command5")->toolTip(), "Adds the two numbers");
}

// Word wrap may break a heading over the lines its label has room for; trailing blanks may run over.
TEST_F(CalculatorWindow, EveryCaptionFitsItsControlInTheApplicationFont)
{
    for (QWidget* widget : m_window.findChildren<QWidget*>()) {
        QString caption;
        int margin = 0;
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            caption = label->text();
        } else if (const auto* button = qobject_cast<QPushButton*>(widget)) {
            caption = button->text();
            margin = 4;
        } else if (const auto* frame = qobject_cast<QGroupBox*>(widget)) {
            caption = frame->title();
            margin = 8;
        } else {
            continue;
        }
        const QFontMetrics metrics(widget->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, widget->width() - margin, 10000),
                                                  Qt::TextWordWrap, caption.trimmed());
        EXPECT_LE(needed.width(), widget->width() - margin) << widget->objectName().toStdString();
        EXPECT_LE(needed.height(), widget->height()) << widget->objectName().toStdString();
    }
}

TEST_F(CalculatorWindow, ResizingMovesNoControl)
{
    const QRect before = field("Text23")->geometry();
    m_window.resize(m_window.width() / 2, m_window.height() * 2);
    QApplication::processEvents();
    EXPECT_EQ(field("Text23")->geometry(), before);
}

TEST(CalculatorWindowLifetime, ShowsOneInstanceAndClosingDiscardsTheFields)
{
    FakeMessageBox messages;
    toolkit::FormHandle<frmChiefGalvix> handle{[&messages] { return new frmChiefGalvix(messages); }};
    frmChiefGalvix* first = handle.show();
    EXPECT_EQ(handle.show(), first);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Galvix Inventory"));
    QTest::keyClicks(toolkit::child<QLineEdit>(*first, QStringLiteral("Text1")), QStringLiteral("12"));

    first->close();
    flushDeletes();
    EXPECT_FALSE(handle.isLoaded());
    frmChiefGalvix* second = handle.show();
    EXPECT_TRUE(toolkit::child<QLineEdit>(*second, QStringLiteral("Text1"))->text().isEmpty());
    second->close();
    flushDeletes();
}

// The window's own message box: modal, titled with the application's title, closed here by OK.
TEST(CalculatorWindowLifetime, ShowsTheErrorInAMessageBoxTitledGalvix)
{
    frmChiefGalvix window;
    window.show();
    QString title;
    QString text;
    testing::whenModal([&title, &text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << "no message box came up";
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    testing::click(window, "Command8");
    EXPECT_EQ(title, QStringLiteral("Galvix"));
    EXPECT_TRUE(text.contains(QStringLiteral("Overflow"))) << text.toStdString();
    EXPECT_TRUE(toolkit::child<QLineEdit>(window, QStringLiteral("Text23"))->text().isEmpty());
}

TEST(CalculatorWindowLifetime, TheMainMenuOpensASingleCalculatorThatClosesWithTheMainWindow)
{
    testing::MemorySettings settings;
    weekly_menu::Mt19937Source source;
    auto* main = new app::frmMain(testing::testServices(settings, source));
    main->showLoaded();
    auto* unit = toolkit::child<QAction>(*main, QStringLiteral("mnuUnit"));
    ASSERT_NE(unit, nullptr);
    unit->trigger();
    unit->trigger();

    std::vector<QWidget*> calculators;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("frmChiefGalvix") && window->isVisible())
            calculators.push_back(window);
    }
    ASSERT_EQ(calculators.size(), 1U);
    EXPECT_EQ(calculators.front()->windowTitle(), QStringLiteral("Galvix Inventory"));
    QPointer<QWidget> calculator = calculators.front();
    main->close();
    flushDeletes();
    EXPECT_TRUE(calculator.isNull());
}

} // namespace
} // namespace galvix::unit_calculator
