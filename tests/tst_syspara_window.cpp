// The system parameter window against the simulated controller: the read
// into its 72 boxes, the checks before a write, the write's frames and its
// refusals, and the window's guard while a transfer runs.
#include <QtTest>

#include "app/MainWindow.h"
#include "core/AppState.h"
#include "link/Engine.h"
#include "link/SysParaBlocks.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "support/MainScope.h"
#include "sim/SimCommands.h"
#include "sim/SimFull.h"
#include "support/SimOnlineFixture.h"
#include "ui/common/Forms.h"
#include "ui/paraedit/SystemParameterWindow.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace Platform;

namespace {

// The whole simulated controller, the program online.
struct Rig {
    SimOnline::Fixture f;
    SimCmdModel model;
    Rig()
    {
        SimFull::InstallAll(f.sim, model);
        App().OfflineFlag = false;
        // The axes present, as going online leaves them.
        Paradata().ParaSet.ParaSpAxis = 0xF;
    }
    QList<QByteArray> frames() const { return f.sim.frames(); }
};

// Every box filled with a value that passes.
void fillAll(SystemParameterWindow &w, const QString &text = QStringLiteral("1"))
{
    for (QLineEdit *t : w.txtSystemPara)
        t->setText(text);
}

QString lines(std::initializer_list<int> ids) { return ResLines(ids); }

} // namespace

class TestSysParaWindow : public QObject {
    Q_OBJECT
private slots:
    void readShowsDecimals();
    void checksBeforeWrite_data();
    void checksBeforeWrite();
    void noAtQuestionSendsNothing();
    void movingAxesStopBeforeModeSwitch();
    void restJudgedOnAxesInUse_data();
    void restJudgedOnAxesInUse();
    void writeSendsBlocksAndHoldsTheWindow();
    void reopenedWindowIsEmpty();
};

void TestSysParaWindow::readShowsDecimals()
{
    Rig r;
    // Block 0: item 1 = 0x012C, item 8 = 0xFFFF; block 3: item 48 = 0xFF;
    // block 6: item 72 = 0x1234.
    r.f.sim.model().sysBlocks[0] = "012C" + QByteArray(24, '0') + "FFFF";
    r.f.sim.model().sysBlocks[3] = QByteArray(30, '0') + "FF";
    r.f.sim.model().sysBlocks[6] = QByteArray(28, '0') + "1234";
    SystemParameterWindow w;
    w.cmdReadFromCt_Click();
    QList<QByteArray> reads;
    for (int b = 0; b < 7; ++b)
        reads << "0RK" + QByteArray::number(b);
    QCOMPARE(r.frames(), reads);
    QCOMPARE(w.txtSystemPara[0]->text(), QStringLiteral("300"));
    QCOMPARE(w.txtSystemPara[7]->text(), QStringLiteral("65535"));
    QCOMPARE(w.txtSystemPara[47]->text(), QStringLiteral("255"));
    QCOMPARE(w.txtSystemPara[71]->text(), QStringLiteral("4660"));
    QCOMPARE(w.txtSystemPara[30]->text(), QStringLiteral("0"));
    QVERIFY(!App().BusyFlag);
    QVERIFY(w.cmdWritetoCt->isEnabled());
}

void TestSysParaWindow::checksBeforeWrite_data()
{
    QTest::addColumn<int>("box");      // txtSystemPara index (item box + 1)
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused"); // with 1524 / 1525, nothing sent
    QTest::addColumn<QByteArray>("block"); // the block frame that carries it
    QTest::newRow("current down 255") << 16 << "255" << false << QByteArray("0WK2FF") + QByteArray("01").repeated(15);
    QTest::newRow("current down 256") << 16 << "256" << true << QByteArray();
    QTest::newRow("full current 65535") << 0 << "65535" << false << QByteArray("0WK0FFFF" + QByteArray("0001").repeated(7));
    QTest::newRow("full current 65536") << 0 << "65536" << true << QByteArray();
    QTest::newRow("push -1") << 48 << "-1" << true << QByteArray();
    QTest::newRow("other item 65536") << 71 << "65536" << true << QByteArray();
    QTest::newRow("letters") << 64 << "abc" << true << QByteArray();
    QTest::newRow("hexadecimal literal") << 64 << "&H10" << false << QByteArray("0WK60010" + QByteArray("0001").repeated(7));
}

void TestSysParaWindow::checksBeforeWrite()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(bool, refused);
    QFETCH(QByteArray, block);
    Rig r;
    SystemParameterWindow w;
    fillAll(w);
    w.txtSystemPara[size_t(box)]->setText(text);
    w.cmdWritetoCt_Click();
    if (refused) {
        QCOMPARE(Dialogs::ShownTexts().last(), lines({1524, 1525}));
        QVERIFY(r.frames().isEmpty());
    } else {
        QVERIFY(r.frames().contains(block));
        QCOMPARE(Dialogs::ShownTexts().last(), ResText(1527));
    }
}

void TestSysParaWindow::noAtQuestionSendsNothing()
{
    Rig r;
    SystemParameterWindow w;
    fillAll(w);
    Dialogs::QueueAnswer(MsgAnswer::No);
    w.cmdWritetoCt_Click();
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(475)});
    QVERIFY(r.frames().isEmpty());
    QVERIFY(w.cmdWritetoCt->isEnabled());
}

void TestSysParaWindow::movingAxesStopBeforeModeSwitch()
{
    Rig r;
    r.model.moving = true;
    SystemParameterWindow w;
    fillAll(w);
    w.cmdWritetoCt_Click();
    QCOMPARE(r.frames(), QList<QByteArray>{"0RA"});
    QCOMPARE(Dialogs::ShownTexts().last(), ResText(424));
}

void TestSysParaWindow::restJudgedOnAxesInUse_data()
{
    QTest::addColumn<int>("spAxis");   // the parameter set's SP AXIS
    QTest::addColumn<bool>("moving");
    QTest::addColumn<bool>("written");
    // A .pmt of one axis opened while a two-axis controller answers "0RA3".
    QTest::newRow("SP AXIS 1, two axes at rest") << 1 << false << true;
    QTest::newRow("SP AXIS 15, two axes at rest") << 15 << false << true;
    QTest::newRow("SP AXIS 1, an axis moving") << 1 << true << false;
}

// Whether the axes stand still is judged on the axes in use, whatever the
// parameter set's SP AXIS says; that SP AXIS is left as it was.
void TestSysParaWindow::restJudgedOnAxesInUse()
{
    QFETCH(int, spAxis);
    QFETCH(bool, moving);
    QFETCH(bool, written);
    Rig r;
    r.f.sim.model().axisMask = 0x3;
    r.model.moving = moving;
    App().AxisNotUsed = {false, false, true, true};
    Paradata().ParaSet.ParaSpAxis = int16_t(spAxis);
    SystemParameterWindow w;
    fillAll(w);
    w.cmdWritetoCt_Click();
    QCOMPARE(r.frames().value(0), QByteArray("0RA"));
    QCOMPARE(Dialogs::ShownTexts().last(), ResText(written ? 1527 : 424));
    QCOMPARE(r.frames().contains("0WF"), written);
    QCOMPARE(int(Paradata().ParaSet.ParaSpAxis), spAxis);
}

// The frames in order, the read table following the write, and the guard:
// while the write runs BusyFlag is set and neither the close box nor the
// close button closes the window.
void TestSysParaWindow::writeSendsBlocksAndHoldsTheWindow()
{
    Rig r;
    SystemParameterWindow w;
    w.show();
    fillAll(w, QStringLiteral("7"));
    bool busySeen = false, closedDuringWrite = false;
    // The user tries to close the window while the store command is out.
    r.f.sim.addCommand("0WF", [&](SimController &, const QByteArray &) -> std::optional<QByteArray> {
        busySeen = App().BusyFlag;
        w.close();
        w.cmdCloseSysPara_Click();
        closedDuringWrite = !w.isVisible();
        return QByteArray("0WF");
    });
    w.cmdWritetoCt_Click();
    QList<QByteArray> sent;
    for (const QByteArray &f : r.frames())
        sent << f.left(4);
    QCOMPARE(sent, (QList<QByteArray>{"0RA", "0CM1", "0WK0", "0WK1", "0WK2", "0WK3", "0WK4", "0WK5",
                                      "0WK6", "0WF", "0CM0"}));
    QCOMPARE(r.frames()[1], QByteArray("0CM10000"));
    QCOMPARE(r.frames().last(), QByteArray("0CM00000"));
    QCOMPARE(Dialogs::ShownTexts().last(), ResText(1527));
    QVERIFY(busySeen);
    QVERIFY(!closedDuringWrite);
    QVERIFY(!App().BusyFlag);
    QCOMPARE(Comm::SysPara().SysParaReadValue[40].toInt32(), std::optional<int32_t>(7));
    // Afterwards the button closes it.
    w.cmdCloseSysPara_Click();
    QVERIFY(!w.isVisible());
}

void TestSysParaWindow::reopenedWindowIsEmpty()
{
    Rig r;
    MainScope s;
    s.main.mnuViewSysPara_Click();
    QPointer<SystemParameterWindow> w = qobject_cast<SystemParameterWindow *>(Forms::Find(QStringLiteral("SystemParameterWindow")));
    QVERIFY(w);
    w->cmdReadFromCt_Click();
    QCOMPARE(w->txtSystemPara[5]->text(), QStringLiteral("0"));
    w->cmdCloseSysPara_Click();
    QTRY_VERIFY(w.isNull());
    s.main.mnuViewSysPara_Click();
    w = qobject_cast<SystemParameterWindow *>(Forms::Find(QStringLiteral("SystemParameterWindow")));
    QVERIFY(w);
    for (QLineEdit *t : w->txtSystemPara)
        QVERIFY(t->text().isEmpty());
    r.f.sim.clearFrames();
    w->cmdWritetoCt_Click();
    QCOMPARE(Dialogs::ShownTexts().last(), lines({7, 8}));
    QVERIFY(r.frames().isEmpty());
}

QTEST_MAIN(TestSysParaWindow)
#include "tst_syspara_window.moc"
