#include "toolkit/frame_box.h"

#include <QPaintEvent>
#include <QPixmapCache>
#include <QStyleOptionGroupBox>
#include <QStyle>
#include <QStylePainter>

#include <algorithm>

namespace galvix::toolkit {

namespace {

// The raster engine splits a draw of 96 rows or more across threads, so every draw here covers
// fewer rows than that.
constexpr int BandHeight = 95;

// Calls draw(band) for each band of the area, clipped to it.
template <class Draw>
void inBands(QPainter& painter, const QRect& area, Draw draw)
{
    for (int top = area.top(); top <= area.bottom(); top += BandHeight) {
        const QRect band(area.left(), top, area.width(), std::min(BandHeight, area.bottom() + 1 - top));
        painter.setClipRect(band);
        draw(band);
    }
}

} // namespace

// The frame is drawn once for its style, size, colours and title, into a picture that every frame
// box alike and every later paint reuses: the style's stretched border is what costs, and the
// picture is blended back in bands. A translucent pixel may come out one level off the direct
// drawing, which no eye sees.
QPixmap FrameBox::picture()
{
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("galvix-frame:%1:%2x%3@%4:%5:%6:%7")
                            .arg(style()->name())
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(palette().cacheKey())
                            .arg(isEnabled())
                            .arg(title());
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    picture = QPixmap(size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QStylePainter painter(&picture, this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        const QStyle::SubControls parts = option.subControls;
        option.subControls = parts & QStyle::SC_GroupBoxFrame;
        inBands(painter, rect(), [&](const QRect&) { painter.drawComplexControl(QStyle::CC_GroupBox, option); });
        painter.setClipping(false);
        option.subControls = parts & ~QStyle::SubControls(QStyle::SC_GroupBoxFrame);
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
    QPixmapCache::insert(key, picture);
    return picture;
}

void FrameBox::paintEvent(QPaintEvent* event)
{
    const QPixmap frame = picture();
    const qreal ratio = frame.devicePixelRatio();
    QPainter painter(this);
    inBands(painter, event->rect(), [&](const QRect& band) {
        const QRectF source(band.x() * ratio, band.y() * ratio, band.width() * ratio, band.height() * ratio);
        painter.drawPixmap(QRectF(band), frame, source);
    });
}

} // namespace galvix::toolkit
