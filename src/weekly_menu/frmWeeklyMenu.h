// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner window: the week's grid of 42 cells and seven "24 hr" labels, the headings, the three
// generator buttons and "C", which empties the grid. It holds nothing but what its controls show.
// Print, Save as PDF and Copy take the week out of it, from the keyboard or the context menu.

#include <QWidget>

#include "toolkit/control_table.h"
#include "toolkit/surface.h"
#include "weekly_menu/generators.h"
#include "weekly_menu/menu_export.h"

namespace galvix::weekly_menu {

class MenuOutput;

// The window's controls and rules, in twips.
extern const toolkit::FormSpec WeeklyMenuForm;

class frmWeeklyMenu : public QWidget {
    Q_OBJECT

public:
    explicit frmWeeklyMenu(RandomSource& source, QWidget* parent = nullptr);

    void Command1_Click(); // breakfast
    void Command2_Click(); // rice, salad, fruit
    void Command3_Click(); // meat or fish, soup, vegetable
    void Command4_Click(); // clear

    // The controls by names known only at run time, such as the grid's.
    [[nodiscard]] toolkit::Surface* surface() const { return m_surface; }

    // What the cells and "24 hr" labels show now.
    [[nodiscard]] WeekMenu currentWeek() const;

    // Print, Save as PDF and Copy.
    [[nodiscard]] MenuOutput& output() const { return *m_output; }

private:
    // Writes each text into its control in order.
    void apply(const CellTexts& texts);

    RandomSource& m_source;
    toolkit::FormSurface<WeeklyMenuForm>* m_surface;
    MenuOutput* m_output;
};

} // namespace galvix::weekly_menu
