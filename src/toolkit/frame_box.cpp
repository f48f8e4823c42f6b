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

// What QGroupBox::paintEvent draws: the frame once per band of the damaged area, then the title
// once, unclipped, so that only the stretched frame pays for the bands.
void FrameBox::paintEvent(QPaintEvent* event)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QStyle::SubControls parts = option.subControls;
    option.subControls = parts & QStyle::SC_GroupBoxFrame;
    const QRect damaged = event->rect();
    for (int top = damaged.top(); top <= damaged.bottom(); top += BandHeight) {
        painter.setClipRect(QRect(damaged.left(), top, damaged.width(),
                                  std::min(BandHeight, damaged.bottom() + 1 - top)));
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
    painter.setClipRect(damaged);
    option.subControls = parts & ~QStyle::SubControls(QStyle::SC_GroupBoxFrame);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

} // namespace galvix::toolkit
