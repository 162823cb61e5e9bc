// Pictures of a program window for the documentation: a short program with
// a few errors, checked, its error pane open. Writes
// screen-prog-errors-<language>.png into the folder given (default docs).
#include "core/AppState.h"
#include "prog/ProgLines.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"
#include "ui/common/Localize.h"
#include "ui/prog/ProgramWindow.h"

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>

static void shoot(const QString &dir, const QString &name, int language)
{
    TestEnv::Scope env;
    AppState &a = App();
    a.Language = language;
    a.LangOffset = language == 1 ? 0 : 10000;
    a.PrgModeFlag = true;
    MainScope ms;
    Loc::SetCaptionFromRes(&ms.main);
    ms.main.setWindowTitle(MainWindow::VersionCaption());
    ms.main.resize(1000, 760);
    ms.main.show();
    auto *w = static_cast<ProgramWindow *>(ms.main.OpenProgWindow());
    w->frameWidget()->move(10, 10);
    ProgData::FillGrid(*w->flgdProg, {{"VEL", "100", "", "", "", "speed"},
                                      {"ACC", "0", "", "", "", ""},
                                      {"MVP", "5", "", "I3", "", "to position 5"},
                                      {"CALL", "3", "", "", "", ""},
                                      {"JUMP", "7", "", "", "", ""},
                                      {"PMOV", "8", "F1", "", "", ""},
                                      {"=", "R1", "-5", "", "", ""},
                                      {"END", "", "", "", "", ""}});
    w->programCheck();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    ms.main.grab().save(QDir(dir).filePath(QStringLiteral("screen-prog-errors-%1.png").arg(name)));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    shoot(dir, QStringLiteral("en"), 2);
    shoot(dir, QStringLiteral("ja"), 1);
    return 0;
}
