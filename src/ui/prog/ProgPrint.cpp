// The program window's printout: the name on its name line and the grid's
// texts handed to the printout.
#include "ui/prog/ProgramWindow.h"

#include "print/PrintProg.h"

void ProgramWindow::GetPrintProgName()
{
    if (Check_ProgCaptionName() == 0 && GetProgFileNameFromCaption() == 0) {
        PrintProgName = ProgFileName + QStringLiteral(".prg");
        PrintProgNameIsFile = true;
    } else {
        PrintProgName = windowTitle();
        PrintProgNameIsFile = false;
    }
}

void ProgramWindow::PrintProgramData()
{
    ProgGrid_BeginBulk();
    PrintProg::ProgTable table(size_t(flgdProg->Rows()));
    for (int r = 0; r < flgdProg->Rows(); ++r)
        for (int c = 0; c < ProgGridModel::kCols; ++c)
            table[size_t(r)][size_t(c)] = flgdProg->Text(r, c);
    ProgGrid_InitCurrentCell();
    ProgGrid_EndBulk();
    PrintProg::PrintProgramPages(table, {PrintProgName, PrintProgNameIsFile});
}
