// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system services the windows run against, built once for the life of the program and handed
// down from the main window. Which system's back-ends they are is decided when the program is
// compiled (platform/system.h); no window knows.

#include "about/system_info.h"

namespace galvix::platform {
class SettingsStore;
struct SettingsPlace;
} // namespace galvix::platform
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

// Keeps the program's settings in `place` instead of the user's own: tests call it before the first
// programServices(), so that no test reads or writes what a user stored.
void keepSettingsIn(platform::SettingsPlace place);

} // namespace galvix::app
