// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store through QSettings, in one of two kinds of place: a folder holding an
// INI-style file per application (<folder>/<application>/<application>.conf), or a registry key
// holding a sub-key per application, one section per sub-key and every value a text. Written
// entries are kept in memory until flush() stores them.

#include <QSettings>
#include <QString>

#include <map>
#include <memory>
#include <string>

#include "platform/settings_store.h"

namespace galvix::platform {

// Where each application's settings are kept: the folder of its INI file (IniFormat), or the
// registry key above its own (NativeFormat, on Windows).
struct SettingsPlace {
    QString root;
    QSettings::Format format = QSettings::IniFormat;
};

// One application's settings in `place`, as the store reads and writes them.
[[nodiscard]] std::unique_ptr<QSettings> openSettings(const SettingsPlace& place, std::string_view application);

class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(SettingsPlace place);

    [[nodiscard]] std::string read(std::string_view application, std::string_view section,
                                   std::string_view key, std::string_view fallback) const override;
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view text) override;
    // Each application's file is replaced whole, or not at all: a file that cannot be written keeps
    // everything it held, and one line on standard error names it and says why.
    void flush() override;

private:
    SettingsPlace m_place;
    using Entries = std::map<std::string, std::string, std::less<>>; // by "section/key"

    // Each application's file, read whole on its first read and again after a flush.
    mutable std::map<std::string, Entries, std::less<>> m_stored;
    // Entries written since the last flush, by application.
    std::map<std::string, Entries, std::less<>> m_pending;
};

} // namespace galvix::platform
