#pragma once
// A window table's frame: a QGroupBox that paints itself in bands of a few dozen rows, from a
// picture of the whole frame drawn once.
//
// The raster engine hands any fill or blend of 96 rows or more to Qt's painting threads and waits
// for them; the style stretches a frame's sides over the frame's whole height, so each tall frame
// cost a round trip through those threads on every paint, more than the drawing itself. Painting
// the same frame clipped to shorter bands keeps every draw on this thread and sets the same pixels.

#include <QGroupBox>
#include <QPixmap>

namespace galvix::toolkit {

class FrameBox : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QPixmap picture();
};

} // namespace galvix::toolkit
