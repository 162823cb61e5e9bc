#pragma once
// The controller's 72 system parameters in 7 blocks of 16 bytes: the read
// ("0RK" + block digit) and the write ("0WK" + block digit + data, then the
// store "0WF"), with the packing of the values into the blocks.
#include "core/ValueCell.h"

#include <QString>
#include <array>
#include <optional>

namespace Comm {

inline constexpr int kSysParaCount = 72;
inline constexpr int kSysParaBlocks = 7;

struct SysParaState {
    // Entries 1..72 are the parameters; 0 and 73..80 are not used.
    std::array<ValueCell, 81> SysParaReadValue{};
    std::array<ValueCell, 81> SysParaWriteValue{};
};
SysParaState &SysPara();
void ResetSysParaState();

// Hexadecimal digits per value in block b (4 for 16-bit, 2 for 8-bit).
int SysParaDigits(int block);
// First parameter number of block b.
int SysParaFirst(int block);
// Number of parameters in block b.
int SysParaCountOf(int block);

// Block b's frame data: the block digit and 32 digits from `values` (entries
// 1..72); a value that does not fit its width is written as "X".
QString SysParaBlockText(int block, const std::array<ValueCell, 81> &values);
// The values of a "0RK" reply into `values`; false when the data digits are
// not hexadecimal (nothing is changed then).
bool DecodeSysParaReply(int block, const QString &reply, std::array<ValueCell, 81> &values);

// 0 = all seven blocks read into SysParaReadValue, 1 = failed (unchanged).
int ReadSystemParametersFromCt();
// 0 = SysParaWriteValue written and stored ("0WF"), 1 = failed.
int WriteSystemParametersToCt();

} // namespace Comm
