#include "print/PrintPosi.h"

#include "core/AppState.h"
#include "platform/StringTable.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"

using Platform::Printer;
using Print::JobEnd;
using Print::TextAt;

namespace {

constexpr int kCols = 29;   // grid columns 0..28

// x of the six fields of an axis: the values, and the frame's titles.
constexpr double kValueX[2][6] = {{30, 38, 47, 52, 76, 88}, {102, 110, 119, 122, 145, 160}};
constexpr double kTitleX[2][6] = {{28, 36, 44, 54, 70, 82}, {100, 108, 116, 125, 140, 152}};

// Pitch lines a page needs for one position: the rows start on line 6.
constexpr int kPosModePitchLines = 10;
constexpr int kPrgModePitchLines = 9;

QString cell(int row, int col) { return Posi().PosiDataRead[size_t(row)][col].toString(); }
QString title(int col) { return cell(0, col); }

// Title, actuator names, page number and the upper rule.
void frameHeader(Printer &p)
{
    const auto &s = Print::State();
    const double lh = s.PrintLineHeight;
    const auto &names = Posi().FileAxisName;
    p.SetBold(true);
    p.SetItalic(true);
    p.SetDrawWidth(3);
    p.SetFontSize(14);
    TextAt(p, 10, lh, Print::ProductTitle() + QLatin1Char(' ') + Platform::ResText(202));
    p.SetFontSize(11);
    TextAt(p, 20, 3 * lh,
           QStringLiteral("AXIS1:") + names[0] + QStringLiteral("  /  AXIS2:") + names[1]
               + QStringLiteral("  /  AXIS3:") + names[2] + QStringLiteral("  /  AXIS4:") + names[3],
           true);
    Print::PrintPageNumber(p);
    p.SetBold(false);
    p.SetItalic(false);
    p.Line(10, 5 * lh, s.PrintRightEdge, 5 * lh);
    p.SetFontSize(8);
    p.SetDrawWidth(2);
}

void lowerRule(Printer &p, int line)
{
    const auto &s = Print::State();
    p.SetDrawWidth(3);
    p.Line(10, line * s.PrintLineHeight, s.PrintRightEdge, line * s.PrintLineHeight);
    Print::PrintFooter(p);
}

} // namespace

namespace PrintPosi {

void TakePosiPrintSnapshot(int first, int last)
{
    auto &grid = PosiGrid::Grid();
    auto &read = Posi().PosiDataRead;
    PosiGrid::BeginBulk();
    for (int c = 0; c < kCols; ++c)
        read[0][c] = PosiValue(grid.Text(1, c));
    const int dispStart = App().DispNoStart;
    for (int p = first; p <= last; ++p) {
        const int r = PosiGrid::RowOf(p, dispStart);
        for (int c = 0; c < kCols; ++c)
            read[size_t(p)][c] = PosiValue(grid.Text(r, c));
    }
    PosiGrid::InitCurrentCell();
    PosiGrid::EndBulk();
}

void PrintPosiFrameAtPosMode(Printer &p)
{
    frameHeader(p);
    const double lh = Print::State().PrintLineHeight;
    TextAt(p, 20, 5 * lh, title(0));
    for (int half = 0; half < 2; ++half) {
        for (int f = 0; f < 6; ++f) {
            const int axisTop = half, axisBottom = half + 2;   // axes 1, 2 on line 5; 3, 4 on line 6
            TextAt(p, kTitleX[half][f], 5 * lh, title(6 * axisTop + f + 1) + QString::number(axisTop + 1));
            TextAt(p, kTitleX[half][f], 6 * lh, title(6 * axisBottom + f + 1) + QString::number(axisBottom + 1));
        }
    }
    TextAt(p, 167, 5 * lh, title(25));
    TextAt(p, 175, 5 * lh, title(26));
    TextAt(p, 182, 5 * lh, title(27));
    TextAt(p, 166, 6 * lh, QLatin1Char(':') + title(28), true);
    lowerRule(p, 7);
}

void PrintPosiFrameAtPrgMode(Printer &p)
{
    frameHeader(p);
    const double lh = Print::State().PrintLineHeight;
    TextAt(p, 20, 5 * lh, title(0));
    for (int a = 0; a < 4; ++a) {
        if (!App().AxisNotUsed[size_t(a)])
            TextAt(p, 30 + 30 * a, 5 * lh, title(6 * a + 4));
    }
    p.SetCurrentX(p.CurrentX() + 30);
    p.Print(title(28));
    lowerRule(p, 6);
}

void PrintPosiPages(bool prgMode, int first, int last)
{
    Print::RunJob([&](Printer &p) { return PrintPosi::DrawPosiData(p, prgMode, first, last); });
}

JobEnd DrawPosiData(Printer &p, bool prgMode, int first, int last)
{
    auto &s = Print::State();
    p.SetFontName(Print::BodyFont(399));
    p.SetFontSize(11);
    if (!Print::SetPrinterMetrics(p))
        return JobEnd::Failed;
    if (first <= last && s.PrintPitchLinesPerPage < (prgMode ? kPrgModePitchLines : kPosModePitchLines))
        return JobEnd::TooSmall;
    s.PrintPageNo = 1;
    bool pageDue = true;
    int line = 6;
    const double pitch = s.PrintLinePitch;
    for (int n = first; n <= last; ++n) {
        if (pageDue) {
            if (prgMode)
                PrintPosi::PrintPosiFrameAtPrgMode(p);
            else
                PrintPosi::PrintPosiFrameAtPosMode(p);
            line = 6;
            pageDue = false;
        }
        p.SetFontSize(11);
        TextAt(p, 20, line * pitch, cell(n, 0));
        if (prgMode) {
            for (int a = 0; a < 4; ++a) {
                if (!App().AxisNotUsed[size_t(a)])
                    TextAt(p, 30 + 30 * a, line * pitch, cell(n, 6 * a + 4));
            }
            p.SetFontSize(8);
            p.SetCurrentX(p.CurrentX() + 30);
            p.Print(QLatin1Char(':') + cell(n, 28));
        } else {
            for (int f = 0; f < 6; ++f) {
                TextAt(p, kValueX[0][f], line * pitch, cell(n, f + 1));
                TextAt(p, kValueX[1][f], line * pitch, cell(n, f + 7));
            }
            TextAt(p, 168, line * pitch, cell(n, 25));
            TextAt(p, 176, line * pitch, cell(n, 26));
            TextAt(p, 183, line * pitch, cell(n, 27));
            ++line;
            for (int f = 0; f < 6; ++f) {
                TextAt(p, kValueX[0][f], line * pitch, cell(n, f + 13));
                TextAt(p, kValueX[1][f], line * pitch, cell(n, f + 19));
            }
            p.SetFontSize(8);
            TextAt(p, 166, line * pitch, QLatin1Char(':') + cell(n, 28), true);
            p.SetFontSize(11);
        }
        pageDue = Print::NextPitchLine(p, line);
    }
    return JobEnd::Printed;
}

} // namespace PrintPosi
