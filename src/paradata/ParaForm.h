#pragma once
// The parameter window's fields as plain data and rules: the controls by
// name, the face through which the rules read and write them, the mapping
// between the fields and the parameter set (display and take-in), the
// marking of the valid axes, and the two whole-window checks. The window
// implements the face with its widgets; tests can implement it without one.
#include "paradata/ParadataState.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace ParaForm {

// Every control that carries a parameter, per axis (control arrays 0..3)
// or single.
enum class Ctl {
    // per axis
    txtHomeOffset, txtHomePush, txtHomeVel, txtHomeOfsVel, txtHomePushVel, txtHomeOrder,
    txtAxisStroke, txtAxisMmStroke, txtAxisLead, txtAxisPulse, txtJogHighVel,
    comboAxisAutoDrv, comboEtcVkOrQz, txtActuator, comboActSize, comboActSpeed, comboActStroke,
    comboPgFunc, txtPgAlarm,
    comboZoneEnable, txtZoneSet1, txtMmZone1, txtZoneSet2, txtMmZone2, txtInpLimit, txtPushHoldTime,
    txtPgCheckTimer, txtLsSerchTimer, comboSoftLimit, comboM0Disable,
    // single
    txtHomeOut, comboEtcGrpEnable, comboSmInTimer, txtSmTimeoutTimer,
    txtAutoStartPrgNo, comboOneAxis, txtOneAxis, comboAutoHome,
    optEmgLogic, optAlarmAutoClear, optStopPause, optPosPrg,
    Count
};
inline constexpr int kCtlCount = int(Ctl::Count);

enum class Kind { Text, List, EditList, Option };
struct CtlInfo {
    const char *name;
    bool perAxis;
    Kind kind;
};
const CtlInfo &Info(Ctl c);
// By name ("txtHomeOffset"); nothing for an unknown name.
std::optional<Ctl> CtlByName(const QString &name);

// What the rules need of the window's fields. Single controls ignore the
// axis. A list without a chosen entry has the index -1; an option pair with
// neither button chosen -1.
class Face {
public:
    virtual ~Face() = default;
    virtual QString Text(Ctl c, int axis) const = 0;
    virtual void SetText(Ctl c, int axis, const QString &text) = 0;
    virtual int ListIndex(Ctl c, int axis) const = 0;
    virtual int ListCount(Ctl c, int axis) const = 0;
    // Chooses entry `index` and shows its text; -1 chooses none and empties
    // the text.
    virtual void SetListIndex(Ctl c, int axis, int index) = 0;
    virtual int Option(Ctl c) const = 0;
    // Chooses a button of the pair as the program, never as the user.
    virtual void SetOption(Ctl c, int which) = 0;
    // "Change SP Parameter" ticked.
    virtual bool SpUnlocked() const = 0;
    // Colour of a field: grey (not valid or locked) or the window colour.
    virtual void SetGrey(Ctl c, int axis, bool grey) = 0;
    virtual void SetEnabled(Ctl c, int axis, bool on) = 0;
};

// ---- millimetre texts
// "#0.000" padded with blanks on the left to 7; a longer text stays whole.
QString MmText(double mm);
// A millimetre value cut (not rounded) after its third decimal, from its
// shortest decimal text: at most 7 characters, at most 3 after the point.
double CutMm3(double mm);

// ---- display and take-in
// The parameter set into the fields: every used axis's fields, then the
// single fields. An axis whose LEAD or PULSE cannot be divided by gets empty
// millimetre fields; a list value with no entry leaves that list empty.
void ShowParameters(Face &f);
// The fields into the parameter set, the actuator setting's working copy
// and the controller actuator data: axes 0..ParaLastAxis in use, then the
// single fields, then STROKE / ZONE1 / ZONE2 of every used axis through
// their millimetre fields. 0 taken in; 1 a value does not fit its table,
// and then nothing is changed.
int TakeInParameterValues(Face &f);

// ---- marking of the valid axes
// The 25 per-axis fields the marking walks, in its order.
inline constexpr std::array<Ctl, 25> kMarkedFields{
    Ctl::txtHomeOffset, Ctl::txtHomePush, Ctl::txtHomeVel, Ctl::txtHomeOfsVel, Ctl::txtHomePushVel,
    Ctl::txtHomeOrder, Ctl::txtAxisMmStroke, Ctl::txtAxisLead, Ctl::txtAxisPulse, Ctl::txtJogHighVel,
    Ctl::comboAxisAutoDrv, Ctl::comboEtcVkOrQz, Ctl::comboActSize, Ctl::comboActSpeed, Ctl::comboActStroke,
    Ctl::comboPgFunc, Ctl::txtPgAlarm, Ctl::comboZoneEnable, Ctl::txtMmZone1, Ctl::txtMmZone2,
    Ctl::txtInpLimit, Ctl::txtPushHoldTime, Ctl::txtPgCheckTimer, Ctl::txtLsSerchTimer, Ctl::comboSoftLimit};
enum class Mark { Keep, Grey, GreyEmpty, Window, EnableWindow };
// What happens to field k (0..24) of an axis.
Mark MarkOf(int k, bool axisValid, bool spUnlocked);
// Index of the last valid axis for an axis mask: 3 -> 1, 7 -> 2, 15 -> 3,
// anything else 0.
int LastAxisOfMask(int mask);
// Marks every field by AxisNotUsed / by the mask.
void MarkValidAxes(Face &f);
void MarkValidAxesOfMask(Face &f, int mask);
// The SP AXIS list's position as a mask: 0..3 -> 1, 3, 7, 15; else 0.
int MaskOfAxisIndex(int index);
// How many axes the parameters address: while the SP parameters are
// unlocked the SP AXIS list's (index 1..3 -> 2..4, anything else 1), else
// the controller's axis count.
int ParaSideAxisCount(bool spUnlocked, int axisListIndex, int ctAxisCount);
// The SP controls locked (grey, disabled) or unlocked for the axes in use.
void SetSpecialLocked(Face &f, bool locked);

// ---- whole-window checks
// 0 every handled field of the axes in use holds something, 1 something is
// empty. Sets ParaLastAxis: the SP AXIS list's index (1..3, else 0) while
// the SP parameters are unlocked, else ctAxisCount - 1.
int CheckParametersPresent(const Face &f, int ctAxisCount);
// A field of the window: its control and axis (single controls: 0).
struct Field {
    Ctl ctl;
    int axis;
    bool operator==(const Field &) const = default;
};
// The field of the first value the check below refuses, in the check's
// order (axis by axis, then the single values); nothing when all pass. A
// pulse value names its millimetre field, the actuator code its size list.
std::optional<Field> FirstRefusedField(const ParadataState &s, const PerAxis<bool> &axisNotUsed);

int HomeVelMax(int lead);
int JogVelMax(int lead);

} // namespace ParaForm
