#include "print/PrintProg.h"

#include "platform/StringTable.h"

using Platform::Printer;
using Print::JobEnd;
using Print::TextAt;

namespace PrintProg {
namespace {

constexpr double kBodyX[6] = {20, 30, 50, 70, 90, 110};
constexpr double kCommentX = 130;
constexpr double kTitleX[7] = {20, 30, 50, 70, 90, 110, 150};
// Pitch lines a page needs for one row: rows start on line 6.
constexpr int kPitchLinesNeeded = 9;

} // namespace

void PrintProgramHeader(Printer &p, const ProgTable &table, const ProgName &name)
{
    const auto &s = Print::State();
    const double lh = s.PrintLineHeight;
    p.SetBold(true);
    p.SetItalic(true);
    p.SetDrawWidth(3);
    p.SetFontSize(12);
    TextAt(p, 10, lh, Print::ProductTitle() + QLatin1Char(' ') + Platform::ResText(950), true);
    p.SetFontSize(11);
    TextAt(p, 20, 3 * lh, name.isFile ? Platform::ResText(25) + QLatin1Char(' ') + name.name : name.name, true);
    Print::PrintPageNumber(p);
    p.SetBold(false);
    p.SetItalic(false);
    p.Line(10, 5 * lh, s.PrintRightEdge, 5 * lh);
    p.SetFontSize(9);
    if (!table.empty()) {
        for (int c = 0; c < 7; ++c)
            TextAt(p, kTitleX[c], 5 * lh, table[0][size_t(c)]);
    }
    p.SetDrawWidth(3);
    p.Line(10, 6 * lh, s.PrintRightEdge, 6 * lh);
    Print::PrintFooter(p);
}

JobEnd DrawProgram(Printer &p, const ProgTable &table, const ProgName &name)
{
    auto &s = Print::State();
    p.SetFontName(Print::BodyFont(399));
    p.SetFontSize(11);
    if (!Print::SetPrinterMetrics(p))
        return JobEnd::Failed;
    if (table.size() > 1 && s.PrintPitchLinesPerPage < kPitchLinesNeeded)
        return JobEnd::TooSmall;
    s.PrintPageNo = 1;
    bool pageDue = true;
    int line = 6;
    for (size_t r = 1; r < table.size(); ++r) {
        if (pageDue) {
            PrintProgramHeader(p, table, name);
            line = 6;
            pageDue = false;
        }
        const double y = line * double(s.PrintLinePitch);
        p.SetFontSize(11);
        for (int c = 0; c < 6; ++c)
            TextAt(p, kBodyX[c], y, table[r][size_t(c)]);
        p.SetFontSize(8);
        TextAt(p, kCommentX, y, QLatin1Char(':') + table[r][6], true);
        p.SetFontSize(11);
        pageDue = Print::NextPitchLine(p, line);
    }
    return JobEnd::Printed;
}

void PrintProgramPages(const ProgTable &table, const ProgName &name)
{
    Print::RunJob([&](Printer &p) { return DrawProgram(p, table, name); });
}

} // namespace PrintProg
