#include "app/Startup.h"
#include "core/AppState.h"
#include "core/Shell.h"
#include "core/AppSettings.h"
#include "core/ModuleHelp.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "link/ErrorList.h"
#include "app/MainWindowLink.h"
#include "link/Queues.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "platform/Wait.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QPointer>
#include <QTimer>

namespace Startup {

void SetStartValues()
{
    AppState &a = App();
    ParadataState &p = Paradata();
    for (int axis = 0; axis < 4; ++axis) {
        p.DevSetting.DevSize[axis].clear();
        p.DevSetting.DevSpeed[axis].clear();
        p.DevSetting.DevStroke[axis] = 0;
        p.DevSetting.DevQzFlag[axis] = true;
        p.DevSeries[axis] = QStringLiteral("QZ");
        a.AxisNotUsed[axis] = false;
    }
    ParaFile::ClearParaData();
    a.LanguageChange = false;
    Comm::ClearRequestQueue();
    Comm::ResetRequestQueue();
    a.SelProgNo = 1;
    a.BaudIndex = 0;
    a.OfflineFlag = true;
    a.HomeDoneFlag = false;
    AppSettings::LoadAppSetting();
    InstallQtTexts();
    // The error list of the chosen language (after LoadAppSetting, which
    // sets LangOffset).
    ErrorList::ReadErrorList();
}

bool InstallQtTexts()
{
    static QTranslator *installed = nullptr;
    if (App().Language != 1)
        return false;
    if (installed)
        return true;
    auto *t = new QTranslator(qApp);
    if (!t->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    installed = t;
    return true;
}

void Main()
{
    ModuleHelp::SetHelpFilePath();

    QPointer<SplashWindow> splash = new SplashWindow();
    splash->show();
    splash->repaint();
    splash->timerSplash->start();

    SetStartValues();

    auto *main = new MainWindow();
    Shell::Register(main);
    MainWindowLink::AttachMainWindow(main);
    QObject::connect(main, &MainWindow::applicationEnd, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    main->MDIForm_Load();

    Platform::WaitUntil([] { return App().SplashDone; });
    if (splash)
        splash->close();
    main->show();
}

} // namespace Startup
