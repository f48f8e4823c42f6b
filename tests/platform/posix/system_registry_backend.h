// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Debian's stand-in for the registry, for the registry's contract: its one value is the path of
// the system-information tool it finds, so a text is stored as a tool in a folder named by it.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <string_view>

#include "platform/posix/registry.h"

namespace galvix::testing {

class SystemRegistryBackend {
public:
    static constexpr platform::RegistryKey Root = platform::HkeyLocalMachine;
    const std::string key{platform::SysInfoPathKey};
    const std::string value{platform::SysInfoPathValue};

    platform::Registry& registry() { return *m_registry; }
    std::string storeText(std::string_view text)
    {
        const QString folder = m_folder.filePath(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        QDir().mkpath(folder);
        QFile tool(folder + QStringLiteral("/hardinfo2"));
        if (tool.open(QIODevice::WriteOnly))
            tool.write("#!/bin/sh\n");
        tool.close();
        tool.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_registry = std::make_unique<platform::SysInfoRegistry>(QStringList{folder});
        return tool.fileName().toStdString();
    }

private:
    QTemporaryDir m_folder;
    // Before a text is stored it finds no tool.
    std::unique_ptr<platform::SysInfoRegistry> m_registry =
        std::make_unique<platform::SysInfoRegistry>(QStringList{m_folder.path()});
};

} // namespace galvix::testing
