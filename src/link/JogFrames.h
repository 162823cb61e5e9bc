#pragma once
// Coding of the teaching tab's single-axis moves: the jog start "0JR", the
// stop "0SP" and the inching step "0MV". Plain functions without any link
// traffic.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace Comm::Frames {

inline constexpr int kJogReplyLen = 5;
inline constexpr int kJogStartTimeout = 1000;
inline constexpr int kJogStopTimeout = 5000;      // the stop of a release
inline constexpr int kJogLateStopTimeout = 1000;  // the deferred stop
inline constexpr int kInchingTimeout = 1000;

// The jog speed digit of a speed in percent: v / 10 for 10..90, "0" (full
// speed) for anything else.
QString JogSpeedText(int percent);

// "0JR" + one direction digit per axis 1..4 ("0" still, "1" +, "2" -) +
// the speed text. Jog button `index` 0..7: axis index / 2, "+" for an even
// index. Nothing for an index outside 0..7.
std::optional<QString> JogStart(int index, const QString &speedText);
QString JogStop(); // "0SP"

// The inching settings of one step size: speed and the two accelerations.
struct InchingSetting {
    int velocity = 20;
    int acceleration = 3;
    int acceleration2 = 3; // for the size " 42" with speed "D"
};

// The data of one inching step of jog button `index` (0..7), `step` 1, 10
// or 100 pulses, from the axis's present position and its limit (pulses):
// four axis blocks of speed (3 hex), acceleration (2 hex), flag (1) and
// target (5 hex), then "0". The other axes keep "001", "01", "0", "00000";
// a step that cannot move (at the limit) keeps the flag "0".
QString MakeInchingCommand(int step, int index, int32_t present, int32_t limit, const InchingSetting &setting,
                           const QString &devSpeed, const QString &devSize);
// "0MV" + the data.
QString Inching(const QString &data);

} // namespace Comm::Frames
