#pragma once
// The options dialog's rules, kept apart from its window so they can be
// exercised directly: what the dialog shows when it opens, which keys the
// port box takes, and what OK stores.
#include <QString>
#include <functional>

namespace Options {

// What the dialog's controls hold.
struct Choice {
    QString portText;          // txtPortNo
    bool portOccupy = true;    // chkPortOccupy checked
    bool mmUnit = true;        // optDisplayUnit(1) selected
    bool roundUp = true;       // optRoundUp(0) selected
    int language = 1;          // 1 = optLanguege(0), 2 = optLanguege(1)
};

// The controls' state when the dialog loads, from the application state
// (and the stored "PortNo" / "Language" when the state holds no usable one).
Choice LoadChoice();

// The port box's key filter: the key code that passes, 0 when the key is
// discarded. boxText is what the box holds before the key.
int PortKeyFilter(const QString &boxText, int keyAscii);

// Results of re-validating the position table for a new display unit.
enum class Recheck {
    Valid = 0,       // all positions valid, tables updated
    OutOfRange = 1,  // some position out of range (its list was shown)
    Empty = 2,       // the grid holds no positions
};

// The position subsystem's share of a unit change (also used by the offline
// actuator change). By default the position procedures; tests put their own.
// An empty re-validation counts as an empty table.
struct UnitHooks {
    std::function<int()> CheckGridPositions;
    std::function<void()> PosiPulseToMm;
    std::function<void()> PosiMmToPulse;
    std::function<void()> FillGridPositionMode;
    std::function<void()> FillGridProgramMode;
    std::function<void()> Change_DispUnit;
};
UnitHooks &Hooks();
void ResetHooks();   // back to the position procedures

// OK: takes the choice over into the application state and stores the
// settings that are stored at once ("DispMmUnit", "MmRoundUp", "PortOccupy").
void ApplyOk(const Choice &c);

} // namespace Options
