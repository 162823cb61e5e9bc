#include "posi/PosiChangeDev.h"

#include "app/AppState.h"
#include "app/frmSelection.h"
#include "device/frmDevice2.h"
#include "link/Indicators.h"
#include "paradata/DevSetting.h"
#include "paradata/ParaFile.h"
#include "paradata/UnitTexts.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiCheck.h"
#include "posi/PosiDevice.h"
#include "posi/PosiGrid.h"

using Platform::ResText;

namespace PosiChangeDev {
namespace {
std::function<int()> g_show;

} // namespace

void SetShowDeviceSetting(std::function<int()> show) { g_show = std::move(show); }

void RecheckPositions()
{
    AppState &app = App();
    // Every position the grid holds, not the range of an earlier operation:
    // rows left out would keep values converted for the old actuators.
    app.PosiNoStart = app.DispNoStart;
    app.PosiNoEnd = app.DispNoEnd;
    const int rc = PosiCheck::PosiDataCheck3();
    if (rc == 0) {
        if (app.DispMmUnit)
            PosiDevice::PosiPulseToMm();
        else
            PosiDevice::PosiMmToPulse();
        Module1::DispDeviceName();
        Module1::DispPulseMmRate();
        PosiGrid::QzDataHyoji();
    } else if (rc == 1) {
        Platform::Dialogs::MsgBox(ResText(1526), Platform::MsgButtons::Ok, Platform::MsgIcon::None, ResText(471));
    }
}

int ChangeDev()
{
    AppState &app = App();
    for (;;) {
        const int choice = Module1::SetSelectionDlg(ResText(471), ResText(41), ResText(42), ResText(43), 1, 1, 0);
        if (choice == -2)
            return -1;
        if (choice != 0 && choice != 1)
            return -1;   // the question was closed without a choice
        if (choice == 0) {
            DevFlags().DevWinNoBack = false;
            const int shown = g_show ? g_show() : Module1::ShowDeviceSetting();
            if (shown == -2)
                return -2;
            app.CtAxisSu = app.AxisSu;
        } else if (choice == 1) {
            // The file routine retries the read itself and reports a
            // failure (message 681); a failure or a cancel asks again.
            if (Module1::ReadParaFileForDevice() != 0)
                continue;
        }
        break;
    }

    Module1::LetParaToDevSetting2();
    Module1::LetNewTypeFlag();
    Module1::SaveDevSetting();
    Module1::DispDeviceName();
    PosiGrid::DispAxisData2();
    Module1::DispPulseMmRate();

    RecheckPositions();
    if (!app.OfflineFlag) {
        app.OfflineFlag = true;
        Module1::OnlineImg_Hide();
    }
    return 0;
}

} // namespace PosiChangeDev
