// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window checks themselves: each must report the fault it is there to find, and stay quiet
// about what is not one, or the window tests that rely on it prove nothing.

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStatusBar>
#include <QStyleOptionButton>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest-spi.h>

#include "support/accessibility.h"
#include "support/event_loop.h"
#include "support/window_fit.h"

namespace galvix {
namespace {

struct Arrangement {
    const char* what;
    std::function<void(QWidget& window)> arrange; // puts controls on a 300 by 200 window
    int expectedProblems;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Arrangement& value, std::ostream* out) { *out << value.what; }

template <class Control>
Control* place(QWidget& window, QRect geometry, const QString& name = {})
{
    auto* control = new Control(&window);
    control->setGeometry(geometry);
    control->setAccessibleName(name);
    return control;
}

TEST(WithoutAccessKeys, DropsTheMarkersAndKeepsBlanks)
{
    EXPECT_EQ(testing::withoutAccessKeys(QStringLiteral("&About ")), "About ");
    EXPECT_EQ(testing::withoutAccessKeys(QStringLiteral("&System Info...")), "System Info...");
    EXPECT_EQ(testing::withoutAccessKeys(QStringLiteral("Salt && Pepper")), "Salt & Pepper");
    EXPECT_EQ(testing::withoutAccessKeys(QStringLiteral("    7:00 to 8:00")), "    7:00 to 8:00");
}

class AccessibleNames : public ::testing::TestWithParam<Arrangement> {};

TEST_P(AccessibleNames, ReportsEachControlAListenerCouldNotIdentify)
{
    QWidget window;
    window.resize(300, 200);
    GetParam().arrange(window);
    const QStringList problems = testing::unnamedControls(window) + testing::controlsSpokenAlike(window);
    EXPECT_EQ(problems.size(), GetParam().expectedProblems) << problems.join(u'\n').toStdString();
    EXPECT_EQ(bool(testing::everyControlHasItsOwnName(window)), problems.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, AccessibleNames,
    ::testing::Values(
        Arrangement{"NamedFieldAndButtonPass",
                    [](QWidget& w) {
                        place<QLineEdit>(w, {0, 0, 100, 20}, QStringLiteral("Pounds, input"));
                        place<QPushButton>(w, {0, 30, 100, 20}, QStringLiteral("Clear the weights"));
                    },
                    0},
        Arrangement{"FieldWithoutNameFails",
                    [](QWidget& w) { place<QLineEdit>(w, {0, 0, 100, 20}); }, 1},
        Arrangement{"BlankNameFails",
                    [](QWidget& w) { place<QPushButton>(w, {0, 0, 100, 20}, QStringLiteral("  ")); }, 1},
        Arrangement{"ButtonIsNamedByItsCaption",
                    [](QWidget& w) { place<QPushButton>(w, {0, 0, 100, 20})->setText(QStringLiteral("C")); },
                    0},
        Arrangement{"DescriptionAloneTellsAFieldApart",
                    [](QWidget& w) {
                        place<QLineEdit>(w, {0, 0, 100, 20})->setAccessibleDescription(QStringLiteral("Pounds"));
                    },
                    0},
        Arrangement{"ControlInsideAFrameIsFound",
                    [](QWidget& w) {
                        auto* frame = place<QGroupBox>(w, {0, 0, 200, 100});
                        place<QLineEdit>(*frame, {10, 20, 100, 20});
                    },
                    1},
        Arrangement{"LabelTakesNoFocusAndNeedsNoName",
                    [](QWidget& w) { place<QLabel>(w, {0, 0, 100, 20}); }, 0},
        Arrangement{"ControlWithoutFocusIsPassedOver",
                    [](QWidget& w) { place<QLineEdit>(w, {0, 0, 100, 20})->setFocusPolicy(Qt::NoFocus); },
                    0},
        Arrangement{"HiddenControlIsPassedOver",
                    [](QWidget& w) { place<QLineEdit>(w, {0, 0, 100, 20})->hide(); }, 0},
        Arrangement{"DisabledControlIsPassedOver",
                    [](QWidget& w) { place<QLineEdit>(w, {0, 0, 100, 20})->setEnabled(false); }, 0},
        Arrangement{"TwoControlsWithOneNameFail",
                    [](QWidget& w) {
                        place<QPushButton>(w, {0, 0, 100, 20}, QStringLiteral("Calculate"));
                        place<QPushButton>(w, {0, 30, 100, 20}, QStringLiteral("Calculate"));
                    },
                    1},
        Arrangement{"OneCaptionWithTwoDescriptionsPasses",
                    [](QWidget& w) {
                        for (const char* what : {"Converts the weights", "Converts the liquids"}) {
                            auto* button = place<QPushButton>(w, {0, 0, 100, 20});
                            button->setText(QStringLiteral("Calculate"));
                            button->setAccessibleDescription(QString::fromLatin1(what));
                        }
                    },
                    0},
        Arrangement{"MenuEntryWithoutTextFails",
                    [](QWidget& w) {
                        auto* bar = new QMenuBar(&w);
                        QMenu* menu = bar->addMenu(QStringLiteral("&Galvix"));
                        menu->addAction(QStringLiteral("&Weekly Menu"));
                        menu->addSeparator();
                        menu->addAction(QString());
                    },
                    1}),
    [](const ::testing::TestParamInfo<Arrangement>& param) { return std::string(param.param.what); });

class CaptionNames : public ::testing::TestWithParam<Arrangement> {};

TEST_P(CaptionNames, ReportsEachCaptionedControlSpokenOtherwise)
{
    QWidget window;
    window.resize(300, 200);
    GetParam().arrange(window);
    const QStringList problems = testing::namesOtherThanCaptions(window);
    EXPECT_EQ(problems.size(), GetParam().expectedProblems) << problems.join(u'\n').toStdString();
    EXPECT_EQ(bool(testing::everyCaptionIsItsName(window)), problems.isEmpty());
}

template <class Control>
Control* captioned(QWidget& window, const QString& caption, const QString& name = {})
{
    auto* control = place<Control>(window, {0, 0, 200, 40}, name);
    if constexpr (std::is_same_v<Control, QGroupBox>)
        control->setTitle(caption);
    else
        control->setText(caption);
    return control;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CaptionNames,
    ::testing::Values(
        Arrangement{"CaptionsSpokenAsShownPass",
                    [](QWidget& w) {
                        captioned<QLabel>(w, QStringLiteral("    7:00 to 8:00"));
                        captioned<QLabel>(w, QStringLiteral("Rice; Salad; Fruit; "));
                        captioned<QPushButton>(w, QStringLiteral("&System Info..."));
                        captioned<QGroupBox>(w, QStringLiteral("Dry Store "));
                        auto* bar = new QMenuBar(&w);
                        bar->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About "));
                    },
                    0},
        Arrangement{"DescriptionLeavesTheNameAlone",
                    [](QWidget& w) {
                        captioned<QPushButton>(w, QStringLiteral("C"))
                            ->setAccessibleDescription(QStringLiteral("Clears the whole week"));
                    },
                    0},
        Arrangement{"ButtonNamedForItsActionFails",
                    [](QWidget& w) {
                        captioned<QPushButton>(w, QStringLiteral("C"), QStringLiteral("Clear the week"));
                    },
                    1},
        Arrangement{"TrimmedFrameTitleFails",
                    [](QWidget& w) { captioned<QGroupBox>(w, QStringLiteral("Dry Store "), QStringLiteral("Dry Store")); },
                    1},
        Arrangement{"LabelNamedBeforeItsTextChangedFails",
                    [](QWidget& w) {
                        captioned<QLabel>(w, {}, QStringLiteral("Sunday, 24 hr"))->setText(QStringLiteral("Bread"));
                    },
                    1},
        Arrangement{"StatusPanelNamedForWhatItHoldsFails",
                    [](QWidget& w) {
                        auto* bar = new QStatusBar(&w);
                        auto* panel = new QLabel(QStringLiteral("12/9/26"), bar);
                        panel->setAccessibleName(QStringLiteral("Date"));
                        bar->addPermanentWidget(panel);
                    },
                    1},
        Arrangement{"FieldHasNoCaptionToSpeak",
                    [](QWidget& w) { place<QLineEdit>(w, {0, 0, 100, 20}, QStringLiteral("Pounds to convert")); },
                    0}),
    [](const ::testing::TestParamInfo<Arrangement>& param) { return std::string(param.param.what); });

class WindowFit : public ::testing::TestWithParam<Arrangement> {};

TEST_P(WindowFit, ReportsEachCutCaptionAndEachControlOutside)
{
    QWidget window;
    window.resize(300, 200);
    GetParam().arrange(window);
    const QStringList problems = testing::clippedCaptions(window) + testing::controlsCutOff(window);
    EXPECT_EQ(problems.size(), GetParam().expectedProblems) << problems.join(u'\n').toStdString();
    EXPECT_EQ(bool(testing::everythingFits(window)), problems.isEmpty());
}

const QString LongCaption = QStringLiteral("Calculate meat/fish; soup; vegetable");

INSTANTIATE_TEST_SUITE_P(
    Checks, WindowFit,
    ::testing::Values(
        Arrangement{"RoomyButtonPasses",
                    [](QWidget& w) { place<QPushButton>(w, {0, 0, 250, 25})->setText(LongCaption); }, 0},
        Arrangement{"NarrowButtonFails",
                    [](QWidget& w) { place<QPushButton>(w, {0, 0, 60, 25})->setText(LongCaption); }, 1},
        Arrangement{"AccessKeyMarkerIsNotMeasured",
                    [](QWidget& w) {
                        auto* button = place<QPushButton>(w, {0, 0, 100, 25});
                        button->setText(QStringLiteral("&OK"));
                        // Room for "OK" and the style's border, not for a drawn "&".
                        QStyleOptionButton option;
                        option.initFrom(button);
                        const int border = 100
                                           - button->style()
                                                 ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                                 .width();
                        const int ok = button->fontMetrics().horizontalAdvance(QStringLiteral("OK"));
                        button->resize(border + ok + 1, 25);
                    },
                    0},
        Arrangement{"FlatButtonTooLowFails",
                    [](QWidget& w) { place<QPushButton>(w, {0, 0, 100, 6})->setText(QStringLiteral("OK")); }, 1},
        Arrangement{"WrappedLabelWithRoomForTwoLinesPasses",
                    [](QWidget& w) {
                        auto* label = place<QLabel>(w, {0, 0, 120, 60});
                        label->setWordWrap(true);
                        label->setText(LongCaption);
                    },
                    0},
        Arrangement{"WrappedLabelOneLineHighFails",
                    [](QWidget& w) {
                        auto* label = place<QLabel>(w, {0, 0, 120, 16});
                        label->setWordWrap(true);
                        label->setText(LongCaption);
                    },
                    1},
        Arrangement{"WordLongerThanWrappedLabelFails",
                    [](QWidget& w) {
                        auto* label = place<QLabel>(w, {0, 0, 30, 60});
                        label->setWordWrap(true);
                        label->setText(QStringLiteral("Wednesday"));
                    },
                    1},
        Arrangement{"UnwrappedLabelTooNarrowFails",
                    [](QWidget& w) { place<QLabel>(w, {0, 0, 60, 20})->setText(LongCaption); }, 1},
        Arrangement{"FramedLabelIndentIsCounted",
                    [](QWidget& w) {
                        auto* label = place<QLabel>(w, {0, 0, 0, 20});
                        label->setText(QStringLiteral("Status"));
                        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                        // Room for the text and the frame, but not for the indent a framed label adds.
                        const int text = label->fontMetrics().horizontalAdvance(label->text());
                        label->resize(text + 2 * label->frameWidth(), 20);
                    },
                    1},
        Arrangement{"EmptyLabelPasses", [](QWidget& w) { place<QLabel>(w, {0, 0, 1, 1}); }, 0},
        Arrangement{"FrameTitleLongerThanFrameFails",
                    [](QWidget& w) { place<QGroupBox>(w, {0, 0, 60, 80})->setTitle(LongCaption); }, 1},
        Arrangement{"FrameTitleWithRoomPasses",
                    [](QWidget& w) { place<QGroupBox>(w, {0, 0, 250, 80})->setTitle(QStringLiteral("Galley ")); },
                    0},
        Arrangement{"ControlPastTheRightEdgeFails",
                    [](QWidget& w) { place<QLineEdit>(w, {250, 0, 100, 20}); }, 1},
        Arrangement{"ControlAboveTheTopFails", [](QWidget& w) { place<QLineEdit>(w, {0, -5, 100, 20}); }, 1},
        Arrangement{"ControlTouchingTheCornerPasses",
                    [](QWidget& w) { place<QLineEdit>(w, {200, 180, 100, 20}); }, 0},
        Arrangement{"ControlReachingOutOfItsFrameFails",
                    [](QWidget& w) {
                        auto* frame = place<QGroupBox>(w, {0, 0, 100, 100});
                        place<QLineEdit>(*frame, {80, 20, 100, 20});
                    },
                    1},
        Arrangement{"FramePastTheWindowEdgeFails",
                    [](QWidget& w) {
                        auto* frame = place<QGroupBox>(w, {250, 0, 100, 100});
                        place<QLineEdit>(*frame, {10, 20, 50, 20});
                    },
                    1},
        Arrangement{"HiddenControlOutsideIsPassedOver",
                    [](QWidget& w) { place<QLineEdit>(w, {400, 0, 100, 20})->hide(); }, 0}),
    [](const ::testing::TestParamInfo<Arrangement>& param) { return std::string(param.param.what); });

} // namespace
} // namespace galvix

namespace galvix::testing {
namespace {

// Without the closing, a failed wait leaves exec() running until CTest's timeout; an exception
// thrown through Qt's event loop ends the whole test program.
TEST(WhenModal, EndsAModalWindowTheTestLeftOpenAndFails)
{
    const struct {
        std::function<void(QWidget*)> action;
        std::vector<std::string> failures;
    } cases[] = {
        {[](QWidget*) {}, {"a modal window was left open"}},
        {[](QWidget*) { throw std::runtime_error("no control Text9"); },
         {"the action threw: no control Text9", "a modal window was left open"}},
    };
    for (const auto& [action, failures] : cases) {
        ::testing::TestPartResultArray reported;
        {
            const ::testing::ScopedFakeTestPartResultReporter reporter(&reported);
            QDialog dialog;
            whenModal(action);
            dialog.exec();
        }
        ASSERT_EQ(reported.size(), static_cast<int>(failures.size()));
        for (std::size_t i = 0; i < failures.size(); ++i) {
            const std::string message = reported.GetTestPartResult(static_cast<int>(i)).message();
            EXPECT_NE(message.find(failures[i]), std::string::npos) << message;
        }
    }
}

} // namespace
} // namespace galvix::testing
