// The simulated controller the rez4sim tool serves (SimFull), driven by the
// program as a user would try it: an online start, a read of every position
// and a write back; the parameters read, edited, written and verified on
// the controller the tool's own arguments set up; and the tool's command
// line.
#include "core/AppState.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "paradata/ParaForm.h"
#include "paradata/ParaVerify.h"
#include "paradata/ParadataState.h"
#include "paradata/StdPara.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiCodec.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "ui/online/GoOnline.h"
#include "ui/posi/PosiTransfer.h"
#include "ui/posi/PositionRangeDialogs.h"
#include "sim/SimFull.h"
#include "sim/SimPosi.h"
#include "sim/SimTool.h"
#include "support/Choices.h"
#include "support/SimOnlineFixture.h"
#include "ui/paraedit/ParameterWindow.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace PosiField;
using ParaForm::Ctl;

class TestSimTool : public QObject {
    Q_OBJECT

    static void wholeRange()
    {
        Platform::Dialogs::PushModalHandler([](QDialog &d) {
            auto &dlg = static_cast<PositionRangeDialogBase &>(d);
            if (auto *all = qobject_cast<TransferRangeDialog *>(&d))
                all->optSelectPosiNo[0]->click();
            dlg.txtStartPosiNo->setText(QStringLiteral("1"));
            dlg.txtEndPosiNo->setText(QStringLiteral("999"));
            dlg.cmdSelectPosiOk->click();
            return dlg.result();
        });
    }

private slots:
    void onlineReadAndWriteBack()
    {
        SimOnline::Fixture s(true);
        SimCmdModel cmd;
        SimFull::InstallAll(s.sim, cmd);
        ErrorList::ReadErrorList();
        App().DispMmUnit = false;
        PosiGrid::ResetGrid();
        PosiRecord r = PosiTables::DefaultPosiRecord();
        r[Method(0)] = 1;
        r[Position(0)] = 12345;
        r[Comment] = QString();
        SimPosi::SetBlock(s.sim, 500, PosiCodec::EncodeBlock(r).toLatin1());

        Choices::Queue({0});   // online
        Online::CtConnectAtStart();
        QVERIFY(!App().OfflineFlag);
        QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());

        wholeRange();
        QCOMPARE(PosiTransfer::PosidataGetfromCt(), 0);
        QCOMPARE(s.sim.framesOf("0RP").size(), 999);
        QCOMPARE(App().DispNoStart, 1);
        QCOMPARE(App().DispNoEnd, 999);
        QCOMPARE(PosiGrid::Grid().Text(PosiGrid::RowOf(500, 1), 4), QStringLiteral("12345"));
        // Only the question before the read; no error.
        QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{Platform::ResText(370)});
        QVERIFY(!Indicators::State().AlarmVisible);

        // Changed in the grid and written back.
        PosiGrid::Grid().SetText(PosiGrid::RowOf(7, 1), 4, QStringLiteral("4321"));
        wholeRange();
        QCOMPARE(PosiTransfer::PosidataLoadtoCt(), 0);
        QCOMPARE(s.sim.framesOf("0WP").size(), 999);
        QCOMPARE(s.sim.framesOf("0WA"), QStringList{QStringLiteral("0WA0013E7")});
        QCOMPARE(Platform::Dialogs::ShownTexts().last(), QStringLiteral("Completed data transmit."));
        const auto back = PosiCodec::DecodeBlock(QString::fromLatin1(SimPosi::Block(s.sim, 7)));
        QVERIFY(back);
        QCOMPARE((*back)[Position(0)].val(), 4321.0);
        QVERIFY(!App().BusyFlag);
    }

    // The README's trial: "rez4sim S2M 3", the program online on it, the
    // parameter window's read, one value changed, the write and the verify.
    void parametersReadEditWriteVerify()
    {
        // The program's actuators those of the simulator.
        SimOnline::Fixture s(true);
        SimCmdModel cmd;
        SimTaskModel tasks;
        const SimTool::Parsed tool = SimTool::Parse({QStringLiteral("S2M"), QStringLiteral("3")});
        QVERIFY(tool.options);
        SimTool::Install(s.sim, cmd, tasks, *tool.options);
        ErrorList::ReadErrorList();
        App().AxisNotUsed = {false, false, true, true};
        App().AxisCount = 2;
        Choices::Queue({0}); // online
        Online::CtConnectAtStart();
        QVERIFY(!App().OfflineFlag);
        QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList());

        ParameterWindow *w = ParameterWindow::Instance();
        w->cmdParaRead->click();
        QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList());
        QCOMPARE(w->Text(Ctl::txtHomeOffset, 0), QStringLiteral("200"));

        // What was read is the standard parameter set of data/'s lists for
        // these actuators (old type, horizontal, without PG).
        auto &d = Paradata().ActuatorSetting;
        for (size_t a = 0; a < 2; ++a) {
            d.ActuatorSize[a] = QStringLiteral(" 28");
            d.ActuatorSpeed[a] = QStringLiteral("L");
            d.ActuatorStroke[a] = 100;
            d.NewTypeFlag[a] = false;
            d.ActuatorVertical[a] = false;
            d.ActuatorWithPG[a] = false;
        }
        const ParaSetData shown = Paradata().ParaSet;
        QCOMPARE(StdPara::SetStandardParameters(), 0);
        QVERIFY2(ParaVerify::MakeParaChangeLog() == 0, qPrintable(ParaVerify::ResultText(1, Paradata().ParaChangeLog)));
        Paradata().ParaSet = shown;

        w->SetText(Ctl::txtHomeOffset, 1, QStringLiteral("300"));
        Platform::Dialogs::QueueAnswer(Platform::MsgAnswer::Yes); // write?
        Platform::Dialogs::QueueAnswer(Platform::MsgAnswer::No);  // take the written setting over?
        w->cmdParaWrite->click();
        QCOMPARE(Platform::Dialogs::ShownTexts().size(), 3);
        QCOMPARE(Platform::Dialogs::ShownTexts().constLast(),
                 Platform::ResText(1527) + QStringLiteral("\r\n\r\n") + Platform::ResLines({492, 497}));
        QCOMPARE(SimOnline::BlockField(s.sim, 6, 0, 2), 300u); // axis 2's OFFSET

        Platform::Dialogs::ClearScript();
        w->cmdCompareCT->click();
        QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{QStringLiteral("Result of Verify - OK")});
        QVERIFY(!App().BusyFlag);
        delete w;
    }

    // The options the tool runs with, or what it says instead.
    void toolArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("model"); // empty: the tool does not run
        QTest::addColumn<int>("axes");
        QTest::addColumn<bool>("program");
        QTest::addColumn<QString>("said"); // in the usage or the error; empty: nothing
        const QString usage = QStringLiteral("Usage: rez4sim [MODEL [AXES [program]]]");
        QTest::newRow("none") << QStringList() << QByteArray("S4M") << 0xF << false << QString();
        QTest::newRow("README's") << QStringList{"S2M", "3"} << QByteArray("S2M") << 3 << false << QString();
        QTest::newRow("model's axes") << QStringList{"S3M"} << QByteArray("S3M") << 7 << false << QString();
        QTest::newRow("program") << QStringList{"S1M", "1", "program"} << QByteArray("S1M") << 1 << true
                                 << QString();
        QTest::newRow("--help") << QStringList{"--help"} << QByteArray() << 0 << false << usage;
        QTest::newRow("-h after a model") << QStringList{"S2M", "-h"} << QByteArray() << 0 << false << usage;
        QTest::newRow("unknown option") << QStringList{"--port"} << QByteArray() << 0 << false
                                        << QStringLiteral("unknown option '--port'");
        QTest::newRow("unknown model") << QStringList{"S5M"} << QByteArray() << 0 << false
                                       << QStringLiteral("unknown model 'S5M'");
        QTest::newRow("axis the model lacks") << QStringList{"S2M", "7"} << QByteArray() << 0 << false
                                              << QStringLiteral("axes '7'");
        QTest::newRow("not a mode") << QStringList{"S2M", "3", "prog"} << QByteArray() << 0 << false
                                    << QStringLiteral("unknown argument 'prog'");
        QTest::newRow("one too many") << QStringList{"S2M", "3", "program", "x"} << QByteArray() << 0 << false
                                      << QStringLiteral("unknown argument 'x'");
    }
    void toolArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, model);
        QFETCH(int, axes);
        QFETCH(bool, program);
        QFETCH(QString, said);
        const SimTool::Parsed p = SimTool::Parse(args);
        QCOMPARE(bool(p.options), !model.isEmpty());
        if (p.options) {
            QCOMPARE(p.options->modelCode, model);
            QCOMPARE(p.options->axisMask, axes);
            QCOMPARE(p.options->programMode, program);
            return;
        }
        QVERIFY((p.usage + p.error).contains(said));
        // Help is a usage text and no error; anything else is an error.
        QCOMPARE(p.error.isEmpty(), said.startsWith(QLatin1String("Usage:")));
    }

    // The tool itself: help and a refused argument end it at once, with
    // their exit codes and on their streams.
    void toolCommandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << QStringLiteral("Usage: rez4sim") << QString();
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << QString()
                                 << QStringLiteral("unknown option '--bogus'");
    }
    void toolCommandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess tool;
        tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/rez4sim"), args);
        QVERIFY(tool.waitForStarted());
        // A tool that starts serving instead never ends: the test's time-out
        // then fails it.
        QVERIFY(tool.waitForFinished(-1));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), exitCode);
        const QString stdOut = QString::fromLocal8Bit(tool.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(tool.readAllStandardError());
        QCOMPARE(stdOut.isEmpty(), out.isEmpty());
        QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
        QCOMPARE(stdErr.isEmpty(), err.isEmpty());
        QVERIFY2(stdErr.contains(err), qPrintable(stdErr));
    }

    // The line options: their values, or what the tool says instead.
    void toolLineOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("baud"); // -1: the tool does not run
        QTest::addColumn<QString>("lineLog");
        QTest::addColumn<QString>("said");
        QTest::newRow("none") << QStringList{"S2M"} << 0 << QString() << QString();
        QTest::newRow("both, around the model")
            << QStringList{"--baud", "38400", "S2M", "--line-log", "/tmp/l.log", "3"} << 38400
            << QStringLiteral("/tmp/l.log") << QString();
        QTest::newRow("baud not a number") << QStringList{"--baud", "fast"} << -1 << QString()
                                           << QStringLiteral("baud 'fast'");
        QTest::newRow("baud zero") << QStringList{"--baud", "0"} << -1 << QString() << QStringLiteral("baud '0'");
        QTest::newRow("baud without value") << QStringList{"S2M", "--baud"} << -1 << QString()
                                            << QStringLiteral("--baud needs a value");
        QTest::newRow("log without file") << QStringList{"--line-log"} << -1 << QString()
                                          << QStringLiteral("--line-log needs a value");
    }
    void toolLineOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(int, baud);
        QFETCH(QString, lineLog);
        QFETCH(QString, said);
        const SimTool::Parsed p = SimTool::Parse(args);
        QCOMPARE(bool(p.options), baud >= 0);
        if (p.options) {
            QCOMPARE(p.options->baud, baud);
            QCOMPARE(p.options->lineLogPath, lineLog);
            QCOMPARE(p.options->modelCode, QByteArray("S2M"));
            return;
        }
        QVERIFY2(p.error.contains(said), qPrintable(p.error));
    }

    // The tool paced and logging, as the line benchmark runs it: a request
    // is answered no sooner than the line would carry it and its answer,
    // and both are in the log with their characters and text.
    void toolPacesAndLogsTheLine()
    {
        QTemporaryDir dir;
        const QString logPath = dir.filePath(QStringLiteral("line.log"));
        QProcess tool;
        tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/rez4sim"),
                   {QStringLiteral("--baud"), QStringLiteral("9600"), QStringLiteral("--line-log"), logPath});
        QVERIFY(tool.waitForStarted());
        QVERIFY(tool.waitForReadyRead(10000));
        QTRY_VERIFY_WITH_TIMEOUT(tool.canReadLine(), 10000);
        const QByteArray path = tool.readLine().trimmed();
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY);
        QVERIFY2(fd >= 0, path.constData());
        termios t{};
        ::tcgetattr(fd, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(fd, TCSANOW, &t);
        QCOMPARE(::write(fd, "0AR\r\n", 5), ssize_t(5));
        QByteArray answer;
        while (!answer.endsWith("\r\n")) {
            pollfd p{fd, POLLIN, 0};
            QCOMPARE(::poll(&p, 1, 10000), 1);
            char buf[64];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            QVERIFY(n > 0);
            answer.append(buf, n);
        }
        QCOMPARE(answer, QByteArray("0AR\r\n"));
        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        // The answer's line follows its sending.
        auto logLines = [&log] {
            log.seek(0);
            return log.readAll().trimmed().split('\n');
        };
        QTRY_COMPARE_WITH_TIMEOUT(logLines().size(), 2, 10000);
        const QList<QByteArray> lines = logLines();
        const QList<QByteArray> request = lines[0].split(' ');
        const QList<QByteArray> sent = lines[1].split(' ');
        QCOMPARE(request.mid(1), (QList<QByteArray>{"R", "5", "0AR"}));
        QCOMPARE(sent.mid(1), (QList<QByteArray>{"A", "5", "0AR"}));
        // 10 characters of 10 bits at 9600 baud.
        QVERIFY2(sent[0].toLongLong() - request[0].toLongLong() >= 10 * 10 * 1000000000LL / 9600,
                 lines.join(" / ").constData());
        ::close(fd);
        tool.kill();
        tool.waitForFinished();
    }
};

QTEST_MAIN(TestSimTool)
#include "tst_simtool.moc"
