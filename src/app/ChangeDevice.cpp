// The main window's offline actuator setting: the user chooses the actuators
// (with their standard parameters) or a parameter file, and the setting, the
// settings store and the position window follow.
#include "core/AppState.h"
#include "app/MainWindow.h"
#include "ui/common/ChoiceDialog.h"
#include "ui/device/ActuatorWindows.h"
#include "link/Indicators.h"
#include "link/Versions.h"
#include "paradata/DevSetting.h"
#include "paradata/ParaFile.h"
#include "paradata/UnitTexts.h"
#include "platform/StringTable.h"
#include "ui/posi/PosiChangeDev.h"
#include "posi/PosiGrid.h"
#include "ui/posi/PosiWindow.h"

using Platform::ResText;

namespace {

enum class SettingSource { Actuators, ParaFile, Abandoned };

SettingSource chooseSetting()
{
    for (;;) {
        const int answer =
            Choice::SetSelectionDlg(ResText(471), ResText(41), ResText(42), ResText(43), 0, 0, 0);
        if (answer == 0) {
            // Only a completed choice is applied: a cancelled window or
            // standard values that could not be loaded leave the setting as
            // it was.
            if (ActuatorWindows::ShowDeviceSetting() != 0)
                return SettingSource::Abandoned;
            return SettingSource::Actuators;
        }
        if (answer != 1)
            return SettingSource::Abandoned;
        // The file routine reads up to four times itself and reports a
        // failure (681); asking for the file again on top of that would put
        // the open dialogue and the message in front of the user four times.
        if (ParaFile::ReadParaFileForDevice() == 0)
            return SettingSource::ParaFile;
    }
}

} // namespace

void MainWindow::Change_Device()
{
    AppState &app = App();
    const SettingSource choice = chooseSetting();
    if (choice == SettingSource::Abandoned)
        return;
    // The actuator window settles the axis count itself; a parameter file
    // leaves the controller's count as it was.
    if (choice == SettingSource::Actuators)
        Comm::Versions().CtAxisCount = app.AxisCount;

    DevSetting::LetParaToDevSetting();
    DevSetting::LetNewTypeFlag();
    DevSetting::SaveDevSetting();
    PosiGrid::DispDeviceName();

    PosiGrid::ColourAxisColumns();
    if (app.PrgModeFlag)
        PosiGrid::SizeInit_PositionGridAtPrgModeKeepingRows();
    else
        PosiGrid::SizeInit_PositionGridAtPosModeKeepingRows();
    UnitTexts::DispPulseMmRate();

    PosiChangeDev::RecheckPositions();

    // The setting now is the PC's own: the link to the controller's is cut.
    if (!app.OfflineFlag) {
        Indicators::SetOfflineMode();
        PosiWindow::ChangeMenuDisp();
    }
}
