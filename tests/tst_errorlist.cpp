// The error list file and the decoding of the controller's error replies.
#include <QtTest>

#include "core/AppState.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "support/TestEnv.h"

using namespace ErrorList;

namespace {
const QString kMissing = QStringLiteral(
    "No error list file.\r\nPut error list in the folder in which the program saved in  order to indicate error "
    "information correctly.");

// An error list with n + 1 rows in each block; main codes "0".."n", axis
// codes "3" + the same digit.
QString listText(int mainCount, int axisCount)
{
    QString t = QString::number(mainCount) + "\r\n";
    for (int i = 0; i <= mainCount; ++i)
        t += QStringLiteral("\"%1\",\"main %1\"\r\n").arg(i);
    t += QString::number(axisCount) + "\r\n";
    for (int i = 0; i <= axisCount; ++i)
        t += QStringLiteral("\"3%1\",\"axis %1\"\r\n").arg(i);
    return t;
}

void useList(const TestEnv::Scope &env, const QString &text)
{
    env.writeSjis(QStringLiteral("erroreng.lst"), text);
    Platform::SetAppFolder(env.dir());
    App().LangOffset = 10000;
    ReadErrorList();
}
} // namespace

class TestErrorList : public QObject {
    Q_OBJECT
private slots:
    void counts_data();
    void counts();
    void decode_data();
    void decode();
    void missingList();
    void listOfTheLanguage_data();
    void listOfTheLanguage();
};

void TestErrorList::counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("loads");
    QTest::newRow("40 rows: the most a block holds") << listText(40, 40) << true;
    QTest::newRow("41 in the first count") << listText(41, 2) << false;
    QTest::newRow("41 in the second count") << listText(2, 41) << false;
    QTest::newRow("file ends early") << listText(5, 5).section("\r\n", 0, 10) << false;
    QTest::newRow("count is not a number") << QStringLiteral("\"x\"\r\n") << false;
}

void TestErrorList::counts()
{
    QFETCH(QString, text);
    QFETCH(bool, loads);
    TestEnv::Scope env;
    useList(env, text);
    QCOMPARE(ErrorList::State().ErrorListMissing, !loads);
    QCOMPARE(Platform::Dialogs::ShownTexts(), loads ? QStringList{} : QStringList{kMissing});
    if (loads) {
        QCOMPARE(ErrorList::State().ErrorListMainCount, 40);
        QCOMPARE(ErrorList::State().ErrorListMain[40].text, QStringLiteral("main 40"));
        QCOMPARE(ErrorList::State().ErrorListAxis[40].code, QStringLiteral("340"));
    }
}

void TestErrorList::decode_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("no");
    QTest::addColumn<bool>("found");
    const QString none = QStringLiteral("No error information in the error List");
    QTest::newRow("axis 1, code 4") << "0%%1x4\r\n" << "AXIS1:axis 4" << "4" << true;
    QTest::newRow("axis 4 uses the same list") << "0%%434\r\n" << "AXIS4:axis 4" << "4" << true;
    QTest::newRow("main: whole code") << "0%%007\r\n" << "MAIN:main 7" << "7" << true;
    // Main row "14" ends in 4, but a main code must be the code character itself.
    QTest::newRow("main: whole code only") << "0%%0x4\r\n" << "MAIN:" + none << "4" << false;
    QTest::newRow("unknown class") << "0%%734\r\n" << QString::fromUtf8("不明:") + none << "4" << false;
    QTest::newRow("short reply") << "0%%1\r\n" << "AXIS1:" + none << "" << false;
    QTest::newRow("bare prefix") << "0%%" << QString::fromUtf8("不明:") + none << "" << false;
}

void TestErrorList::decode()
{
    QFETCH(QString, reply);
    TestEnv::Scope env;
    useList(env, QStringLiteral("1\r\n\"14\",\"main fourteen\"\r\n\"7\",\"main 7\"\r\n"
                                "1\r\n\"34\",\"axis 4\"\r\n\"X5\",\"axis 5\"\r\n"));
    QVERIFY(!ErrorList::State().ErrorListMissing);
    ErrorList::State().CtErrorStr = reply;
    DispCtStatus();
    QTEST(Indicators::State().StatusPanel1, "panel");
    QTEST(ErrorList::State().CtErrorNo, "no");
    QTEST(ErrorList::State().CtErrorFound, "found");
    QVERIFY(Indicators::State().AlarmVisible);
    QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
}

void TestErrorList::missingList()
{
    TestEnv::Scope env;
    Platform::SetAppFolder(env.path(QStringLiteral("nowhere")));
    App().LangOffset = 10000;
    ReadErrorList();
    QVERIFY(ErrorList::State().ErrorListMissing);
    QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{kMissing});
    // Every later error reply repeats the message and decodes nothing.
    ErrorList::State().CtErrorStr = QStringLiteral("0%%134\r\n");
    DispCtStatus();
    QCOMPARE(Platform::Dialogs::ShownTexts(), (QStringList{kMissing, kMissing}));
    QVERIFY(!Indicators::State().AlarmVisible);
    QVERIFY(Indicators::State().StatusPanel1.isEmpty());
    QVERIFY(ErrorList::State().CtErrorMsg.isEmpty());
}

void TestErrorList::listOfTheLanguage_data()
{
    QTest::addColumn<int>("langOffset");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("Japanese") << 0 << "errorjpn.lst" << QString::fromUtf8("原点センサ異常");
    QTest::newRow("English") << 10000 << "erroreng.lst" << "Home sensor error";
}

void TestErrorList::listOfTheLanguage()
{
    QFETCH(int, langOffset);
    QFETCH(QString, file);
    TestEnv::Scope env; // the program's own data folder with the sample lists
    App().LangOffset = langOffset;
    ReadErrorList();
    QVERIFY(!ErrorList::State().ErrorListMissing);
    QVERIFY(ErrorList::State().ErrorListPath.endsWith(file));
    ErrorList::State().CtErrorStr = QStringLiteral("0%%134\r\n");
    DispCtStatus();
    QTEST(ErrorList::State().CtErrorMsg, "text");
}

QTEST_MAIN(TestErrorList)
#include "tst_errorlist.moc"
