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

// Every value below the user's key of the program, with its sub-key's name, as the registry holds
// it. QSettings cannot read a key without creating it.
std::string userSettingsSnapshot()
{
    const auto read = [](const auto& self, HKEY parent, const std::wstring& name, std::string& out) -> void {
        HKEY key = nullptr;
        if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            out += "no key\n";
            return;
        }
        wchar_t entry[256];
        BYTE data[4096];
        for (DWORD i = 0;; ++i) {
            DWORD entryLength = 256;
            DWORD size = sizeof data;
            DWORD type = 0;
            if (RegEnumValueW(key, i, entry, &entryLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
                break;
            out += QString::fromWCharArray(entry, static_cast<qsizetype>(entryLength)).toStdString() + '=';
            out.append(reinterpret_cast<const char*>(data), size).push_back('\n');
        }
        for (DWORD i = 0;; ++i) {
            DWORD entryLength = 256;
            if (RegEnumKeyExW(key, i, entry, &entryLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            out += '[' + QString::fromWCharArray(entry, static_cast<qsizetype>(entryLength)).toStdString() + "]\n";
            self(self, key, std::wstring(entry, entryLength), out);
        }
        RegCloseKey(key);
    };
    const QString root = platform::userSettingsPlace().root; // below HKEY_CURRENT_USER
    const QString program = root.mid(root.indexOf('\\') + 1) + '\\' + toolkit::toQString(app::SettingsApplication);
    std::string snapshot;
    read(read, HKEY_CURRENT_USER, program.toStdWString(), snapshot);
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
