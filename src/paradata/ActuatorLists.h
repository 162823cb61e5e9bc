#pragma once
// The size, speed and stroke lists of one axis, built from the device list
// tables: one family of plain functions over the items and text of each
// editable list, which the parameter window and both actuator windows bind
// their combos to. An item's position in the list is its item data.
//
// What the windows do differently (which axis test guards a rebuild, which
// setting the size list is compared with, whether the with-PG box is
// updated) stays with the windows; these functions only build lists.
#include <QString>
#include <QStringList>
#include <optional>

namespace ActLists {

// An editable drop-down list: its items and the text it shows.
struct Combo {
    QStringList items;
    QString text;
};

// The three lists of one axis.
struct AxisCombos {
    Combo size;
    Combo speed;
    Combo stroke;
};

// 0 when an item equals the value (text exactly; stroke by the item's
// leading number), 1 when none does.
int CheckActSizeList(const Combo &size, const QString &value);
int CheckActSpeedList(const Combo &speed, const QString &value);
int CheckActStrokeList(const Combo &stroke, int value);

// Sizes of the axis; an empty text becomes the setting's size when
// checkedSize is listed (the setting's size itself, or in the online window
// the candidate's), else the first size. A non-empty text stays.
void SetActSizeList(int axis, Combo &size, const QString &checkedSize);
// Speeds of the axis's speed choice list (built for `size`); the text becomes
// the setting's speed when listed, else the first speed ("L" for the sizes
// "E35" and " 20" while the setting has no speed).
void SetActSpeedList(int axis, Combo &speed, const QString &size);
// Strokes of the device records with the size and speed shown; the text
// becomes the setting's stroke when offered, else the first stroke.
void SetActStrokeList(int axis, AxisCombos &c);

// Steps after the size list: speed choice list for the size shown, speed
// list, stroke list (a change of size runs exactly these).
void ActSizeChange(int axis, AxisCombos &c);
// A change of speed: the stroke list again.
void ActSpeedChange(int axis, AxisCombos &c);
// The whole rebuild of one axis: size list, then as ActSizeChange; the
// stroke list only when `strokes` (the actuator windows leave the strokes of
// an axis that is not enabled as they are).
void SetActuatorCombosAxis(int axis, AxisCombos &c, const QString &checkedSize, bool strokes = true);

// The with-PG option box of the actuator shown: hidden and not ticked when
// the actuator has no PG, hidden and ticked when it always has one, shown
// and following withPG when it is a choice. Nothing = leave the box as it
// is (the actuator is not listed; with checkVertical also when its vertical
// kind is not).
struct OptionBox {
    bool visible = false;
    bool ticked = false;
};
std::optional<OptionBox> PgBoxFor(const AxisCombos &c, bool withPG, bool checkVertical);

} // namespace ActLists
