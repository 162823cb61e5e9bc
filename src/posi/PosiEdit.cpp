#include "posi/PosiEdit.h"

#include "core/AppState.h"
#include "core/ItemFile.h"
#include "core/FixedText.h"
#include "core/Num.h"
#include "paradata/UnitConv.h"
#include "platform/StringTable.h"
#include "posi/PosiDevice.h"
#include "posi/PosiGrid.h"
#include "posi/PosiGridModel.h"
#include "posi/PosiTables.h"

#include <cmath>

using Platform::ResText;

namespace PosiEdit {
namespace {

enum class Kind { None, Speed, Acc, Method, Position, PushForce, PushPos, Itpl, Out, Macro, Comment };

Kind kindOf(int col)
{
    if (col >= 1 && col <= 24) {
        static constexpr Kind k[6] = {Kind::Speed, Kind::Acc, Kind::Method, Kind::Position, Kind::PushForce, Kind::PushPos};
        return k[(col - 1) % 6];
    }
    switch (col) {
    case 25: return Kind::Itpl;
    case 26: return Kind::Out;
    case 27: return Kind::Macro;
    case 28: return Kind::Comment;
    default: return Kind::None;
    }
}

int axisOf(int col) { return (col - 1) / 6; }
bool axisUnused(int a) { return a >= 0 && a < 4 && App().AxisNotUsed[static_cast<size_t>(a)]; }

bool passes(int key) { return key == 8 || key == 9; }
bool digit(int key) { return key >= '0' && key <= '9'; }

int speedLimit(int a)
{
    if (axisUnused(a))
        return 30;
    if (PosiDevice::IsSize42SpeedD(a))
        return 400;
    return PosiDevice::MaxSpeed(a);
}

// Millimetres cut to three decimals: the fraction is first rounded to four
// decimals (halves to even) and then its fourth decimal dropped.
double cutMm3(double mm)
{
    const double whole = std::floor(mm);
    const double k = Num::RoundHalfEven((mm - whole) * 10000.0);
    return whole + std::floor(k / 10.0) / 1000.0;
}

// A typed millimetre value cut to at most 7 digits before and 3 after the
// point, as written back from its number.
double cutTyped(double x)
{
    QString t = QString::number(x, 'f', 10);
    const qsizetype dot = t.indexOf(QLatin1Char('.'));
    QString ip = dot < 0 ? t : t.left(dot);
    QString fp = dot < 0 ? QString() : t.mid(dot + 1, 3);
    if (ip.size() > 7)
        ip = ip.left(7);
    return Num::Val(ip + QLatin1Char('.') + fp);
}

struct PositionValue {
    bool ok = false;
    double pulses = 0;
    double mm = 0;
    QString text;   // pulses as digits, or mm in "#0.000"
};

// Checks and converts one typed position of axis a in the display unit.
PositionValue convertPosition(int a, double value)
{
    PositionValue out;
    if (!App().DispMmUnit) {
        if (value != std::floor(value) || value < 0 || value > PosiDevice::MaxPulse(a))
            return out;
        const auto mm = PosiDevice::PulseToMm(a, value);
        if (!mm)
            return out;
        out.mm = cutMm3(*mm);
        // A pulse count the stroke in millimetres cannot reach is refused
        // like any other value out of range, never left in the cell unstored.
        if (out.mm > PosiDevice::MaxMm(a))
            return out;
        out.pulses = value;
        out.text = QString::number(static_cast<qint64>(value));
        out.ok = true;
        return out;
    }
    const double x = cutTyped(value);
    if (x < 0 || x > PosiDevice::MaxMm(a))
        return out;
    const auto mm = UnitConv::RoundMmToPulseUnit(PosiDevice::DevLead(a), App().MmRoundUp ? 1 : 0,
                                                    PosiDevice::DevPPR(a), ValueCell(x));
    if (!mm)
        return out;
    const auto p = UnitConv::MmToPulse(PosiDevice::DevLead(a), PosiDevice::DevPPR(a), ValueCell(*mm));
    if (!p)
        return out;
    out.mm = *mm;
    out.pulses = *p;
    out.text = Num::Fixed(*mm, 3);
    out.ok = true;
    return out;
}

void storeDisp(const Selection &sel, bool fillRows, int a, const PositionValue &v)
{
    const AppState &app = App();
    const int r0 = fillRows ? std::min(sel.row, sel.rowSel) : sel.row;
    const int r1 = fillRows ? std::max(sel.row, sel.rowSel) : sel.row;
    for (int r = r0; r <= r1; ++r) {
        const int n = app.DispNoStart + r - 2;
        if (n < 0 || n > kPosiMax)
            continue;
        PosiDispRow &d = Posi().PosiDataDisp[static_cast<size_t>(n)];
        d[static_cast<size_t>(a)] = v.pulses;
        d[static_cast<size_t>(a) + 4] = v.mm;
    }
}

// The selection rules of every column but the position.
void selectionForField(Commit &c)
{
    const bool multiRow = c.sel.rowSel != c.sel.row;
    const bool multiCol = c.sel.colSel != c.sel.col;
    if (multiCol) {
        c.sel.colSel = c.sel.col;
        c.fillRows = true;
        c.beep = true;
    } else if (multiRow) {
        c.fillRows = true;
    }
}

// The selection rules of the position column.
void selectionForPosition(Commit &c, bool accepted)
{
    const bool multiRow = c.sel.rowSel != c.sel.row;
    const bool multiCol = c.sel.colSel != c.sel.col;
    if (!multiRow && !multiCol)
        return;
    if (!accepted) {
        c.sel.rowSel = c.sel.row;
        c.sel.colSel = c.sel.col;
        c.fillRows = false;
        return;
    }
    c.fillRows = true;
    if (multiCol) {
        c.sel.colSel = c.sel.col;
        c.beep = true;
    }
}

void accepted(Commit &c)
{
    c.result = 0;
    Posi().DataChanged = true;
}

} // namespace

int KeyChk_Num(int key) { return passes(key) || digit(key) ? key : 0; }
int KeyChk_Method(int key) { return passes(key) || (key >= '0' && key <= '3') ? key : 0; }
int KeyChk_NumDot(int key) { return passes(key) || digit(key) || key == '.' ? key : 0; }
int KeyChk_Interpolation(int key) { return passes(key) || key == '0' || key == '1' ? key : 0; }

int KeyChk_NumRel(int key)
{
    if (key == 'n')
        return 'N';
    return passes(key) || digit(key) || key == 'N' || key == '+' || key == '-' ? key : 0;
}

int KeyChk_NumDotRel(int key)
{
    if (key == 'n')
        return 'N';
    return passes(key) || digit(key) || key == '.' || key == 'N' || key == '+' || key == '-' ? key : 0;
}

bool CommentCharOk(QChar ch) { return ItemFile::CanEncode(QString(ch)); }

std::optional<QString> FirstUnkeptChar(const QString &text)
{
    if (ItemFile::CanEncode(text))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, n);
        if (!ItemFile::CanEncode(ch))
            return ch;
        i += n - 1;
    }
    return std::nullopt;
}

int FilterKey(int col, int key)
{
    const bool prg = App().PrgModeFlag;
    switch (kindOf(col)) {
    case Kind::Comment:
        return key < 32 || CommentCharOk(QChar(key)) ? key : 0;
    case Kind::Method:
        return KeyChk_Method(key);
    case Kind::Position:
        if (App().DispMmUnit)
            return prg ? KeyChk_NumDotRel(key) : KeyChk_NumDot(key);
        return prg ? KeyChk_NumRel(key) : KeyChk_Num(key);
    case Kind::Itpl:
        return prg ? 0 : KeyChk_Interpolation(key);
    case Kind::None:
        return 0;
    default:
        return prg ? 0 : KeyChk_Num(key);
    }
}

int MaxLength(int col)
{
    switch (kindOf(col)) {
    case Kind::Speed: return 3;
    case Kind::Acc: return 4;
    case Kind::Method: return 1;
    case Kind::Position: return App().PrgModeFlag ? 8 : 7;
    case Kind::PushForce:
    case Kind::PushPos:
    case Kind::Out:
    case Kind::Macro: return 2;
    case Kind::Itpl: return 1;
    case Kind::Comment: return 40;
    default: return 0;
    }
}

bool CanEdit(int row, int col)
{
    if (row < 2 || col < 1 || col > 28)
        return false;
    if (!App().PrgModeFlag && col <= 24 && axisUnused(axisOf(col)))
        return false;
    return true;
}

Commit SetDataForPositionGrid(const Selection &sel, const QString &editText)
{
    Commit c;
    c.sel = sel;
    const int col = sel.col;
    const Kind kind = kindOf(col);
    const QString t = editText.trimmed();
    c.text = t;

    if (kind == Kind::Position) {
        const int a = axisOf(col);
        const PositionValue v = convertPosition(a, Num::Val(t));
        selectionForPosition(c, v.ok);
        if (!v.ok) {
            c.beep = true;
            return c;
        }
        c.text = App().DispMmUnit ? FixedText::PadSpace(v.text, 8).value_or(v.text) : v.text;
        storeDisp(c.sel, c.fillRows, a, v);
        accepted(c);
        return c;
    }

    bool ok = true;
    if (kind != Kind::Comment && kind != Kind::None) {
        const auto v = Num::CInt(Num::Val(t));
        ok = v.has_value();
        const int x = v.value_or(0);
        switch (kind) {
        case Kind::Speed: ok = ok && x >= 1 && x <= speedLimit(axisOf(col)); break;
        case Kind::Acc:
            ok = ok && x >= 10 && x <= 2000;
            if (ok)
                c.text = QString::number(x - x % 10);
            break;
        case Kind::Method: ok = ok && x >= 0 && x <= 3; break;
        case Kind::PushForce: ok = ok && (x == 0 || (x >= 20 && x <= 70)); break;
        case Kind::PushPos: ok = ok && x >= 0 && x <= 99; break;
        case Kind::Itpl: ok = ok && x >= 0 && x <= 1; break;
        case Kind::Out: ok = ok && x >= 0 && x <= 15; break;
        case Kind::Macro: ok = ok && x >= 0 && x <= 20; break;
        default: break;
        }
    }
    selectionForField(c);
    if (ok)
        accepted(c);
    return c;
}

Commit SetDataForPositionGridAtPrgMode(const Selection &sel, const QString &editText)
{
    Commit c;
    c.sel = sel;
    const int col = sel.col;
    const Kind kind = kindOf(col);
    c.text = editText;

    if (kind == Kind::Method) {
        const QString t = editText.trimmed();
        c.text = t;
        const auto v = Num::CInt(Num::Val(t));
        selectionForField(c);
        if (v && *v >= 0 && *v <= 3)
            accepted(c);
        return c;
    }
    if (kind != Kind::Position) {
        accepted(c);
        return c;
    }

    const int a = axisOf(col);
    const QString s = editText.trimmed();
    const QChar first = s.isEmpty() ? QChar() : s.at(0).toUpper();
    QString prefix;
    double value = 0;
    bool noMove = false;
    if (first == QLatin1Char('N')) {
        noMove = true;
    } else if (first == QLatin1Char('+') || first == QLatin1Char('-')) {
        prefix = first;
        const QString rest = s.mid(1).trimmed();
        value = rest.isEmpty() ? 1 : Num::Val(rest);
    } else {
        value = Num::Val(s);
    }
    const PositionValue v = convertPosition(a, value);
    selectionForPosition(c, v.ok);
    if (!v.ok) {
        c.beep = true;
        return c;
    }
    if (noMove) {
        c.text = QStringLiteral("N");
    } else if (App().DispMmUnit) {
        const QString t = prefix + v.text;
        c.text = FixedText::PadSpace(t, 8).value_or(t);
    } else {
        c.text = prefix + v.text;
    }
    storeDisp(c.sel, c.fillRows, a, v);
    accepted(c);
    return c;
}

Commit CommitEdit(const Selection &sel, const QString &editText)
{
    // Text pasted into the editor follows the typing rule: what the file
    // cannot keep is refused.
    if (FirstUnkeptChar(editText)) {
        Commit c;
        c.sel = sel;
        c.text = editText;
        return c;
    }
    return App().PrgModeFlag ? SetDataForPositionGridAtPrgMode(sel, editText) : SetDataForPositionGrid(sel, editText);
}

QString InputRangeText(int col)
{
    const bool prg = App().PrgModeFlag;
    const Kind kind = kindOf(col);
    if (kind == Kind::Comment)
        return ResText(58);
    if (prg && (kind == Kind::None))
        return QString();
    QString lo, hi, unit;
    const int a = axisOf(col);
    switch (kind) {
    case Kind::Position:
        if (App().DispMmUnit) {
            lo = QStringLiteral("0.000");
            hi = PosiGrid::MmText(PosiDevice::PulseToMm(a, PosiDevice::MaxPulse(a)).value_or(0));
            unit = ResText(prg ? 52 : 230);
        } else {
            lo = QStringLiteral("0");
            hi = QString::number(PosiDevice::MaxPulse(a));
            unit = ResText(prg ? 53 : 229);
        }
        break;
    case Kind::None:
        break;
    default:
        if (prg)
            break;
        switch (kind) {
        case Kind::Speed: lo = QStringLiteral("1"); hi = QString::number(speedLimit(a)); unit = QStringLiteral("(mm/sec)"); break;
        case Kind::Acc: lo = QStringLiteral("10"); hi = QStringLiteral("2000"); unit = QStringLiteral("(msec)"); break;
        case Kind::Method: lo = QStringLiteral("0"); hi = QStringLiteral("3"); unit = ResText(54); break;
        case Kind::PushForce: lo = QStringLiteral("0 , 20"); hi = QStringLiteral("70"); unit = QStringLiteral("(%)"); break;
        case Kind::PushPos: lo = QStringLiteral("0"); hi = QStringLiteral("99"); unit = QStringLiteral("(%)"); break;
        case Kind::Itpl: lo = QStringLiteral("0"); hi = QStringLiteral("1"); unit = ResText(55); break;
        case Kind::Out: lo = QStringLiteral("0"); hi = QStringLiteral("15"); unit = ResText(56); break;
        case Kind::Macro: lo = QStringLiteral("0 , 1"); hi = QStringLiteral("20"); unit = ResText(57); break;
        default: break;
        }
    }
    return ResText(50) + lo + ResText(51) + hi + unit;
}

namespace {

// First column of the first axis in use from axis `from` on; 25 when shown
// (axis 2 in use), else 26.
int firstColumnFrom(int from)
{
    for (int a = from; a < 4; ++a)
        if (!axisUnused(a))
            return 6 * a + 1;
    return axisUnused(1) ? 26 : 25;
}

// Position column of the first axis in use from axis `from` on, else 28.
int positionColumnFrom(int from)
{
    for (int a = from; a < 4; ++a)
        if (!axisUnused(a))
            return 6 * a + 4;
    return 28;
}

} // namespace

int FirstEditColumn() { return App().PrgModeFlag ? positionColumnFrom(0) : firstColumnFrom(0); }

Move RowStep(int row, int rows, int col)
{
    Move m;
    m.moves = true;
    m.col = col;
    if (row < rows - 1) {
        m.row = row + 1;
    } else if (row >= 2 && row <= 999) {
        m.append = true;
        m.row = rows;   // the appended row
    } else {
        m.row = 2;
    }
    return m;
}

namespace {
// A Tab stops on the cells the user sees and may edit.
bool tabStop(const PosiGridModel &g, int row, int col) { return g.ColWidth(col) > 0 && CanEdit(row, col); }
} // namespace

Move TabStep(const PosiGridModel &g, bool backward)
{
    const int row = g.Row(), col = g.Col(), rows = g.Rows();
    if (row >= rows || rows <= 2)
        return {};
    if (row < 2)
        return {true, 2, FirstEditColumn(), false};
    Move m;
    m.moves = true;
    m.row = row;
    if (!backward) {
        for (m.col = col + 1; m.col <= 28; ++m.col)
            if (tabStop(g, row, m.col))
                return m;
        return RowStep(row, rows, FirstEditColumn());
    }
    for (m.col = col - 1; m.col >= 1; --m.col)
        if (tabStop(g, row, m.col))
            return m;
    if (row == 2)
        return {};
    m.row = row - 1;
    for (m.col = 28; m.col >= 1; --m.col)
        if (tabStop(g, m.row, m.col))
            return m;
    return {};
}

Move AfterEdit(int key, int row, int col, int rows)
{
    const bool prg = App().PrgModeFlag;
    Move m;
    m.row = row;
    if (key == 13) {
        if (!prg) {
            if (col == 28)
                return RowStep(row, rows, FirstEditColumn());
            m.moves = true;
            m.col = (col >= 1 && col <= 24 && col % 6 == 0) ? firstColumnFrom(col / 6) : col + 1;
            return m;
        }
        if (col == 28)
            return RowStep(row, rows, FirstEditColumn());
        if (col >= 1 && col <= 24 && kindOf(col) == Kind::Method) {
            m.moves = true;
            m.col = col + 1;
        } else if (col >= 1 && col <= 24 && kindOf(col) == Kind::Position) {
            m.moves = true;
            m.col = positionColumnFrom(axisOf(col) + 1);
        }
        return m;
    }
    if (key == 40) {
        if (row < rows - 1) {
            m.moves = true;
            m.row = row + 1;
            m.col = col;
            return m;
        }
        return RowStep(row, rows, FirstEditColumn());
    }
    return m;
}

quint32 CellColor(int col)
{
    if (col >= 1 && col <= 24) {
        const int a = axisOf(col);
        if (axisUnused(a))
            return 0xE0E0E0u;
        if (a == 1 || a == 3)
            return 0xC0FFFFu;
    }
    return PosiGridModel::kWindowColor;
}

} // namespace PosiEdit
