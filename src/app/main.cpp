// Galvix: a galley menu planner and unit calculator.

#include <QApplication>

#include <cstdio>

#include "app/Module1.h"
#include "app/application.h"

namespace {

// Without a display Qt would only print a platform-plugin error and abort.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("Galvix needs a graphical display: start it from a desktop session, or give it a "
                   "virtual one with \"xvfb-run -a galvix\".\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    galvix::app::configureApplication(application);
    galvix::app::Module1::Main();
    return QApplication::exec();
}
