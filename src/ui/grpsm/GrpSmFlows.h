#pragma once
// The commands of the group and macro windows as plain procedures: their
// questions, messages, file dialogs and retries, the busy flags and the
// commands of every window switched off for their run. A window hands in
// what the commands need of it; tests hand in their own.
namespace GrpSmFlows {

// What a command needs of its window.
class View {
public:
    virtual ~View() = default;
    // The value being typed in a box, into the table, before the command
    // looks at the table.
    virtual void TakeTypedValue() {}
    // The table shown again after a read.
    virtual void ShowData() {}
    // The window's commands (and the macro number's up-down) on again
    // before the commands of every window are (the macro file commands).
    virtual void CommandsOnAgain() {}
};

enum class GrpCommand { CtRead, CtWrite, CtVerify, FileOpen, FileSave, FileVerify, DispPrint, FilePrint };
enum class SmCommand { CtRead, CtWrite, CtVerify, FileOpen, FileSave, FileVerify, DispPrint, FilePrint };

// A command button: the typed value taken, the busy flag (BusyFlag for the
// controller commands, FileBusy for the file and print commands) and every
// window's commands off for the run, then the procedure.
void RunGrpCommand(GrpCommand c, View &view);
void RunSmCommand(SmCommand c, View &view);

// The procedures on their own.
void GrpDataCtRead(View &view);
void GrpDataCtWrite(View &view);
void VerifyGroupsWithCt(View &view);
void GrpDataFileOpen(View &view);
void GrpDataFileSave(View &view);
void VerifyGroupsWithFile(View &view);
void GrpDataDispPrint(View &view);
void GrpDataFilePrint(View &view);

void SmDataCtRead(View &view);
void SmDataCtWrite(View &view);
void VerifyMacrosWithCt(View &view);
void SmDataFileOpen(View &view);
void SmDataFileSave(View &view);
void VerifyMacrosWithFile(View &view);
void SmDataDispPrint(View &view);
void SmDataFilePrint(View &view);

} // namespace GrpSmFlows
