// The parameter window's rules without the window: the display and take-in
// of the parameter set, the marking of the valid axes, the input rules of
// the boxes and the whole-window checks.
#include <QtTest>

#include "core/AppState.h"
#include "paradata/ParaForm.h"
#include "paradata/ParaInput.h"
#include "paradata/ParadataState.h"
#include "support/MemoryParaFace.h"
#include "support/TestEnv.h"

using ParaForm::Ctl;
using namespace ParaInput;

namespace {

// A face filled with valid values, taken in for the four axes.
void takeValid(MemoryParaFace &f)
{
    f.FillValid();
    QCOMPARE(ParaForm::CheckParametersPresent(f, 4), 0);
    QCOMPARE(ParaForm::TakeInParameterValues(f), 0);
}

// 1 when a value of the axes in use is refused, 0 when all pass.
int check() { return ParaForm::FirstRefusedField(Paradata(), App().AxisNotUsed) ? 1 : 0; }

} // namespace

class TestParaForm : public QObject {
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnv::Scope>(); }
    void cleanup() { m_env.reset(); }

    void millimetreTexts_data();
    void millimetreTexts();
    void displayMapping();
    void displayLeadZeroLeavesOnlyThatAxisEmpty();
    void displayKeepsUnusedAxis();
    void takeInMapping_data();
    void takeInMapping();
    void takeInReconvertsFromMillimetres();
    void takeInRefusesValueThatDoesNotFit();
    void takeInKeepsPulsesAboveLastAxis();

    void markingOfUnusedAxis_data();
    void markingOfUnusedAxis();
    void markingByMask();

    void keyFilter_data();
    void keyFilter();
    void enterOrder_data();
    void enterOrder();
    void enterSkipsBoxesWithoutFocus();
    void rangeOnFocusLoss_data();
    void rangeOnFocusLoss();
    void millimetreBoxes();

    void presenceCheck();
    void valueCheck_data();
    void valueCheck();
    void valueCheckWithoutAxes();

private:
    std::unique_ptr<TestEnv::Scope> m_env;
};

// ---------------------------------------------------------------- mm texts

void TestParaForm::millimetreTexts_data()
{
    QTest::addColumn<double>("mm");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("cut");
    QTest::newRow("50") << 50.0 << " 50.000" << 50.0;
    QTest::newRow("5") << 5.0 << "  5.000" << 5.0;
    QTest::newRow("shown rounded, cut for the pulses") << 12.34567 << " 12.346" << 12.345;
    QTest::newRow("1000 mm: no room to pad") << 1000.0 << "1000.000" << 1000.0;
    QTest::newRow("eight digits keep seven") << 99999999.0 << "99999999.000" << 9999999.0;
}

void TestParaForm::millimetreTexts()
{
    QFETCH(double, mm);
    QFETCH(QString, text);
    QFETCH(double, cut);
    QCOMPARE(ParaForm::MmText(mm), text);
    QCOMPARE(ParaForm::CutMm3(mm), cut);
}

// ---------------------------------------------------------------- display

void TestParaForm::displayMapping()
{
    auto &s = Paradata();
    auto &p = s.ParaSet;
    p.ParaAxisLead[0] = 6;
    p.ParaAxisPulse[0] = 400;
    p.ParaAxisStroke[0] = ValueCell(8000);
    p.ParaZone1[0] = ValueCell(50.0 / 6 * 400);
    p.ParaAxisLead[1] = 6;
    p.ParaAxisPulse[1] = 40000; // above 16 bits: shown and converted
    p.ParaAxisStroke[1] = ValueCell(40000);
    p.ParaZoneEnable[0] = 2;
    p.ParaEmgLogic = 1;
    p.ParaSpAxis = 5;
    p.ParaPosPrg = 1;
    s.Ct.CtDevSize[0] = QStringLiteral(" 28");
    s.Ct.CtDevStroke[0] = 50;
    MemoryParaFace f;
    ParaForm::ShowParameters(f);
    QCOMPARE(f.Text(Ctl::txtAxisMmStroke, 0), QStringLiteral("120.000"));
    QCOMPARE(f.Text(Ctl::txtMmZone1, 0), QStringLiteral(" 50.000"));
    QCOMPARE(f.Text(Ctl::txtAxisPulse, 1), QStringLiteral("40000"));
    QCOMPARE(f.Text(Ctl::txtAxisMmStroke, 1), QStringLiteral("  6.000"));
    QCOMPARE(f.ListIndex(Ctl::comboZoneEnable, 0), 2);
    QCOMPARE(f.Text(Ctl::comboActSize, 0), QStringLiteral(" 28"));
    QCOMPARE(f.Text(Ctl::comboActStroke, 0), QStringLiteral("50"));
    QCOMPARE(f.Option(Ctl::optEmgLogic), 0); // "Logic A"
    QCOMPARE(f.Option(Ctl::optPosPrg), 1);
    // Mask 5 is shown as the first entry; the hidden box keeps the mask.
    QCOMPARE(f.Text(Ctl::txtOneAxis, 0), QStringLiteral("5"));
    QCOMPARE(f.ListIndex(Ctl::comboOneAxis, 0), 0);
}

void TestParaForm::displayLeadZeroLeavesOnlyThatAxisEmpty()
{
    auto &p = Paradata().ParaSet;
    for (int a = 0; a < 4; ++a) {
        p.ParaAxisLead[a] = 6;
        p.ParaAxisPulse[a] = 400;
        p.ParaAxisStroke[a] = ValueCell(8000);
        p.ParaHomeVel[a] = 20;
    }
    p.ParaAxisLead[1] = 0;
    p.ParaAxisPulse[3] = 0;
    p.ParaSoftLimit[2] = 7; // no such entry
    p.ParaHomeOut = 3;
    MemoryParaFace f;
    ParaForm::ShowParameters(f);
    QCOMPARE(f.Text(Ctl::txtAxisMmStroke, 1), QString());
    QCOMPARE(f.Text(Ctl::txtMmZone1, 3), QString());
    QCOMPARE(f.Text(Ctl::txtHomeVel, 1), QStringLiteral("20"));
    QCOMPARE(f.Text(Ctl::txtAxisMmStroke, 2), QStringLiteral("120.000"));
    QCOMPARE(f.Text(Ctl::txtHomeVel, 3), QStringLiteral("20"));
    QCOMPARE(f.ListIndex(Ctl::comboSoftLimit, 2), -1);
    QCOMPARE(f.Text(Ctl::txtHomeOut, 0), QStringLiteral("3"));
}

void TestParaForm::displayKeepsUnusedAxis()
{
    App().AxisNotUsed = {false, true, false, false};
    MemoryParaFace f;
    f.SetText(Ctl::txtHomeVel, 1, QStringLiteral("kept"));
    ParaForm::ShowParameters(f);
    QCOMPARE(f.Text(Ctl::txtHomeVel, 1), QStringLiteral("kept"));
    QCOMPARE(f.Text(Ctl::txtHomeVel, 0), QStringLiteral("0"));
}

// ---------------------------------------------------------------- take-in

void TestParaForm::takeInMapping_data()
{
    QTest::addColumn<QString>("push"); // "2. PUSH" of axis 1
    QTest::addColumn<int>("stored");
    QTest::newRow("2.5 to even") << "2.5" << 2;
    QTest::newRow("3.5 to even") << "3.5" << 4;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("leading number") << " 12abc" << 12;
}

void TestParaForm::takeInMapping()
{
    QFETCH(QString, push);
    QFETCH(int, stored);
    MemoryParaFace f;
    f.FillValid();
    f.SetText(Ctl::txtHomePush, 0, push);
    f.SetListIndex(Ctl::comboPgFunc, 0, -1);
    f.SetListIndex(Ctl::comboZoneEnable, 0, 2);
    f.SetOption(Ctl::optEmgLogic, 1);
    f.SetOption(Ctl::optPosPrg, 1);
    f.SetText(Ctl::comboActStroke, 1, QStringLiteral("1000"));
    f.SetText(Ctl::comboActSpeed, 0, QStringLiteral(" L "));
    f.SetText(Ctl::txtOneAxis, 0, QStringLiteral("5")); // not read
    f.SetListIndex(Ctl::comboOneAxis, 0, 0);
    // Empty fields are the presence check's business, not the take-in's.
    Paradata().ParaLastAxis = 3;
    QCOMPARE(ParaForm::TakeInParameterValues(f), 0);
    const auto &s = Paradata();
    const auto &p = s.ParaSet;
    QCOMPARE(int(p.ParaHomePush[0]), stored);
    QCOMPARE(int(p.ParaPgFunction[0]), 0);
    QCOMPARE(int(p.ParaZoneEnable[0]), 2);
    QCOMPARE(int(p.ParaEmgLogic), 0); // "Logic B"
    QCOMPARE(int(p.ParaPosPrg), 1);
    QCOMPARE(int(p.ParaSpAxis), 1);
    QCOMPARE(p.ParaActuator[0].toString(), QStringLiteral(" 28L050"));
    QCOMPARE(p.ParaActuator[1].toString(), QStringLiteral(" 28LX"));
    QCOMPARE(s.Ct.CtDevSpeed[0], QStringLiteral("L"));
    QCOMPARE(s.ActuatorSetting.ActuatorSize[0], QStringLiteral(" 28"));
    QCOMPARE(s.ActuatorSetting.ActuatorStroke[1], 1000);
}

void TestParaForm::takeInReconvertsFromMillimetres()
{
    MemoryParaFace f;
    f.FillValid();
    f.SetText(Ctl::txtMmZone1, 2, QStringLiteral("12.34567"));
    f.SetText(Ctl::txtAxisPulse, 3, QStringLiteral("40000"));
    f.SetText(Ctl::txtAxisMmStroke, 3, QStringLiteral("1.5"));
    QCOMPARE(ParaForm::CheckParametersPresent(f, 4), 0);
    QCOMPARE(ParaForm::TakeInParameterValues(f), 0);
    const auto &s = Paradata();
    QCOMPARE(s.ParaSet.ParaZone1[2].toDouble().value_or(-1), 823.0);
    QCOMPARE(f.Text(Ctl::txtZoneSet1, 2), QStringLiteral("823"));
    QCOMPARE(f.Text(Ctl::txtMmZone1, 2), QStringLiteral(" 12.345"));
    QCOMPARE(s.ParaZone1MmText[2], QStringLiteral(" 12.345"));
    QCOMPARE(s.ParaSet.ParaAxisStroke[3].toDouble().value_or(-1), 10000.0);
    QCOMPARE(s.ParaAxisMmStrokeText[3], QStringLiteral("  1.500"));
    QCOMPARE(check(), 0);
}

void TestParaForm::takeInRefusesValueThatDoesNotFit()
{
    MemoryParaFace f;
    takeValid(f);
    const ParaSetData before = Paradata().ParaSet;
    f.SetText(Ctl::txtHomeVel, 0, QStringLiteral("99"));
    f.SetText(Ctl::txtInpLimit, 2, QStringLiteral("99999999"));
    f.SetText(Ctl::txtMmZone1, 0, QStringLiteral("7"));
    QCOMPARE(ParaForm::TakeInParameterValues(f), 1);
    QCOMPARE(Paradata().ParaSet.ParaHomeVel[0], before.ParaHomeVel[0]);
    QCOMPARE(Paradata().ParaSet.ParaZone1[0], before.ParaZone1[0]);
    QCOMPARE(f.Text(Ctl::txtMmZone1, 0), QStringLiteral("7"));
}

void TestParaForm::takeInKeepsPulsesAboveLastAxis()
{
    MemoryParaFace f;
    takeValid(f);
    Paradata().ParaSet.ParaAxisStroke[3] = ValueCell(1234);
    f.spUnlocked = true;
    f.SetListIndex(Ctl::comboOneAxis, 0, 1); // axes 1 and 2
    f.SetText(Ctl::txtAxisMmStroke, 0, QStringLiteral("60"));
    QCOMPARE(ParaForm::CheckParametersPresent(f, 4), 0);
    QCOMPARE(Paradata().ParaLastAxis, 1);
    QCOMPARE(ParaForm::TakeInParameterValues(f), 0);
    QCOMPARE(Paradata().ParaSet.ParaAxisStroke[0].toDouble().value_or(-1), 4000.0);
    QCOMPARE(Paradata().ParaSet.ParaAxisStroke[3].toDouble().value_or(-1), 1234.0);
}

// ---------------------------------------------------------------- marking

void TestParaForm::markingOfUnusedAxis_data()
{
    QTest::addColumn<bool>("spUnlocked");
    QTest::newRow("SP locked") << false;
    QTest::newRow("SP unlocked") << true;
}

void TestParaForm::markingOfUnusedAxis()
{
    QFETCH(bool, spUnlocked);
    App().AxisNotUsed = {false, false, true, false};
    MemoryParaFace f;
    f.FillValid();
    f.spUnlocked = spUnlocked;
    for (Ctl c : ParaForm::kMarkedFields)
        f.SetEnabled(c, 0, false);
    ParaForm::MarkValidAxes(f);
    // Lists of the unused axis: grey, text kept.
    for (Ctl c : {Ctl::comboAxisAutoDrv, Ctl::comboActSize, Ctl::comboActStroke, Ctl::comboZoneEnable}) {
        QVERIFY(f.Grey(c, 2));
        QVERIFY(!f.Text(c, 2).isEmpty());
    }
    for (Ctl c : {Ctl::txtHomeOffset, Ctl::txtAxisMmStroke, Ctl::txtPgAlarm, Ctl::txtMmZone2, Ctl::comboSoftLimit}) {
        QVERIFY(f.Grey(c, 2));
        QVERIFY(f.Text(c, 2).isEmpty());
    }
    QCOMPARE(f.Text(Ctl::txtPgCheckTimer, 2).isEmpty(), spUnlocked);
    QCOMPARE(f.Text(Ctl::txtLsSerchTimer, 2).isEmpty(), spUnlocked);
    QCOMPARE(f.Text(Ctl::txtAxisStroke, 2), QStringLiteral("8000")); // pulse box untouched
    // A valid axis: window colour; SP fields enabled only when unlocked.
    QVERIFY(!f.Grey(Ctl::txtHomeOffset, 0));
    QCOMPARE(f.Enabled(Ctl::txtPgCheckTimer, 0), spUnlocked);
    QVERIFY(!f.Enabled(Ctl::txtHomeOffset, 0)); // the marking disables nothing, enables only SP fields
}

void TestParaForm::markingByMask()
{
    MemoryParaFace f;
    f.FillValid();
    ParaForm::MarkValidAxesOfMask(f, 5);
    QVERIFY(!f.Text(Ctl::txtHomeOffset, 0).isEmpty());
    for (int a = 1; a < 4; ++a)
        QVERIFY(f.Text(Ctl::txtHomeOffset, a).isEmpty());
    ParaForm::MarkValidAxesOfMask(f, 7);
    QVERIFY(!f.Grey(Ctl::txtHomeOffset, 2));
    QVERIFY(f.Grey(Ctl::txtHomeOffset, 3));
    QCOMPARE(ParaForm::LastAxisOfMask(15), 3);
    QCOMPARE(ParaForm::LastAxisOfMask(1), 0);
}

// ---------------------------------------------------------------- input rules

void TestParaForm::keyFilter_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("result");
    const int off = int(Ctl::txtHomeOffset);
    QTest::newRow("digit") << off << int('7') << 2 << 0 << int('7');
    QTest::newRow("sixth digit dropped") << off << int('7') << 5 << 0 << 0;
    QTest::newRow("over a selection") << off << int('7') << 5 << 5 << int('7');
    QTest::newRow("backspace when full") << off << kBackspace << 5 << 0 << kBackspace;
    QTest::newRow("letter") << off << int('a') << 0 << 0 << 0;
    QTest::newRow("minus") << off << int('-') << 0 << 0 << 0;
    QTest::newRow("point in a whole box") << off << int('.') << 0 << 0 << 0;
    QTest::newRow("Ctrl+V") << off << 22 << 0 << 0 << 0;
    QTest::newRow("Enter") << off << kEnter << 0 << 0 << 0;
    QTest::newRow("SEQ refuses 0") << int(Ctl::txtHomeOrder) << int('0') << 0 << 0 << 0;
    QTest::newRow("SEQ takes 5") << int(Ctl::txtHomeOrder) << int('5') << 0 << 0 << int('5');
    QTest::newRow("mm point") << int(Ctl::txtMmZone1) << int('.') << 3 << 0 << int('.');
    QTest::newRow("SP AXIS box full even selected") << int(Ctl::txtOneAxis) << int('1') << 2 << 2 << 0;
}

void TestParaForm::keyFilter()
{
    QFETCH(int, box);
    QFETCH(int, key);
    QFETCH(int, length);
    QFETCH(int, selection);
    QFETCH(int, result);
    const BoxRule *r = RuleOf(Ctl(box));
    QVERIFY(r);
    QCOMPARE(FilterKey(*r, key, length, selection), result);
}

void TestParaForm::enterOrder_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("axis");
    QTest::addColumn<bool>("sp");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("toAxis");
    QTest::newRow("next axis") << int(Ctl::txtHomeVel) << 1 << false << int(Ctl::txtHomeVel) << 2;
    QTest::newRow("next parameter") << int(Ctl::txtHomeVel) << 3 << false << int(Ctl::txtHomeOfsVel) << 0;
    QTest::newRow("SEQ to visible STROKE") << int(Ctl::txtHomeOrder) << 3 << false << int(Ctl::txtAxisMmStroke) << 0;
    QTest::newRow("JOG VEL to STROKE") << int(Ctl::txtJogHighVel) << 3 << false << int(Ctl::txtAxisMmStroke) << 0;
    QTest::newRow("PULSE to auto drive") << int(Ctl::txtAxisPulse) << 3 << false << int(Ctl::comboAxisAutoDrv) << 0;
    QTest::newRow("ALM to HOME OUT") << int(Ctl::txtPgAlarm) << 3 << false << int(Ctl::txtHomeOut) << 0;
    QTest::newRow("HOLD TIME, SP locked") << int(Ctl::txtPushHoldTime) << 3 << false << int(Ctl::txtHomeOffset) << 0;
    QTest::newRow("HOLD TIME, SP unlocked") << int(Ctl::txtPushHoldTime) << 3 << true << int(Ctl::comboOneAxis) << 0;
    QTest::newRow("LS TIMER axis 4") << int(Ctl::txtLsSerchTimer) << 3 << true << int(Ctl::txtHomeOffset) << 0;
    QTest::newRow("Auto PRG") << int(Ctl::txtAutoStartPrgNo) << 0 << true << int(Ctl::optStopPause) << 0;
}

void TestParaForm::enterOrder()
{
    QFETCH(int, from);
    QFETCH(int, axis);
    QFETCH(bool, sp);
    QFETCH(int, to);
    QFETCH(int, toAxis);
    const Place p = EnterTarget(Ctl(from), axis, sp, true);
    QCOMPARE(int(p.ctl), to);
    QCOMPARE(p.axis, toAxis);
}

void TestParaForm::enterSkipsBoxesWithoutFocus()
{
    // PG TIMER of axes 2 and 3 disabled (axes not in use): Enter on axis 1
    // goes on to axis 4.
    auto canFocus = [](const Place &p) { return !(p.ctl == Ctl::txtPgCheckTimer && (p.axis == 1 || p.axis == 2)); };
    const auto p = EnterFocus(Ctl::txtPgCheckTimer, 0, true, true, canFocus);
    QVERIFY(p);
    QCOMPARE(p->axis, 3);
    // Nothing can take the focus: no place, no endless walk.
    QVERIFY(!EnterFocus(Ctl::txtHomeOffset, 0, false, true, [](const Place &) { return false; }));
}

void TestParaForm::rangeOnFocusLoss_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keeps");
    QTest::newRow("VEL 61") << int(Ctl::txtHomeVel) << "61" << false;
    QTest::newRow("VEL 60") << int(Ctl::txtHomeVel) << "60" << true;
    QTest::newRow("OFFSET empty") << int(Ctl::txtHomeOffset) << "" << false;
    QTest::newRow("IN-P WID empty") << int(Ctl::txtInpLimit) << "" << true;
    QTest::newRow("SEQ 5 (the window check refuses it)") << int(Ctl::txtHomeOrder) << "5" << true;
    QTest::newRow("PULSE 65535") << int(Ctl::txtAxisPulse) << "65535" << true;
    QTest::newRow("pasted, too large for 16 bits") << int(Ctl::txtHomePush) << "99999999" << false;
    QTest::newRow("pasted, too large for 32 bits") << int(Ctl::txtHomeOffset) << "99999999999" << false;
    QTest::newRow("leading zeros") << int(Ctl::txtHomePush) << "007" << true;
    QTest::newRow("HOME OUT has no test") << int(Ctl::txtHomeOut) << "99" << true;
}

void TestParaForm::rangeOnFocusLoss()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(bool, keeps);
    QCOMPARE(RangeKeeps(*RuleOf(Ctl(box)), text), keeps);
}

void TestParaForm::millimetreBoxes()
{
    MemoryParaFace f;
    f.FillValid();
    // ZONE1 within the stroke: cut to three decimals, snapped, padded.
    f.SetText(Ctl::txtMmZone1, 0, QStringLiteral("12.3456"));
    QCOMPARE(ZoneLeaves(f, 1, 0, true), MmResult::Converted);
    QCOMPARE(f.Text(Ctl::txtZoneSet1, 0), QStringLiteral("823"));
    QCOMPARE(f.Text(Ctl::txtMmZone1, 0), QStringLiteral(" 12.345"));
    // Above the stroke: emptied, the pulses stay.
    f.SetText(Ctl::txtMmZone1, 0, QStringLiteral("121"));
    QCOMPARE(ZoneLeaves(f, 1, 0, true), MmResult::OutOfStroke);
    QCOMPARE(f.Text(Ctl::txtMmZone1, 0), QString());
    QCOMPARE(f.Text(Ctl::txtZoneSet1, 0), QStringLiteral("823"));
    // STROKE empty: the zone keeps its text.
    f.SetText(Ctl::txtAxisMmStroke, 1, QString());
    f.SetText(Ctl::txtMmZone2, 1, QStringLiteral("5"));
    QCOMPARE(ZoneLeaves(f, 2, 1, true), MmResult::NeedStroke);
    QCOMPARE(f.Text(Ctl::txtMmZone2, 1), QStringLiteral("5"));
    // PULSE empty: the stroke box is emptied.
    f.SetText(Ctl::txtAxisPulse, 2, QString());
    f.SetText(Ctl::txtAxisMmStroke, 2, QStringLiteral("100"));
    QCOMPARE(StrokeLeaves(f, 2, true), MmResult::NeedLeadPulse);
    QCOMPARE(f.Text(Ctl::txtAxisMmStroke, 2), QString());
    // Snapping to whole pulses: 0.012 mm is one and a half pulses of 0.008.
    f.SetText(Ctl::txtAxisLead, 3, QStringLiteral("8"));
    f.SetText(Ctl::txtAxisPulse, 3, QStringLiteral("1000"));
    f.SetText(Ctl::txtAxisMmStroke, 3, QStringLiteral("0.012"));
    QCOMPARE(StrokeLeaves(f, 3, true), MmResult::Converted);
    QCOMPARE(f.Text(Ctl::txtAxisMmStroke, 3), QStringLiteral("  0.016"));
    QCOMPARE(f.Text(Ctl::txtAxisStroke, 3), QStringLiteral("2"));
    f.SetText(Ctl::txtAxisMmStroke, 3, QStringLiteral("0.012"));
    QCOMPARE(StrokeLeaves(f, 3, false), MmResult::Converted);
    QCOMPARE(f.Text(Ctl::txtAxisMmStroke, 3), QStringLiteral("  0.008"));
    // Pasted text: far too large, or not a number; LEAD 0: nothing breaks.
    f.SetText(Ctl::txtAxisMmStroke, 0, QStringLiteral("99999999"));
    QCOMPARE(StrokeLeaves(f, 0, true), MmResult::Converted);
    QCOMPARE(f.Text(Ctl::txtAxisStroke, 0), QStringLiteral("666666600"));
    f.SetText(Ctl::txtAxisMmStroke, 0, QStringLiteral("."));
    QCOMPARE(StrokeLeaves(f, 0, true), MmResult::Nothing);
    f.SetText(Ctl::txtAxisLead, 0, QStringLiteral("0"));
    f.SetText(Ctl::txtAxisMmStroke, 0, QStringLiteral("10"));
    QCOMPARE(StrokeLeaves(f, 0, true), MmResult::Nothing);
    // An axis without actuator is left alone.
    App().AxisNotUsed[1] = true;
    f.SetText(Ctl::txtAxisMmStroke, 1, QStringLiteral("abc"));
    QCOMPARE(StrokeLeaves(f, 1, true), MmResult::Nothing);
    QCOMPARE(f.Text(Ctl::txtAxisMmStroke, 1), QStringLiteral("abc"));
}

// ---------------------------------------------------------------- checks

void TestParaForm::presenceCheck()
{
    MemoryParaFace f;
    f.FillValid();
    f.SetText(Ctl::txtHomeVel, 3, QString());
    QCOMPARE(ParaForm::CheckParametersPresent(f, 4), 1);
    QCOMPARE(Paradata().ParaLastAxis, 3);
    // Ticked, index 1: axes 1 and 2 only.
    f.spUnlocked = true;
    f.SetListIndex(Ctl::comboOneAxis, 0, 1);
    QCOMPARE(ParaForm::CheckParametersPresent(f, 4), 0);
    QCOMPARE(Paradata().ParaLastAxis, 1);
    // No entry chosen: axis 1 only; but the empty list itself is missing.
    f.SetListIndex(Ctl::comboOneAxis, 0, -1);
    QCOMPARE(ParaForm::CheckParametersPresent(f, 4), 1);
    QCOMPARE(Paradata().ParaLastAxis, 0);
    f.SetListIndex(Ctl::comboOneAxis, 0, 3);
    f.spUnlocked = false;
    // An axis not in use: its emptied boxes are not missing.
    App().AxisNotUsed[3] = true;
    ParaForm::MarkValidAxes(f);
    QCOMPARE(ParaForm::CheckParametersPresent(f, 4), 0);
    // The hidden pulse boxes are the ones tested.
    f.SetText(Ctl::txtZoneSet2, 0, QString());
    QCOMPARE(ParaForm::CheckParametersPresent(f, 4), 1);
    f.SetText(Ctl::txtZoneSet2, 0, QStringLiteral("0"));
    f.SetOption(Ctl::optStopPause, -1);
    QCOMPARE(ParaForm::CheckParametersPresent(f, 4), 1);
}

void TestParaForm::valueCheck_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("result");
    QTest::newRow("VEL 60 at LEAD 4") << "vel" << 4 << 60 << 1;
    QTest::newRow("VEL 150 at LEAD 6") << "vel" << 6 << 150 << 0;
    QTest::newRow("VEL 200 at LEAD 8") << "vel" << 8 << 200 << 0;
    QTest::newRow("JOG 150 at LEAD 4") << "jog" << 4 << 150 << 0;
    QTest::newRow("JOG 51 at LEAD 2") << "jog" << 2 << 51 << 1;
    QTest::newRow("JOG 255 at LEAD 10") << "jog" << 10 << 255 << 0;
    QTest::newRow("JOG 0 at LEAD 10") << "jog" << 10 << 0 << 1;
    QTest::newRow("SEQ 5") << "seq" << 6 << 5 << 1;
    QTest::newRow("SEQ 4") << "seq" << 6 << 4 << 0;
    QTest::newRow("SP AXIS 5") << "mask" << 6 << 5 << 1;
    QTest::newRow("SP AXIS 7") << "mask" << 6 << 7 << 0;
    QTest::newRow("PULSE 65535") << "pulse" << 6 << 65535 << 0;
    QTest::newRow("PULSE 65536") << "pulse" << 6 << 65536 << 1;
    QTest::newRow("stroke of the actuator 601") << "ctstroke" << 6 << 601 << 1;
    QTest::newRow("Auto PRG 101") << "prg" << 6 << 101 << 1;
}

void TestParaForm::valueCheck()
{
    QFETCH(QString, field);
    QFETCH(int, lead);
    QFETCH(int, value);
    QFETCH(int, result);
    MemoryParaFace f;
    takeValid(f);
    QCOMPARE(check(), 0);
    auto &s = Paradata();
    auto &p = s.ParaSet;
    p.ParaAxisLead[1] = int16_t(lead);
    if (field == QLatin1String("vel"))
        p.ParaHomeVel[1] = int16_t(value);
    else if (field == QLatin1String("jog"))
        p.ParaJogVel[1] = int16_t(value);
    else if (field == QLatin1String("seq"))
        p.ParaHomeSeq[1] = int16_t(value);
    else if (field == QLatin1String("mask"))
        p.ParaSpAxis = int16_t(value);
    else if (field == QLatin1String("pulse"))
        p.ParaAxisPulse[1] = value;
    else if (field == QLatin1String("ctstroke"))
        s.Ct.CtDevStroke[1] = value;
    else if (field == QLatin1String("prg"))
        p.ParaAutoPrgNo = value;
    QCOMPARE(check(), result);
    // The same value on an axis not in use is not tested.
    if (field != QLatin1String("mask") && field != QLatin1String("prg")) {
        App().AxisNotUsed[1] = true;
        QCOMPARE(check(), 0);
    }
}

void TestParaForm::valueCheckWithoutAxes()
{
    MemoryParaFace f;
    takeValid(f);
    auto &p = Paradata().ParaSet;
    p.ParaHomeOffset[0] = ValueCell(QStringLiteral("abc"));
    QCOMPARE(check(), 1);
    // Axis count 0: only the single values are tested.
    for (int a = 0; a < 4; ++a)
        f.SetText(Ctl::txtHomeVel, a, QString());
    QCOMPARE(ParaForm::CheckParametersPresent(f, 0), 0);
    QCOMPARE(Paradata().ParaLastAxis, -1);
    QCOMPARE(check(), 0);
    p.ParaSmTimer = 0;
    QCOMPARE(check(), 1);
}

QTEST_MAIN(TestParaForm)
#include "tst_paraform.moc"
