// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menus, status bar, the remembered placement, and closing the program.

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

#include "app/Module1.h"
#include "app/frmMain.h"
#include "platform/window_frame.h"
#include "support/accessibility.h"
#include "support/event_loop.h"
#include "support/memory_settings.h"
#include "support/scripted_source.h"
#include "support/test_platform.h"
#include "support/test_services.h"
#include "toolkit/child.h"
#include "toolkit/loaded_windows.h"
#include "toolkit/qt_text.h"
#include "weekly_menu/generators.h"

namespace galvix::app {
namespace {

using testing::flushDeletes;
using testing::MemorySettings;
using toolkit::LoadedWindows;

// Moves a shown window so that its frame as the system counts it stands at `where`. QWidget::move
// places the frame Qt draws, which on Windows lies inside the system's by the invisible borders.
void moveFrameTo(QWidget& window, QPoint where)
{
    const QWindow& handle = *window.windowHandle();
    window.move(where + handle.frameGeometry().topLeft() - platform::systemFrame(handle).topLeft());
}

// One run of the program against a given settings store: start, optionally act, close.
class ProgramRun {
public:
    ProgramRun(platform::SettingsStore& settings, weekly_menu::RandomSource& source)
        : m_window(new frmMain(testing::testServices(settings, source)))
    {
        m_window->showLoaded();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.data()));
    }
    ~ProgramRun() { close(); }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    frmMain& window() { return *m_window; }

    // The outer frame as the program reads it: from the platform window, whose frame margins follow
    // the window manager, not from QWidget's copy of them.
    // The frame as the system counts it, which is what the window stores.
    QRect outerFrame() const { return platform::systemFrame(*m_window->windowHandle()); }

    void close()
    {
        if (m_window)
            m_window->close();
        flushDeletes();
    }

private:
    QPointer<frmMain> m_window;
};

class MainWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        flushDeletes();
        ASSERT_EQ(LoadedWindows::instance().count(), 0) << "a test left a window loaded";
    }

    MemorySettings settings;
    weekly_menu::Mt19937Source source;
};

TEST_F(MainWindow, HasItsCaptionAndTheMenusInOrderWithTheirAccessKeys)
{
    ProgramRun run(settings, source);
    frmMain& window = run.window();
    EXPECT_EQ(window.windowTitle(), "Navorel Version 1.1 for Riviradu");

    const QList<QAction*> top = window.menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), "&Galvix");
    EXPECT_EQ(top[0]->menu()->objectName(), "mnuC");
    EXPECT_EQ(top[1]->text(), "&Help");
    EXPECT_EQ(top[1]->menu()->objectName(), "mnuHelp");

    const QList<QAction*> galvix = top[0]->menu()->actions();
    ASSERT_EQ(galvix.size(), 2);
    EXPECT_EQ(galvix[0]->objectName(), "mnuwm");
    EXPECT_EQ(galvix[0]->text(), "&Weekly Menu");
    EXPECT_EQ(galvix[1]->objectName(), "mnuUnit");
    EXPECT_EQ(galvix[1]->text(), "&Unit Calculator");

    const QList<QAction*> help = top[1]->menu()->actions();
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0]->objectName(), "mnuHelpAbout");
    EXPECT_EQ(help[0]->text(), "&About ") << "the caption keeps its trailing blank";
}

TEST_F(MainWindow, DrawsARuleInTheWindowBackgroundColourUnderTheMenuBar)
{
    ProgramRun run(settings, source);
    QWidget* client = run.window().centralWidget();
    const QImage image = client->grab().toImage();
    const QColor field = QApplication::palette().color(QPalette::Base);
    EXPECT_EQ(image.pixelColor(10, 0), field);
    EXPECT_EQ(image.pixelColor(300, 0), field);
    EXPECT_NE(image.pixelColor(10, 5), field) << "only the top row";
}

TEST_F(MainWindow, StatusBarShowsStatusTodaysDateAndTheTime)
{
    ProgramRun run(settings, source);
    const QStatusBar* bar = toolkit::child<QStatusBar>(run.window(), "sbStatusBar");
    ASSERT_NE(bar, nullptr);
    const auto* status = toolkit::child<QLabel>(*bar, "Panel1");
    EXPECT_EQ(status->text(), "Status");
    EXPECT_EQ(status->property("key").toString(), "Status");
    const auto* date = toolkit::child<QLabel>(*bar, "Panel2");
    const auto* time = toolkit::child<QLabel>(*bar, "Panel3");
    EXPECT_EQ(date->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_FALSE(time->text().isEmpty());
    EXPECT_GT(status->width(), date->width() + time->width()) << "the status panel takes the room left";
    EXPECT_LT(status->x(), date->x());
    EXPECT_LT(date->x(), time->x());
}

// A screen reader hears the menus with their blanks and each panel by what it shows at the moment.
TEST_F(MainWindow, SpeaksTheMenusAndThePanelsAsShown)
{
    ProgramRun run(settings, source);
    frmMain& window = run.window();
    EXPECT_EQ(testing::spokenMenuEntries(window),
              (QStringList{"Galvix", "Galvix > Weekly Menu", "Galvix > Unit Calculator", "Help", "Help > About "}));
    struct Panel {
        const char* name;
        QString description;
    };
    for (const Panel& panel : {Panel{"Panel1", ""}, Panel{"Panel2", "Today's date"}, Panel{"Panel3", "Current time"}}) {
        auto* label = window.findChild<QLabel*>(panel.name);
        ASSERT_NE(label, nullptr) << panel.name;
        EXPECT_EQ(testing::spokenName(*label), label->text()) << panel.name;
        EXPECT_EQ(testing::spokenDescription(*label), panel.description) << panel.name;
        label->setText(QStringLiteral("changed"));
        EXPECT_EQ(testing::spokenName(*label), "changed") << panel.name << " follows its text";
    }
}

TEST_F(MainWindow, FirstStartOpensAtTheDefaultPlacementAndSavesItUnchanged)
{
    {
        ProgramRun run(settings, source);
        const QRect outer = run.outerFrame();
        EXPECT_EQ(outer.topLeft(), QPoint(67, 67)) << "1000 twips";
        EXPECT_EQ(outer.size(), QSize(433, 433)) << "6500 twips";
    }
    EXPECT_EQ(settings.get(PlacementKeys.left), "1000");
    EXPECT_EQ(settings.get(PlacementKeys.top), "1000");
    EXPECT_EQ(settings.get(PlacementKeys.width), "6500");
    EXPECT_EQ(settings.get(PlacementKeys.height), "6500");
}

TEST_F(MainWindow, RestoresWhereTheCookLeftItAndThreeRestartsDoNotCreep)
{
    {
        ProgramRun run(settings, source);
        moveFrameTo(run.window(), {150, 90});
        run.window().resize(520, 380);
    }
    const std::array<std::string, 4> saved{settings.get(PlacementKeys.left), settings.get(PlacementKeys.top),
                                           settings.get(PlacementKeys.width), settings.get(PlacementKeys.height)};
    EXPECT_EQ(saved[0], "2250");
    EXPECT_EQ(saved[1], "1350");
    QRect geometryBefore;
    for (int restart = 0; restart < 3; ++restart) {
        ProgramRun run(settings, source);
        const QRect geometry = run.outerFrame();
        EXPECT_EQ(geometry.topLeft(), QPoint(150, 90));
        if (restart > 0) {
            EXPECT_EQ(geometry, geometryBefore);
        }
        geometryBefore = geometry;
        run.close();
        EXPECT_EQ(settings.get(PlacementKeys.left), saved[0]);
        EXPECT_EQ(settings.get(PlacementKeys.top), saved[1]);
        EXPECT_EQ(settings.get(PlacementKeys.width), saved[2]);
        EXPECT_EQ(settings.get(PlacementKeys.height), saved[3]);
    }
}

TEST_F(MainWindow, SavesTheOuterSizeIncludingTheFrame)
{
    {
        ProgramRun run(settings, source);
        run.window().resize(500, 400);
        const QRect outer = run.outerFrame();
        run.close();
        EXPECT_EQ(settings.get(PlacementKeys.width), std::to_string(outer.width() * 15));
        EXPECT_EQ(settings.get(PlacementKeys.height), std::to_string(outer.height() * 15));
    }
}

TEST_F(MainWindow, ClosingWhileMinimizedLeavesTheStoredPlacementAlone)
{
    settings.set(PlacementKeys.left, "1500");
    ProgramRun run(settings, source);
    run.window().move(300, 300);
    run.window().setWindowState(Qt::WindowMinimized);
    run.close();
    EXPECT_TRUE(settings.writes.empty());
    EXPECT_EQ(settings.get(PlacementKeys.left), "1500");
}

struct BadPlacement {
    const char* what;
    std::string_view key;
    const char* stored;
    QRect expected; // outer geometry in pixels
};

class MainWindowBadPlacement : public MainWindow, public ::testing::WithParamInterface<BadPlacement> {};

TEST_P(MainWindowBadPlacement, OpensWhereItCanBeSeenAndUsed)
{
    settings.set(GetParam().key, GetParam().stored);
    ProgramRun run(settings, source);
    EXPECT_EQ(run.outerFrame(), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Values, MainWindowBadPlacement,
    ::testing::Values(BadPlacement{"not a number", PlacementKeys.left, "left", {67, 67, 433, 433}},
                      BadPlacement{"infinite", PlacementKeys.top, "inf", {67, 67, 433, 433}},
                      BadPlacement{"too narrow", PlacementKeys.width, "30", {67, 67, 433, 433}},
                      BadPlacement{"no height", PlacementKeys.height, "0", {67, 67, 433, 433}},
                      BadPlacement{"off every screen", PlacementKeys.left, "1e9", {67, 67, 433, 433}},
                      BadPlacement{"above every screen", PlacementKeys.top, "-30000", {67, 67, 433, 433}}),
    [](const auto& param) { return std::string(param.param.key) + std::to_string(param.index); });

TEST_F(MainWindow, IsLoadedWindowZeroAndThePlannerComesNext)
{
    ProgramRun run(settings, source);
    run.window().mnuwm_Click();
    ASSERT_EQ(LoadedWindows::instance().count(), 2);
    EXPECT_EQ(LoadedWindows::instance().at(0), &run.window());
    EXPECT_EQ(LoadedWindows::instance().at(1), run.window().weeklyMenu().window());
}

TEST_F(MainWindow, ShowingThePlannerTwiceGivesTheSameWindowUnchanged)
{
    ProgramRun run(settings, source);
    run.window().mnuwm_Click();
    QPointer<weekly_menu::frmWeeklyMenu> first = run.window().weeklyMenu().window();
    first->Command1_Click();
    const QString breakfast = toolkit::child<QLineEdit>(*first, "Text1")->text();
    run.window().mnuwm_Click();
    EXPECT_EQ(run.window().weeklyMenu().window(), first.data());
    EXPECT_EQ(toolkit::child<QLineEdit>(*first, "Text1")->text(), breakfast);
    EXPECT_EQ(LoadedWindows::instance().count(), 2);
}

TEST_F(MainWindow, ThePlannerOpensEmptyAfterItWasClosedAndItsDrawsRunOn)
{
    ProgramRun run(settings, source);
    run.window().mnuwm_Click();
    QPointer<weekly_menu::frmWeeklyMenu> first = run.window().weeklyMenu().window();
    first->Command1_Click();
    first->close();
    flushDeletes();
    EXPECT_TRUE(first.isNull()) << "closing discards the window's controls";
    EXPECT_EQ(LoadedWindows::instance().count(), 1);

    run.window().mnuwm_Click();
    weekly_menu::frmWeeklyMenu* second = run.window().weeklyMenu().window();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(toolkit::child<QLineEdit>(*second, "Text1")->text().isEmpty());
    second->Command1_Click();

    weekly_menu::Mt19937Source reference;
    (void)weekly_menu::GenerateBreakfast(reference);
    EXPECT_EQ(toolkit::child<QLineEdit>(*second, "Text36")->text().toStdString(),
              weekly_menu::GenerateBreakfast(reference)[1].text)
        << "the second click uses values 22 to 42";
}

TEST_F(MainWindow, ClosingItClosesThePlannerAndEndsTheProgram)
{
    ProgramRun run(settings, source);
    run.window().mnuwm_Click();
    QPointer<weekly_menu::frmWeeklyMenu> planner = run.window().weeklyMenu().window();
    ASSERT_TRUE(planner->isVisible());
    run.close();
    EXPECT_TRUE(planner.isNull());
    EXPECT_EQ(LoadedWindows::instance().count(), 0);
    EXPECT_EQ(settings.get(PlacementKeys.left), "1000") << "closing still saves the placement";
}

TEST(Module1, MainShowsTheMainWindowAndRemembersItInTheSettingsStore)
{
    Module1::Main();
    QPointer<frmMain> window = Module1::mainWindow();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(LoadedWindows::instance().at(0), window.data());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.data()));
    moveFrameTo(*window, {200, 120});
    window->close();
    flushDeletes();
    EXPECT_TRUE(window.isNull());

    const auto stored = platform::openSettings(testing::testSettingsPlace(), SettingsApplication);
    const auto entry = [&stored](std::string_view key) {
        return stored->value(toolkit::toQString(std::string(SettingsSection) + '/' + std::string(key))).toString();
    };
    EXPECT_EQ(entry(PlacementKeys.left), "3000");
    EXPECT_EQ(entry(PlacementKeys.top), "1800");
    EXPECT_EQ(entry(PlacementKeys.width), "6500");
    EXPECT_EQ(programServices().settings.read(SettingsApplication, SettingsSection, PlacementKeys.height, "none"), "6500");
}

} // namespace
} // namespace galvix::app
