// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The services a window under test runs against: the test's own settings and random source, on a
// system where the About box finds no system-information tool.

#include "app/services.h"
#include "support/platform_fakes.h"

namespace galvix::testing {

[[nodiscard]] inline about::SysInfoServices noSysInfo()
{
    static FakeRegistry registry;
    static const FakeFileSystem files;
    static FakeProgramStarter programs;
    return {registry, files, programs};
}

[[nodiscard]] inline app::Services testServices(platform::SettingsStore& settings,
                                                weekly_menu::RandomSource& source)
{
    return {settings, source, noSysInfo()};
}

} // namespace galvix::testing
