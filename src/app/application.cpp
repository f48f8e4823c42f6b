#include "app/application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>

#include "app/desktop_id.h"
#include "platform/application_info.h"

namespace galvix::app {

namespace {

void installWindowIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/48.png"));
    icon.addFile(QStringLiteral(":/icons/256.png"));
    QApplication::setWindowIcon(icon);
}

} // namespace

void configureApplication(QApplication& application, IconTiming iconTiming)
{
    QApplication::setApplicationName(QString::fromLatin1(platform::ApplicationTitle));
    QApplication::setOrganizationName(QString::fromLatin1(platform::ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(platform::ApplicationVersion));
    // The desktop matches the windows to the installed entry by this name, and shows its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopId));
    // Decoding the two PNGs and handing them to the window system is a tenth of the work of
    // showing the main window, so the program does it once the window is on screen: Qt then
    // gives the icon to every window already open.
    if (iconTiming == IconTiming::Now)
        installWindowIcon();
    else
        QTimer::singleShot(0, &application, &installWindowIcon);
    // One style and one font everywhere, so that the design sizes of the controls hold on every
    // desktop: the captions were measured against this font.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

} // namespace galvix::app
