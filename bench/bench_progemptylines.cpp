// A program file that says far more lines than it holds (8000 and 32767
// lines said, one held) opened in a shown program window, then checked: the
// check first drops the empty lines. Prints the median of five checks each.
#include "core/AppState.h"
#include "platform/Dialogs.h"
#include "prog/ProgGridModel.h"
#include "support/TestEnv.h"
#include "ui/prog/ProgramWindow.h"

#include "BenchTiming.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnv::Scope env;
    App().PrgModeFlag = true;
    ProgramWindow w;
    w.resize(900, 600);
    w.show();
    app.processEvents();

    for (const int said : {8000, 32767}) {
        const QString path = env.writeFile(
            QStringLiteral("over.prg"),
            "\"RE-Z4\"\r\n\"Program\"\r\n" + QByteArray::number(said) + "\r\n\"MVP\",\"1\",\"\",\"\",\"\",\"\"\r\n");
        int rc = -1;
        int opened = 0;
        const double ms = Bench::MedianShownMs(
            5,
            [&] {
                w.OpenProgFile(path);
                w.ShowProgramFileData();
                opened = w.flgdProg->Lines();
            },
            [&] { rc = w.ProgDataCheck(1); });
        std::printf("check of a file saying %d lines, holding 1: %.1f ms (opened as %d lines, result %d, lines left %d)\n",
                    said, ms, opened, rc, w.flgdProg->Lines());
    }
    return 0;
}
