#include "sim/SimFull.h"

#include "sim/SimOnline.h"
#include "sim/SimParaBlocks.h"
#include "sim/SimPosi.h"
#include "sim/SimProg.h"
#include "sim/SimTasks.h"

namespace SimFull {

void InstallAll(SimController &sim, SimCmdModel &model)
{
    SimOnline::InstallOnlineCommands(sim);
    SimPosi::InstallPosiCommands(sim);
    // Registered last: its store command serves the parameter blocks' store
    // frames as well as the groups' and macros'.
    InstallCommandSim(sim, model);
    // Programs after the command table: their step count replaces its own.
    SimProg::InstallProgCommands(sim);

    // Something to read back besides zeros.
    model.groups[1] = {1, 10};
    model.groups[2] = {11, 20};
    model.groupsPending = model.groups;
    model.macros[1][0] = {1, 2};
    model.macros[1][1] = {3, 4};
    model.macrosPending = model.macros;
}

void InstallAll(SimController &sim, SimCmdModel &model, SimTaskModel &tasks)
{
    InstallAll(sim, model);
    // The ten task slots replace the command table's task-count answer.
    InstallTaskSim(sim, tasks);
}

} // namespace SimFull
