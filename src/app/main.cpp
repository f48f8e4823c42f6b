// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Galvix: a galley menu planner and unit calculator.

#include <QApplication>

#include <cstdio>
#include <string_view>
#include <vector>

#include "app/Module1.h"
#include "app/application.h"
#include "app/command_line.h"
#include "platform/system.h"

int main(int argc, char** argv)
{
    // --help and --version are answered before Qt starts, so they need no display and Qt never
    // sees (or takes) an argument.
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const galvix::app::CommandLineOutcome outcome = galvix::app::interpretCommandLine(arguments);
    if (!outcome.startWindows) {
        std::fputs(outcome.standardError.c_str(), stderr);
        std::fputs(outcome.standardOutput.c_str(), stdout);
        // Output that could not be written (a full disk, a closed pipe) is a failure, not a success.
        return std::fflush(stdout) == 0 ? outcome.exitStatus : 1;
    }
    if (!galvix::platform::displayAvailable()) {
        std::fputs("Galvix needs a graphical display: start it from a desktop session, or give it a "
                   "virtual one with \"xvfb-run -a galvix\".\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    galvix::app::configureApplication(application, galvix::app::IconTiming::OnceShown);
    galvix::app::Module1::Main();
    return QApplication::exec();
}
