// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/registry.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

#include "toolkit/qt_text.h"

namespace galvix::platform {

namespace {

// The handle of the tool's key; it holds no state, so opening it twice gives the same handle.
constexpr RegistryKey ToolKeyHandle = 1;

// A relative entry of PATH would find tools through the working folder, which the program does not
// choose; those entries are left out.
QStringList absolutePathFolders()
{
    QStringList folders;
    const QString path = qEnvironmentVariable("PATH");
    for (const QString& folder : path.split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders.append(folder);
    }
    return folders;
}

} // namespace

SysInfoRegistry::SysInfoRegistry(QStringList folders)
    : m_folders(std::move(folders))
{
}

QString SysInfoRegistry::findTool() const
{
    const QStringList folders = m_folders.isEmpty() ? absolutePathFolders() : m_folders;
    if (folders.isEmpty())
        return {};
    for (const std::string_view tool : SystemInfoTools) {
        const QString found = QStandardPaths::findExecutable(toolkit::toQString(tool), folders);
        if (!found.isEmpty())
            return QFileInfo(found).absoluteFilePath();
    }
    return {};
}

RegistryStatus SysInfoRegistry::openKey(RegistryKey root, std::string_view subKey, std::uint32_t /*options*/,
                                        std::uint32_t /*access*/, RegistryKey& handle)
{
    if (root != HkeyLocalMachine || !sameRegistryName(subKey, SysInfoPathKey))
        return regstatus::FileNotFound;
    handle = ToolKeyHandle;
    return regstatus::Success;
}

RegistryStatus SysInfoRegistry::queryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                                           std::span<char> data, std::uint32_t& dataSize)
{
    if (key != ToolKeyHandle)
        return regstatus::InvalidHandle;
    if (!sameRegistryName(valueName, SysInfoPathValue))
        return regstatus::FileNotFound;
    const QString tool = findTool();
    if (tool.isEmpty())
        return regstatus::FileNotFound;

    // A text value: the path's bytes and a terminating zero.
    const QByteArray value = tool.toUtf8() + '\0';
    return answerQuery(std::string_view(value.constData(), static_cast<std::size_t>(value.size())), regtype::Text,
                       type, data, dataSize);
}

RegistryStatus SysInfoRegistry::closeKey(RegistryKey key)
{
    return key == ToolKeyHandle ? regstatus::Success : regstatus::InvalidHandle;
}

} // namespace galvix::platform
