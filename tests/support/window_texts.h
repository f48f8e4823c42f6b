#pragma once
// Every text box's text and every label's caption on a window, by control name: a before-and-after
// picture of what a click changed.

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <map>

namespace galvix::testing {

[[nodiscard]] inline std::map<QString, QString> snapshot(const QWidget& window)
{
    std::map<QString, QString> texts;
    for (const auto* edit : window.findChildren<QLineEdit*>())
        texts[edit->objectName()] = edit->text();
    for (const auto* label : window.findChildren<QLabel*>())
        texts[label->objectName()] = label->text();
    return texts;
}

} // namespace galvix::testing
