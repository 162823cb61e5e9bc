// Reading and writing positions against the simulated controller.
#include "core/AppState.h"
#include "link/CommandHost.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "ui/common/ChoiceDialog.h"
#include "posi/PosiCodec.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "ui/posi/PosiTransfer.h"
#include "ui/posi/PosiWindow.h"
#include "ui/posi/PositionRangeDialogs.h"
#include "ui/posi/VerifyResultWindow.h"
#include "ui/posi/PositionWindow.h"
#include "core/CommandSets.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "sim/SimParaBlocks.h"
#include "sim/SimOnline.h"
#include "support/MainScope.h"
#include "sim/SimPosi.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>
#include <QtTest>

using namespace PosiField;
using Platform::MsgAnswer;

class TestPosiTransfer : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;
    std::unique_ptr<SimController> sim;
    SimCmdModel cmd;
    int checkWindows = 0;
    int checkRows = 0;

    QStringList frames(const char *code) const { return sim->framesOf(code); }
    // A grid of positions first..last with defaults, pulses shown.
    static void makeGrid(int first, int last)
    {
        PosiTables::InitPosiData();
        App().DispNoStart = first;
        App().DispNoEnd = last;
        PosiGrid::Set_PosFormStrAtPosMode();
        PosiGrid::SizeInit_PositionGridAtPosMode();
        PosiGrid::FillGridByMode();
    }
    static void rangeDialog(const QString &s, const QString &e, bool all = false)
    {
        Platform::Dialogs::PushModalHandler([=](QDialog &d) {
            auto &dlg = static_cast<PositionRangeDialogBase &>(d);
            if (all)
                static_cast<TransferRangeDialog &>(d).optSelectPosiNo[0]->click();
            dlg.txtStartPosiNo->setText(s);
            dlg.txtEndPosiNo->setText(e);
            dlg.cmdSelectPosiOk->click();
            return dlg.result();
        });
    }
    // The controller's actuators differ from the PC's: keep the PC's.
    static void keepPcSetting()
    {
        Platform::Dialogs::PushModalHandler([](QDialog &d) {
            auto &sel = static_cast<ChoiceDialog &>(d);
            sel.optSelectItem[1]->setChecked(true);
            sel.cmdSelectOk->click();
            return sel.result();
        });
    }
    // The controller's actuators differ from the PC's: take them.
    static void takeCtSetting()
    {
        Platform::Dialogs::PushModalHandler([](QDialog &d) {
            auto &sel = static_cast<ChoiceDialog &>(d);
            sel.optSelectItem[0]->setChecked(true);
            sel.cmdSelectOk->click();
            return sel.result();
        });
    }
    void watchCheckWindow()
    {
        Platform::Dialogs::PushModalHandler([this](QDialog &d) {
            ++checkWindows;
            checkRows = static_cast<VerifyResultWindow &>(d).model.rowCount() - 2;
            return int(QDialog::Accepted);
        });
    }
    // "0RP" / "0WP" answered as usual, but the user presses cancel while
    // position `at` is served.
    void cancelAt(const char *code, int at)
    {
        const QByteArray c(code);
        sim->addCommand(c, [c, at](SimController &s, const QByteArray &f) -> std::optional<QByteArray> {
            const int n = f.mid(3, 3).toInt(nullptr, 16);
            if (n == at)
                App().ComCancelFlag = true;
            if (c == "0RP")
                return "0RP" + f.mid(3, 3) + SimPosi::Block(s, n);
            SimPosi::SetBlock(s, n, f.mid(6));
            return "0WP" + f.mid(3, 3);
        });
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        App().DispMmUnit = false;
        ResetPosiState();
        ResetParadataState();
        PosiGrid::ResetGrid();
        Comm::ResetQueueState();
        Comm::ResetLinkState();
        TestEnv::Recorder().progress = {};
        ErrorList::ReadErrorList();
        checkWindows = checkRows = 0;
        auto &d = Paradata().DevSetting;
        d.DevLead = {10, 10, 10, 10};
        d.DevPPR = {1000, 1000, 1000, 1000};
        Paradata().MaxSpeed = {300, 300, 300, 300};
        Paradata().MaxMm = {2621, 2621, 2621, 2621};
        Paradata().ParaSet.ParaSpAxis = 0xF;
        sim = std::make_unique<SimController>();
        QVERIFY(sim->ok());
        cmd = SimCmdModel{};
        InstallCommandSim(*sim, cmd);
        SimParaBlocks::InstallParaBlockCommands(*sim);
        SimPosi::InstallPosiCommands(*sim);
        sim->attach(1);
        App().PortNo = 1;
        Indicators::SetOnlineMode();
        Comm::StartLink();
    }
    void cleanup()
    {
        Comm::StopLink();
        sim.reset();
        qunsetenv("REZ4_PORT1");
        env.reset();
    }

    void readAllIntoTheGrid()
    {
        PosiRecord r = PosiTables::DefaultPosiRecord();
        r[Method(0)] = 3;
        r[Position(0)] = 262143;
        r[Acc(1)] = 25;
        r[Macro] = 20;
        SimPosi::SetBlock(*sim, 999, PosiCodec::EncodeBlock(r).toLatin1());
        SimPosi::SetBlock(*sim, 1, QByteArray("0C8C89FFFF4663") + SimPosi::DefaultBlock().mid(14));
        rangeDialog(QString(), QString(), true);
        keepPcSetting();
        QCOMPARE(PosiTransfer::PosidataGetfromCt(), 0);
        QCOMPARE(frames("0RP").size(), 999);
        QCOMPARE(frames("0RP").last(), QStringLiteral("0RP3E7"));
        QCOMPARE(App().DispNoStart, 1);
        QCOMPARE(App().DispNoEnd, 999);
        PosiGridModel &g = PosiGrid::Grid();
        QCOMPARE(g.Rows(), 1001);
        QCOMPARE(g.Text(1000, 4), QStringLiteral("262143"));
        QCOMPARE(g.Text(1000, 8), QStringLiteral("250"));
        QCOMPARE(g.Text(1000, 27), QStringLiteral("20"));
        QCOMPARE(g.Text(2, 1), QStringLiteral("200"));   // 0C8
        QCOMPARE(g.Text(2, 2), QStringLiteral("2000"));  // C8
        QCOMPARE(g.Text(2, 3), QStringLiteral("2"));
        QCOMPARE(g.Text(2, 4), QStringLiteral("131071"));
        QCOMPARE(Posi().PosiDataDisp[1][4], 1310.71);
        QCOMPARE(PosiWindow::Caption(), QStringLiteral("Position Data-[Inside of C/T]"));
        QCOMPARE(App().DataFileName, QStringLiteral("Inside of C/T"));
        QVERIFY(!App().BusyFlag);
        QVERIFY(!TestEnv::Recorder().progress.visible);
    }

    // Taking the controller's axes lays the grid out for them: the axis that
    // came into use gets its columns, the one that left loses them.
    void takenAxesAreLaidOut()
    {
        App().AxisNotUsed = {false, true, false, false};
        App().PortOccupy = false;
        makeGrid(1, 5);
        QCOMPARE(PosiGrid::Grid().ColWidth(Speed(1)), 0);
        QVERIFY(PosiGrid::Grid().ColWidth(Speed(2)) > 0);
        SimOnline::SetAxes(*sim, 0xB);   // axes 1, 2 and 4
        for (int a : {0, 1, 3})
            SimOnline::SetActuator(*sim, a, SimOnline::Actuator{});
        SimPosi::SetBlock(*sim, 2, SimPosi::DefaultBlock().replace(14 + 5, 5, "01234"));
        rangeDialog(QStringLiteral("1"), QStringLiteral("5"));
        takeCtSetting();
        Platform::Dialogs::QueueAnswer(MsgAnswer::No);   // the grid's data need no saving
        QCOMPARE(PosiTransfer::PosidataGetfromCt(), 0);
        QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, false, true, false}));
        const PosiGridModel &g = PosiGrid::Grid();
        for (int k = 0; k < 6; ++k) {
            QVERIFY2(g.ColWidth(6 * 1 + 1 + k) > 0, qPrintable(QString::number(k)));
            QCOMPARE(g.ColWidth(6 * 2 + 1 + k), 0);
        }
        QVERIFY(g.ColWidth(Itpl) > 0);
        QCOMPARE(g.Text(PosiGrid::RowOf(2, 1), Position(1)), QStringLiteral("4660"));   // 0x1234
        QVERIFY(!Comm::PortIsOpen());
    }

    // The read closes the port (not held open) on every way out.
    void readClosesThePort_data()
    {
        QTest::addColumn<int>("choice");        // -1 cancel, 0 take the controller's
        QTest::addColumn<QByteArray>("refuse");  // a block refused the second time it is read
        QTest::newRow("choice cancelled") << -1 << QByteArray();
        QTest::newRow("axis read refused") << 0 << QByteArray("0RD0");
        QTest::newRow("actuator read refused") << 0 << QByteArray("0RD4");
        QTest::newRow("comparison refused") << 0 << QByteArray("0RD0!");
    }
    void readClosesThePort()
    {
        QFETCH(int, choice);
        QFETCH(QByteArray, refuse);
        App().PortOccupy = false;
        for (int a = 0; a < 4; ++a)
            SimOnline::SetActuator(*sim, a, SimOnline::Actuator{});   // not the PC's
        const bool first = refuse.endsWith('!');
        const QByteArray block = refuse.left(4);
        auto seen = std::make_shared<int>(0);
        sim->addCommand("0RD", [block, first, seen](SimController &s, const QByteArray &f) -> std::optional<QByteArray> {
            if (f == block && ++*seen == (first ? 1 : 2))
                return QByteArray("0%%104");
            return f + SimParaBlocks::Block(s, f.mid(3).toInt(nullptr, 16));
        });
        rangeDialog(QStringLiteral("1"), QStringLiteral("5"));
        if (choice == 0)
            takeCtSetting();
        else
            Platform::Dialogs::PushModalHandler([](QDialog &d) {
                static_cast<ChoiceDialog &>(d).cmdSelectCancel->click();
                return d.result();
            });
        QCOMPARE(PosiTransfer::PosidataGetfromCt(), 0);
        QVERIFY(frames("0RP").isEmpty());
        QVERIFY(!Comm::PortIsOpen());
        QVERIFY(!App().BusyFlag);
    }

    // While positions are read or written, the move-test and teaching tabs
    // are off, also online; afterwards they follow the link again.
    void tabsOffDuringTransfer()
    {
        MainScope m;
        auto *posi = qobject_cast<PositionWindow *>(m.main.PosiForm());
        QVERIFY(posi);
        CommandSets::SetPosiTabEnabled(false);
        QVERIFY(posi->SSTabCommand->isTabEnabled(1));
        for (int a = 0; a < 4; ++a)
            SimOnline::SetActuator(*sim, a, SimOnline::Actuator{});   // not the PC's
        auto during = std::make_shared<QList<bool>>();
        for (const char *code : {"0RP", "0WP"}) {
            const QByteArray c(code);
            sim->addCommand(c, [c, posi, during](SimController &s, const QByteArray &f) -> std::optional<QByteArray> {
                during->append(posi->SSTabCommand->isTabEnabled(1) || posi->SSTabCommand->isTabEnabled(2));
                const int n = f.mid(3, 3).toInt(nullptr, 16);
                if (c == "0RP")
                    return "0RP" + f.mid(3, 3) + SimPosi::Block(s, n);
                SimPosi::SetBlock(s, n, f.mid(6));
                return "0WP" + f.mid(3, 3);
            });
        }
        rangeDialog(QStringLiteral("1"), QStringLiteral("3"));
        keepPcSetting();
        QCOMPARE(PosiTransfer::PosidataGetfromCt(), 0);
        rangeDialog(QStringLiteral("1"), QStringLiteral("3"));
        QCOMPARE(PosiTransfer::PosidataLoadtoCt(), 0);
        QCOMPARE(during->size(), 6);
        QVERIFY(!during->contains(true));
        QVERIFY(posi->SSTabCommand->isTabEnabled(1));
        QVERIFY(posi->SSTabCommand->isTabEnabled(2));
    }

    void cancelledReadChangesNothing()
    {
        makeGrid(10, 40);
        Posi().PosiData[15][Speed(0)] = 77;
        PosiGrid::FillGridByMode();
        Platform::Dialogs::QueueAnswer(MsgAnswer::No);   // do not save first
        rangeDialog(QStringLiteral("1"), QStringLiteral("20"));
        keepPcSetting();
        cancelAt("0RP", 5);
        QCOMPARE(PosiTransfer::PosidataGetfromCt(), 0);
        QCOMPARE(frames("0RP").size(), 5);
        QCOMPARE(Platform::Dialogs::ShownTexts().last(), QStringLiteral("Reading of data was stopped."));
        QCOMPARE(App().DispNoStart, 10);
        QCOMPARE(App().DispNoEnd, 40);
        QCOMPARE(PosiGrid::Grid().Rows(), 33);
        QCOMPARE(PosiGrid::Grid().Text(2, 0), QStringLiteral("10"));
        QCOMPARE(PosiGrid::Grid().Text(7, 1), QStringLiteral("77"));
        QCOMPARE(Posi().PosiData[15][Speed(0)].val(), 77.0);
    }

    void damagedReplyChangesNothing()
    {
        PosiTables::InitPosiData();
        Posi().PosiDataRead[2][Speed(0)] = 55;
        SimPosi::SetBlock(*sim, 3, SimPosi::DefaultBlock().replace(0, 1, "Z"));
        App().PosiNoStart = 1;
        App().PosiNoEnd = 3;
        QCOMPARE(PosiTransfer::ReadPosidataFromCt(), 1);
        QCOMPARE(Posi().PosiDataRead[2][Speed(0)].val(), 55.0);
        QCOMPARE(Platform::Dialogs::ShownTexts().last(), QStringLiteral("Communication Error occurred."));
    }

    void writeChecksOnlyItsRange_data()
    {
        QTest::addColumn<int>("bigAt");      // position holding 1500 pulses on axis 1
        QTest::addColumn<bool>("written");
        QTest::newRow("over the maximum outside the range") << 35 << true;
        QTest::newRow("over the maximum inside the range") << 25 << false;
    }
    void writeChecksOnlyItsRange()
    {
        QFETCH(int, bigAt); QFETCH(bool, written);
        makeGrid(10, 40);
        SimPosi::SetMaxPulse(*sim, 0, 1000);
        PosiGrid::Grid().SetText(PosiGrid::RowOf(bigAt, 10), 4, QStringLiteral("1500"));
        PosiGrid::Grid().SetText(PosiGrid::RowOf(20, 10), 2, QStringLiteral("15"));   // 15 ms is stored as 2
        rangeDialog(QStringLiteral("20"), QStringLiteral("30"));
        watchCheckWindow();
        QCOMPARE(PosiTransfer::PosidataLoadtoCt(), 0);
        QCOMPARE(frames("0WP").size(), written ? 11 : 0);
        QCOMPARE(frames("0WA"), written ? QStringList{QStringLiteral("0WA01401E")} : QStringList{});
        QCOMPARE(checkWindows, written ? 0 : 1);
        if (!written) {
            QCOMPARE(checkRows, 1);
            QCOMPARE(Posi().PosiErrCount, 0);
            return;
        }
        QCOMPARE(frames("0CM").first(), QStringLiteral("0CM10000"));
        QCOMPARE(frames("0CM").last(), QStringLiteral("0CM00000"));
        QCOMPARE(Platform::Dialogs::ShownTexts().last(), QStringLiteral("Completed data transmit."));
        // Read back, the range matches the table exactly.
        App().PosiNoStart = 20;
        App().PosiNoEnd = 30;
        QCOMPARE(PosiTransfer::ReadPosidataFromCt(), 0);
        QCOMPARE(Posi().PosiDataRead[20][Acc(0)].val(), 2.0);
        for (int n = 20; n <= 30; ++n)
            for (int f = 1; f <= 27; ++f)
                QCOMPARE(Posi().PosiDataRead[n][f].val(), Posi().PosiData[n][f].val());
    }

    void movingAxesRefuseTheWrite()
    {
        makeGrid(1, 5);
        cmd.moving = true;
        rangeDialog(QStringLiteral("1"), QStringLiteral("5"));
        QCOMPARE(PosiTransfer::PosidataLoadtoCt(), 0);
        QCOMPARE(Platform::Dialogs::ShownTexts().last(), QStringLiteral("The writing of data is not made during movement."));
        QVERIFY(frames("0WP").isEmpty());
    }

    void cancelledWriteStillStores()
    {
        PosiTables::InitPosiData();
        App().PosiNoStart = 1;
        App().PosiNoEnd = 50;
        cancelAt("0WP", 10);
        QCOMPARE(PosiTransfer::WritePosidataToCt(), 2);
        QCOMPARE(frames("0WP").size(), 10);
        QCOMPARE(frames("0WA"), QStringList{QStringLiteral("0WA001032")});
        QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
    }

    void wrongEchoStopsWithoutStore()
    {
        PosiTables::InitPosiData();
        App().PosiNoStart = 1;
        App().PosiNoEnd = 5;
        sim->addCommand("0WP", [](SimController &, const QByteArray &f) -> std::optional<QByteArray> {
            return f.mid(3, 3) == "003" ? QByteArray("0WP004") : "0WP" + f.mid(3, 3);
        });
        QCOMPARE(PosiTransfer::WritePosidataToCt(), 1);
        QCOMPARE(frames("0WP").size(), 3);
        QVERIFY(frames("0WA").isEmpty());
        QCOMPARE(Platform::Dialogs::ShownTexts().last(),
                 QStringLiteral("Communication error occurs!\r\ntransmit data is wrong"));
    }
};

QTEST_MAIN(TestPosiTransfer)
#include "tst_positransfer.moc"
