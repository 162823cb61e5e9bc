// The group and macro windows: their boxes' key, focus and page rules, and
// their commands' questions, messages, files, print hand-over and transfers
// with the simulated controller.
#include <QtTest>

#include "core/AppState.h"
#include "grpsm/GrpSmFiles.h"
#include "print/PrintGrpSm.h"
#include "grpsm/GrpSmTables.h"
#include "core/CommandSets.h"
#include "link/CommandHost.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "support/MainScope.h"
#include "support/RecordingShell.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "support/TestEnv.h"
#include "ui/common/Forms.h"
#include "ui/grpsm/GrpSmFlows.h"
#include "ui/grpsm/GroupWindow.h"
#include "ui/grpsm/SequenceMacroWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

using namespace GrpSm;
using Platform::MsgAnswer;
namespace Dlg = Platform::Dialogs;

namespace {

const QString kInvalidGrp = QStringLiteral("Invalid value in some of group data.\r\nPlease confirm the value and try it again.");
const QString kInvalidGrpWrite = QStringLiteral(
    "Invalid value in some of group data.\r\nConfirm the following item ant try it again.\r\n"
    " 1.Is the value setting the range of 1 to 999?\r\n"
    " 2.Isn't value of start position larger than one of end position.");
const QString kVerifyOk = QStringLiteral("Result of Verify - OK");

// A window shown and active, so the focus moves as a user's would.
template <class W>
void showActive(W &w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// English texts, scripted dialogs, the module state at its start values.
struct Env {
    TestEnv::Scope scope;
    Env() { App().LangOffset = 10000; }
};

// One simulated controller on the line, the link running, the program online.
struct Rig {
    TestEnv::Scope env;
    SimController sim;
    SimCmdModel model;

    Rig()
    {
        App().LangOffset = 10000;
        Paradata().ParaSet.ParaSpAxis = 0xF;
        InstallCommandSim(sim, model);
        sim.attach(1);
        App().PortNo = 1;
        Indicators::SetOnlineMode();
        Comm::StartLink();
    }
    ~Rig() { Comm::StopLink(); }

    QStringList frames() const
    {
        QStringList seen;
        for (const QByteArray &f : sim.frames())
            seen << QString::fromLatin1(f);
        return seen;
    }
};

QStringList repeated(const QString &s, int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << s;
    return l;
}

// The frame codes seen, the data frames of one code collapsed to its code.
QStringList frameCodes(const QStringList &frames)
{
    QStringList out;
    for (const QString &f : frames)
        out << (f.startsWith(QLatin1String("0WG")) || f.startsWith(QLatin1String("0WS")) ? f.left(3) : f);
    return out;
}

void setStep(MacroTable &t, int macro, int step, int code, int data)
{
    t[step][MacroCodeCol(macro)] = int16_t(code);
    t[step][MacroCodeCol(macro) + 1] = int16_t(data);
}

void validMacros(MacroTable &t)
{
    for (int m = 1; m <= kMacroCount; ++m)
        for (int s = 0; s < kMacroSteps; ++s)
            setStep(t, m, s, s % 3 == 0 ? 5 : 2, 1 + (m + s) % 4);
}

QPushButton *grpButton(GroupWindow &w, GrpSmFlows::GrpCommand c)
{
    using C = GrpSmFlows::GrpCommand;
    switch (c) {
    case C::CtRead: return w.cmdReadGrp;
    case C::CtWrite: return w.cmdWriteGrp;
    case C::CtVerify: return w.cmdGrpCtVerify;
    case C::FileOpen: return w.cmdGrpFileOpen;
    case C::FileSave: return w.cmdGrpFileSave;
    case C::FileVerify: return w.cmdGrpFileVerify;
    case C::DispPrint: return w.cmdGrpDataPrint;
    case C::FilePrint: return w.cmdGrpFilePrint;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(GrpSmFlows::GrpCommand)

class TestGrpSmWindows : public QObject {
    Q_OBJECT
private slots:
    // group window
    void grpBoxTakesThreeDigits();
    void grpEnterMoves();
    void grpPageSwitchKeepsEdits();
    void grpCommandTakesTypedValue();
    void grpEmptyBoxRefused_data();
    void grpEmptyBoxRefused();
    void grpReopenShowsOnes();
    void grpCommandsSwitchedByTheWalk();
    void grpFileOpenSaveVerify();
    void grpWrongHeaderShownOnce();
    void grpUnreadableFileAfterFourReads();
    void grpPrintHandOver();
    void grpWriteAndVerifyWithController();
    void grpWriteRefusedWhileMoving();
    void grpWriteFailureSendsNoModeBack();
    void grpReadCancelled();
    void grpCloseRefusedWhileCommandRuns();

    // macro window
    void smEndEmptiesData();
    void smTimerDataShowsOneSelected();
    void smDataKeys_data();
    void smDataKeys();
    void smEnterFromLastStep();
    void smUpDownKeepsEdits();
    void smUnknownCodeShowsNoCommand();
    void smWriteRefusedListsBadMacros();
    void smWriteAndVerifyWithController();
    void smFileOpenAndWrongHeader();
    void smPrintHandOver();
};

// ---- group window ----------------------------------------------------------

void TestGrpSmWindows::grpBoxTakesThreeDigits()
{
    Env env;
    GroupWindow w;
    showActive(w);
    QLineEdit *box = w.txtGrpStartNo[4];
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "1234");
    QCOMPARE(box->text(), QStringLiteral("123"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_4);
    QCOMPARE(box->text(), QStringLiteral("124"));
    box->clear();
    QTest::keyClicks(box, "9a-.");
    QCOMPARE(box->text(), QStringLiteral("9"));
    w.txtGrpEndNo[4]->setFocus(); // lost focus: into the table
    QCOMPARE(Tables().GrpData[5][0], int16_t(9));
}

void TestGrpSmWindows::grpEnterMoves()
{
    Env env;
    GroupWindow w;
    showActive(w);
    w.txtGrpStartNo[0]->setFocus();
    QTest::keyClick(w.txtGrpStartNo[0], Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.txtGrpEndNo[0]);
    QTest::keyClick(w.txtGrpEndNo[0], Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.txtGrpStartNo[1]);
    w.txtGrpEndNo[32]->setFocus();
    QTest::keyClick(w.txtGrpEndNo[32], Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), w.txtGrpStartNo[0]);
}

void TestGrpSmWindows::grpPageSwitchKeepsEdits()
{
    Env env;
    GroupWindow w;
    showActive(w);
    QCOMPARE(w.lblGrpNo[0]->text(), QStringLiteral(" 1."));
    QLineEdit *box = w.txtGrpEndNo[32];
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "77");
    w.optGrpNo[1]->click();   // the box still has the focus
    QCOMPARE(w.lblGrpNo[0]->text(), QStringLiteral("34."));
    QCOMPARE(w.txtGrpEndNo[32]->text(), QStringLiteral("1"));
    QCOMPARE(Tables().GrpData[33][1], int16_t(77));

    w.txtGrpStartNo[0]->setFocus();
    w.txtGrpStartNo[0]->selectAll();
    QTest::keyClicks(w.txtGrpStartNo[0], "5");
    QTest::mouseClick(w.optGrpNo[2], Qt::LeftButton);
    QCOMPARE(w.lblGrpNo[32]->text(), QStringLiteral("99."));
    w.optGrpNo[0]->click();
    QCOMPARE(w.txtGrpEndNo[32]->text(), QStringLiteral("77"));
    QCOMPARE(w.lblGrpNo[0]->text(), QStringLiteral("1."));
    QCOMPARE(Tables().GrpData[34][0], int16_t(5));
}

void TestGrpSmWindows::grpCommandTakesTypedValue()
{
    Env env;
    GroupWindow w;
    showActive(w);
    QLineEdit *box = w.txtGrpEndNo[2];
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "250");
    w.cmdGrpDataPrint->click(); // a click that leaves the focus where it is
    QCOMPARE(QApplication::focusWidget(), box);
    const auto &h = GrpSmPrint::LastHanded();
    QCOMPARE(h.grpCalls, 1);
    QCOMPARE(h.grp[3], (std::array<int16_t, 2>{1, 250}));
}

void TestGrpSmWindows::grpEmptyBoxRefused_data()
{
    using C = GrpSmFlows::GrpCommand;
    QTest::addColumn<GrpSmFlows::GrpCommand>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("write") << C::CtWrite << kInvalidGrpWrite;
    QTest::newRow("verify C/T") << C::CtVerify << kInvalidGrp;
    QTest::newRow("save") << C::FileSave << kInvalidGrp;
    QTest::newRow("verify file") << C::FileVerify << kInvalidGrp;
    QTest::newRow("print indicated") << C::DispPrint << kInvalidGrp;
    QTest::newRow("print file") << C::FilePrint << kInvalidGrp;
}

void TestGrpSmWindows::grpEmptyBoxRefused()
{
    QFETCH(GrpSmFlows::GrpCommand, command);
    Env env;
    GroupWindow w;
    showActive(w);
    w.optGrpNo[2]->click();
    QLineEdit *box = w.txtGrpStartNo[32];
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    // A file is offered for each dialog: a refused command must not get to it.
    const QString file = env.scope.path(QStringLiteral("x.grp"));
    Dlg::QueueFileName(file);
    grpButton(w, command)->click();
    QCOMPARE(Tables().GrpData[99][0], int16_t(0));
    QTEST(Dlg::ShownTexts().value(0), "message");
    QCOMPARE(Dlg::Shown().size(), size_t(1));
    QVERIFY(Dlg::FileDialogTitles().isEmpty());
    QCOMPARE(GrpSmPrint::LastHanded().grpCalls, 0);
    QVERIFY(!QFile::exists(file));
    QVERIFY(!App().FileBusy && !App().BusyFlag);
    QVERIFY(w.cmdWriteGrp->isEnabled());
}

void TestGrpSmWindows::grpReopenShowsOnes()
{
    Env env;
    MainScope ms;
    ms.main.mnuViewGrp->trigger();
    auto *w = qobject_cast<GroupWindow *>(Forms::Find(QStringLiteral("GroupWindow")));
    QVERIFY(w);
    Tables().GrpData[10] = {4, 8};
    w->optGrpNo[0]->click();
    QCOMPARE(w->txtGrpStartNo[9]->text(), QStringLiteral("4"));
    QPointer<GroupWindow> old(w);
    w->cmdCloseGrpWindow->click();
    QTRY_VERIFY(old.isNull());
    QVERIFY(!App().GrpWinOpen);

    ms.main.mnuViewGrp->trigger();
    w = qobject_cast<GroupWindow *>(Forms::Find(QStringLiteral("GroupWindow")));
    QVERIFY(w);
    for (int g = 0; g <= 99; ++g)
        QCOMPARE(Tables().GrpData[g], (std::array<int16_t, 2>{1, 1}));
    for (int i = 0; i < GroupWindow::kRows; ++i) {
        QCOMPARE(w->txtGrpStartNo[i]->text(), QStringLiteral("1"));
        QCOMPARE(w->txtGrpEndNo[i]->text(), QStringLiteral("1"));
    }
}

void TestGrpSmWindows::grpCommandsSwitchedByTheWalk()
{
    Env env;
    MainScope ms;
    ms.main.mnuViewGrp->trigger();
    ms.main.mnuViewSM->trigger();
    auto *g = qobject_cast<GroupWindow *>(Forms::Find(QStringLiteral("GroupWindow")));
    auto *s = qobject_cast<SequenceMacroWindow *>(Forms::Find(QStringLiteral("SequenceMacroWindow")));
    QVERIFY(g && s);
    CommandSets::DisableCommandsOfAllWindows();
    QVERIFY(!g->cmdReadGrp->isEnabled() && !g->framPageNo->isEnabled() && !g->cmdCloseGrpWindow->isEnabled());
    QVERIFY(g->txtGrpStartNo[0]->isEnabled());
    QVERIFY(!s->cmdReadSMfromCt->isEnabled() && !s->cmdSqMcrWinClose->isEnabled());
    QVERIFY(s->comboSmCommand[0]->isEnabled());
    CommandSets::EnableCommandsOfAllWindows();
    QVERIFY(g->cmdReadGrp->isEnabled() && g->framPageNo->isEnabled());
    QVERIFY(s->cmdSMFilePrint->isEnabled());
}

void TestGrpSmWindows::grpFileOpenSaveVerify()
{
    Env env;
    GroupWindow w;
    auto &t = Tables();
    t.GrpData[12] = {30, 40};
    const QString saved = env.scope.path(QStringLiteral("saved"));
    Dlg::QueueFileName(saved);
    w.cmdGrpFileSave->click();
    QVERIFY(QFile::exists(saved + QStringLiteral(".grp")));
    QCOMPARE(Dlg::FileDialogTitles(), QStringList{QStringLiteral("Save GRP Data as ...")});

    // Verified against itself: OK; after an edit: the group's number.
    Dlg::QueueFileName(saved + QStringLiteral(".grp"));
    w.cmdGrpFileVerify->click();
    QCOMPARE(Dlg::ShownTexts().last(), kVerifyOk);
    t.GrpData[12][1] = 41;
    Dlg::QueueFileName(saved + QStringLiteral(".grp"));
    w.cmdGrpFileVerify->click();
    QCOMPARE(Dlg::ShownTexts().last(),
             QStringLiteral("Result of Verify - NG\r\n<Unmatched group No.>\r\n Group No. 12,"));

    // A file of ten groups opens with the rest at 0 / 0, which saving refuses.
    QByteArray ten = "\"RE-Z4\",\"GRP\"\r\n10,3\r\n";
    for (int g = 1; g <= 10; ++g)
        ten += "\"" + QByteArray::number(g) + "\",2,3\r\n";
    Dlg::QueueFileName(env.scope.writeFile(QStringLiteral("ten.grp"), ten));
    w.cmdGrpFileOpen->click();
    QCOMPARE(w.txtGrpEndNo[9]->text(), QStringLiteral("3"));
    QCOMPARE(w.txtGrpStartNo[10]->text(), QStringLiteral("0"));
    QCOMPARE(t.GrpData[99], (std::array<int16_t, 2>{0, 0}));
    Dlg::ClearScript();
    w.cmdGrpFileSave->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{kInvalidGrp});
    QVERIFY(Dlg::FileDialogTitles().isEmpty());
}

void TestGrpSmWindows::grpWrongHeaderShownOnce()
{
    Env env;
    GroupWindow w;
    Dlg::QueueFileName(env.scope.writeFile(QStringLiteral("m.grp"), "\"RE-Z4\",\"SM\"\r\n16,2,20\r\n"));
    w.cmdGrpFileOpen->click();
    QCOMPARE(Dlg::ShownTexts(),
             QStringList{QStringLiteral("Not GRP Data file for QZ-TQ7.\r\nOpening file is canceled.")});
    QCOMPARE(w.txtGrpStartNo[0]->text(), QStringLiteral("1"));
}

void TestGrpSmWindows::grpUnreadableFileAfterFourReads()
{
    Env env;
    GroupWindow w;
    const QString path = env.scope.writeFile(QStringLiteral("bad.grp"), "\"RE-Z4\",\"GRP\"\r\n99,3\r\n\"100\",1,1\r\n");
    QElapsedTimer clock;
    clock.start();
    Dlg::QueueFileName(path);
    w.cmdGrpFileOpen->click();
    // Three waits of 100 ms between the four reads.
    QVERIFY(clock.elapsed() >= 290);
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("An error occurred in Reading file.")});
    QCOMPARE(w.txtGrpStartNo[0]->text(), QStringLiteral("1"));
    QVERIFY(!App().FileBusy);
}

void TestGrpSmWindows::grpPrintHandOver()
{
    Env env;
    GroupWindow w;
    auto &t = Tables();
    t.GrpData[7] = {70, 80};
    w.cmdGrpDataPrint->click();
    const auto &h = GrpSmPrint::LastHanded();
    QCOMPARE(h.grpCalls, 1);
    QCOMPARE(h.grpName, QStringLiteral("INDICATED DATA"));
    QCOMPARE(h.grp[7], (std::array<int16_t, 2>{70, 80}));
    QVERIFY(Dlg::Shown().empty()); // no question

    QVERIFY(GrpSm::WriteGrpFile(env.scope.path(QStringLiteral("p.grp"))) == 0);
    t.GrpData[7] = {71, 81};
    Dlg::QueueAnswer(MsgAnswer::Ok);
    Dlg::QueueFileName(env.scope.path(QStringLiteral("p.grp")));
    w.cmdGrpFilePrint->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Printing Group Data saved into the file.")});
    QCOMPARE(h.grpCalls, 2);
    QCOMPARE(h.grpName, QStringLiteral("p.grp"));
    QCOMPARE(h.grp[7], (std::array<int16_t, 2>{70, 80}));

    // Cancel in the question prints nothing.
    Dlg::QueueAnswer(MsgAnswer::Cancel);
    w.cmdGrpFilePrint->click();
    QCOMPARE(h.grpCalls, 2);
}

void TestGrpSmWindows::grpWriteAndVerifyWithController()
{
    Rig rig;
    GroupWindow w;
    auto &t = Tables();
    for (int g = 1; g <= 99; ++g)
        t.GrpData[g] = {int16_t(g), int16_t(g + 100)};
    Dlg::QueueAnswer(MsgAnswer::Yes);
    w.cmdWriteGrp->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Group Data is transmitted to controller,Yes?")});
    const QStringList expected = QStringList{QStringLiteral("0RA"), QStringLiteral("0CM10000")}
                                 + repeated(QStringLiteral("0WG"), 99)
                                 + QStringList{QStringLiteral("0WE3"), QStringLiteral("0CM00000")};
    QCOMPARE(frameCodes(rig.frames()), expected);
    QCOMPARE(rig.model.groups[99], (std::array<int, 2>{99, 199}));
    QVERIFY(!App().BusyFlag);

    Dlg::ClearScript();
    w.cmdGrpCtVerify->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{kVerifyOk});
    rig.model.groups[17] = {1, 1};
    rig.model.groups[3] = {1, 1};
    w.cmdGrpCtVerify->click();
    QCOMPARE(Dlg::ShownTexts().last(),
             QStringLiteral("Result of Verify - NG\r\n<Unmatched group No.>\r\n Group No. 3, 17,"));
    // Verifying changes neither the table nor the window.
    QCOMPARE(t.GrpData[3], (std::array<int16_t, 2>{3, 103}));

    // Reading takes the controller's groups into the window.
    Dlg::QueueAnswer(MsgAnswer::Ok);
    w.cmdReadGrp->click();
    QCOMPARE(w.txtGrpEndNo[2]->text(), QStringLiteral("1"));
    QCOMPARE(t.GrpData[3], (std::array<int16_t, 2>{1, 1}));
}

void TestGrpSmWindows::grpWriteRefusedWhileMoving()
{
    Rig rig;
    GroupWindow w;
    rig.model.moving = true;
    Dlg::QueueAnswer(MsgAnswer::Yes);
    w.cmdWriteGrp->click();
    QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("The writing of data is not made during movement."));
    QCOMPARE(rig.frames(), QStringList{QStringLiteral("0RA")});

    // No at the question sends nothing.
    rig.sim.clearFrames();
    Dlg::QueueAnswer(MsgAnswer::No);
    w.cmdWriteGrp->click();
    QVERIFY(rig.frames().isEmpty());
}

void TestGrpSmWindows::grpWriteFailureSendsNoModeBack()
{
    Rig rig;
    GroupWindow w;
    rig.model.replyFor["0WG32001001"] = "0%%104";
    Dlg::QueueAnswer(MsgAnswer::Yes);
    w.cmdWriteGrp->click();
    QVERIFY(rig.frames().contains(QStringLiteral("0WG32001001")));
    QVERIFY(!rig.frames().contains(QStringLiteral("0WE3")));
    QVERIFY(!rig.frames().contains(QStringLiteral("0CM00000")));
    QVERIFY(!App().BusyFlag);
    QVERIFY(w.cmdWriteGrp->isEnabled());
}

void TestGrpSmWindows::grpReadCancelled()
{
    Rig rig;
    GroupWindow w;
    rig.model.onFrame = [](const QByteArray &f) {
        if (f == "0RG1E")
            App().ComCancelFlag = true;
    };
    for (int g = 1; g <= 99; ++g)
        rig.model.groups[g] = {5, 6};
    Dlg::QueueAnswer(MsgAnswer::Ok);
    w.cmdReadGrp->click();
    QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("Reading of data was stopped."));
    QCOMPARE(w.txtGrpStartNo[0]->text(), QStringLiteral("1"));
    QCOMPARE(Tables().GrpData[1], (std::array<int16_t, 2>{1, 1}));
    QVERIFY(!App().OfflineFlag);

    // A read the controller refuses leaves the program offline.
    rig.model.onFrame = nullptr;
    rig.model.replyFor["0RG01"] = "0%%104";
    Dlg::QueueAnswer(MsgAnswer::Ok);
    w.cmdReadGrp->click();
    QVERIFY(App().OfflineFlag);
    QCOMPARE(Tables().GrpData[1], (std::array<int16_t, 2>{1, 1}));
}

void TestGrpSmWindows::grpCloseRefusedWhileCommandRuns()
{
    Rig rig;
    GroupWindow w;
    w.show();
    int refused = 0, tried = 0;
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f == "0RG05") {
            ++tried;
            if (!w.close())
                ++refused;
        }
    };
    Dlg::QueueAnswer(MsgAnswer::Ok);
    w.cmdReadGrp->click();
    QCOMPARE(tried, 1);
    QCOMPARE(refused, 1);
    QVERIFY(w.isVisible());
    QVERIFY(w.close());
}

// ---- macro window ----------------------------------------------------------

void TestGrpSmWindows::smEndEmptiesData()
{
    Env env;
    validMacros(Tables().SmDataBuf);
    GrpSm::LetSqMcrBufToData();
    SequenceMacroWindow w;           // opening clears the table
    QCOMPARE(w.txtSmData[3]->text(), QString());
    setStep(Tables().SmData, 1, 3, 5, 4);
    w.UpDownSmNo->stepUp();
    w.UpDownSmNo->stepDown();
    QCOMPARE(w.comboSmCommand[3]->currentText(), QStringLiteral("5. TIMER"));
    QCOMPARE(w.txtSmData[3]->text(), QStringLiteral("4"));
    showActive(w);
    w.comboSmCommand[3]->setFocus();
    w.comboSmCommand[3]->setCurrentIndex(0);
    emit w.comboSmCommand[3]->activated(0);
    QCOMPARE(w.txtSmData[3]->text(), QString());
    QCOMPARE(int(Tables().SmData[3][0]), 0);
    QCOMPARE(int(Tables().SmData[3][1]), 0);
}

void TestGrpSmWindows::smTimerDataShowsOneSelected()
{
    Env env;
    SequenceMacroWindow w;
    showActive(w);
    w.comboSmCommand[5]->setFocus();
    w.comboSmCommand[5]->setCurrentIndex(5);
    w.txtSmData[5]->setFocus(); // the command box loses the focus
    QCOMPARE(int(Tables().SmData[5][0]), 5);
    QCOMPARE(w.txtSmData[5]->text(), QStringLiteral("1"));
    QCOMPARE(w.txtSmData[5]->selectedText(), QStringLiteral("1"));
    QCOMPARE(int(Tables().SmData[5][1]), 1);
    QTest::keyClick(w.txtSmData[5], Qt::Key_7);
    QCOMPARE(w.txtSmData[5]->text(), QStringLiteral("7"));
    QCOMPARE(int(Tables().SmData[5][1]), 7);
}

void TestGrpSmWindows::smDataKeys_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("IN-OFF takes 1-4") << 2 << "4" << "4";
    QTest::newRow("IN-OFF refuses 5") << 2 << "5" << "";
    QTest::newRow("IN-OFF refuses 0") << 2 << "0" << "";
    QTest::newRow("TIMER10 takes 9") << 6 << "9" << "9";
    QTest::newRow("TIMER10 refuses a letter") << 6 << "a" << "";
    QTest::newRow("one character only") << 3 << "23" << "2";
    QTest::newRow("END takes nothing") << 0 << "3" << "";
}

void TestGrpSmWindows::smDataKeys()
{
    QFETCH(int, code);
    QFETCH(QString, typed);
    Env env;
    SequenceMacroWindow w;
    setStep(Tables().SmData, 1, 7, code, 1);
    w.UpDownSmNo->stepUp();
    w.UpDownSmNo->stepDown();
    showActive(w);
    QLineEdit *box = w.txtSmData[7];
    box->setFocus();
    box->clear(); // nothing in the box, nothing selected
    QTest::keyClicks(box, typed);
    QTEST(box->text(), "shown");
}

void TestGrpSmWindows::smEnterFromLastStep()
{
    Env env;
    SequenceMacroWindow w;
    showActive(w);
    w.txtSmData[15]->setFocus();
    QTest::keyClick(w.txtSmData[15], Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.comboSmCommand[0]);
    w.txtSmData[3]->setFocus();
    QTest::keyClick(w.txtSmData[3], Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), w.comboSmCommand[4]);
}

void TestGrpSmWindows::smUpDownKeepsEdits()
{
    Env env;
    SequenceMacroWindow w;
    showActive(w);
    w.comboSmCommand[0]->setFocus();
    w.comboSmCommand[0]->setCurrentIndex(1);
    w.txtSmData[0]->setFocus();
    QTest::keyClick(w.txtSmData[0], Qt::Key_3);
    // A command chosen but not left yet belongs to macro 1 as well.
    w.comboSmCommand[1]->setFocus();
    w.comboSmCommand[1]->setCurrentIndex(4);
    w.UpDownSmNo->stepUp();
    QCOMPARE(w.lblSqMacroNo->text(), QStringLiteral("2"));
    QCOMPARE(w.comboSmCommand[0]->currentIndex(), 0);
    QCOMPARE(w.txtSmData[0]->text(), QString());
    w.UpDownSmNo->stepDown();
    QCOMPARE(w.comboSmCommand[0]->currentText(), QStringLiteral("1. IN-ON"));
    QCOMPARE(w.txtSmData[0]->text(), QStringLiteral("3"));
    QCOMPARE(int(Tables().SmData[1][0]), 4);
    QCOMPARE(int(Tables().SmData[0][2]), 0); // macro 2 untouched
    w.UpDownSmNo->setValue(25);
    QCOMPARE(w.lblSqMacroNo->text(), QStringLiteral("20"));
}

void TestGrpSmWindows::smUnknownCodeShowsNoCommand()
{
    Env env;
    SequenceMacroWindow w;
    showActive(w);
    // Macro 2 shows a TIMER 8 in step 1; macro 3 has code 9 there.
    setStep(Tables().SmData, 2, 0, 5, 8);
    setStep(Tables().SmData, 3, 0, 9, 2);
    w.UpDownSmNo->setValue(2);
    QCOMPARE(w.comboSmCommand[0]->currentText(), QStringLiteral("5. TIMER"));
    w.UpDownSmNo->setValue(3);
    QCOMPARE(w.comboSmCommand[0]->currentIndex(), -1);
    QCOMPARE(w.txtSmData[0]->text(), QStringLiteral("2"));
    // Leaving the box stores nothing of another macro.
    w.comboSmCommand[0]->setFocus();
    w.txtSmData[1]->setFocus();
    QCOMPARE(int(Tables().SmData[0][MacroCodeCol(3)]), 9);
    QCOMPARE(int(Tables().SmData[0][MacroCodeCol(3) + 1]), 2);
    // Nothing can be typed for it, and the check refuses it.
    w.txtSmData[0]->setFocus();
    w.txtSmData[0]->selectAll();
    QTest::keyClick(w.txtSmData[0], Qt::Key_1);
    QCOMPARE(w.txtSmData[0]->text(), QStringLiteral("2"));
    QCOMPARE(SmData_Check(), 1);
    QVERIFY(Tables().SmErrNoList.contains(QStringLiteral("<3>,")));
}

void TestGrpSmWindows::smWriteRefusedListsBadMacros()
{
    Rig rig;
    SequenceMacroWindow w;
    validMacros(Tables().SmData);
    setStep(Tables().SmData, 4, 2, 5, 0);
    setStep(Tables().SmData, 12, 9, 6, 0);
    w.cmdWriteSMtoCt->click();
    QCOMPARE(Dlg::ShownTexts(),
             QStringList{QStringLiteral("Invalid data in some of SM Data.\r\n\r\nConfirm the value and try it again.\r\n\r\n"
                                        "SM No. in which the invalid value was found is as follows.\r\n\r\n<4>,<12>,")});
    QVERIFY(rig.frames().isEmpty());
}

void TestGrpSmWindows::smWriteAndVerifyWithController()
{
    Rig rig;
    SequenceMacroWindow w;
    auto &t = Tables();
    validMacros(t.SmData);
    setStep(t.SmData, 20, 15, 15, 3); // stored as a clean END
    bool hourglass = false;
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f == "0CM10000")
            hourglass = TestEnv::Recorder().progress.busyPointer;
    };
    Dlg::QueueAnswer(MsgAnswer::Yes);
    w.cmdWriteSMtoCt->click();
    QVERIFY(hourglass);
    QCOMPARE(TestEnv::Recorder().busyDepth, 0);
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("SM Data is transmitted to controller,Yes?")});
    const QStringList expected = QStringList{QStringLiteral("0RA"), QStringLiteral("0CM10000")}
                                 + repeated(QStringLiteral("0WS"), 20)
                                 + QStringList{QStringLiteral("0WE1"), QStringLiteral("0CM00000")};
    QCOMPARE(frameCodes(rig.frames()), expected);
    QCOMPARE(rig.model.macros[20][15].code, 0);
    QCOMPARE(rig.model.macros[20][15].data, 0);
    QCOMPARE(rig.model.macros[4][3].code, 5);

    Dlg::ClearScript();
    w.cmdSmCTVerify->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{kVerifyOk});
    rig.model.macros[2][0] = {1, 1};
    rig.model.macros[11][5] = {1, 1};
    w.cmdSmCTVerify->click();
    QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("Result of Verify - NG\r\n<Unmatched items>\r\n SM No. 2, 11,"));

    rig.model.moving = true;
    rig.sim.clearFrames();
    Dlg::QueueAnswer(MsgAnswer::Yes);
    w.cmdWriteSMtoCt->click();
    QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("The writing of data is not made during movement."));
    QCOMPARE(rig.frames(), QStringList{QStringLiteral("0RA")});

    // Reading shows the controller's macro.
    rig.model.moving = false;
    rig.model.macros[1][0] = {1, 2};
    Dlg::QueueAnswer(MsgAnswer::Ok);
    w.cmdReadSMfromCt->click();
    QCOMPARE(w.comboSmCommand[0]->currentText(), QStringLiteral("1. IN-ON"));
    QVERIFY(!App().BusyFlag);
}

void TestGrpSmWindows::smFileOpenAndWrongHeader()
{
    Env env;
    SequenceMacroWindow w;
    auto &t = Tables();
    validMacros(t.SmData);
    const QString path = env.scope.path(QStringLiteral("s"));
    Dlg::QueueFileName(path);
    w.cmdSmFileSave->click();
    QCOMPARE(Dlg::FileDialogTitles(), QStringList{QStringLiteral("Save SM Data as ...")});
    QVERIFY(QFile::exists(path + QStringLiteral(".smd")));

    GrpSm::ClearSqMcrData();
    Dlg::QueueFileName(path + QStringLiteral(".smd"));
    w.cmdSmFileOpen->click();
    QCOMPARE(w.comboSmCommand[0]->currentText(), QStringLiteral("5. TIMER"));
    QCOMPARE(t.SmData[15][39], t.SmDataBuf[15][39]);
    QVERIFY(w.UpDownSmNo->isEnabled() && w.cmdSmFileOpen->isEnabled());

    // A group file: its message once, nothing after it.
    Dlg::ClearScript();
    Dlg::QueueFileName(env.scope.writeFile(QStringLiteral("g.smd"), "\"RE-Z4\",\"GRP\"\r\n99,3\r\n"));
    w.cmdSmFileVerify->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Not SM Data file for QZ-TQ7.\r\nOpening file is canceled.")});

    // A file that cannot be read: 931 once.
    Dlg::ClearScript();
    Dlg::QueueFileName(env.scope.path(QStringLiteral("none.smd")));
    w.cmdSmFileOpen->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("An error occurred while opening SM Data file.")});
    QVERIFY(!App().FileBusy);
}

void TestGrpSmWindows::smPrintHandOver()
{
    Env env;
    SequenceMacroWindow w;
    auto &t = Tables();
    validMacros(t.SmData);
    Dlg::QueueAnswer(MsgAnswer::Ok);
    w.cmdSMDispPrint->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Printing SM Data indicated in display.")});
    const auto &h = GrpSmPrint::LastHanded();
    QCOMPARE(h.smCalls, 1);
    QCOMPARE(h.smName, QStringLiteral("INDICATED DATA"));
    QCOMPARE(h.smFirst, 1);
    QCOMPARE(h.smLast, 20);
    QCOMPARE(h.sm[0][MacroCodeCol(20)], t.SmData[0][MacroCodeCol(20)]);

    // A file: no check of the shown data, no question.
    const QString path = env.scope.path(QStringLiteral("pr.smd"));
    QCOMPARE(GrpSm::WriteSqMcrFile(path), 0);
    setStep(t.SmData, 1, 0, 5, 0); // invalid, yet the file prints
    Dlg::ClearScript();
    Dlg::QueueFileName(path);
    w.cmdSMFilePrint->click();
    QVERIFY(Dlg::Shown().empty());
    QCOMPARE(h.smCalls, 2);
    QCOMPARE(h.smName, QStringLiteral("pr.smd"));
    QCOMPARE(h.smFirst, 1);
    QCOMPARE(h.smLast, 20);

    // Cancel in the question prints nothing.
    validMacros(t.SmData);
    Dlg::QueueAnswer(MsgAnswer::Cancel);
    w.cmdSMDispPrint->click();
    QCOMPARE(h.smCalls, 2);
}

QTEST_MAIN(TestGrpSmWindows)
#include "tst_grpsm_windows.moc"
