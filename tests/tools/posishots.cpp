// Pictures of the position window for the documentation: the main window
// with new position data in positioner mode (pulses and millimetres) and in
// program mode, a value typed and a cell being edited. Writes
// screen-posi-<mode>.png into the folder given (default docs).
#include "core/AppState.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "posi/PosiGrid.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"
#include "ui/common/Localize.h"
#include "ui/posi/PosiGridView.h"
#include "ui/posi/PositionWindow.h"
#include "ui/posi/PositionRangeDialogs.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

static void pcSetting()
{
    auto &p = Paradata();
    for (int a = 0; a < 4; ++a) {
        p.DevSetting.DevSize[a] = QStringLiteral(" 28");
        p.DevSetting.DevSpeed[a] = QStringLiteral("L");
        p.DevSetting.DevStroke[a] = 100;
        p.DevSetting.DevLead[a] = 6;
        p.DevSetting.DevPPR[a] = 400;
        p.MaxPulse[a] = 6666;
        p.MaxMm[a] = 99.99;
        p.MaxSpeed[a] = 300;
        // As the program's start values: the actuators are named.
        p.DevSetting.DevQzFlag[a] = true;
    }
}

static void shoot(const QString &dir, const QString &name, bool prg, bool mm, int language)
{
    TestEnv::Scope env;
    AppState &a = App();
    a.Language = language;
    a.LangOffset = language == 1 ? 0 : 10000;
    a.PrgModeFlag = prg;
    a.AxisNotUsed[3] = true;
    pcSetting();
    MainScope ms;
    Loc::SetCaptionFromRes(&ms.main);
    ms.main.setWindowTitle(MainWindow::VersionCaption());
    ms.main.resize(1100, 780);
    ms.main.show();
    QMdiSubWindow *sub = ms.main.ShowChild(ms.main.PosiForm());
    sub->showMaximized();
    Platform::Dialogs::PushModalHandler([](QDialog &d) {
        auto &dlg = static_cast<PositionRangeDialogBase &>(d);
        dlg.txtStartPosiNo->setText(QStringLiteral("1"));
        dlg.txtEndPosiNo->setText(QStringLiteral("20"));
        dlg.cmdSelectPosiOk->click();
        return dlg.result();
    });
    ms.main.mnuFileNewPosi->trigger();
    // The unit follows the option, shown after the load has read it.
    a.DispMmUnit = mm;
    PosiGrid::Change_DispUnit();
    PosiGrid::FillGridByMode();
    // The actuator names over the axis columns and above the grid, as the
    // offline start's choice of actuators writes them.
    PosiGrid::DispDeviceName();
    auto *w = static_cast<PositionWindow *>(ms.main.PosiForm());
    PosiGridModel &g = PosiGrid::Grid();
    auto type = [&](int row, int col, const QString &text) {
        g.SetCurrent(row, col);
        w->flgdData->edit(g.index(row, col));
        if (auto *ed = w->flgdData->findChild<QLineEdit *>()) {
            ed->clear();
            QTest::keyClicks(ed, text);
            QTest::keyClick(ed, Qt::Key_Return);
        }
        // The closed editor goes away before the next one opens.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    if (prg) {
        type(3, 4, mm ? QStringLiteral("12.5") : QStringLiteral("+400"));
        type(4, 10, QStringLiteral("n"));
    } else {
        type(3, 1, QStringLiteral("120"));
        type(3, 2, QStringLiteral("1234"));
        type(3, 4, mm ? QStringLiteral("12.34567") : QStringLiteral("823"));
        type(3, 28, QStringLiteral("pick up"));
    }
    // A cell being edited.
    const int col = prg ? 16 : 7;
    g.SetCurrent(5, col);
    w->flgdData->scrollToTop();
    w->flgdData->horizontalScrollBar()->setValue(0);
    w->flgdData->edit(g.index(5, col));
    if (auto *ed = w->flgdData->findChild<QLineEdit *>())
        QTest::keyClicks(ed, QStringLiteral("2"));
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    ms.main.grab().save(QDir(dir).filePath(QStringLiteral("screen-posi-%1.png").arg(name)));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    shoot(dir, QStringLiteral("positioner-pulses-en"), false, false, 2);
    shoot(dir, QStringLiteral("positioner-mm-en"), false, true, 2);
    shoot(dir, QStringLiteral("program-mm-en"), true, true, 2);
    shoot(dir, QStringLiteral("positioner-pulses-ja"), false, false, 1);
    return 0;
}
