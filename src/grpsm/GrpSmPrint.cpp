#include "grpsm/GrpSmPrint.h"

namespace GrpSmPrint {
namespace {
Handed g_handed;
}
const Handed &LastHanded() { return g_handed; }
void ResetHanded() { g_handed = Handed{}; }
} // namespace GrpSmPrint

namespace Module1 {

// Stand-in: nothing is printed yet.
void PrintGrpData(const GrpSm::GroupTable &buf, const QString &name)
{
    auto &h = GrpSmPrint::g_handed;
    ++h.grpCalls;
    h.grp = buf;
    h.grpName = name;
}

// Stand-in: nothing is printed yet.
void PrintSqMcr(const GrpSm::MacroTable &buf, int first, int last, const QString &name)
{
    auto &h = GrpSmPrint::g_handed;
    ++h.smCalls;
    h.sm = buf;
    h.smFirst = first;
    h.smLast = last;
    h.smName = name;
}

} // namespace Module1
