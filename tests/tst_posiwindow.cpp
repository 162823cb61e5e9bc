// The position window's life (load, sizes, close prompts, command sets) and
// its file commands: new data, open, save and save as.
#include "core/AppState.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "posi/PosiFile.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "support/Choices.h"
#include "support/MainScope.h"
#include "sim/SimController.h"
#include "support/TestEnv.h"
#include "link/Engine.h"
#include "ui/posi/PosiFileFlows.h"
#include "ui/posi/PosiTransfer.h"
#include "ui/posi/PosiWindow.h"
#include "ui/posi/PositionWindow.h"
#include "ui/posi/PositionRangeDialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using Platform::MsgAnswer;
using Platform::ResText;
namespace Dlg = Platform::Dialogs;

class TestPosiWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;
    QStringList rangeDialogs;   // class names of the range dialogs answered

    // The PC's actuators: QZ- 28L-100 on every axis, lead 6, 400 pulses.
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
        }
    }
    // The range dialog answered with s..e (or cancelled when s is empty).
    void range(const QString &s, const QString &e)
    {
        Dlg::PushModalHandler([=, this](QDialog &d) {
            auto &dlg = static_cast<PositionRangeDialogBase &>(d);
            rangeDialogs << QString::fromLatin1(d.metaObject()->className());
            if (s.isEmpty()) {
                dlg.reject();
                return int(QDialog::Rejected);
            }
            dlg.txtStartPosiNo->setText(s);
            dlg.txtEndPosiNo->setText(e);
            dlg.cmdSelectPosiOk->click();
            return dlg.result();
        });
    }
    // Grid, tables and caption as a new-data command leaves them.
    void newData(int s, int e)
    {
        range(QString::number(s), QString::number(e));
        QCOMPARE(PosiFileFlows::CreateNewPositions(), 0);
    }
    // A position file of first..last written from the PC's setting; axes
    // listed in unused get no actuator name.
    QString posiFile(const QString &name, int first, int last, bool prgMode = false, std::vector<int> unused = {})
    {
        AppState &app = App();
        const bool keepMode = app.PrgModeFlag;
        app.PrgModeFlag = prgMode;
        PosiTables::InitPosiData();
        for (int n = first; n <= last; ++n)
            Posi().PosiData[static_cast<size_t>(n)][PosiField::Comment] = QStringLiteral("p%1").arg(n);
        const int s = app.PosiNoStart, e = app.PosiNoEnd;
        app.PosiNoStart = first;
        app.PosiNoEnd = last;
        auto names = PosiFile::DeviceNamesOfSetting();
        for (int a : unused)
            names[static_cast<size_t>(a)].clear();
        const QString path = env->path(name);
        PosiFile::WritePosiFile(path, names);
        app.PosiNoStart = s;
        app.PosiNoEnd = e;
        app.PrgModeFlag = keepMode;
        PosiTables::InitPosiData();
        return path;
    }
    static QString caption(const QString &name) { return ResText(202) + QStringLiteral("-[") + name + QStringLiteral("]"); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        App().Language = 2;
        App().DispMmUnit = false;
        pcSetting();
        rangeDialogs.clear();
        Choices::Clear();
    }
    void cleanup() { env.reset(); }

    void sizeRules()
    {
        QCOMPARE(PosiWindowSize::LoadSize(800, 12000), QSize(11670, 8250));
        QCOMPARE(PosiWindowSize::LoadSize(801, 12000), QSize(14000, 9500));
        QCOMPARE(PosiWindowSize::Limited({10000, 5000}, false), QSize(11000, 5600));
        QCOMPARE(PosiWindowSize::Limited({12000, 7000}, false), QSize(12000, 7000));
        QCOMPARE(PosiWindowSize::Limited({10000, 5000}, true), QSize(10000, 5000));
        QCOMPARE(PosiGrid::CommentWidth(11499, 8000, 500), 3500);
        QCOMPARE(PosiGrid::CommentWidth(11500, 8000, 500), 3000);   // the rest less 500
        QCOMPARE(PosiGrid::CommentWidth(20000, 8000, 500), 11500);
    }

    void loadRunsToItsEnd()
    {
        Platform::SaveSetting(QStringLiteral("DispMmUnit"), QStringLiteral("not a number"));
        App().DispMmUnit = false;
        PositionWindow w;
        QVERIFY(App().DispMmUnit);   // the default
        QVERIFY(w.MoveFirstFlag);
        QCOMPARE(w.SSTabCommand->tabText(0), QStringLiteral("Position data Edit"));
        QCOMPARE(w.SSTabCommand->tabText(1), QStringLiteral("Move Test"));
        QCOMPARE(w.SSTabCommand->tabText(2), QStringLiteral("Teaching"));
        QVERIFY(!w.SSTabCommand->isTabEnabled(1));
        QVERIFY(!w.SSTabCommand->isTabEnabled(2));
        QCOMPARE(PosiWindow::Caption(), QStringLiteral("Position Data-[New Data]"));
        QCOMPARE(App().DataFileName, QStringLiteral("New Data"));
        QCOMPARE(App().DispNoStart, 0);
        QCOMPARE(App().DispNoEnd, 0);
        QVERIFY(!w.cmdInsertLine->isEnabled());
        QVERIFY(!w.cmdPosiPaste->isEnabled());
        QVERIFY(w.optMoveMethod[0]->isChecked());
        QCOMPARE(w.flgdProgram->item(1, 0)->text(), QStringLiteral("Posi No."));
        QCOMPARE(w.flgdProgram->rowHeight(0), 350 / 15);
        QVERIFY(w.txtEdit2->text().isEmpty());
    }

    void commandSets()
    {
        PositionWindow w;
        w.DataButtonsOff();
        App().OfflineFlag = true;
        w.DataButtonsOn();
        QVERIFY(w.cmdPosiFileOpen->isEnabled());
        QVERIFY(!w.cmdPosiRead->isEnabled());
        QVERIFY(!w.cmdPosiVerifyCt->isEnabled());
        QVERIFY(w.cmdPrintPosi->isEnabled());
        QVERIFY(!w.cmdInsertLine->isEnabled());   // the row buttons come back by the grid's state only
        App().OfflineFlag = false;
        w.PositionCommandsOff();
        // The move-test and teaching tabs themselves follow the link.
        QWidget *move = w.SSTabCommand->widget(1), *teach = w.SSTabCommand->widget(2);
        QVERIFY(!w.cmdJOGST->isEnabledTo(teach));
        QVERIFY(!w.optMoveMethod[1]->isEnabledTo(move));
        w.PositionCommandsOn();
        QVERIFY(w.cmdPosiRead->isEnabled() && w.cmdPosiLoad->isEnabled() && w.cmdJOGST->isEnabledTo(teach));
        QVERIFY(w.optMoveMethod[1]->isEnabledTo(move));
        App().AxisNotUsed[1] = true;
        w.JogCommandsOn();
        QVERIFY(w.cmdJOG[1]->isEnabledTo(teach));
        QVERIFY(!w.cmdJOG[2]->isEnabledTo(teach) && !w.cmdJOG[3]->isEnabledTo(teach));
        QVERIFY(w.cmdJOGend->isEnabledTo(teach));

        // With positions in the grid the row buttons follow the grid.
        newData(1, 3);
        w.SetEditMenuState();
        QVERIFY(w.cmdInsertLine->isEnabled() && w.cmdDeleteLine->isEnabled() && w.cmdPosiCopy->isEnabled());
        w.EditCommandsOff();
        QVERIFY(!w.cmdInsertLine->isEnabled());
    }

    void closePrompts_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("state");        // 0 idle, 1 teaching, 2 busy
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<QList<int>>("answers");   // MsgAnswer values in order
        QTest::addColumn<QString>("file");     // save dialog: "" cancelled, "bad/" unwritable
        QTest::addColumn<bool>("badData");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("queryCancel");
        QTest::addColumn<QString>("shown");    // message ids shown, in order
        const int ok = int(MsgAnswer::Ok), cancel = int(MsgAnswer::Cancel), yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
        QTest::newRow("unchanged, OK") << false << 0 << true << QList<int>{ok} << "" << false << false << false << "390";
        QTest::newRow("unchanged, Cancel") << false << 0 << true << QList<int>{cancel} << "" << false << true << true << "390";
        QTest::newRow("changed, No") << true << 0 << true << QList<int>{no} << "" << false << false << false << "391";
        QTest::newRow("changed, Cancel") << true << 0 << true << QList<int>{cancel} << "" << false << true << true << "391";
        QTest::newRow("changed, Yes, saved") << true << 0 << true << QList<int>{yes} << "saved.qzd" << false << false << false << "391";
        QTest::newRow("changed, Yes, dialog cancelled") << true << 0 << true << QList<int>{yes} << "" << false << true << true << "391";
        QTest::newRow("changed, Yes, write failed") << true << 0 << true << QList<int>{yes} << "bad/x.qzd" << false << true << true << "391 422";
        QTest::newRow("changed, Yes, bad positions") << true << 0 << true << QList<int>{yes} << "saved.qzd" << true << true << true << "391";
        QTest::newRow("teaching") << true << 1 << true << QList<int>{} << "" << false << true << false << "60";
        QTest::newRow("busy") << true << 2 << true << QList<int>{} << "" << false << true << false << "";
        QTest::newRow("busy, closed by the main window") << false << 2 << false << QList<int>{ok} << "" << false << false << false << "390";
    }
    void closePrompts()
    {
        QFETCH(bool, changed); QFETCH(int, state); QFETCH(bool, byCloseBox); QFETCH(QList<int>, answers);
        QFETCH(QString, file); QFETCH(bool, badData); QFETCH(bool, cancel); QFETCH(bool, queryCancel);
        QFETCH(QString, shown);
        PositionWindow w;
        newData(1, 3);
        Posi().DataChanged = changed;
        if (badData)
            PosiGrid::Grid().SetText(2, 1, QStringLiteral("999"));
        App().TeachModeFlag = state == 1;
        App().BusyFlag = state == 2;
        Dlg::ClearScript();
        for (int a : answers)
            Dlg::QueueAnswer(MsgAnswer(a));
        if (!file.isEmpty())
            Dlg::QueueFileName(env->path(file));

        QCOMPARE(w.Form_QueryUnload(byCloseBox), cancel);
        QCOMPARE(w.QueryUnloadCancel, queryCancel);
        QVERIFY(!Posi().SaveCancelled);
        QStringList ids;
        const QStringList texts = Dlg::ShownTexts();
        for (const QString &t : texts) {
            for (int id : {60, 390, 391, 422})
                if (t.startsWith(ResText(id)))
                    ids << QString::number(id);
        }
        QCOMPARE(ids.join(QLatin1Char(' ')), shown);
        if (QTest::currentDataTag() == QLatin1String("changed, Yes, saved")) {
            QVERIFY(QFile::exists(env->path(file)));
            QVERIFY(!Posi().DataChanged);
        }
        App().TeachModeFlag = false;
        App().BusyFlag = false;
    }

    // The port follows the answer: OK at 390 closes it, anything that keeps
    // the window or closes without the question's OK leaves it as it was.
    void closeLeavesThePortAsAnswered_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("portOpen");
        QTest::newRow("unchanged, OK") << false << int(MsgAnswer::Ok) << false;
        QTest::newRow("unchanged, Cancel") << false << int(MsgAnswer::Cancel) << true;
        QTest::newRow("changed, No") << true << int(MsgAnswer::No) << true;
    }
    void closeLeavesThePortAsAnswered()
    {
        QFETCH(bool, changed); QFETCH(int, answer); QFETCH(bool, portOpen);
        SimController sim;
        sim.attach(1);
        App().PortNo = 1;
        Comm::StartLink();
        QCOMPARE(Comm::OpenCommPort(), 0);
        PositionWindow w;
        Posi().DataChanged = changed;
        Dlg::QueueAnswer(MsgAnswer(answer));
        w.Form_QueryUnload(true);
        QCOMPARE(Comm::PortIsOpen(), portOpen);
        Comm::StopLink();
        qunsetenv("REZ4_PORT1");
    }

    // A shut-down from the main window stops where the position window's
    // close prompt stops.
    void mainWindowShutDownWaitsForTheSave_data()
    {
        QTest::addColumn<int>("answer");   // to 391
        QTest::addColumn<QString>("file");   // the save dialog: "" cancelled
        QTest::addColumn<bool>("ends");
        QTest::newRow("Cancel") << int(MsgAnswer::Cancel) << "" << false;
        QTest::newRow("Yes, save dialog cancelled") << int(MsgAnswer::Yes) << "" << false;
        QTest::newRow("Yes, saved") << int(MsgAnswer::Yes) << "end.qzd" << true;
        QTest::newRow("No") << int(MsgAnswer::No) << "" << true;
    }
    void mainWindowShutDownWaitsForTheSave()
    {
        QFETCH(int, answer); QFETCH(QString, file); QFETCH(bool, ends);
        MainScope ms;
        ms.main.ShowPosiWindowOnce();
        newData(1, 3);
        Posi().DataChanged = true;
        Dlg::ClearScript();
        Dlg::QueueAnswer(MsgAnswer(answer));
        if (!file.isEmpty())
            Dlg::QueueFileName(env->path(file));
        QSignalSpy ended(&ms.main, &MainWindow::applicationEnd);
        const bool closed = ms.main.MDIForm_QueryUnload(MainWindow::UnloadMode::User) && ms.main.MDIForm_Unload();
        QCOMPARE(closed, ends);
        QCOMPARE(ended.count(), ends ? 1 : 0);
        QCOMPARE(Dlg::ShownTexts().value(0), ResText(391));
        if (!file.isEmpty())
            QVERIFY(QFile::exists(env->path(file)));
        if (!ends)
            QVERIFY(ms.main.PosiForm());
    }

    void newDataForARange()
    {
        newData(5, 9);
        QCOMPARE(PosiGrid::Grid().Rows(), 7);
        QCOMPARE(PosiGrid::Grid().Text(2, 0), QStringLiteral("5"));
        QCOMPARE(PosiWindow::Caption(), QStringLiteral("Position Data-[New Data]"));
        QCOMPARE(App().DataFileName, QStringLiteral("New Data"));
        QVERIFY(!Posi().DataChanged);
        QCOMPARE(rangeDialogs, QStringList{QStringLiteral("PositionRangeDialog")});

        range(QString(), QString());
        QCOMPARE(PosiFileFlows::CreateNewPositions(), 1);
        QCOMPARE(App().DispNoStart, 5);
        QCOMPARE(App().DispNoEnd, 9);
        QVERIFY(!App().SelectCancelFlag);
        QVERIFY(!Posi().NewRangeFlag);
    }

    // New data over changed positions ask the close question first; only
    // Cancel, or a save that does not go through, keeps everything.
    void newDataAsksAboutChanges_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");      // to 391; 0 when not asked
        QTest::addColumn<QString>("file");    // the save dialog: "" cancelled
        QTest::addColumn<bool>("replaced");
        const int cancel = int(MsgAnswer::Cancel), yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
        QTest::newRow("unchanged: no question") << false << 0 << "" << true;
        QTest::newRow("changed, Cancel") << true << cancel << "" << false;
        QTest::newRow("changed, No") << true << no << "" << true;
        QTest::newRow("changed, Yes, saved") << true << yes << "kept.qzd" << true;
        QTest::newRow("changed, Yes, dialog cancelled") << true << yes << "" << false;
    }
    void newDataAsksAboutChanges()
    {
        QFETCH(bool, changed); QFETCH(int, answer); QFETCH(QString, file); QFETCH(bool, replaced);
        PositionWindow w;
        newData(1, 3);
        PosiGridModel &g = PosiGrid::Grid();
        g.SetCurrent(3, 28);
        QVERIFY(g.setData(g.index(3, 28), QStringLiteral("edited")));
        Posi().DataChanged = changed;
        Dlg::ClearScript();
        rangeDialogs.clear();
        if (answer != 0)
            Dlg::QueueAnswer(MsgAnswer(answer));
        if (!file.isEmpty())
            Dlg::QueueFileName(env->path(file));
        range(QStringLiteral("5"), QStringLiteral("9"));
        w.CreateNewPositions();
        QCOMPARE(Dlg::ShownTexts(), answer != 0 ? QStringList{ResText(391)} : QStringList{});
        QCOMPARE(rangeDialogs.size(), replaced ? 1 : 0);
        QCOMPARE(g.Rows(), replaced ? 7 : 5);
        QCOMPARE(g.Text(3, 28), replaced ? QString() : QStringLiteral("edited"));
        QCOMPARE(Posi().DataChanged, !replaced);
        if (!file.isEmpty()) {
            QCOMPARE(PosiFile::ReadPosiFile(env->path(file)), 0);
            QCOMPARE(Posi().PosiDataRead[2][PosiField::Comment].toString(), QStringLiteral("edited"));
        }
        Dlg::ClearScript();
    }

    void openMatchingFile()
    {
        const QString path = posiFile(QStringLiteral("a.qzd"), 3, 12);
        Dlg::QueueFileName(path);
        QCOMPARE(PosiFileFlows::PosidataFileOpenProc(), 0);
        QVERIFY(Choices::Asked().isEmpty());
        QCOMPARE(App().DispNoStart, 3);
        QCOMPARE(App().DispNoEnd, 12);
        QCOMPARE(App().PosiNoEnd, 12);
        QCOMPARE(PosiGrid::Grid().Rows(), 12);
        QCOMPARE(PosiGrid::Grid().Text(11, 28), QStringLiteral("p12"));
        QCOMPARE(PosiWindow::Caption(), caption(env->path(QStringLiteral("a"))));
        QVERIFY(Dlg::ShownTexts().isEmpty());
        QCOMPARE(Dlg::FileDialogTitles(), QStringList{QStringLiteral("Open Position Data file")});
    }

    void openRefusedChangesNothing_data()
    {
        // 0 program-mode file, 1 unreadable, 2 choice 3 with its dialog
        // cancelled, 3 choice 2 without the standard parameter lists
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("program-mode file") << 0
            << QStringList{ResText(330) + QStringLiteral("\r\n") + ResText(331), ResText(484)};
        QTest::newRow("four failed reads") << 1 << QStringList{ResText(484)};
        QTest::newRow("parameter file cancelled") << 2 << QStringList{ResText(367)};
        QTest::newRow("file's actuators without standard parameters")
            << 3 << QStringList{Platform::ResLines({28, 29}), ResText(36)};
    }
    void openRefusedChangesNothing()
    {
        QFETCH(int, kind); QFETCH(QStringList, shown);
        newData(5, 9);
        PosiGrid::Grid().SetText(2, 28, QStringLiteral("mine"));
        Dlg::ClearScript();
        QString path;
        if (kind == 0)
            path = posiFile(QStringLiteral("prg.qzd"), 1, 3, true);
        else if (kind == 1)
            path = env->path(QStringLiteral("missing.qzd"));
        else
            path = posiFile(QStringLiteral("axes.qzd"), 1, 3, false, {2});
        Dlg::QueueFileName(path);
        if (kind == 2)
            Choices::Queue({2});
        Dlg::QueueFileName(QString());   // the parameter file dialog
        if (kind == 3) {
            // The program's folder without its standard parameter lists.
            const QDir data(Platform::AppFolder());
            QDir().mkpath(env->path(QStringLiteral("app")));
            for (const QString &f : data.entryList(QDir::Files))
                if (!f.contains(QLatin1String("stpr")))
                    QFile::copy(data.filePath(f), env->path(QStringLiteral("app/") + f));
            Platform::SetAppFolder(env->path(QStringLiteral("app")));
            Choices::Queue({1});
        }
        const auto before = App().AxisNotUsed;
        const DevSettingData devBefore = Paradata().DevSetting;
        const int maxPulseBefore = Paradata().MaxPulse[0];
        QCOMPARE(PosiFileFlows::PosidataFileOpenProc(), 1);
        QCOMPARE(Dlg::ShownTexts(), shown);
        QCOMPARE(App().DispNoStart, 5);
        QCOMPARE(App().DispNoEnd, 9);
        QCOMPARE(App().PosiNoStart, 5);
        QCOMPARE(PosiGrid::Grid().Rows(), 7);
        QCOMPARE(PosiGrid::Grid().Text(2, 28), QStringLiteral("mine"));
        QCOMPARE(PosiWindow::Caption(), QStringLiteral("Position Data-[New Data]"));
        QCOMPARE(App().AxisNotUsed, before);
        QCOMPARE(Paradata().DevSetting.DevLead, devBefore.DevLead);
        QCOMPARE(Paradata().DevSetting.DevSize, devBefore.DevSize);
        QCOMPARE(Paradata().MaxPulse[0], maxPulseBefore);
        QCOMPARE(App().DataFileName, QStringLiteral("New Data"));
    }

    void openActuatorChoice_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("axis3Unused");
        QTest::addColumn<int>("lead");   // of axis 1 afterwards
        QTest::newRow("keep the PC's setting") << 0 << false << 6;
        QTest::newRow("take the file's actuators (standard lead 2)") << 1 << true << 2;
        QTest::newRow("read a parameter file") << 2 << true << 4;
        QTest::newRow("cancel") << -1 << false << 6;
        QTest::newRow("back") << -2 << false << 6;
    }
    void openActuatorChoice()
    {
        QFETCH(int, choice); QFETCH(bool, axis3Unused); QFETCH(int, lead);
        const QString path = posiFile(QStringLiteral("axes.qzd"), 1, 3, false, {2});
        Dlg::QueueFileName(path);
        Choices::Queue({choice});
        if (choice == 2) {
            // A parameter file of " 28L-100" actuators of lead 4 on axes 1,
            // 2 and 4.
            ParaFile::ClearParaData();
            auto &p = Paradata().ParaSet;
            p.ParaSpAxis = 0b1011;
            for (int a : {0, 1, 3}) {
                p.ParaActuator[a] = ValueCell(QStringLiteral(" 28L100"));
                p.ParaAxisStroke[a] = ValueCell(20000);
                p.ParaAxisLead[a] = 4;
                p.ParaAxisPulse[a] = 400;
            }
            const QString pmt = env->path(QStringLiteral("two.pmt"));
            ParaFile::WriteParaFile(pmt);
            ParaFile::ClearParaData();
            Dlg::QueueFileName(pmt);
        }
        QCOMPARE(PosiFileFlows::PosidataFileOpenProc(), 0);
        QCOMPARE(Choices::Asked(), QStringList{ResText(44)});
        QCOMPARE(App().AxisNotUsed[2], axis3Unused);
        QCOMPARE(Paradata().DevSetting.DevLead[0], lead);
        QCOMPARE(App().DispNoEnd, 3);
        QCOMPARE(PosiGrid::Grid().Text(4, 28), QStringLiteral("p3"));
        QCOMPARE(PosiWindow::Caption(), caption(env->path(QStringLiteral("axes"))));
    }

    void saveNewDataAsksAName()
    {
        newData(1, 3);
        const QString path = env->path(QStringLiteral("named"));
        Dlg::QueueFileName(path);
        QCOMPARE(PosiFileFlows::PosidataSaveToFile(), 0);
        QCOMPARE(Dlg::FileDialogTitles(), QStringList{QStringLiteral("Save Position data As...")});
        QVERIFY(QFile::exists(path + QStringLiteral(".qzd")));
        QCOMPARE(PosiWindow::Caption(), caption(path));

        // Cancelled dialog: nothing written, the flag tells the close prompt.
        newData(1, 3);
        QCOMPARE(PosiFileFlows::PosidataSaveToFile(), 1);
        QVERIFY(Posi().SaveCancelled);
    }

    // Saving to the current file writes the whole grid without a dialog,
    // whatever range a write chose last.
    void saveToTheCurrentFileWritesTheWholeGrid()
    {
        const QString path = posiFile(QStringLiteral("a.qzd"), 1, 40);
        Dlg::QueueFileName(path);
        QCOMPARE(PosiFileFlows::PosidataFileOpenProc(), 0);
        PosiGridModel &g = PosiGrid::Grid();
        g.SetCurrent(40, 28);
        QVERIFY(g.setData(g.index(40, 28), QStringLiteral("edited")));
        QVERIFY(Posi().DataChanged);
        App().PosiNoStart = 20;   // as a write of 20..30 leaves it
        App().PosiNoEnd = 30;
        Dlg::ClearScript();
        QCOMPARE(PosiFileFlows::PosidataSaveToFile(), 0);
        QVERIFY(Dlg::FileDialogTitles().isEmpty());
        QVERIFY(!Posi().DataChanged);
        QCOMPARE(PosiFile::ReadPosiFile(path), 0);
        QCOMPARE(Posi().FileFirstPosiNo, 1);
        QCOMPARE(Posi().FileLastPosiNo, 40);
        QCOMPARE(Posi().PosiDataRead[39][PosiField::Comment].toString(), QStringLiteral("edited"));
    }

    // A comment the file cannot keep (left by a paste before pastes were
    // checked) stops every save with a message naming its position and
    // column; nothing is written and the changes stay to be saved.
    void saveNamesTheUnkeptCell_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("shown");
        const QString named = ResText(9432).arg(2).arg(ResText(234), QStringLiteral("é"));
        QTest::newRow("save") << "save" << QStringList{named};
        QTest::newRow("save as") << "save as" << QStringList{ResText(405), named};
        QTest::newRow("close prompt, Yes") << "close" << QStringList{ResText(391), named};
    }
    void saveNamesTheUnkeptCell()
    {
        QFETCH(QString, how); QFETCH(QStringList, shown);
        PositionWindow w;
        newData(1, 3);
        PosiGrid::Grid().SetText(3, PosiField::Comment, QStringLiteral("café €"));
        Posi().DataChanged = true;
        Dlg::ClearScript();
        const QString path = env->path(QStringLiteral("unkept.qzd"));
        if (how == QLatin1String("save")) {
            Dlg::QueueFileName(path);
            QCOMPARE(PosiFileFlows::PosidataSaveToFile(), 1);
        } else if (how == QLatin1String("save as")) {
            range(QStringLiteral("1"), QStringLiteral("3"));
            Dlg::QueueAnswer(MsgAnswer::Ok);
            Dlg::QueueFileName(path);
            QCOMPARE(PosiFileFlows::PosiDataSaveAs(), 1);
        } else {
            Dlg::QueueAnswer(MsgAnswer::Yes);
            Dlg::QueueFileName(path);
            QVERIFY(w.Form_QueryUnload(true));
            QVERIFY(w.QueryUnloadCancel);
        }
        QCOMPARE(Dlg::ShownTexts(), shown);
        QVERIFY(shown.last().startsWith(QStringLiteral("Position 2, column COMMENT")));
        QVERIFY(!QFile::exists(path));
        QVERIFY(Posi().DataChanged);
        Dlg::ClearScript();
    }

    void saveAs()
    {
        newData(1, 10);
        Posi().DataChanged = true;
        range(QStringLiteral("2"), QStringLiteral("4"));
        Dlg::QueueAnswer(MsgAnswer::Ok);
        const QString path = env->path(QStringLiteral("part.qzd"));
        Dlg::QueueFileName(path);
        QCOMPARE(PosiFileFlows::PosiDataSaveAs(), 0);
        QCOMPARE(Dlg::ShownTexts(), QStringList{ResText(405)});
        QCOMPARE(Dlg::FileDialogTitles(), QStringList{QStringLiteral("Save Position Data as ...")});
        QCOMPARE(PosiFile::ReadPosiFile(path), 0);
        QCOMPARE(Posi().FileFirstPosiNo, 2);
        QCOMPARE(Posi().FileLastPosiNo, 4);
        QCOMPARE(PosiWindow::Caption(), caption(env->path(QStringLiteral("part"))));
        // Part of the grid is in no file yet: the close prompt still asks.
        QVERIFY(Posi().DataChanged);

        // Cancel at 405: nothing written.
        range(QStringLiteral("1"), QStringLiteral("10"));
        Dlg::QueueAnswer(MsgAnswer::Cancel);
        QCOMPARE(PosiFileFlows::PosiDataSaveAs(), 1);
    }

    // Yes at the read's save question: a save that does not go through
    // stops the read before its range is asked.
    void readStopsWhenItsSaveFails()
    {
        newData(1, 3);
        Posi().PosiData[2][PosiField::Comment] = QStringLiteral("x");
        Dlg::ClearScript();
        rangeDialogs.clear();
        Dlg::QueueAnswer(MsgAnswer::Yes);   // 369
        range(QString(), QString());        // the save's range: cancelled
        range(QString(), QString());        // the read's range, not reached
        PosiTransfer::PosidataGetfromCtProc();
        QCOMPARE(rangeDialogs, QStringList{QStringLiteral("PositionRangeDialog")});
        QCOMPARE(Dlg::ShownTexts(), QStringList{ResText(369)});

        // A save that went through: the read goes on to its range.
        rangeDialogs.clear();
        Dlg::ClearScript();
        Dlg::QueueAnswer(MsgAnswer::Yes);   // 369
        range(QStringLiteral("1"), QStringLiteral("3"));
        Dlg::QueueAnswer(MsgAnswer::Ok);    // 405
        Dlg::QueueFileName(env->path(QStringLiteral("before-read.qzd")));
        range(QString(), QString());        // the read's range: cancelled
        PosiTransfer::PosidataGetfromCtProc();
        QCOMPARE(rangeDialogs, (QStringList{QStringLiteral("PositionRangeDialog"), QStringLiteral("TransferRangeDialog")}));
        QVERIFY(QFile::exists(env->path(QStringLiteral("before-read.qzd"))));
        App().SelectCancelFlag = false;
    }

    void mainWindowCommandsReachTheWindow()
    {
        MainScope ms;
        range(QStringLiteral("5"), QStringLiteral("9"));
        ms.main.mnuFileNewPosi->trigger();
        QCOMPARE(PosiGrid::Grid().Rows(), 7);
        QCOMPARE(PosiWindow::Caption(), QStringLiteral("Position Data-[New Data]"));
        const QString path = env->path(QStringLiteral("menu.qzd"));
        Dlg::QueueFileName(path);
        ms.main.mnuFileSave->trigger();
        QVERIFY(QFile::exists(path));
        Dlg::QueueFileName(path);
        ms.main.mnuFileOpenPosi->trigger();
        QCOMPARE(App().DispNoStart, 5);
        QCOMPARE(PosiWindow::Caption(), caption(env->path(QStringLiteral("menu"))));
        QCOMPARE(ms.main.PosiForm()->windowTitle(), PosiWindow::Caption());

        // Save As of the File menu reaches the window's own save-as.
        ms.main.ShowPosiWindowOnce();
        auto *sub = qobject_cast<QMdiSubWindow *>(ms.main.PosiForm()->parentWidget());
        QVERIFY(sub);
        ms.main.mdiArea()->setActiveSubWindow(sub);
        range(QStringLiteral("6"), QStringLiteral("8"));
        Dlg::QueueAnswer(MsgAnswer::Ok);   // 405
        const QString part = env->path(QStringLiteral("part.qzd"));
        Dlg::QueueFileName(part);
        ms.main.mnuFileSaveAs->setEnabled(true);
        ms.main.mnuFileSaveAs->trigger();
        QCOMPARE(PosiFile::ReadPosiFile(part), 0);
        QCOMPARE(Posi().FileFirstPosiNo, 6);
        QCOMPARE(Posi().FileLastPosiNo, 8);

        // The Edit menu follows the window's grid, and the procedures its
        // commands call are the window's.
        for (QAction *a : {ms.main.mnuEditInsert, ms.main.mnuEditLineDelete, ms.main.mnuEditCopy})
            a->setEnabled(false);
        ms.main.PosiWindow()->SetEditMenuState();
        for (QAction *a : {ms.main.mnuEditInsert, ms.main.mnuEditLineDelete, ms.main.mnuEditCopy})
            QVERIFY(a->isEnabled());
        const QMetaObject *mo = ms.main.PosiForm()->metaObject();
        for (const char *proc : {"cmdPosiCopy_Click()", "cmdPosiPaste_Click()", "cmdInsertLine_Click()",
                                 "cmdDeleteLine_Click()", "PosiDataSaveAs()"})
            QVERIFY2(mo->indexOfMethod(proc) >= 0, proc);
    }
};

QTEST_MAIN(TestPosiWindow)
#include "tst_posiwindow.moc"
