// The controller's axis configuration read from single parameter blocks.
#include "core/AppState.h"
#include "link/AxisConfig.h"
#include "link/CommandHost.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "sim/SimController.h"
#include "sim/SimParaBlocks.h"
#include "support/LinkFixture.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace Comm;

namespace {
// Second axis block: TYPE, LEAD, PULSE, STROKE (pulses), JOG, size, speed
// letter, actuator stroke, spare.
QByteArray secondBlock(int type, int lead, int ppr, int maxPulse, int size, char speed, int stroke)
{
    auto hex = [](int v, int digits) { return QByteArray::number(v, 16).toUpper().rightJustified(digits, '0'); };
    return hex(type, 2) + hex(lead, 2) + hex(ppr, 4) + hex(maxPulse, 6) + "14" + hex(size, 2) + hex(speed, 2)
           + hex(stroke, 4) + "00000000";
}
QByteArray firstBlock(int pgFunction) { return "0000000000000000" + QByteArray::number(pgFunction, 16).rightJustified(2, '0') + "00000000000000"; }
} // namespace

class TstAxisConfig : public QObject {
    Q_OBJECT
    std::unique_ptr<LinkFixture> fx;
    SimController *sim = nullptr;

    QStringList frames(const char *code) const { return fx->frames(code); }
    void setBlock0(const QByteArray &maskDigits, const QByteArray &modeDigits)
    {
        SimParaBlocks::SetBlock(*sim, 0, "00" + maskDigits + "00000000000000" + modeDigits + "000000000000");
    }

private slots:
    void init()
    {
        fx = std::make_unique<LinkFixture>();
        sim = &fx->sim;
        QVERIFY(sim->ok());
    }
    void cleanup()
    {
        sim = nullptr;
        fx.reset();
    }

    void axisMask()
    {
        setBlock0("05", "01");
        QCOMPARE(ReadAxisConfigFromCt(), 0);
        QCOMPARE(App().AxisNotUsed, (PerAxis<bool>{false, true, false, true}));
        QCOMPARE(Paradata().ParaSet.ParaSpAxis, int16_t(5));
        QVERIFY(!App().PrgModeFlag); // the plain read leaves the mode alone
        QCOMPARE(frames("0RD"), QStringList{QStringLiteral("0RD0")});
    }

    void heldCopiesAndMode_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<bool>("program");
        QTest::newRow("01") << QByteArray("01") << true;
        QTest::newRow("00") << QByteArray("00") << false;
        QTest::newRow("02") << QByteArray("02") << false;
    }
    void heldCopiesAndMode()
    {
        QFETCH(QByteArray, mode);
        QFETCH(bool, program);
        setBlock0("0A", mode);
        App().PrgModeFlag = !program;
        QCOMPARE(ReadAxisConfigFromCtIntoHold(), 0);
        QCOMPARE(Paradata().PrgModeFlagHold, program);
        QCOMPARE(Paradata().AxisNotUsedHold, (PerAxis<bool>{true, false, true, false}));
        QCOMPARE(App().PrgModeFlag, !program); // only held so far
        QCOMPARE(ReadAxisConfigFromCt_Apply(), 0);
        QCOMPARE(App().PrgModeFlag, program);
        QCOMPARE(App().AxisNotUsed, (PerAxis<bool>{true, false, true, false}));
        QCOMPARE(Paradata().ParaSet.ParaSpAxis, int16_t(10));
    }

    void blockOneAndStrokeLimits()
    {
        SimParaBlocks::SetBlock(*sim, 1, "0000000001020D0F0000000000000000");
        QCOMPARE(ReadBlock1FromCt(), 0);
        QCOMPARE(Paradata().CtBlock1Value, (PerAxis<int16_t>{1, 2, 13, 15}));
        App().AxisNotUsed = {false, true, false, true};
        Paradata().Ct.CtMaxPulse = {9, 9, 9, 9};
        SimParaBlocks::SetBlock(*sim, 10, secondBlock(0, 6, 400, 6667, 28, 'L', 100));
        sim->clearFrames();
        QCOMPARE(ReadMaxPulseFromCt(), 0);
        QCOMPARE(frames("0RD"), (QStringList{"0RD4", "0RDA"}));
        QCOMPARE(Paradata().Ct.CtMaxPulse, (PerAxis<int32_t>{262143, 0, 6667, 0}));
    }

    void actuatorsOfTheController()
    {
        SimParaBlocks::SetBlock(*sim, 4, secondBlock(1, 6, 40000, 6667, 28, 'L', 100));
        SimParaBlocks::SetBlock(*sim, 7, secondBlock(0, 6, 400, 100, 99, 'E', 50));
        SimParaBlocks::SetBlock(*sim, 10, secondBlock(2, 12, 800, 100, 5, 'H', 50));
        SimParaBlocks::SetBlock(*sim, 13, secondBlock(0, 2, 400, 100, 100, 'D', 600));
        SimParaBlocks::SetBlock(*sim, 3, firstBlock(1));
        SimParaBlocks::SetBlock(*sim, 6, firstBlock(2));
        QCOMPARE(ReadDeviceFromCt(), 0);
        const auto &ct = Paradata().Ct;
        QCOMPARE(ct.CtDevType[0], int16_t(1));
        QCOMPARE(ct.CtPPR[0], 40000); // beyond 16 bits
        QCOMPARE(ct.CtMaxPulse[0], 6667);
        QCOMPARE(ct.CtDevSize, (PerAxis<QString>{" 28", "E35", "  5", " 100"}));
        QCOMPARE(ct.CtDevSpeed, (PerAxis<QString>{"L", "L", "H", "D"}));
        QCOMPARE(ct.CtDevStroke, (PerAxis<int32_t>{100, 50, 50, 600}));
        QCOMPARE(ct.CtPgFlag, (PerAxis<int16_t>{1, 2, 0, 0}));
        QCOMPARE(frames("0RD"), (QStringList{"0RD4", "0RD7", "0RDA", "0RDD", "0RD3", "0RD6", "0RD9", "0RDC"}));
    }

    void noAxisInUseSendsNoBlock()
    {
        App().AxisNotUsed = {true, true, true, true};
        auto &ct = Paradata().Ct;
        ct.CtLead = {5, 5, 5, 5};
        ct.CtDevSize.fill(QStringLiteral(" 28"));
        QCOMPARE(ReadDeviceFromCt(), 0);
        QCOMPARE(ReadMaxPulseFromCt(), 0);
        QVERIFY(frames("0RD").isEmpty());
        QCOMPARE(ct.CtLead, (PerAxis<int16_t>{0, 0, 0, 0}));
        QCOMPARE(ct.CtDevSize[3], QString());
    }

    void failureOnAxisThreeKeepsTheRest()
    {
        auto &ct = Paradata().Ct;
        ct.CtLead = {1, 1, 1, 1};
        for (int b : {4, 7, 10, 13})
            SimParaBlocks::SetBlock(*sim, b, secondBlock(0, 6, 400, 100, 28, 'L', 100));
        sim->addCommand("0RD", [](SimController &s, const QByteArray &f) -> std::optional<QByteArray> {
            if (f == "0RDA")
                return QByteArray("0%%104");
            return "0RD" + f.mid(3, 1) + SimParaBlocks::Block(s, QByteArray("0123456789ABCDEF").indexOf(f.at(3)));
        });
        QCOMPARE(ReadDeviceFromCt(), 1);
        QCOMPARE(ct.CtLead, (PerAxis<int16_t>{6, 6, 1, 1}));
        QCOMPARE(CompareCtDeviceToPcDevice(), -1);
    }

    void compareWithThePcSetting()
    {
        App().AxisNotUsed = {false, true, true, true};
        SimParaBlocks::SetBlock(*sim, 4, secondBlock(0, 6, 400, 6667, 28, 'L', 100));
        SimParaBlocks::SetBlock(*sim, 3, firstBlock(1));
        auto &s = Paradata();
        auto &d = s.DevSetting;
        d.DevSize[0] = QStringLiteral(" 28");
        d.DevSpeed[0] = QStringLiteral("L");
        d.DevStroke[0] = 100;
        d.DevLead[0] = 6;
        d.DevPPR[0] = 400;
        d.DevWithPG[0] = true;
        s.MaxPulse[0] = 6667;
        d.DevLead[1] = 99; // not in use: not compared
        QCOMPARE(CompareCtDeviceToPcDevice(), 0);
        d.DevWithPG[0] = false;
        QCOMPARE(CompareCtDeviceToPcDevice(), 1);
        d.DevWithPG[0] = true;
        d.DevSize[0] = QStringLiteral("28");
        QCOMPARE(CompareCtDeviceToPcDevice(), 1);
        d.DevSize[0] = QStringLiteral(" 28");
        s.MaxPulse[0] = 6666;
        QCOMPARE(CompareCtDeviceToPcDevice(), 1);
    }

    void heldMaskOnly()
    {
        setBlock0("03", "01");
        QCOMPARE(ReadAxesInUseFromCtWithRetries(), 0);
        QCOMPARE(Paradata().AxisNotUsedHold, (PerAxis<bool>{false, false, true, true}));
        QCOMPARE(App().AxisNotUsed, (PerAxis<bool>{false, false, false, false}));
        QVERIFY(!Paradata().PrgModeFlagHold);
        // An error reply is a link failure: no second request.
        sim->clearFrames();
        sim->addFault("0RD", SimFaultRule{SimFault::ErrorReply, 0, "0%%104"}, 1);
        QCOMPARE(ReadAxesInUseFromCtWithRetries(), 1);
        QCOMPARE(frames("0RD").size(), 1);
    }
};

QTEST_MAIN(TstAxisConfig)
#include "tst_axisconfig.moc"
