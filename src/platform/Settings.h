#pragma once
// Per-user settings store: application "QZTQ7Z210", section "Settings",
// string values with defaults. Backed by QSettings (an INI file per user).
#include <QString>

namespace Platform {

inline constexpr const char *kAppTitle = "QZTQ7Z210";
inline constexpr const char *kSection = "Settings";

// Text stored under key, or def when the key is absent.
QString GetSetting(const QString &key, const QString &def = QString());
void SaveSetting(const QString &key, const QString &value);
inline void SaveSetting(const QString &key, int value) { SaveSetting(key, QString::number(value)); }

// Tests point the store at a file of their own.
void UseSettingsFile(const QString &path);

// The file of the store, for messages.
QString SettingsFilePath();
// True when a save since the last clear did not reach the file (a folder
// that cannot be written, a full disc).
bool SettingsSaveFailed();
void ClearSettingsSaveFailure();

} // namespace Platform
