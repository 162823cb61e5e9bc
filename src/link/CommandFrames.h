#pragma once
// Coding of the controller's state, motion, input/output, program, task,
// group and sequence-macro frames, and decoding of their replies. Plain
// functions without any link traffic: the command procedures
// (CommandProcs.h) send what these build.
//
// A coder that cannot express a value in its field answers nothing, so no
// malformed frame is ever queued. A decoder answers nothing when the reply's
// data are not what the command promises (wrong echo, non-hex digit, too
// short).
#include "live/IoMap.h"
#include "live/WatchList.h"
#include "prog/ProgLines.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace Comm::Frames {

// Reply lengths (CR LF included) and time-outs (ms) of the commands.
inline constexpr int kModeOnReplyLen = 6, kModeOnTimeout = 1000;
inline constexpr int kAxisStopReplyLen = 6, kAxisStopTimeout = 2000;
inline constexpr int kHomeStateReplyLen = 6, kHomeStateTimeout = 1000;
inline constexpr int kMovePosiReplyLen = 5, kMovePosiTimeout = 1000;
inline constexpr int kMoveGrpReplyLen = 7, kMoveGrpTimeout = 0; // 0 = no limit
inline constexpr int kStorePosiReplyLen = 11, kStorePosiTimeout = 10000;
inline constexpr int kAlarmResetReplyLen = 5, kAlarmResetTimeout = 3000;
inline constexpr int kModeSetReplyLen = 10, kModeSetTimeout = 2000;
inline constexpr int kReadInReplyLen = 12, kReadOutReplyLen = 10, kWriteOutReplyLen = 5;
inline constexpr int kIoTimeout = 5000;
inline constexpr int kPresentPosTimeout = 1000;
inline constexpr int kStepCountReplyLen = 9, kStepCountTimeout = 3000;
inline constexpr int kProgWriteReplyLen = 7, kProgCommitReplyLen = 7, kProgTimeout = 5000;
inline constexpr int kTaskNoReplyLen = 6, kTaskNoTimeout = 2000;
inline constexpr int kTaskCmdReplyLen = 5, kTaskCmdTimeout = 5000;   // "0DM", "0PM", "0PN"
inline constexpr int kTaskProgReplyLen = 25, kTaskProgTimeout = 2000; // "0TS"
inline constexpr int kStepStatusReplyLen = 28, kStepStatusTimeout = 2000; // "0PT"
inline constexpr int kTaskCount = 10;
inline constexpr int kGrpWriteReplyLen = 7, kGrpReadReplyLen = 13, kGrpTimeout = 5000;
inline constexpr int kSmWriteReplyLen = 7, kSmReadReplyLen = 39;
inline constexpr int kSmWriteTimeout = 5000, kSmReadTimeout = 1000;
inline constexpr int kStoreReplyLen = 6; // "0WE3" / "0WE1"

inline constexpr int kGroupCount = 99;
inline constexpr int kMacroCount = 20;
inline constexpr int kMacroSteps = 16;
inline constexpr int kProgramCount = 100;

// (digit, bit) table of the input/output monitor: digit 0..6, bit 0..3,
// bit b of a digit weighs 2^b.
using BitTable = IoMap::Bits;
inline constexpr int kInDigits = 7;
inline constexpr int kOutDigits = 5;

// One step of a sequence macro: command code and data.
struct MacroStep {
    int code = 0;
    int data = 0;
    bool operator==(const MacroStep &) const = default;
};
using MacroSteps = std::array<MacroStep, kMacroSteps>;

struct GroupRecord {
    int start = 0;
    int end = 0;
    bool operator==(const GroupRecord &) const = default;
};

// Value of `len` hex characters of `text` from 1-based position `pos`.
std::optional<int> HexField(const QString &text, int pos, int len);

// The first `count` characters of a reply equal those of the frame sent.
bool EchoMatches(const QString &reply, const QString &frame, int count);

// ---- state, motion, alarm, store ------------------------------------------
QString CommunicationModeOn();            // "0CM1"
QString AxisStopQuery();          // "0RA"
QString HomeStateQuery();         // "0RH"
QString AlarmReset();             // "0AR"

// The state digit (reply position 4) of "0RA" / "0RH" reports every present
// axis: "F", or the hex digit equal to the present-axis mask.
bool AllAxesReported(const QString &reply, int paraSpAxis);

// Mask of the axes in use (axis 1 = bit 0) as one hex digit's value.
int AxisInUseMask(const std::array<bool, 4> &axisNotUsed);

// "0MP" (mode 1: "0MS") + position (3 hex) + axis mask (1 hex); nothing
// for a position outside 0..999.
std::optional<QString> MovePosiNo(int posiNo, int mode, const std::array<bool, 4> &axisNotUsed);
// "0MG" + group (2 hex); nothing for a group outside 0..99.
std::optional<QString> MoveGrpNo(int grpNo);
// "0WA" + first (3 hex) + last (3 hex); nothing when either does not fit.
std::optional<QString> StorePosiData(int first, int last);

// "0CM" + mode number (one decimal digit) + four axis digits, axis 1 first:
// the mode value where it is 1 or 2, the axis is in use and its bit of the
// mask is set, else "0". A mode number outside 0..2 becomes 0, also in the
// caller's variable.
QString SetCommunicationMode(int modeValue, int &modeNo, int axisMask, const std::array<bool, 4> &axisNotUsed);

// ---- inputs and outputs ----------------------------------------------------
QString ReadInputs();   // "0RI"
QString ReadOutputs();  // "0RO"
// Fills `digits` digits of `table` from the hex characters at reply
// positions 4 onward; `table` is untouched when a character is not hex or
// the reply is too short.
bool DecodeBits(const QString &reply, int digits, BitTable &table);
// Applies the requested toggles of the outputs (digits 0..4) to `outBit`
// and clears the requests.
void ApplyOutputRequests(BitTable &outBit, BitTable &outReq);
// "0WO" + 5 hex digits, digit 0 first.
QString WriteOutputs(const BitTable &outBit);

// ---- present position ------------------------------------------------------
// A position field above this reads as 0 (the controller's "no value").
inline constexpr int32_t kPresentPosLimit = 0xF0000;
// "0RC" + the mask of the axes in use as one hex digit (axis 1 = bit 0).
QString PresentPosQuery(const std::array<bool, 4> &axisNotUsed);
// "0RC", the mask digit, 5 hex digits per axis in use, CR LF.
int PresentPosReplyLen(const std::array<bool, 4> &axisNotUsed);
// Pulses of each axis in use, nothing for an axis not in use.
using PresentPositions = std::array<std::optional<int32_t>, 4>;
// The positions of a reply to PresentPosQuery(axisNotUsed): the echo "0RC"
// and the same mask digit, then one 5-digit field per axis in use, axis 1
// first. Nothing when the echo differs, a field is short or not hex.
std::optional<PresentPositions> DecodePresentPos(const QString &reply, const std::array<bool, 4> &axisNotUsed);

// ---- watched flags, variables and position variables -----------------------
inline constexpr int kWatchTimeout = 2000;
// "0FR" + program (2 hex) + flag (2 hex); "0HR" + program (2) + variable
// (2); "0HP" + program (2) + axis (1). Program 0 reads a global item.
// Nothing when a field does not fit.
std::optional<QString> ReadWatchItem(Watch::Kind kind, const Watch::Item &item);
// 10, 17 and 16 characters with CR LF.
int WatchReplyLen(Watch::Kind kind);
// The value of a reply that echoes the frame of this item: a flag's digit
// (position 8), or the 8 hex digits of a variable (position 8) or position
// variable (position 7) as a signed 32-bit number.
std::optional<int32_t> DecodeWatchItem(Watch::Kind kind, const Watch::Item &item, const QString &reply);

// ---- programs and tasks ----------------------------------------------------
// "0RR" + program (2 hex); nothing when it does not fit.
std::optional<QString> ReadProgStepCount(int progNo);
// Step count from reply positions 6-7.
std::optional<int> DecodeProgStepCount(const QString &reply);
QString TaskNoQuery(); // "0TN"
// "0WM" + program (2 hex) + the steps of lines 1..n of ProgDA (with the
// terminating step when n is below the program's limit); nothing when the
// program has more lines than its limit or a code does not fit its field.
std::optional<QString> WriteProg(int progNo, const std::vector<ProgData::ProgStep> &progDA);
// "0MW" + program (2 hex): the controller keeps the program just written.
std::optional<QString> CommitProg(int progNo);
// "0RM" + program (2 hex); the reply carries every step the number holds.
std::optional<QString> ReadProg(int progNo);
int ReadProgReplyLen(int progNo);
// Task program digit at reply position 4.
std::optional<int> DecodeTaskNo(const QString &reply);
// "0DM" / "0PM" + program (2 hex): start a program in a free task / stop the
// task running it; nothing when the number does not fit.
std::optional<QString> StartTask(int progNo);
std::optional<QString> StopTask(int progNo);
QString StopAllTask();    // "0PN"
QString TaskProgQuery();  // "0TS"
// The program each task runs (0 = idle), from a "0TS" reply: ten 2-hex
// fields from position 4.
using TaskProgs = std::array<int, kTaskCount>;
std::optional<TaskProgs> DecodeTaskProgs(const QString &reply);
// "0PT" + program (2 hex): the step that program executes.
std::optional<QString> StepStatusQuery(int progNo);
// Program, step, command code, operand 1, operand 2, condition, result of a
// "0PT" reply (fields of 2, 2, 2, 6, 6, 3, 2 hex from position 4).
using StepStatus = std::array<int, 7>;
std::optional<StepStatus> DecodeStepStatus(const QString &reply);

// ---- groups ------------------------------------------------------------------
// "0WG" + group (2 hex) + start (3 hex) + end (3 hex); nothing when a value
// does not fit its field.
std::optional<QString> WriteGrp(int grpNo, int start, int end);
std::optional<QString> ReadGrp(int grpNo); // "0RG" + group (2 hex)
// Start and end from a "0RG" reply that echoes this group ("0RG" + 2 hex).
std::optional<GroupRecord> DecodeGrp(const QString &reply, int grpNo);
QString StoreGrp(); // "0WE3"

// ---- sequence macros -------------------------------------------------------
// "0WS" + macro (2 hex) + 16 × (code, data), one hex digit each; nothing when
// a code or datum is outside 0..15.
std::optional<QString> WriteSqMcr(int macroNo, const MacroSteps &steps);
std::optional<QString> ReadSqMcr(int macroNo); // "0RS" + macro (2 hex)
// The 16 steps of a "0RS" reply that echoes this macro; a step whose code
// is 0 gets data 0.
std::optional<MacroSteps> DecodeSqMcr(const QString &reply, int macroNo);
QString StoreSqMcr(); // "0WE1"

} // namespace Comm::Frames
