#pragma once
// The command names of the program language ("Command.lst" in the
// application folder: the count, then that many quoted names; a name's
// position is its command code) and the step limit of each program number.
// The program windows, the syntax check and the task monitor share them.
#include <QString>
#include <QStringList>

namespace CommandList {

struct CommandListState {
    // Element k is the name of code k, for k = 0..CommandCount - 1; element
    // CommandCount stays empty.
    QStringList CommandName{QString()};
    int CommandCount = 0;
};
CommandListState &State();
void ResetCommandList();

// Reads the list afresh (it is read before every use): 0 = read; 1 = missing
// or damaged (messages 15 and 16 shown; the list is then empty).
int ReadCommandList();

// The code of a name: the first exact, case-sensitive match, or -1.
int GetCmdCode(const QString &name);
// The name of a code, or an empty text when the list has no such code.
QString CommandNameOf(int code);

} // namespace CommandList

namespace Programs {
inline constexpr int kProgramCount = 100;
// Steps a program number may hold: 100 for 1-7, 50 for 8-20, 20 for 21-100,
// 0 for any other number.
int GetProgStepMax(int progNo);
} // namespace Programs
