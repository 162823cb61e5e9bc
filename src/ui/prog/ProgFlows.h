#pragma once
// What a program window does with the user: save and open a program file,
// write its program to the controller and read one back, with their
// questions, dialogs and messages. The exchanges themselves are the link's
// (link/ProgTransfer.h), the data work the program data's (prog/).
class ProgramWindow;

namespace ProgFlows {

// The step counts of every program, when not yet known: 0 = known, 1 =
// the read failed (reported by the link; the port closed unless held).
int EnsureProgStepCounts();

// Asks for a program number (ProgramNumberDialog): true when one was chosen,
// false when cancelled (ProgNoCancel cleared again).
bool AskProgNo();

void ProgDataWriteToCt(ProgramWindow &w);
void ProgDataSaveAs(ProgramWindow &w);
void ProgDataFileOpen(ProgramWindow &w);
// Verifies the window's program against a program of the controller: a
// message when they agree, else the result window of the lines that differ.
void ProgVerifyCt(ProgramWindow &w);
// The print command: the check (errors shown in the pane, printing them
// asked), the question to print, and the printout.
void ProgDataPrint(ProgramWindow &w);

// The window's check (ProgDataCheck) as the flows and the check button run
// it: 0 = no error; with errors the pane shows them.
int CheckShowingPane(ProgramWindow &w, int quiet);

} // namespace ProgFlows
