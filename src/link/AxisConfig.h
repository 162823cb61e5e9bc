#pragma once
// Reads of the controller's configuration from single parameter blocks:
// the axes present and the controller mode (block 0), the actuator codes of
// block 1, each axis's actuator data and stroke limit (its first and second
// block), and the comparison of the controller's actuators with the PC's
// setting. All return 0 on success and 1 on failure unless said otherwise;
// values already stored when a later step fails stay.
namespace Comm {

// Block 0: the mask of axes present into ParaSpAxis and AxisNotUsed.
int ReadAxisConfigFromCt();
// Block 0 into the held copies: CtAxisMaskHold, AxisNotUsedHold and the
// controller mode PrgModeFlagHold.
int ReadAxisConfigFromCtIntoHold();
// The held copies into ParaSpAxis, PrgModeFlag and AxisNotUsed.
void ApplyCtAxisConfig();
// ReadAxisConfigFromCtIntoHold, then on success ApplyCtAxisConfig.
int ReadAxisConfigFromCt_Apply();
// Block 0 into AxisNotUsedHold only, sent up to four times; closes the port
// (unless it is held open) afterwards.
int ReadAxesInUseFromCtWithRetries();
// Block 1 bytes 4..7 into CtBlock1Value.
int ReadBlock1FromCt();
// Second block of each axis in use: CtMaxPulse (0 for an axis not in use).
int ReadMaxPulseFromCt();
// Second and first block of each axis in use: all of the controller's
// actuator data (zeros and empty texts for an axis not in use).
int ReadDeviceFromCt();
// ReadDeviceFromCt, then: 0 every axis in use agrees with the PC's setting,
// 1 some axis differs, -1 the read failed.
int CompareCtDeviceToPcDevice();

} // namespace Comm
