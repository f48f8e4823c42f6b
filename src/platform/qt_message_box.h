#pragma once
// The message box as a modal QMessageBox over a given window.

#include <QPointer>
#include <QWidget>

#include "platform/message_box.h"

namespace galvix::platform {

class QtMessageBox final : public MessageBox {
public:
    // The box is centred over `owner` and blocks input to it while open.
    explicit QtMessageBox(QWidget* owner)
        : m_owner(owner)
    {
    }
    void show(std::string_view text) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace galvix::platform
