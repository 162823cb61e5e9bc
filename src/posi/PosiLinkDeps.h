#pragma once
// Controller reads the position transfers need before a write or after a
// read: the axis configuration (block 0) and the maximum pulses of the axes
// in use. Kept small and in one place.
namespace PosiLink {

// "0RD0": the present-axis mask into ParaSpAxis and AxisNotUsed. 0 / 1.
int ReadAxisConfigFromCt();
// "0RD4", "0RD7", "0RDA", "0RDD" for the axes in use: CtMaxPulse. 0 / 1.
int ReadMaxPulseFromCt();
// 0 when the controller's axes equal the PC's, 1 when they differ, -1 when
// the read failed. The controller's mask is kept for ApplyCtAxisConfig.
int CompareCtAxisAndDevice();
// Takes the controller's axes (as last compared) into the PC's setting.
void ApplyCtAxisConfig();
// Goes online when offline, through the main window: 0 online, non-zero
// failed (message shown there).
int ChangeToOnline();

} // namespace PosiLink
