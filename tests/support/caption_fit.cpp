#include "support/caption_fit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <climits>

namespace galvix::testing {

namespace {

QString describe(const QWidget& control, const QString& text, QSize needed)
{
    return QStringLiteral("%1 \"%2\" needs %3x%4 px, has %5x%6")
        .arg(control.objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(control.width())
        .arg(control.height());
}

QString withoutAccessKeys(QString text)
{
    text.replace(QLatin1String("&&"), QChar(0xE000));
    text.remove(u'&');
    text.replace(QChar(0xE000), u'&');
    return text;
}

} // namespace

QStringList captionsThatDoNotFit(const QWidget& window)
{
    QStringList problems;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(&window))
            continue;
        const QRect room = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), INT_MAX),
                                                               Qt::TextWordWrap, label->text());
        if (needed.width() > room.width() || needed.height() > room.height())
            problems << describe(*label, label->text(), needed.size());
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        const QRect face = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QString text = withoutAccessKeys(button->text());
        const QSize needed(button->fontMetrics().horizontalAdvance(text), button->fontMetrics().height());
        if (needed.width() > face.width() || needed.height() > button->height())
            problems << describe(*button, text, needed);
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        const QString text = withoutAccessKeys(frame->title());
        const QSize needed(frame->fontMetrics().horizontalAdvance(text) + 16, frame->fontMetrics().height());
        if (needed.width() > frame->width() || needed.height() > frame->height())
            problems << describe(*frame, text, needed);
    }
    return problems;
}

} // namespace galvix::testing
