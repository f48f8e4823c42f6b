// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_states.h"

#include <QLineEdit>

#include <array>

#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "toolkit/child.h"
#include "unit_calculator/frmChiefGalvix.h"
#include "weekly_menu/frmWeeklyMenu.h"

namespace galvix::tools {

namespace {

using weekly_menu::frmWeeklyMenu;

std::unique_ptr<QWidget> mainWindow(WindowServices& services)
{
    auto window = std::make_unique<app::frmMain>(services.all);
    window->Form_Load();
    return window;
}

// The planner after the given clicks, in order.
template <auto... Clicks>
std::unique_ptr<QWidget> planner(WindowServices& services)
{
    auto window = std::make_unique<frmWeeklyMenu>(services.source);
    (((*window).*Clicks)(), ...);
    return window;
}

std::unique_ptr<QWidget> emptyCalculator(WindowServices& /*services*/)
{
    return std::make_unique<unit_calculator::frmChiefGalvix>();
}

// A weight, every liquid measure and a division, each with its result.
std::unique_ptr<QWidget> calculatorAfterEachSection(WindowServices& services)
{
    auto window = emptyCalculator(services);
    auto& calculator = static_cast<unit_calculator::frmChiefGalvix&>(*window);
    const auto type = [&calculator](const char* field, const char* text) {
        toolkit::child<QLineEdit>(calculator, QString::fromLatin1(field))->setText(QString::fromLatin1(text));
    };
    type("Text1", "250");
    type("Text4", "12.5");
    for (const char* field : {"Text7", "Text17", "Text11", "Text13", "Text15", "Text9", "Text19"})
        type(field, "10");
    type("Text21", "1");
    type("Text22", "3");
    calculator.Command2_Click();
    calculator.Command4_Click();
    calculator.Command8_Click();
    return window;
}

std::unique_ptr<QWidget> aboutBox(WindowServices& services)
{
    return std::make_unique<about::frmAbout>(services.all.sysInfo, nullptr);
}

const std::array<WindowState, 9> States{{
    {"main-window", mainWindow},
    {"weekly-menu-empty", planner<>},
    {"weekly-menu-breakfast", planner<&frmWeeklyMenu::Command1_Click>},
    {"weekly-menu-meat-soup-vegetable", planner<&frmWeeklyMenu::Command1_Click, &frmWeeklyMenu::Command3_Click>},
    {"weekly-menu-full-week",
     planner<&frmWeeklyMenu::Command1_Click, &frmWeeklyMenu::Command3_Click, &frmWeeklyMenu::Command2_Click>},
    {"weekly-menu-cleared", planner<&frmWeeklyMenu::Command3_Click, &frmWeeklyMenu::Command4_Click>},
    {"unit-calculator-empty", emptyCalculator},
    {"unit-calculator", calculatorAfterEachSection},
    {"about", aboutBox},
}};

} // namespace

std::span<const WindowState> windowStates() { return States; }

} // namespace galvix::tools
