#pragma once
// Writing a program to the controller and reading one back: the exchanges
// only, with the main window's progress display. The questions around them
// belong to the program window's flows.
#include "prog/ProgLines.h"

#include <vector>

namespace Comm {

// "0WM" with lines 1..n of ProgDA, then "0MW"; progress 0..2 under text 383.
// 0 = written and kept; 1 = failed (the link reported it; nothing is sent
// when the frame cannot be built). The port is closed unless held open.
int WriteProgToCt(int progNo, const std::vector<ProgData::ProgStep> &progDA);

// "0RR" for the number of lines stored, then "0RM": lines 1..count into
// `steps` (element 0 unused; untouched on failure). 0 = read; 1 = failed,
// reported (a count above the number's limit or a garbled reply as wrong
// data). The port is closed unless held open.
int ReadProgFromCt(int progNo, std::vector<ProgData::ProgStep> &steps);

} // namespace Comm
