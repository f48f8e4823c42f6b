#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace galvix::platform {

void QtMessageBox::show(std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok,
                    m_owner.data());
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace galvix::platform
