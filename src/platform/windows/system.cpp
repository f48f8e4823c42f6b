// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system.h"

#include "platform/windows/registry.h"

namespace galvix::platform {

// A Windows program always has the desktop it was started on.
bool displayAvailable() { return true; }

// Where the platform's runtime keeps every program's settings: a sub-key per application.
SettingsPlace userSettingsPlace()
{
    return {QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings"), QSettings::NativeFormat};
}

Registry& systemRegistry()
{
    static WinRegistry registry;
    return registry;
}

} // namespace galvix::platform
