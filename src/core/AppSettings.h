#pragma once
// The settings read at start-up and written at exit. Every reader passes the
// default 1 and keeps the default when a hand-edited value is not a whole
// 16-bit number.
#include <QRect>
#include <QString>
#include <optional>

namespace AppSettings {

// A stored whole number: converted as a 16-bit integer conversion does (any
// number, rounded half to even, "2.0" is 2); anything else, or nothing
// stored, keeps the default.
int GetSettingInt(const QString &key, int def);

// Language, PortNo, PortOccupy, MmRoundUp, in this order (not DispMmUnit).
void LoadAppSetting();
void GetLanguage();     // also sets LangOffset: 0 for 1, else 10000
void GetPortNo();
void GetPortOccupy();   // True for any non-zero value
void GetMmRoundUp();    // True for any non-zero value
void GetDispMmUnit();   // read when the position window loads
// The inching speed and accelerations of the move test; a value out of its
// range becomes 1.
void GetJogSetting();

// "PortNo", "Language" (toggled 1 <-> 2 while LanguageChange is set) and,
// unless the main window is minimised, its rectangle in twips.
void SaveAppSetting();
// The same with the main window's rectangle in pixels (frame position,
// client size); nothing = no rectangle is saved (no window, or minimised).
void SaveAppSettingOf(const std::optional<QRect> &mainRect);

} // namespace AppSettings
