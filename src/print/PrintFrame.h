#pragma once
// What every printout shares: the line metrics measured on the printer, the
// page number, the body fonts, the date-and-time footer, the page frames of
// the group and macro printouts, and the run of one print job (the printer
// dialog, refusing a page too small, the message when a job fails).
#include "platform/Printer.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <functional>

namespace Print {

struct PrintState {
    int32_t PrintLineHeight = 0;        // mm
    int32_t PrintLinePitch = 0;         // mm, line height + 1
    int32_t PrintLinesPerPage = 0;
    int32_t PrintPitchLinesPerPage = 0;
    int32_t PrintBodyHeight = 0;        // mm
    int32_t PrintRightEdge = 0;         // mm
    int PrintPageNo = 0;
    // Axes whose parameter columns print "--".
    std::array<bool, 4> PrintAxisOff{};
    // The parts of the last actuator code split for the parameter printout.
    QString TypeCodeSize, TypeCodeSpeed, TypeCodeStroke;
    // The footer's clock.
    std::function<QDateTime()> Clock;
};

PrintState &State();
void ResetPrintState();

// The footer's date and time: the system's short date, two blanks and its
// short time of day.
QString FooterText(const QDateTime &when);

// Body font names (string 24 for groups, macros and parameters, 399 for
// programs and positions) and the title of the system (string 201).
QString BodyFont(int id);
QString ProductTitle();

// Draws the text at (x, y) in millimetres; with a line end the position
// moves to the left edge of the next line.
void TextAt(Platform::Printer &printer, double x, double y, const QString &text, bool lineEnd = false);

// After a row on pitch line `line` of the position and program printouts:
// the next line, or, when the page holds no further row above its footer,
// the end of the page with the page number counted on. True when the page
// was ended.
bool NextPitchLine(Platform::Printer &printer, int &line);

// How the drawing of a printout ended.
enum class JobEnd { Printed, Failed, TooSmall };

// One print job: the printer dialog (a cancel stays silent), the drawing,
// then the document sent or, when it failed or the page cannot hold the
// layout, thrown away with a message saying so.
void RunJob(const std::function<JobEnd(Platform::Printer &)> &draw);

// Measures the lines in the printer's current font and page. False (the
// metrics kept as measured) when a line measures less than a millimetre.
bool SetPrinterMetrics(Platform::Printer &printer);

// The date-and-time footer with its rule, on the current page.
void PrintFooter(Platform::Printer &printer);
// The header and footer of a macro page and of the group page.
void PrintSqMcrPageFrame(Platform::Printer &printer, const QString &dataName);
void PrintGrpPageFrame(Platform::Printer &printer, const QString &dataName);
// Right-aligns "Page:" and the page number at the right edge, on the line
// at the current position, and ends the line.
void PrintPageNumber(Platform::Printer &printer);

} // namespace Print
