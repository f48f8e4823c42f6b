// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Maps the windows' colour names onto the running style's palette, so the program follows the
// desktop theme: a "highlight" cell is drawn in whatever colour the theme highlights with, made
// lighter or darker where the theme's own colour would not stand out from what it is drawn on.

#include <QColor>
#include <QPalette>

#include "toolkit/control_table.h"

namespace galvix::toolkit {

// The palette role a system colour is drawn as.
[[nodiscard]] QPalette::ColorRole paletteRole(SystemColour colour);

// The colour to draw with; `fallback` when the colour is the toolkit default.
[[nodiscard]] QColor resolve(Colour colour, const QPalette& palette, QColor fallback);

// The roles a control of this kind draws its text and its field with.
struct ColourRoles {
    QPalette::ColorRole text;
    QPalette::ColorRole field;
};
[[nodiscard]] ColourRoles colourRoles(ControlKind kind);

// The palette a table's control is drawn with under the theme: only its text role set, and its
// field role where the table gives one, for the active and inactive groups, the text readable on
// its field at 5:1, so that the screen shows 4.5:1 (see readable() in contrast.h). A table colour
// keeps its hue; the theme's own backgrounds are never changed. Everything else falls through to
// the theme.
[[nodiscard]] QPalette controlPalette(const ControlSpec& control, const QPalette& theme);

} // namespace galvix::toolkit
