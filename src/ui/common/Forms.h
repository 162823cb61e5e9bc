#pragma once
// The application's collection of loaded windows: the main window, then its
// child windows in the order they were opened, then our other top-level
// windows. A window's name is its objectName ("PositionWindow", "ProgramWindow", ...);
// modules find a window by that name.
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace Forms {
QList<QWidget *> Loaded();
QList<QWidget *> Named(const QString &name);
// The first loaded window of that name, or nullptr.
QWidget *Find(const QString &name);
// The active child window of the main window, or nullptr.
QWidget *ActiveChild();
// True for the object name of one of the program's own windows: each is named
// for its class, "...Window" or "...Dialog", upper case first. Not: Qt's own
// ("QFileDialog"), nor controls, whose names start with their kind in
// lower case ("mnuWindow").
bool IsOwnWindowName(const QString &name);

// A command of the main window's menus by its name (mnuEditCopy, ...), or
// nullptr without a main window; switched on or off, shown or hidden.
QAction *MainAction(const char *name);
void EnableMainAction(const char *name, bool on);
void ShowMainAction(const char *name, bool on);
// The main window's right-click menu (mnuPopup), or nullptr.
QMenu *MainPopup();
} // namespace Forms
