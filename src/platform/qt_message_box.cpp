// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "toolkit/qt_text.h"

namespace galvix::platform {

void QtMessageBox::show(std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), toolkit::toQString(text),
                    QMessageBox::Ok, m_owner.data());
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace galvix::platform
