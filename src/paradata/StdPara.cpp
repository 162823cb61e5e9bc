#include "paradata/StdPara.h"

#include "core/AppState.h"
#include "paradata/DeviceList.h"
#include "core/ItemFile.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <limits>
#include <optional>

namespace {
StdParaState g_std;

StdParaState freshState()
{
    StdParaState s;
    for (auto &t : s.StdParaTable)
        t.assign(kStdParaRecords + 1, StdParaRecord{});
    return s;
}
} // namespace

namespace StdPara {

StdParaState &State()
{
    if (g_std.StdParaTable[0].empty())
        g_std = freshState();
    return g_std;
}

void ResetStdParaState() { g_std = freshState(); }

namespace {

const QString kModel = QStringLiteral("RE-Z4");
const QString kCommonList = QStringLiteral("tq7cmstpr.lst");

// Record fields 4..16 are the parameter-file rows 1..13 in the same order.
constexpr int kFirstParaField = StdField::HomeOffset;
constexpr int kLastParaField = StdField::Actuator;
int rowOfField(int field) { return field - 3; }

// Rows of the common list and the parameter-file rows they fill (the common
// list follows the file's order from PG FUNCTION on).
int rowOfCommon(int cmnRow) { return cmnRow + 14; }
constexpr int kCmnPgFunction = 0;
constexpr int kCmnPgAlm = 1;
constexpr int kCmnAxisRows[] = {6, 7, 8, 9, 10, 14, 15, 16}; // ZONE ENABLE .. HOLD TIME, PG/LS TIMER, SOFT LIMIT
constexpr int kCmnSoftLimit = 16;
constexpr int kCmnScalarRows[] = {2, 3, 4, 5, 11, 13, 17, 18, 19, 20};

void damagedListMessage()
{
    Platform::Dialogs::MsgBox(Platform::ResLines({28, 29}));
}

enum class ReadFault { None, Header, Damaged };

ReadFault readAxisList(int axis, std::vector<StdParaRecord> &table, int16_t &count)
{
    const QString name = StdParaFileName(axis);
    if (name.isEmpty())
        return ReadFault::Damaged;
    const auto text = ItemFile::LoadText(Platform::AppFile(name));
    if (!text)
        return ReadFault::Damaged;
    ItemFile::Reader r(*text);
    ValueCell model, key, n, extra;
    if (!ValueCell::Read(r, model) || !ValueCell::Read(r, key) || !ValueCell::Read(r, n)
        || !ValueCell::Read(r, extra))
        return ReadFault::Damaged;
    if (model.toString() != kModel
        || (key.toString() != QLatin1String("QZ-STDPRM") && key.toString() != QLatin1String("VK-STDPRM")))
        return ReadFault::Header;
    const auto cnt = n.asCount(kStdParaRecords);
    if (!cnt)
        return ReadFault::Damaged;
    const auto &dev = Paradata().ActuatorSetting;
    const int type = dev.NewTypeFlag[axis] ? 0 : (dev.ActuatorVertical[axis] ? 2 : 1);
    table.assign(kStdParaRecords + 1, StdParaRecord{});
    table[0][0] = ValueCell(*cnt);
    for (int rec = 1; rec <= *cnt; ++rec) {
        auto &t = table[rec];
        if (!ValueCell::Read(r, t[StdField::Key]))
            return ReadFault::Damaged;
        for (int f = StdField::HomeOffset; f <= StdField::AutoDrive; ++f)
            if (!ValueCell::Read(r, t[f]))
                return ReadFault::Damaged;
        if (!ValueCell::Read(r, t[StdField::Actuator]))
            return ReadFault::Damaged;
        t[StdField::Type] = ValueCell(type);
        const DeviceList::DevKey k = DeviceList::SplitNQzDeviceKey(t[StdField::Key].toString());
        t[StdField::Size] = ValueCell(k.size);
        t[StdField::Speed] = ValueCell(k.speed);
        t[StdField::Stroke] = ValueCell(double(k.stroke));
    }
    count = int16_t(*cnt);
    return ReadFault::None;
}

ReadFault readCommonList(std::array<std::array<ValueCell, kStdCmnCols>, kStdCmnRows> &table)
{
    const auto text = ItemFile::LoadText(Platform::AppFile(kCommonList));
    if (!text)
        return ReadFault::Damaged;
    ItemFile::Reader r(*text);
    ValueCell model, key, n;
    if (!ValueCell::Read(r, model) || !ValueCell::Read(r, key) || !ValueCell::Read(r, n))
        return ReadFault::Damaged;
    if (model.toString() != kModel || key.toString() != QLatin1String("QZ-CMNPRM"))
        return ReadFault::Header;
    const auto sections = n.asCount(kStdCmnRows);
    if (!sections)
        return ReadFault::Damaged;
    table = {};
    int row = 0;
    for (int s = 0; s < *sections; ++s) {
        ValueCell name, rows, cols;
        if (!ValueCell::Read(r, name) || !ValueCell::Read(r, rows) || !ValueCell::Read(r, cols))
            return ReadFault::Damaged;
        const char *expected = s == 0 ? "PG" : (s == 1 ? "ETC" : "SPECIAL");
        if (name.toString() != QLatin1String(expected))
            return ReadFault::Damaged;
        const auto nr = rows.asCount(kStdCmnRows - row);
        const auto nc = cols.asCount(kStdCmnCols);
        if (!nr || !nc)
            return ReadFault::Damaged;
        for (int i = 0; i < *nr; ++i, ++row)
            for (int c = 0; c < *nc; ++c)
                if (!ValueCell::Read(r, table[row][c]))
                    return ReadFault::Damaged;
    }
    return ReadFault::None;
}

// First record 1..count of the axis's list naming the candidate actuator.
const StdParaRecord *findRecord(int axis)
{
    const auto &st = State();
    const auto &d = Paradata().ActuatorSetting;
    const auto &table = st.StdParaTable[axis];
    const int n = std::min<int>(st.StdParaCount[axis], int(table.size()) - 1);
    for (int rec = 1; rec <= n; ++rec) {
        const auto &t = table[rec];
        if (t[StdField::Size].toString() == d.ActuatorSize[axis]
            && t[StdField::Speed].toString() == d.ActuatorSpeed[axis]
            && t[StdField::Stroke].toDouble() == std::optional<double>(d.ActuatorStroke[axis]))
            return &t;
    }
    return nullptr;
}

// The record's values into a copy of the set: all of them or none, so a
// record whose value does not fit its parameter changes nothing.
bool applyRecord(int axis, const StdParaRecord &t, bool whole)
{
    auto &s = Paradata();
    ParaSetData set = s.ParaSet;
    for (int f = kFirstParaField; f <= kLastParaField; ++f) {
        if (!whole && (f == StdField::Seq || f == StdField::AutoDrive))
            continue;
        if (!ParaFile::SetParaSetCell(set, rowOfField(f), axis, t[f]))
            return false;
    }
    const auto stroke = t[StdField::Stroke].toInt32();
    if (!stroke)
        return false;
    s.ParaSet = set;
    s.Ct.CtDevSize[axis] = t[StdField::Size].toString();
    s.Ct.CtDevSpeed[axis] = t[StdField::Speed].toString();
    s.Ct.CtDevStroke[axis] = *stroke;
    return true;
}

bool applyCommon(ParaSetData &set, int cmnRow, int axis, int column)
{
    return ParaFile::SetParaSetCell(set, rowOfCommon(cmnRow), axis, State().StdCmnTable[cmnRow][column]);
}

// The common values of one axis in use.
bool applyCommonAxis(int axis, bool whole)
{
    auto &s = Paradata();
    ParaSetData set = s.ParaSet;
    const int pgCol = s.ActuatorSetting.ActuatorWithPG[axis] ? 2 : 1;
    bool ok = applyCommon(set, kCmnPgFunction, axis, pgCol) && applyCommon(set, kCmnPgAlm, axis, pgCol);
    if (whole) {
        for (int row : kCmnAxisRows)
            ok = ok && applyCommon(set, row, axis, 1);
    } else {
        ok = ok && applyCommon(set, kCmnSoftLimit, axis, 1);
    }
    if (ok)
        s.ParaSet = set;
    return ok;
}

bool applyCommonScalars()
{
    auto &s = Paradata();
    ParaSetData set = s.ParaSet;
    for (int row : kCmnScalarRows)
        if (!applyCommon(set, row, 0, 1))
            return false;
    s.ParaSet = set;
    return true;
}

int setStd(bool whole)
{
    if (ReadStdParaLists() != 0) {
        Platform::Dialogs::MsgBox(Platform::ResText(36));
        return 1;
    }
    auto &app = App();
    bool allFound = true;
    for (int a = 0; a < 4; ++a) {
        if (app.AxisNotUsed[a])
            continue;
        const StdParaRecord *rec = findRecord(a);
        if (!rec || !applyRecord(a, *rec, whole))
            allFound = false;
    }
    for (int a = 0; a < 4; ++a)
        if (!app.AxisNotUsed[a] && !applyCommonAxis(a, whole))
            allFound = false;
    if (whole) {
        if (!applyCommonScalars())
            allFound = false;
        auto &s = Paradata();
        if (!s.KeepAxisMask) {
            int mask = 0;
            for (int a = 0; a < 4; ++a)
                if (!app.AxisNotUsed[a])
                    mask |= 1 << a;
            app.AxisBitMask = mask;
        }
        s.ParaSet.ParaSpAxis = int16_t(app.AxisBitMask);
    }
    if (!allFound) {
        Platform::Dialogs::MsgBox(Platform::ResText(36));
        return 1;
    }
    return 0;
}

// ---- range table

// Upper bound that depends on the axis's LEAD: the first band holding the
// lead gives the bound; no band = not tested.
struct LeadBand {
    int leadFrom;
    int leadTo;
    double max;
};
constexpr int kAnyLead = std::numeric_limits<int>::max();

struct NumRange {
    int row;          // parameter-file row
    double min;
    double max;       // used when there are no bands
    int nBands;
    LeadBand bands[3];
};
constexpr int kMinLead = std::numeric_limits<int>::min();

const NumRange kAxisRanges[] = {
    {1, 1, 65535, 0, {}},                                                   // HOME OFFSET
    {2, 1, 255, 0, {}},                                                     // HOME PUSH
    {3, 1, 0, 3, {{8, 8, 200}, {6, 6, 150}, {kMinLead, kAnyLead, 50}}},     // HOME VEL
    {4, 1, 60, 0, {}},                                                      // HOME OFSVEL
    {5, 1, 60, 0, {}},                                                      // HOME PUSHVEL
    {7, 0, 262143, 0, {}},                                                  // AXIS STROKE
    {8, 1, 255, 0, {}},                                                     // AXIS LEAD
    {9, 1, 65535, 0, {}},                                                   // AXIS PULSE
    {10, 1, 0, 3, {{kMinLead, 2, 50}, {3, 6, 150}, {7, 8, 200}}},           // AXIS JOG VEL (lead 9 up untested)
    {12, 0, 4, 0, {}},                                                      // AXIS TYPE
    {14, 0, 2, 0, {}},                                                      // PG FUNCTION
    {15, 5, 65535, 0, {}},                                                  // PG ALM
    {20, 0, 2, 0, {}},                                                      // ETC ZONE ENABLE
    {21, 0, 262143, 0, {}},                                                 // ETC ZONE1
    {22, 0, 262143, 0, {}},                                                 // ETC ZONE2
};

const NumRange kScalarRanges[] = {
    {16, 0, 15, 0, {}},  // HOME OUT
    {17, 0, 1, 0, {}},   // GRP ENABLE
    {18, 0, 1, 0, {}},   // SM TIMEOUT
    {19, 1, 255, 0, {}}, // SM TIMER
};

// Texts of an axis: (text, shortest length, longest length).
struct TextRange {
    QString (*get)(int axis);
    int minLen;
    int maxLen;
};
const TextRange kAxisTexts[] = {
    {[](int a) { return Paradata().ParaSet.ParaActuator[a].toString(); }, 1, kAnyLead}, // AXIS Actuator
    {[](int a) { return Paradata().Ct.CtDevSize[a]; }, 3, 3},
    {[](int a) { return Paradata().Ct.CtDevSpeed[a]; }, 1, kAnyLead},
};
constexpr int32_t kCtStrokeMin = 0;
constexpr int32_t kCtStrokeMax = 600;

bool inRange(const NumRange &r, const ValueCell &cell, int lead)
{
    const auto v = cell.toDouble();
    if (!v || cell.isEmpty())
        return false;
    double max = r.max;
    if (r.nBands > 0) {
        const LeadBand *band = nullptr;
        for (int i = 0; i < r.nBands && !band; ++i)
            if (lead >= r.bands[i].leadFrom && lead <= r.bands[i].leadTo)
                band = &r.bands[i];
        if (!band)
            return true;
        max = band->max;
    }
    return *v >= r.min && *v <= max;
}

} // namespace

QString StdParaFileName(int axis)
{
    const auto &s = Paradata();
    if (axis < 0 || axis > 3 || s.StdPrmSeries[axis] != QLatin1String("QZ"))
        return {};
    return s.ActuatorSetting.NewTypeFlag[axis] ? QStringLiteral("tq7nqzstpr.lst") : QStringLiteral("tq7qzstpr.lst");
}

int ReadStdParaLists()
{
    StdParaState fresh = freshState();
    for (int a = 0; a < 4; ++a) {
        switch (readAxisList(a, fresh.StdParaTable[a], fresh.StdParaCount[a])) {
        case ReadFault::None:
            break;
        case ReadFault::Header:
            Platform::Dialogs::MsgBox(Platform::ResText(26) + QStringLiteral("(%1AXIS)").arg(a + 1));
            return 1;
        case ReadFault::Damaged:
            damagedListMessage();
            return 1;
        }
    }
    switch (readCommonList(fresh.StdCmnTable)) {
    case ReadFault::None:
        break;
    case ReadFault::Header:
        Platform::Dialogs::MsgBox(Platform::ResText(27));
        Paradata().PmtReadError = true;
        return 1;
    case ReadFault::Damaged:
        damagedListMessage();
        return 1;
    }
    g_std = std::move(fresh);
    return 0;
}

int CheckStdParaRows(const std::array<bool, 4> &axisNotUsed)
{
    bool found = ReadStdParaLists() == 0;
    for (int a = 0; a < 4 && found; ++a)
        if (!axisNotUsed[a] && !findRecord(a))
            found = false;
    if (!found) {
        Platform::Dialogs::MsgBox(Platform::ResText(36));
        return 1;
    }
    return 0;
}

int SetStandardParameters() { return setStd(true); }
int SetStandardActuatorParameters() { return setStd(false); }

int CheckParaRange()
{
    const auto &s = Paradata();
    const auto &set = s.ParaSet;
    bool bad = false;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a])
            continue;
        const int lead = set.ParaAxisLead[a];
        for (const auto &r : kAxisRanges)
            bad = !inRange(r, ParaFile::ParaSetCell(set, r.row, a), lead) || bad;
        for (const auto &t : kAxisTexts) {
            const qsizetype n = t.get(a).size();
            bad = n < t.minLen || n > t.maxLen || bad;
        }
        const int32_t stroke = s.Ct.CtDevStroke[a];
        bad = stroke < kCtStrokeMin || stroke > kCtStrokeMax || bad;
    }
    for (const auto &r : kScalarRanges)
        bad = !inRange(r, ParaFile::ParaSetCell(set, r.row, 0), 0) || bad;
    return bad ? 1 : 0;
}

} // namespace StdPara
