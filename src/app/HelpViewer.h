#pragma once
// Opening the help file with the desktop's document viewer, and starting the
// desktop's system information program for the About box. Both go through a
// replaceable launcher so that tests start nothing.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace HelpViewer {

struct ViewerState {
    // Opens a document with the desktop's viewer; false when nothing opened it.
    std::function<bool(const QString &path)> OpenDocument;
};
ViewerState &Viewer();
void ResetViewer();

// The Help menu's contents: the application's help file, or `message`.
void ShowHelp(QWidget *owner, const QString &message);

// Shows helpFile, or `message` (OK, information icon) when the name is empty,
// the file is missing or no viewer opens it.
void ShowHelpFile(const QString &helpFile, QWidget *owner, const QString &message);

} // namespace HelpViewer

namespace SysInfo {

struct ToolState {
    // Where the desktop's system information programs are looked for, in
    // this order; the first that exists is started.
    QStringList Candidates{
        QStringLiteral("/usr/bin/hardinfo2"),
        QStringLiteral("/usr/bin/hardinfo"),
        QStringLiteral("/usr/bin/kinfocenter"),
        QStringLiteral("/usr/bin/gnome-system-monitor"),
        QStringLiteral("/usr/bin/plasma-systemmonitor"),
        QStringLiteral("/usr/bin/xfce4-taskmanager"),
    };
    // Starts a program as a separate process; false when it could not start.
    std::function<bool(const QString &path)> Start;
};
ToolState &Tool();
void ResetTool();

// The first candidate that exists as a file; empty when there is none.
QString FindTool();

} // namespace SysInfo
