#pragma once
// The whole simulated controller in one table: identification, system
// parameters and parameter blocks (SimOnline, SimParaBlocks), positions
// (SimPosi), programs (SimProg), state, moves, inputs and outputs, tasks,
// groups and sequence macros (SimCommands). The rez4sim tool serves exactly
// this, and a test drives the program against it, so the tool never serves
// less than the tests do: a command added to one of those files is served by
// both, and a new area's install function is added here once.
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "sim/SimTasks.h"

namespace SimFull {

// Registers every command on the simulator, a four-axis controller in
// positioner mode (SimOnline's defaults) with a few groups and macros
// stored; the model must outlive the simulator.
void InstallAll(SimController &sim, SimCmdModel &model);
// The same with the program tasks (SimTasks) served from their own model.
void InstallAll(SimController &sim, SimCmdModel &model, SimTaskModel &tasks);

} // namespace SimFull
