// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's answer to its command line. Galvix takes no arguments of its own; it answers the two
// that every Linux program does, --help and --version, by printing and exiting before any window
// (or display) is needed, and refuses anything else.

#include <span>
#include <string>
#include <string_view>

namespace galvix::app {

struct CommandLineOutcome {
    bool startWindows = true;   // false: print what is below and exit with exitStatus
    std::string standardOutput; // text for stdout, each line ending in a newline
    std::string standardError;  // text for stderr, each line ending in a newline
    int exitStatus = 0;
};

// The exit status of a command line that names something the program does not take.
inline constexpr int UsageErrorStatus = 2;

// The arguments after the program's name, read in order: the first --help (or -h) or --version
// decides, and the first argument that is neither is an error. "--" ends the options; an argument
// after it is still one the program does not take.
[[nodiscard]] CommandLineOutcome interpretCommandLine(std::span<const std::string_view> arguments);

} // namespace galvix::app
