#include "core/AppSettings.h"
#include "core/AppState.h"
#include "core/Num.h"
#include "core/Twips.h"
#include "core/Shell.h"
#include "platform/Settings.h"


namespace AppSettings {

int GetSettingInt(const QString &key, int def)
{
    // Converted as a 16-bit integer conversion does: any number, rounded
    // half to even ("2.0" is 2); anything else keeps the default.
    const QString text = Platform::GetSetting(key, QString::number(def)).trimmed();
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok)
        return def;
    const std::optional<int16_t> n = Num::CInt(v);
    return n ? *n : def;
}


void LoadAppSetting()
{
    GetLanguage();
    GetPortNo();
    GetPortOccupy();
    GetMmRoundUp();
}

void GetLanguage()
{
    AppState &a = App();
    a.Language = AppSettings::GetSettingInt(QStringLiteral("Language"), 1);
    a.LangOffset = a.Language == 1 ? 0 : 10000;
}

void GetPortNo() { App().PortNo = AppSettings::GetSettingInt(QStringLiteral("PortNo"), 1); }
void GetPortOccupy() { App().PortOccupy = AppSettings::GetSettingInt(QStringLiteral("PortOccupy"), 1) != 0; }
void GetMmRoundUp() { App().MmRoundUp = AppSettings::GetSettingInt(QStringLiteral("MmRoundUp"), 1) != 0; }
void GetDispMmUnit() { App().DispMmUnit = AppSettings::GetSettingInt(QStringLiteral("DispMmUnit"), 1) != 0; }

void SaveAppSetting() { SaveAppSettingOf(Shell::Get().MainRectToKeep()); }

void SaveAppSettingOf(const std::optional<QRect> &mainRect)
{
    AppState &a = App();
    Platform::SaveSetting(QStringLiteral("PortNo"), a.PortNo);
    if (a.LanguageChange)
        a.Language = a.Language == 1 ? 2 : 1;
    Platform::SaveSetting(QStringLiteral("Language"), a.Language);
    if (!mainRect)
        return;
    // Frame position and client size: restoring them with move() and
    // resize() gives back the same window.
    Platform::SaveSetting(QStringLiteral("MainLeft"), Twips::Text(Twips::FromPx(mainRect->x())));
    Platform::SaveSetting(QStringLiteral("MainTop"), Twips::Text(Twips::FromPx(mainRect->y())));
    Platform::SaveSetting(QStringLiteral("MainWidth"), Twips::Text(Twips::FromPx(mainRect->width())));
    Platform::SaveSetting(QStringLiteral("MainHeight"), Twips::Text(Twips::FromPx(mainRect->height())));
}

void GetJogSetting()
{
    auto read = [](const char *key, int def, int lo, int hi) {
        const int v = AppSettings::GetSettingInt(QString::fromLatin1(key), def);
        return (v < lo || v > hi) ? 1 : v;
    };
    AppState &a = App();
    a.VelOf100Pls.fill(read("VelOf100Pls", 20, 1, 60));
    a.AccOf100Pls.fill(read("AccOf100Pls", 3, 1, 3));
    a.AccOf100Pls2.fill(read("AccOf100Pls2", 3, 1, 3));
}

} // namespace AppSettings
