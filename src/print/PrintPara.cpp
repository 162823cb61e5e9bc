#include "print/PrintPara.h"

#include "core/AppState.h"
#include "core/FixedText.h"
#include "core/Num.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "platform/StringTable.h"

#include <cmath>
#include <optional>

using Platform::Printer;
using Platform::ResText;
using Print::JobEnd;
using Print::TextAt;

namespace {

constexpr int kAxes = 4;
constexpr double kAxisX[kAxes] = {85, 110, 135, 160};
constexpr double kHeadingX[kAxes] = {80, 105, 130, 155};
constexpr double kLabelX = 20;
constexpr double kSingleX = 125;
constexpr double kSingleListX = 120;
// An axis's column, and the room its text may take: the rest stays clear
// so that two axes' texts never run together.
constexpr double kColumnWidth = kAxisX[1] - kAxisX[0];
constexpr double kColumnGap = 1;
constexpr double kFontSize = 11;

const ValueCell &cell(int row, int col) { return Paradata().ParaFileTable[size_t(row)][size_t(col)]; }

// The whole-number value of a cell, when it has one.
std::optional<int> whole(const ValueCell &c)
{
    const auto v = c.toDouble();
    if (!v || c.isEmpty() || std::floor(*v) != *v || std::fabs(*v) > 1e9)
        return std::nullopt;
    return int(*v);
}

// A number after a blank for its sign; a text that is no number as it stands.
QString numberText(const ValueCell &c)
{
    const auto v = c.toDouble();
    if (!v || c.isEmpty())
        return c.toString();
    return Num::Str(*v);
}

// A list text chosen by the value; a value outside the list as it stands.
QString listText(const ValueCell &c, int firstId, int count)
{
    const auto v = whole(c);
    if (!v || *v < 0 || *v >= count)
        return c.toString();
    return ResText(firstId + *v);
}

QString zoneEnableText(const ValueCell &c)
{
    const auto v = whole(c);
    if (v == 0)
        return ResText(655);
    if (v == 1)
        return ResText(667);
    if (v == 2)
        return ResText(668);
    return c.toString();
}

QString posPrgText(const ValueCell &c)
{
    const auto v = whole(c);
    if (v == 0)
        return QStringLiteral("POS");
    if (v == 1)
        return QStringLiteral("PRG");
    return numberText(c);
}

QString axisMaskText(const ValueCell &c)
{
    switch (whole(c).value_or(-1)) {
    case 1: return ResText(1309);
    case 3: return ResText(1310);
    case 7: return ResText(1311);
    case 15: return ResText(1312);
    default: return numberText(c);
    }
}

QString emgLogicText(const ValueCell &c)
{
    const auto v = whole(c);
    if (v == 0)
        return ResText(691);
    if (v == 1)
        return ResText(690);
    return numberText(c);
}

QString actuatorText(const ValueCell &c)
{
    auto &s = Print::State();
    if (PrintPara::DivideTypeCode(c.toString()) != 0)
        return c.toString();
    return s.TypeCodeSize + s.TypeCodeSpeed + QLatin1Char('-') + s.TypeCodeStroke;
}

QString mmOrNumber(const ValueCell &c) { return App().DispMmUnit ? c.toString() : numberText(c); }

enum class Fmt { Number, MmOrNumber, AutoDrive, Type, PgFunction, OnOff, ZoneEnable, Actuator, PosPrg, AxisMask, EmgLogic };

QString format(Fmt f, const ValueCell &c)
{
    switch (f) {
    case Fmt::Number: return numberText(c);
    case Fmt::MmOrNumber: return mmOrNumber(c);
    case Fmt::AutoDrive: return listText(c, 641, 2);
    case Fmt::Type: return listText(c, 643, 2);
    case Fmt::PgFunction: return listText(c, 652, 3);
    case Fmt::OnOff: return listText(c, 655, 2);
    case Fmt::ZoneEnable: return zoneEnableText(c);
    case Fmt::Actuator: return actuatorText(c);
    case Fmt::PosPrg: return posPrgText(c);
    case Fmt::AxisMask: return axisMaskText(c);
    case Fmt::EmgLogic: return emgLogicText(c);
    }
    return c.toString();
}

// One line of the page: a block title with or without the axis headings,
// the headings alone, or a parameter (per axis, or a single value at x).
struct ParaLine {
    int line;
    const char *label;     // nullptr: no label
    bool headings;
    int row;               // 0: no value
    bool perAxis;
    Fmt fmt;
    double singleX;
};

const ParaLine kLines[] = {
    {4, "<< HOMING PARAMETER >>", true, 0, false, Fmt::Number, 0},
    {5, " 1.OFFSET:", false, 1, true, Fmt::Number, 0},
    {6, " 2.PUSH:", false, 2, true, Fmt::Number, 0},
    {7, " 3.VEL:", false, 3, true, Fmt::Number, 0},
    {8, " 4.OFSVEL:", false, 4, true, Fmt::Number, 0},
    {9, " 5.PUSHVEL:", false, 5, true, Fmt::Number, 0},
    {10, " 6.SEQ:", false, 6, true, Fmt::Number, 0},
    {12, "<< AXIS PARAMETER >>", true, 0, false, Fmt::Number, 0},
    {13, " 1.STROKE:", false, 7, true, Fmt::MmOrNumber, 0},
    {14, " 2.LEAD:", false, 8, true, Fmt::Number, 0},
    {15, " 3.PULSE:", false, 9, true, Fmt::Number, 0},
    {16, " 4.JOG VEL:", false, 10, true, Fmt::Number, 0},
    {17, " 5.Auto Drive:", false, 11, true, Fmt::AutoDrive, 0},
    {18, " 6.TYPE:", false, 12, true, Fmt::Type, 0},
    {19, " 7.Actuator:", false, 13, true, Fmt::Actuator, 0},
    {21, "<< PG PARAMETER >>", true, 0, false, Fmt::Number, 0},
    {22, " 1.FUNCTION:", false, 14, true, Fmt::PgFunction, 0},
    {23, " 2.ALM:", false, 15, true, Fmt::Number, 0},
    {25, "<< Etc PARAMETER >>", false, 0, false, Fmt::Number, 0},
    {26, " 1. HOME OUT:", false, 16, false, Fmt::Number, kSingleX},
    {27, " 2. GRP ENABLE:", false, 17, false, Fmt::OnOff, kSingleListX},
    {28, " 3. SM TIMEOUT:", false, 18, false, Fmt::OnOff, kSingleListX},
    {29, " 4. SM TIMER:", false, 19, false, Fmt::Number, kSingleX},
    {30, nullptr, true, 0, false, Fmt::Number, 0},
    {31, " 5. ZONE ENABLE:", false, 20, true, Fmt::ZoneEnable, 0},
    {32, " 6. ZONE1:", false, 21, true, Fmt::MmOrNumber, 0},
    {33, " 7. ZONE2:", false, 22, true, Fmt::MmOrNumber, 0},
    {34, " 8. IN-P WID:", false, 23, true, Fmt::Number, 0},
    {35, " 9. HOLD TIME:", false, 24, true, Fmt::Number, 0},
    {37, "<< Controller Mode >>", false, 0, false, Fmt::Number, 0},
    {38, " 1. POS/PRG:", false, 33, false, Fmt::PosPrg, kSingleX},
    {40, "<< SP Parameter >>", false, 0, false, Fmt::Number, 0},
    {41, " 1. AutoPrg No.:", false, 25, false, Fmt::Number, kSingleX},
    {42, " 2. AXIS:", false, 26, false, Fmt::AxisMask, kSingleX},
    {43, " 3. AUTO HOME:", false, 27, false, Fmt::OnOff, kSingleX},
    {44, nullptr, true, 0, false, Fmt::Number, 0},
    {45, " 4. PG TIMER:", false, 28, true, Fmt::Number, 0},
    {46, " 5. LS TIMER:", false, 29, true, Fmt::Number, 0},
    {47, " 6. SOFT LIMIT:", false, 30, true, Fmt::OnOff, 0},
    {48, " 7. EMG LOGIC:", false, 31, false, Fmt::EmgLogic, kSingleX},
    {49, " 8. ALM1 CLEAR:", false, 32, false, Fmt::OnOff, kSingleX},
    {50, " 9. PPUT Write:", false, 34, false, Fmt::OnOff, kSingleX},
};

// The axis mask as PrintAxisOff: bit a set = axis a + 1 printed.
void axisOffFromMask(int mask)
{
    auto &off = Print::State().PrintAxisOff;
    for (int a = 0; a < kAxes; ++a)
        off[size_t(a)] = (mask & (1 << a)) == 0;
}

// A value in its axis's column. A text wider than the column at the page's
// size (a long list text, English or Japanese) is drawn smaller, as the
// parameter window writes a long caption, rather than over the next axis.
void columnText(Printer &p, double x, double y, const QString &text)
{
    double size = kFontSize;
    while (size > 1 && p.TextWidth(text) > kColumnWidth - kColumnGap) {
        size -= 0.5;
        p.SetFontSize(size);
    }
    TextAt(p, x, y, text);
    p.SetFontSize(kFontSize);
}

} // namespace

namespace PrintPara {

int DivideTypeCode(const QString &code)
{
    if (code.size() != 7)
        return 1;
    auto &s = Print::State();
    s.TypeCodeSize = code.left(3);
    s.TypeCodeSpeed = code.mid(3, 1);
    s.TypeCodeStroke = code.mid(4, 3);
    return 0;
}

void PrintParaSelFromSet() { axisOffFromMask(Paradata().ParaSet.ParaSpAxis); }

void PrintParaSelFromFile()
{
    const auto mask = Num::IntOf(cell(26, 0).toString());
    axisOffFromMask(mask.value_or(0));
}

void PrintParaFromForm()
{
    auto &s = Paradata();
    auto &set = s.ParaSet;
    auto &t = s.ParaFileTable;
    const bool mm = App().DispMmUnit;
    ParaFile::ClearParaFileTable();
    for (size_t a = 0; a < size_t(kAxes); ++a) {
        t[1][a] = set.ParaHomeOffset[a];
        t[2][a] = set.ParaHomePush[a];
        t[3][a] = set.ParaHomeVel[a];
        t[4][a] = set.ParaHomeOfsVel[a];
        t[5][a] = set.ParaHomePushVel[a];
        t[6][a] = set.ParaHomeSeq[a];
        t[7][a] = mm ? ValueCell(s.ParaAxisMmStrokeText[a]) : set.ParaAxisStroke[a];
        t[8][a] = set.ParaAxisLead[a];
        t[9][a] = ValueCell(double(set.ParaAxisPulse[a]));
        t[10][a] = set.ParaJogVel[a];
        t[11][a] = set.ParaAutoDrive[a];
        t[12][a] = set.ParaType[a];
        set.ParaActuator[a] = ValueCell(s.Ct.CtDevSize[a] + s.Ct.CtDevSpeed[a] + FixedText::DecZeroPad(s.Ct.CtDevStroke[a], 3));
        t[13][a] = set.ParaActuator[a];
        t[14][a] = set.ParaPgFunction[a];
        t[15][a] = set.ParaPgAlm[a];
        t[20][a] = set.ParaZoneEnable[a];
        t[21][a] = mm ? ValueCell(s.ParaZone1MmText[a]) : set.ParaZone1[a];
        t[22][a] = mm ? ValueCell(s.ParaZone2MmText[a]) : set.ParaZone2[a];
        t[23][a] = set.ParaInpWid[a];
        t[24][a] = set.ParaHoldTime[a];
        t[28][a] = set.ParaPgTimer[a];
        t[29][a] = set.ParaLsTimer[a];
        t[30][a] = set.ParaSoftLimit[a];
        t[36][a] = ValueCell(s.Ct.CtDevSize[a]);
        t[37][a] = ValueCell(s.Ct.CtDevSpeed[a]);
        t[38][a] = ValueCell(double(s.Ct.CtDevStroke[a]));
    }
    t[16][0] = set.ParaHomeOut;
    t[17][0] = set.ParaGrpEnable;
    t[18][0] = set.ParaSmTimeout;
    t[19][0] = set.ParaSmTimer;
    t[25][0] = ValueCell(double(set.ParaAutoPrgNo));
    t[26][0] = set.ParaSpAxis;
    t[27][0] = set.ParaAutoHome;
    t[31][0] = set.ParaEmgLogic;
    t[32][0] = set.ParaAlm1Clear;
    t[33][0] = set.ParaPosPrg;
    t[34][0] = set.ParaPputWrite;
}

void PrintParameters()
{
    Print::RunJob(PrintPara::DrawParameters);
}

JobEnd DrawParameters(Printer &p)
{
    auto &s = Print::State();
    p.SetFontName(Print::BodyFont(24));
    p.SetFontSize(kFontSize);
    if (!Print::SetPrinterMetrics(p))
        return JobEnd::Failed;
    if (s.PrintLinesPerPage < kLinesNeeded)
        return JobEnd::TooSmall;
    s.PrintPageNo = 1;
    const double lh = s.PrintLineHeight;
    TextAt(p, kLabelX, lh, QStringLiteral("QZ-TQ7 Parameters"));
    TextAt(p, 80, lh, ResText(25) + cell(0, 0).toString());
    p.Line(10, 2 * lh, s.PrintRightEdge, 2 * lh);
    for (const ParaLine &l : kLines) {
        const double y = l.line * lh;
        if (l.label)
            TextAt(p, kLabelX, y, QString::fromLatin1(l.label));
        if (l.headings) {
            for (int a = 0; a < kAxes; ++a)
                TextAt(p, kHeadingX[a], y, QStringLiteral("< AXIS %1 >").arg(a + 1));
        }
        if (l.row == 0)
            continue;
        if (!l.perAxis) {
            TextAt(p, l.singleX, y, format(l.fmt, cell(l.row, 0)));
            continue;
        }
        for (int a = 0; a < kAxes; ++a) {
            const QString text = s.PrintAxisOff[size_t(a)] ? QStringLiteral("--") : format(l.fmt, cell(l.row, a));
            columnText(p, kAxisX[a], y, text);
        }
    }
    Print::PrintFooter(p);
    return JobEnd::Printed;
}

} // namespace PrintPara
