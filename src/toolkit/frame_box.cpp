#include "toolkit/frame_box.h"

#include <QPaintEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <algorithm>

namespace galvix::toolkit {

namespace {

// The raster engine splits a draw of 96 rows or more across threads; each band repeats the
// style's work for the frame, so the bands are as tall as stays below that.
constexpr int BandHeight = 95;

} // namespace

// What QGroupBox::paintEvent draws, once per band of the damaged area.
void FrameBox::paintEvent(QPaintEvent* event)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect damaged = event->rect();
    for (int top = damaged.top(); top <= damaged.bottom(); top += BandHeight) {
        painter.setClipRect(QRect(damaged.left(), top, damaged.width(),
                                  std::min(BandHeight, damaged.bottom() + 1 - top)));
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
}

} // namespace galvix::toolkit
