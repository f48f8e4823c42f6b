// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_platform.h"

#include "app/placement.h"
#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace galvix::testing {

void chooseTestPlatformPlugin()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

std::optional<platform::SettingsPlace> makeTestSettingsPlace()
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return std::nullopt;
    folder.setAutoRemove(false);
    // The configuration folder of everything else in the process, Qt's own included, too.
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    return platform::SettingsPlace{folder.path(), QSettings::IniFormat};
}

void removeTestSettingsPlace(const platform::SettingsPlace& place) { QDir(place.root).removeRecursively(); }

// The user's file is found once, before makeTestSettingsPlace() moves the configuration folder.
std::string userSettingsSnapshot()
{
    static const QString userFile =
        platform::openSettings(platform::userSettingsPlace(), app::SettingsApplication)->fileName();
    QFile file(userFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("no file");
}

} // namespace galvix::testing
