#include "print/PrintGrpSm.h"

#include "core/Num.h"

#include <algorithm>

using Platform::Printer;
using Print::JobEnd;
using Print::TextAt;

namespace GrpSmPrint {
namespace {
Handed g_handed;
}
const Handed &LastHanded() { return g_handed; }
void ResetHanded() { g_handed = Handed{}; }
} // namespace GrpSmPrint

namespace PrintGrpSm {

QString StepName(int code)
{
    if (code == GrpSm::kSmEndAlias)
        return GrpSm::SmCommandName(GrpSm::kSmEnd);
    const QString name = GrpSm::SmCommandName(code);
    // A code outside the list shows as itself, not as another step's name.
    return name.isEmpty() ? QString::number(code) : name;
}

JobEnd DrawGrpData(Printer &printer, const GrpSm::GroupTable &buf, const QString &name)
{
    auto &s = Print::State();
    printer.SetFontName(Print::BodyFont(24));
    printer.SetFontSize(11);
    if (!Print::SetPrinterMetrics(printer))
        return JobEnd::Failed;
    if (s.PrintLinesPerPage < kGrpLinesNeeded)
        return JobEnd::TooSmall;
    s.PrintPageNo = 1;
    Print::PrintGrpPageFrame(printer, name);
    const double lh = s.PrintLineHeight;
    int line = 5;
    for (int g = 1; g <= GrpSm::kGroupCount; ++g) {
        const double x0 = g <= 50 ? 0 : 80;
        if (g == 1 || g == 51) {
            TextAt(printer, x0 + 18, line * lh, QStringLiteral("<GRP No>"));
            TextAt(printer, x0 + 36, line * lh, QStringLiteral("<Start>"));
            TextAt(printer, x0 + 54, line * lh, QStringLiteral("---"));
            TextAt(printer, x0 + 62, line * lh, QStringLiteral("<End>"));
            ++line;
        }
        const auto &row = buf[static_cast<size_t>(g)];
        TextAt(printer, x0 + 22, line * lh, QStringLiteral("No.") + Num::Str(g) + QLatin1Char(':'));
        TextAt(printer, x0 + 40, line * lh, Num::Str(row[0]));
        TextAt(printer, x0 + 54, line * lh, QStringLiteral("---"));
        TextAt(printer, x0 + 64, line * lh, Num::Str(row[1]));
        ++line;
        if (g == 50)
            line = 5;
    }
    return JobEnd::Printed;
}

JobEnd DrawSqMcr(Printer &printer, const GrpSm::MacroTable &buf, int first, int last, const QString &name)
{
    auto &s = Print::State();
    printer.SetFontName(Print::BodyFont(24));
    printer.SetFontSize(11);
    if (!Print::SetPrinterMetrics(printer))
        return JobEnd::Failed;
    first = std::max(first, 1);
    last = std::min(last, GrpSm::kMacroCount);
    if (first <= last && s.PrintLinesPerPage < kSqMcrLinesNeeded)
        return JobEnd::TooSmall;
    s.PrintPageNo = 1;
    bool pageDue = true;
    int rowStart = 5;
    int k = 0;
    const double lh = s.PrintLineHeight;
    for (int n = first; n <= last; ++n) {
        const double x0 = k % 3 == 0 ? 0 : (k % 3 == 1 ? 62 : 116);
        if (pageDue) {
            Print::PrintSqMcrPageFrame(printer, name);
            pageDue = false;
        }
        TextAt(printer, x0 + 18, rowStart * lh, QStringLiteral("<SM No.%1>").arg(n));
        TextAt(printer, x0 + 18, (rowStart + 1) * lh, QStringLiteral("STEP"));
        TextAt(printer, x0 + 36, (rowStart + 1) * lh, QStringLiteral("COMMAND"));
        TextAt(printer, x0 + 58, (rowStart + 1) * lh, QStringLiteral("DATA"));
        const int col = GrpSm::MacroCodeCol(n);
        for (int step = 0; step < GrpSm::kMacroSteps; ++step) {
            const double y = (rowStart + 2 + step) * lh;
            const auto &row = buf[static_cast<size_t>(step)];
            TextAt(printer, x0 + 18, y, QStringLiteral("STEP%1:").arg(step + 1));
            TextAt(printer, x0 + 36, y, StepName(row[static_cast<size_t>(col)]));
            TextAt(printer, x0 + 58, y, Num::Str(row[static_cast<size_t>(col + 1)]));
        }
        if (k == 2 || k == 5)
            rowStart += 20;
        if (k == 8) {
            k = 0;
            rowStart = 5;
            pageDue = true;
            ++s.PrintPageNo;
            printer.NewPage();
        } else {
            ++k;
        }
    }
    return JobEnd::Printed;
}

void PrintGrpData(const GrpSm::GroupTable &buf, const QString &name)
{
    auto &h = GrpSmPrint::g_handed;
    ++h.grpCalls;
    h.grp = buf;
    h.grpName = name;
    Print::RunJob([&](Printer &printer) { return PrintGrpSm::DrawGrpData(printer, buf, name); });
}

void PrintSqMcr(const GrpSm::MacroTable &buf, int first, int last, const QString &name)
{
    auto &h = GrpSmPrint::g_handed;
    ++h.smCalls;
    h.sm = buf;
    h.smFirst = first;
    h.smLast = last;
    h.smName = name;
    Print::RunJob([&](Printer &printer) { return PrintGrpSm::DrawSqMcr(printer, buf, first, last, name); });
}

} // namespace PrintGrpSm
