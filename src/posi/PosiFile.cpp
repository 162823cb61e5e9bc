#include "posi/PosiFile.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "core/ItemFile.h"
#include "platform/Wait.h"
#include "paradata/DeviceList.h"
#include "paradata/ParadataState.h"
#include "paradata/UnitTexts.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiDevice.h"
#include "posi/PosiEdit.h"
#include "posi/PosiTables.h"

#include <QFileInfo>
#include <map>

using Platform::ResLines;
using Platform::ResText;

namespace PosiFile {

QString FormatPosiFile(const std::array<QString, 4> &deviceNames)
{
    const AppState &app = App();
    const PosiState &p = Posi();
    ItemFile::Writer w;
    w.text(QStringLiteral("RE-Z4")).endRecord();
    w.text(app.PrgModeFlag ? QStringLiteral("PRG MODE") : QStringLiteral("POS MODE")).endRecord();
    for (const QString &n : deviceNames)
        w.text(n);
    w.endRecord();
    for (int a = 0; a < 4; ++a) {
        const bool unusedOrNone = deviceNames[static_cast<size_t>(a)].isEmpty() || app.AxisNotUsed[static_cast<size_t>(a)];
        w.text(unusedOrNone || PosiDevice::DevNewType(a) ? QStringLiteral("NEW") : QStringLiteral("OLD"));
    }
    w.endRecord();
    const int s = std::max(app.PosiNoStart, 0);
    const int e = std::min(app.PosiNoEnd, kPosiMax);
    for (int n = s; n <= e; ++n) {
        if (n >= 1 && p.PosiErrRow[static_cast<size_t>(n - 1)])
            continue;
        const PosiRecord &r = p.PosiData[static_cast<size_t>(n)];
        w.number(static_cast<qint64>(n));
        // Fields 1..27 as signed numbers: " 100", " 0", "-5".
        for (int f = 1; f < PosiField::Comment; ++f)
            w.text(Num::Str(r[f].val()));
        w.text(r[PosiField::Comment].toString());
        w.endRecord();
    }
    return w.result();
}

QString TitleOf(const QString &path)
{
    const QFileInfo fi(path);
    const QString suffix = fi.suffix();
    if (suffix.isEmpty())
        return path;
    return path.left(path.size() - suffix.size() - 1);
}

void SetCurrentFile(const QString &path)
{
    App().DataFileName = TitleOf(path);
    Posi().DataFilePath = path;
}

bool WritePosiFile(const QString &path, const std::array<QString, 4> &deviceNames)
{
    return ItemFile::SaveText(path, FormatPosiFile(deviceNames));
}

std::array<QString, 4> DeviceNamesOfSetting()
{
    std::array<QString, 4> names;
    const ParadataState &s = Paradata();
    const DevSettingData &d = s.DevSetting;
    for (size_t a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a])
            continue;
        const int k = DeviceList::GetDevicePgKind(d.DevSize[a], d.DevSpeed[a], d.DevStroke[a]);
        names[a] = UnitTexts::DeviceModelText(d.DevSize[a], d.DevSpeed[a], d.DevStroke[a], k, s.ActuatorSetting.ActuatorWithPG[a]);
    }
    return names;
}

bool CheckWritable()
{
    const AppState &app = App();
    const PosiState &p = Posi();
    // Fields 1..27 are written as numbers: only a comment can hold text the
    // code page lacks.
    for (int n = std::max(app.PosiNoStart, 0); n <= std::min(app.PosiNoEnd, kPosiMax); ++n) {
        if (n >= 1 && p.PosiErrRow[static_cast<size_t>(n - 1)])
            continue;
        if (const auto ch = PosiEdit::FirstUnkeptChar(p.PosiData[static_cast<size_t>(n)][PosiField::Comment].toString())) {
            Platform::Dialogs::MsgBox(ResText(9432).arg(n).arg(ResText(234), *ch), Platform::MsgButtons::Ok,
                                      Platform::MsgIcon::Critical);
            return false;
        }
    }
    return true;
}

int SaveFileAs(const QString &path, const std::array<QString, 4> &deviceNames, int tries)
{
    if (!CheckWritable())
        return 1;
    for (int i = 0;; ++i) {
        if (WritePosiFile(path, deviceNames))
            break;
        if (i + 1 >= tries) {
            Platform::Dialogs::MsgBox(ResText(422), Platform::MsgButtons::Ok, Platform::MsgIcon::Critical);
            return 1;
        }
        Platform::WaitMs(100);
    }
    SetCurrentFile(path);
    return 0;
}

namespace {

constexpr int kGivenTwiceText = 9461;

struct Parsed {
    bool prgMode = false;
    std::array<QString, 4> names{};
    std::array<QString, 4> newOld{};
    std::map<int, PosiRecord> rows;
    int first = 0;
    int last = 0;
    QString fault;   // why the file was refused, when it can be said
};

bool isTypeText(const QString &t) { return t == QLatin1String("OLD") || t == QLatin1String("NEW"); }

// One pass over the text; withTypes = read record 4.
int parse(const QString &text, bool withTypes, Parsed &out, bool &typesMissing)
{
    ItemFile::Reader rd(text);
    ItemFile::Item it;
    if (!rd.readField(it))
        return PosiFile::ReadError;
    if (it.text != QLatin1String("RE-Z4"))
        return PosiFile::NotPosiFile;
    if (!rd.readField(it))
        return PosiFile::ReadError;
    out.prgMode = it.text == QLatin1String("PRG MODE");
    for (auto &n : out.names) {
        if (!rd.readField(it))
            return PosiFile::ReadError;
        n = it.text;
    }
    if (withTypes) {
        bool ended = false;
        for (auto &t : out.newOld) {
            if (!rd.readField(it)) {
                ended = true;
                break;
            }
            t = it.text;
        }
        // A file that ends before four type texts is of the layout without
        // them unless it began one; the second pass then says what it holds
        // (no position line at all is refused like the current layout).
        if (ended && std::any_of(out.newOld.begin(), out.newOld.end(), isTypeText))
            return PosiFile::ReadError;
        if (std::none_of(out.newOld.begin(), out.newOld.end(), isTypeText)) {
            typesMissing = true;
            return PosiFile::ReadOk;
        }
    } else {
        out.newOld.fill(QStringLiteral("OLD"));
    }
    bool any = false;
    while (rd.readField(it)) {
        if (!it.isNumber())
            return PosiFile::ReadError;
        const double v = it.number();
        if (v != Num::RoundHalfEven(v) || v < 0 || v > kPosiMax)
            return PosiFile::ReadError;
        const int n = static_cast<int>(v);
        if (n == 0)
            return PosiFile::Refused;
        PosiRecord r;
        for (int f = 1; f <= kPosiFields; ++f) {
            if (!rd.readField(it))
                return PosiFile::ReadError;   // the file ends inside a position
            r[f] = ValueCell::FromItem(it);
        }
        // A later line would replace the earlier one, and the position it
        // was meant for would be lost without a word.
        if (!out.rows.emplace(n, r).second) {
            out.fault = ResText(kGivenTwiceText).arg(n);
            return PosiFile::ReadError;
        }
        out.first = any ? std::min(out.first, n) : n;
        out.last = any ? std::max(out.last, n) : n;
        any = true;
    }
    return any ? PosiFile::ReadOk : PosiFile::Refused;
}

} // namespace

int ReadPosiFile(const QString &path)
{
    PosiState &p = Posi();
    p.FileReadFault.clear();
    const auto text = ItemFile::LoadText(path, &p.FileReadFault);
    if (!text) {
        p.FileReadError = true;
        return PosiFile::ReadError;
    }
    Parsed parsed;
    bool typesMissing = false;
    int rc = parse(*text, true, parsed, typesMissing);
    if (rc == PosiFile::ReadOk && typesMissing) {
        parsed = Parsed{};
        rc = parse(*text, false, parsed, typesMissing);
    }
    if (rc != PosiFile::ReadOk) {
        p.FileReadError = true;
        p.FileReadFault = parsed.fault;
        if (rc == PosiFile::NotPosiFile)
            Platform::Dialogs::MsgBox(ResLines({21, 20}), Platform::MsgButtons::Ok,
                                      Platform::MsgIcon::Critical);
        else if (rc == PosiFile::Refused)
            Platform::Dialogs::MsgBox(ResText(484), Platform::MsgButtons::Ok, Platform::MsgIcon::Critical);
        return rc;
    }

    p.FilePrgMode = parsed.prgMode;
    p.FileAxisName = parsed.names;
    p.FileAxisNewOld = parsed.newOld;
    for (int a = 0; a < 4; ++a)
        p.DevNewOldText[static_cast<size_t>(a)] = ResText(parsed.newOld[static_cast<size_t>(a)] == QLatin1String("NEW") ? 126 : 127);
    p.FileFirstPosiNo = parsed.first;
    p.FileLastPosiNo = parsed.last;

    // Positions the file skips inside its range get their defaults, so that
    // an open shows nothing left over from another file or the controller;
    // they are not the file's, and a verification leaves them out.
    const PosiRecord def = PosiTables::DefaultPosiRecord();
    p.PosiReadHeld.fill(false);
    for (int n = parsed.first; n <= parsed.last; ++n) {
        auto found = parsed.rows.find(n);
        const bool held = found != parsed.rows.end();
        p.PosiDataRead[static_cast<size_t>(n)] = held ? found->second : def;
        p.PosiReadHeld[static_cast<size_t>(n)] = held;
    }
    return PosiFile::ReadOk;
}

QString ReadErrorMessage() { return ItemFile::ReadMessage(484, Posi().FileReadFault); }

int ReadPosiFileRetrying(const QString &path)
{
    int rc = PosiFile::ReadError;
    for (int i = 0; i < 4 && rc == PosiFile::ReadError; ++i) {
        if (i > 0)
            Platform::WaitMs(100);
        rc = ReadPosiFile(path);
    }
    return rc;
}

} // namespace PosiFile
