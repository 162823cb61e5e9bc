#pragma once
// The printouts of group data and sequence macros.
//
// NOT PRINTED YET: these two are stand-ins until the printouts are built.
// They print nothing; each call only keeps what it was handed (the buffer,
// the range and the source name), so the commands that print can be
// checked up to the hand-over.
#include "grpsm/GrpSmTables.h"

#include <QString>

namespace Module1 {
// The group buffer with its source name ("INDICATED DATA" or a file name).
void PrintGrpData(const GrpSm::GroupTable &buf, const QString &name);
// Macros first..last of the macro buffer with its source name.
void PrintSqMcr(const GrpSm::MacroTable &buf, int first, int last, const QString &name);
} // namespace Module1

namespace GrpSmPrint {
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
