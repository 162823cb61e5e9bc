#pragma once
// The printouts of group data (one page) and of sequence macros (nine a
// page).
#include "grpsm/GrpSmTables.h"
#include "platform/Printer.h"
#include "print/PrintFrame.h"

#include <QString>

namespace PrintGrpSm {
// The printer dialog, then the 99 groups of the buffer under its source
// name ("INDICATED DATA" or a file name).
void PrintGrpData(const GrpSm::GroupTable &buf, const QString &name);
// The printer dialog, then macros first..last of the buffer.
void PrintSqMcr(const GrpSm::MacroTable &buf, int first, int last, const QString &name);

// The pages, drawn on a printer just chosen; the caller ends the document.
Print::JobEnd DrawGrpData(Platform::Printer &printer, const GrpSm::GroupTable &buf, const QString &name);
Print::JobEnd DrawSqMcr(Platform::Printer &printer, const GrpSm::MacroTable &buf, int first, int last,
                        const QString &name);
// Lines a page needs for each layout: groups run to line 55, macro steps
// to line 62, and the footer needs the line after.
inline constexpr int kGrpLinesNeeded = 57;
inline constexpr int kSqMcrLinesNeeded = 64;
// The name a macro step prints for its command code.
QString StepName(int code);
} // namespace PrintGrpSm

namespace GrpSmPrint {
// What the printouts were last handed, kept so the window commands can be
// checked up to the hand-over.
struct Handed {
    int grpCalls = 0;
    GrpSm::GroupTable grp{};
    QString grpName;
    int smCalls = 0;
    GrpSm::MacroTable sm{};
    int smFirst = 0, smLast = 0;
    QString smName;
};
const Handed &LastHanded();
void ResetHanded();
} // namespace GrpSmPrint
