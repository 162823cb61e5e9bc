#include "paradata/DeviceList.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "core/ItemFile.h"
#include "paradata/ParadataState.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QList>
#include <optional>

namespace DeviceList {

namespace {

const QString kNQzList = QStringLiteral("nqzdevice.lst");
const QString kQzList = QStringLiteral("qzdevice.lst");

void noListMessage(bool withHint)
{
    QString t = Platform::ResText(15);
    if (withHint)
        t += QStringLiteral("\r\n") + Platform::ResText(16);
    Platform::Dialogs::MsgBox(t);
}

// Reads n items; false when the text ends before.
bool readItems(ItemFile::Reader &r, int n, QList<ValueCell> &out)
{
    out.clear();
    ValueCell c;
    for (int i = 0; i < n; ++i) {
        if (!ValueCell::Read(r, c))
            return false;
        out << c;
    }
    return true;
}

// The record count at the head of a list: a whole number 0..32767.
std::optional<int> readCount(ItemFile::Reader &r, ValueCell *asRead = nullptr)
{
    ValueCell c;
    if (!ValueCell::Read(r, c))
        return std::nullopt;
    if (asRead)
        *asRead = c;
    return c.asCount(32767);
}

enum class ListKind { NQz, Qz };

// Steps 2..7 of one axis's read; false on any failure (rows read before it
// stay in the table).
bool readAxisTable(int axis, ListKind kind, const std::optional<QString> &text)
{
    auto &s = Paradata();
    // A read starts from a clean flag, so an earlier failure does not
    // outlive a read that succeeds.
    s.DevListErr[axis] = false;
    if (!text)
        return false;
    ItemFile::Reader r(*text);
    auto &table = s.DevListAxis[axis];
    ValueCell head;
    const auto n = readCount(r, &head);
    table[0][0] = head;
    if (!n)
        return false;
    s.DevListCnt[axis] = int16_t(*n);
    const int items = kind == ListKind::NQz ? 5 : 4;
    QList<ValueCell> rec;
    for (int row = 1; row <= *n; ++row) {
        if (row >= kDevListRows || !readItems(r, items, rec))
            return false;
        auto &t = table[row];
        t[0] = rec[0];
        t[4] = rec[1];
        if (kind == ListKind::NQz) {
            t[7] = rec[2];
            t[5] = rec[3];
            t[6] = rec[4];
        } else {
            t[5] = rec[2];
            t[6] = rec[3];
        }
    }
    for (int row = 1; row <= *n; ++row) {
        auto &t = table[row];
        const QString key = t[0].toString();
        if (kind == ListKind::NQz) {
            const DevKey k = SplitNQzDeviceKey(key);
            t[1] = ValueCell(k.size);
            t[2] = ValueCell(k.speed);
            t[3] = ValueCell(double(k.stroke));
        } else {
            const DevKey k = SplitQzDeviceKey(key);
            t[1] = ValueCell(Num::Val(k.size));
            t[2] = ValueCell(k.speed);
            t[3] = ValueCell(double(k.stroke));
        }
    }
    // Distinct sizes (and, for the QZ list, speed letters) in order of first
    // appearance; at most 11 each.
    s.DevSizeListCnt[axis] = 0;
    s.DevSpeedListCnt[axis] = 0;
    if (*n >= 1) {
        s.DevSizeList[axis][0] = table[1][1].toString();
        if (kind == ListKind::Qz)
            s.DevSpeedList[axis][0] = table[1][2].toString();
    }
    for (int row = 2; row <= *n; ++row) {
        const ValueCell &size = table[row][1];
        bool found = false;
        for (int e = 0; e <= s.DevSizeListCnt[axis]; ++e) {
            const QString &entry = s.DevSizeList[axis][e];
            if (kind == ListKind::NQz ? entry == size.text() : Num::Val(entry) == size.number()) {
                found = true;
                break;
            }
        }
        if (!found) {
            if (s.DevSizeListCnt[axis] + 1 >= kDevListNames)
                return false;
            s.DevSizeListCnt[axis] += 1;
            s.DevSizeList[axis][s.DevSizeListCnt[axis]] = size.toString();
        }
        if (kind == ListKind::Qz) {
            const QString speed = table[row][2].toString();
            bool have = false;
            for (int e = 0; e <= s.DevSpeedListCnt[axis]; ++e)
                have = have || s.DevSpeedList[axis][e] == speed;
            if (!have) {
                if (s.DevSpeedListCnt[axis] + 1 >= kDevListNames)
                    return false;
                s.DevSpeedListCnt[axis] += 1;
                s.DevSpeedList[axis][s.DevSpeedListCnt[axis]] = speed;
            }
        }
    }
    return true;
}

// Reads axes first..last from one list; stops at the first failure with the
// two-line message and that axis flagged.
int readAxes(int first, int last, ListKind kind)
{
    const auto text = ItemFile::LoadText(Platform::AppFile(kind == ListKind::NQz ? kNQzList : kQzList));
    for (int a = first; a <= last; ++a) {
        if (!readAxisTable(a, kind, text)) {
            Paradata().DevListErr[a] = true;
            noListMessage(true);
            return 1;
        }
    }
    return 0;
}

struct NQzRecord {
    DevKey key;
    QList<ValueCell> items; // the five items
};

// All records of "nqzdevice.lst" for the lookups; nothing when the file is
// missing or holds fewer items than it announces.
std::optional<QList<NQzRecord>> loadNQzRecords()
{
    const auto text = ItemFile::LoadText(Platform::AppFile(kNQzList));
    if (!text)
        return std::nullopt;
    ItemFile::Reader r(*text);
    const auto n = readCount(r);
    if (!n)
        return std::nullopt;
    QList<NQzRecord> out;
    out.reserve(*n);
    QList<ValueCell> rec;
    for (int i = 0; i < *n; ++i) {
        if (!readItems(r, 5, rec))
            return std::nullopt;
        out << NQzRecord{SplitNQzDeviceKey(rec[0].toString()), rec};
    }
    return out;
}

const NQzRecord *findRecord(const QList<NQzRecord> &recs, const QString &size, const QString &speed, int32_t stroke)
{
    for (const auto &r : recs)
        if (r.key.size == size && r.key.speed == speed && r.key.stroke == stroke)
            return &r;
    return nullptr;
}

// Option code (item index 3 = PG, 4 = vertical) of a listed actuator.
int optionKind(int item, const QString &size, const QString &speed, int32_t stroke)
{
    const auto recs = loadNQzRecords();
    bool numeric = recs.has_value();
    if (recs)
        for (const auto &r : *recs)
            numeric = numeric && r.items[item].isNumber();
    if (!numeric) {
        noListMessage(false);
        return 99;
    }
    const NQzRecord *r = findRecord(*recs, size, speed, stroke);
    if (!r)
        return 99;
    return Num::CInt(r->items[item].number()).value_or(99);
}

int32_t strokeOf(const QString &digits) { return Num::LongOf(digits).value_or(0); }

} // namespace

DevKey SplitNQzDeviceKey(const QString &key)
{
    return DevKey{key.mid(0, 3), key.mid(3, 1), strokeOf(key.mid(5, 3))};
}

DevKey SplitQzDeviceKey(const QString &key)
{
    const auto size = Num::LongOf(key.mid(0, 2)).value_or(0);
    return DevKey{QString::number(size), key.mid(2, 1), strokeOf(key.mid(4, 3))};
}

int ReadNQzDeviceList() { return readAxes(0, 3, ListKind::NQz); }

int ReadNQzDeviceListOfAxis(int axis)
{
    if (axis < 0 || axis > 3)
        return 1;
    return readAxes(axis, axis, ListKind::NQz);
}

void ReadQzDeviceList() { readAxes(0, 3, ListKind::Qz); }

int GetDeviceLeadPpr(const QString &size, const QString &speed, int32_t stroke)
{
    const auto recs = loadNQzRecords();
    if (!recs) {
        noListMessage(true);
        return 1;
    }
    const NQzRecord *r = findRecord(*recs, size, speed, stroke);
    if (!r)
        return 1;
    const auto lead = r->items[1].isNumber() ? Num::CInt(r->items[1].number()) : std::nullopt;
    const auto ppr = r->items[2].isNumber() ? Num::CLng(r->items[2].number()) : std::nullopt;
    if (!lead || !ppr) {
        noListMessage(true);
        return 1;
    }
    auto &s = Paradata();
    s.DevListLead = *lead;
    s.DevListPPR = *ppr;
    return 0;
}

int CheckDeviceCode(const QString &size, const QString &speed, int32_t stroke)
{
    if (size.size() != 3)
        return 1;
    if (speed.isEmpty() || speed[0].unicode() < 'A' || speed[0].unicode() > 'Z')
        return 1;
    if (stroke < 10 || stroke > 600)
        return 1;
    return 0;
}

int CheckDeviceInList(const QString &size, const QString &speed, int32_t stroke)
{
    const auto recs = loadNQzRecords();
    if (!recs) {
        noListMessage(false);
        return 1;
    }
    return findRecord(*recs, size, speed, stroke) ? 0 : 1;
}

int GetDevicePgKind(const QString &size, const QString &speed, int32_t stroke)
{
    return optionKind(3, size, speed, stroke);
}

int GetDeviceVerticalKind(const QString &size, const QString &speed, int32_t stroke)
{
    return optionKind(4, size, speed, stroke);
}

void GetDevSpeedList(int axis, const QString &size)
{
    if (axis < 0 || axis > 3)
        return;
    auto &s = Paradata();
    auto &list = s.DevSpeedList[axis];
    for (int e = 0; e < s.DevSpeedListCnt[axis] && e < kDevListNames; ++e)
        list[e].clear();
    s.DevSpeedListCnt[axis] = 0;
    const int n = std::min<int>(s.DevListCnt[axis], kDevListRows - 1);
    for (int row = 1; row <= n; ++row) {
        const auto &t = s.DevListAxis[axis][row];
        if (t[1].toString() != size)
            continue;
        const QString speed = t[2].toString();
        bool have = false;
        for (int e = 0; e < s.DevSpeedListCnt[axis]; ++e)
            have = have || list[e] == speed;
        if (have)
            continue;
        if (s.DevSpeedListCnt[axis] >= kDevListNames)
            return;
        list[s.DevSpeedListCnt[axis]] = speed;
        s.DevSpeedListCnt[axis] += 1;
    }
}

void CheckDeviceKind()
{
    auto &s = Paradata();
    auto &d = s.DevSetting;
    const auto &ct = s.Ct;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a])
            continue;
        const QString &size = ct.CtDevSize[a];
        switch (ct.CtDevType[a]) {
        case 0:
        case 2:
            d.DevNewType[a] = s.ActuatorSetting.NewTypeFlag[a] = true;
            d.DevQzFlag[a] = s.ActuatorSetting.ActuatorVertical[a] = d.DevVertical[a] = true;
            break;
        case 1:
            if (size == QLatin1String("E35") || size == QLatin1String(" 20") || size == QLatin1String(" 42"))
                d.DevNewType[a] = s.ActuatorSetting.NewTypeFlag[a] = true;
            d.DevQzFlag[a] = s.ActuatorSetting.ActuatorVertical[a] = d.DevVertical[a] = true;
            break;
        default:
            d.DevNewType[a] = s.ActuatorSetting.NewTypeFlag[a] = false;
            d.DevQzFlag[a] = s.ActuatorSetting.ActuatorVertical[a] = d.DevVertical[a] = false;
            break;
        }
        d.DevWithPG[a] = s.ActuatorSetting.ActuatorWithPG[a] = ct.CtPgFlag[a] != 0;
        d.DevLead[a] = ct.CtLead[a];
        d.DevPPR[a] = ct.CtPPR[a];
        s.MaxPulse[a] = ct.CtMaxPulse[a];
    }
}

} // namespace DeviceList
