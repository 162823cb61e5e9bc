// System parameter blocks: packing of the 72 values, the read and the write
// against the simulated controller, and their failures.
#include <QtTest>

#include "core/AppState.h"
#include "link/Engine.h"
#include "link/Queues.h"
#include "link/SysParaBlocks.h"
#include "platform/Dialogs.h"
#include "support/SimOnlineFixture.h"
#include "support/TestEnv.h"

using namespace Comm;

namespace {
struct Fixture : SimOnline::Fixture {
    Fixture() { App().OfflineFlag = false; }
};

// Values that fill every field: 16-bit fields up to 65535, 8-bit up to 255.
std::array<ValueCell, 81> sampleValues()
{
    std::array<ValueCell, 81> v{};
    for (int p = 1; p <= kSysParaCount; ++p) {
        const bool byteField = p >= 17 && p <= 48;
        v[size_t(p)] = byteField ? (p * 7) % 256 : (p * 911 + 65000 * (p % 2)) % 65536;
    }
    return v;
}
} // namespace

class TestSysPara : public QObject {
    Q_OBJECT
private slots:
    void packing_data();
    void packing();
    void decodes();
    void writeThenReadBack();
    void allZeroWrite();
    void readFailsAtBlock4();
    void wrongEchoStopsTheWrite_data();
    void wrongEchoStopsTheWrite();
    void valueThatDoesNotFitIsNotSent();
};

void TestSysPara::packing_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("param");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("at");     // first data digit (0-based) of the value
    QTest::addColumn<QString>("digits");
    QTest::newRow("block 0 first") << 0 << 1 << 300 << 0 << "012C";
    QTest::newRow("block 1 last") << 1 << 16 << 65535 << 28 << "FFFF";
    QTest::newRow("block 2 first") << 2 << 17 << 10 << 0 << "0A";
    QTest::newRow("block 3 last") << 3 << 48 << 255 << 30 << "FF";
    QTest::newRow("block 4 first") << 4 << 49 << 1 << 0 << "0001";
    QTest::newRow("block 6 last") << 6 << 72 << 4660 << 28 << "1234";
}

void TestSysPara::packing()
{
    QFETCH(int, block);
    QFETCH(int, param);
    QFETCH(int, value);
    QFETCH(int, at);
    QFETCH(QString, digits);
    std::array<ValueCell, 81> v{};
    for (int p = 1; p <= kSysParaCount; ++p)
        v[size_t(p)] = 0;
    v[size_t(param)] = value;
    const QString text = SysParaBlockText(block, v);
    QCOMPARE(text.size(), 33);
    QCOMPARE(text.left(1), QString::number(block));
    QCOMPARE(text.mid(1 + at, digits.size()), digits);
    QCOMPARE(text.mid(1).count(QLatin1Char('0')), 32 - digits.size() + digits.count(QLatin1Char('0')));
}

void TestSysPara::decodes()
{
    std::array<ValueCell, 81> v{};
    QVERIFY(DecodeSysParaReply(2, QStringLiteral("0RK20A0B") + QString(28, QLatin1Char('0')) + "\r\n", v));
    QCOMPARE(v[17].toDouble(), std::optional<double>(10));
    QCOMPARE(v[18].toDouble(), std::optional<double>(11));
    QVERIFY(DecodeSysParaReply(0, QStringLiteral("0RK0012C") + QString(28, QLatin1Char('0')) + "\r\n", v));
    QCOMPARE(v[1].toDouble(), std::optional<double>(300));
    // Not hexadecimal: nothing taken.
    QVERIFY(!DecodeSysParaReply(0, QStringLiteral("0RK0G12C") + QString(28, QLatin1Char('0')) + "\r\n", v));
    QCOMPARE(v[1].toDouble(), std::optional<double>(300));
}

void TestSysPara::writeThenReadBack()
{
    Fixture o;
    SysPara().SysParaWriteValue = sampleValues();
    QCOMPARE(WriteSystemParametersToCt(), 0);
    QCOMPARE(o.sim.frames().size(), 8);
    QCOMPARE(o.sim.frames().last(), QByteArray("0WF"));
    QCOMPARE(ReadSystemParametersFromCt(), 0);
    for (int p = 1; p <= kSysParaCount; ++p)
        QCOMPARE(SysPara().SysParaReadValue[size_t(p)].toInt32(), SysPara().SysParaWriteValue[size_t(p)].toInt32());
    QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
}

void TestSysPara::allZeroWrite()
{
    Fixture o;
    for (int p = 1; p <= kSysParaCount; ++p)
        SysPara().SysParaWriteValue[size_t(p)] = 0;
    QCOMPARE(WriteSystemParametersToCt(), 0);
    QList<QByteArray> expected;
    for (int b = 0; b < 7; ++b)
        expected << "0WK" + QByteArray::number(b) + QByteArray(32, '0');
    expected << "0WF";
    QCOMPARE(o.sim.frames(), expected);
}

void TestSysPara::readFailsAtBlock4()
{
    Fixture o;
    for (int p = 1; p <= kSysParaCount; ++p)
        SysPara().SysParaReadValue[size_t(p)] = 7;
    // Blocks 0..3 answer, block 4 gets an error reply.
    o.sim.addCommand("0RK", [](SimController &sim, const QByteArray &f) -> std::optional<QByteArray> {
        if (f == "0RK4")
            return QByteArray("0%%104");
        return f + sim.model().sysBlocks[size_t(f.mid(3).toInt())];
    });
    QCOMPARE(ReadSystemParametersFromCt(), 1);
    for (int p = 1; p <= kSysParaCount; ++p)
        QCOMPARE(SysPara().SysParaReadValue[size_t(p)].toInt32(), std::optional<int32_t>(7));
    QCOMPARE(o.sim.frames().last(), QByteArray("0RK4"));
}

void TestSysPara::wrongEchoStopsTheWrite_data()
{
    QTest::addColumn<int>("block");
    QTest::newRow("block 0") << 0;
    QTest::newRow("block 5") << 5;
}

void TestSysPara::wrongEchoStopsTheWrite()
{
    QFETCH(int, block);
    Fixture o;
    for (int p = 1; p <= kSysParaCount; ++p)
        SysPara().SysParaWriteValue[size_t(p)] = 1;
    const QByteArray bad = "0WK" + QByteArray::number(block);
    o.sim.addCommand("0WK", [bad](SimController &, const QByteArray &f) -> std::optional<QByteArray> {
        // Answers a block other than the one sent.
        return f.startsWith(bad) ? QByteArray("0WK9") : f.left(4);
    });
    QCOMPARE(WriteSystemParametersToCt(), 1);
    QCOMPARE(o.sim.frames().size(), block + 1);
    QVERIFY(!o.sim.frames().contains("0WF"));
    QCOMPARE(Platform::Dialogs::ShownTexts(),
             QStringList{QStringLiteral("Communication error occurs!\r\ntransmit data is wrong")});
}

void TestSysPara::valueThatDoesNotFitIsNotSent()
{
    Fixture o;
    for (int p = 1; p <= kSysParaCount; ++p)
        SysPara().SysParaWriteValue[size_t(p)] = 0;
    SysPara().SysParaWriteValue[20] = 256; // an 8-bit field
    QCOMPARE(WriteSystemParametersToCt(), 1);
    QVERIFY(o.sim.frames().isEmpty());
    QCOMPARE(Platform::Dialogs::ShownTexts().size(), 1);
}

QTEST_MAIN(TestSysPara)
#include "tst_syspara.moc"
