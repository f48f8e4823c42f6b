#pragma once
// Checks that every caption on a window can be read in full in the application font: a label's
// text word-wrapped inside the label, a button's caption inside its face, a frame's title along
// its top edge. Returns one line per caption that does not fit; empty when all do.

#include <QStringList>

class QWidget;

namespace galvix::testing {

[[nodiscard]] QStringList captionsThatDoNotFit(const QWidget& window);

} // namespace galvix::testing
