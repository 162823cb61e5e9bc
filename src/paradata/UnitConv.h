#pragma once
// Pulses and millimetres: every conversion between the two units, and the
// per-axis limits the position checks use. A lead or a pulses-per-revolution
// of 0 (or less) is not a valid actuator setting: the conversions then give
// nothing instead of dividing.
#include "core/ValueCell.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace UnitConv {

// pulses x (lead / ppr), unrounded.
std::optional<double> PulseToMm(int lead, int32_t ppr, const ValueCell &pulses);
// (mm / lead) x ppr, rounded half to even to whole pulses.
std::optional<double> MmToPulse(int lead, int32_t ppr, const ValueCell &mm);
// The millimetre value moved onto a whole pulse: mode 1 sends an exact half
// pulse up (away from zero), mode 0 down; any other mode gives 0.
std::optional<double> RoundMmToPulseUnit(int lead, int mode, int32_t ppr, const ValueCell &mm);

// True when the axis's lead and pulses per revolution can be divided by.
bool AxisSettingValid(int axis);

// The mm columns (axis + 4) of the position rows PosiNoStart..PosiNoEnd from
// the pulse columns (axis 0..3), and the other way round. The position table
// belongs to the position data; it is reached through the two accessors
// (cell (row, column), rows 0..999, columns 0..8). An axis not in use gets
// the integer 0. Result 0, or 1 when some axis in use has an invalid setting
// or a source cell holds no number (those cells are left as they were).
using CellGet = std::function<ValueCell(int row, int col)>;
using CellSet = std::function<void(int row, int col, const ValueCell &v)>;
int PosiPulseToMm(const CellGet &get, const CellSet &set);
int PosiMmToPulse(const CellGet &get, const CellSet &set);

// Stroke limit in pulses of every axis (0 for an axis not in use); one
// decimal rounded half away from zero, then any remainder of 0.05 pulse or
// more rounds up. Result 0, or 1 when an axis in use has an invalid setting
// (its MaxPulse becomes 0).
int CalcMaxPulse();
// MaxMm of every axis in use from MaxPulse, truncated to 0.001 mm. Result 0,
// or 1 when an axis in use has an invalid setting (its MaxMm is kept).
int CalcMaxMm();
// MaxSpeed of every axis. Result 0, or 1 when an axis has an invalid setting
// or the speed does not fit (its MaxSpeed is kept).
int CalcMaxSpeed();

// The pure rules behind the limits, for one axis.
std::optional<int32_t> MaxPulseOf(int stroke, int lead, int32_t ppr);
std::optional<double> MaxMmOf(int lead, int32_t ppr, int32_t maxPulse);
// The calculator's stroke in pulses: stroke / lead x factor (400, or 192 for
// the QZ-42D), rounded as MaxPulseOf rounds. Nothing when the lead cannot be
// divided by or the pulses round to 0.0 (no stroke).
std::optional<int32_t> StrokePulseOf(int stroke, int lead, int factor);
std::optional<int16_t> MaxSpeedOfUsedAxis(int lead, int32_t ppr);
// Speed of an axis not in use, from its size code and speed letter; " 99"
// uses the formula of a used axis.
std::optional<int16_t> MaxSpeedOfFreeAxis(const QString &size, const QString &speed, int lead, int32_t ppr);

} // namespace UnitConv
