// The online actuator window's Change and Write against the simulated
// controller: the axis mask, the standard parameters of the chosen
// actuators, the read-back and the re-check of the positions; its refusals;
// and Detail Edit.
#include <QtTest>

#include "app/MainWindow.h"
#include "core/AppState.h"
#include "link/Engine.h"
#include "paradata/ParadataState.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "support/MainScope.h"
#include "sim/SimCommands.h"
#include "sim/SimFull.h"
#include "support/SimOnlineFixture.h"
#include "ui/common/Forms.h"
#include "ui/device/ActuatorWindows.h"
#include "ui/paraedit/SystemParameterWindow.h"
#include "ui/posi/PositionWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace Platform;

namespace {

// Lists of the program's folder: two actuators of size 28, both with PG
// optional; the common list's PG entries differ with and without PG.
const char *kDevices = "2\r\n"
                       "\" 28L-050\",2,400,1,1\r\n"
                       "\" 28L-100\",2,400,1,1\r\n";
const char *kAxisList = "\"RE-Z4\",\"QZ-STDPRM\",2,0\r\n"
                        "\" 28L-050\",200,50,20,10,10,0,10000,2,400,20,0,\" 28L050\"\r\n"
                        "\" 28L-100\",200,50,20,10,10,0,20000,2,400,20,0,\" 28L100\"\r\n";
const char *kCommon =
    "\"RE-Z4\",\"QZ-CMNPRM\",3\r\n"
    "\"PG\",2,3\r\n"
    "\"FUNCTION\",0,1\r\n"
    "\"ALM\",100,200\r\n"
    "\"ETC\",9,3\r\n"
    "\"HOME OUT\",0,0\r\n\"GRP ENABLE\",0,0\r\n\"SM TIMEOUT\",0,0\r\n\"SM TIMER\",10,0\r\n"
    "\"ZONE ENABLE\",0,0\r\n\"ZONE1\",0,0\r\n\"ZONE2\",0,0\r\n\"IN-P WID\",5,0\r\n\"HOLD TIME\",7,0\r\n"
    "\"SPECIAL\",10,3\r\n"
    "\"Auto start\",0,0\r\n\"AXIS\",15,0\r\n\"AUTO HOME\",0,0\r\n\"PG TIMER\",3,0\r\n\"LS TIMER\",4,0\r\n"
    "\"SOFT LIMIT\",1,0\r\n\"EMG LOGIC\",0,0\r\n\"ALM1 CLEAR\",0,0\r\n\"POS/PRG\",0,0\r\n\"PPUT Write\",0,0\r\n";

// The whole simulated controller with four " 28L" 100 mm axes, the PC the
// same, online; the lists above in the program's folder.
struct Rig {
    SimOnline::Fixture f{true};
    SimCmdModel model;
    Rig()
    {
        SimFull::InstallAll(f.sim, model);
        // SM TIMER in its range, so the controller's own values pass the
        // range check with the standard values.
        SimOnline::SetBlockField(f.sim, 0, 5, 1, 10);
        SetAppFolder(f.env.dir());
        f.env.writeSjis(QStringLiteral("nqzdevice.lst"), QString::fromLatin1(kDevices));
        f.env.writeSjis(QStringLiteral("tq7nqzstpr.lst"), QString::fromLatin1(kAxisList));
        f.env.writeSjis(QStringLiteral("tq7cmstpr.lst"), QString::fromLatin1(kCommon));
        App().OfflineFlag = false;
        App().AxisCount = 4;
        App().AxisNotUsed = {false, false, false, false};
        Paradata().ParaSet.ParaSpAxis = 0xF;
        Paradata().BlockStepWaitMs = 0;
        PosiGrid::ResetGrid();
    }
    QStringList frames(const char *code) const { return f.sim.framesOf(code); }
};

// The window with `count` axes chosen and every axis on " 28L" of `stroke`.
OnlineActuatorWindow *openWindow(int count, int stroke = 100)
{
    auto *w = new OnlineActuatorWindow;
    w->show();
    w->comboAxisSelect->setCurrentIndex(count - 1);
    w->comboAxisSelect_Click();
    for (int a = 0; a < 4; ++a)
        w->comboDeviceStroke[a]->setEditText(QString::number(stroke));
    return w;
}

QStringList heads(const QStringList &frames)
{
    QStringList out;
    for (const QString &f : frames)
        out << f.left(4);
    return out;
}

} // namespace

class TestDeviceWrite : public QObject {
    Q_OBJECT
private slots:
    void writesMaskAndStandardBlocks_data();
    void writesMaskAndStandardBlocks();
    void pgEntriesFollowTheBox_data();
    void pgEntriesFollowTheBox();
    void movingAxesStopAtTheState();
    void restJudgedOnAxesInUse_data();
    void restJudgedOnAxesInUse();
    void unknownActuatorSendsNothing();
    void positionsRecheckedAfterWrite_data();
    void positionsRecheckedAfterWrite();
    void positionWindowComesForwardInPlace();
    void detailEditOpensParameterWindow();
};

void TestDeviceWrite::writesMaskAndStandardBlocks_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("blocks"); // parameter blocks written after block 0
    QTest::newRow("one axis") << 1 << "01" << QStringList{"0WD1", "0WD3", "0WD4"};
    QTest::newRow("four axes") << 4 << "0F"
                               << QStringList{"0WD1", "0WD3", "0WD4", "0WD6", "0WD7", "0WD9", "0WDA", "0WDC",
                                              "0WDD"};
}

void TestDeviceWrite::writesMaskAndStandardBlocks()
{
    QFETCH(int, count);
    QFETCH(QString, mask);
    QFETCH(QStringList, blocks);
    Rig r;
    QPointer<OnlineActuatorWindow> w = openWindow(count);
    w->cmdPrmCtWrite->click();
    const QStringList all = r.frames("");
    QCOMPARE(all.value(0), QStringLiteral("0RA"));
    QCOMPARE(all.value(1), QStringLiteral("0CM10000"));
    const QStringList writes = r.frames("0WD");
    QCOMPARE(writes.value(0).left(4), QStringLiteral("0WD0"));
    QCOMPARE(writes.value(0).mid(6, 2), mask);
    QCOMPARE(heads(writes.mid(1)), blocks);
    QCOMPARE(r.frames("0WE"), QStringList{"0WE"});
    QVERIFY(all.contains(QStringLiteral("0CM00000")));
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(1527)});
    for (int a = 0; a < 4; ++a)
        QCOMPARE(App().AxisNotUsed[a], a >= count);
    QCOMPARE(int(Paradata().ParaSet.ParaSpAxis), mask.toInt(nullptr, 16));
    QVERIFY(!App().BusyFlag);
    QTRY_VERIFY(w.isNull());
}

void TestDeviceWrite::pgEntriesFollowTheBox_data()
{
    QTest::addColumn<bool>("withPg");
    QTest::addColumn<bool>("otherBoxes"); // the vertical and new/old boxes ticked
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("alarm");
    QTest::newRow("with PG") << true << false << 1 << 200;
    QTest::newRow("without PG") << false << false << 0 << 100;
    QTest::newRow("vertical and old boxes change nothing") << false << true << 0 << 100;
}

void TestDeviceWrite::pgEntriesFollowTheBox()
{
    QFETCH(bool, withPg);
    QFETCH(bool, otherBoxes);
    QFETCH(int, function);
    QFETCH(int, alarm);
    Rig r;
    QPointer<OnlineActuatorWindow> w = openWindow(1);
    QVERIFY(w->chkDevPgUse[0]->isVisibleTo(w));
    w->chkDevPgUse[0]->setChecked(withPg);
    w->chkDevVType[0]->setChecked(otherBoxes);
    w->chkNewOrOld[0]->setChecked(otherBoxes);
    w->cmdPrmCtWrite->click();
    QCOMPARE(Dialogs::ShownTexts().last(), ResText(1527));
    // What the controller holds, as read back.
    const auto &set = Paradata().ParaSet;
    QCOMPARE(int(set.ParaPgFunction[0]), function);
    QCOMPARE(set.ParaPgAlm[0].toInt32(), std::optional<int32_t>(alarm));
    QCOMPARE(set.ParaAxisStroke[0].toInt32(), std::optional<int32_t>(20000));
    QVERIFY(Paradata().ActuatorSetting.NewTypeFlag[0]);
    QVERIFY(Paradata().ActuatorSetting.ActuatorVertical[0]);
}

void TestDeviceWrite::movingAxesStopAtTheState()
{
    Rig r;
    r.model.moving = true;
    QPointer<OnlineActuatorWindow> w = openWindow(2);
    w->cmdPrmCtWrite->click();
    QCOMPARE(r.frames(""), QStringList{"0RA"});
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(424)});
    QVERIFY(!App().BusyFlag);
    QTRY_VERIFY(w.isNull());
}

// A stroke the standard list lacks: message 36 before anything is sent, so
// the controller keeps its axis mask and parameters.
void TestDeviceWrite::restJudgedOnAxesInUse_data()
{
    QTest::addColumn<int>("spAxis"); // the parameter set's SP AXIS
    QTest::addColumn<bool>("moving");
    // A .pmt of one axis opened while a two-axis controller answers "0RA3".
    QTest::newRow("SP AXIS 1, two axes at rest") << 1 << false;
    QTest::newRow("SP AXIS 15, two axes at rest") << 15 << false;
    QTest::newRow("SP AXIS 1, an axis moving") << 1 << true;
}

// Whether the axes stand still is judged on the axes in use, whatever the
// parameter set's SP AXIS says.
void TestDeviceWrite::restJudgedOnAxesInUse()
{
    QFETCH(int, spAxis);
    QFETCH(bool, moving);
    Rig r;
    r.f.sim.model().axisMask = 0x3;
    r.model.moving = moving;
    App().AxisCount = 2;
    App().AxisNotUsed = {false, false, true, true};
    Paradata().ParaSet.ParaSpAxis = int16_t(spAxis);
    QPointer<OnlineActuatorWindow> w = openWindow(2);
    w->cmdPrmCtWrite->click();
    QCOMPARE(r.frames("").value(0), QStringLiteral("0RA"));
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(moving ? 424 : 1527)});
    QCOMPARE(r.frames("0WE").size(), moving ? 0 : 1);
    QTRY_VERIFY(w.isNull());
}

void TestDeviceWrite::unknownActuatorSendsNothing()
{
    Rig r;
    App().OfflineFlag = true;
    QPointer<OnlineActuatorWindow> w = openWindow(2, 300);
    w->cmdPrmCtWrite->click();
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(36)});
    QVERIFY(r.frames("").isEmpty());
    QVERIFY(App().OfflineFlag);
    QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, false, false, false}));
    QTRY_VERIFY(w.isNull());
}

void TestDeviceWrite::positionsRecheckedAfterWrite_data()
{
    QTest::addColumn<bool>("positions"); // the grid holds positions 1 and 2
    QTest::addColumn<int>("stroke");     // of the new actuator, mm
    QTest::addColumn<QList<int>>("messages");
    QTest::newRow("empty grid") << false << 50 << QList<int>{1527};
    QTest::newRow("positions fit") << true << 100 << QList<int>{1527};
    QTest::newRow("beyond the new limit") << true << 50 << QList<int>{1526, 1527};
}

void TestDeviceWrite::positionsRecheckedAfterWrite()
{
    QFETCH(bool, positions);
    QFETCH(int, stroke);
    QFETCH(QList<int>, messages);
    Rig r;
    App().DispMmUnit = true;
    if (positions) {
        PosiTables::InitPosiData();
        App().DispNoStart = 1;
        App().DispNoEnd = 2;
        PosiGrid::FillGridByMode();
        // 75 mm on axis 1: inside a 100 mm stroke, beyond a 50 mm one.
        PosiGrid::Grid().SetText(PosiGrid::RowOf(1, 1), 4, PosiGrid::MmText(75));
    }
    QPointer<OnlineActuatorWindow> w = openWindow(1, stroke);
    w->cmdPrmCtWrite->click();
    QStringList texts;
    for (int id : messages)
        texts << ResText(id);
    QCOMPARE(Dialogs::ShownTexts(), texts);
    QCOMPARE(Paradata().MaxPulse[0], stroke * 200);
    // Taken over in pulses of the new actuator when every position fits.
    if (positions && messages.size() == 1)
        QCOMPARE(Posi().PosiData[1][PosiField::Position(0)].val(), 15000.0);
    QTRY_VERIFY(w.isNull());
}

// Another child window active: the position window becomes the active one
// without any window moving, and its positions are checked.
void TestDeviceWrite::positionWindowComesForwardInPlace()
{
    Rig r;
    MainScope s;
    s.main.show();
    QMdiSubWindow *posi = s.main.ShowChild(s.main.PosiWindow());
    QMdiSubWindow *other = s.main.ShowChild(new SystemParameterWindow);
    posi->move(40, 30);
    other->move(90, 70);
    other->mdiArea()->setActiveSubWindow(other);
    App().DispMmUnit = true;
    PosiTables::InitPosiData();
    App().DispNoStart = 1;
    App().DispNoEnd = 2;
    PosiGrid::FillGridByMode();
    PosiGrid::Grid().SetText(PosiGrid::RowOf(1, 1), 4, PosiGrid::MmText(75));
    QPointer<OnlineActuatorWindow> w = openWindow(1, 50);
    w->cmdPrmCtWrite->click();
    QCOMPARE(Dialogs::ShownTexts(), (QStringList{ResText(1526), ResText(1527)}));
    QCOMPARE(s.main.ActiveChild(), static_cast<QWidget *>(s.main.PosiWindow()));
    QCOMPARE(posi->pos(), QPoint(40, 30));
    QCOMPARE(other->pos(), QPoint(90, 70));
}

void TestDeviceWrite::detailEditOpensParameterWindow()
{
    Rig r;
    MainScope s;
    QPointer<OnlineActuatorWindow> w = openWindow(2);
    w->comboDeviceStroke[1]->setEditText(QStringLiteral("50"));
    w->cmdDetail->click();
    QTRY_VERIFY(w.isNull());
    QCOMPARE(Paradata().ActuatorSetting.ActuatorStroke[1], 50);
    QVERIFY(r.frames("").isEmpty());
    QVERIFY(s.main.Timer2->isActive());
    QCOMPARE(s.main.Timer2->interval(), 1000);
    QVERIFY(Forms::Named(QStringLiteral("ParameterWindow")).isEmpty());
    s.main.Timer2_Timer();
    QCOMPARE(Forms::Named(QStringLiteral("ParameterWindow")).size(), 1);
}

QTEST_MAIN(TestDeviceWrite)
#include "tst_device_write.moc"
