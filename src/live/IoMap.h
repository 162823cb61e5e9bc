#pragma once
// The rows of the input/output monitor's two grids: which bit of the
// controller's input or output word each row shows, and its name in either
// controller mode. One table serves the names, the state column and the
// output toggles, so they can never disagree.
#include <QString>
#include <array>

namespace IoMap {

// Bits of an input/output word: (data digit - 1, bit), bit b weighing 2^b;
// data digit 1 is the first character after the reply's echo.
using Bits = std::array<std::array<bool, 4>, 7>;

struct Row {
    int digit;            // data digit, 1-based
    int weight;           // 1, 2, 4 or 8
    const char *posiName; // positioner mode
    const char *prgName;  // program mode
};

inline constexpr int kInputRows = 25;
inline constexpr int kOutputRows = 19;

const std::array<Row, kInputRows> &InputRows();
const std::array<Row, kOutputRows> &OutputRows();

QString Name(const Row &row, bool prgMode);
int DigitIndex(const Row &row);
int BitIndex(const Row &row);
bool IsOn(const Row &row, const Bits &bits);
// The state column: "O" when the row's bit is set, "-" when not.
QString StateText(const Row &row, const Bits &bits);

// Marks output row `row` to be toggled at the next write. A request is a
// flag: marking it twice toggles once. False for a row outside 0..18.
bool RequestToggle(int row, Bits &outReq);

} // namespace IoMap
