// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's client area built from its table: the controls at their design positions (which do
// not move when the window is resized), the tab order, the colours, and the rules painted beneath
// the controls. Windows hold one Surface and reach their controls by name through it.

#include <QPointer>
#include <QWidget>

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/control_table.h"
#include "toolkit/qt_text.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;

namespace galvix::toolkit {

// A control the window's code asked for that the window does not have, or not of the kind asked
// for, or that is gone; the message names it.
class MissingControl : public std::logic_error {
public:
    explicit MissingControl(std::string_view window, std::string_view name, std::string_view what);
};

class Surface : public QWidget {
    Q_OBJECT

public:
    explicit Surface(const FormSpec& form, QWidget* parent = nullptr);

    // The control of that name and kind; never null: a name the window does not have throws
    // MissingControl. Window code looks its controls up through FormSurface, which checks the
    // names when the program is compiled; these take names known only at run time.
    [[nodiscard]] QWidget* control(std::string_view name) const;
    [[nodiscard]] QLineEdit* textBox(std::string_view name) const;
    [[nodiscard]] QLabel* label(std::string_view name) const;
    [[nodiscard]] QPushButton* button(std::string_view name) const;

    // What a text box holds or a label shows.
    [[nodiscard]] std::string controlText(std::string_view name) const;
    // Puts a text into a text box, shown from its start, or a label.
    void setControlText(std::string_view name, std::string_view text);

    [[nodiscard]] const FormSpec& form() const { return m_form; }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* createControl(const ControlSpec& control);
    void applyTabOrder();
    template <class Widget>
    [[nodiscard]] Widget* typed(std::string_view name, std::string_view kind) const;

    FormSpec m_form;
    std::vector<std::pair<std::string_view, QPointer<QWidget>>> m_controls;
};

// The surface of the window `Form`, whose lookups take names checked against that table when the
// program is compiled: button("Comand1") or button("Label1") does not compile.
template <const FormSpec& Form>
class FormSurface final : public Surface {
public:
    using Name = ControlName<Form>;
    using TextBoxName = ControlName<Form, ControlKind::TextBox>;
    using LabelName = ControlName<Form, ControlKind::Label>;
    using ButtonName = ControlName<Form, ControlKind::CommandButton>;
    // A control that shows a text the window writes: a text box or a label.
    using TextName = ControlName<Form, ControlKind::TextBox, ControlKind::Label>;

    explicit FormSurface(QWidget* parent = nullptr)
        : Surface(Form, parent)
    {
    }

    [[nodiscard]] QWidget* control(Name name) const { return Surface::control(name); }
    [[nodiscard]] QLineEdit* textBox(TextBoxName name) const { return Surface::textBox(name); }
    [[nodiscard]] QLabel* label(LabelName name) const { return Surface::label(name); }
    [[nodiscard]] QPushButton* button(ButtonName name) const { return Surface::button(name); }
    [[nodiscard]] std::string controlText(TextName name) const { return Surface::controlText(name); }
    void setControlText(TextName name, std::string_view text) { Surface::setControlText(name, text); }
};

} // namespace galvix::toolkit
