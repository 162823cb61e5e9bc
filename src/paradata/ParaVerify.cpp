#include "paradata/ParaVerify.h"

#include "core/AppState.h"
#include "paradata/ParaFile.h"
#include "platform/StringTable.h"

namespace ParaVerify {
namespace {

struct Entry {
    int row;
    const char *text;
};
// One run of rows compared together: per axis (the axis loop outside the
// rows) or once against column 0.
struct Run {
    int section;
    bool perAxis;
    std::initializer_list<Entry> entries;
};

const Run kRuns[] = {
    {0, true, {{1, "OFFSET("}, {2, "PUSH("}, {3, "VEL("}, {4, "OFSVEL("}, {5, "PUSHVEL("}, {6, "SEQ("}}},
    {1, true,
     {{7, "STROKE("}, {8, "LEAD("}, {9, "PULSE("}, {10, "JOGVEL("}, {11, "AUTODRIVE("}, {12, "TYPE("},
      {13, "ACTUATOR("}}},
    {2, true, {{14, "FUNCTION("}, {15, "ALM("}}},
    {3, false, {{16, "HOME OUT,"}, {17, "GRP ENABLE,"}, {18, "SM TIMEOUT,"}, {19, "SM TIMER,"}}},
    {3, true, {{20, "ZONE ENABLE("}, {21, "ZONE1("}, {22, "ZONE2("}, {23, "IN-P WID("}, {24, "HOLD TIME("}}},
    {4, false, {{25, "AUTO START PRG No.,"}, {26, "AXIS,"}, {27, "AUTO HOME,"}}},
    {4, true, {{28, "PG TIMER("}, {29, "LS SERCH TIMER("}, {30, "SOFT LIMIT("}}},
    {4, false, {{31, "EMG LOGIC,"}, {32, "ALM1 CLEAR,"}, {33, "POS/PRG,"}, {34, "PPUT Write"}}},
};

const int kSectionTitles[5] = {673, 675, 676, 677, 678};

} // namespace

bool SameValue(const ValueCell &set, const ValueCell &cell)
{
    if (set.isText() && cell.isText() && set.text() == cell.text())
        return true;
    if (set.isEmpty() && cell.isText())
        return cell.text().isEmpty();
    if (cell.isEmpty() && set.isText())
        return set.text().isEmpty();
    const auto a = set.toDouble();
    const auto b = cell.toDouble();
    return a && b && *a == *b;
}

bool Compare(const ParaSetData &set, const ParaTable &table, const PerAxis<bool> &axisNotUsed, ChangeLog &log)
{
    for (QString &l : log)
        l.clear();
    bool changed = false;
    for (const Run &run : kRuns) {
        QString &out = log[size_t(run.section)];
        if (!run.perAxis) {
            for (const Entry &e : run.entries) {
                if (!SameValue(ParaFile::ParaSetCell(set, e.row, 0), table[size_t(e.row)][0])) {
                    changed = true;
                    out += QLatin1String(e.text);
                }
            }
            continue;
        }
        for (int a = 0; a < 4; ++a) {
            if (axisNotUsed[size_t(a)])
                continue;
            for (const Entry &e : run.entries) {
                if (!SameValue(ParaFile::ParaSetCell(set, e.row, a), table[size_t(e.row)][size_t(a)])) {
                    changed = true;
                    out += QLatin1String(e.text) + QString::number(a + 1) + QStringLiteral("),");
                }
            }
        }
    }
    return changed;
}

QString ResultText(int result, const ChangeLog &log)
{
    using Platform::ResText;
    if (result == 0)
        return ResText(826);
    if (result != 1)
        return QStringLiteral("Error");
    QString text = ResText(823) + QStringLiteral("\r\n");
    for (int s = 0; s < 5; ++s) {
        if (log[size_t(s)].isEmpty())
            continue;
        text += QLatin1Char('<') + ResText(kSectionTitles[s]) + QStringLiteral("> :") + log[size_t(s)]
                + QStringLiteral("\r\n");
    }
    return text;
}

int MakeParaChangeLog()
{
    auto &s = Paradata();
    s.ParaChangeFlag = ParaVerify::Compare(s.ParaSet, s.ParaFileTable, App().AxisNotUsed, s.ParaChangeLog);
    return s.ParaChangeFlag ? 1 : 0;
}

} // namespace ParaVerify
