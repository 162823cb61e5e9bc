#pragma once
// The position window's print command: the range to print, the check, the
// snapshot of the grid and the printout.
#include <QString>
#include <array>

namespace PosiPrint {
// deviceLabels: the captions of the window's four actuator labels.
void PrintPosiData(const std::array<QString, 4> &deviceLabels);
} // namespace PosiPrint
