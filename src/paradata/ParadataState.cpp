#include "paradata/ParadataState.h"

namespace {
ParadataState g_state;
}

ParadataState &Paradata() { return g_state; }
void ResetParadataState() { g_state = ParadataState{}; }
