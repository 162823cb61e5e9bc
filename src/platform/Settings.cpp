#include "platform/Settings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QDir>
#include <limits>

namespace Platform {
namespace {
QString g_overridePath;

QSettings openStore()
{
    if (!g_overridePath.isEmpty())
        return QSettings(g_overridePath, QSettings::IniFormat);
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kAppTitle, kAppTitle);
}
} // namespace

QString SettingsFilePath()
{
    return openStore().fileName();
}

void UseSettingsFile(const QString &path)
{
    g_overridePath = path;
}

QString GetSetting(const QString &key, const QString &def)
{
    QSettings s = openStore();
    s.beginGroup(kSection);
    const QVariant v = s.value(key);
    if (!v.isValid())
        return def;
    return v.toString();
}

int GetSettingInt(const QString &key, int def)
{
    const QString text = GetSetting(key, QString::number(def)).trimmed();
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        return def;
    return v;
}

void SaveSetting(const QString &key, const QString &value)
{
    QSettings s = openStore();
    s.beginGroup(kSection);
    s.setValue(key, value);
    s.sync();
}

void DeleteSetting(const QString &key)
{
    QSettings s = openStore();
    s.beginGroup(kSection);
    s.remove(key);
    s.sync();
}

} // namespace Platform
