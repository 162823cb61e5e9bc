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
    Module3Tusin::ResetBlockWriteState();
    Module1::ReadErrorList();
    SimParaBlocks::InstallParaBlockCommands(sim);
    sim.attach(1);
    App().PortNo = 1;
    Module1::SetOnlineMode();
    Module3Tusin::StartLink();
}

LinkFixture::~LinkFixture()
{
    Module3Tusin::StopLink();
    qunsetenv("REZ4_PORT1");
}
