#pragma once
// Maps the windows' colour names onto the running style's palette, so the program follows the
// desktop theme: a "highlight" cell is drawn in whatever colour the theme highlights with.

#include <QColor>
#include <QPalette>

#include "toolkit/control_table.h"

namespace galvix::toolkit {

// The palette role standing in for a system colour index; Base for an index no window uses.
[[nodiscard]] QPalette::ColorRole paletteRole(int systemIndex);

// The colour to draw with; `fallback` when the colour is the toolkit default.
[[nodiscard]] QColor resolve(Colour colour, const QPalette& palette, QColor fallback);

} // namespace galvix::toolkit
