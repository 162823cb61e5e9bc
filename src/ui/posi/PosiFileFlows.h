#pragma once
// New position data, opening a position file and saving the grid to a file,
// with their questions and dialogs. The window wraps each in its command
// states.
namespace PosiFileFlows {

// New data for a range asked in the range dialog: 0 done, 1 cancelled.
int CreateNewPositions();
// Opens a position file: 0 opened, 1 not (the tables, ranges, grid and
// caption are left as they were).
int PosidataFileOpenProc();
// Saves the whole grid to the current file, or under a name asked for new
// data and data read from the controller. 0 written; 1 not (SaveCancelled
// set when the file dialog was cancelled).
int PosidataSaveToFile();
// Saves a chosen range under a new name: 0 written, 1 not.
int PosiDataSaveAs();

} // namespace PosiFileFlows
