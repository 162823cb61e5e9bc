#include "ui/posi/PosiChangeDev.h"

#include "core/AppState.h"
#include "ui/common/ChoiceDialog.h"
#include "ui/device/ActuatorWindows.h"
#include "link/Indicators.h"
#include "link/Versions.h"
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
void RecheckPositions()
{
    AppState &app = App();
    // Every position the grid holds, not the range of an earlier operation:
    // rows left out would keep values converted for the old actuators.
    app.PosiNoStart = app.DispNoStart;
    app.PosiNoEnd = app.DispNoEnd;
    const int rc = PosiCheck::CheckGridPositions();
    if (rc == 0) {
        if (app.DispMmUnit)
            PosiDevice::PosiPulseToMm();
        else
            PosiDevice::PosiMmToPulse();
        PosiGrid::DispDeviceName();
        UnitTexts::DispPulseMmRate();
        PosiGrid::FillGridByMode();
    } else if (rc == 1) {
        Platform::Dialogs::MsgBox(ResText(1526), Platform::MsgButtons::Ok, Platform::MsgIcon::None, ResText(471));
    }
}

int ChangeDev()
{
    AppState &app = App();
    for (;;) {
        const int choice = Choice::SetSelectionDlg(ResText(471), ResText(41), ResText(42), ResText(43), 1, 1, 0);
        if (choice != 0 && choice != 1)
            return -1;   // Back, or the question closed without a choice
        if (choice == 0) {
            DevFlags().DevWinNoBack = false;
            if (ActuatorWindows::ShowDeviceSetting() == -2)
                return -2;
            Comm::Versions().CtAxisCount = app.AxisCount;
        } else {
            // The file routine retries the read itself and reports a
            // failure (message 681); a failure or a cancel asks again.
            if (ParaFile::ReadParaFileForDevice() != 0)
                continue;
        }
        break;
    }

    DevSetting::LetParaToDevSettingPgFromPara();
    DevSetting::LetNewTypeFlag();
    DevSetting::SaveDevSetting();
    PosiGrid::DispDeviceName();
    PosiGrid::ColourAxisColumns();
    UnitTexts::DispPulseMmRate();

    RecheckPositions();
    if (!app.OfflineFlag)
        Indicators::SetOfflineMode();
    return 0;
}

} // namespace PosiChangeDev
