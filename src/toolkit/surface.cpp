#include "toolkit/surface.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "toolkit/frame_box.h"
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
        auto* frame = new FrameBox(toQString(control.caption), this);
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

QWidget* Surface::control(std::string_view name) const
{
    const auto found = std::ranges::find_if(m_controls, [name](const auto& entry) { return entry.first == name; });
    return found == m_controls.end() ? nullptr : found->second.data();
}

QLineEdit* Surface::textBox(std::string_view name) const { return qobject_cast<QLineEdit*>(control(name)); }

QLabel* Surface::label(std::string_view name) const { return qobject_cast<QLabel*>(control(name)); }

QPushButton* Surface::button(std::string_view name) const
{
    return qobject_cast<QPushButton*>(control(name));
}

std::string Surface::controlText(std::string_view name) const
{
    if (const QLineEdit* edit = textBox(name))
        return edit->text().toStdString();
    if (const QLabel* shown = label(name))
        return shown->text().toStdString();
    return {};
}

void Surface::setControlText(std::string_view name, std::string_view text)
{
    if (QLineEdit* edit = textBox(name)) {
        edit->setText(toQString(text));
        edit->setCursorPosition(0); // a long text shows its start, as a field not yet scrolled does
    }
    else if (QLabel* shown = label(name))
        shown->setText(toQString(text));
}

// The surface's palette is the theme's, never set here: when the theme changes, each coloured
// control is worked out again from it.
void Surface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        for (const ControlSpec& entry : m_form.controls) {
            if (QWidget* widget = control(entry.name))
                applyColours(widget, entry, palette());
        }
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
