#include "support/LinkFixture.h"

#include "core/AppState.h"
#include "link/AxisBlockWrites.h"
#include "link/CommandHost.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "paradata/ParadataState.h"
#include "sim/SimParaBlocks.h"

LinkFixture::LinkFixture()
{
    App().LangOffset = 10000;
    ResetParadataState();
    Paradata().BlockStepWaitMs = 0;
    Comm::ResetBlockWriteState();
    ErrorList::ReadErrorList();
    SimParaBlocks::InstallParaBlockCommands(sim);
    sim.attach(1);
    App().PortNo = 1;
    Indicators::SetOnlineMode();
    Comm::StartLink();
}

LinkFixture::~LinkFixture()
{
    Comm::StopLink();
    qunsetenv("REZ4_PORT1");
}
