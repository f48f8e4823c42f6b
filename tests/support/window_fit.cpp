// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_fit.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <climits>

#include "support/accessibility.h"
#include "support/problems.h"

namespace galvix::testing {

namespace {

QString sizes(const QString& text, QSize needed, QRect room)
{
    return QStringLiteral(": \"%1\" needs %2x%3 px, has %4x%5")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

bool fits(QSize needed, QRect room) { return needed.width() <= room.width() && needed.height() <= room.height(); }

// The rectangle a label draws its text in, as QLabel lays it out: the contents less the margin,
// less the indent on the sides the text is aligned to (a framed label indents by half an "x").
QRect labelTextRect(const QLabel& label)
{
    const int margin = label.margin();
    QRect rect = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(u'x') / 2;
    if (indent > 0) {
        const Qt::Alignment align = label.alignment();
        if (align & Qt::AlignLeft)
            rect.setLeft(rect.left() + indent);
        if (align & Qt::AlignRight)
            rect.setRight(rect.right() - indent);
        if (align & Qt::AlignTop)
            rect.setTop(rect.top() + indent);
        if (align & Qt::AlignBottom)
            rect.setBottom(rect.bottom() - indent);
    }
    return rect;
}

void checkLabel(const QLabel& label, QStringList& problems)
{
    const QRect room = labelTextRect(label);
    const int flags = label.wordWrap() ? Qt::TextWordWrap : 0;
    const QSize needed
        = label.fontMetrics().boundingRect(QRect(0, 0, room.width(), INT_MAX), flags, label.text()).size();
    if (!fits(needed, room))
        problems.append(describe(label) + sizes(label.text(), needed, room));
}

void checkButton(const QPushButton& button, QStringList& problems)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (button.isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    if (button.autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect face = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QString text = withoutAccessKeys(button.text());
    const QSize needed(button.fontMetrics().horizontalAdvance(text), button.fontMetrics().height());
    if (!fits(needed, face))
        problems.append(describe(button) + sizes(text, needed, face));
}

// The style places a frame's title in a rectangle as wide as the text; it must lie on the frame.
void checkFrame(const QGroupBox& frame, QStringList& problems)
{
    if (frame.title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.lineWidth = 1;
    option.textAlignment = frame.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title
        = frame.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &frame);
    if (!frame.rect().contains(title))
        problems.append(describe(frame) + sizes(withoutAccessKeys(frame.title()), title.size(), frame.rect()));
}

// A menu bar that is too narrow moves its last entries into an overflow button.
void checkMenuBar(const QMenuBar& bar, QStringList& problems)
{
    for (QAction* action : bar.actions()) {
        const QRect entry = bar.actionGeometry(action);
        if (action->isVisible() && !bar.rect().contains(entry))
            problems.append(describe(bar) + sizes(withoutAccessKeys(action->text()), entry.size(), bar.rect()));
    }
}

} // namespace

QStringList clippedCaptions(const QWidget& window)
{
    QStringList problems;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(&window))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && !label->text().isEmpty())
            checkLabel(*label, problems);
        else if (const auto* button = qobject_cast<const QPushButton*>(widget))
            checkButton(*button, problems);
        else if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            checkFrame(*frame, problems);
        else if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
            checkMenuBar(*bar, problems);
    }
    return problems;
}

QStringList controlsCutOff(const QWidget& window)
{
    QStringList problems;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(&window))
            continue;
        const QWidget& parent = *widget->parentWidget();
        if (!parent.rect().contains(widget->geometry())) {
            const QRect at = widget->geometry();
            problems.append(describe(*widget)
                            + QStringLiteral(" at %1,%2 %3x%4 px is not inside the %5x%6 px it sits on")
                                  .arg(at.x())
                                  .arg(at.y())
                                  .arg(at.width())
                                  .arg(at.height())
                                  .arg(parent.width())
                                  .arg(parent.height()));
        }
    }
    return problems;
}

::testing::AssertionResult everythingFits(const QWidget& window)
{
    return noProblems(clippedCaptions(window) + controlsCutOff(window));
}

} // namespace galvix::testing
