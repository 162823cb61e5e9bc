#include "print/PrintFrame.h"

#include "core/Num.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QLocale>
#include <cmath>

using Platform::Printer;
using Platform::ResText;

namespace Print {
namespace {
PrintState g_state;

// Messages of a job that did not print.
constexpr int kPrintFailedText = 3975;
constexpr int kPaperTooSmallText = 3976;
} // namespace

PrintState &State() { return g_state; }
void ResetPrintState() { g_state = PrintState{}; }

QString FooterText(const QDateTime &when)
{
    const QLocale loc = QLocale::system();
    return loc.toString(when.date(), QLocale::ShortFormat) + QStringLiteral("  ")
        + loc.toString(when.time(), QLocale::ShortFormat);
}

QString BodyFont(int id) { return ResText(id); }
QString ProductTitle() { return ResText(201); }

void TextAt(Printer &printer, double x, double y, const QString &text, bool lineEnd)
{
    printer.SetCurrentX(x);
    printer.SetCurrentY(y);
    printer.Print(text, lineEnd);
}

bool NextPitchLine(Printer &printer, int &line)
{
    auto &s = State();
    if (s.PrintPitchLinesPerPage - 2 - line >= 2) {
        ++line;
        return false;
    }
    ++s.PrintPageNo;
    printer.NewPage();
    return true;
}

void RunJob(const std::function<JobEnd(Printer &)> &draw)
{
    const auto printer = Platform::Dialogs::ChoosePrinter();
    if (!printer)
        return;
    const JobEnd drawn = draw(*printer);
    if (drawn == JobEnd::TooSmall) {
        printer->Abort();
        Platform::Dialogs::MsgBox(ResText(kPaperTooSmallText), Platform::MsgButtons::Ok,
                                  Platform::MsgIcon::Warning);
        return;
    }
    if (drawn == JobEnd::Failed || printer->Failed() || !printer->EndDoc()) {
        printer->Abort();
        Platform::Dialogs::MsgBox(ResText(kPrintFailedText), Platform::MsgButtons::Ok,
                                  Platform::MsgIcon::Warning);
    }
}

bool SetPrinterMetrics(Printer &printer)
{
    auto &s = Print::State();
    const float height = static_cast<float>(printer.TextHeight(QStringLiteral("A")));
    s.PrintLineHeight = static_cast<int32_t>(Num::RoundHalfEven(height));
    s.PrintLinePitch = s.PrintLineHeight + 1;
    if (s.PrintLineHeight <= 0) {
        s.PrintLinesPerPage = s.PrintPitchLinesPerPage = s.PrintBodyHeight = 0;
        return false;
    }
    s.PrintLinesPerPage = static_cast<int32_t>(std::floor(printer.ScaleHeight() / s.PrintLineHeight));
    s.PrintPitchLinesPerPage = static_cast<int32_t>(std::floor(printer.ScaleHeight() / s.PrintLinePitch));
    s.PrintBodyHeight = s.PrintLinesPerPage * s.PrintLineHeight;
    s.PrintRightEdge = static_cast<int32_t>(Num::RoundHalfEven(printer.ScaleWidth() - 10));
    return true;
}

void PrintPageNumber(Printer &printer)
{
    const auto &s = Print::State();
    const QString text = QStringLiteral("Page:") + QString::number(s.PrintPageNo);
    printer.SetCurrentX(s.PrintRightEdge - printer.TextWidth(text));
    printer.Print(text, true);
}

void PrintFooter(Printer &printer)
{
    const auto &s = Print::State();
    printer.SetFontSize(11);
    printer.SetBold(true);
    printer.SetItalic(true);
    printer.SetDrawWidth(3);
    const QDateTime now = s.Clock ? s.Clock() : QDateTime::currentDateTime();
    const QString text = Print::FooterText(now);
    printer.SetCurrentX(s.PrintRightEdge - printer.TextWidth(text));
    printer.SetCurrentY(double(s.PrintLinesPerPage - 1) * s.PrintLineHeight);
    printer.Print(text, true);
    const double y = s.PrintBodyHeight - s.PrintLineHeight;
    printer.Line(10, y, s.PrintRightEdge, y);
    printer.SetBold(false);
    printer.SetItalic(false);
}

namespace {
// The frame of the group and macro pages: title and name on line 1, the
// page number (macros) on line 3, the rule on line 4, the footer.
void grpSmFrame(Printer &printer, int kindTitleId, const QString &dataName, bool pageNumber)
{
    const auto &s = Print::State();
    const double lh = s.PrintLineHeight;
    printer.SetBold(true);
    printer.SetItalic(true);
    printer.SetDrawWidth(3);
    printer.SetFontSize(14);
    Print::TextAt(printer, 10, lh, Print::ProductTitle() + QLatin1Char(' ') + ResText(kindTitleId), true);
    printer.SetFontSize(11);
    Print::TextAt(printer, 70, lh, ResText(25) + dataName, true);
    if (pageNumber) {
        printer.SetCurrentY(3 * lh);
        PrintPageNumber(printer);
    }
    printer.SetBold(false);
    printer.SetItalic(false);
    printer.Line(10, 4 * lh, s.PrintRightEdge, 4 * lh);
    PrintFooter(printer);
}
} // namespace

void PrintSqMcrPageFrame(Printer &printer, const QString &dataName) { grpSmFrame(printer, 33, dataName, true); }
void PrintGrpPageFrame(Printer &printer, const QString &dataName) { grpSmFrame(printer, 34, dataName, false); }

} // namespace Print
