#include "app/HelpViewer.h"

#include "core/ModuleHelp.h"
#include "platform/Dialogs.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace HelpViewer {
namespace {
ViewerState g_viewer;
}

ViewerState &Viewer() { return g_viewer; }
void ResetViewer() { g_viewer = ViewerState{}; }

void ShowHelpFile(const QString &helpFile, QWidget *, const QString &message)
{
    auto refuse = [&] {
        Platform::Dialogs::MsgBox(message, Platform::MsgButtons::Ok, Platform::MsgIcon::Information);
    };
    if (helpFile.isEmpty() || !QFileInfo(helpFile).isFile()) {
        refuse();
        return;
    }
    const bool opened = g_viewer.OpenDocument
        ? g_viewer.OpenDocument(helpFile)
        : QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath()));
    if (!opened)
        refuse();
}

void ShowHelp(QWidget *owner, const QString &message)
{
    ShowHelpFile(ModuleHelp::Help().HelpFile, owner, message);
}

} // namespace HelpViewer

namespace SysInfo {
namespace {
ToolState g_tool;
}

ToolState &Tool() { return g_tool; }
void ResetTool() { g_tool = ToolState{}; }

QString FindTool()
{
    for (const QString &p : g_tool.Candidates) {
        if (QFileInfo(p).isFile())
            return p;
    }
    return QString();
}

} // namespace SysInfo
