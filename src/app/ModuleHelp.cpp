#include "app/ModuleHelp.h"
#include "platform/AppPaths.h"

#include <QFileInfo>

namespace ModuleHelp {
namespace {
HelpState g_help;
}

HelpState &Help() { return g_help; }
void ResetHelpState() { g_help = HelpState{}; }

QString JoinHelpPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

void SetHelpFilePath()
{
    // Only the name counts, so a second call does not stack folders.
    g_help.HelpFile = JoinHelpPath(Platform::AppFolder(), QFileInfo(g_help.HelpFile).fileName());
}

} // namespace ModuleHelp
