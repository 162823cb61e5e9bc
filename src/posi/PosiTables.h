#pragma once
// The position tables (positions 1 to 999), their flags and the range
// variables of the position subsystem. One instance for the run; tests reset
// it with ResetPosiState().
#include "core/ValueCell.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// One cell of a position table: nothing (never set), a number or a text,
// as the parameter tables hold them. The position routines read a text by
// its leading number ("  100" -> 100, "" -> 0), as the original reader does.
class PosiValue : public ValueCell {
public:
    using ValueCell::ValueCell;
    PosiValue() = default;
    PosiValue(const ValueCell &c) : ValueCell(c) {}   // NOLINT
    // An empty cell compares equal to the empty text; a number never does.
    bool equalsEmptyText() const { return isEmpty() || (isText() && text().isEmpty()); }
    // Numeric value: a text gives its leading number (0 when none).
    double val() const;
    // Rounded half to even into 32 bits; nothing when it does not fit.
    std::optional<int32_t> whole() const;
};

inline constexpr int kPosiRows = 1000;    // rows 0..999, row n = position n
inline constexpr int kPosiFields = 28;    // fields 1..28
inline constexpr int kPosiMax = 999;
inline constexpr int32_t kPosiPulseMax = 0x3FFFF;

// Field numbers of one position (axis a = 0..3).
namespace PosiField {
constexpr int Speed(int a) { return 6 * a + 1; }
constexpr int Acc(int a) { return 6 * a + 2; }
constexpr int Method(int a) { return 6 * a + 3; }
constexpr int Position(int a) { return 6 * a + 4; }
constexpr int PushForce(int a) { return 6 * a + 5; }
constexpr int PushPos(int a) { return 6 * a + 6; }
constexpr int Itpl = 25;
constexpr int Out = 26;
constexpr int Macro = 27;
constexpr int Comment = 28;
} // namespace PosiField

// One position: index = field number 1..28 (index 0 unused).
struct PosiRecord {
    std::array<PosiValue, kPosiFields + 1> f{};
    PosiValue &operator[](int field) { return f[static_cast<size_t>(field)]; }
    const PosiValue &operator[](int field) const { return f[static_cast<size_t>(field)]; }
    bool operator==(const PosiRecord &o) const = default;
};

// Per position: column a = pulses of axis a, column a + 4 = millimetres.
using PosiDispRow = std::array<double, 9>;
using PosiFlagRow = std::array<bool, kPosiFields + 1>;

struct PosiState {
    std::vector<PosiRecord> PosiData = std::vector<PosiRecord>(kPosiRows);
    std::vector<PosiRecord> PosiDataRead = std::vector<PosiRecord>(kPosiRows);
    // Rows of PosiDataRead that its source holds: a file only its own
    // position lines, the controller every position read, new data every
    // position. A verification compares no other row.
    std::array<bool, kPosiRows> PosiReadHeld{};
    std::vector<PosiDispRow> PosiDataDisp = std::vector<PosiDispRow>(kPosiRows, PosiDispRow{});
    // Entry n - 1 belongs to position n: the raw "0RP" reply after a read,
    // or the number + data block built before a write.
    std::vector<QString> WireText = std::vector<QString>(kPosiRows);
    std::vector<PosiFlagRow> PosiErrFlag = std::vector<PosiFlagRow>(kPosiRows, PosiFlagRow{});
    std::array<bool, kPosiRows> PosiErrRow{};   // entry n - 1 = position n failed the last check
    int PosiErrCount = 0;
    QString CheckErrList;
    bool VerifyMode = false;    // result window shows a verification (true) or a check (false)

    int FileFirstPosiNo = 0;
    int FileLastPosiNo = 0;
    int CommonNoStart = 0;
    int CommonNoEnd = 0;
    bool NewRangeFlag = false;
    bool PosiDataExistFlag = false;

    // Values taken from the last position file read.
    bool FileReadError = false;
    // What made the last failed read refuse the file, as a line for the read
    // message (a cut text, a position given twice); empty when not known.
    QString FileReadFault;
    bool FilePrgMode = false;
    std::array<QString, 4> FileAxisName{};
    std::array<QString, 4> FileAxisNewOld{};
    std::array<QString, 4> DevNewOldText{};
    // The full path of the file the data came from or went to (empty for new
    // data or data read from the controller); a later save goes back to it.
    QString DataFilePath;
    // Set when an axis in use has no device-list record.
    bool DevNotFoundFlag = false;
    // The position window's caption, as last set.
    QString Caption;

    // The grid's positions changed since they were last created, opened or
    // saved; the close prompt asks before losing them.
    bool DataChanged = false;
    // The last save to a file was abandoned at its file dialog.
    bool SaveCancelled = false;
    // Grid row chosen while teaching.
    int TeachPosiRow = 0;
};

PosiState &Posi();
void ResetPosiState();

namespace PosiTables {
// Defaults for positions 1..999 in PosiData and PosiDataRead.
void InitPosiData();
// Takes read data of PosiNoStart..PosiNoEnd into the edit tables.
void CopyPosiRecord();
// Clears the whole flag table (the callers reset PosiErrCount).
void ClearPosiFlags();
// 0: the file's range and the grid's overlap (CommonNoStart/End set); 1: not.
int GetCommonPosiRange();
// Default acceleration (units of 10 ms) of axis a for its actuator.
int DefaultPosiAcc(int axis);
// The default position (fields 1..28).
PosiRecord DefaultPosiRecord();
} // namespace PosiTables

// True when the position table holds data; sets PosiDataExistFlag (never
// clears it).
bool CheckPosiDataExist();
