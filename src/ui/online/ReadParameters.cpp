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
    if (Module3Tusin::ReadAxisConfigFromCt() != 0) {
        Platform::Dialogs::MsgBox(Platform::ResText(359));
        Module3Tusin::CloseCommPortIfFree();
        return 1;
    }
    if (axesRead)
        axesRead();
    const int result = Module3Tusin::ReadParametaFromCt() == 0 ? 0 : 1;
    if (result == 0)
        Module1::LetParaFileToPara();
    Module3Tusin::CloseCommPortIfFree();
    return result;
}

int GetParametaValue3() { return ReadAxisMaskAndParameters(); }

} // namespace Online
