#include "ui/posi/PosiPrint.h"

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "platform/Dialogs.h"
#include "posi/PosiCheck.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "print/PrintPosi.h"
#include "ui/posi/PositionRangeDialogs.h"

namespace PosiPrint {

void PrintPosiData(const std::array<QString, 4> &deviceLabels)
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    AppState &app = App();
    if (PosiGrid::Check_flgdLineNo() == 1)
        return;
    {
        PositionRangeDialog dlg;
        Platform::Dialogs::ExecModal(dlg);
    }
    if (app.SelectCancelFlag) {
        app.SelectCancelFlag = false;
        return;
    }
    const int first = app.PosiNoStart;
    const int last = app.PosiNoEnd;
    if (PosiCheck::CheckGridPositions() != 0)
        return;
    // The snapshot is kept, also when the printer dialog is cancelled.
    PrintPosi::TakePosiPrintSnapshot(first, last);
    Posi().FileAxisName = deviceLabels;
    PrintPosi::PrintPosiPages(app.PrgModeFlag, first, last);
}

} // namespace PosiPrint
