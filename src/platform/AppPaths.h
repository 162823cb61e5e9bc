#pragma once
#include <QString>

namespace Platform {
// The application folder: where the list files ("errorjpn.lst",
// "nqzdevice.lst", ...) and the help file lie. By default the data/ folder
// beside the executable; tests point it elsewhere.
QString AppFolder();
void SetAppFolder(const QString &path);
// Path of a file in the application folder.
QString AppFile(const QString &name);
// The per-user data folder: files the program itself writes while it runs
// (the monitor's watch lists), since an installed program's folder is not
// writable. The system's per-user application data location; tests point it
// elsewhere. Not created here.
QString UserDataFolder();
void SetUserDataFolder(const QString &path);
QString UserDataFile(const QString &name);
} // namespace Platform
