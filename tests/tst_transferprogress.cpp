// The progress bar of a transfer is drawn while the line carries a request,
// never between an answer and the next request: drawing it takes longer than
// the program's own turn there, so each exchange would wait for it.
#include "core/AppState.h"
#include "grpsm/GrpSmTables.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "posi/PosiTables.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "sim/SimPosi.h"
#include "support/RecordingShell.h"
#include "support/TestEnv.h"
#include "ui/posi/PosiTransfer.h"

#include <QtTest>
#include <functional>

using Transfer = std::function<int()>;
Q_DECLARE_METATYPE(Transfer)

namespace {

// Notes, for every step drawn, whether a request was on the line and how
// many frames the controller had then been sent.
class LineWatch : public RecordingShell {
public:
    explicit LineWatch(const SimController &sim) : m_sim(sim) {}
    struct Step {
        int value;
        bool requestOnLine;
        qsizetype framesSent;
    };
    QList<Step> drawn;
    void ProgressStep(int value) override
    {
        drawn << Step{value, Comm::Queues().ActiveID != 0, m_sim.frames().size()};
        RecordingShell::ProgressStep(value);
    }

private:
    const SimController &m_sim;
};

} // namespace

class TestTransferProgress : public QObject {
    Q_OBJECT
private slots:
    void stepsDrawnWhileTheLineCarriesARequest_data()
    {
        QTest::addColumn<Transfer>("transfer");
        QTest::addColumn<int>("steps");
        QTest::newRow("group write") << Transfer(Comm::WriteGrpDataToCt) << 100;
        QTest::newRow("group read") << Transfer(Comm::ReadGrpDataFromCt) << 99;
        QTest::newRow("macro write") << Transfer(Comm::WriteSqMcrToCt) << 21;
        QTest::newRow("macro read") << Transfer(Comm::ReadSqMcrFromCt) << 20;
        QTest::newRow("positions read") << Transfer(PosiTransfer::ReadPosidataFromCt) << 20;
        QTest::newRow("positions write") << Transfer(PosiTransfer::WritePosidataToCt) << 20;
    }
    void stepsDrawnWhileTheLineCarriesARequest()
    {
        QFETCH(Transfer, transfer);
        QFETCH(int, steps);
        TestEnv::Scope env;
        SimController sim;
        SimCmdModel model;
        InstallCommandSim(sim, model);
        SimPosi::InstallPosiCommands(sim);
        sim.attach(1);
        App().PortNo = 1;
        App().PosiNoStart = 1;
        App().PosiNoEnd = 20;
        Paradata().ParaSet.ParaSpAxis = 0xF;
        // Macros the write can send: each step a move or a wait.
        auto &sm = GrpSm::Tables().SmData;
        for (int m = 1; m <= GrpSm::kMacroCount; ++m)
            for (int s = 0; s < GrpSm::kMacroSteps; ++s) {
                sm[s][GrpSm::MacroCodeCol(m)] = int16_t(s % 3 == 0 ? 5 : 2);
                sm[s][GrpSm::MacroCodeCol(m) + 1] = int16_t(1 + (m + s) % 4);
            }
        LineWatch watch(sim);
        TestEnv::Recorder().forwardTo(&watch);
        Indicators::SetOnlineMode();
        Comm::StartLink();

        QCOMPARE(transfer(), 0);
        Comm::StopLink();
        TestEnv::Recorder().forwardTo(nullptr);
        QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList());

        // Every step is drawn, in order.
        QCOMPARE(watch.drawn.size(), steps);
        for (qsizetype i = 1; i < watch.drawn.size(); ++i)
            QCOMPARE(watch.drawn[i].value, watch.drawn[i - 1].value + 1);
        // Each while a request is on the line, or once the last request of
        // the transfer has been answered.
        for (const LineWatch::Step &s : watch.drawn)
            QVERIFY2(s.requestOnLine || s.framesSent == sim.frames().size(),
                     qPrintable(QStringLiteral("step %1 drawn between an answer and the next request").arg(s.value)));
    }
};

QTEST_MAIN(TestTransferProgress)
#include "tst_transferprogress.moc"
