#pragma once
// Program commands of the simulated controller over 100 stored programs:
// "0WM" fills a write buffer, "0MW" keeps the buffer as the program, "0RR"
// answers the number of lines kept (the terminating all-"0" step not
// counted), "0RM" answers every step the number holds, the lines kept then
// all-"0" steps. Install after InstallCommandSim: its "0RR" is replaced.
#include <QByteArray>
#include <QList>

class SimController;

namespace SimProg {

void InstallProgCommands(SimController &sim);

// The 19-digit steps kept for program p.
QList<QByteArray> Stored(SimController &sim, int progNo);
void SetStored(SimController &sim, int progNo, const QList<QByteArray> &steps);
// Frames "0MW" kept a program (counted per simulator).
int Commits(SimController &sim);

} // namespace SimProg
