#include "posi/PosiCheck.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "platform/Dialogs.h"
#include "posi/PosiDevice.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "core/Shell.h"

#include <cmath>

namespace PosiCheck {
namespace {

// The values of one position as checked; the take-over stores exactly these.
struct AxisValues {
    int speed = 30;
    int acc = 10;          // units of 10 ms
    int method = 0;
    double position = 0;   // display unit
    double pulses = 0;     // whole pulses
    int pushForce = 0;
    int pushPos = 0;
};
struct PosiValues {
    std::array<AxisValues, 4> axis{};
    int itpl = 0;
    int out = 0;
    int macro = 0;
    QString comment;
};

class Reader {
public:
    Reader(int row, PosiFlagRow &flags) : m_row(row), m_flags(flags) {}
    bool bad() const { return m_bad; }
    void flag(int field)
    {
        m_flags[static_cast<size_t>(field)] = true;
        m_flags[28] = true;
        m_bad = true;
    }
    // Trimmed text of a cell; an empty cell is a bad field.
    QString cell(int field)
    {
        const QString t = PosiGrid::Grid().Text(m_row, field);
        if (t.isEmpty())
            flag(field);
        return t.trimmed();
    }
    // Whole-number value of a cell: a value that does not fit is bad too.
    int integer(int field, double scale = 1)
    {
        const auto v = Num::CInt(Num::Val(cell(field)) / scale);
        if (!v) {
            flag(field);
            return 0;
        }
        return *v;
    }
    void check(int field, bool ok)
    {
        if (!ok)
            flag(field);
    }

private:
    int m_row;
    PosiFlagRow &m_flags;
    bool m_bad = false;
};

bool axisUnused(int a) { return App().AxisNotUsed[static_cast<size_t>(a)]; }

// A number as typed in a program-mode position: decimal digits with at most
// one point, nothing else (no exponent, no "nan" or "inf").
bool isPlainDecimal(const QString &t)
{
    bool digit = false, point = false;
    for (QChar c : t) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = true;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

// Program mode: "N" no move, "+x" / "-x" relative (a lone sign is a
// distance of 0), "x" absolute. Anything else, a lowercase "n" included, is
// refused rather than taken as a move to 0.
bool parsePrgPosition(const QString &t, int &method, double &position)
{
    if (t == QLatin1String("N")) {
        method = 0;
        position = 0;
        return true;
    }
    QString rest = t;
    method = 1;
    if (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) {
        method = t.startsWith(QLatin1Char('+')) ? 2 : 3;
        rest = t.mid(1).trimmed();
        if (rest.isEmpty()) {
            position = 0;
            return true;
        }
    }
    if (!isPlainDecimal(rest))
        return false;
    position = Num::Val(rest);
    return true;
}

// The millimetre limit a position is checked against: the stroke limit, or
// the stroke limit in pulses as the grid shows it (three decimals, rounded),
// whichever is larger, so that every pulse value within the limit passes
// as it is displayed.
double mmLimit(int a)
{
    double limit = PosiDevice::MaxMm(a);
    if (const auto m = PosiDevice::PulseToMm(a, PosiDevice::MaxPulse(a)))
        limit = std::max(limit, Num::Fixed(*m, 3).toDouble());
    return limit;
}

PosiValues readPosition(int row, Reader &rd)
{
    const AppState &app = App();
    const bool prg = app.PrgModeFlag;
    const bool mm = app.DispMmUnit;
    PosiValues v;
    for (int a = 0; a < 4; ++a) {
        AxisValues &x = v.axis[static_cast<size_t>(a)];
        if (axisUnused(a))
            continue;   // presets, nothing read
        if (prg) {
            x.speed = 30;
            x.acc = 1;
            if (!parsePrgPosition(rd.cell(PosiField::Position(a)), x.method, x.position))
                rd.flag(PosiField::Position(a));
        } else {
            x.speed = rd.integer(PosiField::Speed(a));
            x.acc = rd.integer(PosiField::Acc(a), 10);
            x.method = rd.integer(PosiField::Method(a));
            x.position = Num::Val(rd.cell(PosiField::Position(a)));
            x.pushForce = rd.integer(PosiField::PushForce(a));
            x.pushPos = rd.integer(PosiField::PushPos(a));
        }
        // Checks, in field order.
        if (!prg) {
            const int limit = PosiDevice::IsSize42SpeedD(a) ? 400 : PosiDevice::MaxSpeed(a);
            rd.check(PosiField::Speed(a), x.speed > 0 && x.speed <= limit);
            rd.check(PosiField::Acc(a), x.acc >= 1 && x.acc <= 200);
            rd.check(PosiField::Method(a), x.method >= 0 && x.method <= 3);
        }
        // Pulses are whole: a pasted fraction is refused, never saved rounded
        // while the grid still shows it.
        bool posOk = x.position >= 0
                     && (mm ? x.position <= mmLimit(a) : x.position <= kPosiPulseMax && x.position == std::floor(x.position));
        if (posOk) {
            const auto pulses = mm ? PosiDevice::MmToPulse(a, x.position) : std::optional<double>(x.position);
            posOk = pulses.has_value();
            x.pulses = pulses.value_or(0);
        }
        rd.check(PosiField::Position(a), posOk);
        if (!prg) {
            rd.check(PosiField::PushForce(a), x.pushForce == 0 || (x.pushForce >= 20 && x.pushForce <= 70));
            rd.check(PosiField::PushPos(a), x.pushPos >= 0 && x.pushPos <= 99);
        }
    }
    if (!prg) {
        v.itpl = rd.integer(PosiField::Itpl);
        v.out = rd.integer(PosiField::Out);
        v.macro = rd.integer(PosiField::Macro);
        rd.check(PosiField::Itpl, v.itpl >= 0 && v.itpl <= 1);
        rd.check(PosiField::Out, v.out >= 0 && v.out <= 15);
        rd.check(PosiField::Macro, v.macro >= 0 && v.macro <= 20);
    }
    v.comment = PosiGrid::Grid().Text(row, PosiField::Comment);
    return v;
}

void takeOver(int n, const PosiValues &v)
{
    PosiState &p = Posi();
    const bool mm = App().DispMmUnit;
    PosiRecord &r = p.PosiData[static_cast<size_t>(n)];
    PosiDispRow &d = p.PosiDataDisp[static_cast<size_t>(n)];
    for (int a = 0; a < 4; ++a) {
        const AxisValues &x = v.axis[static_cast<size_t>(a)];
        const size_t ai = static_cast<size_t>(a);
        if (axisUnused(a)) {
            r[PosiField::Speed(a)] = 30;
            r[PosiField::Acc(a)] = 1;
            r[PosiField::Method(a)] = 0;
            r[PosiField::Position(a)] = 0;
            r[PosiField::PushForce(a)] = 0;
            r[PosiField::PushPos(a)] = 0;
            d[ai] = 0;
            d[ai + 4] = 0;
            continue;
        }
        r[PosiField::Speed(a)] = x.speed;
        r[PosiField::Acc(a)] = x.acc;
        r[PosiField::Method(a)] = x.method;
        r[PosiField::PushForce(a)] = x.pushForce;
        r[PosiField::PushPos(a)] = x.pushPos;
        d[ai] = x.pulses;
        d[ai + 4] = mm ? x.position : PosiDevice::PulseToMm(a, x.pulses).value_or(0);
        r[PosiField::Position(a)] = x.pulses;
    }
    r[PosiField::Itpl] = v.itpl;
    r[PosiField::Out] = v.out;
    r[PosiField::Macro] = v.macro;
    r[PosiField::Comment] = v.comment;
}

void endRun()
{
    PosiGrid::InitCurrentCell();
    PosiGrid::EndBulk();
}

} // namespace

int CheckGridPositions()
{
    AppState &app = App();
    PosiState &p = Posi();
    PosiTables::ClearPosiFlags();
    p.PosiErrRow.fill(false);
    p.PosiErrCount = 0;
    p.CheckErrList.clear();

    PosiGridModel &g = PosiGrid::Grid();
    if (g.Rows() <= 2) {
        app.DispNoStart = 0;
        app.DispNoEnd = 0;
        return 2;
    }
    if (app.DispNoStart == 0 && app.DispNoEnd == 0)
        return 2;
    const int s = app.PosiNoStart, e = app.PosiNoEnd;
    if (s <= e && (s < app.DispNoStart || e > app.DispNoEnd || s < 1 || e > kPosiMax
                   || PosiGrid::RowOf(e, app.DispNoStart) >= g.Rows()))
        return 1;   // the range reaches outside the grid

    PosiGrid::BeginBulk();
    const QString sep = app.Language == 1 ? QStringLiteral("、") : QStringLiteral(",");
    std::vector<PosiValues> values;
    values.reserve(static_cast<size_t>(std::max(e - s + 1, 0)));
    for (int n = s; n <= e; ++n) {
        Reader rd(PosiGrid::RowOf(n, app.DispNoStart), p.PosiErrFlag[static_cast<size_t>(n)]);
        values.push_back(readPosition(PosiGrid::RowOf(n, app.DispNoStart), rd));
        if (rd.bad()) {
            p.PosiErrRow[static_cast<size_t>(n - 1)] = true;
            ++p.PosiErrCount;
            p.CheckErrList += QString::number(n) + sep;
        }
    }

    if (!p.CheckErrList.isEmpty()) {
        endRun();
        ShowCheckResult();
        return 1;
    }
    for (int n = s; n <= e; ++n)
        takeOver(n, values[static_cast<size_t>(n - s)]);
    endRun();
    return 0;
}

void ShowCheckResult()
{
    PosiState &p = Posi();
    p.VerifyMode = false;
    Shell::Get().ShowPosiCheckResult();
    PosiTables::ClearPosiFlags();
    p.PosiErrCount = 0;
}

} // namespace PosiCheck
