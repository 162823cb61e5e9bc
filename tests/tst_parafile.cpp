// The parameter set and table, their copies, and the parameter file.
#include "core/AppState.h"
#include "core/ItemFile.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace ParaFile;
namespace Dlg = Platform::Dialogs;

namespace {
// A set whose every member holds its own value.
ParaSetData sampleSet()
{
    ParaSetData s;
    for (int a = 0; a < 4; ++a) {
        s.ParaHomeOffset[a] = ValueCell(65535 - a);
        s.ParaHomePush[a] = int16_t(10 + a);
        s.ParaHomeVel[a] = int16_t(20 + a);
        s.ParaHomeOfsVel[a] = int16_t(30 + a);
        s.ParaHomePushVel[a] = int16_t(40 + a);
        s.ParaHomeSeq[a] = int16_t(a);
        s.ParaAxisStroke[a] = ValueCell(262143 - a);
        s.ParaAxisLead[a] = int16_t(6 + a);
        s.ParaAxisPulse[a] = 40000 + a; // beyond 16 bits
        s.ParaJogVel[a] = int16_t(50 + a);
        s.ParaAutoDrive[a] = int16_t(a % 2);
        s.ParaType[a] = int16_t(a % 2);
        s.ParaActuator[a] = ValueCell(QStringLiteral(" 28A05") + QString::number(a));
        s.ParaPgFunction[a] = int16_t(a % 3);
        s.ParaPgAlm[a] = ValueCell(100 + a);
        s.ParaZoneEnable[a] = int16_t(a % 3);
        s.ParaZone1[a] = ValueCell(1000 + a);
        s.ParaZone2[a] = ValueCell(2000 + a);
        s.ParaInpWid[a] = int16_t(60 + a);
        s.ParaHoldTime[a] = int16_t(70 + a);
        s.ParaPgTimer[a] = int16_t(80 + a);
        s.ParaLsTimer[a] = int16_t(90 + a);
        s.ParaSoftLimit[a] = int16_t(a % 2);
    }
    s.ParaHomeOut = 3;
    s.ParaGrpEnable = 1;
    s.ParaSmTimeout = 1;
    s.ParaSmTimer = 200;
    s.ParaAutoPrgNo = 100;
    s.ParaSpAxis = 15;
    s.ParaAutoHome = 1;
    s.ParaEmgLogic = 1;
    s.ParaAlm1Clear = 1;
    s.ParaPosPrg = 1;
    s.ParaPputWrite = 1;
    return s;
}

// A table marked so that any change shows.
void markTable()
{
    for (auto &row : Paradata().ParaFileTable)
        for (auto &c : row)
            c = ValueCell(QStringLiteral("mark"));
}
bool tableMarked()
{
    for (const auto &row : Paradata().ParaFileTable)
        for (const auto &c : row)
            if (!(c == ValueCell(QStringLiteral("mark"))))
                return false;
    return true;
}
} // namespace

class TstParaFile : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetParadataState(); }

    void writeThenReadGivesTheSet()
    {
        TestEnv::Scope env;
        Paradata().ParaSet = sampleSet();
        const QString path = env.path(QStringLiteral("p.pmt"));
        WriteParaFile(path);
        QVERIFY(!Paradata().PmtWriteError);
        const QString text = *ItemFile::LoadText(path);
        QVERIFY(text.startsWith(QStringLiteral("\"RE-Z4\",\"PRM\"\r\n5\r\n\"HOME\",6,4\r\n")));
        QVERIFY(text.contains(QStringLiteral("\r\n3,0,0,0\r\n"))); // HOME OUT
        QCOMPARE(text.count(QStringLiteral("\r\n")), 41);

        QCOMPARE(ReadParaFile(path), 0);
        const auto &t = Paradata().ParaFileTable;
        QCOMPARE(t[0][0], ValueCell(QStringLiteral("p.pmt")));
        for (int row = 1; row <= 34; ++row) {
            for (int a = 0; a < 4; ++a) {
                const ValueCell want = IsScalarParaRow(row) && a > 0 ? ValueCell(0) : ParaSetCell(Paradata().ParaSet, row, a);
                QVERIFY2(t[row][a] == want, qPrintable(QStringLiteral("row %1 axis %2: %3").arg(row).arg(a).arg(t[row][a].toString())));
            }
        }
        // And the table goes back into an empty set unchanged.
        ClearParaData();
        QCOMPARE(LetParaRecToValue(), 0);
        for (int row = 1; row <= 34; ++row)
            for (int a = 0; a < 4; ++a)
                QVERIFY(ParaSetCell(Paradata().ParaSet, row, a) == ParaSetCell(sampleSet(), row, a));
    }

    // A hand-edited value cell is saved back as the same number, in plain
    // decimal digits (the home offset of axis 1, written 65535).
    void handEditedNumberSavedUnchanged_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("17 digits") << "12345678901234567" << "12345678901234568";
        QTest::newRow("1e15") << "1000000000000000" << "1000000000000000";
        QTest::newRow("typed with an exponent") << "-1e20" << "-100000000000000000000";
        QTest::newRow("16 significant digits") << "1234567.890123456" << "1234567.890123456";
        QTest::newRow("small fraction") << "0.0000001" << "0.0000001";
    }
    void handEditedNumberSavedUnchanged()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        TestEnv::Scope env;
        Paradata().ParaSet = sampleSet();
        const QString path = env.path(QStringLiteral("p.pmt"));
        QVERIFY(ItemFile::SaveText(path, ParaFileText(Paradata().ParaSet)
                                             .replace(QStringLiteral("\r\n65535,"), QStringLiteral("\r\n") + typed + QLatin1Char(','))));
        QCOMPARE(ReadParaFile(path), 0);
        QCOMPARE(LetParaRecToValue(), 0);
        const double value = Paradata().ParaSet.ParaHomeOffset[0].number();
        QCOMPARE(value, typed.toDouble());

        WriteParaFile(path);
        QVERIFY(!Paradata().PmtWriteError);
        QVERIFY2(ItemFile::LoadText(path)->contains(QStringLiteral("\r\n") + saved + QLatin1Char(',')),
                 qPrintable(*ItemFile::LoadText(path)));
        QCOMPARE(ReadParaFile(path), 0);
        QCOMPARE(LetParaRecToValue(), 0);
        QCOMPARE(Paradata().ParaSet.ParaHomeOffset[0].number(), value);
    }

    // A cleared set holds the number 0 in its value cells too, and a file
    // written from it holds that 0.
    void clearedSetWritesZeros()
    {
        TestEnv::Scope env;
        Paradata().ParaSet = sampleSet();
        ClearParaData();
        const QString path = env.path(QStringLiteral("zero.pmt"));
        WriteParaFile(path);
        QVERIFY(!Paradata().PmtWriteError);
        QCOMPARE(ReadParaFile(path), 0);
        for (int row = 1; row <= 34; ++row) {
            for (int a = 0; a < 4; ++a) {
                QVERIFY2(ParaSetCell(Paradata().ParaSet, row, a) == ValueCell(0), qPrintable(QString::number(row)));
                if (IsScalarParaRow(row) && a > 0)
                    continue;
                QVERIFY2(Paradata().ParaFileTable[row][a] == ValueCell(0),
                         qPrintable(QStringLiteral("row %1 axis %2").arg(row).arg(a)));
            }
        }
    }

    void refusedOrDamagedFileLeavesTheTable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("headerMessage");
        const QByteArray head = "\"RE-Z4\",\"PRM\"\r\n5\r\n";
        QTest::newRow("group file") << QByteArray("\"RE-Z4\",\"GRP\"\r\n5\r\n") << true;
        QTest::newRow("other model") << QByteArray("\"RE-Z8\",\"PRM\"\r\n5\r\n") << true;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("truncated") << head + "\"HOME\",6,4\r\n1,2,3,4\r\n5,6," << false;
        QTest::newRow("AXIS before HOME") << head + "\"AXIS\",1,4\r\n1,2,3,4\r\n" << false;
        QTest::newRow("six columns") << head + "\"HOME\",1,6\r\n1,2,3,4,5,6\r\n" << false;
        QTest::newRow("41 rows") << head + "\"HOME\",41,1\r\n" + QByteArray("1\r\n").repeated(41) << false;
        QTest::newRow("not Shift-JIS") << head + "\"HOME\",1,1\r\n\"\x81\"\r\n" << false;
    }
    void refusedOrDamagedFileLeavesTheTable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, headerMessage);
        TestEnv::Scope env;
        App().LangOffset = 10000;
        markTable();
        QCOMPARE(ReadParaFile(env.writeFile(QStringLiteral("bad.pmt"), bytes)), 1);
        QVERIFY(Paradata().PmtReadError);
        QVERIFY(tableMarked());
        const QStringList shown = Dlg::ShownTexts();
        if (headerMessage)
            QCOMPARE(shown, QStringList{QStringLiteral("Not parameter file for QZ-TQ7.\r\nOpening file is canceled.")});
        else
            QVERIFY(shown.isEmpty());
    }

    void missingFileFails()
    {
        TestEnv::Scope env;
        markTable();
        QCOMPARE(ReadParaFile(env.path(QStringLiteral("none.pmt"))), 1);
        QVERIFY(Paradata().PmtReadError && tableMarked());
    }

    void fewerSectionsAccepted()
    {
        TestEnv::Scope env;
        markTable();
        const QString p = env.writeSjis(QStringLiteral("two.pmt"),
                                        QStringLiteral("\"RE-Z4\",\"PRM\"\r\n2\r\n\"HOME\",1,4\r\n1,2,3,4\r\n\"AXIS\",1,5\r\n5,6,7,8,9\r\n"));
        QCOMPARE(ReadParaFile(p), 0);
        const auto &t = Paradata().ParaFileTable;
        QCOMPARE(t[1][3], ValueCell(4));
        QCOMPARE(t[2][4], ValueCell(9)); // a fifth column is accepted
        QCOMPARE(t[3][0], ValueCell(QString()));
        QCOMPARE(t[40][0], ValueCell(QStringLiteral("mark"))); // row 40 is not cleared
    }

    void readForDeviceTriesFourTimes()
    {
        TestEnv::Scope env;
        App().LangOffset = 10000;
        const QString p = env.writeSjis(QStringLiteral("g.pmt"), QStringLiteral("\"RE-Z4\",\"GRP\"\r\n"));
        Dlg::QueueFileName(p);
        QCOMPARE(ReadParaFileForDevice(), 1);
        const QStringList shown = Dlg::ShownTexts();
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown.count(QStringLiteral("Not parameter file for QZ-TQ7.\r\nOpening file is canceled.")), 4);
        QCOMPARE(shown.last(), QStringLiteral("Fail to open parameter file."));
        // Cancelled: nothing read, nothing said.
        Dlg::ClearScript();
        QCOMPARE(ReadParaFileForDevice(), -1);
        QVERIFY(Dlg::ShownTexts().isEmpty());
    }

    void readForDeviceSplitsTheActuator_data()
    {
        QTest::addColumn<QString>("actuator");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<int>("stroke");
        QTest::newRow("seven characters") << " 28L100" << " 28" << "L" << 100;
        QTest::newRow("six characters") << "28L050" << " 28" << "L" << 50;
        QTest::newRow("E35") << "E35L100" << "E35" << "L" << 100;
    }
    void readForDeviceSplitsTheActuator()
    {
        QFETCH(QString, actuator);
        QFETCH(QString, size);
        QFETCH(QString, speed);
        QFETCH(int, stroke);
        TestEnv::Scope env;
        ParaSetData s = sampleSet();
        s.ParaActuator[1] = ValueCell(actuator);
        s.ParaType[1] = 3;
        Paradata().ParaSet = s;
        const QString p = env.path(QStringLiteral("d.pmt"));
        WriteParaFile(p);
        ClearParaData();
        Dlg::QueueFileName(p);
        QCOMPARE(ReadParaFileForDevice(), 0);
        const auto &ct = Paradata().Ct;
        QCOMPARE(ct.CtDevSize[1], size);
        QCOMPARE(ct.CtDevSpeed[1], speed);
        QCOMPARE(ct.CtDevStroke[1], stroke);
        QCOMPARE(Paradata().ParaSet.ParaType[1], int16_t(3)); // taken as it is
        QCOMPARE(Paradata().ParaSet.ParaAxisPulse[1], 40001);
    }

    void tableIntoSetForAxesInUse()
    {
        TestEnv::Scope env;
        auto &s = Paradata();
        auto &t = s.ParaFileTable;
        ClearParaFileTable();
        for (int row = 1; row <= 34; ++row)
            for (int a = 0; a < 4; ++a)
                t[row][a] = ParaSetCell(sampleSet(), row, a);
        for (int a = 0; a < 4; ++a) {
            t[12][a] = ValueCell(a == 0 ? 3 : 2);
            t[36][a] = ValueCell(QStringLiteral(" 28"));
            t[37][a] = ValueCell(QStringLiteral("A"));
            t[38][a] = ValueCell(50);
        }
        App().AxisNotUsed = {false, false, true, true};
        s.ParaSet.ParaHomeVel[2] = 77;
        QCOMPARE(LetParaFileToPara(), 0);
        QCOMPARE(s.ParaSet.ParaType[0], int16_t(1)); // 3 read back is 1
        QVERIFY(s.DevSetting.DevQzFlag[0] && s.ActuatorSetting.ActuatorVertical[0]);
        QCOMPARE(s.ParaSet.ParaType[1], int16_t(2));
        QVERIFY(!s.DevSetting.DevQzFlag[1] && !s.ActuatorSetting.ActuatorVertical[1]);
        QVERIFY(s.ActuatorSetting.ActuatorWithPG[1] && s.Ct.CtPgFlag[1] != 0); // FUNCTION 1
        QVERIFY(!s.ActuatorSetting.ActuatorWithPG[0] && s.Ct.CtPgFlag[0] == 0);
        QCOMPARE(s.Ct.CtDevSize[0], QStringLiteral(" 28"));
        QCOMPARE(s.Ct.CtDevStroke[0], 50);
        QCOMPARE(s.ParaSet.ParaHomeVel[2], int16_t(77)); // axis not in use kept
        QCOMPARE(s.ParaSet.ParaSmTimer, int16_t(200));
        // A cell that is no number stops the copy.
        t[3][1] = ValueCell(QStringLiteral("fast"));
        QCOMPARE(LetParaFileToPara(), 1);
        t[3][1] = ValueCell(40000); // beyond a 16-bit member
        QCOMPARE(LetParaRecToValue(), 1);
    }

    void saveDialogue()
    {
        TestEnv::Scope env;
        App().LangOffset = 10000;
        RecordingShell &window = TestEnv::Recorder();
        int &filled = window.paraFilled;
        int &outOfRange = window.paraOutOfRange;
        bool taken = false;
        int takeInFails = 0;
        window.paraTake = [&] { taken = true; Paradata().ParaSet = sampleSet(); return takeInFails; };
        QCOMPARE(SaveParaFileDlg(), 1);
        QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("No data in some of parameters.\r\n Please fill the data in and try it again."));
        filled = 0;
        outOfRange = 1;
        QCOMPARE(SaveParaFileDlg(), 1);
        QVERIFY(taken);
        QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("Invalid value in some parameters.\r\nConfirm the value and try it again."));
        outOfRange = 0;
        // A field too large for its table stops the save the same way.
        takeInFails = 1;
        QCOMPARE(SaveParaFileDlg(), 1);
        QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("Invalid value in some parameters.\r\nConfirm the value and try it again."));
        QVERIFY(Dlg::FileDialogTitles().isEmpty());
        takeInFails = 0;
        QCOMPARE(SaveParaFileDlg(), -1); // no file name: cancelled
        Dlg::QueueFileName(env.path(QStringLiteral("saved")));
        QCOMPARE(SaveParaFileDlg(), 0);
        QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("Completed save parameters into the file."));
        QCOMPARE(Paradata().SaveAsFileName, QStringLiteral("saved.pmt"));
        QVERIFY(QFile::exists(env.path(QStringLiteral("saved.pmt"))));
        Dlg::QueueFileName(env.path(QStringLiteral("no/such/folder/x.pmt")));
        QCOMPARE(SaveParaFileDlg(), 0);
        QCOMPARE(Dlg::ShownTexts().last(), QStringLiteral("Fail to  Save parameters into the file."));
        QVERIFY(Paradata().PmtWriteError);
    }
};

QTEST_MAIN(TstParaFile)
#include "tst_parafile.moc"
