// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_settings_store.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>

#include <cstdio>
#include <memory>
#include <utility>

#include "toolkit/qt_text.h"

namespace galvix::platform {

namespace {

using toolkit::toQString;

std::string entryAddress(std::string_view section, std::string_view key)
{
    return std::string(section) + '/' + std::string(key);
}

// QSettings says only that the file could not be written. Opening it the ways it does, without
// changing it, says why: the folder is read-only, the name is a folder's, the disk is full. Opened
// to add to, the file keeps what it holds; a replacement is filled and then dropped.
QString whyNotWritable(const QString& file)
{
    QFile existing(file);
    if (existing.exists() && !existing.open(QIODevice::Append))
        return existing.errorString();
    existing.close();
    QSaveFile replacement(file);
    if (replacement.open(QIODevice::WriteOnly) && replacement.write(QByteArray(4096, '\n')) >= 0
        && replacement.flush())
        return QStringLiteral("it could not be locked or replaced");
    return replacement.errorString();
}

} // namespace

std::unique_ptr<QSettings> openSettings(const SettingsPlace& place, std::string_view application)
{
    const QString name = toQString(application);
    if (place.format == QSettings::IniFormat)
        return std::make_unique<QSettings>(place.root + '/' + name + '/' + name + QStringLiteral(".conf"),
                                           QSettings::IniFormat);
    return std::make_unique<QSettings>(place.root + '\\' + name, place.format);
}

QtSettingsStore::QtSettingsStore(SettingsPlace place)
    : m_place(std::move(place))
{
}

std::string QtSettingsStore::read(std::string_view application, std::string_view section,
                                  std::string_view key, std::string_view fallback) const
{
    const std::string address = entryAddress(section, key);
    if (const auto pending = m_pending.find(application); pending != m_pending.end()) {
        if (const auto entry = pending->second.find(address); entry != pending->second.end())
            return entry->second;
    }
    auto stored = m_stored.find(application);
    if (stored == m_stored.end()) {
        Entries entries;
        const std::unique_ptr<const QSettings> settings = openSettings(m_place, application);
        for (const QString& entry : settings->allKeys())
            entries.emplace(entry.toStdString(), settings->value(entry).toString().toStdString());
        stored = m_stored.emplace(std::string(application), std::move(entries)).first;
    }
    const auto entry = stored->second.find(address);
    return entry != stored->second.end() ? entry->second : std::string(fallback);
}

void QtSettingsStore::write(std::string_view application, std::string_view section, std::string_view key,
                            std::string_view text)
{
    auto pending = m_pending.find(application);
    if (pending == m_pending.end())
        pending = m_pending.emplace(std::string(application), Entries{}).first;
    pending->second.insert_or_assign(entryAddress(section, key), std::string(text));
}

void QtSettingsStore::flush()
{
    for (const auto& [application, entries] : m_pending) {
        m_stored.erase(application);
        const std::unique_ptr<QSettings> settings = openSettings(m_place, application);
        // Never write into the file in place, which a full disk would leave cut short.
        settings->setAtomicSyncRequired(true);
        for (const auto& [address, text] : entries)
            settings->setValue(toQString(address), toQString(text));
        settings->sync();
        if (settings->status() == QSettings::NoError)
            continue;
        const QString why = m_place.format == QSettings::IniFormat ? whyNotWritable(settings->fileName())
                                                                    : QStringLiteral("the registry refused it");
        const QString line = QStringLiteral("%1: could not save the settings to %2: %3\n")
                                 .arg(toQString(application), settings->fileName(), why);
        std::fputs(line.toLocal8Bit().constData(), stderr);
    }
    m_pending.clear();
}

} // namespace galvix::platform
