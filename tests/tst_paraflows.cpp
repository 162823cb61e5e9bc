// The parameter window's commands with the controller and with files:
// writing (with the axis arbitration and the take-over of the written
// setting), verifying against the controller and a file, File open and
// save, and the standard values of the chosen actuators.
#include <QtTest>

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "link/Engine.h"
#include "link/Versions.h"
#include "paradata/ParaFile.h"
#include "paradata/ParaVerify.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "support/Choices.h"
#include "support/MemoryParaFace.h"
#include "sim/SimCommands.h"
#include "support/SimOnlineFixture.h"
#include "sim/SimParaBlocks.h"
#include "support/TestEnv.h"
#include "ui/device/ActuatorWindows.h"
#include "ui/paraedit/ParameterWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using ParaForm::Ctl;
using namespace Platform;

Q_DECLARE_METATYPE(ValueCell)

namespace {

QString completion() { return ResText(1527) + QStringLiteral("\r\n\r\n") + ResLines({492, 497}); }

// The frames as the checks name them: a block write by its block
// ("0WD3"), everything else whole.
QList<QByteArray> shortFrames(const SimController &sim)
{
    QList<QByteArray> out;
    for (const QByteArray &f : sim.frames())
        out << (f.startsWith("0WD") ? f.left(4) : f);
    return out;
}

bool anyModeSwitch(const SimController &sim)
{
    for (const QByteArray &f : sim.frames())
        if (f.startsWith("0CM") && f.size() == 8)
            return true;
    return false;
}


// A command set that only counts the walk's calls: another open window.
struct OtherWindow : CommandSets::CommandSet {
    OtherWindow() { CommandSets::Register(this); }
    ~OtherWindow() override { CommandSets::Unregister(this); }
    void CommandsOff() override { on = false; }
    void CommandsOn() override { on = true; }
    bool on = true;
};

// Every field of the window's used axes and the single fields, by control.
QStringList fieldTexts(const ParameterWindow &w)
{
    QStringList out;
    for (int i = 0; i < ParaForm::kCtlCount; ++i) {
        const Ctl c = Ctl(i);
        const int n = ParaForm::Info(c).perAxis ? 4 : 1;
        for (int a = 0; a < n; ++a)
            if (!ParaForm::Info(c).perAxis || !App().AxisNotUsed[size_t(a)])
                out << w.Text(c, a);
    }
    return out;
}

// A parameter set whose every row equals the table built from it.
struct SetAndTable {
    ParaSetData set;
    ParaTable table;
    SetAndTable()
    {
        for (int a = 0; a < 4; ++a) {
            set.ParaAxisLead[size_t(a)] = 6;
            set.ParaActuator[size_t(a)] = ValueCell(QStringLiteral(" 28L100"));
            set.ParaHomeOffset[size_t(a)] = ValueCell(1.5);
        }
        set.ParaHomeOut = 3;
        for (int row = 1; row <= 34; ++row)
            for (int a = 0; a < 4; ++a)
                table[size_t(row)][size_t(a)] = ParaFile::ParaSetCell(set, row, a);
    }
};

} // namespace

class TestParaFlows : public QObject {
    Q_OBJECT
private slots:
    void init() { Choices::Clear(); }

    // ---- the comparison
    void compare_data();
    void compare();
    void sameValue_data();
    void sameValue();

    // ---- writing
    void writeSequence();
    void writeRefused_data();
    void writeRefused();
    void axesDiffer_data();
    void axesDiffer();
    void writeFromOffline_data();
    void writeFromOffline();
    void takeOverFindsPositionsOutOfRange();
    void restJudgedOnAxesInUse_data();
    void restJudgedOnAxesInUse();
    void refusedFieldTakesFocus_data();
    void refusedFieldTakesFocus();

    // ---- verifying
    void verifyAgainstController();
    void verifyStopsBeforeReading_data();
    void verifyStopsBeforeReading();

    // ---- files and standard values
    void saveThenOpen();
    void openRefusesOtherFiles_data();
    void openRefusesOtherFiles();
    void standardValues_data();
    void standardValues();
};

// ---------------------------------------------------------------- the comparison

void TestParaFlows::compare_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("expected"); // the result text after its first line; "" = OK
    QTest::newRow("equal") << "" << "";
    QTest::newRow("LEAD on axes 1 and 4") << "lead14" << "<AXIS Parameter> :LEAD(1),LEAD(4),\r\n";
    QTest::newRow("scalars only") << "scalars"
                                  << "<Etc Parameter> :HOME OUT,SM TIMER,\r\n<SP Parameter> :AXIS,PPUT Write\r\n";
    QTest::newRow("unused axis") << "unused" << "";
    QTest::newRow("axis order within a section")
        << "order" << "<HOME Parameter> :OFFSET(1),SEQ(3),\r\n<Etc Parameter> :HOLD TIME(2),\r\n";
    QTest::newRow("actuator text") << "actuator" << "<AXIS Parameter> :ACTUATOR(2),\r\n";
}

void TestParaFlows::compare()
{
    QFETCH(QString, change);
    QFETCH(QString, expected);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    SetAndTable st;
    PerAxis<bool> notUsed{false, false, false, false};
    auto &t = st.table;
    if (change == QLatin1String("lead14")) {
        t[8][0] = ValueCell(2);
        t[8][3] = ValueCell(10);
    } else if (change == QLatin1String("scalars")) {
        t[16][0] = ValueCell(4);
        t[19][0] = ValueCell(9);
        t[26][0] = ValueCell(7);
        t[34][0] = ValueCell(1);
    } else if (change == QLatin1String("unused")) {
        notUsed = {false, true, false, false};
        t[8][1] = ValueCell(2);
        t[1][1] = ValueCell(7);
    } else if (change == QLatin1String("order")) {
        t[6][2] = ValueCell(3);
        t[1][0] = ValueCell(2.5);
        t[24][1] = ValueCell(99);
    } else if (change == QLatin1String("actuator")) {
        t[13][1] = ValueCell(QStringLiteral(" 28L200"));
    }
    ParaVerify::ChangeLog log;
    const bool changed = ParaVerify::Compare(st.set, t, notUsed, log);
    QCOMPARE(changed, !expected.isEmpty());
    QVERIFY(log[5].isEmpty());
    const QString text = ParaVerify::ResultText(changed ? 1 : 0, log);
    if (expected.isEmpty())
        QCOMPARE(text, QStringLiteral("Result of Verify - OK"));
    else
        QCOMPARE(text, QStringLiteral("Result of Verify - NG\r\n") + expected);
    QCOMPARE(ParaVerify::ResultText(-1, log), QStringLiteral("Error"));
}

void TestParaFlows::sameValue_data()
{
    QTest::addColumn<ValueCell>("set");
    QTest::addColumn<ValueCell>("cell");
    QTest::addColumn<bool>("same");
    QTest::newRow("numbers") << ValueCell(2.5) << ValueCell(2.5) << true;
    QTest::newRow("numbers differ") << ValueCell(2) << ValueCell(3) << false;
    QTest::newRow("empty cell is 0") << ValueCell(0) << ValueCell() << true;
    QTest::newRow("empty cell is not 1") << ValueCell(1) << ValueCell() << false;
    QTest::newRow("number text") << ValueCell(6) << ValueCell(QStringLiteral("6")) << true;
    QTest::newRow("texts") << ValueCell(QStringLiteral(" 28L100")) << ValueCell(QStringLiteral(" 28L100")) << true;
    QTest::newRow("texts differ") << ValueCell(QStringLiteral(" 28L100")) << ValueCell(QStringLiteral(" 28H100"))
                                  << false;
    QTest::newRow("text against number") << ValueCell(QStringLiteral("abc")) << ValueCell(0) << false;
}

void TestParaFlows::sameValue()
{
    QFETCH(ValueCell, set);
    QFETCH(ValueCell, cell);
    QFETCH(bool, same);
    QCOMPARE(ParaVerify::SameValue(set, cell), same);
}

// ---------------------------------------------------------------- writing

namespace {

// Online with the simulated controller, axes 1 and 2 in use on a four-axis
// model, the window filled with valid values.
struct WriteWorld {
    SimOnline::Fixture f{true};
    SimCmdModel cmd;
    ParameterWindow w;
    explicit WriteWorld(int ctMask = 0x3)
    {
        InstallCommandSim(f.sim, cmd);
        SimOnline::SetAxes(f.sim, ctMask);
        Paradata().BlockStepWaitMs = 0;
        App().OfflineFlag = false;
        App().AxisNotUsed = {false, false, true, true};
        App().AxisCount = 2;
        Comm::Versions().CtAxisCount = 4;
        w.MarkValidAxes();
        FillValidParaFields(w);
        w.SetListIndex(Ctl::comboOneAxis, 0, 1); // SP AXIS: axes 1 and 2
    }
    // The n-th "0RD" (1-based) gets an error reply; the others the blocks.
    void failRead(int n)
    {
        auto count = std::make_shared<int>(0);
        f.sim.addCommand("0RD", [count, n](SimController &s, const QByteArray &fr) -> std::optional<QByteArray> {
            if (++*count == n)
                return QByteArray("0%%104");
            return "0RD" + fr.mid(3, 1) + SimParaBlocks::Block(s, fr.mid(3, 1).toInt(nullptr, 16));
        });
    }
};

} // namespace

void TestParaFlows::writeSequence()
{
    WriteWorld world;
    App().PrgModeFlag = false;
    Dialogs::QueueAnswer(MsgAnswer::Yes); // 470
    Dialogs::QueueAnswer(MsgAnswer::Yes); // 685
    world.w.cmdParaWrite->click();

    const QList<QByteArray> frames = shortFrames(world.f.sim);
    const int ra = int(frames.indexOf("0RA"));
    QVERIFY(ra > 0);
    const QList<QByteArray> before = frames.mid(0, ra);
    QVERIFY(before.indexOf("0RD1") >= 0);
    QVERIFY(before.indexOf("0RD1") < before.lastIndexOf("0RD0"));
    QVERIFY(before.lastIndexOf("0RD0") < before.indexOf("0RV"));
    const QList<QByteArray> expected{"0RA",  "0CM10000", "0WD0", "0WD1", "0WD3", "0WD4", "0WD5",
                                     "0WD6", "0WD7",     "0WD8", "0WE2", "0CM00000"};
    QCOMPARE(frames.mid(ra, expected.size()), expected);
    // Yes at 685: everything read back, the written actuators taken over.
    const QList<QByteArray> after = frames.mid(ra + expected.size());
    QVERIFY(after.contains("0RD0"));
    QVERIFY(after.contains("0RD7"));
    QVERIFY(!after.contains("0RDA"));
    QCOMPARE(Paradata().DevSetting.DevLead[0], int16_t(6));
    QCOMPARE(Paradata().MaxPulse[1], 8000);
    QVERIFY(!TestEnv::Recorder().deviceLabels[0].isEmpty());
    QVERIFY(TestEnv::Recorder().statusText.isEmpty());

    QCOMPARE(Dialogs::ShownTexts(), (QStringList{ResText(470), ResText(685), completion()}));
    QCOMPARE(SimParaBlocks::StoreCount(world.f.sim), 1);
    QCOMPARE(SimOnline::BlockField(world.f.sim, 4, 1, 1), 6u); // axis 1's LEAD as the window held it
    QVERIFY(!App().BusyFlag);
    QVERIFY(world.w.cmdParaWrite->isEnabled());
}

void TestParaFlows::writeRefused_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("shown");  // message texts, in order
    QTest::addColumn<bool>("written");       // blocks stored ("0WE2")
    QTest::addColumn<bool>("modeSwitched");  // "0CM" + five digits sent

    QTest::newRow("No at 470") << "no" << QStringList{ResText(470)} << false << false;
    QTest::newRow("an empty field") << "empty" << QStringList{ResText(470), ResLines({7, 8})} << false << false;
    QTest::newRow("a value out of range") << "range" << QStringList{ResText(470), ResLines({1524, 1525})} << false
                                          << false;
    QTest::newRow("four axes on a three-axis model, No")
        << "threeAxes" << QStringList{ResText(470), ResLines({631, 632, 633})} << false << false;
    QTest::newRow("four axes on a three-axis model, Yes")
        << "threeAxesYes" << QStringList{ResText(470), ResLines({631, 632, 633}), ResText(685), completion()} << true
        << true;
    QTest::newRow("an axis moving") << "moving" << QStringList{ResText(470), ResText(424)} << false << false;
    QTest::newRow("block 1 not read") << "block1" << QStringList{} << false << false;
    QTest::newRow("block write fails") << "blockWrite" << QStringList{} << false << true;
    QTest::newRow("No at 685") << "no685" << QStringList{ResText(470), ResText(685), completion()} << true << true;
    QTest::newRow("read-back fails") << "readBack" << QStringList{} << true << true;
}

void TestParaFlows::writeRefused()
{
    QFETCH(QString, how);
    QFETCH(QStringList, shown);
    QFETCH(bool, written);
    QFETCH(bool, modeSwitched);
    WriteWorld world;
    const QString comm = ResText(377);
    Dialogs::QueueAnswer(how == QLatin1String("no") ? MsgAnswer::No : MsgAnswer::Yes);
    if (how == QLatin1String("empty")) {
        world.w.SetText(Ctl::txtHomeVel, 1, QString());
    } else if (how == QLatin1String("range")) {
        world.w.SetText(Ctl::txtHomePush, 0, QStringLiteral("300"));
    } else if (how.startsWith(QLatin1String("threeAxes"))) {
        world.f.sim.model().modelCode = "S3M";
        world.w.chkSpecialParaChange->setChecked(true);
        world.w.SetListIndex(Ctl::comboOneAxis, 0, 3);
        Dialogs::QueueAnswer(how == QLatin1String("threeAxes") ? MsgAnswer::No : MsgAnswer::Yes);
        Dialogs::QueueAnswer(MsgAnswer::Yes); // 685
    } else if (how == QLatin1String("moving")) {
        world.cmd.moving = true;
    } else if (how == QLatin1String("block1")) {
        world.failRead(1);
    } else if (how == QLatin1String("blockWrite")) {
        world.f.sim.addFault("0WD", SimFaultRule{SimFault::ErrorReply, 20, {}}, 1);
    } else if (how == QLatin1String("no685")) {
        Dialogs::QueueAnswer(MsgAnswer::No);
    } else if (how == QLatin1String("readBack")) {
        Dialogs::QueueAnswer(MsgAnswer::Yes);
        // Reads 1 (block 1) and 2 (axis mask) before the write; then the
        // read-back's axis mask, and its first block fails.
        world.failRead(4);
    }
    world.w.cmdParaWrite_Click();

    const QStringList texts = Dialogs::ShownTexts();
    if (!shown.isEmpty()) {
        QCOMPARE(texts, shown);
    } else {
        // The link's own message comes first; the write's says 377 and no
        // completion follows.
        QVERIFY(!texts.contains(completion()));
        if (how != QLatin1String("readBack"))
            QCOMPARE(texts.last(), comm);
    }
    QCOMPARE(SimParaBlocks::StoreCount(world.f.sim) > 0, written);
    QCOMPARE(anyModeSwitch(world.f.sim), modeSwitched);
    if (how == QLatin1String("no")) {
        QVERIFY(world.f.sim.frames().isEmpty());
        QCOMPARE(Paradata().ParaSet.ParaAxisLead[0], int16_t(0)); // nothing taken in
    }
    if (how == QLatin1String("blockWrite"))
        QVERIFY(!world.f.sim.frames().contains("0CM00000")); // left in its writing mode
    if (how == QLatin1String("readBack"))
        QVERIFY(world.f.sim.frames().contains("0CM00000"));
    QVERIFY(!App().BusyFlag);
    QVERIFY(world.w.cmdParaWrite->isEnabled());
}

void TestParaFlows::axesDiffer_data()
{
    QTest::addColumn<int>("choice");      // 0 PC-Soft, 1 Controller, -1 Cancel
    QTest::addColumn<bool>("fails");      // the mask write / the axis read fails
    QTest::newRow("PC-Soft") << 0 << false;
    QTest::newRow("Controller") << 1 << false;
    QTest::newRow("cancelled") << -1 << false;
    QTest::newRow("PC-Soft, mask write fails") << 0 << true;
    QTest::newRow("Controller, axis read fails") << 1 << true;
}

void TestParaFlows::axesDiffer()
{
    QFETCH(int, choice);
    QFETCH(bool, fails);
    WriteWorld world(0x7); // the controller has axes 1 to 3
    Dialogs::QueueAnswer(MsgAnswer::Yes); // 470
    Dialogs::QueueAnswer(MsgAnswer::No);  // 685
    Choices::Queue({choice});
    if (fails && choice == 0)
        world.f.sim.addFault("0WD", SimFaultRule{SimFault::ErrorReply, 20, {}}, 1);
    if (fails && choice == 1)
        world.failRead(3); // block 1, the comparison's block 0, then the axis read

    world.w.cmdParaWrite_Click();

    QCOMPARE(Choices::Asked(), QStringList{ResText(472)});
    const QList<QByteArray> frames = shortFrames(world.f.sim);
    if (choice < 0 || fails) {
        QVERIFY(!frames.contains("0RA"));
        QVERIFY(!anyModeSwitch(world.f.sim));
        QVERIFY(!Dialogs::ShownTexts().contains(completion()));
        if (fails)
            QCOMPARE(Dialogs::ShownTexts().last(), ResText(377));
        return;
    }
    QCOMPARE(Dialogs::ShownTexts().last(), completion());
    if (choice == 0) {
        // The PC's mask written into block 0 before anything else.
        const int maskWrite = int(frames.indexOf("0WD0"));
        QVERIFY(maskWrite < frames.indexOf("0RA"));
        QCOMPARE(world.f.sim.frames().at(maskWrite).mid(6, 2), QByteArray("03"));
        QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, false, true, true}));
        QVERIFY(!frames.contains("0WD9"));
    } else {
        QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, false, false, true}));
        QVERIFY(frames.contains("0WD9")); // axis 3's blocks go out
        QVERIFY(!frames.contains("0WDC"));
    }
}

void TestParaFlows::restJudgedOnAxesInUse_data()
{
    QTest::addColumn<int>("axisIndex"); // the SP AXIS list's entry
    QTest::addColumn<int>("spAxis");    // the SP AXIS written
    // The two-axis controller answers "0RA3".
    QTest::newRow("SP AXIS 1") << 0 << 1;
    QTest::newRow("SP AXIS 15") << 3 << 15;
}

// Whether the axes stand still is judged on the axes in use; the SP AXIS
// taken from the window is what is written.
void TestParaFlows::restJudgedOnAxesInUse()
{
    QFETCH(int, axisIndex);
    QFETCH(int, spAxis);
    WriteWorld world;
    world.w.SetListIndex(Ctl::comboOneAxis, 0, axisIndex);
    Dialogs::QueueAnswer(MsgAnswer::Yes); // 470
    Dialogs::QueueAnswer(MsgAnswer::No);  // 685
    world.w.cmdParaWrite_Click();
    QCOMPARE(Dialogs::ShownTexts().last(), completion());
    QCOMPARE(SimParaBlocks::StoreCount(world.f.sim), 1);
    QCOMPARE(int(Paradata().ParaSet.ParaSpAxis), spAxis);
}

void TestParaFlows::refusedFieldTakesFocus_data()
{
    QTest::addColumn<QStringList>("typed"); // "control axis text", in the order typed
    QTest::addColumn<QString>("field");     // the field that takes the focus
    QTest::addColumn<int>("axis");
    QTest::newRow("PUSH of axis 1") << QStringList{"txtHomePush 0 300"} << "txtHomePush" << 0;
    QTest::newRow("the first in the window's order")
        << QStringList{"txtHomeOfsVel 1 61", "txtInpLimit 0 256"} << "txtInpLimit" << 0;
    QTest::newRow("a stroke beyond its pulses") << QStringList{"txtAxisMmStroke 1 9999"} << "txtAxisMmStroke" << 1;
    QTest::newRow("an actuator stroke list") << QStringList{"comboActStroke 1 700"} << "comboActStroke" << 1;
    QTest::newRow("SM TIMER 0 as read") << QStringList{"txtSmTimeoutTimer 0 0"} << "txtSmTimeoutTimer" << 0;
}

// The write refuses with its message as ever; the field it refused first
// then has the focus with its text selected, ready to be typed over.
void TestParaFlows::refusedFieldTakesFocus()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, field);
    QFETCH(int, axis);
    WriteWorld world;
    world.w.show();
    world.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&world.w));
    for (const QString &t : typed) {
        const QStringList parts = t.split(QLatin1Char(' '));
        world.w.SetText(*ParaForm::CtlByName(parts[0]), parts[1].toInt(), parts[2]);
    }
    world.w.cmdParaWrite->setFocus();
    Dialogs::QueueAnswer(MsgAnswer::Yes); // 470
    world.w.cmdParaWrite_Click();

    QCOMPARE(Dialogs::ShownTexts(), (QStringList{ResText(470), ResLines({1524, 1525})}));
    QVERIFY(!world.f.sim.frames().contains("0RA"));
    QWidget *expected = world.w.Widget(*ParaForm::CtlByName(field), axis);
    QVERIFY(expected);
    QWidget *focused = world.w.focusWidget();
    QVERIFY(focused == expected || expected->isAncestorOf(focused));
    auto *edit = qobject_cast<QLineEdit *>(expected);
    if (auto *list = qobject_cast<QComboBox *>(expected))
        edit = list->lineEdit();
    QVERIFY(edit);
    QVERIFY(!edit->text().isEmpty());
    QCOMPARE(edit->selectedText(), edit->text());
}

void TestParaFlows::writeFromOffline_data()
{
    QTest::addColumn<bool>("portOpens");
    QTest::newRow("goes online and stays") << true;
    QTest::newRow("the port will not open") << false;
}

void TestParaFlows::writeFromOffline()
{
    QFETCH(bool, portOpens);
    WriteWorld world;
    App().OfflineFlag = true;
    if (!portOpens) {
        qputenv("REZ4_PORT7", "/nonexistent/rez4-port");
        App().PortNo = 7;
    }
    Dialogs::QueueAnswer(MsgAnswer::Yes); // 470
    Dialogs::QueueAnswer(MsgAnswer::No);  // 685
    world.w.cmdParaWrite_Click();
    const QString portText = Comm::PortOpenFailureText();
    qunsetenv("REZ4_PORT7");
    QCOMPARE(App().OfflineFlag, !portOpens);
    QCOMPARE(SimParaBlocks::StoreCount(world.f.sim), portOpens ? 1 : 0);
    // A port that will not open is said once, after the question.
    QCOMPARE(Dialogs::ShownTexts().last(), portOpens ? completion() : portText);
    if (!portOpens)
        QCOMPARE(Dialogs::ShownTexts().count(portText), 1);
    // Ended before the fields were taken in.
    if (!portOpens)
        QCOMPARE(Paradata().ParaSet.ParaAxisLead[0], int16_t(0));
}

void TestParaFlows::takeOverFindsPositionsOutOfRange()
{
    WriteWorld world;
    PosiGrid::ResetGrid();
    ResetPosiState();
    App().PrgModeFlag = false;
    App().DispMmUnit = true;
    PosiTables::InitPosiData();
    App().DispNoStart = 1;
    App().DispNoEnd = 2;
    PosiGrid::FillGridByMode();
    // Beyond the written stroke of axis 1 (8000 pulses, 120 mm).
    PosiGrid::Grid().SetText(2, 4, QStringLiteral("150.000"));
    Dialogs::QueueAnswer(MsgAnswer::Yes);
    Dialogs::QueueAnswer(MsgAnswer::Yes);
    world.w.cmdParaWrite_Click();
    const QStringList texts = Dialogs::ShownTexts();
    QCOMPARE(texts.mid(texts.size() - 2), (QStringList{ResText(1526), completion()}));
}

// ---------------------------------------------------------------- verifying

void TestParaFlows::verifyAgainstController()
{
    WriteWorld world;
    Dialogs::QueueAnswer(MsgAnswer::Yes);
    Dialogs::QueueAnswer(MsgAnswer::No);
    world.w.cmdParaWrite_Click();
    QCOMPARE(Dialogs::ShownTexts().last(), completion());
    Dialogs::ClearScript();

    // What was written reads back the same.
    world.w.cmdCompareCT_Click();
    QCOMPARE(Dialogs::ShownTexts(), QStringList{QStringLiteral("Result of Verify - OK")});

    // A single value changed in the window: only its section, no axis number.
    Dialogs::ClearScript();
    world.w.SetText(Ctl::txtHomeOut, 0, QStringLiteral("5"));
    world.w.cmdCompareCT_Click();
    QCOMPARE(Dialogs::ShownTexts(),
             QStringList{QStringLiteral("Result of Verify - NG\r\n<Etc Parameter> :HOME OUT,\r\n")});
    QVERIFY(!App().BusyFlag);
}

void TestParaFlows::verifyStopsBeforeReading_data()
{
    QTest::addColumn<bool>("againstFile");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("controller, empty field") << false << "empty" << QStringList{ResLines({7, 8})};
    QTest::newRow("file, empty field") << true << "empty" << QStringList{ResLines({7, 8})};
    QTest::newRow("file, Cancel at 679") << true << "cancel679" << QStringList{ResText(679)};
    QTest::newRow("file, dialog cancelled") << true << "cancelDialog" << QStringList{ResText(679)};
}

void TestParaFlows::verifyStopsBeforeReading()
{
    QFETCH(bool, againstFile);
    QFETCH(QString, how);
    QFETCH(QStringList, shown);
    WriteWorld world;
    OtherWindow other;
    const ParaTable before = Paradata().ParaFileTable;
    if (how == QLatin1String("empty"))
        world.w.SetText(Ctl::txtAxisLead, 1, QString());
    if (how == QLatin1String("cancel679"))
        Dialogs::QueueAnswer(MsgAnswer::Cancel);
    if (againstFile)
        world.w.cmdCompareFile_Click();
    else
        world.w.cmdCompareCT_Click();
    QCOMPARE(Dialogs::ShownTexts(), shown);
    QVERIFY(world.f.sim.frames().isEmpty());
    QCOMPARE(Dialogs::FileDialogTitles().size(), how == QLatin1String("cancelDialog") ? 1 : 0);
    QVERIFY(Paradata().ParaFileTable == before);
    // Every window has its commands back, not only this one.
    QVERIFY(other.on);
    QVERIFY(world.w.cmdCompareFile->isEnabled());
}

// ---------------------------------------------------------------- files and standard values

void TestParaFlows::saveThenOpen()
{
    WriteWorld world; // offline use of the window: nothing is sent
    App().OfflineFlag = true;
    RecordingShell &shell = TestEnv::Recorder();
    shell.paraFilled = 0;
    shell.paraTake = [&world] { return world.w.TakeInParameterValues(); };
    world.w.SetText(Ctl::txtHomeOffset, 1, QStringLiteral("12.5"));
    world.w.SetText(Ctl::txtHomeOut, 0, QStringLiteral("7"));
    // The window as it shows its own values.
    QCOMPARE(world.w.TakeInParameterValues(), 0);
    world.w.ShowParameters();
    const QStringList shownFields = fieldTexts(world.w);
    const QString path = world.f.env.path(QStringLiteral("window.pmt"));
    Dialogs::QueueFileName(path);
    world.w.cmdSaveParaFile_Click();
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(14)});

    // Changed after saving, then the file opened: the window as saved.
    world.w.SetText(Ctl::txtHomeOffset, 1, QStringLiteral("1"));
    world.w.SetText(Ctl::txtAxisLead, 0, QStringLiteral("8"));
    world.w.SetText(Ctl::txtHomeOut, 0, QStringLiteral("2"));
    Dialogs::QueueFileName(path);
    world.w.cmdReadParaFile_Click();
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(14)});
    QCOMPARE(fieldTexts(world.w), shownFields);

    // Verified against the same file: equal; then one value changed.
    Dialogs::ClearScript();
    Dialogs::QueueAnswer(MsgAnswer::Ok);
    Dialogs::QueueFileName(path);
    world.w.cmdCompareFile_Click();
    QCOMPARE(Dialogs::FileDialogTitles(), QStringList{ResText(680)});
    QCOMPARE(Dialogs::ShownTexts(), (QStringList{ResText(679), QStringLiteral("Result of Verify - OK")}));
    Dialogs::ClearScript();
    world.w.SetText(Ctl::txtJogHighVel, 1, QStringLiteral("30"));
    Dialogs::QueueAnswer(MsgAnswer::Ok);
    Dialogs::QueueFileName(path);
    world.w.cmdCompareFile_Click();
    QCOMPARE(Dialogs::ShownTexts().value(1),
             QStringLiteral("Result of Verify - NG\r\n<AXIS Parameter> :JOGVEL(2),\r\n"));
    QVERIFY(world.f.sim.frames().isEmpty());
}

void TestParaFlows::openRefusesOtherFiles_data()
{
    QTest::addColumn<QByteArray>("text");  // the file; empty = the dialog cancelled
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("another model")
        << QByteArray("\"RE-Z2\",\"PRM\"\r\n5\r\n") << QStringList{ResLines({22, 20}), ResText(681)};
    QTest::newRow("damaged") << QByteArray("\"RE-Z4\",\"PRM\"\r\n5\r\n\"HOME\",6,4\r\n1,2\r\n")
                             << QStringList{ResText(681)};
    QTest::newRow("a value the set cannot hold")
        << QByteArray() << QStringList{ResText(681)};
    QTest::newRow("dialog cancelled") << QByteArray("-") << QStringList{};
}

void TestParaFlows::openRefusesOtherFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, shown);
    WriteWorld world;
    App().OfflineFlag = true;
    OtherWindow other;
    world.w.TakeInParameterValues();
    const ParaSetData setBefore = Paradata().ParaSet;
    const QStringList fieldsBefore = fieldTexts(world.w);
    if (text.isEmpty()) {
        // A good file but for one LEAD that no 16-bit value holds.
        Paradata().ParaSet.ParaAxisLead[3] = 7;
        QString file = ParaFile::ParaFileText(Paradata().ParaSet);
        Paradata().ParaSet = setBefore;
        const int at = file.indexOf(QStringLiteral("\"AXIS\""));
        const int lead = file.indexOf(QStringLiteral(",7\r\n"), at);
        QVERIFY(lead > 0);
        file.replace(lead, 4, QStringLiteral(",99999\r\n"));
        Dialogs::QueueFileName(world.f.env.writeSjis(QStringLiteral("bad.pmt"), file));
    } else if (text != "-") {
        Dialogs::QueueFileName(world.f.env.writeFile(QStringLiteral("other.pmt"), text));
    }
    world.w.cmdReadParaFile_Click();
    QCOMPARE(Dialogs::ShownTexts(), shown);
    QCOMPARE(fieldTexts(world.w), fieldsBefore);
    QCOMPARE(ParaFile::ParaFileText(Paradata().ParaSet), ParaFile::ParaFileText(setBefore));
    QVERIFY(other.on);
}

void TestParaFlows::standardValues_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("two axes chosen") << false;
    QTest::newRow("cancelled") << true;
}

void TestParaFlows::standardValues()
{
    QFETCH(bool, cancel);
    WriteWorld world;
    App().OfflineFlag = true;
    App().AxisNotUsed = {false, false, false, false};
    App().AxisCount = 4;
    world.w.MarkValidAxes();
    FillValidParaFields(world.w);
    world.w.SetText(Ctl::txtAxisLead, 2, QStringLiteral("9"));
    const QStringList fieldsBefore = fieldTexts(world.w);
    bool backOffered = false;
    Dialogs::PushModalHandler([cancel, &backOffered](QDialog &d) {
        auto &dev = static_cast<OfflineActuatorWindow &>(d);
        dev.show();
        backOffered = dev.cmdDeviceBack->isEnabled();
        if (cancel) {
            QTest::mouseClick(dev.cmdDeviceCancel, Qt::LeftButton);
        } else {
            dev.comboAxisSelect->setCurrentIndex(1);
            dev.comboAxisSelect_Click();
            QTest::mouseClick(dev.cmdDeviceSet, Qt::LeftButton);
        }
        return dev.result();
    });
    world.w.cmdIniPrm_Click();
    QVERIFY(!backOffered);
    if (cancel) {
        QCOMPARE(fieldTexts(world.w), fieldsBefore);
        QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, false, false, false}));
        return;
    }
    QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, false, true, true}));
    // Axes 1 and 2 carry their actuator's standard lead; axis 3, now unused,
    // keeps what it showed.
    QCOMPARE(world.w.Text(Ctl::txtAxisLead, 0), QString::number(Paradata().ParaSet.ParaAxisLead[0]));
    QVERIFY(world.w.Text(Ctl::txtAxisLead, 0) != QStringLiteral("6"));
    QCOMPARE(world.w.Text(Ctl::txtAxisLead, 2), QStringLiteral("9"));
    // Only the actuator window's own question about the axis count.
    QCOMPARE(Dialogs::ShownTexts().size(), 1);
    QVERIFY(!Dialogs::ShownTexts().contains(ResText(36)));
    QVERIFY(world.f.sim.frames().isEmpty());
}

QTEST_MAIN(TestParaFlows)
#include "tst_paraflows.moc"
