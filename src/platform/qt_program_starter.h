// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts a program file directly as a detached process: the path is the program and there are no
// arguments, so no shell ever reads it and a blank or a ";" in it is just part of the file name.

#include "platform/program_starter.h"

namespace galvix::platform {

class QtProgramStarter final : public ProgramStarter {
public:
    // Only an absolute path to an executable file is started.
    [[nodiscard]] bool start(std::string_view path) override;
};

} // namespace galvix::platform
