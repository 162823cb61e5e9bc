#include "core/Shell.h"

#include <QList>

namespace Shell {
namespace {
Face g_silent;
Face *g_face = &g_silent;
} // namespace

void Register(Face *face) { g_face = face ? face : &g_silent; }
Face &Get() { return *g_face; }
bool Registered() { return g_face != &g_silent; }

} // namespace Shell
