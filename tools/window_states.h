// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every window of the program in the states worth looking at: the renderer writes a picture of
// each, and the window tests check each of them. Add a state here and both see it.

#include <QWidget>

#include <functional>
#include <memory>
#include <span>

#include "app/services.h"
#include "platform/memory_settings_store.h"
#include "weekly_menu/random_source.h"

namespace galvix::tools {

// What the windows are built with: never the user's own settings, and a fresh random sequence.
// The About box's system-information lookup is the program's own; no state presses its button.
struct WindowServices {
    platform::MemorySettingsStore settings;
    weekly_menu::Mt19937Source source;
    app::Services all{settings, source, app::programServices().sysInfo};
};

struct WindowState {
    const char* name; // "weekly-menu-full-week", the picture's file name without ".png"
    std::function<std::unique_ptr<QWidget>(WindowServices&)> open;
};

[[nodiscard]] std::span<const WindowState> windowStates();

} // namespace galvix::tools
