// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system.h"

#include <QStandardPaths>

#include "platform/posix/registry.h"

namespace galvix::platform {

bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// An INI file per application in the user's configuration folder: ~/.config/<application>/
// <application>.conf, or the same under $XDG_CONFIG_HOME.
SettingsPlace userSettingsPlace()
{
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), QSettings::IniFormat};
}

// A stand-in that answers the About box's lookup from the system-information tools this machine has.
Registry& systemRegistry()
{
    static SysInfoRegistry registry;
    return registry;
}

} // namespace galvix::platform
