#include "grpsm/GrpSmTables.h"

namespace GrpSm {
namespace {
GrpSmTables g_tables;
}

GrpSmTables &Tables() { return g_tables; }
void ResetGrpSmTables() { g_tables = GrpSmTables{}; }

} // namespace GrpSm
