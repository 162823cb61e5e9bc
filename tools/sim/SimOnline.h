#pragma once
// The simulated controller's identification ("0RV", "0RV1".."0RV4") and
// system parameter blocks ("0RK", "0WK", "0WF"), with its parameter blocks
// (SimParaBlocks), and setters a test uses to make the
// controller what it needs: model code, axes present, controller mode and
// each axis's actuator.
#include "sim/SimController.h"

namespace SimOnline {

// Registers the commands and fills the blocks with a four-axis controller
// in positioner mode carrying " 28L" 100 mm actuators (lead 2, 400 pulses
// per revolution) without PG.
void InstallOnlineCommands(SimController &sim);

// One field of a parameter block: `bytes` bytes from byte `first`.
void SetBlockField(SimController &sim, int block, int first, int bytes, quint32 value);
quint32 BlockField(SimController &sim, int block, int first, int bytes);

void SetAxes(SimController &sim, int mask);
void SetProgramMode(SimController &sim, bool program);

struct Actuator {
    int sizeNo = 28;       // size number; ignored with speed 'E'
    char speed = 'L';      // 'E' = the E35 actuator
    int stroke = 100;      // mm
    int lead = 2;
    int ppr = 400;
    int maxPulse = 20000;
    int type = 1;
    int pg = 0;            // PG FUNCTION
};
void SetActuator(SimController &sim, int axis, const Actuator &a);

} // namespace SimOnline
