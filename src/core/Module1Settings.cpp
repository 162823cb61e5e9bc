#include "core/Module1Settings.h"
#include "core/AppState.h"
#include "core/Twips.h"
#include "core/Shell.h"
#include "platform/Settings.h"


namespace Module1 {

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
    a.Language = Platform::GetSettingInt(QStringLiteral("Language"), 1);
    a.LangOffset = a.Language == 1 ? 0 : 10000;
}

void GetPortNo() { App().PortNo = Platform::GetSettingInt(QStringLiteral("PortNo"), 1); }
void GetPortOccupy() { App().PortOccupy = Platform::GetSettingInt(QStringLiteral("PortOccupy"), 1) != 0; }
void GetMmRoundUp() { App().MmRoundUp = Platform::GetSettingInt(QStringLiteral("MmRoundUp"), 1) != 0; }
void GetDispMmUnit() { App().DispMmUnit = Platform::GetSettingInt(QStringLiteral("DispMmUnit"), 1) != 0; }

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
        const int v = Platform::GetSettingInt(QString::fromLatin1(key), def);
        return (v < lo || v > hi) ? 1 : v;
    };
    AppState &a = App();
    a.VelOf100Pls.fill(read("VelOf100Pls", 20, 1, 60));
    a.AccOf100Pls.fill(read("AccOf100Pls", 3, 1, 3));
    a.AccOf100Pls2.fill(read("AccOf100Pls2", 3, 1, 3));
}

} // namespace Module1
