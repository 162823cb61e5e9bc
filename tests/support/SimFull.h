#pragma once
// The whole simulated controller in one table: identification, system
// parameters and parameter blocks (SimOnline, SimParaBlocks), positions
// (SimPosi), state, moves, inputs and outputs, programs and tasks, groups
// and sequence macros (SimCommands). The rez4sim tool serves exactly this,
// and a test drives the program against it, so the tool can never serve
// less than the tests do. A command added to any of those files is served
// by both.
#include "support/SimCommands.h"
#include "support/SimController.h"

namespace SimFull {

// Registers every command on the simulator, a four-axis controller in
// positioner mode (SimOnline's defaults) with a few plausible programs,
// groups and macros stored; the model must outlive the simulator.
void InstallAll(SimController &sim, SimCmdModel &model);

} // namespace SimFull
