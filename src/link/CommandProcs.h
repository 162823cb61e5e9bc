#pragma once
// One procedure per controller command (or sequence of commands): state,
// motion, alarm and store; inputs and outputs; program step counts and the
// running task; group and sequence-macro transfer. Each queues its frames
// (CommandFrames.h) and waits for them through the request queues; the
// engine shows the communication messages. Results: 0 = success, 1 =
// failure unless a procedure says otherwise; a full queue fails silently.

#include "link/CommandFrames.h"

#include <functional>
#include <optional>
#include <vector>

namespace Comm {

// ---- state, motion, alarm, store ------------------------------------------
// "0CM1": 0 = controller in communication mode and application online.
int CommunicationModeOn(int msgFlag);
// "0RA": 1 = every present axis at rest, 0 = not at rest, -1 = failure.
int CheckCtAxisStop();
// The same question judged on the axes of a mask of one's own.
int CheckCtAxisStop(int axisMask);
// Asks "0RA" again and again, running the event loop before each question,
// until every axis is at rest: 1 at rest, -1 failed or the link failed. No
// limit: it lasts as long as the axes move, unless `stop` is given: set
// (by a stop button, during the events) while an axis still moves, it ends
// the wait with 0. `linkErrorEnds` false: a link failure the events left
// does not end the wait before the next question.
int WaitCtAxisStop(const bool *stop = nullptr, bool linkErrorEnds = true);
// "0MP" / "0MS" (mode 1): position 0..999 (0 = home return).
int MovePosiNo(int posiNo, int mode);
// "0MG": waits for the end of the group move without time-out; the wait
// also ends (failure) on the main window's cancel, the move test's group
// stop (Link().GrpMoveStop) or a link failure.
int MoveGrpNo(int grpNo);
// "0WA": closes a position write with the range of positions written.
int StorePosiDataInCt(int first, int last);
// "0AR".
int AlarmResetCt();
// "0CM" + mode number + four axis digits. A mode number outside 0..2
// becomes 0, also in the caller's variable.
int SetCommunicationMode(int modeValue, int &modeNo, int axisMask);

// ---- inputs and outputs ----------------------------------------------------
// "0RI" then "0RO" into InBit / OutBit.
int ReadIOFromCt();
// Applies the toggles of OutReq to OutBit and writes all outputs ("0WO").
int WriteOutputToCt();
// One cycle of the monitor: mode command when needed, output write when
// requested, then the read.
int MonitorExchange();

// ---- present position ------------------------------------------------------
// "0RC" for the axes in use: 0 with the pulses of each axis in use in `pos`
// (an axis not in use gets nothing), 1 on any failure with `pos` untouched.
// A garbled reply ends as a link failure (message 384/385).
int ReadPresentPosFromCt(Frames::PresentPositions &pos);

// ---- watched flags, variables and position variables -----------------------
// One item's value, or nothing when the read failed (the queue was full, the
// link failed, the controller refused the item or answered for another).
// The application is put online first, so the pump sends. No message is
// shown: a list is read every half second.
std::optional<int32_t> ReadWatchItemFromCt(Watch::Kind kind, const Watch::Item &item);
// Reads the items in order; nothing at the first failed read, or when
// `stop` answers true before a read.
std::optional<std::vector<int32_t>> ReadWatchItemsFromCt(Watch::Kind kind, const std::vector<Watch::Item> &items,
                                                         const std::function<bool()> &stop);

// ---- programs and tasks ----------------------------------------------------
// "0RR": the program's step count 0..255, or -1 = failure.
int ReadProgStepCountFromCt(int progNo);
// Step counts of programs 1..100 into ProgStepCount.
int ReadAllProgStepCountsFromCt();
// Result of ReadTaskNoFromCt on any failure: no task digit takes it.
inline constexpr int kTaskNoFailure = -1;
// "0TN" through the priority queue: the running task's program digit 0..15
// (0 = none), or kTaskNoFailure.
int ReadTaskNoFromCt();
// The fixed answer 3 (the digit of "0TN03"); sends nothing.
int FixedTaskNo();

// ---- groups and sequence macros --------------------------------------------
// 99 × "0WG", then "0WE3".
int WriteGrpDataToCt();
// 99 × "0RG" into GrpDataBuf; 2 = cancelled by the user.
int ReadGrpDataFromCt();
// 20 × "0WS", then "0WE1".
int WriteSqMcrToCt();
// 20 × "0RS" into SmDataBuf.
int ReadSqMcrFromCt();

// "0RH": 0 = reply evaluated into HomeDoneFlag, 1 = failure.
int CheckRH();
} // namespace Comm
