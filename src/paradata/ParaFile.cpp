#include "paradata/ParaFile.h"

#include "core/AppState.h"
#include "core/Shell.h"
#include "platform/Wait.h"
#include "core/Num.h"
#include "core/ItemFile.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QFileInfo>
#include <iterator>

namespace ParaFile {

namespace {


struct Section {
    const char *name;
    int firstRow;
    int rows;
};
constexpr Section kSections[] = {
    {"HOME", 1, 6}, {"AXIS", 7, 7}, {"PG", 14, 2}, {"ETC", 16, 9}, {"SPECIAL", 25, 10},
};

template <typename T>
bool storeInt(T &member, const ValueCell &c)
{
    if constexpr (sizeof(T) == 2) {
        const auto v = c.toInt16();
        if (!v)
            return false;
        member = *v;
    } else {
        const auto v = c.toInt32();
        if (!v)
            return false;
        member = *v;
    }
    return true;
}

QString headerMessage() { return Platform::ResLines({22, 20}); }

// Rows copied per axis by both copies, TYPE and the actuator aside.
constexpr int kAxisRows[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15, 20, 21, 22, 23, 24, 28, 29, 30};
constexpr int kScalarRows[] = {16, 17, 18, 19, 25, 26, 27, 31, 32, 33, 34};

bool copyScalars(ParaSetData &set, const ParaTable &t)
{
    for (int row : kScalarRows)
        if (!SetParaSetCell(set, row, 0, t[row][0]))
            return false;
    return true;
}

} // namespace

bool IsScalarParaRow(int row)
{
    for (int r : kScalarRows)
        if (r == row)
            return true;
    return false;
}

ValueCell ParaSetCell(const ParaSetData &s, int row, int a)
{
    switch (row) {
    case 1: return s.ParaHomeOffset[a];
    case 2: return s.ParaHomePush[a];
    case 3: return s.ParaHomeVel[a];
    case 4: return s.ParaHomeOfsVel[a];
    case 5: return s.ParaHomePushVel[a];
    case 6: return s.ParaHomeSeq[a];
    case 7: return s.ParaAxisStroke[a];
    case 8: return s.ParaAxisLead[a];
    case 9: return double(s.ParaAxisPulse[a]);
    case 10: return s.ParaJogVel[a];
    case 11: return s.ParaAutoDrive[a];
    case 12: return s.ParaType[a];
    case 13: return s.ParaActuator[a];
    case 14: return s.ParaPgFunction[a];
    case 15: return s.ParaPgAlm[a];
    case 16: return s.ParaHomeOut;
    case 17: return s.ParaGrpEnable;
    case 18: return s.ParaSmTimeout;
    case 19: return s.ParaSmTimer;
    case 20: return s.ParaZoneEnable[a];
    case 21: return s.ParaZone1[a];
    case 22: return s.ParaZone2[a];
    case 23: return s.ParaInpWid[a];
    case 24: return s.ParaHoldTime[a];
    case 25: return double(s.ParaAutoPrgNo);
    case 26: return s.ParaSpAxis;
    case 27: return s.ParaAutoHome;
    case 28: return s.ParaPgTimer[a];
    case 29: return s.ParaLsTimer[a];
    case 30: return s.ParaSoftLimit[a];
    case 31: return s.ParaEmgLogic;
    case 32: return s.ParaAlm1Clear;
    case 33: return s.ParaPosPrg;
    case 34: return s.ParaPputWrite;
    default: return {};
    }
}

bool SetParaSetCell(ParaSetData &s, int row, int a, const ValueCell &c)
{
    switch (row) {
    case 1: s.ParaHomeOffset[a] = c; return true;
    case 2: return storeInt(s.ParaHomePush[a], c);
    case 3: return storeInt(s.ParaHomeVel[a], c);
    case 4: return storeInt(s.ParaHomeOfsVel[a], c);
    case 5: return storeInt(s.ParaHomePushVel[a], c);
    case 6: return storeInt(s.ParaHomeSeq[a], c);
    case 7: s.ParaAxisStroke[a] = c; return true;
    case 8: return storeInt(s.ParaAxisLead[a], c);
    case 9: return storeInt(s.ParaAxisPulse[a], c);
    case 10: return storeInt(s.ParaJogVel[a], c);
    case 11: return storeInt(s.ParaAutoDrive[a], c);
    case 12: return storeInt(s.ParaType[a], c);
    case 13: s.ParaActuator[a] = c; return true;
    case 14: return storeInt(s.ParaPgFunction[a], c);
    case 15: s.ParaPgAlm[a] = c; return true;
    case 16: return storeInt(s.ParaHomeOut, c);
    case 17: return storeInt(s.ParaGrpEnable, c);
    case 18: return storeInt(s.ParaSmTimeout, c);
    case 19: return storeInt(s.ParaSmTimer, c);
    case 20: return storeInt(s.ParaZoneEnable[a], c);
    case 21: s.ParaZone1[a] = c; return true;
    case 22: s.ParaZone2[a] = c; return true;
    case 23: return storeInt(s.ParaInpWid[a], c);
    case 24: return storeInt(s.ParaHoldTime[a], c);
    case 25: return storeInt(s.ParaAutoPrgNo, c);
    case 26: return storeInt(s.ParaSpAxis, c);
    case 27: return storeInt(s.ParaAutoHome, c);
    case 28: return storeInt(s.ParaPgTimer[a], c);
    case 29: return storeInt(s.ParaLsTimer[a], c);
    case 30: return storeInt(s.ParaSoftLimit[a], c);
    case 31: return storeInt(s.ParaEmgLogic, c);
    case 32: return storeInt(s.ParaAlm1Clear, c);
    case 33: return storeInt(s.ParaPosPrg, c);
    case 34: return storeInt(s.ParaPputWrite, c);
    default: return false;
    }
}

void ClearParaData()
{
    auto &set = Paradata().ParaSet;
    set = ParaSetData{};
    // The value cells hold the number 0 too, so a file written from a
    // cleared set holds numbers, not empty items.
    for (auto *cells : {&set.ParaHomeOffset, &set.ParaAxisStroke, &set.ParaActuator, &set.ParaPgAlm,
                        &set.ParaZone1, &set.ParaZone2})
        cells->fill(ValueCell(0));
}

void ClearParaFileTable()
{
    auto &t = Paradata().ParaFileTable;
    for (int r = 0; r <= 39; ++r)
        for (auto &c : t[r])
            c = ValueCell(QString());
}

int LetParaFileToPara()
{
    auto &s = Paradata();
    auto &set = s.ParaSet;
    const auto &t = s.ParaFileTable;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a])
            continue;
        for (int row : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})
            if (!SetParaSetCell(set, row, a, t[row][a]))
                return 1;
        const auto type = t[12][a].toInt16();
        if (!type)
            return 1;
        set.ParaType[a] = *type == 3 ? int16_t(1) : *type;
        set.ParaActuator[a] = t[13][a];
        const auto stroke = t[38][a].toInt32();
        if (!stroke)
            return 1;
        s.Ct.CtDevSize[a] = t[36][a].toString();
        s.Ct.CtDevSpeed[a] = t[37][a].toString();
        s.Ct.CtDevStroke[a] = *stroke;
        const bool qz = set.ParaType[a] == 0 || set.ParaType[a] == 1 || set.ParaType[a] == 3;
        s.DevSetting.DevQzFlag[a] = qz;
        s.ActuatorSetting.ActuatorVertical[a] = qz;
        for (int row : {14, 15, 20, 21, 22, 23, 24, 28, 29, 30})
            if (!SetParaSetCell(set, row, a, t[row][a]))
                return 1;
        const bool pg = set.ParaPgFunction[a] != 0;
        s.ActuatorSetting.ActuatorWithPG[a] = pg;
        s.Ct.CtPgFlag[a] = pg ? 1 : 0;
    }
    return copyScalars(set, t) ? 0 : 1;
}

int LetParaRecToValue()
{
    auto &s = Paradata();
    auto &set = s.ParaSet;
    const auto &t = s.ParaFileTable;
    for (int a = 0; a < 4; ++a) {
        for (int row : kAxisRows)
            if (!SetParaSetCell(set, row, a, t[row][a]))
                return 1;
        if (!SetParaSetCell(set, 12, a, t[12][a]))
            return 1;
        set.ParaActuator[a] = t[13][a];
        // The model text: size code, speed letter, three stroke digits; a
        // six-character text has a two-character size (a blank goes in front).
        const QString act = set.ParaActuator[a].toString();
        if (act.size() == 7) {
            s.Ct.CtDevSize[a] = act.mid(0, 3);
            s.Ct.CtDevSpeed[a] = act.mid(3, 1).trimmed();
            s.Ct.CtDevStroke[a] = Num::LongOf(act.mid(4, 3)).value_or(0);
        } else {
            s.Ct.CtDevSize[a] = QLatin1Char(' ') + act.mid(0, 2);
            s.Ct.CtDevSpeed[a] = act.mid(2, 1).trimmed();
            s.Ct.CtDevStroke[a] = Num::LongOf(act.mid(3, 3)).value_or(0);
        }
    }
    return copyScalars(set, t) ? 0 : 1;
}

QString ParaFileText(const ParaSetData &set)
{
    ItemFile::Writer w;
    w.text(QStringLiteral("RE-Z4")).text(QStringLiteral("PRM"));
    w.endRecord();
    w.number(qint64(std::size(kSections)));
    w.endRecord();
    auto put = [&w](const ValueCell &c) {
        if (c.isText())
            w.text(c.text());
        else if (c.isEmpty())
            w.empty();
        else
            w.number(c.number());
    };
    for (const Section &sec : kSections) {
        w.text(QString::fromLatin1(sec.name)).number(qint64(sec.rows)).number(qint64(4));
        w.endRecord();
        for (int row = sec.firstRow; row < sec.firstRow + sec.rows; ++row) {
            if (IsScalarParaRow(row)) {
                put(ParaSetCell(set, row, 0));
                w.number(qint64(0)).number(qint64(0)).number(qint64(0));
            } else {
                for (int a = 0; a < 4; ++a)
                    put(ParaSetCell(set, row, a));
            }
            w.endRecord();
        }
    }
    return w.result();
}

std::optional<ParaTable> ParseParaFileText(const QString &text, ParaFileFault *fault, int *lastRow)
{
    auto fail = [fault](ParaFileFault f) -> std::optional<ParaTable> {
        if (fault)
            *fault = f;
        return std::nullopt;
    };
    if (fault)
        *fault = ParaFileFault::None;
    ItemFile::Reader r(text);
    ItemFile::Item model, kind, count;
    if (!r.readField(model) || !r.readField(kind))
        return fail(ParaFileFault::Damaged);
    if (model.text != QLatin1String("RE-Z4") || kind.text != QLatin1String("PRM"))
        return fail(ParaFileFault::Header);
    if (!r.readField(count))
        return fail(ParaFileFault::Damaged);

    ParaTable t;
    for (int row = 1; row <= 39; ++row)
        for (auto &c : t[row])
            c = ValueCell(QString());
    const double sections = Num::Val(count.text);
    int target = 1;
    for (int s = 0; s < sections; ++s) {
        ItemFile::Item name, rowsItem, colsItem;
        if (!r.readField(name) || !r.readField(rowsItem) || !r.readField(colsItem))
            return fail(ParaFileFault::Damaged);
        // A section past the known ones must carry the last one's name.
        const int known = std::min(s, int(std::size(kSections)) - 1);
        if (name.text != QLatin1String(kSections[known].name))
            return fail(ParaFileFault::Damaged);
        const double rows = Num::Val(rowsItem.text);
        const double cols = Num::Val(colsItem.text);
        if (cols > kParaCols)
            return fail(ParaFileFault::Damaged);
        for (int i = 1; i <= rows; ++i) {
            if (target >= kParaRows)
                return fail(ParaFileFault::Damaged);
            for (int c = 0; c < cols; ++c)
                if (!ValueCell::Read(r, t[target][c]))
                    return fail(ParaFileFault::Damaged);
            ++target;
        }
    }
    if (lastRow)
        *lastRow = target - 1;
    return t;
}

void WriteParaFile(const QString &path)
{
    if (!ItemFile::SaveText(path, ParaFileText(Paradata().ParaSet)))
        Paradata().PmtWriteError = true;
}

int ReadParaFile(const QString &path)
{
    auto &s = Paradata();
    const auto text = ItemFile::LoadText(path);
    ParaFileFault fault = ParaFileFault::Damaged;
    int lastRow = 0;
    const auto table = text ? ParseParaFileText(*text, &fault, &lastRow) : std::nullopt;
    if (!table) {
        if (fault == ParaFileFault::Header)
            Platform::Dialogs::MsgBox(headerMessage());
        s.PmtReadError = true;
        return 1;
    }
    // Taken over whole only after the file was read to its end, so a damaged
    // file leaves the table as it was.
    ClearParaFileTable();
    for (int row = 1; row <= 39; ++row)
        s.ParaFileTable[row] = (*table)[row];
    if (lastRow >= 40)
        s.ParaFileTable[40] = (*table)[40];
    s.ParaFileTable[0][0] = ValueCell(QFileInfo(path).fileName());
    return 0;
}

int SaveParaFileDlg()
{
    using Platform::ResLines;
    using Platform::ResText;
    using Platform::Dialogs::MsgBox;
    auto &s = Paradata();
    Shell::Face &window = Shell::Get();
    if (window.CheckParametersPresent() != 0) {
        MsgBox(ResLines({7, 8}));
        return 1;
    }
    const bool taken = window.TakeInParameterValues() == 0;
    if (!taken || window.CheckParameterValues() != 0) {
        MsgBox(ResLines({9, 10}));
        return 1;
    }
    Platform::FileFilter f;
    f.title = ResText(11);
    f.filter = ResText(1827);
    f.initialName = ResText(12);
    const QString path = Platform::Dialogs::GetSaveFileName(f);
    if (path.isEmpty())
        return -1;
    QString chosen = path;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".pmt");
    s.SaveAsFileName = QFileInfo(chosen).fileName();
    s.PmtWriteError = false;
    WriteParaFile(chosen);
    MsgBox(ResText(s.PmtWriteError ? 13 : 14));
    return 0;
}

int ReadParaFileForDevice()
{
    using Platform::ResText;
    Platform::FileFilter f;
    f.title = ResText(686);
    f.filter = ResText(1827);
    const QString path = Platform::Dialogs::GetOpenFileName(f);
    if (path.isEmpty())
        return -1;
    auto &s = Paradata();
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (attempt > 0)
            Platform::WaitMs(100);
        s.PmtReadError = false;
        if (ReadParaFile(path) == 0) {
            if (LetParaRecToValue() == 0)
                return 0;
            break;
        }
    }
    Platform::Dialogs::MsgBox(ResText(681));
    return 1;
}

} // namespace ParaFile
