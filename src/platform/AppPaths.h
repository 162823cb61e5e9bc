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
} // namespace Platform
