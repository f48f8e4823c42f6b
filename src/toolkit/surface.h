#pragma once
// A window's client area built from its table: the controls at their design positions (which do
// not move when the window is resized), the tab order, the colours, and the rules painted beneath
// the controls. Windows hold one Surface and reach their controls by name through it.

#include <QPointer>
#include <QWidget>

#include <span>
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

class Surface : public QWidget {
    Q_OBJECT

public:
    explicit Surface(const FormSpec& form, QWidget* parent = nullptr);

    [[nodiscard]] QWidget* control(std::string_view name) const;
    [[nodiscard]] QLineEdit* textBox(std::string_view name) const;
    [[nodiscard]] QLabel* label(std::string_view name) const;
    [[nodiscard]] QPushButton* button(std::string_view name) const;

    // What a text box holds or a label shows; empty for a control the window does not have.
    [[nodiscard]] std::string controlText(std::string_view name) const;
    // Puts a text into a text box, shown from its start, or a label; a control the window does not
    // have is skipped.
    void setControlText(std::string_view name, std::string_view text);

    [[nodiscard]] const FormSpec& form() const { return m_form; }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* createControl(const ControlSpec& control);
    void applyTabOrder();

    FormSpec m_form;
    std::vector<std::pair<std::string_view, QPointer<QWidget>>> m_controls;
};

} // namespace galvix::toolkit
