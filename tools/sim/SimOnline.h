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
// per revolution) without PG, each with the parameters of AxisParameters,
// and SM TIMER 10.
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
    int type = 3;          // TYPE byte: 3 = old type, horizontal (the set's TYPE 1)
    int pg = 0;            // PG FUNCTION
};
void SetActuator(SimController &sim, int axis, const Actuator &a);

// The parameters of one axis besides its actuator, as the standard lists
// in data/ give them for the " 28L" 100 mm actuator without PG: what a
// controller set up by the maker holds, so a parameter read passes the
// parameter window's checks and can be written back as it stands.
struct AxisParameters {
    int homeOffset = 200;
    int homePush = 50;
    int homeVel = 20;
    int homeOffsetVel = 10;
    int homePushVel = 10;
    int pgAlarm = 100;
    int jogVel = 20;
    int inPositionWidth = 10;
    int holdTime = 10;
    int pgTimer = 10;
    int lsTimer = 10;
    int softLimit = 1;
};
void SetAxisParameters(SimController &sim, int axis, const AxisParameters &p);

} // namespace SimOnline
