#pragma once
// The standard (factory) parameter lists: one per-axis list per actuator
// generation ("tq7qzstpr.lst" old type, "tq7nqzstpr.lst" new type) and the
// common list "tq7cmstpr.lst"; filling the parameter set from them for the
// chosen actuators; and the range check before standard values are written
// to the controller.
#include "core/ValueCell.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Fields of one record of a per-axis list.
namespace StdField {
enum : int {
    Key = 0, Size = 1, Speed = 2, Stroke = 3,
    HomeOffset = 4, Push = 5, Vel = 6, OfsVel = 7, PushVel = 8, Seq = 9,
    AxisStroke = 10, Lead = 11, Pulse = 12, JogVel = 13, AutoDrive = 14,
    Type = 15, Actuator = 16,
    Count = 27
};
}

inline constexpr int kStdParaRecords = 99;  // records 1..99
inline constexpr int kStdCmnRows = 26;      // rows 0..25
inline constexpr int kStdCmnCols = 3;       // columns 0..2

using StdParaRecord = std::array<ValueCell, StdField::Count>;

struct StdParaState {
    // Per axis, records 0..99; record 0 field 0 holds the record count.
    std::array<std::vector<StdParaRecord>, 4> StdParaTable{};
    std::array<int16_t, 4> StdParaCount{};
    // Rows 0..25 across the sections of the common list; column 1 the
    // standard value, column 2 the value for an axis with PG.
    std::array<std::array<ValueCell, kStdCmnCols>, kStdCmnRows> StdCmnTable{};
};

namespace StdPara {

StdParaState &State();
void ResetStdParaState();

// File of the per-axis list an axis reads, or empty when its series has no
// standard list.
QString StdParaFileName(int axis);

// Reads the four per-axis lists and the common list: 0 read, 1 failed
// (message shown; the tables keep what they held before).
int ReadStdParaLists();
// Every parameter of the axes in use and the single parameters from the
// standard values of the candidate actuators: 0 done; 1 the lists could not
// be read or an axis in use has no usable record (message shown; the axes
// found keep their new values).
int SetStandardParameters();
// The actuator-dependent parameters only, as above.
int SetStandardActuatorParameters();
// Whether SetStandardActuatorParameters will find a record for every axis that
// `axisNotUsed` leaves in use: the lists are read and searched, nothing is
// set. 0 all found; 1 a list cannot be read or an axis has no record
// (message 36 shown).
int CheckStdParaRows(const std::array<bool, 4> &axisNotUsed);
// 1 when a parameter of an axis in use or a single parameter lies outside
// its range, 0 when all are in range. No message.
int CheckParaRange();

} // namespace StdPara
