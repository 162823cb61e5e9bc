// Programs without windows or a controller: the command list, step limits,
// operand coding and decoding, taking a grid into codes, the steps on the
// wire and the program file.
#include "core/AppState.h"
#include "core/ItemFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "prog/CommandList.h"
#include "prog/OperandCode.h"
#include "prog/ProgFile.h"
#include "prog/ProgLines.h"
#include "prog/ProgWire.h"
#include "support/TestEnv.h"

#include <QtTest>

Q_DECLARE_METATYPE(ProgData::ProgStep)
Q_DECLARE_METATYPE(ProgData::ProgTexts)

namespace Dlg = Platform::Dialogs;
using ProgData::ProgDoc;
using ProgData::ProgStep;
using ProgData::ProgTexts;

namespace {

void fill(ProgGridModel &g, const std::vector<ProgTexts> &lines) { ProgData::FillGrid(g, lines); }

ProgTexts line(const QString &cmd, const QString &o1 = {}, const QString &o2 = {}, const QString &cond = {},
               const QString &res = {}, const QString &comment = {})
{
    return {cmd, o1, o2, cond, res, comment};
}

std::vector<ProgStep> progDA(int lines)
{
    std::vector<ProgStep> da(static_cast<size_t>(lines + 1));
    for (int i = 1; i <= lines; ++i)
        da[static_cast<size_t>(i)] = ProgStep{2, 5000 + i, 0, 0, 0, {}};
    return da;
}

} // namespace

class TstProgData : public QObject {
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnv::Scope>(); App().LangOffset = 10000; }
    void cleanup() { m_env.reset(); }

    void stepLimits_data();
    void stepLimits();
    void commandListCodes();
    void missingOrDamagedCommandList_data();
    void missingOrDamagedCommandList();
    void sampleListHoldsEveryCheckedName();

    void coding_data();
    void coding();
    void codingRefusals_data();
    void codingRefusals();
    void decoding_data();
    void decoding();
    void everyAcceptedTextDecodesBack();
    void readCodesGoBackOrAreRefused();

    void emptyLinesGoFromOwnGridOnly();
    void emptyLinesOfALongFileGoInOneChange();
    void takeOverCodesEmptyCellsAsZero();
    void takeOverStopsOnUnknownNameOrBadReference_data();
    void takeOverStopsOnUnknownNameOrBadReference();

    void stepDigits();
    void stepsOfAWrite();
    void codesTooWideNeverReachTheWire_data();
    void codesTooWideNeverReachTheWire();
    void readReply();
    void readReplyRefusals_data();
    void readReplyRefusals();

    void fileRoundTrip();
    void fileCaptions();
    void fileRefusals_data();
    void fileRefusals();
    void fileWithUnknownNameOpensEmptyCell();
    void failedFileWriteKeepsOldFile();

private:
    std::unique_ptr<TestEnv::Scope> m_env;
};

void TstProgData::stepLimits_data()
{
    QTest::addColumn<int>("progNo");
    QTest::addColumn<int>("steps");
    for (auto [p, s] : {std::pair{0, 0}, {1, 100}, {7, 100}, {8, 50}, {20, 50}, {21, 20}, {100, 20}, {101, 0}, {-1, 0}})
        QTest::addRow("%d", p) << p << s;
}

void TstProgData::stepLimits()
{
    QFETCH(int, progNo);
    QFETCH(int, steps);
    QCOMPARE(Programs::GetProgStepMax(progNo), steps);
}

void TstProgData::commandListCodes()
{
    Platform::SetAppFolder(m_env->dir());
    m_env->writeSjis(QStringLiteral("Command.lst"), QStringLiteral("3\r\n\"MVP\"\r\n\"JOG+\"\r\n\"==\"\r\n"));
    QCOMPARE(CommandList::ReadCommandList(), 0);
    QCOMPARE(CommandList::State().CommandCount, 3);
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("MVP")), 0);
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("JOG+")), 1);
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("==")), 2);
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("mvp")), -1);
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("CLR")), -1);
    QCOMPARE(CommandList::GetCmdCode(QString()), -1);
    QCOMPARE(CommandList::CommandNameOf(2), QStringLiteral("=="));
    QCOMPARE(CommandList::CommandNameOf(3), QString());
    QVERIFY(Dlg::Shown().empty());
}

void TstProgData::missingOrDamagedCommandList_data()
{
    QTest::addColumn<QByteArray>("content");   // empty: no file
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("fewer names than the count") << QByteArray("3\r\n\"A\"\r\n\"B\"\r\n");
    QTest::newRow("count not a number") << QByteArray("\"A\"\r\n\"B\"\r\n");
}

void TstProgData::missingOrDamagedCommandList()
{
    QFETCH(QByteArray, content);
    Platform::SetAppFolder(m_env->dir());
    if (!content.isEmpty())
        m_env->writeFile(QStringLiteral("Command.lst"), content);
    // A list read before must not survive a failed read.
    CommandList::State().CommandName = {QStringLiteral("OLD"), QString()};
    CommandList::State().CommandCount = 1;
    QCOMPARE(CommandList::ReadCommandList(), 1);
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("No device list file.\r\nPut device list file in the folder "
                                                          "in which the program is saved in order to indicate device "
                                                          "information correctly.")});
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("OLD")), -1);
}

void TstProgData::sampleListHoldsEveryCheckedName()
{
    QCOMPARE(CommandList::ReadCommandList(), 0);
    QCOMPARE(CommandList::State().CommandCount, 58);
    const QStringList checked = {
        "HOME", "MVP", "MVA", "MVI", "PGR", "PMOV", "VEL", "ACC", "TIM", "LB", "JUMP", "CALL", "SR", "WTON",
        "WTOF", "ON", "OFF", "IN", "INB", "OUT", "OUTB", "STPG", "EDPG", "SRET", "=", "+", "-", "*", "/", "%",
        "==", "!=", ">", ">=", "<", "<=", "MVD", "PPUT", "PGET", "PTST", "CPRD", "ZOUT", "JOG+", "JOG-",
        "ZONE1", "ZONE2", "ZONE3", "ZONE4", "PUST1", "PUST2", "PUST3", "PUST4", "CLR"};
    for (const QString &n : checked)
        QVERIFY2(CommandList::GetCmdCode(n) >= 0, qPrintable(n));
    // The shapes of the coding table: the operators are 27..38, the zones
    // 49..52 and the push groups 53..56.
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("=")), 27);
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("<=")), 38);
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("ZONE1")), 49);
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("PUST4")), 56);
    QCOMPARE(CommandList::GetCmdCode(QStringLiteral("CLR")), 57);
}

void TstProgData::coding_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    auto row = [](int code, int col, const char *text, int expected) {
        QTest::addRow("%d/%d %s", code, col, text) << code << col << QString::fromLatin1(text) << expected;
    };
    row(2, 2, "5", 5000);
    row(2, 2, "0", 0);
    row(2, 2, "1000", 0);
    row(2, 2, "R3", 4190510);
    row(2, 2, "r1", 4190608);
    row(2, 2, "F3", 0);
    row(2, 3, "999", 999000);
    row(1, 2, "R3", 3000);          // the number part of any text
    row(27, 2, "PR2", 4190710);
    row(27, 2, "5", 0);
    row(27, 3, "2.5", 2500);
    row(27, 3, "-5", 2102152);      // the register commands' negative value
    row(38, 3, "-0.25", 2097402);
    row(27, 3, "I3", 0);
    row(9, 2, "100", 10000);
    row(9, 2, "5", 0);
    row(10, 2, "1.234", 1234);
    row(10, 2, "1500", 1500);       // outside 0..999.999: the bare number
    row(11, 2, "R5", 5000);
    row(16, 2, "I3", 4190211);
    row(16, 2, "R5", 5);            // another reference: its bare number
    row(16, 2, "7", 0);
    row(44, 3, "2", 2000);
    row(57, 3, "PR4", 4190712);
    row(0, 2, "R3", 0);
    row(58, 2, "5", 0);
    row(2, 4, "/I3", 1003);
    row(2, 4, "O2", 22);
    row(2, 4, "5", 0);
    row(2, 4, "/f50", 1249);
    row(11, 4, "I3", 0);            // a command without a condition
    row(2, 5, "F1", 100);
    row(2, 5, "I2", 2);
    row(2, 5, "3", 0);
    row(8, 5, "O1", 0);             // a command without a result
}

void TstProgData::coding()
{
    QFETCH(int, code);
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ProgCode::seekInputData(code, col, text), std::optional<int32_t>(expected));
}

void TstProgData::codingRefusals_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    auto row = [](int code, int col, const char *text) {
        QTest::addRow("%d/%d %s", code, col, text) << code << col << QString::fromLatin1(text);
    };
    // References outside their kind's range never become another kind.
    row(2, 2, "R101");
    row(2, 2, "R0");
    row(2, 3, "r51");
    row(27, 2, "PR5");
    row(16, 2, "I19");
    row(16, 2, "O17");
    row(16, 2, "F101");
    row(16, 2, "f51");
    row(2, 4, "I25");
    row(2, 4, "/O17");
    row(2, 5, "O17");
    row(2, 5, "f51");
    // Number parts that are not numbers.
    row(2, 2, "R");
    row(2, 2, "1.2.3");
    row(2, 2, "abc");
    row(11, 2, "inf");
    row(2, 4, "/I");
    row(0, 2, "Rx");
}

void TstProgData::codingRefusals()
{
    QFETCH(int, code);
    QFETCH(int, col);
    QFETCH(QString, text);
    QCOMPARE(ProgCode::seekInputData(code, col, text), std::nullopt);
}

void TstProgData::decoding_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    auto row = [](int code, int col, int value, const char *text) {
        QTest::addRow("%d/%d %d", code, col, value) << code << col << value << QString::fromLatin1(text);
    };
    row(2, 4, 1005, "/I5");
    row(2, 4, 0, "");
    row(2, 4, 19, "19");
    row(2, 5, 36, "O16");
    row(2, 5, 250, "250");
    row(2, 5, 0, "");
    row(2, 2, 5000, "5");
    row(2, 2, 2500, "2.5");
    row(2, 2, 0, "");               // below the range
    row(2, 2, 4190510, "R3");
    row(2, 2, 4190211, "");         // an input is no operand of code 2
    row(9, 2, 255000, "2550");
    row(27, 3, 2500, "2.500");
    row(27, 3, 2102152, "-5.000");
    row(27, 3, 4190710, "PR2");
    row(44, 3, 1500, "");
    row(16, 2, 4190229, "O1");
}

void TstProgData::decoding()
{
    QFETCH(int, code);
    QFETCH(int, col);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(ProgCode::DecodeOperand(code, col, value).text(), text);
}

void TstProgData::everyAcceptedTextDecodesBack()
{
    const QStringList refs = {"I1", "I18", "O1", "O16", "F1", "F100", "f1", "f50",
                              "R1", "R100", "r1", "r50", "PR1", "PR4"};
    const QStringList conds = {"I1", "I18", "O1", "O16", "F1", "F100", "f1", "f50",
                               "/I1", "/I18", "/O1", "/O16", "/F1", "/F100", "/f1", "/f50"};
    const QStringList results = {"O1", "O16", "F1", "F100", "f1", "f50"};
    const QStringList plains = {"0", "0.001", "1", "2.5", "4", "10", "12.345", "15", "250", "400", "999",
                                "999.999", "1000", "2000"};
    int checked = 0;
    auto expect = [&](int code, int col, const QString &t, const QString &shown) {
        const auto c = ProgCode::seekInputData(code, col, t);
        QVERIFY2(c, qPrintable(QStringLiteral("%1/%2 %3").arg(code).arg(col).arg(t)));
        QCOMPARE(ProgCode::DecodeOperand(code, col, *c).text(), shown);
        ++checked;
    };
    for (int code = 0; code <= 57; ++code) {
        for (int col = ProgCode::kColOp1; col <= ProgCode::kColOp2; ++col) {
            const ProgCode::OperandRule r = ProgCode::OperandRuleOf(code, col);
            for (const QString &t : refs) {
                const auto c = ProgCode::seekInputData(code, col, t);
                if (c && *c >= ProgCode::kRefBase)
                    expect(code, col, t, t);
            }
            if (r.plain == ProgCode::OperandRule::Plain::Zero)
                continue;
            for (const QString &t : plains) {
                const double N = t.toDouble();
                // Only values the column can hold exactly read back as typed.
                if (N < r.lo || N > r.hi || std::fmod(N * r.scale, 1.0) > 1e-6)
                    continue;
                const int32_t c = *ProgCode::seekInputData(code, col, t);
                if (r.signedFixed)
                    expect(code, col, t, QString::number(N, 'f', 3));
                else if (c >= r.showLo && c <= r.showHi && (c - r.showLo) % r.showStep == 0)
                    expect(code, col, t, t);
            }
            if (r.signedFixed)
                expect(code, col, QStringLiteral("-12.5"), QStringLiteral("-12.500"));
        }
        if (ProgCode::UsesCondition(code))
            for (const QString &t : conds)
                expect(code, ProgCode::kColCondition, t, t);
        if (ProgCode::UsesResult(code))
            for (const QString &t : results)
                expect(code, ProgCode::kColResult, t, t);
    }
    QVERIFY(checked > 1000);
}

// A program read from the controller and written back unchanged: the text
// of every code read is either sent again as that code, or refused by the
// check (which then names its line). Refused are the Conditions and Results
// read back as bare numbers, which the write would send as none; the codes
// decoded to an empty cell are not judged here (an empty cell is sent as 0).
void TstProgData::readCodesGoBackOrAreRefused()
{
    using Codes = QList<int32_t>;
    auto span = [](Codes &c, int32_t lo, int32_t hi) {
        for (int32_t v = lo; v <= hi; ++v)
            c << v;
    };
    // Codes near every edge of the operand columns' ranges.
    Codes opCodes{0xFFFFFF};
    for (int32_t edge : {0, 1000, 15000, 20000, 70000, 99000, 100000, 200000, 255000, 400000, 999000, 999999,
                         1000000, 2000000, ProgCode::kNegBase, ProgCode::kNegBase + 2000000, ProgCode::kRefBase})
        span(opCodes, std::max(edge - 1, 0), edge + 1);
    for (const ProgCode::RefDef &d : ProgCode::kRefs)
        span(opCodes, ProgCode::kRefBase + d.offset, ProgCode::kRefBase + d.offset + d.count + 1);
    Codes conditions, results;
    span(conditions, 0, 0xFFF);   // the step's three digits
    span(results, 0, 0xFF);       // and two

    Codes refusedConditions, refusedResults;
    span(refusedConditions, 19, 20);
    span(refusedConditions, 37, 99);
    span(refusedConditions, 250, 1000);
    span(refusedConditions, 1019, 1020);
    span(refusedConditions, 1037, 1099);
    span(refusedConditions, 1250, 0xFFF);
    span(refusedResults, 1, 20);
    span(refusedResults, 37, 99);
    span(refusedResults, 250, 0xFF);
    // Code 9 (ACC) shown beyond 2000, refused by its range as well.
    const Codes refusedAcc{200001, 254999, 255000};

    for (int cmd = 0; cmd <= 57; ++cmd) {
        for (int col = ProgCode::kColOp1; col <= ProgCode::kColResult; ++col) {
            if (!ProgCode::TakesOperand(cmd, col))
                continue;
            const Codes &codes = col == ProgCode::kColCondition ? conditions
                                 : col == ProgCode::kColResult  ? results
                                                                : opCodes;
            Codes refused;
            for (int32_t v : codes) {
                const QString t = ProgCode::DecodeOperand(cmd, col, v).text();
                if (t.isEmpty())
                    continue;
                if (!ProgCode::SentAsShown(cmd, col, t))
                    refused << v;
                else
                    QVERIFY2(ProgCode::seekInputData(cmd, col, t) == v,
                             qPrintable(QStringLiteral("%1/%2 %3 %4").arg(cmd).arg(col).arg(v).arg(t)));
            }
            const Codes expected = col == ProgCode::kColCondition ? refusedConditions
                                   : col == ProgCode::kColResult  ? refusedResults
                                   : cmd == 9 && col == ProgCode::kColOp1 ? refusedAcc
                                                                          : Codes{};
            QVERIFY2(refused == expected, qPrintable(QStringLiteral("%1/%2").arg(cmd).arg(col)));
        }
    }
}

void TstProgData::emptyLinesGoFromOwnGridOnly()
{
    ProgGridModel gridA, gridB;
    ProgDoc a{&gridA}, b{&gridB};
    fill(gridA, {line("MVP", "1"), line(""), line("TIM", "1"), line(""), line("END")});
    fill(gridB, {line(""), line("MVP", "1"), line(""), line(" ")});
    gridB.SetCurrent(2, 1);    // the other window's current row is not touched
    QCOMPARE(ProgData::Check_NullLineAndDelete(a), 0);
    QCOMPARE(gridA.Rows(), 4);
    QCOMPARE(gridA.Text(2, 1), QStringLiteral("TIM"));
    QCOMPARE(gridA.Text(3, 1), QStringLiteral("END"));
    QCOMPARE(gridA.Text(3, 0), QStringLiteral("3"));
    QCOMPARE(a.ProgDA.size(), size_t(4));
    QCOMPARE(gridB.Rows(), 5);
    // Line 1 stays even when empty; a cell of spaces is not empty.
    QCOMPARE(ProgData::Check_NullLineAndDelete(b), 0);
    QCOMPARE(gridB.Rows(), 4);
    QCOMPARE(gridB.Text(1, 1), QString());
    QCOMPARE(gridB.Text(3, 1), QStringLiteral(" "));
}

// A file of 2000 lines, all but two of them empty, opens as 2000 lines; the
// empty ones go in one change of the grid, renumbered once, not one by one.
void TstProgData::emptyLinesOfALongFileGoInOneChange()
{
    QByteArray file = "\"RE-Z4\"\r\n\"Program\"\r\n2000\r\n"
                      "\"MVP\",\"1\",\"\",\"\",\"\",\"\"\r\n"
                      "\"TIM\",\"\",\"\",\"\",\"\",\"c\"\r\n";
    for (int k = 3; k <= 2000; ++k)
        file += "\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    const QString path = m_env->writeFile(QStringLiteral("x.prg"), file);
    std::vector<ProgTexts> read;
    QCOMPARE(ProgFile::OpenProgFile(path, read), int(ProgFile::ReadOk));
    ProgGridModel grid;
    ProgDoc doc;
    doc.flgdProg = &grid;
    fill(grid, std::vector<ProgTexts>(read.begin() + 1, read.end()));
    QCOMPARE(grid.Lines(), 2000);
    QSignalSpy resets(&grid, &QAbstractItemModel::modelReset);
    QSignalSpy cells(&grid, &QAbstractItemModel::dataChanged);
    QCOMPARE(ProgData::Check_NullLineAndDelete(doc), 0);
    QCOMPARE(ProgData::GridTexts(grid), (std::vector<ProgTexts>{line("MVP", "1"), line("TIM", {}, {}, {}, {}, "c")}));
    QCOMPARE(grid.Text(2, 0), QStringLiteral("2"));
    QCOMPARE(resets.count(), 1);
    QVERIFY(cells.count() <= 1);
}

void TstProgData::takeOverCodesEmptyCellsAsZero()
{
    QCOMPARE(CommandList::ReadCommandList(), 0);
    ProgGridModel grid;
    ProgDoc doc{&grid};
    fill(grid, {line(" MVP ", "5", "R3", "/I3", "", " go "), line("TIM", "", "", "", "F1")});
    QCOMPARE(ProgData::TakeInProgramGrid(doc), 0);
    QCOMPARE(doc.ProgLineCount, 2);
    QCOMPARE(doc.ProgDA[1], (ProgStep{2, 5000, 4190510, 1003, 0, QStringLiteral("go")}));
    QCOMPARE(doc.ProgDA[2], (ProgStep{10, 0, 0, 0, 100, QString()}));
    QVERIFY(Dlg::Shown().empty());
}

void TstProgData::takeOverStopsOnUnknownNameOrBadReference_data()
{
    QTest::addColumn<ProgTexts>("second");
    QTest::addColumn<QString>("where");   // the line naming the line, the column and its text
    QTest::newRow("unknown name") << line("MOVE", "5") << QStringLiteral("Line 2, Command: \"MOVE\"");
    QTest::newRow("lower case") << line("mvp", "5") << QStringLiteral("Line 2, Command: \"mvp\"");
    QTest::newRow("empty command") << line("", "5") << QStringLiteral("Line 2, Command: \"\"");
    QTest::newRow("register 101") << line("MVP", "R101") << QStringLiteral("Line 2, Operation1: \"R101\"");
    QTest::newRow("register 0") << line("MVP", "5", "R0") << QStringLiteral("Line 2, Operation2: \"R0\"");
    QTest::newRow("condition I25") << line("MVP", "5", "", "I25") << QStringLiteral("Line 2, Condition: \"I25\"");
    QTest::newRow("result X1") << line("MVP", "5", "", "", "X1") << QStringLiteral("Line 2, Result: \"X1\"");
    QTest::newRow("not a number") << line("MVP", "5..") << QStringLiteral("Line 2, Operation1: \"5..\"");
}

void TstProgData::takeOverStopsOnUnknownNameOrBadReference()
{
    QFETCH(ProgTexts, second);
    QFETCH(QString, where);
    QCOMPARE(CommandList::ReadCommandList(), 0);
    ProgGridModel grid;
    ProgDoc doc{&grid};
    fill(grid, {line("MVP", "7"), second, line("END")});
    QCOMPARE(ProgData::TakeInProgramGrid(doc), 1);
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("The error occurred while reading the program data.\r\n")
                                            + where + QStringLiteral("\r\nReading data was canceled.")});
    QCOMPARE(doc.ProgDA[1].op1, 7000);
}

void TstProgData::stepDigits()
{
    QCOMPARE(ProgWire::EncodeStep(ProgStep{2, 5000, 4190510, 1003, 0, {}}), QStringLiteral("020013883FF12E3EB00"));
    QCOMPARE(ProgWire::EncodeStep(ProgStep{}), QString(19, QLatin1Char('0')));
}

void TstProgData::stepsOfAWrite()
{
    // Program 21 (20 steps) with 3 lines: the lines and one all-"0" step.
    const auto steps21 = ProgWire::EncodeSteps(21, progDA(3));
    QVERIFY(steps21);
    QCOMPARE(steps21->size(), 4 * 19);
    QCOMPARE(steps21->right(19), QString(19, QLatin1Char('0')));
    QCOMPARE(steps21->left(19), *ProgWire::EncodeStep(progDA(3)[1]));
    // Program 8 (50 steps) with 50 lines: no terminator.
    const auto steps8 = ProgWire::EncodeSteps(8, progDA(50));
    QVERIFY(steps8);
    QCOMPARE(steps8->size(), 50 * 19);
    QCOMPARE(steps8->right(19), *ProgWire::EncodeStep(progDA(50)[50]));
    // The coder itself refuses more lines than the number holds.
    QCOMPARE(ProgWire::EncodeSteps(8, progDA(51)), std::nullopt);
    QCOMPARE(ProgWire::EncodeSteps(101, progDA(1)), std::nullopt);
}

void TstProgData::codesTooWideNeverReachTheWire_data()
{
    QTest::addColumn<ProgStep>("step");
    QTest::newRow("result 256") << ProgStep{2, 5000, 0, 0, 256, {}};
    QTest::newRow("condition 4096") << ProgStep{2, 5000, 0, 4096, 0, {}};
    QTest::newRow("operation1 beyond 6 digits") << ProgStep{10, 16777216, 0, 0, 0, {}};
    QTest::newRow("negative") << ProgStep{2, -1, 0, 0, 0, {}};
}

void TstProgData::codesTooWideNeverReachTheWire()
{
    QFETCH(ProgStep, step);
    QCOMPARE(ProgWire::EncodeStep(step), std::nullopt);
    auto da = progDA(3);
    da[2] = step;
    QCOMPARE(ProgWire::FirstUnfitLine(da), 2);
    QCOMPARE(ProgWire::EncodeSteps(1, da), std::nullopt);
    QCOMPARE(ProgWire::FirstUnfitLine(progDA(3)), 0);
}

void TstProgData::readReply()
{
    QCOMPARE(ProgWire::ReadReplyLength(1), 1907);
    QCOMPARE(ProgWire::ReadReplyLength(21), 387);
    const QString s1 = QStringLiteral("020013883FF12E3EB00");
    const QString s2 = QStringLiteral("0A0004D20000000000F");
    const QString s3 = QString(19, QLatin1Char('0'));
    // Only the first three steps are read: the rest would not even decode.
    const QString reply = QStringLiteral("0RM01") + s1 + s2 + s3 + QString(19 * 97, QLatin1Char('Z')) + QStringLiteral("\r\n");
    const auto steps = ProgWire::DecodeSteps(reply, 1, 3);
    QVERIFY(steps);
    QCOMPARE(steps->size(), size_t(4));
    QCOMPARE((*steps)[1], (ProgStep{2, 5000, 4190510, 1003, 0, {}}));
    QCOMPARE((*steps)[2], (ProgStep{10, 1234, 0, 0, 15, {}}));
    QCOMPARE((*steps)[3], ProgStep{});
    QCOMPARE(ProgWire::DecodeSteps(QStringLiteral("0RM0A\r\n"), 10, 0)->size(), size_t(1));
}

void TstProgData::readReplyRefusals_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("progNo");
    QTest::addColumn<int>("count");
    const QString step = QStringLiteral("020013883FF12E3EB00");
    QString full21 = QStringLiteral("0RM15");
    for (int i = 0; i < 20; ++i)
        full21 += step;
    QTest::newRow("count above the limit") << full21 + step << 21 << 21;
    QTest::newRow("shorter than the count") << QStringLiteral("0RM15") + step + QStringLiteral("\r\n") << 21 << 2;
    QTest::newRow("other program") << QStringLiteral("0RM16") + step << 21 << 1;
    QTest::newRow("not hex") << QStringLiteral("0RM15") + QString(step).replace(0, 1, QLatin1Char('G')) << 21 << 1;
    QTest::newRow("negative count") << full21 << 21 << -1;
}

void TstProgData::readReplyRefusals()
{
    QFETCH(QString, reply);
    QFETCH(int, progNo);
    QFETCH(int, count);
    QCOMPARE(ProgWire::DecodeSteps(reply, progNo, count), std::nullopt);
}

void TstProgData::fileRoundTrip()
{
    QCOMPARE(CommandList::ReadCommandList(), 0);
    const std::vector<ProgTexts> lines = {
        line("MVP", "5", "R3", "/I3", "O2", "to the start"),
        line("TIM", "1.5", "", "", "", "wait, then go"),
        line("=", "R1", "-5", "", "", "say \"hi\""),
        line("END"),
    };
    const QString path = m_env->path(QStringLiteral("p.prg"));
    QCOMPARE(ProgFile::SaveFileProgAs(path, lines), 0);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("\"RE-Z4\"\r\n\"Program\"\r\n4\r\n\"MVP\",\"5\",\"R3\",\"/I3\",\"O2\",\"to the start\"\r\n"));
    QVERIFY(bytes.contains("\"TIM\",\"1.5\",\"\",\"\",\"\",\"wait, then go\"\r\n"));

    std::vector<ProgTexts> read;
    QCOMPARE(ProgFile::OpenProgFile(path, read), int(ProgFile::ReadOk));
    QCOMPARE(read.size(), size_t(5));
    auto expected = lines;
    expected[2][5] = QStringLiteral("say hi");   // a quote cannot be stored
    QCOMPARE(ProgData::FileTexts(read), expected);
    QVERIFY(Dlg::Shown().empty());
}

void TstProgData::fileCaptions()
{
    QCOMPARE(ProgFile::CaptionOf(QStringLiteral("/home/u/work/pick.prg")), QStringLiteral("Program [/home/u/work/pick]"));
    QCOMPARE(ProgFile::Check_ProgCaptionName(QStringLiteral("Program [/a/b]")), 0);
    QCOMPARE(ProgFile::Check_ProgCaptionName(QStringLiteral("Program 15")), 1);
    QCOMPARE(ProgFile::Check_ProgCaptionName(QStringLiteral("Program [")), 1);
    QCOMPARE(ProgFile::GetProgFileNameFromCaption(QStringLiteral("Program [/a/b]")), QStringLiteral("/a/b"));
    QCOMPARE(ProgFile::GetProgFileNameFromCaption(QStringLiteral("Program 3")), std::nullopt);
}

void TstProgData::fileRefusals_data()
{
    QTest::addColumn<QByteArray>("content");   // empty: no file
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("message");
    QTest::newRow("kind first") << QByteArray("\"Program\"\r\n1\r\n\"END\",\"\",\"\",\"\",\"\",\"\"\r\n")
                                << int(ProgFile::NotProgFile) << 132;
    QTest::newRow("position file") << QByteArray("\"RE-Z4\"\r\n\"POS MODE\"\r\n") << int(ProgFile::NotProgFile) << 132;
    QTest::newRow("missing") << QByteArray() << int(ProgFile::ReadError) << 484;
    QTest::newRow("count not a number") << QByteArray("\"RE-Z4\"\r\n\"Program\"\r\n\"x\"\r\n")
                                        << int(ProgFile::ReadError) << 484;
    QTest::newRow("more lines than the count")
        << QByteArray("\"RE-Z4\"\r\n\"Program\"\r\n1\r\n\"END\",\"\",\"\",\"\",\"\",\"\"\r\n\"END\",\"\",\"\",\"\",\"\",\"\"\r\n")
        << int(ProgFile::ReadError) << 484;
    QTest::newRow("line cut short") << QByteArray("\"RE-Z4\"\r\n\"Program\"\r\n1\r\n\"END\",\"\"\r\n")
                                    << int(ProgFile::ReadError) << 484;
}

void TstProgData::fileRefusals()
{
    QFETCH(QByteArray, content);
    QFETCH(int, result);
    QFETCH(int, message);
    const QString path = content.isEmpty() ? m_env->path(QStringLiteral("none.prg"))
                                           : m_env->writeFile(QStringLiteral("f.prg"), content);
    std::vector<ProgTexts> read = {ProgTexts{}, line("KEEP")};
    QCOMPARE(ProgFile::OpenProgFile(path, read), result);
    QCOMPARE(read.size(), size_t(2));
    QCOMPARE(read[1][0], QStringLiteral("KEEP"));
    QCOMPARE(Dlg::Shown().size(), size_t(1));
    if (message == 132)
        QCOMPARE(Dlg::ShownTexts().first(), QStringLiteral("Not Program Data file for QZ-TQ7.\r\nOpening file is canceled."));
    else
        QCOMPARE(Dlg::ShownTexts().first(), QStringLiteral("An error occurred in Reading file."));
}

void TstProgData::fileWithUnknownNameOpensEmptyCell()
{
    QCOMPARE(CommandList::ReadCommandList(), 0);
    const QString path = m_env->writeFile(QStringLiteral("u.prg"),
                                          "\"RE-Z4\"\r\n\"Program\"\r\n2\r\n\"MOVE\",\"5\",\"\",\"I1\",\"\",\"x\"\r\n"
                                          "\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    std::vector<ProgTexts> read;
    QCOMPARE(ProgFile::OpenProgFile(path, read), int(ProgFile::ReadOk));
    const auto shown = ProgData::FileTexts(read);
    QCOMPARE(shown.size(), size_t(2));
    QCOMPARE(shown[0], line("", "5", "", "I1", "", "x"));
    QCOMPARE(shown[1], line(""));
}

void TstProgData::failedFileWriteKeepsOldFile()
{
    const QString nowhere = m_env->path(QStringLiteral("no/such/folder/new.prg"));
    QCOMPARE(ProgFile::SaveFileProgAs(nowhere, {line("END")}), 1);
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("An error occurred in saving data.")});
    QVERIFY(!QFile::exists(nowhere));
    // A text Shift-JIS cannot hold fails the same way, the old file kept.
    const QString path = m_env->writeFile(QStringLiteral("old.prg"), "old");
    QCOMPARE(ProgFile::SaveFileProgAs(path, {line("END", "", "", "", "", QStringLiteral("\U0001F600"))}), 1);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("old"));
}

QTEST_MAIN(TstProgData)
#include "tst_progdata.moc"
