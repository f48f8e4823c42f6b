// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_file_system.h"

#include <QFileInfo>

#include "toolkit/qt_text.h"

namespace galvix::platform {

std::string QtFileSystem::fileName(std::string_view path) const
{
    if (path.empty())
        return {};
    const QFileInfo file(toolkit::toQString(path));
    return file.isFile() ? file.fileName().toStdString() : std::string{};
}

} // namespace galvix::platform
