#include "ui/posi/PosiWindow.h"

#include "core/AppState.h"
#include "core/Shell.h"
#include "paradata/UnitConv.h"
#include "paradata/UnitTexts.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "ui/posi/PositionWindow.h"

namespace PosiWindow {

void SetCaption(const QString &caption)
{
    Posi().Caption = caption;
    Shell::Get().SetPosiCaption(caption);
}

QString Caption() { return Posi().Caption; }

void ChangeMenuDisp() { Shell::Get().ChangeMenuDisp(App().PrgModeFlag); }

void AxisSettingChanged()
{
    PosiGrid::DispDeviceName();
    UnitTexts::DispPulseMmRate();
    // The axis columns follow the axes now in use (an axis that has just
    // come into use gets its columns back), then the colours.
    if (App().PrgModeFlag)
        PosiGrid::SizeInit_PositionGridAtPrgModeKeepingRows();
    else
        PosiGrid::SizeInit_PositionGridAtPosModeKeepingRows();
    PosiGrid::ColourAxisColumns();
    UnitConv::CalcMaxSpeed();
}

} // namespace PosiWindow
