#pragma once
// The main window's commands that act on its active child window: Edit >
// Copy, Paste, Insert and Delete (and the grid's popup menu), File > Open of
// a program and File > Save As. The windows that have them (position and
// program windows) implement this; the main window calls the active child's
// through it, and does nothing when the active child has none.
class ChildCommands {
public:
    virtual void CopyLines() = 0;
    virtual void PasteLines() = 0;
    virtual void InsertLines() = 0;
    virtual void DeleteLines() = 0;
    virtual void OpenFile() = 0;
    virtual void SaveAs() = 0;

protected:
    ~ChildCommands() = default;
};
