#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace Platform {
namespace {
QString g_folder;
QString g_userFolder;
}

QString AppFolder()
{
    if (!g_folder.isEmpty())
        return g_folder;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data"));
}

void SetAppFolder(const QString &path) { g_folder = path; }

QString AppFile(const QString &name) { return QDir(AppFolder()).filePath(name); }

QString UserDataFolder()
{
    if (!g_userFolder.isEmpty())
        return g_userFolder;
    const QString s = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return s.isEmpty() ? QDir::home().filePath(QStringLiteral(".QZTQ7Z210")) : s;
}

void SetUserDataFolder(const QString &path) { g_userFolder = path; }

QString UserDataFile(const QString &name) { return QDir(UserDataFolder()).filePath(name); }
} // namespace Platform
