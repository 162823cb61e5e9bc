// Parameters read from the simulated controller into the parameter set:
// the parameter window's read with its save offer, going online and the
// actuator check, and the two reads without the dialogue.
#include <QtTest>

#include "core/AppState.h"
#include "link/Engine.h"
#include "ui/paraedit/ParameterWindowRead.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "ui/paraedit/ParameterWindow.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "support/MemoryParaFace.h"
#include "support/SimOnlineFixture.h"
#include "support/TestEnv.h"

using namespace Platform;

namespace {
// Whether any parameter block beyond block 0 was asked for (the read itself).
bool parametersRead(const SimController &sim)
{
    for (const QByteArray &f : sim.frames())
        if (f == "0RD1")
            return true;
    return false;
}
} // namespace

class TestParameterWindowRead : public QObject {
    Q_OBJECT
private slots:
    void saveOffer_data();
    void saveOffer();
    void goesOnlineAndStays();
    void actuatorsDifferAndCancelled();
    void readsWithoutWindow();
};

void TestParameterWindowRead::saveOffer_data()
{
    QTest::addColumn<int>("answer");     // to string 355
    QTest::addColumn<int>("filled");     // the window's fields as the save sees them: 0 filled
    QTest::addColumn<bool>("fileChosen");
    QTest::addColumn<bool>("read");
    QTest::newRow("No: read without saving") << int(MsgAnswer::No) << 0 << false << true;
    QTest::newRow("Cancel") << int(MsgAnswer::Cancel) << 0 << false << false;
    QTest::newRow("Yes, file dialogue cancelled") << int(MsgAnswer::Yes) << 0 << false << false;
    QTest::newRow("Yes, saved") << int(MsgAnswer::Yes) << 0 << true << true;
    QTest::newRow("Yes, save refused") << int(MsgAnswer::Yes) << 1 << true << false;
}

void TestParameterWindowRead::saveOffer()
{
    QFETCH(int, answer);
    QFETCH(int, filled);
    QFETCH(bool, fileChosen);
    QFETCH(bool, read);
    SimOnline::Fixture f(true);
    App().OfflineFlag = false;
    ParameterWindow window;
    FillValidParaFields(window);
    TestEnv::Recorder().paraFilled = filled;
    Dialogs::QueueAnswer(MsgAnswer(answer));
    if (fileChosen)
        Dialogs::QueueFileName(f.env.path(QStringLiteral("saved.pmt")));
    Online::ReadParametersIntoWindow(&window);
    QCOMPARE(Dialogs::ShownTexts().value(0), ResText(355));
    QCOMPARE(parametersRead(f.sim), read);
    QVERIFY(!App().BusyFlag);
}

void TestParameterWindowRead::goesOnlineAndStays()
{
    SimOnline::Fixture f(true);
    SimOnline::SetBlockField(f.sim, 0, 1, 1, 0x5);
    App().AxisNotUsed = {false, true, false, true};
    Online::ReadParametersIntoWindow(nullptr);
    QCOMPARE(f.sim.frames().value(0), QByteArray("0CM1"));
    QVERIFY(f.sim.frames().contains("0RV")); // identified on the way online
    QVERIFY(parametersRead(f.sim));
    QVERIFY(!App().OfflineFlag);
    QCOMPARE(Paradata().ParaSet.ParaSpAxis, int16_t(5));
    QVERIFY(Dialogs::ShownTexts().isEmpty());
}

void TestParameterWindowRead::actuatorsDifferAndCancelled()
{
    SimOnline::Fixture f(true);
    App().OfflineFlag = false;
    Paradata().DevSetting.DevStroke[2] = 150;
    Dialogs::QueueAnswer(MsgAnswer::Cancel);
    Online::ReadParametersIntoWindow(nullptr);
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(357) + QStringLiteral("\r\n") + ResText(358)});
    QVERIFY(!parametersRead(f.sim));
    QCOMPARE(Paradata().DevSetting.DevStroke[2], 150);
    QVERIFY(!App().OfflineFlag);
}

void TestParameterWindowRead::readsWithoutWindow()
{
    SimOnline::Fixture f(true);
    App().OfflineFlag = false;
    QCOMPARE(Online::ReadAllParameters(), 0);
    QVERIFY(parametersRead(f.sim));
    // The axis mask refused: string 359, nothing read.
    f.sim.clearFrames();
    f.sim.addFault("0RD", SimFaultRule{SimFault::ErrorReply, 20, {}}, 1);
    QCOMPARE(Online::ReadAllParameters(), 1);
    QVERIFY(!parametersRead(f.sim));
    QVERIFY(Dialogs::ShownTexts().contains(ResText(359)));
}

QTEST_MAIN(TestParameterWindowRead)
#include "tst_parameterwindowread.moc"
