// Single-block writes against the simulated controller: the standard
// parameters of the chosen actuators, the axis mask and the controller mode.
#include "core/AppState.h"
#include "link/AxisBlockWrites.h"
#include "link/CommandHost.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "sim/SimController.h"
#include "sim/SimParaBlocks.h"
#include "support/LinkFixture.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace Comm;

class TstBlockWrites : public QObject {
    Q_OBJECT
    std::unique_ptr<LinkFixture> fx;
    SimController *sim = nullptr;

    QStringList frames(const char *code) const { return fx->frames(code); }

private slots:
    void init()
    {
        fx = std::make_unique<LinkFixture>();
        sim = &fx->sim;
        QVERIFY(sim->ok());
        auto &s = Paradata();
        for (int a = 0; a < 4; ++a) {
            s.Ct.CtDevSize[a] = QStringLiteral(" 28");
            s.Ct.CtDevSpeed[a] = QStringLiteral("L");
            s.Ct.CtDevStroke[a] = 100;
        }
    }
    void cleanup()
    {
        sim = nullptr;
        fx.reset();
    }

    void standardBlocksOfOneAxis()
    {
        App().AxisNotUsed = {true, true, true, true};
        App().AxisNotUsed[0] = false;
        Paradata().ParaSet.ParaType[0] = 1;
        QCOMPARE(WriteActuatorParametersToCt(), 0);
        QStringList sent;
        for (const QByteArray &f : sim->frames())
            sent << QString::fromLatin1(f.left(4));
        QCOMPARE(sent, (QStringList{"0WD1", "0WD3", "0WD4", "0WE"}));
        // TYPE goes out as the set holds it.
        QCOMPARE(frames("0WD4").first().mid(4, 2), QStringLiteral("01"));
        QCOMPARE(SimParaBlocks::StoreCount(*sim), 1);
        QVERIFY(!TestEnv::Recorder().progress.visible);
    }

    void failedFrameStoresNothing()
    {
        App().AxisNotUsed = {false, false, true, true};
        sim->addFault("0WD", SimFaultRule{SimFault::ErrorReply, 20, {}}, -1);
        QCOMPARE(WriteActuatorParametersToCt(), 1);
        QVERIFY(frames("0WE").isEmpty());
        QCOMPARE(SimParaBlocks::StoreCount(*sim), 0);
    }

    void axisMask()
    {
        SimParaBlocks::SetBlock(*sim, 0, "0123456789ABCDEF0123456789ABCDEF");
        QCOMPARE(WriteAxisMaskToCt(5), 0);
        QCOMPARE(frames("0WD0"), QStringList{"0WD00105456789ABCDEF0123456789ABCDEF"});
        QCOMPARE(Paradata().ParaSet.ParaSpAxis, int16_t(5));
        QCOMPARE(sim->model().axisMask, 5);
        QVERIFY(frames("0WE").isEmpty());
    }

    void axisMaskOfAxesInUse()
    {
        App().AxisNotUsed = {false, true, false, true};
        QCOMPARE(WriteAxesInUseMaskToCt(), 0);
        QCOMPARE(SimParaBlocks::Block(*sim, 0).mid(2, 2), QByteArray("05"));
    }

    void controllerMode()
    {
        const QByteArray before = "0F03000000000000000000000000ABCD";
        SimParaBlocks::SetBlock(*sim, 0, before);
        QCOMPARE(ReadCtModeFromCt(), 0);
        QCOMPARE(SetCtModeToCt(1), 0);
        QByteArray after = before;
        after.replace(18, 2, "01");
        QCOMPARE(SimParaBlocks::Block(*sim, 0), after);
        QCOMPARE(SimParaBlocks::StoreCount(*sim), 1);
        QCOMPARE(Platform::Dialogs::Shown().size(), size_t(1));
        QCOMPARE(Platform::Dialogs::Shown().front().icon, Platform::MsgIcon::Information);
        // The same mode again: written and stored, nothing said.
        QCOMPARE(SetCtModeToCt(1), 0);
        QCOMPARE(SimParaBlocks::StoreCount(*sim), 2);
        QCOMPARE(Platform::Dialogs::Shown().size(), size_t(1));
        QCOMPARE(ReadCtModeFromCt(), 1);
    }

    void modeWriteFails()
    {
        sim->addFault("0WD", SimFaultRule{SimFault::ErrorReply, 20, {}}, -1);
        QCOMPARE(SetCtModeToCt(1), -1);
        QCOMPARE(SimParaBlocks::StoreCount(*sim), 0);
    }
};

QTEST_MAIN(TstBlockWrites)
#include "tst_blockwrites.moc"
