#include "app/PrgModule1.h"
#include "app/AppState.h"
#include "app/Module1Settings.h"
#include "app/ModuleHelp.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "link/Queues.h"
#include "platform/Wait.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace PrgModule1 {

void Main()
{
    ModuleHelp::SetHelpFilePath();

    QPointer<frmSplash> splash = new frmSplash();
    splash->show();
    splash->repaint();
    splash->timerSplash->start();

    AppState &a = App();
    // Per-axis actuator setting back to "no actuator chosen, QZ series":
    // Module1::ClearDevSetting belongs to the actuator data and is called
    // here once it exists.
    a.AxisNotUsed = {false, false, false, false};
    // Parameter tables empty: Module1::ClearParaData is called here once the
    // parameter data exists.
    a.LanguageChange = false;
    Module3Tusin::TusinQueueClear();
    Module3Tusin::TusinQueueReset();
    a.SelProgNo = 1;
    a.BaudIndex = 0;
    a.OfflineFlag = true;
    a.HomeDoneFlag = false;
    Module1::LoadAppSetting();
    // The error list of the chosen language (after LoadAppSetting, which
    // sets LangOffset): Module1::ReadErrorList is called here once the link
    // has it.

    auto *main = new frmMain();
    a.MainForm = main;
    QObject::connect(main, &frmMain::applicationEnd, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    main->MDIForm_Load();

    Platform::WaitUntil([] { return App().SplashDone; });
    if (splash)
        splash->close();
    main->show();
}

} // namespace PrgModule1
