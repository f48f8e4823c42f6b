// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a PNG of every window in the states worth looking at, for review and for the README:
//   render_windows <output folder> [theme]
// Run it offscreen (QT_QPA_PLATFORM=offscreen) or under Xvfb for a window manager's frame. The
// theme is the desktop's own unless one of the test themes is named (QtLight, AdwaitaDark,
// HighContrast, HighContrastInverse, ...); the desktop's may also be chosen as the program would
// meet it, say QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark under xvfb-run.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

#include "app/application.h"
#include "theme_palettes.h"
#include "window_states.h"

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
        for (const galvix::tools::ThemePalette& theme : galvix::tools::themePalettes()) {
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
    for (const galvix::tools::WindowState& state : galvix::tools::windowStates()) {
        galvix::tools::WindowServices services;
        const auto window = state.open(services);
        ok &= save(*window, folder, QString::fromLatin1(state.name));
    }
    return ok ? 0 : 1;
}
