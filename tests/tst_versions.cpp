// Version queries against the simulated controller: the main unit with its
// model code, the axis units of the axes in use, the version box text and
// the version command's ways out.
#include <QtTest>

#include "core/AppState.h"
#include "link/Engine.h"
#include "ui/online/GoOnline.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "link/Versions.h"
#include "platform/Dialogs.h"
#include "support/SimOnlineFixture.h"
#include "support/TestEnv.h"

using namespace Comm;

namespace {
using SimOnline::Fixture;

QStringList frames(const SimController &sim)
{
    QStringList out;
    for (const QByteArray &f : sim.frames())
        out << QString::fromLatin1(f);
    return out;
}
} // namespace

class TestVersions : public QObject {
    Q_OBJECT
private slots:
    void mainVersionAndModel();
    void axisVersions_data();
    void axisVersions();
    void boxText_data();
    void boxText();
    void acceptedModels_data();
    void acceptedModels();
    void versionCommand();
};

void TestVersions::mainVersionAndModel()
{
    Fixture o;
    QVERIFY(o.sim.ok());
    App().OfflineFlag = false;
    o.sim.model().version = "123";
    o.sim.model().modelCode = "S4M";
    QCOMPARE(Comm::DispCtVersion(), 0);
    QCOMPARE(Versions().CtVersion, QStringLiteral("123"));
    QCOMPARE(Versions().CtModelCode, QStringLiteral("S4M"));
    QCOMPARE(Versions().CtAxisCount, 4);
    QCOMPARE(Indicators::State().StatusPanel1, QStringLiteral("The version of C/T is 123"));
    QCOMPARE(frames(o.sim), (QStringList{"0CM1", "0RV"}));
    QVERIFY(PortIsOpen());

    // The second query reports the axis digit and keeps nothing.
    o.sim.model().modelCode = "S2M";
    QCOMPARE(ReadAxisCountFromCt(), 2);
    QCOMPARE(Versions().CtModelCode, QStringLiteral("S4M"));
}

void TestVersions::axisVersions_data()
{
    QTest::addColumn<int>("axisCount");
    QTest::addColumn<QList<bool>>("notUsed");
    QTest::addColumn<QByteArray>("unit3");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("versions");
    QTest::newRow("axes 2 and 4 unused") << 4 << QList<bool>{false, true, false, true} << QByteArray("S4R") << 0
                                         << QStringList{"0RV1", "0RV3"} << QStringList{"201", "", "203", ""};
    QTest::newRow("two axes asked, four in use") << 2 << QList<bool>{false, false, false, false} << QByteArray("S4R")
                                                 << 0 << QStringList{"0RV1", "0RV2"} << QStringList{"201", "202", "", ""};
    QTest::newRow("another unit code on axis 3") << 4 << QList<bool>{false, false, false, false} << QByteArray("S4X")
                                                 << 1 << QStringList{"0RV1", "0RV2", "0RV3"}
                                                 << QStringList{"201", "202", "", ""};
    QTest::newRow("more than four asked") << 6 << QList<bool>{false, false, false, false} << QByteArray("S4R") << 1
                                          << QStringList{"0RV1", "0RV2", "0RV3", "0RV4"}
                                          << QStringList{"201", "202", "203", "204"};
}

void TestVersions::axisVersions()
{
    QFETCH(int, axisCount);
    QFETCH(QList<bool>, notUsed);
    QFETCH(QByteArray, unit3);
    QFETCH(int, result);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, versions);
    Fixture o;
    App().OfflineFlag = false;
    for (int a = 0; a < 4; ++a)
        App().AxisNotUsed[size_t(a)] = notUsed[a];
    o.sim.model().axisUnitCode[2] = unit3;
    int n = axisCount;
    QCOMPARE(ReadAxisVersionFromCt(n), result);
    QCOMPARE(frames(o.sim), sent);
    for (int a = 0; a < 4; ++a)
        QCOMPARE(Versions().CtAxisVersion[size_t(a)], versions[a]);
}

void TestVersions::boxText_data()
{
    QTest::addColumn<int>("axisCount");
    QTest::addColumn<QList<bool>>("notUsed");
    QTest::addColumn<QString>("text");
    const QString head = QStringLiteral("The version of this controller is as follows.\r\n\r\n<MAIN>  100");
    QTest::newRow("axes 2 and 4 unused") << 4 << QList<bool>{false, true, false, true}
                                         << head + "\r\n\r\n<AXIS1>  201\r\n\r\n<AXIS3>  203";
    QTest::newRow("only queried axes") << 2 << QList<bool>{false, false, false, false}
                                       << head + "\r\n\r\n<AXIS1>  201\r\n\r\n<AXIS2>  202";
    QTest::newRow("axis count past the table") << 9 << QList<bool>{true, true, true, false}
                                               << head + "\r\n\r\n<AXIS4>  204";
    QTest::newRow("no axis") << 0 << QList<bool>{false, false, false, false} << head;
}

void TestVersions::boxText()
{
    QFETCH(int, axisCount);
    QFETCH(QList<bool>, notUsed);
    QFETCH(QString, text);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    VersionState v;
    v.CtVersion = QStringLiteral("100");
    v.CtAxisCount = axisCount;
    v.CtAxisVersion = {QStringLiteral("201"), QStringLiteral("202"), QStringLiteral("203"), QStringLiteral("204")};
    QCOMPARE(::Comm::VersionBoxText(v, {notUsed[0], notUsed[1], notUsed[2], notUsed[3]}), text);
}

void TestVersions::acceptedModels_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("accepted");
    for (const char *c : {"S1M", "S2M", "S3M", "S4M"})
        QTest::newRow(c) << QString::fromLatin1(c) << true;
    for (const char *c : {"S5M", "S0M", "s3m", "S3m", "S4R", "", "S4M "})
        QTest::newRow(c) << QString::fromLatin1(c) << false;
}

void TestVersions::acceptedModels()
{
    QFETCH(QString, code);
    QFETCH(bool, accepted);
    QCOMPARE(IsAcceptedModel(code), accepted);
}

void TestVersions::versionCommand()
{
    Fixture o;
    App().OfflineFlag = false;
    App().AxisNotUsed = {false, true, false, true};
    ::Online::VersionCommand();
    QCOMPARE(frames(o.sim), (QStringList{"0CM1", "0RV", "0RV1", "0RV3"}));
    QCOMPARE(Platform::Dialogs::ShownTexts(),
             QStringList{"The version of this controller is as follows.\r\n\r\n<MAIN>  100"
                         "\r\n\r\n<AXIS1>  201\r\n\r\n<AXIS3>  203"});
    QVERIFY(!App().OfflineFlag);
    QVERIFY(!PortIsOpen()); // the port is not kept open

    // An axis unit answering with another code: no box, offline.
    Platform::Dialogs::ClearScript();
    o.sim.model().axisUnitCode[0] = "S4X";
    ::Online::VersionCommand();
    QVERIFY(App().OfflineFlag);
    QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
}

QTEST_MAIN(TestVersions)
#include "tst_versions.moc"
