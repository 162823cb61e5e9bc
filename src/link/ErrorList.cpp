#include "link/ErrorList.h"

#include "link/Indicators.h"
#include "paradata/ItemFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

namespace Module1 {
namespace {
ErrorListState g_err;

void showMissing()
{
    Platform::Dialogs::MsgBox(Platform::ResText(30) + QStringLiteral("\r\n") + Platform::ResText(31));
}

// A count of rows: -1 (an empty block) to 40.
bool readCount(ItemFile::Reader &r, int &out)
{
    ItemFile::Item it;
    if (!r.readField(it))
        return false;
    bool ok = false;
    const int n = it.text.trimmed().toInt(&ok);
    if (!ok || n < -1 || n > kErrorListRows - 1)
        return false;
    out = n;
    return true;
}

bool readBlock(ItemFile::Reader &r, std::array<ErrorListRow, kErrorListRows> &rows, int &su)
{
    if (!readCount(r, su))
        return false;
    for (int i = 0; i <= su; ++i) {
        ItemFile::Item code, text;
        if (!r.readField(code) || !r.readField(text))
            return false;
        rows[i] = ErrorListRow{code.text, text.text};
    }
    return true;
}
} // namespace

ErrorListState &ErrorList() { return g_err; }
void ResetErrorListState() { g_err = ErrorListState{}; }

void ReadErrorList()
{
    ErrorListState &e = g_err;
    e.ErrorListPath = Platform::AppFile(Platform::ResText(120));
    const std::optional<QString> text = ItemFile::LoadText(e.ErrorListPath);
    bool ok = text.has_value();
    if (ok) {
        ItemFile::Reader r(*text);
        ok = readBlock(r, e.ErrorListMain, e.ErrorListMainSu) && readBlock(r, e.ErrorListAxis, e.ErrorListAxisSu);
    }
    e.ErrorListMissing = !ok;
    if (!ok) {
        // Nothing half-read stays behind to be matched later.
        e.ErrorListMainSu = -1;
        e.ErrorListAxisSu = -1;
        showMissing();
    }
}

void DispCtStatus()
{
    ErrorListState &e = g_err;
    if (e.ErrorListMissing) {
        showMissing();
        return;
    }
    // Only the first six characters count; a short reply has no class or
    // code rather than taking its line end for one.
    QString head = e.CtErrorStr.left(6);
    const qsizetype end = head.indexOf(QLatin1Char('\r')) >= 0 ? head.indexOf(QLatin1Char('\r')) : head.indexOf(QLatin1Char('\n'));
    if (end >= 0)
        head.truncate(end);
    const QString cls = head.mid(3, 1);
    const QString code = head.mid(5, 1);
    e.CtErrorNo = code;

    AlarmImg_Disp();

    QString place;
    if (cls == QLatin1String("0"))
        place = Platform::ResText(1036);
    else if (cls >= QLatin1String("1") && cls <= QLatin1String("4") && cls.size() == 1)
        place = Platform::ResText(220 + cls.toInt() - 1);
    else
        place = QStringLiteral("不明");

    int found = -1;
    const bool known = !code.isEmpty();
    if (known && cls == QLatin1String("0")) {
        for (int i = 0; i <= e.ErrorListMainSu && i < kErrorListRows; ++i)
            if (e.ErrorListMain[i].code == code) {
                found = i;
                break;
            }
    } else if (known && cls.size() == 1 && cls >= QLatin1String("1") && cls <= QLatin1String("4")) {
        for (int i = 0; i <= e.ErrorListAxisSu && i < kErrorListRows; ++i)
            if (e.ErrorListAxis[i].code.right(1) == code) {
                found = i;
                break;
            }
    }
    if (found >= 0) {
        const auto &row = cls == QLatin1String("0") ? e.ErrorListMain[found] : e.ErrorListAxis[found];
        e.CtErrorMsg = row.text;
        e.CtErrorFound = true;
    } else {
        e.CtErrorFound = false;
        e.CtErrorMsg = Platform::ResText(32);
    }
    SetStatusPanel1(place + QLatin1Char(':') + e.CtErrorMsg);
}

} // namespace Module1
