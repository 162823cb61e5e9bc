#pragma once
// The controller's parameter blocks: numbering, byte layouts, the encoder
// (parameter set -> block texts) and decoder (block replies -> parameter
// table), and the two transfers of the whole parameter set.
#include "paradata/ParadataState.h"

#include <QString>
#include <array>
#include <optional>
#include <span>

namespace Comm {

inline constexpr int kParaBlockIndices = 14;  // indices 0..13
inline constexpr int kBlockReplyLen = 38;     // "0RD" + digit + 32 digits + CR LF

// Block number of a transfer index: 0, 1, then i + 1 (3..E).
int ParaBlockOfIndex(int index);
// Axis (0..3) of a transfer index, -1 for blocks 0 and 1.
int ParaAxisOfIndex(int index);
// "0RD" + block digit.
QString ParaBlockReadFrame(int block);
// "0WD" + block digit + the block's 32 data digits.
QString ParaBlockWriteFrame(int block, const QString &data);

// Actuator code of block 1 for a size code and speed letter. A " 99" with a
// speed letter the table does not name gets 0, the code of an unnamed size.
int16_t ParaDevCode(const QString &size, const QString &speed);

// Block data (32 hexadecimal digits) of the indices read; nothing = not read.
using ParaBlockData = std::array<std::optional<QString>, kParaBlockIndices>;

// A block's data: 32 hexadecimal digits, upper case as the controller
// writes them (a block read is written back as it stands).
bool IsParaBlockData(const QString &digits);
// The 32 data digits of a reply to ParaBlockReadFrame(block); nothing when
// the reply does not echo that frame, is short or its data is not block data.
std::optional<QString> ParaBlockDataOfReply(int block, const QString &reply);
// One block read (message flag 1): its 32 data digits, nothing on any
// failure. `wrongData`, when given, is set when a reply came that was not the
// block (told apart from a failed request, which the link has handled).
std::optional<QString> ReadParaBlock(int block, int timeoutMs, bool *wrongData = nullptr);

// Decodes the blocks read into `table` (cleared first as ClearParaFileTable
// does) and their spare bytes into `spare`.
void DecodeParaBlocks(const ParaBlockData &data, ParaTable &table, std::array<std::optional<uint8_t>, 68> &spare);

// What the encoder reads besides the parameter set.
struct ParaEncodeSource {
    const ParaSetData &set;
    const CtAxisData &ct;
    const PerAxis<int16_t> &block1Value;   // sent for axes not in use
    const std::array<std::optional<uint8_t>, 68> &spare;
    const PerAxis<bool> &axisNotUsed;
    // TYPE as the set holds it; otherwise the set's 1 goes out as the
    // controller's 3.
    bool typeAsHeld = false;
};
// One block as block digit + 32 hexadecimal digits, or the name of the first
// field whose value does not fit its bytes (or is no number).
struct EncodedBlock {
    QString text;
    QString badField;
    bool ok() const { return badField.isEmpty(); }
};
// Encodes one transfer index. Block 1 also yields the four actuator codes
// in `devCode` (axes in use only).
EncodedBlock EncodeParaBlock(int index, const ParaEncodeSource &src, PerAxis<int16_t> &devCode);

// Reads every block the PC uses (blocks of axes not in use are skipped) and,
// when all were read, decodes them into ParaFileTable and ParaBlockSpare:
// 0 done, 1 failed (table and spare unchanged).
int ReadParametersFromCt();
// Encodes ParaSet, writes the blocks of axes 0..ParaLastAxis in use and
// stores them ("0WE2"): 0 written and stored, 1 failed. A value that does
// not fit its field fails the write with a message before anything is sent.
int WriteParametersToCt();

// A write of chosen blocks from ParaSet and the actuator data: every block
// is encoded before the first frame goes out (a value that does not fit
// fails it with a message), blocks of axes not in use are passed over, the
// store command closes it, and each step waits BlockStepWaitMs. The progress
// shows `firstProgress` after the first step, one more after each.
struct ParaBlockWrite {
    std::span<const int> indices; // transfer indices
    QString store;                // store command; its echo is "0WE"
    int storeReplyLen = 0;
    bool typeAsHeld = false;      // see ParaEncodeSource
    int firstProgress = 1;
};
// 0 written and stored, 1 failed (nothing stored).
int WriteParaBlocks(const ParaBlockWrite &write);

} // namespace Comm
