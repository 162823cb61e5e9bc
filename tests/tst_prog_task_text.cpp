// What the task table shows of a controller task's step: the decoder of the
// four values by command code, the task and step frames and their replies.
#include "link/CommandFrames.h"
#include "prog/CommandList.h"
#include "prog/TaskStepText.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace TaskMonitor;
namespace Frames = Comm::Frames;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {
constexpr int32_t B = 0x3FF000;
constexpr int32_t kNeg = 0x200000;
} // namespace

class TstProgTaskText : public QObject {
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnv::Scope>(); }
    void cleanup() { m_env.reset(); }

    void cells_data();
    void cells();
    void frames_data();
    void frames();
    void replies();
    void rowFromReply();
    void codeBeyondList();

private:
    std::unique_ptr<TestEnv::Scope> m_env;
};

void TstProgTaskText::cells_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");

    const int op1 = kFieldOp1, op2 = kFieldOp2, cond = kFieldCondition, res = kFieldResult;
    QTest::newRow("2 op1 based R6") << 2 << op1 << B + 305 << "R6";
    QTest::newRow("2 op1 based r3") << 2 << op1 << B + 402 << "r3";
    QTest::newRow("2 op1 1000 blank") << 2 << op1 << 1000 << "";
    QTest::newRow("2 op1 999 number") << 2 << op1 << 999 << "999";
    QTest::newRow("27 op2 2500") << 27 << op2 << 2500 << "2.500";
    QTest::newRow("27 op2 negative") << 27 << op2 << kNeg + 1500 << "-1.500";
    QTest::newRow("27 op2 PR1") << 27 << op2 << B + 501 << "PR1";
    QTest::newRow("27 op1 R100") << 27 << op1 << B + 399 << "R100";
    QTest::newRow("38 op1 plain") << 38 << op1 << 7 << "7";
    QTest::newRow("cond /I3") << 27 << cond << 1003 << "/I3";
    QTest::newRow("cond 0 blank") << 27 << cond << 0 << "";
    QTest::newRow("cond 500 number") << 27 << cond << 500 << "500";
    QTest::newRow("cond /f50") << 1 << cond << 1249 << "/f50";
    QTest::newRow("cond O16") << 1 << cond << 36 << "O16";
    QTest::newRow("result I1 is no result") << 1 << res << 1 << "1";
    QTest::newRow("result F51") << 1 << res << 150 << "F51";
    QTest::newRow("result 0 blank") << 7 << res << 0 << "";
    QTest::newRow("22 op2 O1") << 22 << op2 << 21 << "O1";
    QTest::newRow("22 op2 F51") << 22 << op2 << 150 << "F51";
    QTest::newRow("22 op1 255 number") << 22 << op1 << 255 << "255";
    QTest::newRow("22 op1 small R2") << 22 << op1 << 301 << "R2";
    QTest::newRow("23 op1 small r1") << 23 << op1 << 400 << "r1";
    QTest::newRow("10 op1 1500") << 10 << op1 << 1500 << "1.5";
    QTest::newRow("10 op1 250") << 10 << op1 << 250 << "0.25";
    QTest::newRow("10 op1 2000") << 10 << op1 << 2000 << "2";
    QTest::newRow("10 op1 based R1") << 10 << op1 << B + 300 << "R1";
    QTest::newRow("10 op1 out of range") << 10 << op1 << 1000000 << "0";
    QTest::newRow("45 op1") << 45 << op1 << 12 << "0";
    QTest::newRow("45 op2") << 45 << op2 << 12 << "0";
    QTest::newRow("45 cond") << 45 << cond << 1003 << "0";
    QTest::newRow("45 result") << 45 << res << 21 << "0";
    QTest::newRow("58 op1") << 58 << op1 << 3 << "0";
    QTest::newRow("0 op1 blank") << 0 << op1 << 3 << "";
    QTest::newRow("11 op1 thousandths") << 11 << op1 << 12500 << "12.5";
    QTest::newRow("11 op1 50000") << 11 << op1 << 50000 << "50";
    QTest::newRow("11 op1 above") << 11 << op1 << 50001 << "50001";
    QTest::newRow("11 op1 R is plain") << 11 << op1 << B + 305 << QString::number(B + 305);
    QTest::newRow("11 cond blank") << 11 << cond << 1003 << "";
    QTest::newRow("12 op1 based R6") << 12 << op1 << B + 305 << "R6";
    QTest::newRow("12 cond") << 12 << cond << 1003 << "/I3";
    QTest::newRow("13 op1 20000") << 13 << op1 << 20000 << "20";
    QTest::newRow("13 op1 above 20") << 13 << op1 << 20001 << "20001";
    QTest::newRow("13 op1 below 1") << 13 << op1 << 999 << "999";
    QTest::newRow("13 op1 based r3") << 13 << op1 << B + 402 << "r3";
    QTest::newRow("14 op1 1000") << 14 << op1 << 1000 << "1";
    QTest::newRow("16 op1 small I18") << 16 << op1 << 18 << "I18";
    QTest::newRow("16 op1 other blank") << 16 << op1 << 19 << "";
    QTest::newRow("16 op2 thousandths") << 16 << op2 << 999999 << "999.999";
    QTest::newRow("18 op1 based f1") << 18 << op1 << B + 200 << "f1";
    QTest::newRow("18 op1 based I is blank") << 18 << op1 << B + 1 << "";
    QTest::newRow("20 op2 based I1") << 20 << op2 << B + 1 << "I1";
    QTest::newRow("40 op1 thousandths") << 40 << op1 << 150 << "0.15";
    QTest::newRow("40 op1 above") << 40 << op1 << 151 << "151";
    QTest::newRow("42 op1 400") << 42 << op1 << 400 << "0.4";
    QTest::newRow("47 op2 based O2") << 47 << op2 << B + 22 << "O2";
    QTest::newRow("57 op2 PR4") << 57 << op2 << B + 504 << "PR4";
}

void TstProgTaskText::cells()
{
    QFETCH(int, code);
    QFETCH(int, field);
    QFETCH(int, value);
    QFETCH(QString, shown);
    QCOMPARE(GetOperandText(code, field, value).text(), shown);
}

void TstProgTaskText::frames_data()
{
    QTest::addColumn<std::optional<QString>>("frame");
    QTest::addColumn<std::optional<QString>>("expected");
    const auto some = [](const char *s) { return std::optional<QString>(QString::fromLatin1(s)); };
    QTest::newRow("0DM05") << Frames::StartTask(5) << some("0DM05");
    QTest::newRow("0PM64") << Frames::StopTask(100) << some("0PM64");
    QTest::newRow("0DM 256 refused") << Frames::StartTask(256) << std::optional<QString>();
    QTest::newRow("0PM -1 refused") << Frames::StopTask(-1) << std::optional<QString>();
    QTest::newRow("0PN") << std::optional<QString>(Frames::StopAllTask()) << some("0PN");
    QTest::newRow("0TS") << std::optional<QString>(Frames::TaskProgQuery()) << some("0TS");
    QTest::newRow("0PT07") << Frames::StepStatusQuery(7) << some("0PT07");
}

void TstProgTaskText::frames()
{
    QFETCH(std::optional<QString>, frame);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(frame, expected);
}

void TstProgTaskText::replies()
{
    const auto progs = Frames::DecodeTaskProgs(QStringLiteral("0TS0300070000000000640A\r\n"));
    QVERIFY(progs);
    QCOMPARE(*progs, (Frames::TaskProgs{3, 0, 7, 0, 0, 0, 0, 0, 100, 10}));
    QVERIFY(!Frames::DecodeTaskProgs(QStringLiteral("0TS0300070000000000006\r\n")));
    QVERIFY(!Frames::DecodeTaskProgs(QStringLiteral("0TN0300070000000000640A\r\n")));
    QVERIFY(!Frames::DecodeTaskProgs(QStringLiteral("0TS0300070000000000G40A\r\n")));

    const auto st = Frames::DecodeStepStatus(QStringLiteral("0PT03051B3FF12D2005DC3EB15\r\n"));
    QVERIFY(st);
    QCOMPARE(*st, (Frames::StepStatus{3, 5, 27, B + 301, kNeg + 1500, 1003, 21}));
    QVERIFY(!Frames::DecodeStepStatus(QStringLiteral("0PT03051B3FF12D2005DC3EB1")));
    QVERIFY(!Frames::DecodeStepStatus(QStringLiteral("0DM03051B3FF12D2005DC3EB15")));
}

void TstProgTaskText::rowFromReply()
{
    auto &list = CommandList::State();
    list.CommandName.clear();
    for (int c = 0; c < 40; ++c)
        list.CommandName << QStringLiteral("CMD%1").arg(c);
    list.CommandName << QString();
    list.CommandCount = 40;

    const auto st = Frames::DecodeStepStatus(QStringLiteral("0PT03051B3FF12D2005DC3EB15\r\n"));
    QVERIFY(st);
    StepValues v{};
    std::copy(st->begin(), st->end(), v.begin());
    const auto cells = TaskRowTexts(v);
    QCOMPARE(QStringList(cells.begin(), cells.end()),
             (QStringList{"3", "5", "CMD27", "R2", "-1.500", "/I3", "O1"}));
}

void TstProgTaskText::codeBeyondList()
{
    auto &list = CommandList::State();
    list.CommandName = QStringList{QStringLiteral("NOP"), QStringLiteral("MOV"), QString()};
    list.CommandCount = 2;
    // A code the list does not know reads as code 0: nothing but the numbers.
    const auto cells = TaskRowTexts(StepValues{4, 9, 27, B + 301, 2500, 1003, 21});
    QCOMPARE(QStringList(cells.begin(), cells.end()), (QStringList{"4", "9", "", "", "", "", ""}));
    const auto zero = TaskRowTexts(StepValues{4, 9, 0, 5, 5, 5, 5});
    QCOMPARE(zero[2], QStringLiteral("NOP"));
}

QTEST_GUILESS_MAIN(TstProgTaskText)
#include "tst_prog_task_text.moc"
