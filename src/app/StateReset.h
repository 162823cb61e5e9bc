#pragma once
// One reset of every module's state: the application state, the tables, the
// link's queues and engine, the windows' kept values. The test scope calls it
// so that no test depends on what an earlier one left behind; a module that
// keeps state adds its reset here.
namespace StateReset {
void ResetAllModuleState();
} // namespace StateReset
