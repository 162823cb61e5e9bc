// The input/output monitor: the row maps, the watch lists (notation, entry
// rules, values, files) without a window, and the window's cycle against the
// simulated controller (what reaches the line, stops, closing).
#include <QtTest>

#include "core/AppState.h"
#include "core/ItemFile.h"
#include "link/CommandFrames.h"
#include "link/CommandProcs.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "live/IoMap.h"
#include "live/WatchList.h"
#include "paradata/ParadataState.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "support/TestEnv.h"
#include "ui/live/MonitorWindow.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <memory>

using namespace Comm;
using Watch::Kind;
using Watch::Item;
namespace Dlg = Platform::Dialogs;

Q_DECLARE_METATYPE(Watch::Kind)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

// The controller on the line, the link running, the application online; the
// window opens on demand with its own timer stopped, so a test drives the
// cycles (the first would come 2 s after the opening). The window's display
// init, 10 ms after the opening, clears the lists' values; it is done at
// once here, as it always is before a first cycle, so it never lands in the
// middle of a test's cycles.
struct Rig {
    TestEnv::Scope env;
    SimController sim;
    SimCmdModel model;
    std::unique_ptr<MonitorWindow> w;

    Rig()
    {
        App().LangOffset = 10000;
        ResetParadataState();
        Paradata().ParaSet.ParaSpAxis = 0xF;
        InstallCommandSim(sim, model);
        sim.attach(1);
        App().PortNo = 1;
        Indicators::SetOnlineMode();
        StartLink();
    }
    ~Rig()
    {
        w.reset();
        StopLink();
    }
    MonitorWindow &open()
    {
        w = std::make_unique<MonitorWindow>();
        w->timerInputOutput1->stop();
        w->show();
        w->TimerDispInit_Timer();
        return *w;
    }
    void cycle() { w->timerInputOutput1_Timer(); }
    QStringList frames() const
    {
        QStringList seen;
        for (const QByteArray &f : sim.frames())
            seen << QString::fromLatin1(f);
        return seen;
    }
};

QString stateColumn(const MonitorWindow &w, const QStandardItemModel *m, int rows)
{
    QString s;
    for (int r = 0; r < rows; ++r)
        s += w.cell(m, r, 1).isEmpty() ? QStringLiteral(".") : w.cell(m, r, 1);
    return s;
}

QStringList column(const Watch::WatchList &l, int c)
{
    QStringList t;
    for (int r = 1; r < l.Rows(); ++r)
        t << l.Text(r, c);
    return t;
}

void writeList(Kind kind, const QString &text)
{
    QVERIFY(ItemFile::SaveText(MonitorWindow::ListFile(kind), text));
}

} // namespace

class TstMonitor : public QObject {
    Q_OBJECT
private slots:
    // Row maps and bits.
    void inputStates_data();
    void inputStates();
    void names_data();
    void names();
    void outputToggleKeepsHiddenBit();
    // Watch lists.
    void notation_data();
    void notation();
    void values_data();
    void values();
    void entryCheck_data();
    void entryCheck();
    void addAndDelete();
    void listFiles();
    void listCutInsideATextLoadsNothing();
    // The window and its cycle.
    void cyclesAndModeCommand();
    void axesOneAndThree();
    void inputReadErrorStopsCycle();
    void cycleInsideAnotherExchangeWaits();
    void closeBoxWhileOutputsAwaited();
    void flagReadErrorSkipsOnlyThatList();
    void outputDoubleClicks();
    void entryMessagesAndFullList();
    void listsSurviveReopen();
};

// ---- row maps -----------------------------------------------------------------

void TstMonitor::inputStates_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("states"); // rows 0..24
    QTest::newRow("9000050") << "0RI9000050\r\n" << "O--OO-O------------------";
    QTest::newRow("pause, home LS4, IN13") << "0RI0120008\r\n" << "----------------O---O---O";
    QTest::newRow("all") << "0RIFFFFFFF\r\n" << QString(25, QLatin1Char('O'));
}

void TstMonitor::inputStates()
{
    QFETCH(QString, reply);
    QFETCH(QString, states);
    IoMap::Bits in{};
    QVERIFY(Frames::DecodeBits(reply, Frames::kInDigits, in));
    QString shown;
    for (const IoMap::Row &r : IoMap::InputRows())
        shown += IoMap::StateText(r, in);
    QCOMPARE(shown, states);
}

void TstMonitor::names_data()
{
    QTest::addColumn<bool>("output");
    QTest::addColumn<bool>("prgMode");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("inputs, program mode")
        << false << true
        << QStringList{"STB",  "IN17", "IN18", "RES",  "IN1",   "IN2",      "IN3",      "IN4",      "IN5",
                       "IN6",  "IN7",  "IN8",  "IN9",  "IN10",  "IN11",     "IN12",     "IN13",     "IN14",
                       "IN15", "IN16", "PAUSE", "HOME LS1", "HOME LS2", "HOME LS3", "HOME LS4"};
    QTest::newRow("inputs, positioner mode")
        << false << false
        << QStringList{"STB",  "STOP", "GRP",  "RES",  "P1",      "P2",      "P4",      "P8",      "P10",
                       "P20",  "P40",  "P80",  "P100", "P200",    "P400",    "P800",    "EXP-IN1", "EXP-IN2",
                       "EXP-IN3", "EXP-IN4", "PAUSE", "HOME LS1", "HOME LS2", "HOME LS3", "HOME LS4"};
    QTest::newRow("outputs, program mode")
        << true << true
        << QStringList{"ALM",  "RDY",  "IN-P",  "OUT1",  "OUT2",  "OUT3",  "OUT4",  "OUT5",  "OUT6", "OUT7",
                       "OUT8", "OUT9", "OUT10", "OUT11", "OUT12", "OUT13", "OUT14", "OUT15", "OUT16"};
}

void TstMonitor::names()
{
    QFETCH(bool, output);
    QFETCH(bool, prgMode);
    QFETCH(QStringList, names);
    QStringList shown;
    if (output) {
        for (const IoMap::Row &r : IoMap::OutputRows())
            shown << IoMap::Name(r, prgMode);
    } else {
        for (const IoMap::Row &r : IoMap::InputRows())
            shown << IoMap::Name(r, prgMode);
    }
    QCOMPARE(shown, names);
}

void TstMonitor::outputToggleKeepsHiddenBit()
{
    // Row 7 is "OUT5" in program mode and "HOLD1" in positioner mode: data
    // digit 3, weight 1.
    const IoMap::Row &r7 = IoMap::OutputRows()[7];
    QCOMPARE(IoMap::Name(r7, true), QStringLiteral("OUT5"));
    QCOMPARE(IoMap::Name(r7, false), QStringLiteral("HOLD1"));
    QCOMPARE(r7.digit, 3);
    QCOMPARE(r7.weight, 1);

    IoMap::Bits out{}, req{};
    QVERIFY(Frames::DecodeBits("0RO80000\r\n", Frames::kOutDigits, out));
    QVERIFY(IoMap::RequestToggle(3, req)); // OUT1
    QVERIFY(IoMap::RequestToggle(7, req)); // HOLD1 / OUT5
    QVERIFY(IoMap::RequestToggle(7, req)); // twice before a write: once
    QVERIFY(!IoMap::RequestToggle(19, req));
    Frames::ApplyOutputRequests(out, req);
    QCOMPARE(Frames::WriteOutputs(out), QStringLiteral("0WO81100"));
}

// ---- watch lists --------------------------------------------------------------

void TstMonitor::notation_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("prg");
    QTest::addColumn<int>("no");
    QTest::addColumn<QString>("prgText");
    QTest::addColumn<QString>("itemText");
    QTest::addColumn<std::optional<QString>>("frame");
    QTest::newRow("global flag 3") << Kind::Flag << 0 << 3 << "(Global)" << "F3" << std::optional<QString>("0FR0003");
    QTest::newRow("flag 7 of program 12") << Kind::Flag << 12 << 7 << "12" << "f7"
                                          << std::optional<QString>("0FR0C07");
    QTest::newRow("global variable 100") << Kind::Variable << 0 << 100 << "(Global)" << "R100"
                                         << std::optional<QString>("0HR0064");
    QTest::newRow("variable 1 of program 5") << Kind::Variable << 5 << 1 << "5" << "r1"
                                             << std::optional<QString>("0HR0501");
    QTest::newRow("program 100, axis 4") << Kind::PosVariable << 100 << 4 << "100" << "Axis4"
                                         << std::optional<QString>("0HP644");
    QTest::newRow("axis does not fit") << Kind::PosVariable << 1 << 16 << "1" << "Axis16" << std::optional<QString>();
}

void TstMonitor::notation()
{
    QFETCH(Kind, kind);
    QFETCH(int, prg);
    QFETCH(int, no);
    QFETCH(QString, prgText);
    QFETCH(QString, itemText);
    QFETCH(std::optional<QString>, frame);
    const Item item{prg, no};
    QCOMPARE(Watch::ProgText(item), prgText);
    QCOMPARE(Watch::ItemText(kind, item), itemText);
    QCOMPARE(Frames::ReadWatchItem(kind, item), frame);
    if (Watch::IsValid(kind, item))
        QCOMPARE(Watch::ParseRow(kind, prgText, itemText), std::optional<Item>(item));
}

void TstMonitor::values_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("shown"); // empty: the reply is refused
    const Item item{1, 2};
    QTest::newRow("flag on") << Kind::Flag << "0FR01021\r\n" << "1";
    QTest::newRow("variable 12345") << Kind::Variable << "0HR010200003039\r\n" << "12.345";
    QTest::newRow("variable 2500") << Kind::Variable << "0HR0102000009C4\r\n" << "2.5";
    QTest::newRow("variable -10") << Kind::Variable << "0HR0102FFFFFFF6\r\n" << "-0.01";
    QTest::newRow("variable -500") << Kind::Variable << "0HR0102FFFFFE0C\r\n" << "-0.5";
    QTest::newRow("variable lowest") << Kind::Variable << "0HR010280000000\r\n" << "-2147483.648";
    QTest::newRow("position variable 0") << Kind::PosVariable << "0HP01200000000\r\n" << "0";
    QTest::newRow("reply for another item") << Kind::Variable << "0HR010300003039\r\n" << "";
    QTest::newRow("garbled value") << Kind::Variable << "0HR01020000303G\r\n" << "";
    Q_UNUSED(item);
}

void TstMonitor::values()
{
    QFETCH(Kind, kind);
    QFETCH(QString, reply);
    QFETCH(QString, shown);
    const auto v = Frames::DecodeWatchItem(kind, Item{1, 2}, reply);
    QCOMPARE(v ? Watch::ValueText(kind, *v) : QString(), shown);
}

void TstMonitor::entryCheck_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("kindIndex");
    QTest::addColumn<QString>("prg");
    QTest::addColumn<QString>("no");
    QTest::addColumn<bool>("valid");
    QTest::newRow("global flag 100") << Kind::Flag << 0 << "" << "100" << true;
    QTest::newRow("global flag 101") << Kind::Flag << 0 << "" << "101" << false;
    QTest::newRow("global flag 0") << Kind::Flag << 0 << "" << "0" << false;
    QTest::newRow("flag 50 of program 100") << Kind::Flag << 1 << "100" << "50" << true;
    QTest::newRow("flag 51 of a program") << Kind::Flag << 1 << "3" << "51" << false;
    QTest::newRow("flag of program 0") << Kind::Flag << 1 << "0" << "5" << false;
    QTest::newRow("flag of program 101") << Kind::Flag << 1 << "101" << "5" << false;
    QTest::newRow("flag, empty number") << Kind::Flag << 0 << "" << "" << false;
    QTest::newRow("flag, no kind chosen") << Kind::Flag << -1 << "1" << "5" << false;
    QTest::newRow("variable 51 of a program") << Kind::Variable << 1 << "1" << "51" << false;
    QTest::newRow("variable, program not a number") << Kind::Variable << 1 << "1x" << "5" << false;
    QTest::newRow("position variable axis 4") << Kind::PosVariable << 0 << "7" << "4" << true;
    QTest::newRow("position variable axis 5") << Kind::PosVariable << 0 << "7" << "5" << false;
    QTest::newRow("position variable program 0") << Kind::PosVariable << 0 << "0" << "1" << false;
}

void TstMonitor::entryCheck()
{
    QFETCH(Kind, kind);
    QFETCH(int, kindIndex);
    QFETCH(QString, prg);
    QFETCH(QString, no);
    QFETCH(bool, valid);
    const auto item = Watch::CheckEntry(kind, {kindIndex, prg, no});
    QCOMPARE(item.has_value(), valid);
    QCOMPARE(Watch::Info(kind).invalidMessage, kind == Kind::Flag ? 1038 : 1037);
}

void TstMonitor::addAndDelete()
{
    TestEnv::Scope env;
    Watch::WatchList l(Kind::Flag);
    // Empty list: row 1; the last row becomes current.
    QCOMPARE(l.Add({0, 1}), Watch::WatchList::AddResult::Added);
    QCOMPARE(l.Add({0, 2}), Watch::WatchList::AddResult::Added);
    QCOMPARE(column(l, 1), (QStringList{"F1", "F2"}));
    // Header current: above the first item.
    l.SetCurrent(0);
    l.Add({0, 3});
    QCOMPARE(column(l, 1), (QStringList{"F3", "F1", "F2"}));
    // Below the current row.
    l.SetCurrent(1);
    l.Add({4, 4});
    QCOMPARE(column(l, 1), (QStringList{"F3", "f4", "F1", "F2"}));
    QCOMPARE(l.Row(), 4);

    // Full: refused whatever row is current, nothing lost.
    for (int n = 5; l.ItemCount() < Watch::kMaxItems; ++n)
        l.Add({0, n});
    const QStringList full = column(l, 1);
    for (int r : {5, 20}) {
        l.SetCurrent(r);
        QCOMPARE(l.Add({0, 99}), Watch::WatchList::AddResult::Full);
    }
    QCOMPARE(column(l, 1), full);

    // Delete: the header current removes nothing; a selection removes its
    // rows and the row above becomes current.
    l.SetCurrent(0);
    QCOMPARE(l.Delete(), Watch::WatchList::DeleteResult::HeaderCurrent);
    QCOMPARE(l.ItemCount(), 20);
    l.SyncSelection(2, 4);
    QCOMPARE(l.Delete(), Watch::WatchList::DeleteResult::Deleted);
    QCOMPARE(column(l, 1).mid(0, 2), (QStringList{"F3", "F5"}));
    QCOMPARE(l.Row(), 1);
    while (l.ItemCount() > 0)
        QCOMPARE(l.Delete(), Watch::WatchList::DeleteResult::Deleted);
    QCOMPARE(l.Delete(), Watch::WatchList::DeleteResult::NoRow);
    QVERIFY(l.Present());
    QVERIFY(l.Items().empty());
}

void TstMonitor::listFiles()
{
    TestEnv::Scope env;
    const QString path = env.path(QStringLiteral("Vari"));
    Watch::WatchList l(Kind::Variable);
    // A missing file leaves the list as designed.
    QVERIFY(!l.Load(path));
    QCOMPARE(l.Rows(), 1);
    QVERIFY(!l.Present());

    // A damaged file: 25 rows, some garbage; only valid items, at most 20.
    QString text = QStringLiteral("\"Program No.\",\"Variable No.\",\"Value\"\r\n");
    text += QStringLiteral("\"(Global)\",\"R0\",\"\"\r\n\"3\",\"R5\",\"\"\r\n\"x\",\"r1\",\"\"\r\n");
    text += QStringLiteral("\"2\",\"r51\",\"\"\r\n\"2\",\"r1.5\",\"\"\r\n\"2\"\r\n\"(Global)\",\"F4\",\"\"\r\n");
    for (int n = 1; n <= 18; ++n)
        text += QStringLiteral("\"(Global)\",\"R%1\",\"9.5\"\r\n").arg(n);
    QVERIFY(ItemFile::SaveText(path, text));
    QVERIFY(l.Load(path));
    QCOMPARE(l.ItemCount(), 18);
    QVERIFY(l.Present());
    QCOMPARE(l.Text(1, 1), QStringLiteral("R1"));
    QCOMPARE(l.Text(1, 2), QString()); // stored values are never shown as current

    // What Save writes, Load reads back.
    l.SetCurrent(18);
    l.Add({7, 50});
    l.Add({0, 100});
    QVERIFY(l.Save(path));
    Watch::WatchList back(Kind::Variable);
    QVERIFY(back.Load(path));
    QCOMPARE(column(back, 0), column(l, 0));
    QCOMPARE(column(back, 1), column(l, 1));
    QCOMPARE(back.ItemCount(), 20);
}

// A list file cut inside an item's text would give another item (F1 of F12):
// the file is refused whole, as any damaged file is.
void TstMonitor::listCutInsideATextLoadsNothing()
{
    TestEnv::Scope env;
    const QString path = env.path(QStringLiteral("Flag"));
    QVERIFY(ItemFile::SaveText(path, QStringLiteral("\"Program No.\",\"Flag No.\",\"Value\"\r\n"
                                                    "\"(Global)\",\"F3\",\"\"\r\n\"(Global)\",\"F1")));
    Watch::WatchList l(Kind::Flag);
    QVERIFY(!l.Load(path));
    QVERIFY(l.Items().empty());
    QVERIFY(!l.Present());
}

// ---- the window and its cycle -------------------------------------------------

void TstMonitor::cyclesAndModeCommand()
{
    Rig rig;
    writeList(Kind::Flag, "\"h\",\"h\",\"h\"\r\n\"(Global)\",\"F3\",\"\"\r\n");
    rig.model.inputs = {9, 0, 0, 0, 0, 5, 0};
    rig.model.presentPos = {100, 200, 300, 983041};
    rig.model.flags[{0, 3}] = 1;
    App().DispMmUnit = false;
    MonitorWindow &w = rig.open();
    QCOMPARE(w.timerInputOutput1->interval(), 2000);
    QVERIFY(!w.chkIgnore->isChecked());

    rig.cycle();
    QCOMPARE(rig.frames(), (QStringList{"0CM00000", "0RI", "0RO", "0RCF", "0FR0003"}));
    QCOMPARE(stateColumn(w, w.inModel, 25), QStringLiteral("O--OO-O------------------"));
    QCOMPARE(w.lblCurrentPos[1]->text(), QStringLiteral("200"));
    QCOMPARE(w.lblCurrentPos[3]->text(), QStringLiteral("0"));
    QCOMPARE(w.flagList->Text(1, 2), QStringLiteral("1"));

    // The next cycle comes 500 ms after this one, without the mode command.
    QCOMPARE(w.timerInputOutput1->interval(), 500);
    QVERIFY(w.timerInputOutput1->isActive());
    rig.sim.clearFrames();
    QTRY_VERIFY_WITH_TIMEOUT(rig.frames().size() >= 4, 3000);
    QTRY_VERIFY(w.timerInputOutput1->isActive());
    w.timerInputOutput1->stop();
    QCOMPARE(rig.frames().mid(0, 4), (QStringList{"0RI", "0RO", "0RCF", "0FR0003"}));

    // Ticking the box: the next cycle sends the mode with inputs ignored.
    w.chkIgnore->click();
    rig.sim.clearFrames();
    rig.cycle();
    QCOMPARE(rig.frames().first(), QStringLiteral("0CM10000"));
    w.close();

    // Reopened: the box shows the mode last sent, which is not sent again.
    rig.sim.clearFrames();
    MonitorWindow &again = rig.open();
    QVERIFY(again.chkIgnore->isChecked());
    rig.cycle();
    QCOMPARE(rig.frames().first(), QStringLiteral("0RI"));
}

void TstMonitor::axesOneAndThree()
{
    Rig rig;
    App().AxisNotUsed = {false, true, false, true};
    App().DispMmUnit = true;
    auto &d = Paradata().DevSetting;
    d.DevLead[0] = 6;
    d.DevPPR[0] = 400;
    d.DevLead[2] = 12;
    d.DevPPR[2] = 400;
    rig.model.presentPos = {6667, 1, 400, 1};
    MonitorWindow &w = rig.open();
    rig.cycle();
    QCOMPARE(rig.sim.framesOf("0RC"), QStringList{"0RC5"});
    QCOMPARE(w.lblCurrentPos[0]->text(), QStringLiteral(" 100.005"));
    QCOMPARE(w.lblCurrentPos[2]->text(), QStringLiteral("  12.000"));
    QCOMPARE(w.PresentPosMoni[2], 400);
    for (int a : {1, 3}) {
        QVERIFY(!w.lblCurrentPos[a]->isEnabled());
        QCOMPARE(w.lblCurrentPos[a]->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(w.lblCurrentPos[a]->text(), QString());
    }
    QVERIFY(w.lblCurrentPos[0]->isEnabled());
}

void TstMonitor::inputReadErrorStopsCycle()
{
    Rig rig;
    MonitorWindow &w = rig.open();
    rig.cycle();
    rig.model.replyFor["0RI"] = "0%%104";
    rig.sim.clearFrames();
    rig.cycle();
    QCOMPARE(rig.frames(), QStringList{"0RI"});
    QVERIFY(w.CycleStopped());
    QVERIFY(!w.timerInputOutput1->isActive());
    QVERIFY(!w.flgdInput->isEnabled());
    QVERIFY(!w.flgdOutput->isEnabled());
    QVERIFY(!w.lblCurrentPos[0]->isEnabled());
    // Output double-clicks are not recorded any more.
    w.flgdOutput_DblClick(3, 1);
    QVERIFY(!Commands().OutputWriteReq);

    // Close closes at once and saves the lists.
    w.cmdIoWinClose_Click();
    QVERIFY(!w.isVisible());
    QVERIFY(QFile::exists(MonitorWindow::ListFile(Kind::Flag)));
    QVERIFY(QFile::exists(MonitorWindow::ListFile(Kind::PosVariable)));
}

// A cycle that comes while another window's request is on the line waits
// for the next one; it neither hangs the link nor stops the monitor.
void TstMonitor::cycleInsideAnotherExchangeWaits()
{
    Rig rig;
    MonitorWindow &w = rig.open();
    rig.cycle();
    rig.sim.addFault("0AR", {SimFault::Late, 150, {}});
    rig.sim.clearFrames();
    QTimer::singleShot(40, &w, [&] { rig.cycle(); });
    QVERIFY(Comm::Exchange(QStringLiteral("0AR"), 5, 1000).has_value());
    QCOMPARE(rig.frames(), QStringList{"0AR"});
    QVERIFY(!w.CycleStopped());
    QVERIFY(w.timerInputOutput1->isActive());
}

void TstMonitor::closeBoxWhileOutputsAwaited()
{
    Rig rig;
    MonitorWindow &w = rig.open();
    rig.model.outputs = {4, 0, 0, 0, 0};
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f == "0RO")
            w.close();
    };
    rig.cycle();
    QVERIFY(!w.isVisible());
    QVERIFY(w.IoWinCloseReq);
    QVERIFY(!w.timerInputOutput1->isActive());
    // The reply came, but the grids, labels and the position read stay
    // untouched.
    QCOMPARE(stateColumn(w, w.outModel, 19), QString(19, QLatin1Char('.')));
    QCOMPARE(rig.sim.framesOf("0RC"), QStringList());
    QVERIFY(QFile::exists(MonitorWindow::ListFile(Kind::Variable)));
}

void TstMonitor::flagReadErrorSkipsOnlyThatList()
{
    Rig rig;
    writeList(Kind::Flag, "\"h\",\"h\",\"h\"\r\n\"(Global)\",\"F1\",\"\"\r\n\"2\",\"f9\",\"\"\r\n");
    writeList(Kind::Variable, "\"h\",\"h\",\"h\"\r\n\"(Global)\",\"R1\",\"\"\r\n");
    rig.model.flags[{0, 1}] = 1;
    rig.model.flags[{2, 9}] = 1;
    rig.model.variables[{0, 1}] = 2500;
    MonitorWindow &w = rig.open();
    rig.cycle();
    QCOMPARE(column(*w.flagList, 2), (QStringList{"1", "1"}));

    rig.model.flags[{0, 1}] = 0;
    rig.model.replyFor["0FR0209"] = "0%%104";
    rig.model.variables[{0, 1}] = -10;
    rig.sim.clearFrames();
    rig.cycle();
    QCOMPARE(rig.frames(), (QStringList{"0RI", "0RO", "0RCF", "0FR0001", "0FR0209", "0HR0001"}));
    QCOMPARE(column(*w.flagList, 2), (QStringList{"1", "1"}));
    QCOMPARE(column(*w.variableList, 2), QStringList{"-0.01"});
    QVERIFY(Dlg::ShownTexts().isEmpty());
    QVERIFY(w.timerInputOutput1->isActive());
    w.timerInputOutput1->stop();

    // The refused item put the application offline; the next cycle goes on.
    rig.sim.clearFrames();
    rig.cycle();
    QCOMPARE(rig.frames().mid(0, 3), (QStringList{"0RI", "0RO", "0RCF"}));
    QVERIFY(!w.CycleStopped());

    // Every item deleted: the polls send nothing.
    w.chkEditItem->click();
    for (auto *l : {w.flagList, w.variableList}) {
        while (l->ItemCount() > 0) {
            l->SetCurrent(1);
            l->Delete();
        }
    }
    w.chkEditItem->click();
    rig.model.replyFor.clear();
    rig.sim.clearFrames();
    rig.cycle();
    QCOMPARE(rig.frames(), (QStringList{"0RI", "0RO", "0RCF"}));
}

void TstMonitor::outputDoubleClicks()
{
    Rig rig;
    App().PrgModeFlag = true;
    MonitorWindow &w = rig.open();
    QCOMPARE(w.cell(w.outModel, 7, 0), QStringLiteral("OUT5"));
    QCOMPARE(w.cell(w.inModel, 1, 0), QStringLiteral("IN17"));
    rig.model.outputs = {8, 0, 0, 0, 0};
    rig.cycle();
    // OUT1, OUT5 twice, ALM, and a name cell that does nothing.
    w.flgdOutput_DblClick(3, 1);
    w.flgdOutput_DblClick(7, 1);
    w.flgdOutput_DblClick(7, 1);
    w.flgdOutput_DblClick(0, 1);
    w.flgdOutput_DblClick(5, 0);
    rig.sim.clearFrames();
    rig.cycle();
    QCOMPARE(rig.frames().mid(0, 3), (QStringList{"0WOC1100", "0RI", "0RO"}));
    QCOMPARE(rig.model.outputs, (std::array<int, 5>{12, 1, 1, 0, 0}));
    QCOMPARE(stateColumn(w, w.outModel, 4), QStringLiteral("O--O"));
    QVERIFY(!Commands().OutputWriteReq);
}

void TstMonitor::entryMessagesAndFullList()
{
    Rig rig;
    MonitorWindow &w = rig.open();
    w.chkEditItem->click();
    QVERIFY(w.PictureFlag->isVisible());
    QVERIFY(w.cmdAddFlag->isEnabled());

    // A program item's number stops at 50.
    w.optFlag[1]->click();
    QVERIFY(w.txtPrgNo->isEnabled());
    QCOMPARE(w.txtFlagNo->maximum(), 50);
    w.txtPrgNo->setValue(12);
    w.txtFlagNo->setValue(7);
    w.cmdAddFlag->click();
    QCOMPARE(w.flagList->Text(1, 0), QStringLiteral("12"));
    QCOMPARE(w.flagList->Text(1, 1), QStringLiteral("f7"));

    // An empty number: the list's message.
    w.txtVariableNo->clear();
    w.cmdAddVariable->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{Platform::ResText(1037)});
    QCOMPARE(w.variableList->ItemCount(), 0);

    // Delete with the header current.
    w.flgdFlag->setCurrentIndex(w.flagList->index(0, 0));
    w.cmdDeleteFlag->click();
    QCOMPARE(Dlg::ShownTexts().last(), Platform::ResLines({386, 387}));
    QCOMPARE(w.flagList->ItemCount(), 1);

    // A full list beeps and keeps its items.
    w.optFlag[0]->click();
    for (int n = 1; n <= 19; ++n) {
        w.txtFlagNo->setValue(n);
        w.cmdAddFlag->click();
    }
    QCOMPARE(w.flagList->ItemCount(), 20);
    w.flgdFlag->setCurrentIndex(w.flagList->index(5, 1));
    w.txtFlagNo->setValue(77);
    w.cmdAddFlag->click();
    QCOMPARE(w.flagList->ItemCount(), 20);
    QCOMPARE(w.BeepCount(), 1);
    QCOMPARE(w.flagList->Text(20, 1), QStringLiteral("F19"));
}

void TstMonitor::listsSurviveReopen()
{
    Rig rig;
    rig.model.posVariables[{100, 4}] = 12345;
    MonitorWindow &w = rig.open();
    // Editing: the lists are not read.
    w.chkEditItem->click();
    w.txtPHPrgNo->setValue(100);
    w.txtPVariableNo->setValue(4);
    w.cmdAddPosVariable->click();
    rig.cycle();
    QCOMPARE(rig.sim.framesOf("0HP"), QStringList());
    w.chkEditItem->click();
    rig.cycle();
    QCOMPARE(rig.sim.framesOf("0HP"), QStringList{"0HP644"});
    QCOMPARE(w.posVariableList->Text(1, 2), QStringLiteral("12.345"));
    w.close();

    MonitorWindow &again = rig.open();
    QCOMPARE(again.posVariableList->ItemCount(), 1);
    QCOMPARE(again.posVariableList->Text(1, 1), QStringLiteral("Axis4"));
    QCOMPARE(again.posVariableList->Text(1, 2), QString());
    QVERIFY(again.posVariableList->Present());
    QCOMPARE(again.flagList->ItemCount(), 0);
}

QTEST_MAIN(TstMonitor)
#include "tst_monitor.moc"
