// Pulses and millimetres, the per-axis limits and the texts built from them.
#include "core/AppState.h"
#include "app/MainWindow.h"
#include "core/ItemFile.h"
#include "paradata/UnitConv.h"
#include "paradata/ParadataState.h"
#include "paradata/UnitTexts.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <cmath>

using namespace UnitConv;

namespace {
void setAxis(int a, int lead, int ppr, int stroke = 100, const QString &size = QStringLiteral(" 28"),
             const QString &speed = QStringLiteral("L"))
{
    auto &d = Paradata().DevSetting;
    d.DevLead[a] = int16_t(lead);
    d.DevPPR[a] = ppr;
    d.DevStroke[a] = stroke;
    d.DevSize[a] = size;
    d.DevSpeed[a] = speed;
}
} // namespace

class TstUnitConv : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetParadataState(); }

    void mmToPulse_data()
    {
        QTest::addColumn<double>("mm");
        QTest::addColumn<double>("pulses");
        // lead 6, 400 pulses a revolution: 0.015 mm a pulse; halves go even.
        QTest::newRow("2.5 pulses") << 0.0375 << 2.0;
        QTest::newRow("1.5 pulses") << 0.0225 << 2.0;
        QTest::newRow("0.5 pulse") << 0.0075 << 0.0;
        QTest::newRow("-2.5 pulses") << -0.0375 << -2.0;
        QTest::newRow("100 mm") << 100.0 << 6667.0;
    }
    void mmToPulse()
    {
        QFETCH(double, mm);
        QFETCH(double, pulses);
        const auto p = MmToPulse(6, 400, ValueCell(mm));
        QVERIFY(p);
        QCOMPARE(*p, pulses);
        // And back: a whole number of pulses times 0.015 mm.
        QVERIFY(qFuzzyCompare(1.0 + *PulseToMm(6, 400, ValueCell(pulses)), 1.0 + pulses * 0.015));
    }

    void roundToPulse_data()
    {
        QTest::addColumn<double>("mm");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("snapped");
        QTest::newRow("half up") << 0.0225 << 1 << 0.03;
        QTest::newRow("half down") << 0.0225 << 0 << 0.015;
        QTest::newRow("1.6 up-mode") << 0.024 << 1 << 0.03;
        QTest::newRow("1.6 down-mode") << 0.024 << 0 << 0.03;
        QTest::newRow("negative half, mode 1") << -0.0225 << 1 << -0.015;
        QTest::newRow("negative half, mode 0") << -0.0225 << 0 << -0.015;
        QTest::newRow("whole pulse") << 0.03 << 0 << 0.03;
        QTest::newRow("other mode") << 0.0225 << 2 << 0.0;
    }
    void roundToPulse()
    {
        QFETCH(double, mm);
        QFETCH(int, mode);
        QFETCH(double, snapped);
        const auto v = RoundMmToPulseUnit(6, mode, 400, ValueCell(mm));
        QVERIFY(v);
        QVERIFY2(std::fabs(*v - snapped) < 1e-12, qPrintable(QString::number(*v, 'g', 17)));
    }

    void zeroLeadOrPulsesNeverDivide_data()
    {
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("ppr");
        QTest::newRow("lead 0") << 0 << 400;
        QTest::newRow("ppr 0") << 6 << 0;
    }
    void zeroLeadOrPulsesNeverDivide()
    {
        QFETCH(int, lead);
        QFETCH(int, ppr);
        QVERIFY(!PulseToMm(lead, ppr, ValueCell(10)));
        QVERIFY(!MmToPulse(lead, ppr, ValueCell(10)));
        QVERIFY(!RoundMmToPulseUnit(lead, 1, ppr, ValueCell(10)));
        // The limits report the axis as invalid and keep what they cannot
        // compute; the other axes are still done.
        TestEnv::Scope env;
        auto &s = Paradata();
        setAxis(0, lead, ppr);
        setAxis(1, 6, 400);
        s.MaxMm = {7.0, 7.0, 7.0, 7.0};
        s.MaxSpeed = {9, 9, 9, 9};
        QCOMPARE(CalcMaxPulse(), 1);
        QCOMPARE(s.MaxPulse[0], 0);
        QCOMPARE(s.MaxPulse[1], 6667);
        QCOMPARE(CalcMaxMm(), 1);
        QCOMPARE(s.MaxMm[0], 7.0);
        QCOMPARE(s.MaxMm[1], 100.005);
        QCOMPARE(CalcMaxSpeed(), 1);
        QCOMPARE(s.MaxSpeed[0], int16_t(9));
        QCOMPARE(s.MaxSpeed[1], int16_t(150));
        // No rate text for such an axis; nothing divides.
        const auto t = UnitTexts::PulseMmRateTexts(0);
        QVERIFY(!t.panel2 && !t.panel3);
    }

    void maxPulse_data()
    {
        QTest::addColumn<int>("stroke");
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("ppr");
        QTest::addColumn<int>("maxPulse");
        QTest::newRow("6666.67 rounds up") << 100 << 6 << 400 << 6667;
        QTest::newRow("whole") << 100 << 10 << 400 << 4000;
        QTest::newRow("remainder 0.7 rounds up") << 600 << 7 << 1 << 86;        // 85.714 -> 85.7
        QTest::newRow("remainder 0.04 dropped") << 100001 << 100 << 4 << 4000;  // 4000.04 -> 4000.0
        QTest::newRow("stroke 0") << 0 << 6 << 400 << 0;
        QTest::newRow("ppr above 32767") << 100 << 10 << 40000 << 400000;
    }
    void maxPulse()
    {
        QFETCH(int, stroke);
        QFETCH(int, lead);
        QFETCH(int, ppr);
        QFETCH(int, maxPulse);
        QCOMPARE(MaxPulseOf(stroke, lead, ppr).value_or(-1), maxPulse);
    }

    void limitsOfAxes()
    {
        TestEnv::Scope env;
        auto &s = Paradata();
        setAxis(0, 6, 400);
        setAxis(1, 12, 400);
        setAxis(2, 12, 800);
        setAxis(3, 0, 0);
        App().AxisNotUsed = {false, false, false, true};
        s.MaxMm[3] = 5.5;
        QCOMPARE(CalcMaxPulse(), 0);
        QCOMPARE(s.MaxPulse, (PerAxis<int32_t>{6667, 3334, 6667, 0}));
        QCOMPARE(CalcMaxMm(), 0);
        QCOMPARE(s.MaxMm[0], 100.005);
        QCOMPARE(s.MaxMm[3], 5.5); // not in use: left alone
        QCOMPARE(CalcMaxSpeed(), 0);
        QCOMPARE(s.MaxSpeed[0], int16_t(150));
        QCOMPARE(s.MaxSpeed[1], int16_t(300));
        QCOMPARE(s.MaxSpeed[2], int16_t(150));
        QCOMPARE(s.MaxSpeed[3], int16_t(50)); // " 28" "L", not in use
    }

    void speedOfAxisNotInUse_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<int>("maxSpeed");
        QTest::newRow("no size") << "" << "H" << 30;
        QTest::newRow("99 uses the formula") << " 99" << "A" << 150;
        QTest::newRow("42 D") << " 42" << "D" << 400;
        QTest::newRow("50 L") << " 50" << "L" << 100;
        QTest::newRow("28 L") << " 28" << "L" << 50;
        QTest::newRow("50 H") << " 50" << "H" << 300;
        QTest::newRow("35 H") << " 35" << "H" << 150;
        QTest::newRow("42 H") << " 42" << "H" << 200;
        QTest::newRow("unnamed combination") << " 20" << "M" << 30;
    }
    void speedOfAxisNotInUse()
    {
        QFETCH(QString, size);
        QFETCH(QString, speed);
        QFETCH(int, maxSpeed);
        QCOMPARE(int(MaxSpeedOfFreeAxis(size, speed, 6, 400).value_or(-1)), maxSpeed);
    }

    void rateTexts()
    {
        TestEnv::Scope env;
        App().LangOffset = 10000;
        setAxis(0, 6, 400);
        setAxis(1, 5, 2);
        auto t = UnitTexts::PulseMmRateTexts(0);
        QCOMPARE(*t.panel2, QStringLiteral("<1>1mm = 66.667Pulse"));
        QCOMPARE(*t.panel3, QStringLiteral("<1>1Pulse= 0.015mm"));
        t = UnitTexts::PulseMmRateTexts(1);
        QCOMPARE(*t.panel3, QStringLiteral("<2>1Pulse= 2.5mm"));
        // Outside 0..3: both panels emptied.
        t = UnitTexts::PulseMmRateTexts(4);
        QCOMPARE(*t.panel2, QString());
        // The first axis in use is shown.
        App().AxisNotUsed[0] = true;
        UnitTexts::DispPulseMmRate();
        QVERIFY(TestEnv::Recorder().panels[2].startsWith(QStringLiteral("<2>")));
    }

    void ratesOnTheStatusPanel()
    {
        TestEnv::Scope env;
        App().LangOffset = 10000;
        setAxis(0, 6, 400);
        {
            MainScope ms;
            MainWindow &w = ms.main;
            UnitTexts::DispPulseMmRate();
            QCOMPARE(w.PanelText(2), QStringLiteral("<1>1mm = 66.667Pulse"));
            QCOMPARE(w.PanelText(3), QStringLiteral("<1>1Pulse= 0.015mm"));
        }
        UnitTexts::DispPulseMmRate(); // no main window: nothing to show it in
    }

    void presentPosText_data()
    {
        QTest::addColumn<bool>("mm");
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("pulses");
        QTest::addColumn<QString>("text");
        QTest::newRow("pulses plain") << false << 6 << 983040 << "983040";
        QTest::newRow("pulses, lead 0 does not matter") << false << 0 << 12 << "12";
        QTest::newRow("mm right-aligned to 8") << true << 6 << 6667 << " 100.005";
        QTest::newRow("mm 0") << true << 6 << 0 << "   0.000";
        QTest::newRow("mm wider than 8 kept whole") << true << 20 << 983040 << "49152.000";
        QTest::newRow("mm, lead 0: nothing") << true << 0 << 12 << QString();
    }
    void presentPosText()
    {
        QFETCH(bool, mm);
        QFETCH(int, lead);
        QFETCH(int, pulses);
        QFETCH(QString, text);
        TestEnv::Scope env;
        App().DispMmUnit = mm;
        setAxis(2, lead, 400);
        QCOMPARE(UnitTexts::PresentPosText(2, pulses).value_or(QString()), text);
    }

    void paraTableAsMmText()
    {
        TestEnv::Scope env;
        auto &t = Paradata().ParaFileTable;
        App().AxisNotUsed = {false, true, false, false};
        for (int a = 0; a < 4; ++a) {
            t[8][a] = ValueCell(6);
            t[9][a] = ValueCell(400);
            t[7][a] = ValueCell(6667);
            t[21][a] = ValueCell(400);
            t[22][a] = ValueCell(100000);
        }
        t[9][3] = ValueCell(0);
        QCOMPARE(UnitTexts::ParaPulseToMmText(App().AxisNotUsed), 1); // axis 4: PULSE 0
        QCOMPARE(t[7][0], ValueCell(QStringLiteral("100.005")));
        QCOMPARE(t[21][0], ValueCell(QStringLiteral("  6.000")));
        // Too long for the width: the text is kept whole.
        QCOMPARE(t[22][0], ValueCell(QStringLiteral("1500.000")));
        QCOMPARE(t[7][1], ValueCell(6667)); // not in use
        QCOMPARE(t[7][3], ValueCell(6667)); // invalid setting: left as it is
    }

    void deviceNames()
    {
        TestEnv::Scope env;
        Platform::SetAppFolder(env.dir());
        env.writeSjis(QStringLiteral("nqzdevice.lst"),
                      QStringLiteral("2\r\n\" 28L-100\",6,400,1,1\r\n\" 35H-050\",12,400,0,1\r\n"));
        App().LangOffset = 10000;
        App().AxisNotUsed = {false, false, true, false};
        setAxis(0, 6, 400, 100, QStringLiteral(" 28"), QStringLiteral("L"));
        setAxis(1, 12, 400, 50, QStringLiteral(" 35"), QStringLiteral("H"));
        Paradata().ActuatorSetting.ActuatorWithPG[0] = true;
        Paradata().DevSetting.DevQzFlag[3] = false;
        const auto t = UnitTexts::DeviceNameTextsNow();
        QCOMPARE(*t.header[1], QStringLiteral("AXIS1:QZ- 28L-100E"));
        QCOMPARE(*t.caption[0], QStringLiteral("QZ- 28L-100E"));
        QCOMPARE(*t.header[7], QStringLiteral("AXIS2:QZ- 35H- 50 "));
        QCOMPARE(*t.header[13], QStringLiteral("AXIS3:**********"));
        QCOMPARE(*t.caption[2], QString());
        // Axis 4 is not of the QZ series: its columns keep their texts.
        QVERIFY(!t.header[19] && !t.caption[3]);
        QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
        QCOMPARE(UnitTexts::DeviceModelText(QStringLiteral(" 28"), QStringLiteral("L"), 100, 1, false),
                 QStringLiteral("QZ- 28L-100_"));
    }

    void positionRangeConversion()
    {
        TestEnv::Scope env;
        setAxis(0, 6, 400);
        setAxis(1, 0, 400); // invalid
        App().AxisNotUsed = {false, false, true, true};
        App().PosiNoStart = 2;
        App().PosiNoEnd = 3;
        std::array<std::array<ValueCell, 9>, 5> rows{};
        for (auto &r : rows)
            for (auto &c : r)
                c = ValueCell(QStringLiteral("old"));
        rows[2][0] = ValueCell(6667);
        rows[3][0] = ValueCell(2);
        rows[2][1] = ValueCell(5);
        const CellGet get = [&](int r, int c) { return rows[r][c]; };
        const CellSet set = [&](int r, int c, const ValueCell &v) { rows[r][c] = v; };
        QCOMPARE(PosiPulseToMm(get, set), 1);
        QCOMPARE(rows[2][4], ValueCell(100.005));
        QCOMPARE(rows[3][4], ValueCell(0.03));
        QCOMPARE(rows[2][5], ValueCell(QStringLiteral("old"))); // invalid axis untouched
        QCOMPARE(rows[2][6], ValueCell(0));                      // not in use
        QCOMPARE(rows[1][4], ValueCell(QStringLiteral("old")));  // outside the range
        rows[2][4] = ValueCell(0.0225);
        PosiMmToPulse(get, set);
        QCOMPARE(rows[2][0], ValueCell(2.0));
    }
};

QTEST_MAIN(TstUnitConv)
#include "tst_unitconv.moc"
