#include "platform/qt_settings_store.h"

#include <QSettings>

#include "toolkit/qt_text.h"

namespace galvix::platform {

namespace {

using toolkit::toQString;

QString entryKey(std::string_view section, std::string_view key)
{
    return toQString(section) + u'/' + toQString(key);
}

} // namespace

std::string QtSettingsStore::read(std::string_view application, std::string_view section,
                                  std::string_view key, std::string_view fallback) const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, toQString(application),
                             toQString(application));
    const QVariant value = settings.value(entryKey(section, key));
    if (!value.isValid())
        return std::string(fallback);
    return value.toString().toStdString();
}

void QtSettingsStore::write(std::string_view application, std::string_view section, std::string_view key,
                            std::string_view text)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, toQString(application),
                       toQString(application));
    settings.setValue(entryKey(section, key), toQString(text));
}

} // namespace galvix::platform
