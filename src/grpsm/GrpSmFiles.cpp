#include "grpsm/GrpSmFiles.h"

#include "core/ItemFile.h"
#include "core/Num.h"
#include "core/ValueCell.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QStringList>
#include <array>
#include <optional>

namespace GrpSm {
namespace {

const QString kModel = QStringLiteral("RE-Z4");
const QString kGrpKind = QStringLiteral("GRP");
const QString kSmKind = QStringLiteral("SM");
// Earlier controllers whose group files are read as they are.
const QStringList kGrpModels{QStringLiteral("RE-Z4"), QStringLiteral("VA-V4"), QStringLiteral("VA-Z2")};

// Second line of both wrong-header messages; the first names the kind.
constexpr int kNotGrpFileText = 19;
constexpr int kOpenCanceledText = 20;
constexpr int kNotSmFileText = 939;

// The next table value: an empty field is 0; a missing field or a value
// that is no number or does not fit 16 bits fails the read.
bool readValue(ItemFile::Reader &r, int16_t &out)
{
    ItemFile::Item it;
    if (!r.readField(it))
        return false;
    if (it.isEmpty()) {
        out = 0;
        return true;
    }
    if (!Num::IsNumeric(it.text))
        return false;
    const auto v = Num::IntOf(it.text);
    if (!v)
        return false;
    out = *v;
    return true;
}

// What the read message adds for a damaged file.
constexpr int kGroupTwiceText = 9463;
constexpr int kEndsAfterGroupsText = 9464;
constexpr int kMacroTwiceText = 9465;
constexpr int kEndsAfterMacrosText = 9466;

// A record number: the leading number of the field (0 when it has none).
std::optional<int16_t> recordNoOf(const ItemFile::Item &it) { return Num::IntOf(it.text); }

// Reads the n fields of line 2; `count` receives the one at `countAt`, the
// number of records the file holds, when it is a whole number. The other
// fields are not relied on. False when the text ends first.
bool readCounts(ItemFile::Reader &r, int n, int countAt, std::optional<int> &count)
{
    ItemFile::Item it;
    for (int i = 0; i < n; ++i) {
        if (!r.readField(it))
            return false;
        if (i == countAt)
            count = ValueCell::FromItem(it).asCount(32767);
    }
    return true;
}

FileRead refuse(QString *fault, const QString &line)
{
    if (fault)
        *fault = line;
    return FileReadError;
}

} // namespace

QString FormatGrpFile(const GroupTable &t)
{
    ItemFile::Writer w;
    w.text(kModel).text(kGrpKind).endRecord();
    w.number(qint64(kGroupCount)).number(qint64(3)).endRecord();
    for (int g = 1; g <= kGroupCount; ++g)
        w.text(QString::number(g)).number(qint64(t[g][0])).number(qint64(t[g][1])).endRecord();
    return w.result();
}

QString FormatSqMcrFile(const MacroTable &t)
{
    ItemFile::Writer w;
    w.text(kModel).text(kSmKind).endRecord();
    w.number(qint64(kMacroSteps)).number(qint64(2)).number(qint64(kMacroCount)).endRecord();
    for (int m = 1; m <= kMacroCount; ++m) {
        w.text(QString::number(m)).endRecord();
        const int col = MacroCodeCol(m);
        for (int s = 0; s < kMacroSteps; ++s)
            w.number(qint64(t[s][col])).number(qint64(t[s][col + 1])).endRecord();
    }
    return w.result();
}

FileRead ParseGrpFile(const QString &text, GroupTable &out, QString *fault)
{
    ClearGroupTable(out);
    ItemFile::Reader r(text);
    ItemFile::Item model, kind;
    if (!r.readField(model) || !r.readField(kind))
        return FileReadError;
    if (kind.text != kGrpKind || !kGrpModels.contains(model.text))
        return FileNotOurs;
    // Line 2: the number of group records, the fields of a record.
    std::optional<int> count;
    if (!readCounts(r, 2, 0, count))
        return FileReadError;
    std::array<bool, kGroupRows> given{};
    int records = 0;
    ItemFile::Item it;
    while (!r.atEnd()) {
        if (!r.readField(it))
            return FileReadError;
        const auto n = recordNoOf(it);
        if (!n || *n < 0 || *n > kGroupCount)
            return FileReadError;
        // The later record would replace the earlier one without a word.
        if (given[size_t(*n)])
            return refuse(fault, Platform::ResText(kGroupTwiceText).arg(*n));
        given[size_t(*n)] = true;
        ++records;
        for (int c = 0; c < kGroupCols; ++c)
            if (!readValue(r, out[*n][c]))
                return FileReadError;
    }
    // Fewer records than the file counts: it was cut short, and the groups it
    // lost would open as 0 / 0.
    if (count && records < *count)
        return refuse(fault, Platform::ResText(kEndsAfterGroupsText).arg(records).arg(*count));
    return FileReadOk;
}

FileRead ParseSqMcrFile(const QString &text, MacroTable &out, QString *fault)
{
    ClearMacroTable(out);
    ItemFile::Reader r(text);
    ItemFile::Item model, kind;
    if (!r.readField(model) || !r.readField(kind))
        return FileReadError;
    if (model.text != kModel || kind.text != kSmKind)
        return FileNotOurs;
    // Line 2: steps per macro, fields per step, the number of macros.
    std::optional<int> count;
    if (!readCounts(r, 3, 2, count))
        return FileReadError;
    std::array<bool, kMacroCount + 1> given{};
    int records = 0;
    ItemFile::Item it;
    while (!r.atEnd()) {
        if (!r.readField(it))
            return FileReadError;
        const auto n = recordNoOf(it);
        if (!n || *n < 1 || *n > kMacroCount)
            return FileReadError;
        if (given[size_t(*n)])
            return refuse(fault, Platform::ResText(kMacroTwiceText).arg(*n));
        given[size_t(*n)] = true;
        ++records;
        const int col = MacroCodeCol(*n);
        for (int s = 0; s < kMacroSteps; ++s) {
            for (int c = 0; c < 2; ++c)
                if (!readValue(r, out[s][col + c]))
                    return FileReadError;
        }
    }
    if (count && records < *count)
        return refuse(fault, Platform::ResText(kEndsAfterMacrosText).arg(records).arg(*count));
    return FileReadOk;
}

int OpenSMFile(const QString &path)
{
    QString &fault = Tables().FileReadFault;
    fault.clear();
    const auto text = ItemFile::LoadText(path, &fault);
    if (!text)
        return FileReadError;
    MacroTable read{};
    const FileRead rc = ParseSqMcrFile(*text, read, &fault);
    if (rc == FileNotOurs)
        Platform::Dialogs::MsgBox(Platform::ResLines({kNotSmFileText, kOpenCanceledText}));
    if (rc != FileReadOk)
        return rc;
    // Steps 0..15 of the 20 macros; the unused row and column stay.
    auto &buf = Tables().SmDataBuf;
    for (int s = 0; s < kMacroSteps; ++s)
        for (int c = 0; c < 2 * kMacroCount; ++c)
            buf[s][c] = read[s][c];
    return FileReadOk;
}

int WriteGrpFile(const QString &path)
{
    return ItemFile::SaveText(path, GrpSm::FormatGrpFile(GrpSm::Tables().GrpData)) ? 0 : 1;
}

int ReadGrpFile(const QString &path, const QString &fileTitle)
{
    using namespace GrpSm;
    QString &fault = Tables().FileReadFault;
    fault.clear();
    const auto text = ItemFile::LoadText(path, &fault);
    if (!text)
        return FileReadError;
    GroupTable read{};
    const FileRead rc = ParseGrpFile(*text, read, &fault);
    if (rc == FileNotOurs)
        Platform::Dialogs::MsgBox(Platform::ResLines({kNotGrpFileText, kOpenCanceledText}));
    if (rc != FileReadOk)
        return rc;
    Tables().GrpDataBuf = read;
    Tables().GrpPrintDataName = fileTitle;
    return FileReadOk;
}

int WriteSqMcrFile(const QString &path)
{
    return ItemFile::SaveText(path, GrpSm::FormatSqMcrFile(GrpSm::Tables().SmData)) ? 0 : 1;
}

} // namespace GrpSm
