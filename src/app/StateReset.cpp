#include "app/StateReset.h"

#include "app/HelpViewer.h"
#include "app/Options.h"
#include "core/AppState.h"
#include "core/ModuleHelp.h"
#include "print/PrintGrpSm.h"
#include "grpsm/GrpSmTables.h"
#include "link/AxisBlockWrites.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "link/SysParaBlocks.h"
#include "link/Versions.h"
#include "paradata/DevSetting.h"
#include "paradata/ParadataState.h"
#include "paradata/StdPara.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "print/PrintFrame.h"
#include "prog/CommandList.h"
#include "prog/ProgVerify.h"
#include "ui/online/GoOnline.h"

namespace StateReset {

void ResetAllModuleState()
{
    ResetAppState();
    ModuleHelp::ResetHelpState();
    HelpViewer::ResetViewer();
    SysInfo::ResetTool();
    Options::ResetHooks();
    ResetParadataState();
    StdPara::ResetStdParaState();
    ResetDevSettingFlags();
    ResetPosiState();
    PosiGrid::ResetGrid();
    CommandList::ResetCommandList();
    ProgVerify::ResetVerification();
    GrpSm::ResetGrpSmTables();
    GrpSmPrint::ResetHanded();
    Print::ResetPrintState();
    Comm::ResetQueueState();
    Comm::ResetLinkState();
    Comm::ResetCommandState();
    Comm::ResetBlockWriteState();
    Comm::ResetSysParaState();
    Comm::ResetVersionState();
    ErrorList::ResetErrorListState();
    Indicators::ResetIndicatorState();
    Online::ResetOnlineState();
}

} // namespace StateReset
