#pragma once
// Input rules of the parameter window's text boxes: which keys a box takes
// and how many characters, where Enter sends the focus, the range a box
// checks when it loses the focus, and the conversion of the millimetre
// boxes into pulses. Plain data and functions over the field face.
#include "paradata/ParaForm.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace ParaInput {

using ParaForm::Ctl;

enum class Chars { Digits, DigitsNoZero, DigitsPoint };
enum class OnLeave { Range, Millimetre, None };

struct BoxRule {
    Ctl box;
    Chars chars;
    int maxChars;
    OnLeave leave;
    int32_t min;
    int32_t max;
    bool wide;            // the value is taken as 32 bits, else 16
    Ctl next;             // Enter after the last axis (or from a single box)
    bool lengthIgnoresSelection = false;
};

// The rule of a box; nullptr for a control that is not a typed box.
const BoxRule *RuleOf(Ctl c);

inline constexpr int kEnter = 13;
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;

// The character code a key press leaves for the box: the key itself, or 0
// when it is discarded. Enter is always discarded (it moves the focus).
int FilterKey(const BoxRule &r, int key, int textLength, int selectionLength);

struct Place {
    Ctl ctl;
    int axis;
    bool operator==(const Place &o) const { return ctl == o.ctl && axis == o.axis; }
};
// Where Enter in a box sends the focus: the same parameter's box of the
// next axis, after the last axis the first box of the next parameter. The
// hidden STROKE pulse box stands for the visible millimetre one; "5. LS
// TIMER" of axis 4 leads back to "1. OFFSET" of axis 1.
Place EnterTarget(Ctl c, int axis, bool spUnlocked, bool pgTimerEnabled);
// The same, passing over boxes that cannot take the focus; nothing when no
// place along the order can.
std::optional<Place> EnterFocus(Ctl c, int axis, bool spUnlocked, bool pgTimerEnabled,
                                const std::function<bool(const Place &)> &canFocus);

// The focus-loss range check: true when the text may stay; false when it is
// to be emptied with a beep (out of range, or too large for its number).
bool RangeKeeps(const BoxRule &r, const QString &text);

// What a millimetre box's focus loss did.
enum class MmResult {
    Nothing,        // axis not in use, or a value that cannot be converted
    Converted,      // pulse box and millimetre box rewritten
    NeedLeadPulse,  // LEAD or PULSE empty: millimetre box emptied
    NeedStroke,     // STROKE empty: the zone box keeps its text
    OutOfStroke,    // zone outside 0..STROKE: zone box emptied (beep)
};
// STROKE in millimetres of an axis into its pulse box, the millimetre box
// snapped to whole pulses (an exact half pulse up when roundUp).
MmResult StrokeLeaves(ParaForm::Face &f, int axis, bool roundUp);
// ZONE1 (zone 1) or ZONE2 (zone 2) the same, within 0..STROKE.
MmResult ZoneLeaves(ParaForm::Face &f, int zone, int axis, bool roundUp);

} // namespace ParaInput
