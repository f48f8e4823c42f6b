// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/surface.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "toolkit/system_colours.h"
#include "toolkit/twips.h"

namespace galvix::toolkit {

namespace {

QRect pixelRect(const ControlSpec& control)
{
    return {twipsToPixels(control.left), twipsToPixels(control.top), twipsToPixels(control.width),
            twipsToPixels(control.height)};
}

// Sets a control's text and field colours from the theme; a default colour leaves the style's own.
void applyColours(QWidget* widget, const ControlSpec& control, const QPalette& theme)
{
    if (control.foreground.isDefault() && control.background.isDefault())
        return;
    widget->setPalette(controlPalette(control, theme));
    if (!control.background.isDefault())
        widget->setAutoFillBackground(true);
}

// A captioned control is spoken by its caption, blanks and all, which is what Qt reports when no
// name is set; setting one would freeze the name while the caption changes ("Bread", then nothing).
// Only a text box, which shows no caption, is given a name.
void applyAccessibleText(QWidget* widget, const ControlSpec& control)
{
    if (control.accessibleText.empty())
        return;
    const QString text = toQString(control.accessibleText);
    if (control.kind == ControlKind::TextBox) {
        widget->setAccessibleName(text);
        return;
    }
    widget->setAccessibleDescription(text);
    if (control.kind == ControlKind::CommandButton)
        widget->setToolTip(text);
}

} // namespace

Surface::Surface(const FormSpec& form, QWidget* parent)
    : QWidget(parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("surface"));
    resize(twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight));
    m_controls.reserve(form.controls.size());
    for (const ControlSpec& control : form.controls)
        m_controls.emplace_back(control.name, createControl(control));
    applyTabOrder();
}

QWidget* Surface::createControl(const ControlSpec& control)
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::TextBox: {
        widget = new QLineEdit(this);
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(toQString(control.caption), this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        widget = label;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(toQString(control.caption), this);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        widget = button;
        break;
    }
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(toQString(control.caption), this);
        frame->setFocusPolicy(Qt::NoFocus);
        widget = frame;
        break;
    }
    }
    applyColours(widget, control, palette());
    widget->setObjectName(toQString(control.name));
    widget->setGeometry(pixelRect(control));
    applyAccessibleText(widget, control);
    if (control.tabIndex == NoTabStop && control.kind != ControlKind::Label)
        widget->setFocusPolicy(Qt::NoFocus);
    // Labels and frames sit beneath the text boxes and buttons they overlap.
    if (control.kind == ControlKind::Label || control.kind == ControlKind::Frame)
        widget->lower();
    return widget;
}

// Chains the focusable controls in the order of their tab indexes.
void Surface::applyTabOrder()
{
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& entry : m_form.controls) {
        if (entry.tabIndex != NoTabStop && control(entry.name)->focusPolicy() != Qt::NoFocus)
            order.push_back(&entry);
    }
    std::ranges::stable_sort(order, {}, &ControlSpec::tabIndex);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(control(order[i - 1]->name), control(order[i]->name));
}

MissingControl::MissingControl(std::string_view window, std::string_view name, std::string_view what)
    : std::logic_error("window \"" + std::string(window) + "\" has no " + std::string(what) + " \""
                       + std::string(name) + "\"")
{
}

QWidget* Surface::control(std::string_view name) const { return typed<QWidget>(name, "control"); }

QLineEdit* Surface::textBox(std::string_view name) const { return typed<QLineEdit>(name, "text box"); }

QLabel* Surface::label(std::string_view name) const { return typed<QLabel>(name, "label"); }

QPushButton* Surface::button(std::string_view name) const { return typed<QPushButton>(name, "button"); }

// A name outside the table, a control of another kind, and a control that has been deleted all
// throw: the caller asked for something the window does not hold.
template <class Widget>
Widget* Surface::typed(std::string_view name, std::string_view kind) const
{
    const auto found = std::ranges::find(m_controls, name, [](const auto& entry) { return entry.first; });
    Widget* widget = found == m_controls.end() ? nullptr : qobject_cast<Widget*>(found->second.data());
    if (widget == nullptr)
        throw MissingControl(m_form.caption, name, kind);
    return widget;
}

std::string Surface::controlText(std::string_view name) const
{
    QWidget* widget = control(name);
    if (const auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text().toStdString();
    if (const auto* shown = qobject_cast<QLabel*>(widget))
        return shown->text().toStdString();
    throw MissingControl(m_form.caption, name, "text box or label");
}

void Surface::setControlText(std::string_view name, std::string_view text)
{
    QWidget* widget = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(toQString(text));
        edit->setCursorPosition(0); // a long text shows its start, as a field not yet scrolled does
    }
    else if (auto* shown = qobject_cast<QLabel*>(widget))
        shown->setText(toQString(text));
    else
        throw MissingControl(m_form.caption, name, "text box or label");
}

// The surface's palette is the theme's, never set here: when the theme changes, each coloured
// control is worked out again from it.
void Surface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        for (const ControlSpec& entry : m_form.controls)
            applyColours(control(entry.name), entry, palette());
    }
    QWidget::changeEvent(event);
}

void Surface::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QColor defaultColour = palette().color(QPalette::WindowText);
    for (const LineSpec& line : m_form.lines) {
        QPen pen(resolve(line.colour, palette(), defaultColour));
        pen.setWidth(line.borderWidth);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(twipsToPixels(line.x1), twipsToPixels(line.y1), twipsToPixels(line.x2),
                         twipsToPixels(line.y2));
    }
}

} // namespace galvix::toolkit
