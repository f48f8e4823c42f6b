// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/services.h"

#include "platform/qt_file_system.h"
#include "platform/qt_program_starter.h"
#include "platform/qt_settings_store.h"
#include "weekly_menu/random_source.h"

#ifdef _WIN32
#include "platform/win_registry.h"
#else
#include "about/sys_info_registry.h"
#endif

namespace galvix::app {

const Services& programServices()
{
#ifdef _WIN32
    // Where the platform's runtime keeps every program's settings, and the system's own registry.
    static platform::QtSettingsStore settings(platform::SettingsLocation::ProgramSettingsKey);
    static platform::WinRegistry registry;
#else
    // An INI file in the user's configuration folder, and a stand-in that answers the About box's
    // lookups from the system-information tools this machine has.
    static platform::QtSettingsStore settings(platform::SettingsLocation::ConfigFile);
    static about::SysInfoRegistry registry;
#endif
    static const platform::QtFileSystem files;
    static platform::QtProgramStarter programs;
    static weekly_menu::Mt19937Source menuSource;
    static const Services services{settings, menuSource, {registry, files, programs}};
    return services;
}

} // namespace galvix::app
