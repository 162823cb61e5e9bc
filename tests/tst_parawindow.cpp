// The parameter window: its load and its one instance, how it opens and
// closes, the special-parameter switch, the controller-mode notice, the SP
// AXIS question, typing into its boxes, and a read from the simulated
// controller shown in it.
#include <QtTest>

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "link/Versions.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "support/MainScope.h"
#include "support/MemoryParaFace.h"
#include "support/SimOnlineFixture.h"
#include "support/TestEnv.h"
#include "ui/paraedit/ParameterWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using ParaForm::Ctl;
using namespace Platform;

namespace {

QLineEdit *edit(ParameterWindow *w, Ctl c, int axis = 0) { return qobject_cast<QLineEdit *>(w->Widget(c, axis)); }
QComboBox *combo(ParameterWindow *w, Ctl c, int axis = 0) { return qobject_cast<QComboBox *>(w->Widget(c, axis)); }

// The window shown as a top-level window with the focus, so focus moves are
// real.
ParameterWindow *shownWindow()
{
    ParameterWindow *w = ParameterWindow::Instance();
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        qWarning("window not active");
    return w;
}

void focusTo(QWidget *w)
{
    w->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

void closeInstance()
{
    if (ParameterWindow *w = ParameterWindow::Existing()) {
        App().BusyFlag = false;
        App().FileBusy = false;
        delete w;
    }
}

} // namespace

class TestParaWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeInstance(); }

    void loadBeforeAnyRead();
    void viewCommandRaisesWithoutNewLoad();
    void hiddenUseCreatesWithoutShowing();
    void closeRefusedWhileBusy_data();
    void closeRefusedWhileBusy();
    void commandSetSwitched();
    void specialSwitch_data();
    void specialSwitch();
    void posPrgNoticeOnlyOnClick();
    void spAxisQuestion_data();
    void spAxisQuestion();
    void typingRules();
    void enterChain();
    void focusLossChecks();
    void focusLossToAnotherWindowIgnored();
    void displayAndTakeInThroughWindow();
    void readFromControllerFillsWindow();
};

void TestParaWindow::loadBeforeAnyRead()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    ParameterWindow *w = ParameterWindow::Instance();
    QVERIFY(!w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Parameter"));
    for (int a = 0; a < 4; ++a) {
        QCOMPARE(combo(w, Ctl::comboAxisAutoDrv, a)->itemText(0), QStringLiteral("0. Drive-ON"));
        QCOMPARE(combo(w, Ctl::comboZoneEnable, a)->itemText(2), QStringLiteral("2. Outside"));
        QCOMPARE(combo(w, Ctl::comboZoneEnable, a)->itemData(2).toInt(), 2);
        QCOMPARE(combo(w, Ctl::comboSoftLimit, a)->count(), 2);
        QCOMPARE(w->Text(Ctl::comboAxisAutoDrv, a), QString());
        QCOMPARE(w->Text(Ctl::txtHomeOffset, a), QString());
        QCOMPARE(w->Text(Ctl::comboActSize, a), QString());
        QVERIFY(!w->Widget(Ctl::txtPgCheckTimer, a)->isEnabled());
        QVERIFY(w->IsGrey(Ctl::txtPgCheckTimer, a));
        QVERIFY(!w->Widget(Ctl::comboSoftLimit, a)->isEnabled());
    }
    QCOMPARE(combo(w, Ctl::comboOneAxis)->itemText(3), QStringLiteral("AXIS4"));
    QCOMPARE(combo(w, Ctl::comboAutoHome)->count(), 2);
    QVERIFY(!w->Widget(Ctl::comboOneAxis)->isEnabled());
    QVERIFY(!w->OptionButton(Ctl::optEmgLogic, 0)->isEnabled());
    QCOMPARE(w->OptionButton(Ctl::optEmgLogic, 0)->text(), QStringLiteral("Logic A"));
    QCOMPARE(w->OptionButton(Ctl::optPosPrg, 1)->text(), QStringLiteral("PRG"));
    QCOMPARE(w->Option(Ctl::optPosPrg), -1);
    QCOMPARE(w->SSTabPrm->currentIndex(), 1);
    QCOMPARE(w->SSTabPrm->tabText(0), QStringLiteral("FILE"));
    QCOMPARE(w->SSTabPrm->tabText(1), QStringLiteral("CONTROLLER"));
    QCOMPARE(w->SSTabPrm->tabText(2), QStringLiteral("Print/Etc"));
    QCOMPARE(w->cmdParaRead->text(), QStringLiteral("Read from C/T"));
    QVERIFY(!w->cmdCalculate->isVisible() && !w->cmdCalculate->isEnabled());
    QVERIFY(!w->Widget(Ctl::txtAxisStroke, 0)->isVisibleTo(w));
    // The actuator lists are built from the device list, their text empty.
    QVERIFY(combo(w, Ctl::comboActSize, 0)->count() > 0);
    // One window only.
    QCOMPARE(ParameterWindow::Instance(), w);
}

void TestParaWindow::viewCommandRaisesWithoutNewLoad()
{
    TestEnv::Scope env;
    MainScope ms;
    ms.main.mnuViewParameter_Click();
    ParameterWindow *w = ParameterWindow::Existing();
    QVERIFY(w);
    QVERIFY(App().ParaWinOpen);
    QVERIFY(!w->isHidden());
    w->SetText(Ctl::txtHomeOffset, 0, QStringLiteral("123"));
    ms.main.mnuViewParameter_Click();
    QCOMPARE(ParameterWindow::Existing(), w);
    QCOMPARE(w->Text(Ctl::txtHomeOffset, 0), QStringLiteral("123")); // no second load
    // The hidden Setting command shows the same window, leaving the flag.
    App().ParaWinOpen = false;
    Dialogs::QueueAnswer(MsgAnswer::Yes);
    ms.main.mnuSettingParameter_Click();
    QCOMPARE(ParameterWindow::Existing(), w);
    QVERIFY(!App().ParaWinOpen);
    delete w;
    QVERIFY(!ParameterWindow::Existing());
    // Answered No: nothing created.
    Dialogs::QueueAnswer(MsgAnswer::No);
    ms.main.mnuSettingParameter_Click();
    QVERIFY(!ParameterWindow::Existing());
}

void TestParaWindow::hiddenUseCreatesWithoutShowing()
{
    TestEnv::Scope env;
    MainScope ms;
    QVERIFY(!ParameterWindow::Existing());
    // The parameter file's save asks through the shell: the window is
    // created, loaded and left hidden; its empty fields refuse the save.
    QCOMPARE(ParaFile::SaveParaFileDlg(), 1);
    ParameterWindow *w = ParameterWindow::Existing();
    QVERIFY(w);
    QVERIFY(!w->isVisible());
    QCOMPARE(Dialogs::ShownTexts().value(0), ResLines({7, 8}));
    // A field that does not fit its table stops the save with 9 / 10.
    Comm::Versions().CtAxisCount = 4;
    FillValidParaFields(*w);
    w->SetText(Ctl::txtHomePush, 2, QStringLiteral("99999"));
    QCOMPARE(ParaFile::SaveParaFileDlg(), 1);
    QCOMPARE(Dialogs::ShownTexts().value(1), ResLines({9, 10}));
    QVERIFY(!w->isVisible());
}

void TestParaWindow::closeRefusedWhileBusy_data()
{
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("fileBusy");
    QTest::newRow("BusyFlag") << true << false;
    QTest::newRow("FileBusy") << false << true;
}

void TestParaWindow::closeRefusedWhileBusy()
{
    QFETCH(bool, busy);
    QFETCH(bool, fileBusy);
    TestEnv::Scope env;
    MainScope ms;
    ms.main.mnuViewParameter_Click();
    QPointer<ParameterWindow> w = ParameterWindow::Existing();
    QMdiSubWindow *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget());
    QVERIFY(sub);
    App().BusyFlag = busy;
    App().FileBusy = fileBusy;
    QVERIFY(!sub->close());
    QVERIFY(w);
    QVERIFY(Dialogs::ShownTexts().isEmpty());
    App().BusyFlag = false;
    App().FileBusy = false;
    QVERIFY(sub->close());
    QTRY_VERIFY(!w);
    QVERIFY(!App().ParaWinOpen);
    // The next use loads a new window.
    QVERIFY(ParameterWindow::Instance());
}

void TestParaWindow::commandSetSwitched()
{
    TestEnv::Scope env;
    ParameterWindow *w = ParameterWindow::Instance();
    w->SetText(Ctl::txtHomeOffset, 0, QStringLiteral("5"));
    CommandSets::DisableCommandsOfAllWindows();
    for (QPushButton *b : w->CommandButtons())
        QVERIFY(!b->isEnabled());
    QVERIFY(!w->SSTabPrm->isEnabled());
    QVERIFY(w->Widget(Ctl::txtHomeOffset, 0)->isEnabled()); // fields stay
    CommandSets::EnableCommandsOfAllWindows();
    QVERIFY(w->cmdParaRead->isEnabled());
    QVERIFY(w->SSTabPrm->isEnabled());
    QVERIFY(!w->cmdCalculate->isVisible());
}

void TestParaWindow::specialSwitch_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("unlocked");
    QTest::newRow("No") << int(MsgAnswer::No) << false;
    QTest::newRow("Yes") << int(MsgAnswer::Yes) << true;
}

void TestParaWindow::specialSwitch()
{
    QFETCH(int, answer);
    QFETCH(bool, unlocked);
    TestEnv::Scope env;
    App().AxisNotUsed = {false, false, false, true};
    ParameterWindow *w = ParameterWindow::Instance();
    Dialogs::QueueAnswer(MsgAnswer(answer));
    w->chkSpecialParaChange->click();
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResLines({671, 672})});
    QCOMPARE(Dialogs::Shown().front().buttons, MsgButtons::YesNo);
    QCOMPARE(w->chkSpecialParaChange->isChecked(), unlocked);
    for (int a = 0; a < 3; ++a) {
        QCOMPARE(w->Widget(Ctl::txtPgCheckTimer, a)->isEnabled(), unlocked);
        QCOMPARE(w->IsGrey(Ctl::comboSoftLimit, a), !unlocked);
    }
    QVERIFY(!w->Widget(Ctl::txtLsSerchTimer, 3)->isEnabled()); // axis not in use
    QCOMPARE(w->Widget(Ctl::comboOneAxis)->isEnabled(), unlocked);
    QCOMPARE(w->Widget(Ctl::txtAutoStartPrgNo)->isEnabled(), unlocked);
    QCOMPARE(w->OptionButton(Ctl::optStopPause, 1)->isEnabled(), unlocked);
    QCOMPARE(w->OptionButton(Ctl::optEmgLogic, 0)->isEnabled(), unlocked);
    // Unticking locks again without a question.
    if (unlocked) {
        w->chkSpecialParaChange->click();
        QCOMPARE(Dialogs::ShownTexts().size(), 1);
        QVERIFY(!w->Widget(Ctl::txtPgCheckTimer, 0)->isEnabled());
        QVERIFY(!w->OptionButton(Ctl::optEmgLogic, 0)->isEnabled());
    }
}

void TestParaWindow::posPrgNoticeOnlyOnClick()
{
    TestEnv::Scope env;
    ParameterWindow *w = ParameterWindow::Instance();
    Paradata().ParaSet.ParaPosPrg = 1;
    w->ShowParameters();
    QCOMPARE(w->Option(Ctl::optPosPrg), 1);
    QVERIFY(Dialogs::ShownTexts().isEmpty());
    QVERIFY(w->PicturePosPrg->isEnabled());
    w->OptionButton(Ctl::optPosPrg, 0)->click();
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(634)});
    QCOMPARE(w->Option(Ctl::optPosPrg), 0);
}

void TestParaWindow::spAxisQuestion_data()
{
    QTest::addColumn<int>("entry");  // chosen in the list, -1 none
    QTest::addColumn<int>("answer"); // to 630, -1 not asked
    QTest::addColumn<int>("shown");  // entry shown afterwards
    QTest::addColumn<bool>("axis3Emptied");
    QTest::newRow("AXIS3: nothing asked") << 2 << -1 << 2 << false;
    QTest::newRow("AXIS2, OK") << 1 << int(MsgAnswer::Ok) << 1 << true;
    QTest::newRow("AXIS2, Cancel") << 1 << int(MsgAnswer::Cancel) << 2 << false;
    QTest::newRow("no selection, Cancel") << -1 << int(MsgAnswer::Cancel) << 2 << false;
}

void TestParaWindow::spAxisQuestion()
{
    QFETCH(int, entry);
    QFETCH(int, answer);
    QFETCH(int, shown);
    QFETCH(bool, axis3Emptied);
    TestEnv::Scope env;
    Paradata().ParaSet.ParaSpAxis = 7;
    ParameterWindow *w = ParameterWindow::Instance();
    FillValidParaFields(*w);
    w->SetListIndex(Ctl::comboOneAxis, 0, entry);
    if (answer >= 0)
        Dialogs::QueueAnswer(MsgAnswer(answer));
    w->comboOneAxis_LostFocus();
    QCOMPARE(Dialogs::ShownTexts().size(), answer >= 0 ? 1 : 0);
    if (answer >= 0) {
        QCOMPARE(Dialogs::ShownTexts().front(), ResText(630));
        QCOMPARE(Dialogs::Shown().front().buttons, MsgButtons::OkCancel);
    }
    QCOMPARE(w->ListIndex(Ctl::comboOneAxis, 0), shown);
    QCOMPARE(w->Text(Ctl::txtHomeOffset, 2).isEmpty(), axis3Emptied);
    QVERIFY(!w->Text(Ctl::txtHomeOffset, 1).isEmpty());
    QCOMPARE(int(Paradata().ParaSet.ParaSpAxis), 7);
}

void TestParaWindow::typingRules()
{
    TestEnv::Scope env;
    ParameterWindow *w = shownWindow();
    QLineEdit *offset = edit(w, Ctl::txtHomeOffset);
    focusTo(offset);
    QTest::keyClicks(offset, QStringLiteral("12a-3.456"));
    QCOMPARE(offset->text(), QStringLiteral("12345")); // letters, signs, the point and a sixth digit dropped
    offset->selectAll();
    QTest::keyClicks(offset, QStringLiteral("7"));
    QCOMPARE(offset->text(), QStringLiteral("7")); // over a selection
    QTest::keyClick(offset, Qt::Key_Backspace);
    QCOMPARE(offset->text(), QString());
    QLineEdit *seq = edit(w, Ctl::txtHomeOrder, 1);
    focusTo(seq);
    QTest::keyClicks(seq, QStringLiteral("05"));
    QCOMPARE(seq->text(), QStringLiteral("5"));
    QLineEdit *zone = edit(w, Ctl::txtMmZone1, 2);
    focusTo(zone);
    QTest::keyClicks(zone, QStringLiteral("12.3456"));
    QCOMPARE(zone->text(), QStringLiteral("12.3456"));
}

void TestParaWindow::enterChain()
{
    TestEnv::Scope env;
    ParameterWindow *w = shownWindow();
    focusTo(edit(w, Ctl::txtHomeVel, 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->Widget(Ctl::txtHomeVel, 2));
    focusTo(edit(w, Ctl::txtHomeOrder, 3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->Widget(Ctl::txtAxisMmStroke, 0)); // the visible STROKE box
    focusTo(edit(w, Ctl::txtPushHoldTime, 3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->Widget(Ctl::txtHomeOffset, 0));
    // SP unlocked; axis 3 without actuator: its PG TIMER box cannot take
    // the focus and is passed over.
    App().AxisNotUsed[2] = true;
    Dialogs::QueueAnswer(MsgAnswer::Yes);
    w->chkSpecialParaChange->click();
    focusTo(edit(w, Ctl::txtPushHoldTime, 3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->Widget(Ctl::comboOneAxis));
    focusTo(edit(w, Ctl::txtPgCheckTimer, 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->Widget(Ctl::txtPgCheckTimer, 3));
    focusTo(edit(w, Ctl::txtLsSerchTimer, 3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->Widget(Ctl::txtHomeOffset, 0));
}

void TestParaWindow::focusLossChecks()
{
    TestEnv::Scope env;
    ParameterWindow *w = shownWindow();
    QLineEdit *vel = edit(w, Ctl::txtHomeVel);
    QLineEdit *other = edit(w, Ctl::txtInpLimit);
    focusTo(vel);
    const int beeps = w->BeepCount();
    vel->setText(QStringLiteral("61"));
    focusTo(other);
    QCOMPARE(vel->text(), QString());
    QCOMPARE(w->BeepCount(), beeps + 1);
    focusTo(vel);
    vel->setText(QStringLiteral("60"));
    focusTo(other);
    QCOMPARE(vel->text(), QStringLiteral("60"));
    // An empty OFFSET beeps, an empty IN-P WID does not.
    focusTo(edit(w, Ctl::txtHomeOffset));
    focusTo(other);
    QCOMPARE(w->BeepCount(), beeps + 2);
    focusTo(edit(w, Ctl::txtHomeOffset));
    QCOMPARE(w->BeepCount(), beeps + 2);
    // Pasted far too large: emptied, nothing breaks.
    QLineEdit *push = edit(w, Ctl::txtHomePush, 1);
    focusTo(push);
    push->setText(QStringLiteral("99999999"));
    focusTo(other);
    QCOMPARE(push->text(), QString());
    // ZONE1 at LEAD 6, PULSE 400, STROKE 120 mm.
    FillValidParaFields(*w);
    QLineEdit *zone = edit(w, Ctl::txtMmZone1, 1);
    focusTo(zone);
    zone->setText(QStringLiteral("12.3456"));
    focusTo(other);
    QCOMPARE(w->Text(Ctl::txtZoneSet1, 1), QStringLiteral("823"));
    QCOMPARE(zone->text(), QStringLiteral(" 12.345"));
    // STROKE with PULSE empty: the two lines, the box emptied.
    w->SetText(Ctl::txtAxisPulse, 0, QString());
    QLineEdit *stroke = edit(w, Ctl::txtAxisMmStroke, 0);
    focusTo(stroke);
    stroke->setText(QStringLiteral("100"));
    focusTo(other);
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResLines({694, 695})});
    QCOMPARE(stroke->text(), QString());
}

void TestParaWindow::focusLossToAnotherWindowIgnored()
{
    TestEnv::Scope env;
    ParameterWindow *w = ParameterWindow::Instance();
    QLineEdit *vel = edit(w, Ctl::txtHomeVel);
    vel->setText(QStringLiteral("61"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(vel, &away);
    QCOMPARE(vel->text(), QStringLiteral("61"));
    QFocusEvent inside(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(vel, &inside);
    QCOMPARE(vel->text(), QString());
}

void TestParaWindow::displayAndTakeInThroughWindow()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    auto &s = Paradata();
    auto &p = s.ParaSet;
    for (int a = 0; a < 4; ++a) {
        p.ParaAxisLead[a] = 6;
        p.ParaAxisPulse[a] = 400;
        p.ParaAxisStroke[a] = ValueCell(8000);
    }
    p.ParaAxisLead[1] = 0;
    p.ParaAxisPulse[2] = 40000;
    p.ParaEmgLogic = 1;
    p.ParaSpAxis = 5;
    p.ParaZoneEnable[3] = 1;
    ParameterWindow *w = ParameterWindow::Instance();
    w->ShowParameters();
    QCOMPARE(w->Text(Ctl::txtAxisMmStroke, 0), QStringLiteral("120.000"));
    QCOMPARE(w->Text(Ctl::txtAxisMmStroke, 1), QString());
    QCOMPARE(w->Text(Ctl::txtAxisPulse, 2), QStringLiteral("40000"));
    QCOMPARE(w->Text(Ctl::txtAxisMmStroke, 2), QStringLiteral("  1.200"));
    QCOMPARE(w->Text(Ctl::comboZoneEnable, 3), QStringLiteral("1. Inside"));
    QVERIFY(w->OptionButton(Ctl::optEmgLogic, 0)->isChecked()); // "Logic A"
    QCOMPARE(w->Text(Ctl::comboOneAxis, 0), QStringLiteral("AXIS1"));
    QCOMPARE(w->Text(Ctl::txtOneAxis, 0), QStringLiteral("5"));
    // Taken in: mask 5 comes back as 1.
    Comm::Versions().CtAxisCount = 4;
    FillValidParaFields(*w);
    QCOMPARE(w->CheckParametersPresent(), 0);
    QCOMPARE(w->TakeInParameterValues(), 0);
    QCOMPARE(w->CheckParameterValues(), 0);
    QCOMPARE(int(p.ParaSpAxis), 15);
    w->SetListIndex(Ctl::comboOneAxis, 0, 0);
    QCOMPARE(w->TakeInParameterValues(), 0);
    QCOMPARE(int(p.ParaSpAxis), 1);
}

void TestParaWindow::readFromControllerFillsWindow()
{
    SimOnline::Fixture f(true);
    App().OfflineFlag = false;
    SimOnline::SetBlockField(f.sim, 0, 1, 1, 0x7); // three axes
    ParameterWindow *w = ParameterWindow::Instance();
    w->cmdParaRead->click();
    QVERIFY(Dialogs::ShownTexts().isEmpty()); // empty fields: no save offer
    const auto &s = Paradata();
    QVERIFY(App().AxisNotUsed[3]);
    for (int a = 0; a < 3; ++a) {
        QCOMPARE(w->Text(Ctl::txtAxisLead, a), QString::number(s.ParaSet.ParaAxisLead[a]));
        QCOMPARE(w->Text(Ctl::txtAxisPulse, a), QStringLiteral("400"));
        QCOMPARE(w->Text(Ctl::comboActSize, a), QStringLiteral(" 28"));
        QVERIFY(!w->Text(Ctl::txtAxisMmStroke, a).isEmpty());
        QVERIFY(!w->IsGrey(Ctl::txtHomeOffset, a));
    }
    QCOMPARE(w->Text(Ctl::txtHomeOffset, 3), QString());
    QVERIFY(w->IsGrey(Ctl::txtHomeOffset, 3));
    QCOMPARE(w->Text(Ctl::txtOneAxis, 0), QStringLiteral("7"));
    QCOMPARE(w->ListIndex(Ctl::comboOneAxis, 0), 2);
    QVERIFY(w->cmdParaRead->isEnabled());
    // Every field of the axes in use is filled, and takes in.
    Comm::Versions().CtAxisCount = 4;
    QCOMPARE(w->CheckParametersPresent(), 0);
    QCOMPARE(w->TakeInParameterValues(), 0);
    QCOMPARE(s.ParaSet.ParaAxisStroke[0].toDouble().value_or(-1), 20000.0);
}

QTEST_MAIN(TestParaWindow)
#include "tst_parawindow.moc"
