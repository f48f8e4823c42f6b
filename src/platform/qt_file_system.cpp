#include "platform/qt_file_system.h"

#include <QFileInfo>

namespace galvix::platform {

std::string QtFileSystem::fileName(std::string_view path) const
{
    if (path.empty())
        return {};
    const QFileInfo file(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    return file.isFile() ? file.fileName().toStdString() : std::string{};
}

} // namespace galvix::platform
