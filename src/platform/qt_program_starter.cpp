// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_program_starter.h"

#include <QFileInfo>
#include <QProcess>

#include "toolkit/qt_text.h"

namespace galvix::platform {

bool QtProgramStarter::start(std::string_view path)
{
    // A zero byte would end the name early at the system call and start some other file.
    if (path.empty() || path.find('\0') != std::string_view::npos)
        return false;
    const QString program = toolkit::toQString(path);
    // A bare name would be looked up on PATH and a relative path in the working folder; either could
    // start a program other than the one named, so only an absolute path is accepted.
    const QFileInfo file(program);
    if (!file.isAbsolute() || !file.isFile() || !file.isExecutable())
        return false;
    return QProcess::startDetached(program, {});
}

} // namespace galvix::platform
