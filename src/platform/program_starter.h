// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts another program as a process of its own, which runs on without being watched.

#include <string_view>

namespace galvix::platform {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Starts the program file at `path` with no arguments; false when it could not be started.
    [[nodiscard]] virtual bool start(std::string_view path) = 0;
};

} // namespace galvix::platform
