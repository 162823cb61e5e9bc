#pragma once
// What the position routines read of the actuator setting, in one place:
// the parameter subsystem's setting, limits and pulse/mm conversions.
#include <QString>
#include <cstdint>
#include <optional>

namespace PosiDevice {

QString DevSize(int axis);
QString DevSpeed(int axis);
int DevLead(int axis);
int32_t DevPPR(int axis);
bool DevNewType(int axis);
int MaxSpeed(int axis);
// The size-42 actuator of speed D, which the position rules treat apart
// (its own speed limit and default acceleration).
bool IsSize42SpeedD(int axis);
double MaxMm(int axis);
int32_t MaxPulse(int axis);

// Pulses of an axis as millimetres (not rounded) and back (whole pulses,
// halves to even). An axis without a valid lead and pulse count gives
// nothing.
std::optional<double> PulseToMm(int axis, double pulses);
std::optional<double> MmToPulse(int axis, double mm);

// The position table's millimetre columns from its pulse columns for
// PosiNoStart..PosiNoEnd, and the other way round. 0 / 1 as the parameter
// subsystem's conversions report.
int PosiPulseToMm();
int PosiMmToPulse();

// Lead of every axis in use from its device-list table. 0 all found; 1 some
// axis not listed (string 17 shown, DevNotFoundFlag set; the axes found take
// their lead).
int SetDevLeadFromDevList();
} // namespace PosiDevice
