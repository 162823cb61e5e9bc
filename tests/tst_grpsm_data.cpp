// Group and macro tables: their files, checks, compares and copies.
#include "core/AppState.h"
#include "grpsm/GrpSmFiles.h"
#include "grpsm/GrpSmTables.h"
#include "platform/Dialogs.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QtTest>

using namespace GrpSm;
namespace Dlg = Platform::Dialogs;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A group file laid out by hand: header, counts, then the given records
// (one a line), as many as the count says.
QByteArray grpFile(const QByteArray &model, const QByteArray &kind, const QByteArray &records)
{
    return "\"" + model + "\",\"" + kind + "\"\r\n" + QByteArray::number(records.count("\r\n")) + ",3\r\n" + records;
}

// A macro file with the given macros, every step (code m % 7, data 1), as
// many as the count says.
QByteArray smFile(const QList<int> &macros, const QByteArray &kind = "SM")
{
    QByteArray out = "\"RE-Z4\",\"" + kind + "\"\r\n16,2," + QByteArray::number(macros.size()) + "\r\n";
    for (int m : macros) {
        out += "\"" + QByteArray::number(m) + "\"\r\n";
        for (int s = 0; s < 16; ++s)
            out += QByteArray::number(m % 7) + ",1\r\n";
    }
    return out;
}

void setStep(MacroTable &t, int macro, int step, int code, int data)
{
    t[step][MacroCodeCol(macro)] = int16_t(code);
    t[step][MacroCodeCol(macro) + 1] = int16_t(data);
}

// Every step of every macro a valid TIMER 1.
void validMacros(MacroTable &t)
{
    for (int m = 1; m <= kMacroCount; ++m)
        for (int s = 0; s < kMacroSteps; ++s)
            setStep(t, m, s, 5, 1);
}

} // namespace

class TestGrpSmData : public QObject {
    Q_OBJECT
private slots:
    void groupFileBytesAndRoundTrip();
    void macroFileBytesAndRoundTrip();
    void groupFileRead_data();
    void groupFileRead();
    void groupFileNeverMixesWithEarlierRead();
    void groupFileDamagedLeavesBuffer();
    void macroFileRead_data();
    void macroFileRead();
    void macroFileMissingMacrosAreEnd();
    void groupCheck_data();
    void groupCheck();
    void groupCompare();
    void macroCheck_data();
    void macroCheck();
    void macroCheckListsBadMacrosAndNormalisesEnd();
    void macroCompare();
    void copiesLeaveUnusedRowsAlone();
};

void TestGrpSmData::groupFileBytesAndRoundTrip()
{
    TestEnv::Scope env;
    auto &t = Tables();
    QByteArray expected = "\"RE-Z4\",\"GRP\"\r\n99,3\r\n";
    for (int g = 1; g <= 99; ++g) {
        t.GrpData[g] = {int16_t(g * 10), int16_t(g == 50 ? -3 : 999)};
        expected += "\"" + QByteArray::number(g) + "\"," + QByteArray::number(g * 10) + ","
                    + (g == 50 ? "-3" : "999") + "\r\n";
    }
    const QString path = env.path(QStringLiteral("a.grp"));
    QCOMPARE(GrpSm::WriteGrpFile(path), 0);
    const QByteArray bytes = fileBytes(path);
    QCOMPARE(bytes, expected);
    QCOMPARE(bytes.count("\r\n"), 101);

    QCOMPARE(GrpSm::ReadGrpFile(path, QStringLiteral("a.grp")), 0);
    for (int g = 1; g <= 99; ++g)
        QCOMPARE(t.GrpDataBuf[g], t.GrpData[g]);
    QCOMPARE(t.GrpPrintDataName, QStringLiteral("a.grp"));

    // A failed save leaves the old file whole.
    QCOMPARE(GrpSm::WriteGrpFile(env.path(QStringLiteral("missing/dir/a.grp"))), 1);
}

void TestGrpSmData::macroFileBytesAndRoundTrip()
{
    TestEnv::Scope env;
    auto &t = Tables();
    QByteArray expected = "\"RE-Z4\",\"SM\"\r\n16,2,20\r\n";
    for (int m = 1; m <= 20; ++m) {
        expected += "\"" + QByteArray::number(m) + "\"\r\n";
        for (int s = 0; s < 16; ++s) {
            const int code = (m + s) % 7, data = (m * s) % 10;
            setStep(t.SmData, m, s, code, data);
            expected += QByteArray::number(code) + "," + QByteArray::number(data) + "\r\n";
        }
    }
    const QString path = env.path(QStringLiteral("m.smd"));
    QCOMPARE(GrpSm::WriteSqMcrFile(path), 0);
    const QByteArray bytes = fileBytes(path);
    QCOMPARE(bytes, expected);
    QCOMPARE(bytes.count("\r\n"), 342);

    QCOMPARE(OpenSMFile(path), 0);
    for (int s = 0; s < 16; ++s)
        for (int c = 0; c < 40; ++c)
            QCOMPARE(t.SmDataBuf[s][c], t.SmData[s][c]);
}

void TestGrpSmData::groupFileRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("group");    // a group to look at after the read
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QStringList>("shown");

    const QStringList none;
    const QStringList header{QStringLiteral("Not GRP Data file for QZ-TQ7.\r\nOpening file is canceled.")};
    QTest::newRow("earlier model accepted") << grpFile("VA-Z2", "GRP", "\"5\",10,20\r\n") << 0 << 5 << 10 << 20 << none;
    QTest::newRow("other model accepted") << grpFile("VA-V4", "GRP", "\"5\",10,20\r\n") << 0 << 5 << 10 << 20 << none;
    QTest::newRow("macro kind refused") << grpFile("RE-Z4", "SM", "\"5\",10,20\r\n") << 2 << 5 << 7 << 7 << header;
    QTest::newRow("unknown model refused") << grpFile("RE-Z9", "GRP", "") << 2 << 5 << 7 << 7 << header;
    QTest::newRow("record 0 lands in row 0") << grpFile("RE-Z4", "GRP", "\"0\",4,6\r\n") << 0 << 0 << 4 << 6 << none;
    QTest::newRow("record 100 fails") << grpFile("RE-Z4", "GRP", "\"100\",4,6\r\n") << 1 << 5 << 7 << 7 << none;
    QTest::newRow("blank before the number") << grpFile("RE-Z4", "GRP", "\" 7\",3,9\r\n") << 0 << 7 << 3 << 9 << none;
    QTest::newRow("counts other than 99, 3") << QByteArray("\"RE-Z4\",\"GRP\"\r\n1,7\r\n\"2\",1,2\r\n") << 0 << 2 << 1 << 2 << none;
    QTest::newRow("beyond 16 bits fails, never wraps") << grpFile("RE-Z4", "GRP", "\"5\",40000,1\r\n") << 1 << 5 << 7 << 7 << none;
    QTest::newRow("text value fails") << grpFile("RE-Z4", "GRP", "\"5\",abc,1\r\n") << 1 << 5 << 7 << 7 << none;
    QTest::newRow("record cut short fails") << grpFile("RE-Z4", "GRP", "\"5\",10\r\n") << 1 << 5 << 7 << 7 << none;
    QTest::newRow("empty file fails quietly") << QByteArray() << 1 << 5 << 7 << 7 << none;
}

void TestGrpSmData::groupFileRead()
{
    QFETCH(QByteArray, file);
    QFETCH(int, group);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    auto &buf = Tables().GrpDataBuf;
    for (auto &row : buf)
        row = {7, 7};
    const QString path = env.writeFile(QStringLiteral("g.grp"), file);
    QTEST(GrpSm::ReadGrpFile(path, QStringLiteral("g.grp")), "result");
    QTEST(int(buf[group][0]), "start");
    QTEST(int(buf[group][1]), "end");
    QTEST(Dlg::ShownTexts(), "shown");
}

void TestGrpSmData::groupFileNeverMixesWithEarlierRead()
{
    TestEnv::Scope env;
    auto &t = Tables();
    for (auto &row : t.GrpDataBuf)
        row = {5, 6};
    QByteArray records;
    for (int g = 1; g <= 10; ++g)
        records += "\"" + QByteArray::number(g) + "\",1,2\r\n";
    QCOMPARE(GrpSm::ReadGrpFile(env.writeFile(QStringLiteral("ten.grp"), grpFile("RE-Z4", "GRP", records)),
                                  QStringLiteral("ten.grp")),
             0);
    QCOMPARE(t.GrpDataBuf[10], (std::array<int16_t, 2>{1, 2}));
    for (int g = 11; g <= 99; ++g)
        QCOMPARE(t.GrpDataBuf[g], (std::array<int16_t, 2>{0, 0}));

    // Such a file verifies as different from any valid table.
    ResetGrpData();
    for (int g = 1; g <= 10; ++g)
        t.GrpData[g] = {1, 2};
    QCOMPARE(GrpData_Check(), 0);
    GrpSm::MakeGrpDataStr();
    QVERIFY(t.GrpVerifyNG);
    QVERIFY(t.GrpVerifyNgList.startsWith(QStringLiteral(" 11, 12,")));
}

void TestGrpSmData::groupFileDamagedLeavesBuffer()
{
    TestEnv::Scope env;
    auto &t = Tables();
    for (auto &row : t.GrpDataBuf)
        row = {5, 6};
    t.GrpPrintDataName = QStringLiteral("before");
    const QString path =
        env.writeFile(QStringLiteral("bad.grp"), grpFile("RE-Z4", "GRP", "\"1\",9,9\r\n\"2\",x,1\r\n"));
    QCOMPARE(GrpSm::ReadGrpFile(path, QStringLiteral("bad.grp")), 1);
    QCOMPARE(t.GrpDataBuf[1], (std::array<int16_t, 2>{5, 6}));
    QCOMPARE(t.GrpPrintDataName, QStringLiteral("before"));
    QCOMPARE(GrpSm::ReadGrpFile(env.path(QStringLiteral("none.grp")), QString()), 1);
}

void TestGrpSmData::macroFileRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("shownCount");
    QTest::addColumn<int>("macro3After"); // command of macro 3's first step
    QTest::newRow("macros 1 and 20") << smFile({1, 20}) << 0 << 0 << 0;
    QTest::newRow("record 0 fails") << smFile({1, 0}) << 1 << 0 << 4;
    QTest::newRow("record 21 fails") << smFile({21}) << 1 << 0 << 4;
    QTest::newRow("group file refused") << smFile({1}, "GRP") << 2 << 1 << 4;
    QTest::newRow("macro cut short fails") << smFile({1}).chopped(6) << 1 << 0 << 4;
    QTest::newRow("beyond 16 bits fails") << smFile({1}).replace("1,1\r\n", "1,70000\r\n") << 1 << 0 << 4;
}

void TestGrpSmData::macroFileRead()
{
    QFETCH(QByteArray, file);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    auto &buf = Tables().SmDataBuf;
    setStep(buf, 3, 0, 4, 4);
    QTEST(OpenSMFile(env.writeFile(QStringLiteral("m.smd"), file)), "result");
    QTEST(int(Dlg::Shown().size()), "shownCount");
    if (Dlg::Shown().size() == 1)
        QCOMPARE(Dlg::ShownTexts().first(), QStringLiteral("Not SM Data file for QZ-TQ7.\r\nOpening file is canceled."));
    // A failed read leaves the buffer as it was; a good one clears macro 3.
    QTEST(int(buf[0][MacroCodeCol(3)]), "macro3After");
}

void TestGrpSmData::macroFileMissingMacrosAreEnd()
{
    TestEnv::Scope env;
    auto &buf = Tables().SmDataBuf;
    validMacros(buf);
    QCOMPARE(OpenSMFile(env.writeFile(QStringLiteral("five.smd"), smFile({1, 2, 3, 4, 5}))), 0);
    QCOMPARE(int(buf[0][MacroCodeCol(5)]), 5);
    for (int m = 6; m <= 20; ++m)
        for (int s = 0; s < 16; ++s) {
            QCOMPARE(int(buf[s][MacroCodeCol(m)]), 0);
            QCOMPARE(int(buf[s][MacroCodeCol(m) + 1]), 0);
        }
}

void TestGrpSmData::groupCheck_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("result");
    QTest::newRow("1, 1") << 1 << 1 << 0;
    QTest::newRow("1, 999") << 1 << 999 << 0;
    QTest::newRow("start 0") << 0 << 5 << 1;
    QTest::newRow("end 0") << 1 << 0 << 1;
    QTest::newRow("start 1000") << 1000 << 1000 << 1;
    QTest::newRow("end 1000") << 1 << 1000 << 1;
    QTest::newRow("500 > 499") << 500 << 499 << 1;
    QTest::newRow("negative") << -1 << 5 << 1;
}

void TestGrpSmData::groupCheck()
{
    QFETCH(int, start);
    QFETCH(int, end);
    TestEnv::Scope env;
    ResetGrpData();
    auto &t = Tables();
    t.GrpData[99] = {int16_t(start), int16_t(end)};
    QTEST(GrpData_Check(), "result");
    QCOMPARE(t.GrpData[99], (std::array<int16_t, 2>{int16_t(start), int16_t(end)}));
    // Outside the range asked for, nothing is looked at.
    t.GrpNoEnd = 98;
    QCOMPARE(GrpData_Check(), 0);
}

void TestGrpSmData::groupCompare()
{
    TestEnv::Scope env;
    auto &t = Tables();
    ResetGrpData();
    GrpSm::LetGrpDataToBuf();
    GrpSm::MakeGrpDataStr();
    QVERIFY(!t.GrpVerifyNG);
    QCOMPARE(t.GrpVerifyNgList, QString());
    t.GrpData[3][0] = 2;
    t.GrpDataBuf[17][1] = 4;
    t.GrpDataBuf[0][0] = 9; // row 0 is never compared
    GrpSm::MakeGrpDataStr();
    QVERIFY(t.GrpVerifyNG);
    QCOMPARE(t.GrpVerifyNgList, QStringLiteral(" 3, 17,"));
}

void TestGrpSmData::macroCheck_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("data");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("codeAfter");
    QTest::addColumn<int>("dataAfter");
    QTest::newRow("TIMER 1") << 5 << 1 << 0 << 5 << 1;
    QTest::newRow("TIMER 0") << 5 << 0 << 1 << 5 << 0;
    QTest::newRow("TIMER 10") << 5 << 10 << 1 << 5 << 10;
    QTest::newRow("TIMER10 9") << 6 << 9 << 0 << 6 << 9;
    QTest::newRow("IN-ON 4") << 1 << 4 << 0 << 1 << 4;
    QTest::newRow("IN-ON 5") << 1 << 5 << 1 << 1 << 5;
    QTest::newRow("OUT-OFF 0") << 4 << 0 << 1 << 4 << 0;
    QTest::newRow("code 7") << 7 << 1 << 1 << 7 << 1;
    QTest::newRow("code -1") << -1 << 1 << 1 << -1 << 1;
    QTest::newRow("END with data 7") << 0 << 7 << 0 << 0 << 0;
    QTest::newRow("code 15") << 15 << 3 << 0 << 0 << 0;
}

void TestGrpSmData::macroCheck()
{
    QFETCH(int, code);
    QFETCH(int, data);
    TestEnv::Scope env;
    auto &t = Tables();
    validMacros(t.SmData);
    setStep(t.SmData, 9, 15, code, data);
    QTEST(SmData_Check(), "result");
    QTEST(int(t.SmData[15][MacroCodeCol(9)]), "codeAfter");
    QTEST(int(t.SmData[15][MacroCodeCol(9) + 1]), "dataAfter");
}

void TestGrpSmData::macroCheckListsBadMacrosAndNormalisesEnd()
{
    TestEnv::Scope env;
    auto &t = Tables();
    validMacros(t.SmData);
    setStep(t.SmData, 3, 2, 5, 0);
    setStep(t.SmData, 7, 0, 1, 5);
    setStep(t.SmData, 7, 1, 7, 1);
    setStep(t.SmData, 7, 5, 15, 8);
    QCOMPARE(SmData_Check(), 1);
    QCOMPARE(t.SmErrNoList, QStringLiteral("<3>,<7>,"));
    // Normalised even though the table was refused.
    QCOMPARE(int(t.SmData[5][MacroCodeCol(7)]), 0);
    QCOMPARE(int(t.SmData[5][MacroCodeCol(7) + 1]), 0);

    validMacros(t.SmData);
    QCOMPARE(SmData_Check(), 0);
    QCOMPARE(t.SmErrNoList, QString());
}

void TestGrpSmData::macroCompare()
{
    TestEnv::Scope env;
    auto &t = Tables();
    validMacros(t.SmData);
    setStep(t.SmData, 4, 3, 0, 0);
    GrpSm::LetSqMcrDataToBuf();
    QCOMPARE(GrpSm::MakeSqMcrDataStr(), 0);
    QVERIFY(!t.SmVerifyNG);
    QCOMPARE(t.SmVerifyNgList, QString());

    // Only an END step's data differ: equal.
    setStep(t.SmData, 4, 3, 0, 6);
    QCOMPARE(GrpSm::MakeSqMcrDataStr(), 0);

    setStep(t.SmData, 2, 0, 5, 2);   // data differ
    setStep(t.SmDataBuf, 11, 15, 6, 1); // command differs
    QCOMPARE(GrpSm::MakeSqMcrDataStr(), 1);
    QVERIFY(t.SmVerifyNG);
    QCOMPARE(t.SmVerifyNgList, QStringLiteral(" 2, 11,"));
}

void TestGrpSmData::copiesLeaveUnusedRowsAlone()
{
    TestEnv::Scope env;
    auto &t = Tables();
    t.GrpDataBuf[0] = {8, 8};
    t.GrpDataBuf[99] = {3, 4};
    GrpSm::LetGrpBufToData();
    QCOMPARE(t.GrpData[99], (std::array<int16_t, 2>{3, 4}));
    QCOMPARE(t.GrpData[0], (std::array<int16_t, 2>{0, 0}));

    t.SmDataBuf[16][0] = 5;
    t.SmDataBuf[15][39] = 9;
    GrpSm::LetSqMcrBufToData();
    QCOMPARE(int(t.SmData[15][39]), 9);
    QCOMPARE(int(t.SmData[16][0]), 0);

    t.SmData[16][39] = 4;
    t.SmData[16][40] = 4;
    GrpSm::ClearSqMcrData();
    QCOMPARE(int(t.SmData[16][39]), 0);
    QCOMPARE(int(t.SmData[16][40]), 4);
    QCOMPARE(int(t.SmData[15][39]), 0);
}

QTEST_MAIN(TestGrpSmData)
#include "tst_grpsm_data.moc"
