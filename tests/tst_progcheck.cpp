// The syntax check of a program, without a window: the passes over the
// coded lines, their numbered errors and lines, the limit of ten listed
// errors, and a command list that lacks a keyword.
#include "core/AppState.h"
#include "platform/AppPaths.h"
#include "prog/CommandList.h"
#include "prog/ProgCheck.h"
#include "prog/ProgLines.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QtTest>

Q_DECLARE_METATYPE(ProgData::ProgTexts)

using ProgData::ProgTexts;
using Lines = std::vector<ProgTexts>;
Q_DECLARE_METATYPE(Lines)

namespace {

ProgTexts line(const QString &cmd, const QString &o1 = {}, const QString &o2 = {}, const QString &res = {})
{
    return {cmd, o1, o2, {}, res, {}};
}

ProgTexts withCondition(const QString &cmd, const QString &o1, const QString &cond)
{
    return {cmd, o1, {}, cond, {}, {}};
}

// The errors of a check as "line:number".
QStringList errorsOf(const ProgCheck::CheckTables &t)
{
    QStringList out;
    for (int s = 0; s < std::min(t.ErrCount, ProgCheck::kErrSlots); ++s) {
        const QString &text = t.ErrSlot[static_cast<size_t>(s)].text;
        const int at = text.indexOf(QStringLiteral("No.")) + 3;
        out << t.ErrSlot[static_cast<size_t>(s)].line + QLatin1Char(':')
                   + text.mid(at, text.indexOf(QLatin1Char(' '), at) - at);
    }
    return out;
}

// The errors of checking a program taken in from a grid of these lines.
QStringList checked(const Lines &program)
{
    ProgGridModel grid;
    ProgData::ProgDoc doc;
    doc.flgdProg = &grid;
    ProgData::FillGrid(grid, program);
    if (ProgData::TakeInProgramGrid(doc) != 0)
        return {QStringLiteral("not taken in")};
    const int rc = ProgCheck::programCheckProc(doc);
    const QStringList errors = errorsOf(doc.Check);
    if (rc != (errors.isEmpty() ? 0 : 1))
        return {QStringLiteral("result %1 with errors").arg(rc)};
    return errors;
}

} // namespace

class TstProgCheck : public QObject {
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnv::Scope>(); App().LangOffset = 10000; }
    void cleanup() { m_env.reset(); }

    void passes_data();
    void passes();
    void typedValueOutsideItsColumn_data();
    void typedValueOutsideItsColumn();
    void resultsAndReferenceFractions_data();
    void resultsAndReferenceFractions();
    void errorTextInTheRunningLanguage();
    void programWithoutLinesReadsNothing();

private:
    // The errors of the row's program are the row's errors.
    void expectErrors()
    {
        QFETCH(Lines, program);
        QFETCH(QStringList, errors);
        QCOMPARE(CommandList::ReadCommandList(), 0);
        QCOMPARE(checked(program), errors);
    }

    std::unique_ptr<TestEnv::Scope> m_env;
};

void TstProgCheck::passes_data()
{
    QTest::addColumn<Lines>("program");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<bool>("withoutVel");   // VEL renamed in the command list

    auto row = [](const char *name, Lines program, QStringList errors, bool withoutVel = false) {
        QTest::newRow(name) << program << errors << withoutVel;
    };
    row("SR on line 1, alternation still checked", {line("SR", "1")}, {"1:1", "1:22"});
    row("MVP without Operation2", {line("MVP", "5")}, {});
    row("MVP with a register", {line("MVP", "R3", "r1")}, {});
    row("MVP position 1000", {line("MVP", "1000")}, {"1:2"});
    row("PMOV without Result", {line("PMOV", "5", "F3")}, {"1:23"});
    row("PMOV with Result", {line("PMOV", "5", "F3", "F1")}, {});
    row("VEL 400", {line("VEL", "400")}, {});
    row("VEL 401", {line("VEL", "401")}, {"1:4"});
    row("ACC 0", {line("ACC", "0")}, {"1:3"});
    row("TIM 0", {line("TIM", "0")}, {});
    row("OUT 200", {line("OUT", "200", "O1")}, {});
    row("OUTB 200", {line("OUTB", "200", "O1")}, {"1:14"});
    row("CALL 5 without SR 5", {line("MVP", "1"), line("CALL", "5"), line("CALL", "5")}, {"2:20"});
    row("CALL 5 before SR 5", {line("CALL", "5"), line("SR", "5"), line("SRET")}, {});
    row("CALL 21", {line("CALL", "21")}, {"1:10", "1:10"});
    row("JUMP 3 before LB 3", {line("JUMP", "3"), line("LB", "3")}, {});
    row("JUMP 3 without LB 3", {line("JUMP", "3")}, {"1:21"});
    row("LB 60", {line("LB", "60")}, {"1:7", "1:7", "1:7"});
    row("LB 3 twice", {line("LB", "3"), line("MVP", "1"), line("LB", "3")}, {"3:19"});
    row("SR SRET SR SRET", {line("MVP", "1"), line("SR", "1"), line("SRET"), line("SR", "2"), line("SRET")}, {});
    row("SR SR", {line("MVP", "1"), line("SR", "1"), line("SR", "2")}, {"3:22", "3:22"});
    row("SRET first", {line("MVP", "1"), line("SRET")}, {"2:22", "2:22"});
    row("final SR alone",
        {line("MVP", "1"), line("SR", "1"), line("SRET"), line("SR", "2"), line("MVP", "3")}, {"5:22"});
    row("second SR of the same number", {line("MVP", "1"), line("SR", "1"), line("SRET"), line("SR", "1"),
                                          line("SRET")}, {});
    row("= R1, -5 (as read from the controller)", {line("=", "R1", "-5")}, {});
    row("<= PR2, -2000 with Result", {line("<=", "PR2", "-2000", "F1")}, {});
    row("= R1, -2001", {line("=", "R1", "-2001")}, {"1:14"});
    row("= 5, 1", {line("=", "5", "1")}, {"1:14"});
    row("== without Result", {line("==", "R1", "R2")}, {"1:23"});
    row("ZOUT 2, 3", {line("ZOUT", "2", "3", "F1")}, {"1:14"});
    row("HOME 16", {line("HOME", "16")}, {"1:16"});
    row("MVP 5, Result R300", {line("MVP", "5", {}, "R300")}, {"1:14"});
    row("MVP 5, Result I2", {line("MVP", "5", {}, "I2")}, {"1:14"});
    row("== R1, R2, Result r5", {line("MVP", "1"), line("==", "R1", "R2", "r5")}, {"2:14"});
    row("MVP 5, Result O16", {line("MVP", "5", {}, "O16")}, {});
    row("VEL 100 takes no Result", {line("VEL", "100", {}, "R300")}, {});
    Lines eleven(11, line("ACC", "0"));
    eleven.push_back(line("VEL", "401"));
    QStringList elevenErrors;
    for (int i = 1; i <= 11; ++i)
        elevenErrors << QStringLiteral("%1:3").arg(i);
    row("eleven ACC 0 end the check", eleven, elevenErrors);
    row("a list without VEL", {line("VELX", "401")}, {}, true);
}

void TstProgCheck::passes()
{
    QFETCH(Lines, program);
    QFETCH(QStringList, errors);
    QFETCH(bool, withoutVel);
    if (withoutVel) {
        // The same list with VEL renamed: code 8 has no keyword of the check.
        QFile in(Platform::AppFolder() + QStringLiteral("/Command.lst"));
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray list = in.readAll();
        list.replace("\"VEL\"", "\"VELX\"");
        m_env->writeFile(QStringLiteral("Command.lst"), list);
        Platform::SetAppFolder(m_env->dir());
    }
    QCOMPARE(CommandList::ReadCommandList(), 0);
    QCOMPARE(checked(program), errors);
}

// A number is judged as typed, not only by its code: one outside its
// column's range, or with more decimals than the column holds, would be
// sent as another value (a plain number coded into the negative or the
// reference range, 0, or its bare number), and gets the column's error.
void TstProgCheck::typedValueOutsideItsColumn_data()
{
    QTest::addColumn<Lines>("program");
    QTest::addColumn<QStringList>("errors");
    auto row = [](const char *name, Lines program, QStringList errors) {
        QTest::newRow(name) << program << errors;
    };
    // The register commands' Operation2 (sent as, read back as).
    row("+ R1, 2000", {line("+", "R1", "2000")}, {});
    row("+ R1, 2097.152 (sent as -0)", {line("+", "R1", "2097.152")}, {"1:14"});
    row("= R1, 3000 (sent as -902.848)", {line("=", "R1", "3000")}, {"1:14"});
    row("+ R1, 4097.152 (sent as -2000)", {line("+", "R1", "4097.152")}, {"1:14"});
    row("= R1, 4190.508 (sent as R1)", {line("=", "R1", "4190.508")}, {"1:14"});
    row("<= PR1, 2097.153 with Result", {line("<=", "PR1", "2097.153", "F1")}, {"1:14"});
    row("% r1, 1.0005 (sent as 1)", {line("%", "r1", "1.0005")}, {"1:14"});
    row("= R1, 2000.001 (refused by its code too)", {line("=", "R1", "2000.001")}, {"1:14"});
    // Plain numbers outside the range sent as 0, or as their bare number.
    row("MVP 5, 1000 (sent as no position)", {line("MVP", "5", "1000")}, {"1:2"});
    row("MVI R1, 1000", {line("MVI", "R1", "1000")}, {"1:2"});
    row("MVP 5, 0", {line("MVP", "5", "0")}, {});
    row("TIM 1500 (sent as 1.5)", {line("TIM", "1500")}, {"1:9"});
    row("TIM 4190508 (sent as R1)", {line("TIM", "4190508")}, {"1:9"});
    row("TIM 999.999", {line("TIM", "999.999")}, {});
    row("VEL 1.0005 (sent as 1)", {line("VEL", "1.0005")}, {"1:4"});
    row("ACC 12.345 (sent as 12.34)", {line("ACC", "12.345")}, {"1:3"});
    // Plain columns without an upper bound: a code in the reference range.
    row("JUMP 4190.508 (sent as R1)", {line("JUMP", "4190.508")}, {"1:7"});
    row("CALL 4190.508 (sent as R1)", {line("CALL", "4190.508")}, {"1:10"});
    row("STPG 4190.508 (sent as R1)", {line("STPG", "4190.508")}, {"1:5"});
    row("OUT 4190.508, O1 (sent as R1)", {line("OUT", "4190.508", "O1")}, {"1:14"});
    // Columns that code the number part of any text: a sign or a prefix is
    // not sent.
    row("HOME R5 (sent as 5)", {line("HOME", "R5")}, {"1:16"});
    row("PGR -3", {line("PGR", "-3")}, {"1:16"});
    row("MVD I2", {line("MVD", "I2")}, {"1:16"});
    row("ACC R50", {line("ACC", "R50")}, {"1:3"});
    row("LB -3", {line("LB", "-3")}, {"1:7"});
    row("SR -2", {line("MVP", "1"), line("SR", "-2"), line("SRET")}, {"2:10"});
    row("WTON I1, -5 (sent as 5)", {line("WTON", "I1", "-5")}, {"1:14"});
    row("PPUT I2, 5", {line("PPUT", "I2", "5")}, {"1:14"});
    row("PTST -3, 5", {line("PTST", "-3", "5", "F1")}, {"1:14"});
    row("CPRD -2", {line("CPRD", "-2")}, {"1:14"});
    row("ZOUT 1, R2", {line("ZOUT", "1", "R2", "F1")}, {"1:14"});
    row("JOG+ R5, I1", {line("JOG+", "R5", "I1")}, {"1:14"});
    row("ZONE1 -5, 5", {line("ZONE1", "-5", "5")}, {"1:14"});
    row("ZONE2 0, I1", {line("ZONE2", "0", "I1")}, {"1:14"});
    row("PUST1 R20, 5", {line("PUST1", "R20", "5")}, {"1:14"});
    row("ZONE4 0, 1000", {line("ZONE4", "0", "1000")}, {});
    row("PUST3 0, 100", {line("PUST3", "0", "100")}, {});
    row("HOME 15", {line("HOME", "15")}, {});
}

void TstProgCheck::typedValueOutsideItsColumn() { expectErrors(); }

// A Condition or Result passes only when the write sends it as the line
// shows it: a plain number or a reference the column does not code would
// be sent as none or as another. A fraction in a reference number would be
// sent rounded to another reference, and is refused in every column. An
// empty cell and the references the write codes pass.
void TstProgCheck::resultsAndReferenceFractions_data()
{
    QTest::addColumn<Lines>("program");
    QTest::addColumn<QStringList>("errors");
    auto row = [](const char *name, Lines program, QStringList errors) {
        QTest::newRow(name) << program << errors;
    };
    row("MVP 5, Result 300 (sent as none)", {line("MVP", "5", {}, "300")}, {"1:14"});
    row("MVP 5, Result 1 (sent as none)", {line("MVP", "5", {}, "1")}, {"1:14"});
    row("PMOV 5, Result 300", {line("PMOV", "5", {}, "300")}, {"1:23", "1:14"});
    row("MVP 5, Result O1.5 (sent as O2)", {line("MVP", "5", {}, "O1.5")}, {"1:14"});
    row("TIM 1, Result F1.4 (sent as F1)", {line("TIM", "1", {}, "F1.4")}, {"1:14"});
    row("== R1, R2, Result f1.6 (sent as f2)", {line("==", "R1", "R2", "f1.6")}, {"1:14"});
    row("MVP 5, Result 0", {line("MVP", "5", {}, "0")}, {});
    row("MVP 5, Result F100", {line("MVP", "5", {}, "F100")}, {});
    row("CLR R1, R2, Result f50", {line("CLR", "R1", "R2", "f50")}, {});
    row("MVP 5, Condition /I1.5", {withCondition("MVP", "5", "/I1.5")}, {"1:14"});
    row("MVP 5, Condition O1.5", {withCondition("MVP", "5", "O1.5")}, {"1:14"});
    row("MVP 5, Condition 5 (sent as none)", {withCondition("MVP", "5", "5")}, {"1:14"});
    row("MVP 5, Condition R5 (sent as none)", {withCondition("MVP", "5", "R5")}, {"1:14"});
    row("MVP 5, Condition /f50", {withCondition("MVP", "5", "/f50")}, {});
    row("Condition and Result, one error", {{"MVP", "5", {}, "5", "300", {}}}, {"1:14"});
    // Fractions in the Operation columns.
    row("MVP R1.5", {line("MVP", "R1.5")}, {"1:2"});
    row("MVA 5, r1.5", {line("MVA", "5", "r1.5")}, {"1:2"});
    row("VEL r1.5", {line("VEL", "r1.5")}, {"1:4"});
    row("STPG R1.5", {line("STPG", "R1.5")}, {"1:5"});
    row("JUMP R1.5", {line("JUMP", "R1.5")}, {"1:7"});
    row("TIM R1.5", {line("TIM", "R1.5")}, {"1:9"});
    row("CALL r2.5", {line("CALL", "r2.5")}, {"1:10"});
    row("= R1.5, 2", {line("=", "R1.5", "2")}, {"1:14"});
    row("= R1, PR1.5", {line("=", "R1", "PR1.5")}, {"1:14"});
    row("CLR R1, r1.6", {line("CLR", "R1", "r1.6")}, {"1:14"});
    row("ON O1.5", {line("ON", "O1.5")}, {"1:14"});
    row("OFF F1, f1.6", {line("OFF", "F1", "f1.6")}, {"1:14"});
    row("IN R1, I1.4", {line("IN", "R1", "I1.4")}, {"1:14"});
    row("WTON F1.4, 5", {line("WTON", "F1.4", "5")}, {"1:14"});
    row("OUTB R1, O1.5", {line("OUTB", "R1", "O1.5")}, {"1:14"});
    row("PGET 1, R1.5", {line("PGET", "1", "R1.5")}, {"1:14"});
    row("JOG- 5, F1.6", {line("JOG-", "5", "F1.6")}, {"1:14"});
    row("JOG+ 5, I1", {line("JOG+", "5", "I1")}, {});
}

void TstProgCheck::resultsAndReferenceFractions() { expectErrors(); }

void TstProgCheck::errorTextInTheRunningLanguage()
{
    QCOMPARE(ProgCheck::ErrorText(7, 3107), QStringLiteral("SyntaxErr No.7 [The setting range of LB No. is not correct.]"));
    QCOMPARE(ProgCheck::ErrorText(19, 3119), QStringLiteral("SyntaxErr No.19 [LB No. is overlapping.]"));
    App().LangOffset = 0;
    QCOMPARE(ProgCheck::ErrorText(3, 3104), QStringLiteral("SyntaxErr No.3 [ACCの設定範囲が正しくありません。]"));
}

void TstProgCheck::programWithoutLinesReadsNothing()
{
    QCOMPARE(CommandList::ReadCommandList(), 0);
    ProgGridModel grid;
    ProgData::ProgDoc doc;
    doc.flgdProg = &grid;
    QCOMPARE(ProgCheck::programCheckProc(doc), 0);
    doc.ProgDA.resize(1);
    QCOMPARE(ProgCheck::programCheckProc(doc), 0);
    QCOMPARE(doc.Check.ErrCount, 0);
}

QTEST_MAIN(TstProgCheck)
#include "tst_progcheck.moc"
