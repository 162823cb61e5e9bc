#include "core/ModuleHelp.h"
#include "platform/AppPaths.h"

#include <QFileInfo>

namespace ModuleHelp {
namespace {
HelpState g_help;
}

HelpState &Help() { return g_help; }
void ResetHelpState() { g_help = HelpState{}; }

void SetHelpFilePath()
{
    // Only the name counts, so a second call does not stack folders.
    g_help.HelpFile = Platform::AppFile(QFileInfo(g_help.HelpFile).fileName());
}

} // namespace ModuleHelp
