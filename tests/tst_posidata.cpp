// Position tables, the 60-digit position block and the position file.
#include "core/AppState.h"
#include "link/CommandFrames.h"
#include "core/ItemFile.h"
#include "platform/Dialogs.h"
#include "posi/PosiCodec.h"
#include "paradata/ParadataState.h"
#include "posi/PosiFile.h"
#include "posi/PosiTables.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QtTest>

using namespace PosiField;

class TestPosiData : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv::Scope> env;
    const std::array<QString, 4> names{QStringLiteral("QZ42-D"), QStringLiteral("QZ30"), QString(), QStringLiteral("QZ20")};

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        ResetPosiState();
        ResetParadataState();
    }

    void defaultsAndIndexBases()
    {
        Paradata().DevSetting.DevSpeed = {QStringLiteral("D"), QStringLiteral("D"), QStringLiteral("C"), QStringLiteral("D")};
        Paradata().DevSetting.DevSize = {QStringLiteral(" 42"), QStringLiteral("42"), QStringLiteral(" 42"), QString()};
        QVERIFY(!CheckPosiDataExist());
        PosiTables::InitPosiData();
        const PosiRecord &r = Posi().PosiData[999];
        QCOMPARE(r[Acc(0)].val(), 20.0);
        for (int a = 1; a < 4; ++a)
            QCOMPARE(r[Acc(a)].val(), 10.0);
        QCOMPARE(r[Speed(2)].val(), 30.0);
        QVERIFY(r[Comment].equalsEmptyText());
        QVERIFY(Posi().PosiData[0][1].isEmpty());      // row 0 is never a position
        QCOMPARE(Posi().WireText[998], QStringLiteral("0"));
        QVERIFY(Posi().WireText[999].isEmpty());
        QVERIFY(CheckPosiDataExist());
        QVERIFY(Posi().PosiDataExistFlag);
    }

    void copyRecordMovesPositionToDisp()
    {
        PosiTables::InitPosiData();
        PosiState &p = Posi();
        p.PosiData[5][Position(0)] = 77;
        p.PosiData[5][Comment] = QStringLiteral("keep");
        p.PosiDataRead[5][Position(0)] = 1234;
        p.PosiDataRead[5][Speed(1)] = 55;
        p.PosiDataRead[5][Comment] = QStringLiteral("new");
        App().PosiNoStart = 5;
        App().PosiNoEnd = 5;
        PosiTables::CopyPosiRecord();
        QCOMPARE(p.PosiData[5][Position(0)].val(), 77.0);
        QCOMPARE(p.PosiDataDisp[5][0], 1234.0);
        QCOMPARE(p.PosiData[5][Speed(1)].val(), 55.0);
        QCOMPARE(p.PosiData[5][Comment].toString(), QStringLiteral("new"));
        App().PosiNoStart = 6;   // empty range copies nothing
        App().PosiNoEnd = 5;
        p.PosiDataRead[5][Speed(1)] = 66;
        PosiTables::CopyPosiRecord();
        QCOMPARE(p.PosiData[5][Speed(1)].val(), 55.0);
    }

    void commonRange_data()
    {
        QTest::addColumn<int>("f1");
        QTest::addColumn<int>("f2");
        QTest::addColumn<int>("rc");
        QTest::addColumn<int>("cs");
        QTest::addColumn<int>("ce");
        // grid 10..30; -1 = left as it was
        QTest::newRow("file before grid, overlapping") << 5 << 20 << 0 << 10 << 20;
        QTest::newRow("file wholly before") << 1 << 8 << 1 << -1 << -1;
        QTest::newRow("file inside") << 20 << 25 << 0 << 20 << 25;
        QTest::newRow("file wholly after") << 31 << 40 << 1 << -1 << -1;
        QTest::newRow("file covers grid") << 1 << 999 << 0 << 10 << 30;
    }
    void commonRange()
    {
        QFETCH(int, f1); QFETCH(int, f2); QFETCH(int, rc); QFETCH(int, cs); QFETCH(int, ce);
        App().DispNoStart = 10;
        App().DispNoEnd = 30;
        Posi().FileFirstPosiNo = f1;
        Posi().FileLastPosiNo = f2;
        Posi().CommonNoStart = Posi().CommonNoEnd = -1;
        QCOMPARE(PosiTables::GetCommonPosiRange(), rc);
        QCOMPARE(Posi().CommonNoStart, cs);
        QCOMPARE(Posi().CommonNoEnd, ce);
    }

    void clearFlagsClearsEverything()
    {
        Posi().PosiErrFlag[0][0] = true;
        Posi().PosiErrFlag[999][28] = true;
        PosiTables::ClearPosiFlags();
        QVERIFY(!Posi().PosiErrFlag[0][0]);
        QVERIFY(!Posi().PosiErrFlag[999][28]);
    }

    // ---- codec ---------------------------------------------------------
    void packed_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("digits");
        QTest::newRow("method 3, max") << 3 << 262143 << "FFFFF";
        QTest::newRow("method 1, 65536") << 1 << 65536 << "50000";
        QTest::newRow("method 2, 131071") << 2 << 131071 << "9FFFF";
        QTest::newRow("none, 0") << 0 << 0 << "00000";
    }
    void packed()
    {
        QFETCH(int, method); QFETCH(int, position); QFETCH(QString, digits);
        QCOMPARE(PosiCodec::EncodePacked(method, position), digits);
        const auto d = PosiCodec::DecodePacked(digits);
        QVERIFY(d);
        QCOMPARE(d->method, method);
        QCOMPARE(d->position, position);
    }

    void frames()
    {
        QCOMPARE(PosiCodec::ReadCommand(999), QStringLiteral("0RP3E7"));
        QCOMPARE(Comm::Frames::StorePosiData(1, 50), std::optional<QString>(QStringLiteral("0WA001032")));
        QCOMPARE(PosiCodec::EncodePacked(1, 262144), QStringLiteral("XXXXX"));   // never a wrong method
        QVERIFY(!PosiCodec::DecodePacked(QStringLiteral("G0000")));
    }

    void blockRoundTrip()
    {
        PosiTables::InitPosiData();
        PosiRecord r = PosiTables::DefaultPosiRecord();
        r[Speed(0)] = 400; r[Acc(0)] = 200; r[Method(0)] = 3; r[Position(0)] = 262143;
        r[PushForce(0)] = 70; r[PushPos(0)] = 99;
        r[Acc(1)] = 10; r[Method(1)] = 1; r[Position(1)] = 65536;
        r[Speed(3)] = QStringLiteral(" 250");   // text from a file counts as its number
        r[Itpl] = 1; r[Out] = 15; r[Macro] = 20;
        const QString block = PosiCodec::EncodeBlock(r);
        QCOMPARE(block.size(), 60);
        QCOMPARE(block.mid(0, 3), QStringLiteral("190"));
        QCOMPARE(block.mid(3, 2), QStringLiteral("C8"));
        QCOMPARE(block.mid(5, 5), QStringLiteral("FFFFF"));
        QCOMPARE(block.mid(17, 2), QStringLiteral("0A"));
        QCOMPARE(block.mid(19, 5), QStringLiteral("50000"));
        QCOMPARE(block.right(4), QStringLiteral("1F14"));
        const auto back = PosiCodec::DecodeReadReply(QStringLiteral("0RP3E7") + block + QStringLiteral("\r\n"), 999);
        QVERIFY(back);
        for (int f = 1; f <= 27; ++f)
            QCOMPARE((*back)[f].val(), r[f].val());
        QVERIFY((*back)[Comment].isEmpty());
        // A reply for another position, a short one or a damaged digit is refused.
        QVERIFY(!PosiCodec::DecodeReadReply(QStringLiteral("0RP3E6") + block, 999));
        QVERIFY(!PosiCodec::DecodeReadReply(QStringLiteral("0RP3E7") + block.left(59), 999));
        QVERIFY(!PosiCodec::DecodeBlock(block.left(59) + QLatin1Char('Z')));
    }

    // ---- file ----------------------------------------------------------
    void currentAndLegacyLayouts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("types");
        const QString line = QStringLiteral("3,\" 40\",\" 20\",\" 1\",\" 500\",\" 0\",\" 0\",\" 30\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\","
                                            "\" 30\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\",\" 30\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 5\",\" 2\",\"a, b\"\r\n");
        const QString head = QStringLiteral("\"RE-Z4\"\r\n\"PRG MODE\"\r\n\"QZ42\",\"\",\"\",\"\"\r\n");
        QTest::newRow("current") << head + QStringLiteral("\"OLD\",\"NEW\",\"NEW\",\"NEW\"\r\n") + line << "OLD,NEW,NEW,NEW";
        QTest::newRow("type on axis 1 only") << head + QStringLiteral("\"OLD\",\"x\",\"\",\"y\"\r\n") + line << "OLD,x,,y";
        QTest::newRow("legacy") << head + line << "OLD,OLD,OLD,OLD";
    }
    void currentAndLegacyLayouts()
    {
        QFETCH(QString, text); QFETCH(QString, types);
        const QString path = env->writeSjis(QStringLiteral("a.qzd"), text);
        QCOMPARE(PosiFile::ReadPosiFile(path), 0);
        const PosiState &p = Posi();
        QVERIFY(p.FilePrgMode);
        QCOMPARE(QStringList(p.FileAxisNewOld.begin(), p.FileAxisNewOld.end()).join(QLatin1Char(',')), types);
        QCOMPARE(p.FileAxisName[0], QStringLiteral("QZ42"));
        QCOMPARE(p.FileFirstPosiNo, 3);
        QCOMPARE(p.FileLastPosiNo, 3);
        QCOMPARE(p.PosiDataRead[3][Position(0)].toString(), QStringLiteral(" 500"));
        QCOMPARE(p.PosiDataRead[3][Macro].val(), 2.0);
        QCOMPARE(p.PosiDataRead[3][Comment].toString(), QStringLiteral("a, b"));   // a quoted comma stays in its item
    }

    void saveOpenSave_sameTablesAndBytes()
    {
        PosiTables::InitPosiData();
        PosiState &p = Posi();
        App().PrgModeFlag = false;
        App().AxisNotUsed = {false, false, true, false};
        Paradata().DevSetting.DevNewType = {true, false, false, false};
        for (int n = 10; n <= 20; ++n) {
            p.PosiData[n][Speed(0)] = 100 + n;
            p.PosiData[n][Position(1)] = 262143 - n;
            p.PosiData[n][Out] = n % 16;
            p.PosiData[n][Comment] = QStringLiteral("位置 %1 \"q\"").arg(n);
        }
        p.PosiData[11][Position(3)] = -5;
        p.PosiErrRow[12 - 1] = true;
        p.PosiErrRow[15 - 1] = true;
        App().PosiNoStart = 10;
        App().PosiNoEnd = 20;
        const QString path = env->path(QStringLiteral("pos.backup.qzd"));
        QCOMPARE(PosiFile::SaveFileAs(path, names), 0);
        QCOMPARE(App().DataFileName, env->path(QStringLiteral("pos.backup")));
        QCOMPARE(p.DataFilePath, path);
        const QByteArray first = readAll(path);
        QVERIFY(first.startsWith("\"RE-Z4\"\r\n\"POS MODE\"\r\n\"QZ42-D\",\"QZ30\",\"\",\"QZ20\"\r\n\"NEW\",\"OLD\",\"NEW\",\"OLD\"\r\n10,\" 110\",\" 10\","));
        QCOMPARE(first.count("\r\n"), 4 + 9);
        QVERIFY(!first.contains("\"q\""));
        QVERIFY(first.contains("\"-5\""));

        QCOMPARE(PosiFile::ReadPosiFile(path), 0);
        QCOMPARE(p.FileFirstPosiNo, 10);
        QCOMPARE(p.FileLastPosiNo, 20);
        for (int n : {10, 11, 13, 14, 16, 20})
            for (int f = 1; f <= 27; ++f)
                QCOMPARE(p.PosiDataRead[n][f].val(), p.PosiData[n][f].val());
        QCOMPARE(p.PosiDataRead[10][Comment].toString(), QStringLiteral("位置 10 'q'"));
        // 12 and 15 were left out of the file: they read back as defaults.
        QCOMPARE(p.PosiDataRead[12], PosiTables::DefaultPosiRecord());

        p.PosiErrRow.fill(false);
        for (int n = 10; n <= 20; ++n)
            p.PosiData[n] = p.PosiDataRead[n];
        const QString again = env->path(QStringLiteral("again.qzd"));
        QCOMPARE(PosiFile::SaveFileAs(again, names), 0);
        QCOMPARE(PosiFile::ReadPosiFile(again), 0);
        for (int n = 10; n <= 20; ++n)
            p.PosiData[n] = p.PosiDataRead[n];
        const QString third = env->path(QStringLiteral("third.qzd"));
        QCOMPARE(PosiFile::SaveFileAs(third, names), 0);
        QCOMPARE(readAll(third), readAll(again));
    }

    void unorderedWithGap()
    {
        PosiTables::InitPosiData();
        Posi().PosiDataRead[6][Speed(0)] = 99;   // stale row inside the file's range
        const QString rec = QStringLiteral(",\" 50\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\",\" 30\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\","
                                           "\" 30\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\",\" 30\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\"\"\r\n");
        const QString text = QStringLiteral("\"RE-Z4\"\r\n\"POS MODE\"\r\n\"\",\"\",\"\",\"\"\r\n\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n")
                             + QStringLiteral("9") + rec + QStringLiteral("4") + rec + QStringLiteral("7") + rec;
        QCOMPARE(PosiFile::ReadPosiFile(env->writeSjis(QStringLiteral("u.qzd"), text)), 0);
        QCOMPARE(Posi().FileFirstPosiNo, 4);
        QCOMPARE(Posi().FileLastPosiNo, 9);
        QCOMPARE(Posi().PosiDataRead[6][Speed(0)].val(), 30.0);
        QCOMPARE(Posi().PosiDataRead[7][Speed(0)].val(), 50.0);
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rc");
        QTest::addColumn<QString>("message");
        const QByteArray head = "\"RE-Z4\"\r\n\"POS MODE\"\r\n\"\",\"\",\"\",\"\"\r\n\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n";
        const QByteArray rest = ",\" 50\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\",\" 30\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\","
                                "\" 30\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\",\" 30\",\" 10\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\"\"\r\n";
        QTest::newRow("empty file") << QByteArray() << 1 << "";
        QTest::newRow("not a position file") << QByteArray("\"QZ-PRG\"\r\n") << 2 << "Not Position Data file for QZ-TQ7.\r\nOpening file is canceled.";
        QTest::newRow("no position line") << head << 3 << "An error occurred in Reading file.";
        const QByteArray legacyHead = "\"RE-Z4\"\r\n\"POS MODE\"\r\n\"\",\"\",\"\",\"\"\r\n";
        QTest::newRow("no type record, no position line") << legacyHead << 3 << "An error occurred in Reading file.";
        QTest::newRow("no type record, truncated") << legacyHead + "5" + rest.left(40) << 1 << "";
        QTest::newRow("type record cut short") << legacyHead + "\"NEW\",\"OLD\"" << 1 << "";
        QTest::newRow("position 0") << head + "0" + rest << 3 << "An error occurred in Reading file.";
        QTest::newRow("position 1000") << head + "1000" + rest << 1 << "";
        QTest::newRow("position -1") << head + "-1" + rest << 1 << "";
        QTest::newRow("truncated") << head + "5" + rest + "6" + rest.left(40) << 1 << "";
        QTest::newRow("truncated head") << QByteArray("\"RE-Z4\"\r\n\"POS MODE\"\r\n\"a\"") << 1 << "";
        QTest::newRow("number item is text") << head + "\"x\"" + rest << 1 << "";
    }
    void refusedFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes); QFETCH(int, rc); QFETCH(QString, message);
        App().LangOffset = 10000;
        PosiTables::InitPosiData();
        Posi().FileFirstPosiNo = 11;
        Posi().FileLastPosiNo = 12;
        Posi().FileAxisName[0] = QStringLiteral("before");
        const PosiRecord before = Posi().PosiDataRead[5];
        QCOMPARE(PosiFile::ReadPosiFile(env->writeFile(QStringLiteral("bad.qzd"), bytes)), rc);
        QVERIFY(Posi().FileReadError);
        QCOMPARE(Posi().FileFirstPosiNo, 11);
        QCOMPARE(Posi().FileLastPosiNo, 12);
        QCOMPARE(Posi().FileAxisName[0], QStringLiteral("before"));
        QCOMPARE(Posi().PosiDataRead[5], before);
        const QStringList shown = Platform::Dialogs::ShownTexts();
        QCOMPARE(shown.isEmpty() ? QString() : shown.last(), message);
    }

    void missingFileAndFailedSave()
    {
        QCOMPARE(PosiFile::ReadPosiFile(env->path(QStringLiteral("none.qzd"))), 1);
        App().LangOffset = 10000;
        App().DataFileName = QStringLiteral("keep");
        App().PosiNoStart = 1;
        App().PosiNoEnd = 1;
        PosiTables::InitPosiData();
        QCOMPARE(PosiFile::SaveFileAs(env->path(QStringLiteral("no/such/dir/x.qzd")), names), 1);
        QCOMPARE(App().DataFileName, QStringLiteral("keep"));
        QCOMPARE(Platform::Dialogs::ShownTexts().last(), QStringLiteral("An error occurred in saving data."));
    }

    void titleOf_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("qzd") << "/d/a.qzd" << "/d/a";
        QTest::newRow("other ext") << "/d/a.txt" << "/d/a";
        QTest::newRow("no ext") << "/d.x/abc" << "/d.x/abc";
        QTest::newRow("two dots") << "/d/a.b.qzd" << "/d/a.b";
    }
    void titleOf()
    {
        QFETCH(QString, path); QFETCH(QString, title);
        QCOMPARE(PosiFile::TitleOf(path), title);
    }
};

QTEST_MAIN(TestPosiData)
#include "tst_posidata.moc"
