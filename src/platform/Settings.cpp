#include "platform/Settings.h"

#include <QSettings>
#include <limits>

namespace Platform {
namespace {
QString g_overridePath;
bool g_saveFailed = false;

QSettings openStore()
{
    if (!g_overridePath.isEmpty())
        return QSettings(g_overridePath, QSettings::IniFormat);
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kAppTitle, kAppTitle);
}
} // namespace

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


void SaveSetting(const QString &key, const QString &value)
{
    QSettings s = openStore();
    s.beginGroup(kSection);
    s.setValue(key, value);
    s.sync();
    if (s.status() != QSettings::NoError)
        g_saveFailed = true;
}

QString SettingsFilePath() { return openStore().fileName(); }
bool SettingsSaveFailed() { return g_saveFailed; }
void ClearSettingsSaveFailure() { g_saveFailed = false; }

} // namespace Platform
