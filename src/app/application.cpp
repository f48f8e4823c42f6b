// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QApplication>
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>

#include "app/desktop_id.h"
#include "platform/application_info.h"

namespace galvix::app {

namespace {

// The window carries the 48-pixel icon only: title bars and task bars draw 16 to 48 pixels, and a
// desktop that shows a larger one takes it from the installed icon theme by the desktop id. Adding
// the 256-pixel image would decode it and send it to the window system at every start, for a
// tenth of the start's work and a megabyte of memory.
void installWindowIcon()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/48.png")));
}

// A system without the captions' font, Windows among them, gets it from the program itself: the
// build embeds it there, and adds nothing where the system has it.
void addCarriedFonts()
{
    QDirIterator fonts(QStringLiteral(":/fonts"), {QStringLiteral("*.ttf")});
    while (fonts.hasNext())
        QFontDatabase::addApplicationFont(fonts.next());
}

} // namespace

void configureApplication(QApplication& application, IconTiming iconTiming)
{
    QApplication::setApplicationName(QString::fromLatin1(platform::ApplicationTitle));
    QApplication::setOrganizationName(QString::fromLatin1(platform::ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(platform::ApplicationVersion));
    // The desktop matches the windows to the installed entry by this name, and shows its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopId));
    // Decoding the icon and handing it to the window system can wait until the main window is
    // on screen: Qt then gives the icon to every window already open.
    if (iconTiming == IconTiming::Now)
        installWindowIcon();
    else
        QTimer::singleShot(0, &application, &installWindowIcon);
    // One style and one font everywhere, so that the design sizes of the controls hold on every
    // desktop: the captions were measured against this font.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    addCarriedFonts();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

} // namespace galvix::app
