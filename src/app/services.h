// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system services the windows run against, built once for the life of the program and handed
// down from the main window. Which back-ends they are, Debian's or Windows', is decided in
// services.cpp alone, when the program is compiled; no window knows.

#include "about/system_info.h"

namespace galvix::platform {
class SettingsStore;
}
namespace galvix::weekly_menu {
class RandomSource;
}

namespace galvix::app {

struct Services {
    platform::SettingsStore& settings;
    // The planner's one random source: it outlives every planner window, so that closing and
    // reopening the planner carries on with the same sequence.
    weekly_menu::RandomSource& menuSource;
    about::SysInfoServices sysInfo;
};

// The program's own services, made on first use and kept until the program ends.
[[nodiscard]] const Services& programServices();

} // namespace galvix::app
