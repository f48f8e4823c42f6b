// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the system the program was built for provides. posix/system.cpp and windows/system.cpp
// each define all of it; CMakeLists.txt compiles the one of the system chosen.

#include "platform/qt_settings_store.h"

namespace galvix::platform {

class Registry;

// Whether Qt can open a window here. Without a display Qt would only print a platform-plug-in error
// and abort.
[[nodiscard]] bool displayAvailable();

// Where the user's settings are kept.
[[nodiscard]] SettingsPlace userSettingsPlace();

// The system's registry, made on first use and kept until the program ends.
[[nodiscard]] Registry& systemRegistry();

} // namespace galvix::platform
