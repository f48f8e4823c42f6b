// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace galvix::app {
namespace {

const std::string UsageLine = "Usage: galvix [--help | --version]\n";
// The version the build was configured with, from the project() line, then the licence.
const std::string VersionText = std::string("Galvix ") + GALVIX_EXPECTED_VERSION + "\n"
                                + "Copyright (C) " + GALVIX_EXPECTED_COPYRIGHT + "\n"
                                + "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                                  "This is free software: you are free to change and redistribute it.\n"
                                  "There is NO WARRANTY, to the extent permitted by law.\n";

struct Case {
    const char* what;
    std::vector<std::string_view> arguments;
    bool startWindows;
    std::string standardOutput;
    std::string standardError;
    int exitStatus;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Case& value, std::ostream* out) { *out << value.what; }

class CommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLine, AnswersWithTheExpectedOutputAndStatus)
{
    const Case& expected = GetParam();
    const CommandLineOutcome outcome = interpretCommandLine(expected.arguments);
    EXPECT_EQ(outcome.startWindows, expected.startWindows);
    EXPECT_EQ(outcome.standardOutput, expected.standardOutput);
    EXPECT_EQ(outcome.standardError, expected.standardError);
    EXPECT_EQ(outcome.exitStatus, expected.exitStatus);
}

std::string refusal(const std::string& message) { return "galvix: " + message + "\n" + UsageLine; }

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    ::testing::Values(
        Case{"NoArgumentsStartsTheWindows", {}, true, "", "", 0},
        Case{"VersionPrintsTitleAndVersion", {"--version"}, false, VersionText, "", 0},
        Case{"HelpPrintsOneUsageLine", {"--help"}, false, UsageLine, "", 0},
        Case{"ShortHelpPrintsOneUsageLine", {"-h"}, false, UsageLine, "", 0},
        Case{"FirstOfVersionAndHelpDecides", {"--version", "--help"}, false, VersionText, "", 0},
        Case{"FirstOfHelpAndVersionDecides", {"--help", "--version"}, false, UsageLine, "", 0},
        Case{"AnythingAfterAnAnswerIsNotRead", {"--version", "--bogus"}, false, VersionText, "", 0},
        Case{"UnknownOptionIsRefused", {"--frobnicate"}, false, "", refusal("unrecognized option '--frobnicate'"), 2},
        Case{"OptionsAreCaseSensitive", {"--Version"}, false, "", refusal("unrecognized option '--Version'"), 2},
        Case{"OptionWithAValueIsRefused", {"--help=all"}, false, "", refusal("unrecognized option '--help=all'"), 2},
        Case{"QtOptionIsRefused", {"-platform", "offscreen"}, false, "", refusal("unrecognized option '-platform'"), 2},
        Case{"AFileNameIsRefused", {"menu.txt"}, false, "", refusal("unexpected argument 'menu.txt'"), 2},
        Case{"ALoneDashIsRefused", {"-"}, false, "", refusal("unexpected argument '-'"), 2},
        Case{"AnEmptyArgumentIsRefused", {""}, false, "", refusal("unexpected argument ''"), 2},
        Case{"UnknownBeforeVersionIsRefused", {"--bogus", "--version"}, false, "", refusal("unrecognized option '--bogus'"), 2},
        Case{"DoubleDashAloneStartsTheWindows", {"--"}, true, "", "", 0},
        Case{"OptionAfterDoubleDashIsAnArgument", {"--", "--help"}, false, "", refusal("unexpected argument '--help'"), 2}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.what); });

} // namespace
} // namespace galvix::app
