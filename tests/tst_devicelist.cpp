// The device lists, their per-axis tables and the actuator lookups.
#include "core/AppState.h"
#include "paradata/DeviceList.h"
#include "paradata/ParadataState.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace DeviceList;
namespace Dlg = Platform::Dialogs;

namespace {
const QString kNoList = QStringLiteral("No device list file.\r\nPut device list file in the folder in which the program is "
                                       "saved in order to indicate device information correctly.");

QString nqz(const QStringList &records)
{
    return QString::number(records.size()) + QStringLiteral("\r\n") + records.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

struct ListScope : TestEnv::Scope {
    ListScope()
    {
        Platform::SetAppFolder(dir());
        App().LangOffset = 10000;
    }
    void nqzList(const QString &text) const { writeSjis(QStringLiteral("nqzdevice.lst"), text); }
    void qzList(const QString &text) const { writeSjis(QStringLiteral("qzdevice.lst"), text); }
};
} // namespace

class TstDeviceList : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetParadataState(); }

    void fourAxisRead()
    {
        ListScope env;
        env.nqzList(nqz({QStringLiteral("\" 28L-100\",6,400,1,1"), QStringLiteral("\" 20H-050\",12,800,0,2"),
                         QStringLiteral("\"20 H-050\",12,800,0,2"), QStringLiteral("\" 28H-100\",6,400,1,1")}));
        auto &s = Paradata();
        s.DevListErr = {true, true, true, true};
        QCOMPARE(ReadNQzDeviceList(), 0);
        for (int a = 0; a < 4; ++a) {
            QVERIFY(!s.DevListErr[a]); // every read starts from a clean flag
            QCOMPARE(s.DevListCnt[a], int16_t(4));
            const auto &row = s.DevListAxis[a][2];
            QCOMPARE(row[1], ValueCell(QStringLiteral(" 20")));
            QCOMPARE(row[2], ValueCell(QStringLiteral("H")));
            QCOMPARE(row[3], ValueCell(50));
            QCOMPARE(row[4], ValueCell(12));
            QCOMPARE(row[5], ValueCell(0));
            QCOMPARE(row[6], ValueCell(2));
            QCOMPARE(row[7], ValueCell(800));
            // " 20" and "20" are two sizes; sizes keep file order.
            QCOMPARE(s.DevSizeListCnt[a], int16_t(2));
            QCOMPARE(s.DevSizeList[a][0], QStringLiteral(" 28"));
            QCOMPARE(s.DevSizeList[a][1], QStringLiteral(" 20"));
            QCOMPARE(s.DevSizeList[a][2], QStringLiteral("20 "));
        }
        QVERIFY(Dlg::ShownTexts().isEmpty());
    }

    void countZero()
    {
        ListScope env;
        env.nqzList(QStringLiteral("0\r\n"));
        auto &s = Paradata();
        s.DevSizeList[1][0] = QStringLiteral("kept");
        s.DevSizeListCnt[1] = 5;
        QCOMPARE(ReadNQzDeviceListOfAxis(1), 0);
        QCOMPARE(s.DevListCnt[1], int16_t(0));
        QCOMPARE(s.DevSizeListCnt[1], int16_t(0));
        QCOMPARE(s.DevSizeList[1][0], QStringLiteral("kept"));
    }

    void failedReads_data()
    {
        QTest::addColumn<QString>("text");
        QStringList r99;
        for (int i = 0; i < 99; ++i)
            r99 << QStringLiteral("\" 28L-%1\",6,400,0,1").arg(10 + i, 3, 10, QLatin1Char('0'));
        QTest::newRow("100 announced, 99 there") << QString(nqz(r99)).replace(0, 2, QStringLiteral("100"));
        QTest::newRow("count is text") << QStringLiteral("\"many\"\r\n");
        QTest::newRow("count beyond 16 bits") << QStringLiteral("40000\r\n");
        QTest::newRow("short record") << QStringLiteral("1\r\n\" 28L-100\",6,400,0\r\n");
        QStringList sizes;
        for (int i = 0; i < 12; ++i)
            sizes << QStringLiteral("\" %1L-100\",6,400,0,1").arg(10 + i);
        QTest::newRow("twelfth size") << nqz(sizes);
    }
    void failedReads()
    {
        QFETCH(QString, text);
        ListScope env;
        env.nqzList(text);
        auto &s = Paradata();
        s.DevListCnt = {7, 7, 7, 7};
        QCOMPARE(ReadNQzDeviceList(), 1);
        QCOMPARE(Dlg::ShownTexts(), QStringList{kNoList});
        QCOMPARE(s.DevListErr, (PerAxis<bool>{true, false, false, false}));
        QCOMPARE(s.DevListCnt[3], int16_t(7)); // later axes untouched
    }

    void ninetyNineRecordsRead()
    {
        ListScope env;
        QStringList r;
        for (int i = 0; i < 99; ++i)
            r << QStringLiteral("\" 28L-%1\",6,400,0,1").arg(10 + i, 3, 10, QLatin1Char('0'));
        env.nqzList(nqz(r));
        QCOMPARE(ReadNQzDeviceListOfAxis(2), 0);
        QCOMPARE(Paradata().DevListCnt[2], int16_t(99));
        QCOMPARE(Paradata().DevListAxis[2][99][3], ValueCell(108));
    }

    void missingFile()
    {
        ListScope env;
        auto &s = Paradata();
        s.DevListCnt = {7, 7, 7, 7};
        s.DevListErr[2] = true;
        QCOMPARE(ReadNQzDeviceList(), 1);
        QCOMPARE(Dlg::ShownTexts(), QStringList{kNoList});
        QCOMPARE(s.DevListErr, (PerAxis<bool>{true, false, true, false}));
        QCOMPARE(s.DevListCnt[1], int16_t(7));
        // The QZ list reader reports only through the flags.
        Dlg::ClearScript();
        ReadQzDeviceList();
        QVERIFY(s.DevListErr[0]);
    }

    void qzList()
    {
        ListScope env;
        env.qzList(QStringLiteral("3\r\n\" 8L-100\",2,0,1\r\n\"08H-050\",6,1,1\r\n\"28L-100\",2,0,1\r\n"));
        ReadQzDeviceList();
        auto &s = Paradata();
        QVERIFY(!s.DevListErr[0]);
        QCOMPARE(s.DevListAxis[3][1][1], ValueCell(8));
        QCOMPARE(s.DevSizeListCnt[3], int16_t(1)); // " 8" and "08" are one size
        QCOMPARE(s.DevSizeList[3][0], QStringLiteral("8"));
        QCOMPARE(s.DevSizeList[3][1], QStringLiteral("28"));
        QCOMPARE(s.DevSpeedListCnt[3], int16_t(1)); // L, H
        GetDevSpeedList(3, QStringLiteral("8"));
        QCOMPARE(s.DevSpeedListCnt[3], int16_t(2));
        QCOMPARE(s.DevSpeedList[3][1], QStringLiteral("H"));
    }

    void lookups()
    {
        ListScope env;
        env.nqzList(nqz({QStringLiteral("\" 28L-050\",6,400,1,2"), QStringLiteral("\" 28L-050\",12,800,0,0"),
                         QStringLiteral("\"E35L-100\",8,40000,2,1")}));
        auto &s = Paradata();
        QCOMPARE(GetDeviceLeadPpr(QStringLiteral(" 28"), QStringLiteral("L"), 50), 0);
        QCOMPARE(s.DevListLead, int16_t(6)); // the first of two wins
        QCOMPARE(s.DevListPPR, 400);
        QCOMPARE(GetDeviceLeadPpr(QStringLiteral("E35"), QStringLiteral("L"), 100), 0);
        QCOMPARE(s.DevListPPR, 40000);
        QCOMPARE(GetDeviceLeadPpr(QStringLiteral("28"), QStringLiteral("L"), 50), 1);
        QCOMPARE(s.DevListPPR, 40000); // unchanged
        QCOMPARE(CheckDeviceInList(QStringLiteral(" 28"), QStringLiteral("L"), 50), 0);
        QCOMPARE(CheckDeviceInList(QStringLiteral(" 28"), QStringLiteral("H"), 50), 1);
        QCOMPARE(GetDevicePgKind(QStringLiteral(" 28"), QStringLiteral("L"), 50), 1);
        QCOMPARE(GetDeviceVerticalKind(QStringLiteral(" 28"), QStringLiteral("L"), 50), 2);
        QCOMPARE(GetDevicePgKind(QStringLiteral(" 99"), QStringLiteral("L"), 50), 99);
        QVERIFY(Dlg::ShownTexts().isEmpty());
        QFile::remove(env.path(QStringLiteral("nqzdevice.lst")));
        QCOMPARE(GetDevicePgKind(QStringLiteral(" 28"), QStringLiteral("L"), 50), 99);
        QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("No device list file.")});
    }

    void deviceCode_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<int>("stroke");
        QTest::addColumn<int>("result");
        QTest::newRow("stroke 10") << " 28" << "L" << 10 << 0;
        QTest::newRow("stroke 600") << " 28" << "L" << 600 << 0;
        QTest::newRow("stroke 9") << " 28" << "L" << 9 << 1;
        QTest::newRow("stroke 601") << " 28" << "L" << 601 << 1;
        QTest::newRow("two-character size") << "28" << "L" << 100 << 1;
        QTest::newRow("lower case") << " 28" << "l" << 100 << 1;
        QTest::newRow("no speed") << " 28" << "" << 100 << 1;
        QTest::newRow("two letters") << " 28" << "LX" << 100 << 0;
    }
    void deviceCode()
    {
        QFETCH(QString, size);
        QFETCH(QString, speed);
        QFETCH(int, stroke);
        QFETCH(int, result);
        QCOMPARE(CheckDeviceCode(size, speed, stroke), result);
    }

    void speedListOfASize()
    {
        ListScope env;
        env.nqzList(nqz({QStringLiteral("\" 28L-050\",6,400,1,1"), QStringLiteral("\" 28H-050\",6,400,1,1"),
                         QStringLiteral("\" 35Q-050\",6,400,1,1"), QStringLiteral("\" 28L-100\",6,400,1,1"),
                         QStringLiteral("\" 28M-050\",6,400,1,1")}));
        QCOMPARE(ReadNQzDeviceListOfAxis(0), 0);
        auto &s = Paradata();
        GetDevSpeedList(0, QStringLiteral(" 28"));
        QCOMPARE(s.DevSpeedListCnt[0], int16_t(3));
        QCOMPARE((QStringList{s.DevSpeedList[0][0], s.DevSpeedList[0][1], s.DevSpeedList[0][2]}),
                 (QStringList{QStringLiteral("L"), QStringLiteral("H"), QStringLiteral("M")}));
        GetDevSpeedList(0, QStringLiteral(" 42"));
        QCOMPARE(s.DevSpeedListCnt[0], int16_t(0));
        QCOMPARE(s.DevSpeedList[0][0], QString());
    }

    void deviceKind_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("newType");
        QTest::addColumn<bool>("qz");
        QTest::newRow("type 0") << 0 << " 28" << true << true;
        QTest::newRow("type 1, 28 keeps new-type") << 1 << " 28" << false << true;
        QTest::newRow("type 1, E35") << 1 << "E35" << true << true;
        QTest::newRow("type 2") << 2 << " 28" << true << true;
        QTest::newRow("type 3") << 3 << " 28" << false << false;
    }
    void deviceKind()
    {
        QFETCH(int, type);
        QFETCH(QString, size);
        QFETCH(bool, newType);
        QFETCH(bool, qz);
        TestEnv::Scope env;
        auto &s = Paradata();
        App().AxisNotUsed = {false, true, true, true};
        for (int a = 0; a < 2; ++a) {
            s.Ct.CtDevType[a] = int16_t(type);
            s.Ct.CtDevSize[a] = size;
            s.Ct.CtPgFlag[a] = 2;
            s.Ct.CtLead[a] = 12;
            s.Ct.CtPPR[a] = 40000;
            s.Ct.CtMaxPulse[a] = 262143;
        }
        s.DevSetting.DevQzFlag = {!qz, !qz, !qz, !qz};
        CheckDeviceKind();
        QCOMPARE(s.DevSetting.DevNewType[0], newType);
        QCOMPARE(s.ActuatorSetting.NewTypeFlag[0], newType);
        QCOMPARE(s.DevSetting.DevQzFlag[0], qz);
        QCOMPARE(s.ActuatorSetting.ActuatorVertical[0], qz);
        QCOMPARE(s.DevSetting.DevVertical[0], qz);
        QVERIFY(s.DevSetting.DevWithPG[0] && s.ActuatorSetting.ActuatorWithPG[0]);
        QCOMPARE(s.DevSetting.DevPPR[0], 40000);
        QCOMPARE(s.MaxPulse[0], 262143);
        // An axis not in use is not touched.
        QCOMPARE(s.DevSetting.DevQzFlag[1], !qz);
        QCOMPARE(s.MaxPulse[1], 0);
    }

    void shippedListsHoldTheDefaultActuator()
    {
        TestEnv::Scope env; // the program's own data folder
        QCOMPARE(ReadNQzDeviceList(), 0);
        QCOMPARE(CheckDeviceInList(QStringLiteral(" 28"), QStringLiteral("L"), 100), 0);
        QCOMPARE(GetDevicePgKind(QStringLiteral(" 28"), QStringLiteral("L"), 100), 1);
        ReadQzDeviceList();
        QVERIFY(!Paradata().DevListErr[0]);
        QVERIFY(Dlg::ShownTexts().isEmpty());
    }
};

QTEST_MAIN(TstDeviceList)
#include "tst_devicelist.moc"
