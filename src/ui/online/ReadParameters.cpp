#include "ui/online/ReadParameters.h"

#include "link/AxisConfig.h"
#include "link/Engine.h"
#include "link/ParaBlocks.h"
#include "paradata/ParaFile.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

namespace Online {

int ReadAxisMaskAndParameters(const std::function<void()> &axesRead)
{
    if (Comm::ReadAxisConfigFromCt() != 0) {
        Platform::Dialogs::MsgBox(Platform::ResText(359));
        Comm::CloseCommPortIfFree();
        return 1;
    }
    if (axesRead)
        axesRead();
    const int result = Comm::ReadParametersFromCt() == 0 ? 0 : 1;
    if (result == 0)
        ParaFile::LetParaFileToPara();
    Comm::CloseCommPortIfFree();
    return result;
}

int ReadAllParameters() { return ReadAxisMaskAndParameters(); }

} // namespace Online
