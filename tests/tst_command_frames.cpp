// Frame coders and reply decoders of the state, motion, input/output,
// program, task, group and macro commands: exact frames, refused fields,
// reply decoding.
#include <QtTest>

#include "link/CommandFrames.h"

using namespace Comm;
using Frames::BitTable;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {
const std::array<bool, 4> kAllAxes{false, false, false, false};
const std::array<bool, 4> kAxes12{false, false, true, true};

std::optional<QString> none() { return std::nullopt; }
std::optional<QString> some(const char *s) { return QString::fromLatin1(s); }

Frames::MacroSteps macro(std::initializer_list<Frames::MacroStep> first)
{
    Frames::MacroSteps s{};
    int i = 0;
    for (const auto &st : first)
        s[i++] = st;
    return s;
}

BitTable bits(std::initializer_list<std::pair<int, int>> set)
{
    BitTable t{};
    for (auto [j, b] : set)
        t[j][b] = true;
    return t;
}
} // namespace

class TestCommandFrames : public QObject {
    Q_OBJECT
private slots:
    void frames_data();
    void frames();
    void axisState_data();
    void axisState();
    void modeSet();
    void ioBits();
    void outputToggle();
    void replies();
    void groupRoundTrip();
    void macroReplies();
    void presentPos_data();
    void presentPos();
};

void TestCommandFrames::frames_data()
{
    QTest::addColumn<std::optional<QString>>("frame");
    QTest::addColumn<std::optional<QString>>("expected");

    QTest::newRow("0MP pos 5 axes 1+2") << Frames::MovePosiNo(5, 0, kAxes12) << some("0MP0053");
    QTest::newRow("0MS pos 999 all axes") << Frames::MovePosiNo(999, 1, kAllAxes) << some("0MS3E7F");
    QTest::newRow("0MP home, mode 2 is 0MP") << Frames::MovePosiNo(0, 2, kAllAxes) << some("0MP000F");
    QTest::newRow("0MP pos 1000") << Frames::MovePosiNo(1000, 0, kAllAxes) << none();
    QTest::newRow("0MP pos -1") << Frames::MovePosiNo(-1, 0, kAllAxes) << none();
    QTest::newRow("0MG 12") << Frames::MoveGrpNo(12) << some("0MG0C");
    QTest::newRow("0MG 100") << Frames::MoveGrpNo(100) << none();
    QTest::newRow("0WA 1..999") << Frames::StorePosiData(1, 999) << some("0WA0013E7");
    QTest::newRow("0WA last too wide") << Frames::StorePosiData(1, 0x1000) << none();
    QTest::newRow("0WA negative") << Frames::StorePosiData(-1, 5) << none();
    QTest::newRow("0RR program 10") << Frames::ReadProgStepCount(10) << some("0RR0A");
    QTest::newRow("0RR program 256") << Frames::ReadProgStepCount(256) << none();
    QTest::newRow("0WG group 12") << Frames::WriteGrp(12, 5, 300) << some("0WG0C00512C");
    QTest::newRow("0WG start too wide") << Frames::WriteGrp(12, 4096, 300) << none();
    QTest::newRow("0WG end negative") << Frames::WriteGrp(12, 5, -3) << none();
    QTest::newRow("0RG group 99") << Frames::ReadGrp(99) << some("0RG63");
    QTest::newRow("0WS macro 3") << Frames::WriteSqMcr(3, macro({{2, 15}}))
                                 << some("0WS032F000000000000000000000000000000");
    QTest::newRow("0WS data 16") << Frames::WriteSqMcr(3, macro({{2, 16}})) << none();
    QTest::newRow("0WS code 16") << Frames::WriteSqMcr(3, macro({{16, 0}})) << none();
    QTest::newRow("0WS code negative") << Frames::WriteSqMcr(1, macro({{-1, 0}})) << none();
    QTest::newRow("0RS macro 20") << Frames::ReadSqMcr(20) << some("0RS14");
    QTest::newRow("0RC all axes") << std::optional<QString>(Frames::PresentPosQuery(kAllAxes)) << some("0RCF");
    QTest::newRow("0RC axes 1+3") << std::optional<QString>(Frames::PresentPosQuery({false, true, false, true}))
                                  << some("0RC5");
    QTest::newRow("0WO") << std::optional<QString>(Frames::WriteOutputs(bits({{2, 3}, {4, 0}}))) << some("0WO00801");
}

void TestCommandFrames::frames()
{
    QFETCH(std::optional<QString>, frame);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(frame, expected);
}

void TestCommandFrames::axisState_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("paraSpAxis");
    QTest::addColumn<bool>("all");
    QTest::newRow("7 vs 7") << "0RA7\r\n" << 7 << true;
    QTest::newRow("3 vs 7") << "0RA3\r\n" << 7 << false;
    QTest::newRow("F vs 3") << "0RAF\r\n" << 3 << true;
    QTest::newRow("B vs 11 (gapped axes)") << "0RAB\r\n" << 11 << true;
    QTest::newRow("B vs 15") << "0RAB\r\n" << 15 << false;
    QTest::newRow("0 vs 0") << "0RH0\r\n" << 0 << true;
    QTest::newRow("garbled digit") << "0RAZ\r\n" << 7 << false;
    QTest::newRow("too short") << "0RA" << 7 << false;
}

void TestCommandFrames::axisState()
{
    QFETCH(QString, reply);
    QFETCH(int, paraSpAxis);
    QFETCH(bool, all);
    QCOMPARE(Frames::AllAxesReported(reply, paraSpAxis), all);
}

void TestCommandFrames::modeSet()
{
    int n = 5;
    QCOMPARE(Frames::SetCommunicationMode(2, n, 5, kAllAxes), QStringLiteral("0CM02020"));
    QCOMPARE(n, 0);
    n = 1;
    QCOMPARE(Frames::SetCommunicationMode(1, n, 15, {true, false, false, false}), QStringLiteral("0CM10111"));
    n = 1;
    QCOMPARE(Frames::SetCommunicationMode(0, n, 15, kAllAxes), QStringLiteral("0CM10000"));
    QCOMPARE(n, 1);
}

void TestCommandFrames::ioBits()
{
    BitTable in{};
    in[6][3] = true;
    QVERIFY(Frames::DecodeBits("0RI1000000\r\n", Frames::kInDigits, in));
    QCOMPARE(in, bits({{0, 0}}));

    BitTable out = bits({{0, 0}});
    QVERIFY(Frames::DecodeBits("0RO0000F\r\n", Frames::kOutDigits, out));
    QCOMPARE(out, bits({{4, 0}, {4, 1}, {4, 2}, {4, 3}}));

    // A garbled digit leaves the table as it was.
    const BitTable before = out;
    QVERIFY(!Frames::DecodeBits("0RO00G0F\r\n", Frames::kOutDigits, out));
    QVERIFY(!Frames::DecodeBits("0RO00\r\n", Frames::kOutDigits, out));
    QCOMPARE(out, before);
}

void TestCommandFrames::outputToggle()
{
    BitTable outBit = bits({{0, 1}});
    BitTable outReq = bits({{0, 1}, {2, 3}});
    Frames::ApplyOutputRequests(outBit, outReq);
    QCOMPARE(Frames::WriteOutputs(outBit), QStringLiteral("0WO00800"));
    QCOMPARE(outBit, bits({{2, 3}}));
    QCOMPARE(outReq, BitTable{});
}

void TestCommandFrames::replies()
{
    QCOMPARE(Frames::DecodeProgStepCount("0RR0A1F\r\n"), std::optional<int>(31));
    QCOMPARE(Frames::DecodeProgStepCount("0RR0AFF\r\n"), std::optional<int>(255));
    QCOMPARE(Frames::DecodeProgStepCount("0RR0A1?\r\n"), std::nullopt);
    QCOMPARE(Frames::DecodeTaskNo("0TN3\r\n"), std::optional<int>(3));
    QCOMPARE(Frames::DecodeTaskNo("0TNF\r\n"), std::optional<int>(15));
    QCOMPARE(Frames::DecodeTaskNo("0TN\r\n"), std::nullopt);
    QVERIFY(Frames::EchoMatches("0WG0C\r\n", "0WG0C00512C", 5));
    QVERIFY(!Frames::EchoMatches("0WG0D\r\n", "0WG0C00512C", 5));
    QVERIFY(!Frames::EchoMatches("0WE", "0WE3", 4));
}

void TestCommandFrames::groupRoundTrip()
{
    using G = Frames::GroupRecord;
    QCOMPARE(Frames::DecodeGrp("0RG0C00512C\r\n", 12), std::optional<G>(G{5, 300}));
    // Another group's echo, or garbled data, is not taken.
    QCOMPARE(Frames::DecodeGrp("0RG0D00512C\r\n", 12), std::nullopt);
    QCOMPARE(Frames::DecodeGrp("0RG0C0051 C\r\n", 12), std::nullopt);
    // What the writer codes, the reader decodes.
    const QString w = *Frames::WriteGrp(63, 999, 0xABC);
    QCOMPARE(Frames::DecodeGrp("0RG" + w.mid(3) + "\r\n", 63), std::optional<G>(G{999, 0xABC}));
}

void TestCommandFrames::macroReplies()
{
    // Macro 3: step 0 (2, 15); step 1 has code 0 and a stray data digit.
    const QString reply = "0RS032F07" + QString(28, QLatin1Char('0')) + "\r\n";
    QCOMPARE(reply.size(), Frames::kSmReadReplyLen);
    const auto steps = Frames::DecodeSqMcr(reply, 3);
    QVERIFY(steps);
    QCOMPARE((*steps)[0], (Frames::MacroStep{2, 15}));
    QCOMPARE((*steps)[1], (Frames::MacroStep{0, 0}));
    QCOMPARE(Frames::DecodeSqMcr(reply, 4), std::nullopt);

    const Frames::MacroSteps all = macro({{1, 4}, {5, 9}, {15, 0}, {6, 1}});
    const QString w = *Frames::WriteSqMcr(20, all);
    QCOMPARE(Frames::DecodeSqMcr("0RS" + w.mid(3) + "\r\n", 20), std::optional<Frames::MacroSteps>(all));
}

using Positions = Frames::PresentPositions;
Q_DECLARE_METATYPE(std::optional<Positions>)
using Axes = std::array<bool, 4>;
Q_DECLARE_METATYPE(Axes)

void TestCommandFrames::presentPos_data()
{
    QTest::addColumn<Axes>("notUsed");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<std::optional<Positions>>("expected");
    const Axes axes13{false, true, false, true};
    const std::optional<Positions> none;
    QTest::newRow("axes 1+3: fields 5-9 and 10-14")
        << axes13 << "0RC50012300ABC\r\n" << std::optional<Positions>(Positions{0x123, {}, 0xABC, {}});
    QTest::newRow("F0000 is a position, F0001 reads 0")
        << kAxes12 << "0RC3F0000F0001\r\n" << std::optional<Positions>(Positions{983040, 0, {}, {}});
    QTest::newRow("FFFFF reads 0, all axes")
        << kAllAxes << "0RCFFFFFF000000000100002\r\n" << std::optional<Positions>(Positions{0, 0, 1, 2});
    QTest::newRow("echo of another mask") << axes13 << "0RC30012300ABC\r\n" << none;
    QTest::newRow("other command") << axes13 << "0RA50012300ABC\r\n" << none;
    QTest::newRow("field not hex") << axes13 << "0RC5001G300ABC\r\n" << none;
    QTest::newRow("a field short") << axes13 << "0RC5001230\r\n" << none;
}

void TestCommandFrames::presentPos()
{
    QFETCH(Axes, notUsed);
    QFETCH(QString, reply);
    QFETCH(std::optional<Positions>, expected);
    QCOMPARE(Frames::DecodePresentPos(reply, notUsed), expected);
    if (expected)
        QCOMPARE(reply.size(), Frames::PresentPosReplyLen(notUsed));
}

QTEST_GUILESS_MAIN(TestCommandFrames)
#include "tst_command_frames.moc"
