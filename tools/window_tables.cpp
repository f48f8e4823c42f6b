// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the planner's, the calculator's and the About box's tables, the planner's day rows with
// their cells, every window's title, the twips to a pixel and where the main window's placement is
// stored as JSON, for the suites that drive the program from outside to find the controls and the
// settings by: one copy of each fact, the program's.
//   window_tables <file.json>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "app/placement.h"
#include "platform/application_info.h"
#include "platform/system.h"
#include "toolkit/qt_text.h"
#include "toolkit/twips.h"
#include "unit_calculator/frmChiefGalvix.h"
#include "weekly_menu/frmWeeklyMenu.h"
#include "weekly_menu/weekly_grid.h"

namespace {

using galvix::toolkit::ControlKind;
using galvix::toolkit::ControlSpec;
using galvix::toolkit::FormSpec;
using galvix::toolkit::toQString;

QString kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
        return QStringLiteral("TextBox");
    case ControlKind::Label:
        return QStringLiteral("Label");
    case ControlKind::CommandButton:
        return QStringLiteral("CommandButton");
    case ControlKind::Frame:
        break;
    }
    return QStringLiteral("Frame");
}

// The controls in the table's order: name, kind, caption, rectangle in twips (left, top, width,
// height) and tab index (-1 for none).
QJsonArray controls(const FormSpec& form)
{
    QJsonArray table;
    for (const ControlSpec& control : form.controls) {
        table.append(QJsonObject{{"name", toQString(control.name)},
                                 {"kind", kindName(control.kind)},
                                 {"caption", toQString(control.caption)},
                                 {"rect", QJsonArray{control.left, control.top, control.width, control.height}},
                                 {"tabIndex", control.tabIndex}});
    }
    return table;
}

QJsonArray days()
{
    QJsonArray rows;
    for (const galvix::weekly_menu::DayRow& row : galvix::weekly_menu::WeeklyGrid) {
        rows.append(QJsonObject{{"day", toQString(row.day)},
                                {"dayLabel", toQString(row.dayLabel)},
                                {"hourLabel", toQString(row.hourLabel)},
                                {"breakfast",
                                 QJsonArray{toQString(row.breakfastLine1), toQString(row.breakfastLine2)}},
                                {"lunch", QJsonArray{toQString(row.lunchLine1), toQString(row.lunchLine2)}},
                                {"dinner", QJsonArray{toQString(row.dinnerLine1), toQString(row.dinnerLine2)}}});
    }
    return rows;
}

// The placement's keys in the order they are read and written, its section and application, and,
// where the system keeps settings in its registry (Windows), the key of that section.
QJsonObject settings()
{
    const auto& keys = galvix::app::PlacementKeys;
    const QString application = toQString(galvix::app::SettingsApplication);
    const QString section = toQString(galvix::app::SettingsSection);
    const QJsonArray keyNames{toQString(keys.left), toQString(keys.top), toQString(keys.width), toQString(keys.height)};
    QJsonObject settings{{"application", application}, {"section", section}, {"keys", keyNames}};
    if (const galvix::platform::SettingsPlace place = galvix::platform::userSettingsPlace();
        place.format == QSettings::NativeFormat)
        settings.insert("registryKey", place.root + '\\' + application + '\\' + section);
    return settings;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_tables <file.json>\n");
        return 2;
    }
    const QJsonObject titles{{"main", toQString(galvix::app::MainForm.caption)},
                             {"planner", toQString(galvix::weekly_menu::WeeklyMenuForm.caption)},
                             {"calculator", toQString(galvix::unit_calculator::ChiefGalvixForm.caption)},
                             {"about", toQString(galvix::about::AboutForm.caption)},
                             {"message", toQString(galvix::platform::ApplicationTitle)}};
    const QJsonObject tables{{"twipsPerPixel", galvix::toolkit::TwipsPerPixel},
                             {"titles", titles},
                             {"planner", controls(galvix::weekly_menu::WeeklyMenuForm)},
                             {"plannerDays", days()},
                             {"calculator", controls(galvix::unit_calculator::ChiefGalvixForm)},
                             {"about", controls(galvix::about::AboutForm)},
                             {"settings", settings()}};
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(QJsonDocument(tables).toJson()) < 0 || !file.flush()) {
        std::fprintf(stderr, "window_tables: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
