// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_platform.h"

#include <QCoreApplication>

#include "app/placement.h"
#include "platform/system.h"
#include "toolkit/qt_text.h"

#include <windows.h>

#include <string>

namespace galvix::testing {

namespace {

// Each test process keeps its settings in a sub-key of its own, named by its process number.
const QString TestsKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Galvix tests");

QString ownSubKey() { return QString::number(QCoreApplication::applicationPid()); }

} // namespace

// Windows' own platform is the only one Qt for Windows has here, and Wine hands a program none of
// the QT_ variables of the Linux environment it starts in.
void chooseTestPlatformPlugin() {}

std::optional<platform::SettingsPlace> makeTestSettingsPlace()
{
    // What an earlier process of the same number may have left.
    QSettings(TestsKey, QSettings::NativeFormat).remove(ownSubKey());
    return platform::SettingsPlace{TestsKey + '\\' + ownSubKey(), QSettings::NativeFormat};
}

// When the user's key of the program and its section were last written: any write below them,
// even of the same text, changes that. QSettings cannot read a key without creating it.
std::string userSettingsSnapshot()
{
    const QString root = platform::userSettingsPlace().root; // below HKEY_CURRENT_USER
    const QString program = root.mid(root.indexOf('\\') + 1) + '\\' + toolkit::toQString(app::SettingsApplication);
    std::string snapshot;
    for (const QString& name : {program, program + '\\' + toolkit::toQString(app::SettingsSection)}) {
        HKEY key = nullptr;
        FILETIME written{};
        if (RegOpenKeyExW(HKEY_CURRENT_USER, name.toStdWString().c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, &written);
            RegCloseKey(key);
            snapshot += std::to_string(written.dwHighDateTime) + ':' + std::to_string(written.dwLowDateTime);
        }
        snapshot += ';';
    }
    return snapshot;
}

void removeTestSettingsPlace(const platform::SettingsPlace& place)
{
    QSettings tests(TestsKey, QSettings::NativeFormat);
    tests.remove(place.root.section('\\', -1));
    if (tests.childGroups().isEmpty() && tests.childKeys().isEmpty())
        QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat).remove(QStringLiteral("Galvix tests"));
}

} // namespace galvix::testing
