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

// Key and value names compare without regard to case, as the registry's do.
bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

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
    if (root != HkeyLocalMachine || !sameName(subKey, SysInfoPathKey))
        return regstatus::FileNotFound;
    handle = ToolKeyHandle;
    return regstatus::Success;
}

RegistryStatus SysInfoRegistry::queryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                                           std::span<char> data, std::uint32_t& dataSize)
{
    if (key != ToolKeyHandle)
        return regstatus::InvalidHandle;
    if (!sameName(valueName, SysInfoPathValue))
        return regstatus::FileNotFound;
    const QString tool = findTool();
    if (tool.isEmpty())
        return regstatus::FileNotFound;

    // A text value: the path's bytes and a terminating zero.
    QByteArray value = tool.toUtf8();
    value.append('\0');
    const auto needed = static_cast<std::uint32_t>(value.size());
    const std::uint32_t offered = std::min<std::uint32_t>(dataSize, static_cast<std::uint32_t>(data.size()));
    dataSize = needed;
    if (needed > offered)
        return regstatus::MoreData;
    std::ranges::copy(value, data.begin());
    type = regtype::Text;
    return regstatus::Success;
}

RegistryStatus SysInfoRegistry::closeKey(RegistryKey key)
{
    return key == ToolKeyHandle ? regstatus::Success : regstatus::InvalidHandle;
}

} // namespace galvix::platform
