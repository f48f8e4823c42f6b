#include "app/command_line.h"

#include <utility>

#include "platform/application_info.h"

namespace galvix::app {

namespace {

constexpr std::string_view ProgramName = "galvix";
constexpr std::string_view Usage = "Usage: galvix [--help | --version]\n";

std::string versionLine()
{
    return std::string(platform::ApplicationTitle) + ' ' + platform::ApplicationVersion + '\n';
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
            return exitWith(versionLine());
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
