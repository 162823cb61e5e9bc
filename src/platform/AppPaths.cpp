#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace Platform {
namespace {
QString g_folder;
}

QString AppFolder()
{
    if (!g_folder.isEmpty())
        return g_folder;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data"));
}

void SetAppFolder(const QString &path) { g_folder = path; }

QString AppFile(const QString &name) { return QDir(AppFolder()).filePath(name); }
} // namespace Platform
