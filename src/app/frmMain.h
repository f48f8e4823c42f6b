// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the program's only menu bar, from which the planner, the unit calculator and the
// About box are opened, a status bar with the date and time, and a placement that is remembered
// between runs. Closing it closes every other window and ends the program.

#include <QMainWindow>
#include <QRect>
#include <QTimer>

#include <functional>

#include "about/frmAbout.h"
#include "app/placement.h"
#include "app/services.h"
#include "toolkit/form_handle.h"
#include "unit_calculator/frmChiefGalvix.h"
#include "weekly_menu/frmWeeklyMenu.h"

class QLabel;

namespace galvix::app {

// The window's title, client size and the rule under its menu bar, in twips.
extern const toolkit::FormSpec MainForm;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(const Services& services, QWidget* parent = nullptr);

    // Enters the loaded-window list as index 0, runs Form_Load and shows the window.
    void showLoaded();

    void Form_Load();
    void mnuwm_Click();
    void mnuUnit_Click();
    void mnuHelpAbout_Click();

    // The single-instance secondary windows.
    [[nodiscard]] toolkit::FormHandle<weekly_menu::frmWeeklyMenu>& weeklyMenu() { return m_weeklyMenu; }

    // What the window would save now: its outer edges and size in twips.
    [[nodiscard]] Placement currentPlacement() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Form_Unload();
    void buildMenus();
    void buildStatusBar();
    void refreshClock();
    void applyPlacement(const Placement& placement);
    void settleOuterSize();
    [[nodiscard]] PixelFrame clientArea() const;
    [[nodiscard]] PixelFrame currentFrame() const;

    Services m_services;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    QTimer m_clock;
    toolkit::FormHandle<weekly_menu::frmWeeklyMenu> m_weeklyMenu;
    toolkit::FormHandle<unit_calculator::frmChiefGalvix> m_unitCalculator{
        [] { return new unit_calculator::frmChiefGalvix; }};
    toolkit::FormHandle<about::frmAbout> m_about;

    // The placement read at load and the frame it was applied as, so that a window the user did not
    // move or resize saves exactly what it read.
    Placement m_restored = DefaultPlacement;
    PixelFrame m_appliedFrame;
    // Whether the client area has been fitted to the outer size, which needs the window manager's
    // frame; until then the client area has the whole outer size.
    bool m_outerSizeSettled = false;
};

} // namespace galvix::app
