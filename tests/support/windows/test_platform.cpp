// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_platform.h"

#include <QCoreApplication>

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
    std::string snapshot;
    for (const wchar_t* name : {L"Software\\VB and VBA Program Settings\\Galvix",
                                L"Software\\VB and VBA Program Settings\\Galvix\\Settings"}) {
        HKEY key = nullptr;
        FILETIME written{};
        if (RegOpenKeyExW(HKEY_CURRENT_USER, name, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, &written);
            RegCloseKey(key);
            snapshot += std::to_string(written.dwHighDateTime) + ':' + std::to_string(written.dwLowDateTime);
        }
        snapshot += ';';
    }
    return snapshot;
}

void removeTestSettingsPlace(const platform::SettingsPlace& /*place*/)
{
    QSettings tests(TestsKey, QSettings::NativeFormat);
    tests.remove(ownSubKey());
    if (tests.childGroups().isEmpty() && tests.childKeys().isEmpty())
        QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat).remove(QStringLiteral("Galvix tests"));
}

} // namespace galvix::testing
