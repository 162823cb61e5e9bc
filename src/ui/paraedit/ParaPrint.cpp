// The parameter window's two print commands.
#include "ui/paraedit/ParameterWindow.h"

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "paradata/UnitTexts.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "print/PrintPara.h"
#include "ui/paraedit/ParaFlows.h"

using Platform::MsgAnswer;
using Platform::MsgButtons;
using Platform::MsgIcon;
using Platform::ResText;
using Platform::Dialogs::MsgBox;

void ParameterWindow::PrintParaFromForm() { PrintPara::PrintParaFromForm(); }

void ParameterWindow::cmdParaPrint_Click()
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    if (!ParaFlows::ParametersTaken(*this))
        return;
    if (MsgBox(ResText(684), MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return;
    PrintPara::PrintParaSelFromSet();
    PrintParaFromForm();
    PrintPara::PrintParameters();
}

void ParameterWindow::cmdParaFilePrint_Click()
{
    // Every window's commands come back on every way out, a cancelled file
    // dialog included.
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    if (MsgBox(ResText(682), MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return;
    Platform::FileFilter f;
    f.title = ResText(683);
    f.filter = ResText(1827);
    const QString path = Platform::Dialogs::GetOpenFileName(f);
    if (path.isEmpty())
        return;
    auto &s = Paradata();
    s.PmtReadError = false;
    if (ParaFile::ReadParaFile(path) != 0 || s.PmtReadError) {
        MsgBox(ResText(681));
        return;
    }
    PrintPara::PrintParaSelFromFile();
    // Millimetres for the axes the file holds (and prints), whatever the
    // PC's axes are, so no column mixes pulses with millimetres.
    if (App().DispMmUnit)
        UnitTexts::ParaPulseToMmText(Print::State().PrintAxisOff);
    PrintPara::PrintParameters();
}
