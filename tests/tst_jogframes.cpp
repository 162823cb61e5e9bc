// The frames of the teaching tab's single-axis moves: the jog start with
// its direction and speed digits, and the data of one inching step.
#include "link/JogFrames.h"

#include <QtTest>

using namespace Comm::Frames;

class TestJogFrames : public QObject {
    Q_OBJECT
private slots:
    void jogStart_data();
    void jogStart();
    void inchingCommand_data();
    void inchingCommand();
    void inchingFrame();
};

void TestJogFrames::jogStart_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("frame");
    QTest::newRow("axis 2 -, 50 %") << 3 << 50 << "0JR02005";
    QTest::newRow("axis 2 -, 100 %") << 3 << 100 << "0JR02000";
    QTest::newRow("axis 1 +, 10 %") << 0 << 10 << "0JR10001";
    QTest::newRow("axis 4 +, 90 %") << 6 << 90 << "0JR00019";
    QTest::newRow("no such button") << 8 << 50 << "";
}

void TestJogFrames::jogStart()
{
    QFETCH(int, index);
    QFETCH(int, percent);
    QTEST(JogStart(index, JogSpeedText(percent)).value_or(QString()), "frame");
}

void TestJogFrames::inchingCommand_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("present");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("data");
    const QString idle = QStringLiteral("00101000000");
    QTest::newRow("axis 2 +10 near the limit") << 2 << 10 << 995 << 1000 << " 28" << "L"
                                               << idle + "014031003E8" + idle + idle + "0";
    QTest::newRow("+1 at the limit moves nothing") << 0 << 1 << 1000 << 1000 << " 28" << "L"
                                                   << "01403000000" + idle + idle + idle + "0";
    QTest::newRow("+1 one below the limit") << 0 << 1 << 999 << 1000 << " 28" << "L"
                                            << "014031003E8" + idle + idle + idle + "0";
    QTest::newRow("+100 far from the limit") << 0 << 100 << 10 << 1000 << " 28" << "L"
                                             << "0140310006E" + idle + idle + idle + "0";
    QTest::newRow("-100 near home") << 7 << 100 << 40 << 1000 << " 28" << "L"
                                    << idle + idle + idle + "01403100000" + "0";
    QTest::newRow("-1 at 1") << 1 << 1 << 1 << 1000 << " 28" << "L" << "01403100000" + idle + idle + idle + "0";
    QTest::newRow("-10 above it") << 1 << 10 << 25 << 1000 << " 28" << "L"
                                  << "0140310000F" + idle + idle + idle + "0";
    QTest::newRow("size 42, speed D") << 4 << 100 << 0 << 1000 << " 42" << "D"
                                      << idle + idle + "01405100064" + idle + "0";
}

void TestJogFrames::inchingCommand()
{
    QFETCH(int, index);
    QFETCH(int, step);
    QFETCH(int, present);
    QFETCH(int, limit);
    QFETCH(QString, size);
    QFETCH(QString, speed);
    // Stored settings 20 and 3; the second acceleration 5 shows which one
    // was taken.
    const InchingSetting setting{20, 3, 5};
    const QString data = MakeInchingCommand(step, index, present, limit, setting, speed, size);
    QTEST(data, "data");
    QCOMPARE(Inching(data).size(), 48);
}

void TestJogFrames::inchingFrame()
{
    const InchingSetting stored{20, 3, 3};
    QCOMPARE(Inching(MakeInchingCommand(10, 2, 995, 1000, stored, QStringLiteral("L"), QStringLiteral(" 28"))),
             QStringLiteral("0MV00101000000014031003E800101000000001010000000"));
}

QTEST_MAIN(TestJogFrames)
#include "tst_jogframes.moc"
