// Writes a PNG of every window in the states worth looking at, for review and for the README:
//   render_windows <output folder> [theme]
// Run it offscreen (QT_QPA_PLATFORM=offscreen) or under Xvfb for a window manager's frame. The
// theme is the desktop's own unless one of the test themes is named (QtLight, AdwaitaDark,
// HighContrast, HighContrastInverse, ...); the desktop's may also be chosen as the program would
// meet it, say QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark under xvfb-run.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <string>

#include "about/frmAbout.h"
#include "app/application.h"
#include "app/frmMain.h"
#include "platform/memory_settings_store.h"
#include "support/theme_palettes.h"
#include "unit_calculator/frmChiefGalvix.h"
#include "weekly_menu/frmWeeklyMenu.h"

namespace {


bool save(QWidget& window, const QDir& folder, const QString& name)
{
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    galvix::app::configureApplication(application);
    const QStringList arguments = QApplication::arguments();
    const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("."));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    if (arguments.size() > 2) {
        const QString wanted = arguments.at(2);
        bool found = false;
        for (const galvix::testing::ThemePalette& theme : galvix::testing::themePalettes()) {
            if (wanted == QLatin1String(theme.name)) {
                QApplication::setPalette(theme.palette);
                found = true;
            }
        }
        if (!found) {
            std::fprintf(stderr, "no theme named %s\n", qPrintable(wanted));
            return 1;
        }
    }

    bool ok = true;
    galvix::platform::MemorySettingsStore settings; // never the user's own
    galvix::weekly_menu::Mt19937Source source;
    galvix::app::frmMain mainWindow(settings, source);
    mainWindow.Form_Load();
    ok &= save(mainWindow, folder, QStringLiteral("main-window"));

    galvix::weekly_menu::frmWeeklyMenu planner(source);
    ok &= save(planner, folder, QStringLiteral("weekly-menu-empty"));
    planner.Command1_Click();
    ok &= save(planner, folder, QStringLiteral("weekly-menu-breakfast"));
    planner.Command3_Click();
    ok &= save(planner, folder, QStringLiteral("weekly-menu-meat-soup-vegetable"));
    planner.Command2_Click();
    ok &= save(planner, folder, QStringLiteral("weekly-menu-full-week"));

    galvix::unit_calculator::frmChiefGalvix calculator;
    ok &= save(calculator, folder, QStringLiteral("unit-calculator-empty"));
    const auto type = [&calculator](const char* field, const char* text) {
        calculator.findChild<QLineEdit*>(QString::fromLatin1(field))->setText(QString::fromLatin1(text));
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
    ok &= save(calculator, folder, QStringLiteral("unit-calculator"));

    galvix::about::frmAbout about(&mainWindow);
    ok &= save(about, folder, QStringLiteral("about"));
    return ok ? 0 : 1;
}
