#pragma once
// Texts that tell the user which actuator each axis carries and how many
// pulses make a millimetre, and the parameter table's pulse values as
// millimetre text. The texts are computed by plain functions and shown
// through the shell.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace UnitTexts {

// STROKE, ZONE1 and ZONE2 of ParaFileTable rewritten as millimetre text
// ("#0.000", right-aligned to 7; a longer text is kept whole) for the axes
// not skipped (skip[a] true: axis a left as it is); a parameter file's
// printout converts the axes its own AXIS mask holds. Result 0, or 1 when an
// axis's LEAD / PULSE / value cannot be used (that axis's cells are left as
// they are).
int ParaPulseToMmText(const std::array<bool, 4> &skip);

// A present position as the teaching tab and the monitor show it: in
// millimetres (DispMmUnit) "#0.000" right-aligned in 8 characters (a longer
// text whole), else the pulses as a plain number. Nothing when the axis's
// lead or pulses per revolution cannot convert.
std::optional<QString> PresentPosText(int axis, int32_t pulses);

// Actuator texts of the position window: header cells (row 0) of the data
// columns 1..24 and the caption of each axis's device label. Nothing in a
// slot = that text stays as it is.
struct DeviceNameTexts {
    std::array<std::optional<QString>, 25> header{};   // index = grid column
    std::array<std::optional<QString>, 4> caption{};   // index = axis
};
DeviceNameTexts DeviceNameTextsNow();
// The model text of an axis of the QZ series, e.g. "QZ- 28L-100E".
QString DeviceModelText(const QString &size, const QString &speed, int stroke, int pgKind, bool withPG);

// Pulse/mm rate texts of the status panel (second and third panel).
// Nothing in a slot = that panel stays as it is.
struct RateTexts {
    std::optional<QString> panel2;
    std::optional<QString> panel3;
};
RateTexts PulseMmRateTexts(int axis);
void DispPulseMmRate();
void DispPulseMmRateOfAxis(int axis);

} // namespace UnitTexts
