// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message box as a modal QMessageBox over a given window, and the message box a window tells
// its user things in.

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

// A window's message box: a QtMessageBox over the window, unless another has been handed in (a
// test's stand-in), which then must outlive this.
class WindowMessageBox final : public MessageBox {
public:
    explicit WindowMessageBox(QWidget* owner)
        : m_own(owner)
    {
    }
    WindowMessageBox(QWidget* owner, MessageBox& given)
        : m_own(owner)
        , m_given(&given)
    {
    }

    void use(MessageBox& given) { m_given = &given; }
    void show(std::string_view text) override { m_given != nullptr ? m_given->show(text) : m_own.show(text); }

private:
    QtMessageBox m_own;
    MessageBox* m_given = nullptr;
};

} // namespace galvix::platform
