#include "ui/posi/PosiFileFlows.h"

#include "core/AppState.h"
#include "platform/Wait.h"
#include "paradata/DevSetting.h"
#include "paradata/UnitConv.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "paradata/StdPara.h"
#include "paradata/UnitTexts.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiCheck.h"
#include "posi/PosiDevice.h"
#include "posi/PosiFile.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "ui/common/ChoiceDialog.h"
#include "ui/posi/PosiWindow.h"
#include "ui/posi/PositionRangeDialogs.h"

#include <QFileInfo>

using Platform::ResLines;
using Platform::ResText;
using Platform::MsgAnswer;
using Platform::MsgButtons;
using Platform::MsgIcon;
using Platform::Dialogs::MsgBox;

namespace PosiFileFlows {
namespace {

constexpr int kTries = 4;
constexpr int kRetryWaitMs = 100;

// The grid takes no input and is not redrawn while a flow runs.
struct GridFrozen {
    GridFrozen()
    {
        PosiGrid::InitCurrentCell();
        PosiGrid::BeginBulk();
    }
    ~GridFrozen() { PosiGrid::EndBulk(); }
};

void showCaption() { PosiWindow::SetCaption(ResText(202) + QStringLiteral("-[") + App().DataFileName + QStringLiteral("]")); }

Platform::FileFilter posiFilter(int title, bool withName)
{
    Platform::FileFilter f;
    f.filter = ResText(351);
    f.title = ResText(title);
    if (withName)
        f.initialName = ResText(407);
    return f;
}

// The save dialog gives the default extension to a name without one.
QString withExtension(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".qzd");
}

void showReadError() { MsgBox(ResText(484), MsgButtons::Ok, MsgIcon::Critical); }

} // namespace

int CreateNewPositions()
{
    AppState &app = App();
    PosiState &p = Posi();
    const int oldStart = app.DispNoStart, oldEnd = app.DispNoEnd;
    p.NewRangeFlag = true;
    app.DispNoStart = 1;
    app.DispNoEnd = 15;
    {
        PositionRangeDialog dlg;
        Platform::Dialogs::ExecModal(dlg);
    }
    p.NewRangeFlag = false;
    if (app.SelectCancelFlag) {
        app.DispNoStart = oldStart;
        app.DispNoEnd = oldEnd;
        app.SelectCancelFlag = false;
        return 1;
    }
    app.DispNoStart = app.PosiNoStart;
    app.DispNoEnd = app.PosiNoEnd;
    PosiGrid::BeginBulk();
    PosiGrid::Grid().SetRows(app.PosiNoEnd - app.PosiNoStart + 3);
    PosiTables::InitPosiData();
    for (int n = std::max(app.DispNoStart, 0); n <= std::min(app.DispNoEnd, kPosiMax); ++n)
        p.PosiDataDisp[static_cast<size_t>(n)] = PosiDispRow{};
    PosiGrid::FillGridByMode();
    p.DataChanged = false;
    app.DataFileName = ResText(213);
    p.DataFilePath.clear();
    showCaption();
    PosiGrid::EndBulk();
    return 0;
}

int PosidataFileOpenProc()
{
    AppState &app = App();
    PosiState &p = Posi();
    GridFrozen frozen;

    const QString path = Platform::Dialogs::GetOpenFileName(posiFilter(364, false));
    if (path.isEmpty()) {
        MsgBox(ResText(367), MsgButtons::Ok, MsgIcon::Information);
        return 1;
    }
    p.FileReadError = false;
    const int rc = PosiFile::ReadPosiFileRetrying(path);
    if (rc == PosiFile::ReadError) {
        MsgBox(PosiFile::ReadErrorMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return 1;
    }
    if (rc != PosiFile::ReadOk)
        return 1;   // not a position file, or no positions: already reported

    // Nothing of the window's data changes before the file has passed every
    // check and the actuator question.
    if (p.FilePrgMode != app.PrgModeFlag) {
        MsgBox(ResLines({330, 331}), MsgButtons::Ok, MsgIcon::Critical);
        showReadError();
        return 1;
    }
    std::array<bool, 4> fileAxisNotUsed{};
    bool axesDiffer = false;
    for (size_t a = 0; a < 4; ++a) {
        fileAxisNotUsed[a] = p.FileAxisName[a].isEmpty();
        axesDiffer = axesDiffer || fileAxisNotUsed[a] != app.AxisNotUsed[a];
    }
    // The actuator steps change the PC's setting and the parameter set as
    // they go; an open that stops on the way puts both back.
    const ParadataState paraBefore = Paradata();
    const std::array<bool, 4> axesBefore = app.AxisNotUsed;
    const int maskBefore = app.AxisBitMask;
    auto stop = [&] {
        Paradata() = paraBefore;
        app.AxisNotUsed = axesBefore;
        app.AxisBitMask = maskBefore;
        return 1;
    };
    if (DevSetting::GetFileDeviceFromPosiFile(p.FileAxisName, fileAxisNotUsed) != 0) {
        showReadError();
        return stop();
    }
    if (DevSetting::CompareActuatorSettingOfPosifileToPc(fileAxisNotUsed) != 0 || axesDiffer) {
        const int choice =
            Choice::SetSelectionDlgThreeWay(ResText(471), ResText(44), ResText(45), ResText(46), ResText(47), 0, 1);
        switch (choice) {
        case 0:
            DevSetting::CopyDevSettingToActuatorSetting();
            break;
        case 1:
            DevSetting::ReflectFileDeviceToPcDevice(fileAxisNotUsed);
            // Without their standard parameters (message 36 said so) the
            // file's actuators would have no lead or pulses to convert by.
            if (StdPara::SetStandardParameters() != 0)
                return stop();
            DevSetting::LetParaToDevSettingPgFromPara();
            DevSetting::SaveDevSetting();
            break;
        case 2: {
            int r = 1;
            for (int i = 0; i < kTries && r == 1; ++i) {
                if (i > 0)
                    Platform::WaitMs(kRetryWaitMs);
                r = ParaFile::ReadParaFileForDevice();
            }
            if (r == 1) {
                showReadError();
                return stop();
            }
            if (r == -1) {
                MsgBox(ResText(367), MsgButtons::Ok, MsgIcon::Information);
                return stop();
            }
            DevSetting::LetParaToDevSetting();
            break;
        }
        default:
            break;   // Cancel or Back: the PC's setting stays
        }
    }

    app.PosiNoStart = app.DispNoStart = p.FileFirstPosiNo;
    app.PosiNoEnd = app.DispNoEnd = p.FileLastPosiNo;
    if (app.PrgModeFlag) {
        PosiGrid::SizeInit_PositionGridAtPrgMode();
    } else {
        PosiGrid::SizeInit_PositionGridAtPosMode();
        PosiGrid::ColourAxisColumns();
    }
    PosiGrid::DispDeviceName();
    ParadataState &para = Paradata();
    for (size_t a = 0; a < 4; ++a)
        if (para.DevSetting.DevQzFlag[a])
            para.DevSeries[a] = QStringLiteral("QZ");
    PosiTables::CopyPosiRecord();
    PosiDevice::PosiPulseToMm();
    PosiGrid::FillGridByMode();
    UnitConv::CalcMaxMm();
    UnitConv::CalcMaxSpeed();
    UnitTexts::DispPulseMmRate();

    PosiFile::SetCurrentFile(path);
    showCaption();
    p.DataChanged = false;
    return 0;
}

int PosidataSaveToFile()
{
    AppState &app = App();
    PosiState &p = Posi();
    GridFrozen frozen;
    if (PosiGrid::Check_flgdLineNo() == 1)
        return 1;
    // The file gets the whole grid, whatever range a write, verification
    // or print chose last.
    app.PosiNoStart = app.DispNoStart;
    app.PosiNoEnd = app.DispNoEnd;
    if (PosiCheck::CheckGridPositions() != 0)
        return 1;
    QString path = p.DataFilePath;
    if (app.DataFileName == ResText(213) || app.DataFileName == ResText(374) || path.isEmpty()) {
        path = withExtension(Platform::Dialogs::GetSaveFileName(posiFilter(423, true)));
        if (path.isEmpty()) {
            p.SaveCancelled = true;
            return 1;
        }
    }
    if (PosiFile::SaveFileAs(path, PosiFile::DeviceNamesOfSetting(), kTries) != 0)
        return 1;
    showCaption();
    p.DataChanged = false;
    return 0;
}

int PosiDataSaveAs()
{
    AppState &app = App();
    PosiState &p = Posi();
    GridFrozen frozen;
    if (PosiGrid::Check_flgdLineNo() == 1)
        return 1;
    {
        PositionRangeDialog dlg;
        Platform::Dialogs::ExecModal(dlg);
    }
    if (app.SelectCancelFlag) {
        app.SelectCancelFlag = false;
        return 1;
    }
    if (PosiCheck::CheckGridPositions() != 0)
        return 1;
    if (MsgBox(ResText(405), MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return 1;
    const QString path = withExtension(Platform::Dialogs::GetSaveFileName(posiFilter(406, true)));
    if (path.isEmpty()) {
        p.SaveCancelled = true;
        return 1;
    }
    Paradata().SaveAsFileName = path;
    if (PosiFile::SaveFileAs(path, PosiFile::DeviceNamesOfSetting()) != 0)
        return 1;
    showCaption();
    // Only a file holding the whole grid leaves nothing unsaved.
    if (app.PosiNoStart <= app.DispNoStart && app.PosiNoEnd >= app.DispNoEnd)
        p.DataChanged = false;
    return 0;
}

} // namespace PosiFileFlows
