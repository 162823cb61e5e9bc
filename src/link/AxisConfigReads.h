#pragma once
// Reads of single parameter blocks for the controller's configuration: the
// axes present and the controller mode (block 0), the actuator codes of
// block 1, and each axis's actuator data (its first and second block); and
// the comparison of the controller's actuators with the PC's setting. None
// shows a message of its own (the engine does); all but
// ReadAxisConfigFromCt3 leave the port open.
namespace Module3Tusin {

// Block 0 into ParaSpAxis and AxisNotUsed: 0 / 1.
int ReadAxisConfigFromCt();
// Block 0 into the held copies (CtAxisMaskHold, AxisNotUsedHold,
// PrgModeFlagHold): 0 / 1.
int ReadAxisConfigFromCt2();
// The held copies into the live configuration.
void ApplyCtAxisConfig();
// ReadAxisConfigFromCt2, then ApplyCtAxisConfig: 0 / 1.
int ReadAxisConfigFromCt_Apply();
// Block 0 into AxisNotUsedHold only, up to four tries; closes the port
// unless it is kept open: 0 / 1.
int ReadAxisConfigFromCt3();
// Block 1 bytes 4..7 into CtBlock1Value: 0 / 1.
int ReadBlock1FromCt();
// Second block of each axis in use: CtMaxPulse: 0 / 1.
int ReadMaxPulseFromCt();
// Second and first block of each axis in use: all of the controller's
// actuator data: 0 / 1.
int ReadDeviceFromCt();
// ReadDeviceFromCt, then 0 = the controller's actuators equal the PC's
// setting, 1 = some axis differs, -1 = the read failed.
int CompareCtDevice2PcDevice();

} // namespace Module3Tusin
