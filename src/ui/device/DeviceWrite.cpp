#include "ui/device/DeviceWrite.h"

#include "core/AppState.h"
#include "core/Shell.h"
#include "link/AxisBlockWrites.h"
#include "link/AxisConfig.h"
#include "link/CommandFrames.h"
#include "link/CommandProcs.h"
#include "link/ParaBlocks.h"
#include "paradata/DevSetting.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "paradata/StdPara.h"
#include "paradata/UnitTexts.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiCheck.h"
#include "posi/PosiDevice.h"
#include "posi/PosiGrid.h"
#include "ui/online/AxesAtRest.h"
#include "ui/online/GoOnline.h"
#include "ui/online/ReadParameters.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

using Platform::ResLines;
using Platform::ResText;
using Platform::Dialogs::MsgBox;

namespace DeviceWrite {
namespace {

void commError() { MsgBox(ResText(377)); }

// The position window becomes the active child window; no window moves.
void activatePosiWindow()
{
    QWidget *posi = Shell::Get().PosiForm();
    if (!posi)
        return;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(posi->parentWidget()))
        if (QMdiArea *area = sub->mdiArea())
            area->setActiveSubWindow(sub);
}

} // namespace

std::array<bool, 4> NotUsedOfCount(int n)
{
    std::array<bool, 4> notUsed{};
    if (n >= 1 && n <= 4)
        for (int a = n; a < 4; ++a)
            notUsed[size_t(a)] = true;
    return notUsed;
}

void RecheckPositionsAfterWrite()
{
    AppState &app = App();
    activatePosiWindow();
    PosiGrid::ColourAxisColumns();
    if (app.PrgModeFlag)
        PosiGrid::SizeInit_PositionGridAtPrgModeKeepingRows();
    else
        PosiGrid::SizeInit_PositionGridAtPosModeKeepingRows();
    // Two rows are the layout of an empty grid: nothing to check.
    if (PosiGrid::Grid().Rows() != 2) {
        // Every position the grid holds, not the range of an earlier
        // operation: rows left out would keep values of the old actuators.
        app.PosiNoStart = app.DispNoStart;
        app.PosiNoEnd = app.DispNoEnd;
        const int rc = PosiCheck::CheckGridPositions();
        if (rc == 0) {
            if (app.DispMmUnit)
                PosiDevice::PosiPulseToMm();
            else
                PosiDevice::PosiMmToPulse();
            if (app.PrgModeFlag)
                PosiGrid::FillGridProgramMode();
            else
                PosiGrid::FillGridPositionMode();
            Shell::Get().SetStatusText(QString());
            Shell::Get().PosiEditCommandsOff();
        } else if (rc != 2) {
            MsgBox(ResText(1526));
        }
    }
    PosiGrid::DispDeviceName();
    UnitTexts::DispPulseMmRate();
    PosiGrid::ColourAxisColumns();
}

void ChangeAndWrite(const Window &w)
{
    AppState &app = App();
    ParadataState &p = Paradata();
    const std::array<bool, 4> notUsed = NotUsedOfCount(w.axisCount);

    // The choice and its standard rows first: nothing goes to the
    // controller for actuators the standard list does not know.
    if (!w.takeChoice())
        return;
    for (int a = 0; a < 4; ++a)
        p.DevSetting.DevQzFlag[size_t(a)] = true;
    if (StdPara::CheckStdParaRows(notUsed) != 0)
        return;

    if (!Online::GoOnlineOnDemand())
        return;
    switch (Online::AxesAtRest()) {
    case 1:
        break;
    case 0:
        MsgBox(ResText(424));
        return;
    default:
        return;
    }
    int modeNo = 1;
    if (Comm::SetCommunicationMode(0, modeNo, 0) != 0) {
        commError();
        return;
    }

    p.KeepAxisMask = true;
    app.AxisBitMask = Comm::Frames::AxisInUseMask(notUsed);
    if (Comm::WriteAxisMaskToCt(app.AxisBitMask) != 0) {
        commError();
        Shell::Get().ProgressHide();
        return;
    }
    app.AxisNotUsed = notUsed;
    if (Comm::ReadAxisConfigFromCt() != 0) {
        commError();
        Shell::Get().ProgressHide();
        return;
    }
    if (Comm::ReadParametersFromCt() != 0)
        return;
    ParaFile::LetParaFileToPara();

    // The chosen actuators again, over whatever the read left.
    if (!w.takeChoice())
        return;
    for (int a = 0; a < 4; ++a)
        p.DevSetting.DevQzFlag[size_t(a)] = true;
    if (StdPara::SetStandardActuatorParameters() != 0)
        return;
    if (StdPara::CheckParaRange() != 0) {
        MsgBox(ResLines({1524, 1525}));
        return;
    }
    if (Comm::WriteActuatorParametersToCt() != 0)
        return;
    modeNo = 0;
    if (Comm::SetCommunicationMode(0, modeNo, 0) != 0) {
        commError();
        return;
    }

    const int readBack = Online::ReadAllParameters();
    Shell::Get().ProgressHide();
    if (w.hide)
        w.hide();
    if (readBack != 0)
        return;

    DevSetting::LetParaToDevSetting();
    DevSetting::LetNewTypeFlag();
    PosiGrid::DispDeviceName();
    RecheckPositionsAfterWrite();
    MsgBox(ResText(1527));
}

} // namespace DeviceWrite
