#pragma once
// Writes of single parameter blocks outside the parameter window's full
// transfer: the standard parameters of the chosen actuators, the mask of the
// axes present in block 0, and the controller-mode byte of block 0.
#include <QString>

namespace Comm {

struct BlockWriteState {
    // Block 0 as 32 hexadecimal digits between its read and its write-back.
    QString CtBlock0Data;
};
void ResetBlockWriteState();

// The actuator-dependent blocks (1 and the first two blocks of every axis in
// use) from the parameter set, TYPE as held, then "0WE". 0 written and
// stored, 1 failed (nothing stored).
int WriteActuatorParametersToCt();
// Block 0 read and written back with byte 1 (axes present) = mask. 0 / 1;
// on success ParaSpAxis = mask. Nothing is stored here.
int WriteAxisMaskToCt(int mask);
// The same with the mask of the axes in use.
int WriteAxesInUseMaskToCt();
// Block 0 read once, its axes-present byte set to mask and its mode byte to
// the controller mode, written back and stored ("0WE"): 0 done (ParaSpAxis =
// mask), 1 failed.
int WriteAxisMaskAndModeToCt(int mask, bool prgMode);
// Block 0 into CtBlock0Data: 0 read, 1 failed.
int ReadBlock0FromCt();
// CtBlock0Data into block 0, then "0WE": 0 written and stored, 1 failed.
int WriteBlock0ToCt();
// The controller mode of block 0 (0 positioner, 1 program), -1 failed.
int ReadCtModeFromCt();
// Changes only the controller-mode byte of block 0 and stores it: 0 done,
// -1 failed. A change of mode is announced (it applies after a power cycle).
int SetCtModeToCt(int mode);

} // namespace Comm
