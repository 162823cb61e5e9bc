// Pictures of every dialog of the program in one language, for checking
// that no text is cut off: each dialog is built as the program builds it,
// shown, and grabbed into <folder>/dialog-<name>-<ja|en>.png; the parameter
// window, with the standard values of the PC's actuators and the fourth axis
// unused, into <folder>/screen-parameter-<ja|en>.png. Run under a display of
// 96 dpi (scripts/screenshots-dialogs.sh); not a test.
//   rez4shots ja|en <folder>
#include "app/Startup.h"
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "core/AppState.h"
#include "core/Shell.h"
#include "paradata/DevSetting.h"
#include "paradata/DeviceList.h"
#include "paradata/ParadataState.h"
#include "paradata/StdPara.h"
#include "paradata/UnitTexts.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "ui/common/ChoiceDialog.h"
#include "ui/common/Localize.h"
#include "ui/device/ActuatorWindows.h"
#include "ui/live/MonitorWindow.h"
#include "ui/live/ProgramTaskWindow.h"
#include "ui/paraedit/ParameterWindow.h"
#include "ui/posi/PositionRangeDialogs.h"
#include "ui/posi/VerifyResultWindow.h"
#include "ui/prog/ProgramNumberDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

using Platform::ResText;

namespace {

QString g_folder;
QString g_lang;

void settle()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

void shoot(QWidget &w, const QString &name, const QString &kind = QStringLiteral("dialog"))
{
    if (!w.isVisible())
        w.show();
    settle();
    const QString path = QDir(g_folder).filePath(QStringLiteral("%1-%2-%3.png").arg(kind, name, g_lang));
    w.grab().save(path);
    QTextStream(stdout) << path << Qt::endl;
}

// A choice dialog as the program asks it: the set-up procedure runs, the
// modal show is played by a handler that takes the picture.
void choice(const QString &name, int explanation, int option1, int option2, int option3 = 0, int cancelMode = 0,
            int backMode = 0, int nextMode = 0)
{
    Platform::Dialogs::PushModalHandler([name](QDialog &d) {
        shoot(d, name);
        d.hide();
        return int(QDialog::Rejected);
    });
    if (option3)
        Choice::SetSelectionDlgThreeWay(ResText(471), ResText(explanation), ResText(option1), ResText(option2),
                                  ResText(option3), cancelMode, backMode);
    else
        Choice::SetSelectionDlg(ResText(471), ResText(explanation), ResText(option1), ResText(option2),
                                 cancelMode, backMode, nextMode);
}

// A message box as the program shows it: our text, Qt's standard buttons.
void messageBox(const QString &name, const QString &text, QMessageBox::StandardButtons buttons,
                QMessageBox::Icon icon)
{
    QMessageBox box;
    box.setWindowTitle(ResText(201));
    box.setText(text);
    box.setStandardButtons(buttons);
    box.setIcon(icon);
    shoot(box, name);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args[1] != QLatin1String("ja") && args[1] != QLatin1String("en"))) {
        QTextStream(stderr) << "usage: rez4shots ja|en <folder>" << Qt::endl;
        return 2;
    }
    g_lang = args[1];
    g_folder = args[2];
    QDir().mkpath(g_folder);

    QTemporaryDir settings;
    Platform::UseSettingsFile(settings.filePath(QStringLiteral("settings.ini")));
    Platform::SaveSetting(QStringLiteral("Language"), g_lang == QLatin1String("ja") ? 1 : 2);
    Platform::SetAppFolder(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data")));
    Startup::SetStartValues();
    DevSetting::LoadDevSetting();
    DeviceList::ReadNQzDeviceList();
    App().AxisCount = 4;
    Platform::Dialogs::SetScripted(true);

    // The choice dialog, in each of its uses.
    choice(QStringLiteral("startup-online"), 71, 72, 73, 0, 1);
    choice(QStringLiteral("startup-mode"), 74, 128, 129, 0, 1, 1, 1);
    choice(QStringLiteral("actuator-question"), 41, 42, 43);
    choice(QStringLiteral("controller-differs"), 371, 372, 373);
    choice(QStringLiteral("file-actuators"), 44, 45, 46, 47, 0, 1);
    Platform::Dialogs::PushModalHandler([](QDialog &d) {
        shoot(d, QStringLiteral("controller-mode"));
        d.hide();
        return int(QDialog::Rejected);
    });
    Choice::SetSelectionDlgPreselected(ResText(471), ResText(476), ResText(477), ResText(478), 0, 0, 0, 0);

    // The actuator windows, positions in millimetres (with the caution lines).
    App().DispMmUnit = true;
    {
        OfflineActuatorWindow w;
        w.comboAxisSelect->setCurrentIndex(3);
        w.comboAxisSelect_Click();
        shoot(w, QStringLiteral("actuators"));
    }
    {
        auto *w = new OnlineActuatorWindow;
        shoot(*w, QStringLiteral("actuators-online"));
        w->close();
    }

    // The range dialogs.
    App().DispNoStart = 1;
    App().DispNoEnd = 100;
    {
        TransferRangeDialog w;
        shoot(w, QStringLiteral("range-read"));
    }
    {
        PositionRangeDialog w;
        shoot(w, QStringLiteral("range-write"));
    }
    {
        Posi().FileFirstPosiNo = 1;
        Posi().FileLastPosiNo = 50;
        Posi().CommonNoStart = 1;
        Posi().CommonNoEnd = 50;
        VerifyRangeDialog w;
        shoot(w, QStringLiteral("range-verify"));
        VerifyRangeDialog none;
        none.SetNoCommonRange();
        shoot(none, QStringLiteral("range-verify-none"));
    }
    {
        Posi().VerifyMode = false;
        VerifyResultWindow w;
        shoot(w, QStringLiteral("check-result"));
    }
    {
        ProgramNumberDialog w;
        shoot(w, QStringLiteral("program-number"));
    }
    {
        OptionsDialog w;
        shoot(w, QStringLiteral("options"));
    }
    {
        AboutDialog w;
        shoot(w, QStringLiteral("about"));
    }
    {
        ProgramTaskWindow w;
        w.TimerProgramTask->stop();
        shoot(w, QStringLiteral("task"));
    }
    // The monitor with its watch lists set up and open for editing.
    {
        App().PrgModeFlag = true;
        MonitorWindow w;
        w.timerInputOutput1->stop();
        w.TimerDispInit->stop();
        w.TimerDispInit_Timer();
        w.chkEditItem->setChecked(true);
        w.chkEditItem_Click();
        shoot(w, QStringLiteral("monitor"));
        App().PrgModeFlag = false;
    }

    // Message boxes: our texts with Qt's standard buttons.
    messageBox(QStringLiteral("message-question"), ResText(370), QMessageBox::Ok | QMessageBox::Cancel,
               QMessageBox::Question);
    messageBox(QStringLiteral("message-save"), ResText(369), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
               QMessageBox::Question);
    messageBox(QStringLiteral("message-error"), ResText(377), QMessageBox::Ok, QMessageBox::Critical);

    // The parameter window: the standard values of the PC's actuators on
    // axes 1 to 3, axis 4 not in use (its fields emptied and grey).
    {
        App().AxisNotUsed = {false, false, false, true};
        App().AxisBitMask = 7;
        StdPara::SetStandardParameters();
        ParameterWindow *w = ParameterWindow::Instance();
        w->ShowParameters();
        shoot(*w, QStringLiteral("parameter"), QStringLiteral("screen"));
        delete w;
        App().AxisNotUsed = {false, false, false, false};
    }

    // The main window with the position grid in program mode: the axis
    // titles and the number title over their columns.
    {
        App().PrgModeFlag = true;
        App().DispMmUnit = true;
        auto *main = new MainWindow;

        Shell::Register(main);
        Loc::SetCaptionFromRes(main);
        main->resize(1000, 640);
        main->ShowPosiWindowOnce();
        PosiTables::InitPosiData();
        App().DispNoStart = 1;
        App().DispNoEnd = 30;
        PosiGrid::FillGridByMode();
        PosiGrid::DispDeviceName();
        main->show();
        if (QWidget *posi = main->PosiForm())
            if (QWidget *sub = posi->parentWidget())
                sub->showMaximized();
        shoot(*main, QStringLiteral("main-program-mode"));
        Shell::Register(nullptr);

        main->hide();
    }
    return 0;
}
