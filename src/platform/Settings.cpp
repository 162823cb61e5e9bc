#include "platform/Settings.h"
#include "core/Num.h"

#include <QSettings>
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
    // Converted as a 16-bit integer conversion does: any number, rounded
    // half to even ("2.0" is 2); anything else keeps the default.
    const QString text = GetSetting(key, QString::number(def)).trimmed();
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok)
        return def;
    const std::optional<int16_t> n = Num::CInt(v);
    return n ? *n : def;
}

void SaveSetting(const QString &key, const QString &value)
{
    QSettings s = openStore();
    s.beginGroup(kSection);
    s.setValue(key, value);
    s.sync();
}

} // namespace Platform
