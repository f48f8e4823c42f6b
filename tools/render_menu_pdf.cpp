// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the planner's week as the PDF that Save as PDF makes, for review and for the README:
//   render_menu_pdf <output file>
// The week is the one the three generators plan after a start; run it with QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QStringList>

#include <cstdio>

#include "app/application.h"
#include "weekly_menu/frmWeeklyMenu.h"
#include "weekly_menu/menu_output.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    galvix::app::configureApplication(application);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: render_menu_pdf <output file>\n");
        return 2;
    }

    galvix::weekly_menu::Mt19937Source source;
    galvix::weekly_menu::frmWeeklyMenu planner(source);
    planner.Command1_Click();
    planner.Command3_Click();
    planner.Command2_Click();

    const QString html = QString::fromStdString(galvix::weekly_menu::weekAsHtml(planner.currentWeek()));
    QString error;
    if (!galvix::weekly_menu::writeWholeFile(arguments.at(1), galvix::weekly_menu::weekAsPdf(html), error)) {
        std::fprintf(stderr, "could not write %s: %s\n", qPrintable(arguments.at(1)), qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(arguments.at(1)));
    return 0;
}
