// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/services.h"

#include <optional>
#include <utility>

#include "platform/qt_file_system.h"
#include "platform/qt_program_starter.h"
#include "platform/qt_settings_store.h"
#include "platform/system.h"
#include "weekly_menu/random_source.h"

namespace galvix::app {

namespace {

std::optional<platform::SettingsPlace>& chosenSettingsPlace()
{
    static std::optional<platform::SettingsPlace> place;
    return place;
}

} // namespace

void keepSettingsIn(platform::SettingsPlace place) { chosenSettingsPlace() = std::move(place); }

const Services& programServices()
{
    static platform::QtSettingsStore settings(chosenSettingsPlace().value_or(platform::userSettingsPlace()));
    static const platform::QtFileSystem files;
    static platform::QtProgramStarter programs;
    static weekly_menu::Mt19937Source menuSource;
    static const Services services{settings, menuSource, {platform::systemRegistry(), files, programs}};
    return services;
}

} // namespace galvix::app
