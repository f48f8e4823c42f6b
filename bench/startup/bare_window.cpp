// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor Galvix's start-up is measured against: what Qt itself costs to show a main window with
// the same menu bar, the same three status-bar panels and the same size and place, and nothing
// else (no icon, no style or font of its own, no settings, no clock, no central widget).

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare main window"));

    QMenu* galvixMenu = window.menuBar()->addMenu(QStringLiteral("&Galvix"));
    galvixMenu->addAction(QStringLiteral("&Weekly Menu"));
    galvixMenu->addAction(QStringLiteral("&Unit Calculator"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About "));

    // Texts as long as the status, date and time Galvix shows, written once.
    QStatusBar* bar = window.statusBar();
    auto* status = new QLabel(QStringLiteral("Status"), bar);
    auto* date = new QLabel(QStringLiteral("12/31/26"), bar);
    auto* time = new QLabel(QStringLiteral("12:00 PM"), bar);
    for (QLabel* panel : {status, date, time})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(status, 1);
    bar->addPermanentWidget(date);
    bar->addPermanentWidget(time);

    // Galvix's first-start placement with no window frame (as on a bare X server): 6500 twips
    // square at 1000 twips from the corner, 15 twips to the pixel.
    window.move(67, 67);
    window.resize(433, 433);
    window.show();
    return QApplication::exec();
}
