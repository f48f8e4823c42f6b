// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <utility>

#include "platform/application_info.h"

namespace galvix::app {

namespace {

constexpr std::string_view ProgramName = "galvix";
constexpr std::string_view Usage = "Usage: galvix [--help | --version]\n";

// The version first, on a line of its own for scripts to read, then the copyright and the licence,
// as GNU programs print them.
std::string versionText()
{
    return std::string(platform::ApplicationTitle) + ' ' + platform::ApplicationVersion + '\n'
           + platform::ApplicationCopyright + '\n'
           + "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
             "This is free software: you are free to change and redistribute it.\n"
             "There is NO WARRANTY, to the extent permitted by law.\n";
}

CommandLineOutcome exitWith(std::string output) { return {false, std::move(output), {}, 0}; }

CommandLineOutcome refuse(std::string_view what, std::string_view argument)
{
    std::string message(ProgramName);
    message.append(": ").append(what).append(" '").append(argument).append("'\n").append(Usage);
    return {false, {}, std::move(message), UsageErrorStatus};
}

} // namespace

CommandLineOutcome interpretCommandLine(std::span<const std::string_view> arguments)
{
    bool optionsEnded = false;
    for (const std::string_view argument : arguments) {
        if (optionsEnded)
            return refuse("unexpected argument", argument);
        if (argument == "--help" || argument == "-h")
            return exitWith(std::string(Usage));
        if (argument == "--version")
            return exitWith(versionText());
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument.size() > 1 && argument.front() == '-')
            return refuse("unrecognized option", argument);
        return refuse("unexpected argument", argument);
    }
    return {};
}

} // namespace galvix::app
