#pragma once
// Comparing the parameter set (the window's values) with the parameter
// table (read from the controller or a file), section by section, and the
// text that reports the outcome.
#include "paradata/ParadataState.h"

#include <QString>
#include <array>

namespace ParaVerify {

// Section logs: 0 HOME, 1 AXIS, 2 PG, 3 ETC, 4 SPECIAL; 5 is never filled.
using ChangeLog = std::array<QString, 6>;

// True when a set value and a table cell hold the same value: numbers
// (and texts that are numbers) by value, other texts as texts, an empty
// cell as 0 or "".
bool SameValue(const ValueCell &set, const ValueCell &cell);

// Compares every row of the used axes and every single value; fills `log`
// (a per-axis entry as "LEAD(1),", a single one as "HOME OUT,") and
// returns true when anything differs.
bool Compare(const ParaSetData &set, const ParaTable &table, const PerAxis<bool> &axisNotUsed, ChangeLog &log);

// The message of a verify: 1 "Result of Verify - NG" with a line per
// section that differs, 0 "Result of Verify - OK", anything else "Error".
QString ResultText(int result, const ChangeLog &log);

// ParaSet against ParaFileTable for the axes in use into ParaChangeLog and
// ParaChangeFlag: 1 something differs, 0 nothing does.
int MakeParaChangeLog();
} // namespace ParaVerify
