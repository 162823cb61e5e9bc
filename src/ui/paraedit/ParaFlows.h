#pragma once
// The parameter window's commands that talk to the controller or to files:
// the write with its axis arbitration and the take-over of the written
// setting, the two verifies, File open, File save and the standard values.
// Each asks the user through the message service and reports every outcome;
// the window's click handlers wrap them in the busy discipline.
class ParameterWindow;

namespace ParaFlows {

// The window's fields checked (none empty) and their values taken into the
// parameter set and checked against their ranges; false after the message
// of what is wrong.
bool ParametersTaken(ParameterWindow &w);

// 0 the parameters address no more axes than the controller has, 1 more,
// -1 the controller's model could not be read.
int CheckCtAxisAndParaAxis(const ParameterWindow &w);

// The window's parameters written to the controller and stored.
void WriteParaToCt(ParameterWindow &w);

// The window's parameters against the controller's / a parameter file's.
void CompareParametersWithController(ParameterWindow &w);
void CompareParametersWithFile(ParameterWindow &w);

// A parameter file into the window (File open).
void ReadParaFileToWindow(ParameterWindow &w);
// The window's parameters into a file (File save).
void SaveParaFile();
// The standard values of the actuators chosen in the actuator window.
void LoadStdParameters(ParameterWindow &w);

} // namespace ParaFlows
