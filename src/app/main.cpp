#include <QApplication>

#include "core/AppState.h"
#include "app/Startup.h"
#include "app/MainWindow.h"
#include "platform/Settings.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Platform::kAppTitle));
    // The main window's unload ends the application, not the last window.
    QApplication::setQuitOnLastWindowClosed(false);
    Startup::Main();
    const int rc = app.exec();
    delete TheMainWindow();
    return rc;
}
