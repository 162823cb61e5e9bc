#include "prog/ProgFile.h"

#include "core/ItemFile.h"
#include "core/Num.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiFile.h"

namespace ProgFile {

using Platform::ResLines;
using Platform::ResText;
namespace Dlg = Platform::Dialogs;

namespace {
const QString kPrefix = QStringLiteral("Program [");
constexpr int kEndsAfterLinesText = 9462;
}

QString FormatProgFile(const std::vector<ProgData::ProgTexts> &lines)
{
    ItemFile::Writer w;
    w.text(QStringLiteral("RE-Z4")).endRecord();
    w.text(QStringLiteral("Program")).endRecord();
    w.number(qint64(lines.size())).endRecord();
    for (const ProgData::ProgTexts &t : lines) {
        for (const QString &cell : t)
            w.text(QString(cell).remove(QLatin1Char('"')).trimmed());
        w.endRecord();
    }
    return w.result();
}

int SaveFileProgAs(const QString &path, const std::vector<ProgData::ProgTexts> &lines)
{
    if (!ItemFile::SaveText(path, FormatProgFile(lines))) {
        Dlg::MsgBox(ResText(422), Platform::MsgButtons::Ok, Platform::MsgIcon::Critical);
        return 1;
    }
    return 0;
}

int OpenProgFile(const QString &path, std::vector<ProgData::ProgTexts> &out)
{
    QString fault;
    const auto text = ItemFile::LoadText(path, &fault);
    auto damaged = [&fault] {
        Dlg::MsgBox(ItemFile::ReadMessage(484, fault), Platform::MsgButtons::Ok, Platform::MsgIcon::Critical);
        return ReadError;
    };
    if (!text)
        return damaged();
    ItemFile::Reader r(*text);
    ItemFile::Item model, kind;
    if (!r.readField(model) || !r.readField(kind) || model.text != QLatin1String("RE-Z4")
        || kind.text != QLatin1String("Program")) {
        Dlg::MsgBox(ResLines({132, 20}));
        return NotProgFile;
    }
    ItemFile::Item count;
    if (!r.readField(count) || !count.isNumber())
        return damaged();
    const auto n = Num::CInt(count.number());
    if (!n || *n < 0)
        return damaged();
    std::vector<ProgData::ProgTexts> lines(static_cast<size_t>(*n + 1));
    int line = 0;
    while (!r.atEnd()) {
        // A line beyond the count is a damaged file, not a longer program.
        if (++line > *n)
            return damaged();
        ItemFile::Item it;
        for (size_t c = 0; c < 6; ++c) {
            if (!r.readField(it))
                return damaged();
            lines[static_cast<size_t>(line)][c] = it.text;
        }
    }
    // Fewer lines than the count: the file was cut short, and the lines it
    // lost would open as empty ones.
    if (line < *n) {
        fault = ResText(kEndsAfterLinesText).arg(line).arg(*n);
        return damaged();
    }
    out = std::move(lines);
    return ReadOk;
}

QString CaptionOf(const QString &path) { return kPrefix + PosiFile::TitleOf(path) + QLatin1Char(']'); }

int Check_ProgCaptionName(const QString &caption)
{
    return caption.size() >= 11 && caption.startsWith(kPrefix) ? 0 : 1;
}

std::optional<QString> GetProgFileNameFromCaption(const QString &caption)
{
    if (Check_ProgCaptionName(caption) != 0 || !caption.endsWith(QLatin1Char(']')))
        return std::nullopt;
    return caption.mid(kPrefix.size(), caption.size() - kPrefix.size() - 1);
}

} // namespace ProgFile
