// Programs with the controller and with files, as the user runs them: the
// program-number dialog, writing a program window's program, reading one
// into a new window, saving and opening program files. Against the
// simulated controller, with scripted dialogs.
#include "core/AppState.h"
#include "link/CommandFrames.h"
#include "link/CommandState.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "prog/CommandList.h"
#include "prog/ProgLines.h"
#include "support/LinkFixture.h"
#include "support/MainScope.h"
#include "sim/SimCommands.h"
#include "sim/SimProg.h"
#include "ui/common/Forms.h"
#include "ui/prog/ProgFlows.h"
#include "ui/prog/ProgramWindow.h"
#include "ui/prog/ProgramNumberDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

Q_DECLARE_METATYPE(ProgData::ProgTexts)

namespace Dlg = Platform::Dialogs;
using ProgData::ProgTexts;

namespace {

ProgTexts line(const QString &cmd, const QString &o1 = {}, const QString &o2 = {}, const QString &cond = {},
               const QString &res = {}, const QString &comment = {})
{
    return {cmd, o1, o2, cond, res, comment};
}

// The user picks `progNo` in the next program-number dialog (0: Cancel;
// -1: the close box).
void pickProgNo(int progNo)
{
    Dlg::PushModalHandler([progNo](QDialog &d) {
        auto &dlg = static_cast<ProgramNumberDialog &>(d);
        if (progNo == 0) {
            dlg.cmdProgNoCancel_Click();
            return int(QDialog::Rejected);
        }
        if (progNo < 0) {
            App().ProgNoCancel = false;   // whatever was set before, the close box cancels
            dlg.close();
            return int(QDialog::Rejected);
        }
        dlg.SelectProgNo(progNo);
        dlg.cmdProgNoOk_Click();
        return int(QDialog::Accepted);
    });
}

std::vector<ProgTexts> threeLines()
{
    return {line("MVP", "5", "R3", "/I3", "", "start"), line("TIM", "1.5", "", "", "F1"), line("=", "R1", "-5")};
}

struct ProgLink : LinkFixture {
    SimCmdModel cmd;
    ProgLink()
    {
        InstallCommandSim(sim, cmd);
        SimProg::InstallProgCommands(sim);
        App().PrgModeFlag = true;
        Paradata().ParaSet.ParaSpAxis = 0xF;
    }
};

} // namespace

class TstProgTransfer : public QObject {
    Q_OBJECT
private slots:
    void frames();
    void progNoDialogOffline();
    void progNoDialogOnline();
    void progNoDialogCancelAndCloseBox_data();
    void progNoDialogCancelAndCloseBox();
    void progNoDialogOfTheFlowsOverTheMainWindow();

    void emptyLinesGoFromTheWindowNotActive();
    void writeSendsTheWholeExchange();
    void writeWithCountsKnownSendsNoCountReads();
    void writeRefusals_data();
    void writeRefusals();
    void failedWriteIsNotCommitted();

    void readOpensDecodedWindow();
    void failedReadClosesTheWindow_data();
    void failedReadClosesTheWindow();
    void readWritesBackUnchanged();
    void readCodesSentOtherwiseAreNamed();

    void saveAndOpenFile();
    void failedSaveChangesNothing();
    void openRefusalsKeepWindow_data();
    void openRefusalsKeepWindow();
    void uncodedResultOfAFileIsNamed_data();
    void uncodedResultOfAFileIsNamed();
};

void TstProgTransfer::frames()
{
    std::vector<ProgData::ProgStep> da(4, ProgData::ProgStep{2, 5000, 4190510, 1003, 0, {}});
    const auto w = Comm::Frames::WriteProg(21, da);
    QVERIFY(w);
    QCOMPARE(w->size(), 5 + 76);
    QVERIFY(w->startsWith(QStringLiteral("0WM15020013883FF12E3EB00")));
    QVERIFY(w->endsWith(QString(19, QLatin1Char('0'))));
    QCOMPARE(Comm::Frames::CommitProg(10), QStringLiteral("0MW0A"));
    QCOMPARE(Comm::Frames::ReadProg(10), QStringLiteral("0RM0A"));
    QCOMPARE(Comm::Frames::ReadProgReplyLen(1), 1907);
    QCOMPARE(Comm::Frames::ReadProg(256), std::nullopt);
}

void TstProgTransfer::progNoDialogOffline()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    App().SelProgNo = 15;
    ProgramNumberDialog dlg;
    QCOMPARE(dlg.flgdProgNo->headerData(1, Qt::Horizontal).toString(), QStringLiteral("MAX Steps"));
    QCOMPARE(dlg.flgdProgNo->headerData(0, Qt::Horizontal).toString(), QStringLiteral("No."));
    for (auto [n, steps] : {std::pair{1, 100}, {7, 100}, {8, 50}, {20, 50}, {21, 20}, {100, 20}}) {
        QCOMPARE(dlg.flgdProgNo->item(n - 1, 0)->text(), QString::number(n));
        QCOMPARE(dlg.flgdProgNo->item(n - 1, 1)->text(), QString::number(steps));
    }
    QCOMPARE(dlg.CurrentProgNo(), 15);
    QCOMPARE(dlg.lblProgNo->text(), QStringLiteral("15"));
    // Known counts are not shown offline.
    Comm::Commands().ProgStepCountKnown = true;
    dlg.DispStepNo();
    QCOMPARE(dlg.flgdProgNo->headerData(1, Qt::Horizontal).toString(), QStringLiteral("MAX Steps"));
}

void TstProgTransfer::progNoDialogOnline()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    App().OfflineFlag = false;
    auto &c = Comm::Commands();
    c.ProgStepCount[1] = 12;
    c.ProgStepCount[100] = 3;
    c.ProgStepCountKnown = true;
    ProgramNumberDialog dlg;
    QCOMPARE(dlg.flgdProgNo->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Steps"));
    QCOMPARE(dlg.flgdProgNo->item(0, 1)->text(), QStringLiteral("12"));
    QCOMPARE(dlg.flgdProgNo->item(1, 1)->text(), QStringLiteral("0"));
    QCOMPARE(dlg.flgdProgNo->item(99, 1)->text(), QStringLiteral("3"));
}

void TstProgTransfer::progNoDialogCancelAndCloseBox_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("close box") << -1;
    QTest::newRow("no answer") << -2;
}

void TstProgTransfer::progNoDialogCancelAndCloseBox()
{
    QFETCH(int, answer);
    TestEnv::Scope env;
    App().SelProgNo = 15;
    App().ProgNoCancel = false;
    if (answer != -2)
        pickProgNo(answer);
    ProgramNumberDialog dlg;
    Dlg::ExecModal(dlg);
    QVERIFY(App().ProgNoCancel);
    QCOMPARE(App().SelProgNo, 15);
}

// The read, write and verify flows ask through one dialog: over the main
// window, its captions from the string table, with both remaining-steps
// labels.
void TstProgTransfer::progNoDialogOfTheFlowsOverTheMainWindow()
{
    TestEnv::Scope env;
    MainScope m;
    App().LangOffset = 0;
    QWidget *parent = nullptr;
    QStringList captions;
    QStringList labels;
    Dlg::PushModalHandler([&](QDialog &d) {
        auto &dlg = static_cast<ProgramNumberDialog &>(d);
        parent = dlg.parentWidget();
        captions << dlg.cmdProgNoOk->text() << dlg.cmdProgNoCancel->text();
        for (const char *name : {"lblRemainingSteps", "lblRemainingStepCount"})
            if (dlg.findChild<QLabel *>(QString::fromLatin1(name)))
                labels << QString::fromLatin1(name);
        dlg.cmdProgNoCancel_Click();
        return int(QDialog::Rejected);
    });
    QVERIFY(!ProgFlows::AskProgNo());
    QCOMPARE(parent, static_cast<QWidget *>(&m.main));
    QCOMPARE(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}));
    QCOMPARE(labels, (QStringList{QStringLiteral("lblRemainingSteps"), QStringLiteral("lblRemainingStepCount")}));
}

void TstProgTransfer::emptyLinesGoFromTheWindowNotActive()
{
    TestEnv::Scope env;
    MainScope m;
    auto *first = qobject_cast<ProgramWindow *>(m.main.OpenProgWindow());
    auto *active = qobject_cast<ProgramWindow *>(m.main.OpenProgWindow());
    QCOMPARE(Forms::ActiveChild(), active);
    ProgData::FillGrid(*first->flgdProg, {line("MVP", "1"), line(""), line("TIM", "1"), line(""), line("END")});
    ProgData::FillGrid(*active->flgdProg, {line("MVP", "1"), line(""), line("END")});
    active->flgdProg->SetCurrent(2, 1);
    QCOMPARE(ProgData::Check_NullLineAndDelete(first->Doc), 0);
    QCOMPARE(ProgData::GridTexts(*first->flgdProg),
             (std::vector<ProgTexts>{line("MVP", "1"), line("TIM", "1"), line("END")}));
    QCOMPARE(active->flgdProg->Rows(), 4);
    QCOMPARE(active->flgdProg->Row(), 2);
}

void TstProgTransfer::writeSendsTheWholeExchange()
{
    ProgLink f;
    ProgramWindow w;
    ProgData::FillGrid(*w.flgdProg, threeLines());
    w.Doc.ProgChangeFlag = true;
    pickProgNo(21);
    w.ProgDataWriteToCt();

    QStringList codes;
    for (const QByteArray &fr : f.sim.frames())
        codes << QString::fromLatin1(fr.left(3));
    QCOMPARE(codes.size(), 100 + 6);
    QCOMPARE(codes.mid(0, 100), QStringList(100, QStringLiteral("0RR")));
    QCOMPARE(codes.mid(100), (QStringList{"0RA", "0CM", "0WM", "0MW", "0CM", "0RR"}));
    const QList<QByteArray> &fr = f.sim.frames();
    QCOMPARE(fr[101], QByteArray("0CM10000"));
    QVERIFY(fr[102].startsWith("0WM15020013883FF12E3EB00"));
    QCOMPARE(fr[102].size(), 5 + 4 * 19);
    QCOMPARE(fr[103], QByteArray("0MW15"));
    QCOMPARE(fr[104], QByteArray("0CM00000"));
    QCOMPARE(fr[105], QByteArray("0RR15"));
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Completed data transmit.")});
    QCOMPARE(w.windowTitle(), QStringLiteral("Program 21"));
    QCOMPARE(w.ProgNo(), 21);
    QCOMPARE(Comm::Commands().ProgStepCount[21], 3);
    QCOMPARE(SimProg::Stored(f.sim, 21).size(), 3);
    // "=" R1, -5: the negative value as the decoder reads it.
    QCOMPARE(SimProg::Stored(f.sim, 21)[2], QByteArray("1B3FF12C20138800000"));
    // A write to the controller is no save.
    QVERIFY(w.ProgChangeFlag());
    QVERIFY(!App().ComCancelFlag);
    QVERIFY(w.cmdFileSaveProg->isEnabled());
}

void TstProgTransfer::writeWithCountsKnownSendsNoCountReads()
{
    ProgLink f;
    Comm::Commands().ProgStepCountKnown = true;
    ProgramWindow w;
    ProgData::FillGrid(*w.flgdProg, {line("MVP", "5"), line(""), line("END")});
    pickProgNo(8);
    w.ProgDataWriteToCt();
    QCOMPARE(f.frames("0RR"), QStringList{QStringLiteral("0RR08")});
    QCOMPARE(SimProg::Stored(f.sim, 8).size(), 2);   // the empty line went
    QCOMPARE(Comm::Commands().ProgStepCount[8], 2);
    QCOMPARE(w.flgdProg->Rows(), 3);
}

void TstProgTransfer::writeRefusals_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<ProgTexts>("first");
    QTest::addColumn<bool>("moving");
    QTest::addColumn<QString>("message");
    QTest::newRow("too long") << 21 << line("MVP", "5") << false << QStringLiteral("Program No.21is up to 20steps.");
    QTest::newRow("moving") << 2 << line("MVP", "5") << true
                            << QStringLiteral("The writing of data is not made during movement.");
    QTest::newRow("result too wide") << 2 << line("MVP", "5", "", "", "I300") << false
                                     << QStringLiteral("The error was found in the program.\r\n"
                                                       "Please try it again after correcting a program.");
    QTest::newRow("operation too wide") << 2 << line("TIM", "99999999") << false
                                        << QStringLiteral("The error was found in the program.\r\n"
                                                          "Please try it again after correcting a program.");
    QTest::newRow("syntax error") << 2 << line("ACC", "0") << false
                                  << QStringLiteral("The error was found in the program.\r\n"
                                                    "Please try it again after correcting a program.");
    QTest::newRow("unknown command") << 2 << line("MOVE", "5") << false
                                     << QStringLiteral("The error occurred while reading the program data.\r\n"
                                                       "Line 1, Command: \"MOVE\"\r\n"
                                                       "Reading data was canceled.");
}

void TstProgTransfer::writeRefusals()
{
    QFETCH(int, lines);
    QFETCH(ProgTexts, first);
    QFETCH(bool, moving);
    QFETCH(QString, message);
    ProgLink f;
    f.cmd.moving = moving;
    Comm::Commands().ProgStepCountKnown = true;
    ProgramWindow w;
    std::vector<ProgTexts> program(static_cast<size_t>(lines), line("TIM", "1"));
    program[0] = first;
    ProgData::FillGrid(*w.flgdProg, program);
    pickProgNo(21);
    w.ProgDataWriteToCt();
    QCOMPARE(Dlg::ShownTexts(), QStringList{message});
    QVERIFY(f.frames("0CM").isEmpty());
    QVERIFY(f.frames("0WM").isEmpty());
    if (!moving)
        QVERIFY(f.sim.frames().isEmpty());
    if (lines == 21)
        QCOMPARE(Dlg::Shown().front().icon, Platform::MsgIcon::Critical);
    QCOMPARE(w.windowTitle(), QString());
    QVERIFY(!w.ProgBusyFlag);
    QVERIFY(!App().BusyFlag);
}

void TstProgTransfer::failedWriteIsNotCommitted()
{
    ProgLink f;
    Comm::Commands().ProgStepCountKnown = true;
    f.sim.addFault("0WM", SimFaultRule{SimFault::ErrorReply}, -1);
    ProgramWindow w;
    ProgData::FillGrid(*w.flgdProg, threeLines());
    pickProgNo(3);
    w.ProgDataWriteToCt();
    QCOMPARE(f.frames("0WM").size(), 1);
    QVERIFY(f.frames("0MW").isEmpty());
    QVERIFY(!Dlg::ShownTexts().contains(QStringLiteral("Completed data transmit.")));
    QCOMPARE(w.windowTitle(), QString());
    QCOMPARE(w.ProgNo(), 1);
    QCOMPARE(SimProg::Commits(f.sim), 0);
}

void TstProgTransfer::readOpensDecodedWindow()
{
    ProgLink f;
    MainScope m;
    SimProg::SetStored(f.sim, 15,
                       {"020013883FF12E3EB00", "1B3FF1F60009C400000", "0A0004D20000000000F", QByteArray(19, '0')});
    QVERIFY(CommandList::ReadCommandList() == 0);
    pickProgNo(15);
    m.main.mnuContProgRead_Click();
    const QStringList codes = [&] {
        QStringList c;
        for (const QByteArray &fr : f.sim.frames())
            c << QString::fromLatin1(fr.left(3));
        return c;
    }();
    QCOMPARE(codes.mid(100), (QStringList{"0RR", "0RM"}));
    QCOMPARE(f.frames("0RM"), QStringList{QStringLiteral("0RM0F")});
    const auto progs = Forms::Named(QStringLiteral("ProgramWindow"));
    QCOMPARE(progs.size(), 1);
    auto *w = static_cast<ProgramWindow *>(progs.front());
    QCOMPARE(w->windowTitle(), QStringLiteral("Program 15"));
    QCOMPARE(w->ProgNo(), 15);
    QCOMPARE(ProgData::GridTexts(*w->flgdProg),
             (std::vector<ProgTexts>{line("MVP", "5", "R3", "/I3"), line("=", "PR2", "2.500"),
                                     line("TIM", "1.234", "", "", "15"), line("END")}));
    QVERIFY(!App().BusyFlag);
    QVERIFY(Dlg::Shown().empty());
}

void TstProgTransfer::failedReadClosesTheWindow_data()
{
    QTest::addColumn<QByteArray>("faultCode");
    QTest::addColumn<int>("stored");
    QTest::newRow("0RM fails") << QByteArray("0RM") << 2;
    QTest::newRow("count above the limit") << QByteArray() << 21;
}

void TstProgTransfer::failedReadClosesTheWindow()
{
    QFETCH(QByteArray, faultCode);
    QFETCH(int, stored);
    ProgLink f;
    MainScope m;
    Comm::Commands().ProgStepCountKnown = true;
    SimProg::SetStored(f.sim, 30, QList<QByteArray>(stored, "020013883FF12E3EB00"));
    if (!faultCode.isEmpty())
        f.sim.addFault(faultCode, SimFaultRule{SimFault::ErrorReply}, -1);
    pickProgNo(30);
    m.main.mnuContProgRead_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(Forms::Named(QStringLiteral("ProgramWindow")).isEmpty());
    QVERIFY(!Dlg::Shown().empty());
    QVERIFY(!App().BusyFlag);
}

void TstProgTransfer::readWritesBackUnchanged()
{
    // A program read from the controller, written back under another
    // number, is stored exactly as it was: negative values included.
    ProgLink f;
    Comm::Commands().ProgStepCountKnown = true;
    SimProg::SetStored(f.sim, 2, {"1B3FF1F620138800000", "1C3FF12C0009C43ED24", "0A0004D200000000024"});
    QVERIFY(CommandList::ReadCommandList() == 0);
    ProgramWindow w;
    QCOMPARE(w.ReadProgDataFromCt(2), 0);
    w.ShowProgramData();
    pickProgNo(4);
    w.ProgDataWriteToCt();
    QCOMPARE(ProgData::GridTexts(*w.flgdProg)[0], line("=", "PR2", "-5.000"));
    QCOMPARE(SimProg::Stored(f.sim, 4), SimProg::Stored(f.sim, 2));
}

void TstProgTransfer::readCodesSentOtherwiseAreNamed()
{
    // A Result of 15 and a Condition of 19 read back as bare numbers, which
    // the write would send as none: written back, the check names their
    // lines and nothing is sent.
    ProgLink f;
    Comm::Commands().ProgStepCountKnown = true;
    SimProg::SetStored(f.sim, 2, {"0A0004D20000000000F", "1B3FF1F60009C400000", "020013883FF12E01300"});
    QVERIFY(CommandList::ReadCommandList() == 0);
    ProgramWindow w;
    QCOMPARE(w.ReadProgDataFromCt(2), 0);
    w.ShowProgramData();
    QCOMPARE(ProgData::GridTexts(*w.flgdProg),
             (std::vector<ProgTexts>{line("TIM", "1.234", "", "", "15"), line("=", "PR2", "2.500"),
                                     line("MVP", "5", "R3", "19")}));
    w.ProgDataWriteToCt();
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("The error was found in the program.\r\n"
                                                          "Please try it again after correcting a program.")});
    QVERIFY(w.ErrPaneFlag);
    const QString error = QStringLiteral("SyntaxErr No.14 [The range of the set value is not correct.]");
    QCOMPARE(w.flgdPrgErr->index(1, 1).data().toString(), QStringLiteral("1"));
    QCOMPARE(w.flgdPrgErr->index(1, 2).data().toString(), error);
    QCOMPARE(w.flgdPrgErr->index(2, 1).data().toString(), QStringLiteral("3"));
    QCOMPARE(w.flgdPrgErr->index(2, 2).data().toString(), error);
    QCOMPARE(w.flgdPrgErr->index(3, 1).data().toString(), QString());
    QVERIFY(f.frames("0WM").isEmpty());
}

void TstProgTransfer::saveAndOpenFile()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    const QString path = env.path(QStringLiteral("pick.prg"));
    ProgramWindow w;
    ProgData::FillGrid(*w.flgdProg, threeLines());
    w.Doc.ProgChangeFlag = true;
    Dlg::QueueAnswer(Platform::MsgAnswer::Ok);
    Dlg::QueueFileName(env.path(QStringLiteral("pick")));   // the extension is added
    w.ProgDataSaveAs();
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Write Data to the file,Yes?")});
    QCOMPARE(Dlg::FileDialogTitles(), QStringList{QStringLiteral("Save Program Data as ...")});
    QVERIFY(QFile::exists(path));
    QCOMPARE(w.windowTitle(), QStringLiteral("Program [") + env.path(QStringLiteral("pick")) + QStringLiteral("]"));
    QCOMPARE(App().DataFileName, env.path(QStringLiteral("pick")));
    QVERIFY(!w.ProgChangeFlag());
    QCOMPARE(w.GetProgFileNameFromCaption(), 0);
    QCOMPARE(w.ProgFileName, env.path(QStringLiteral("pick")));

    Dlg::ClearScript();
    ProgramWindow other;
    other.LetCopyProgNo(12);
    other.Doc.ProgChangeFlag = true;
    Dlg::QueueFileName(path);
    other.ProgDataFileOpen();
    QCOMPARE(ProgData::GridTexts(*other.flgdProg), threeLines());
    QCOMPARE(other.ProgNo(), 1);
    QVERIFY(!other.ProgChangeFlag());
    QCOMPARE(other.windowTitle(), w.windowTitle());
    QVERIFY(Dlg::Shown().empty());
}

void TstProgTransfer::failedSaveChangesNothing()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    ProgramWindow w;
    w.setWindowTitle(QStringLiteral("Program 3"));
    ProgData::FillGrid(*w.flgdProg, threeLines());
    w.Doc.ProgChangeFlag = true;
    Dlg::QueueAnswer(Platform::MsgAnswer::Ok);
    Dlg::QueueFileName(env.path(QStringLiteral("no/such/folder/x.prg")));
    w.ProgDataSaveAs();
    QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("An error occurred in saving data."));
    QCOMPARE(w.windowTitle(), QStringLiteral("Program 3"));
    QVERIFY(w.ProgChangeFlag());
    QCOMPARE(App().DataFileName, QString());
}

void TstProgTransfer::openRefusalsKeepWindow_data()
{
    QTest::addColumn<QByteArray>("content");   // "-": no name chosen; empty: a missing file
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled") << QByteArray("-") << QStringLiteral("Reading was stopped.");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("An error occurred in Reading file.");
    QTest::newRow("no program file") << QByteArray("\"Program\"\r\n1\r\n")
                                     << QStringLiteral("Not Program Data file for QZ-TQ7.\r\nOpening file is canceled.");
    QTest::newRow("control character in an operand")
        << QByteArray("\"RE-Z4\"\r\n\"Program\"\r\n1\r\n\"MVP\",\"1\0", 32) + QByteArray("0\",\"\",\"\",\"\",\"\"\r\n")
        << QStringLiteral("An error occurred in Reading file.");
}

void TstProgTransfer::openRefusalsKeepWindow()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    ProgramWindow w;
    w.setWindowTitle(QStringLiteral("Program 7"));
    w.LetCopyProgNo(7);
    ProgData::FillGrid(*w.flgdProg, threeLines());
    if (content != "-")
        Dlg::QueueFileName(content.isEmpty() ? env.path(QStringLiteral("none.prg"))
                                             : env.writeFile(QStringLiteral("x.prg"), content));
    w.ProgDataFileOpen();
    QCOMPARE(Dlg::ShownTexts(), QStringList{message});
    QCOMPARE(ProgData::GridTexts(*w.flgdProg), threeLines());
    QCOMPARE(w.windowTitle(), QStringLiteral("Program 7"));
    QCOMPARE(w.ProgNo(), 7);
    QVERIFY(w.cmdFileSaveProg->isEnabled());
}

// A Result in a program file that no code stands for: the check says on
// which line and in which column, and the window keeps the program.
void TstProgTransfer::uncodedResultOfAFileIsNamed_data()
{
    QTest::addColumn<QString>("result");
    for (const char *r : {"X1", "O0", "O300", "F", "RF1"})
        QTest::newRow(r) << QString::fromLatin1(r);
}

void TstProgTransfer::uncodedResultOfAFileIsNamed()
{
    QFETCH(QString, result);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    const QByteArray file = "\"RE-Z4\"\r\n\"Program\"\r\n3\r\n"
                            "\"MVP\",\"5\",\"\",\"\",\"\",\"\"\r\n"
                            "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                            "\"PMOV\",\"5\",\"\",\"\",\"" + result.toLatin1() + "\",\"go\"\r\n";
    ProgramWindow w;
    Dlg::QueueFileName(env.writeFile(QStringLiteral("x.prg"), file));
    w.ProgDataFileOpen();
    QVERIFY(Dlg::Shown().empty());
    w.programCheck();
    // The empty line went before the take-in: the PMOV is line 2 now.
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("The error occurred while reading the program data.\r\n"
                                                          "Line 2, Result: \"%1\"\r\n"
                                                          "Reading data was canceled.").arg(result)});
    QCOMPARE(ProgData::GridTexts(*w.flgdProg),
             (std::vector<ProgTexts>{line("MVP", "5"), line("PMOV", "5", "", "", result, "go")}));
    QVERIFY(w.flgdProg->Editable());
}

QTEST_MAIN(TstProgTransfer)
#include "tst_progtransfer.moc"
