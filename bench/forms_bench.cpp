// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the main window's menu opens, offscreen and warm: constructing and showing each one
// up to its first paint, and each click handler of the planner and the calculator together with
// the repaint it causes. The counter "controls" is the number of controls the window's table has,
// so that windows of different sizes can be compared per control.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <array>
#include <memory>
#include <string_view>

#include "about/frmAbout.h"
#include "app/application.h"
#include "app/services.h"
#include "toolkit/child.h"
#include "toolkit/surface.h"
#include "unit_calculator/frmChiefGalvix.h"
#include "weekly_menu/frmWeeklyMenu.h"
#include "weekly_menu/random_source.h"

namespace {

using galvix::about::frmAbout;
using galvix::toolkit::Surface;
using galvix::unit_calculator::frmChiefGalvix;
using galvix::weekly_menu::frmWeeklyMenu;

// Handles every posted event, the pending repaints among them, as the event loop would next.
void settle() { QApplication::processEvents(); }

Surface& surfaceOf(QWidget& window) { return *galvix::toolkit::child<Surface>(window, QStringLiteral("surface")); }

void countControls(benchmark::State& state, QWidget& window)
{
    state.counters["controls"] = static_cast<double>(surfaceOf(window).form().controls.size());
}

// Builds a window, shows it and lets it paint; tearing it down is not timed.
template <class Make>
void openWindow(benchmark::State& state, Make make)
{
    for (auto _ : state) {
        std::unique_ptr<QWidget> window(make());
        window->show();
        settle();
        state.PauseTiming();
        countControls(state, *window);
        window.reset();
        settle();
        state.ResumeTiming();
    }
}

void BM_OpenPlanner(benchmark::State& state)
{
    galvix::weekly_menu::Mt19937Source source;
    openWindow(state, [&source] { return new frmWeeklyMenu(source); });
}
BENCHMARK(BM_OpenPlanner)->Unit(benchmark::kMillisecond);

void BM_OpenCalculator(benchmark::State& state)
{
    openWindow(state, [] { return new frmChiefGalvix; });
}
BENCHMARK(BM_OpenCalculator)->Unit(benchmark::kMillisecond);

// Shown modeless here: exec would wait for the user.
void BM_OpenAbout(benchmark::State& state)
{
    QWidget owner;
    openWindow(state, [&owner] { return new frmAbout(galvix::app::programServices().sysInfo, &owner); });
}
BENCHMARK(BM_OpenAbout)->Unit(benchmark::kMillisecond);

// One click handler on a shown window, and the repaint of what it changed. `prepare` runs untimed
// before each click, to give the handler something to do.
template <class Window, class Click, class Prepare>
void clickOn(benchmark::State& state, Window& window, Click click, Prepare prepare)
{
    window.show();
    settle();
    countControls(state, window);
    for (auto _ : state) {
        state.PauseTiming();
        prepare(window);
        settle();
        state.ResumeTiming();
        (window.*click)();
        settle();
    }
}

template <void (frmWeeklyMenu::*Click)()>
void BM_PlannerClick(benchmark::State& state)
{
    galvix::weekly_menu::Mt19937Source source;
    frmWeeklyMenu window(source);
    // "C" is timed on a full week; the generators fill the grid from whatever it holds.
    clickOn(state, window, Click, [](frmWeeklyMenu& planner) {
        if constexpr (Click == &frmWeeklyMenu::Command4_Click) {
            planner.Command1_Click();
            planner.Command2_Click();
            planner.Command3_Click();
        }
    });
}
BENCHMARK(BM_PlannerClick<&frmWeeklyMenu::Command1_Click>)->Name("BM_PlannerClick/Command1_Breakfast");
BENCHMARK(BM_PlannerClick<&frmWeeklyMenu::Command2_Click>)->Name("BM_PlannerClick/Command2_RiceSaladFruit");
BENCHMARK(BM_PlannerClick<&frmWeeklyMenu::Command3_Click>)->Name("BM_PlannerClick/Command3_MeatSoupVegetable");
BENCHMARK(BM_PlannerClick<&frmWeeklyMenu::Command4_Click>)->Name("BM_PlannerClick/Command4_Clear");

// Every field a cook types into, with a value each convertor and operator takes.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> Inputs{{
    {"Text1", "12.5"}, {"Text4", "3.25"}, {"Text7", "5"}, {"Text17", "4.5"}, {"Text11", "10"},
    {"Text13", "7.75"}, {"Text15", "2"}, {"Text9", "8"}, {"Text19", "20"}, {"Text21", "144"},
    {"Text22", "12"},
}};

// Types the inputs again and fills every result field, so that clears and conversions alike
// change what the window shows.
void fillCalculator(frmChiefGalvix& calculator)
{
    Surface& surface = surfaceOf(calculator);
    for (const auto& control : surface.form().controls) {
        if (control.kind == galvix::toolkit::ControlKind::TextBox)
            surface.textBox(control.name)->setText(QStringLiteral("0"));
    }
    for (const auto& [name, text] : Inputs)
        surface.textBox(name)->setText(galvix::toolkit::toQString(text));
}

template <void (frmChiefGalvix::*Click)()>
void BM_CalculatorClick(benchmark::State& state)
{
    frmChiefGalvix window;
    clickOn(state, window, Click, fillCalculator);
}
BENCHMARK(BM_CalculatorClick<&frmChiefGalvix::Command1_Click>)->Name("BM_CalculatorClick/Command1_ClearWeights");
BENCHMARK(BM_CalculatorClick<&frmChiefGalvix::Command2_Click>)->Name("BM_CalculatorClick/Command2_Weights");
BENCHMARK(BM_CalculatorClick<&frmChiefGalvix::Command3_Click>)->Name("BM_CalculatorClick/Command3_ClearLiquids");
BENCHMARK(BM_CalculatorClick<&frmChiefGalvix::Command4_Click>)->Name("BM_CalculatorClick/Command4_Liquids");
BENCHMARK(BM_CalculatorClick<&frmChiefGalvix::Command5_Click>)->Name("BM_CalculatorClick/Command5_Add");
BENCHMARK(BM_CalculatorClick<&frmChiefGalvix::Command6_Click>)->Name("BM_CalculatorClick/Command6_Subtract");
BENCHMARK(BM_CalculatorClick<&frmChiefGalvix::Command7_Click>)->Name("BM_CalculatorClick/Command7_Multiply");
BENCHMARK(BM_CalculatorClick<&frmChiefGalvix::Command8_Click>)->Name("BM_CalculatorClick/Command8_Divide");

} // namespace

// The application as the program sets it up (style, font, icon), offscreen, with a settings
// folder of its own.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication application(argc, argv);
    galvix::app::configureApplication(application);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
