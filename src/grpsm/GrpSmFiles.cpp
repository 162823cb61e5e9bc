#include "grpsm/GrpSmFiles.h"

#include "core/ItemFile.h"
#include "core/Num.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QStringList>
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

// A record number: the leading number of the field (0 when it has none).
std::optional<int16_t> recordNoOf(const ItemFile::Item &it) { return Num::IntOf(it.text); }

bool skipFields(ItemFile::Reader &r, int n)
{
    ItemFile::Item it;
    for (int i = 0; i < n; ++i)
        if (!r.readField(it))
            return false;
    return true;
}

std::optional<QString> loadFile(const QString &path) { return ItemFile::LoadText(path); }

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

FileRead ParseGrpFile(const QString &text, GroupTable &out)
{
    ClearGroupTable(out);
    ItemFile::Reader r(text);
    ItemFile::Item model, kind;
    if (!r.readField(model) || !r.readField(kind))
        return FileReadError;
    if (kind.text != kGrpKind || !kGrpModels.contains(model.text))
        return FileNotOurs;
    // The counts of line 2 are not relied on.
    if (!skipFields(r, 2))
        return FileReadError;
    ItemFile::Item it;
    while (!r.atEnd()) {
        if (!r.readField(it))
            return FileReadError;
        const auto n = recordNoOf(it);
        if (!n || *n < 0 || *n > kGroupCount)
            return FileReadError;
        for (int c = 0; c < kGroupCols; ++c)
            if (!readValue(r, out[*n][c]))
                return FileReadError;
    }
    return FileReadOk;
}

FileRead ParseSqMcrFile(const QString &text, MacroTable &out)
{
    ClearMacroTable(out);
    ItemFile::Reader r(text);
    ItemFile::Item model, kind;
    if (!r.readField(model) || !r.readField(kind))
        return FileReadError;
    if (model.text != kModel || kind.text != kSmKind)
        return FileNotOurs;
    if (!skipFields(r, 3))
        return FileReadError;
    ItemFile::Item it;
    while (!r.atEnd()) {
        if (!r.readField(it))
            return FileReadError;
        const auto n = recordNoOf(it);
        if (!n || *n < 1 || *n > kMacroCount)
            return FileReadError;
        const int col = MacroCodeCol(*n);
        for (int s = 0; s < kMacroSteps; ++s) {
            for (int c = 0; c < 2; ++c)
                if (!readValue(r, out[s][col + c]))
                    return FileReadError;
        }
    }
    return FileReadOk;
}

int OpenSMFile(const QString &path)
{
    const auto text = loadFile(path);
    if (!text)
        return FileReadError;
    MacroTable read{};
    const FileRead rc = ParseSqMcrFile(*text, read);
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

} // namespace GrpSm

namespace Common {

int WriteGrpFile(const QString &path)
{
    return ItemFile::SaveText(path, GrpSm::FormatGrpFile(GrpSm::Tables().GrpData)) ? 0 : 1;
}

int ReadGrpFile(const QString &path, const QString &fileTitle)
{
    using namespace GrpSm;
    const auto text = loadFile(path);
    if (!text)
        return FileReadError;
    GroupTable read{};
    const FileRead rc = ParseGrpFile(*text, read);
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

} // namespace Common
