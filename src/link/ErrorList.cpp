#include "link/ErrorList.h"

#include "link/Indicators.h"
#include "core/ItemFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QRegularExpression>

namespace ErrorList {
namespace {
ErrorListState g_err;

void showMissing()
{
    Platform::Dialogs::MsgBox(Platform::ResLines({30, 31}));
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

ErrorListState &State() { return g_err; }
void ResetErrorListState() { g_err = ErrorListState{}; }

void ReadErrorList()
{
    ErrorListState &e = g_err;
    e.ErrorListPath = Platform::AppFile(Platform::ResText(120));
    const std::optional<QString> text = ItemFile::LoadText(e.ErrorListPath);
    bool ok = text.has_value();
    if (ok) {
        ItemFile::Reader r(*text);
        ok = readBlock(r, e.ErrorListMain, e.ErrorListMainCount) && readBlock(r, e.ErrorListAxis, e.ErrorListAxisCount);
    }
    e.ErrorListMissing = !ok;
    if (!ok) {
        // Nothing half-read stays behind to be matched later.
        e.ErrorListMainCount = -1;
        e.ErrorListAxisCount = -1;
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
    const qsizetype lineEnd = head.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (lineEnd >= 0)
        head.truncate(lineEnd);
    const QString cls = head.mid(3, 1);
    const QString code = head.mid(5, 1);
    e.CtErrorNo = code;

    Indicators::AlarmImg_Disp();

    const bool mainUnit = cls == QLatin1String("0");
    const int axis = QStringLiteral("1234").indexOf(cls.isEmpty() ? QStringLiteral("?") : cls); // 0..3, -1 = other
    const QString place = mainUnit ? Platform::ResText(1036)
                          : axis >= 0 ? Platform::ResText(220 + axis)
                                      : QStringLiteral("不明");

    const ErrorListRow *found = nullptr;
    if (!code.isEmpty() && mainUnit) {
        for (int i = 0; i <= e.ErrorListMainCount && i < kErrorListRows && !found; ++i)
            if (e.ErrorListMain[i].code == code)
                found = &e.ErrorListMain[i];
    } else if (!code.isEmpty() && axis >= 0) {
        // One list serves all four axes; its codes are matched by their last character.
        for (int i = 0; i <= e.ErrorListAxisCount && i < kErrorListRows && !found; ++i)
            if (e.ErrorListAxis[i].code.right(1) == code)
                found = &e.ErrorListAxis[i];
    }
    e.CtErrorFound = found != nullptr;
    e.CtErrorMsg = found ? found->text : Platform::ResText(32);
    Indicators::SetStatusPanel1(place + QLatin1Char(':') + e.CtErrorMsg);
}

} // namespace ErrorList
