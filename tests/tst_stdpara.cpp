// The standard parameter lists, the parameter set filled from them, and the
// range check before standard values are written to the controller.
#include "core/AppState.h"
#include "paradata/ParadataState.h"
#include "paradata/StdPara.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QtTest>
#include <memory>

using namespace StdPara;

namespace {

// Two actuators; the old-type list differs from the new-type one in HOME
// OFFSET (1000 + 1 per generation) so the file read shows.
QString axisList(const char *key, int offset)
{
    return QStringLiteral("\"RE-Z4\",\"%1\",2,0\r\n"
                          "\" 28L-100\",%2,50,30,20,10,1,20000,2,400,50,0,\"QZ- 28L-100\"\r\n"
                          "\" 35H-200\",%3,60,150,30,20,3,13334,6,400,150,1,\"QZ- 35H-200\"\r\n")
        .arg(QLatin1String(key))
        .arg(offset)
        .arg(offset + 1000);
}

const char *kCommon =
    "\"RE-Z4\",\"QZ-CMNPRM\",3\r\n"
    "\"PG\",2,3\r\n"
    "\"FUNCTION\",0,1\r\n"
    "\"ALM\",100,200\r\n"
    "\"ETC\",9,3\r\n"
    "\"HOME OUT\",1,0\r\n\"GRP ENABLE\",1,0\r\n\"SM TIMEOUT\",0,0\r\n\"SM TIMER\",10,0\r\n"
    "\"ZONE ENABLE\",0,0\r\n\"ZONE1\",0,0\r\n\"ZONE2\",0,0\r\n\"IN-P WID\",5,0\r\n\"HOLD TIME\",7,0\r\n"
    "\"SPECIAL\",10,3\r\n"
    "\"Auto start\",2,0\r\n\"AXIS\",15,0\r\n\"AUTO HOME\",1,0\r\n\"PG TIMER\",3,0\r\n\"LS TIMER\",4,0\r\n"
    "\"SOFT LIMIT\",1,0\r\n\"EMG LOGIC\",0,0\r\n\"ALM1 CLEAR\",1,0\r\n\"POS/PRG\",0,0\r\n\"PPUT Write\",1,0\r\n";

} // namespace

class TstStdPara : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

    void writeLists()
    {
        env->writeSjis(QStringLiteral("tq7nqzstpr.lst"), axisList("QZ-STDPRM", 1000));
        env->writeSjis(QStringLiteral("tq7qzstpr.lst"), axisList("QZ-STDPRM", 1001));
        env->writeSjis(QStringLiteral("tq7cmstpr.lst"), QString::fromLatin1(kCommon));
    }
    static void choose(int a, const char *size, const char *speed, int stroke, bool withPG = false)
    {
        auto &c = Paradata().ActuatorSetting;
        c.ActuatorSize[a] = QString::fromLatin1(size);
        c.ActuatorSpeed[a] = QString::fromLatin1(speed);
        c.ActuatorStroke[a] = stroke;
        c.ActuatorWithPG[a] = withPG;
        c.NewTypeFlag[a] = true;
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        Platform::SetAppFolder(env->dir());
        ResetParadataState();
        StdPara::ResetStdParaState();
        writeLists();
        for (int a = 0; a < 4; ++a)
            choose(a, " 28", "L", 100);
    }
    void cleanup() { env.reset(); }

    // The lists shipped with the program: every actuator's standard values
    // pass the range check that guards their write to the controller.
    void shippedListsInRange_data()
    {
        QTest::addColumn<bool>("newType");
        QTest::newRow("new type") << true;
        QTest::newRow("old type") << false;
    }
    void shippedListsInRange()
    {
        QFETCH(bool, newType);
        Platform::SetAppFolder(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data")));
        for (int a = 0; a < 4; ++a)
            Paradata().ActuatorSetting.NewTypeFlag[a] = newType;
        QCOMPARE(ReadStdParaLists(), 0);
        const int n = StdPara::State().StdParaCount[0];
        QVERIFY(n > 0);
        for (int r = 1; r <= n; ++r) {
            const auto &rec = StdPara::State().StdParaTable[0][r];
            for (int a = 0; a < 4; ++a) {
                choose(a, "", "", 0, a % 2 == 1);
                auto &c = Paradata().ActuatorSetting;
                c.ActuatorSize[a] = rec[StdField::Size].toString();
                c.ActuatorSpeed[a] = rec[StdField::Speed].toString();
                c.ActuatorStroke[a] = *rec[StdField::Stroke].toInt32();
                c.NewTypeFlag[a] = newType;
            }
            const QString key = rec[StdField::Key].toString();
            QVERIFY2(SetStandardParameters() == 0, qPrintable(key));
            QVERIFY2(CheckParaRange() == 0, qPrintable(key));
        }
    }

    void listByNewTypeFlag_data()
    {
        QTest::addColumn<bool>("newType");
        QTest::addColumn<double>("offset");
        QTest::newRow("new type") << true << 1000.0;
        QTest::newRow("old type") << false << 1001.0;
    }
    void listByNewTypeFlag()
    {
        QFETCH(bool, newType);
        Paradata().ActuatorSetting.NewTypeFlag[1] = newType;
        QCOMPARE(SetStandardParameters(), 0);
        QTEST(*Paradata().ParaSet.ParaHomeOffset[1].toDouble(), "offset");
        QCOMPARE(*Paradata().ParaSet.ParaHomeOffset[0].toDouble(), 1000.0);
    }

    void wholeSetFromRecord()
    {
        App().AxisNotUsed = {false, true, false, true};
        choose(2, " 35", "H", 200, true);
        QCOMPARE(SetStandardParameters(), 0);
        const auto &s = Paradata();
        const auto &p = s.ParaSet;
        QCOMPARE(p.ParaHomeVel[2], int16_t(150));
        QCOMPARE(p.ParaAxisLead[2], int16_t(6));
        QCOMPARE(p.ParaAxisPulse[2], 400);
        QCOMPARE(p.ParaActuator[2].toString(), QStringLiteral("QZ- 35H-200"));
        QCOMPARE(p.ParaType[2], int16_t(0));
        QCOMPARE(s.Ct.CtDevSize[2], QStringLiteral(" 35"));
        QCOMPARE(s.Ct.CtDevStroke[2], 200);
        // Each axis takes HOME SEQ from its own record; axes not in use are
        // left alone.
        QCOMPARE(p.ParaHomeSeq[0], int16_t(1));
        QCOMPARE(p.ParaHomeSeq[2], int16_t(3));
        QCOMPARE(p.ParaHomeSeq[1], int16_t(0));
        QCOMPARE(p.ParaHomeVel[1], int16_t(0));
        // PG values by the with-PG choice: column 2 for axis 3, 1 for axis 1.
        QCOMPARE(p.ParaPgFunction[2], int16_t(1));
        QCOMPARE(*p.ParaPgAlm[2].toDouble(), 200.0);
        QCOMPARE(p.ParaPgFunction[0], int16_t(0));
        QCOMPARE(*p.ParaPgAlm[0].toDouble(), 100.0);
        QCOMPARE(p.ParaInpWid[2], int16_t(5));
        QCOMPARE(p.ParaLsTimer[2], int16_t(4));
        QCOMPARE(p.ParaSmTimer, int16_t(10));
        QCOMPARE(p.ParaPputWrite, int16_t(1));
        // Axes 1 and 3 in use.
        QCOMPARE(p.ParaSpAxis, int16_t(5));
        QCOMPARE(App().AxisBitMask, 5);
    }

    void keptAxisMask()
    {
        Paradata().KeepAxisMask = true;
        App().AxisBitMask = 3;
        QCOMPARE(SetStandardParameters(), 0);
        QCOMPARE(Paradata().ParaSet.ParaSpAxis, int16_t(3));
    }

    void actuatorValuesOnly()
    {
        auto &p = Paradata().ParaSet;
        p.ParaHomeSeq[0] = 9;
        p.ParaAutoDrive[0] = 9;
        p.ParaInpWid[0] = 9;
        p.ParaSmTimer = 99;
        QCOMPARE(SetStandardActuatorParameters(), 0);
        QCOMPARE(p.ParaHomeVel[0], int16_t(30));
        QCOMPARE(p.ParaSoftLimit[0], int16_t(1));
        QCOMPARE(p.ParaHomeSeq[0], int16_t(9));
        QCOMPARE(p.ParaAutoDrive[0], int16_t(9));
        QCOMPARE(p.ParaInpWid[0], int16_t(9));
        QCOMPARE(p.ParaSmTimer, int16_t(99));
    }

    void listFaults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("series2");
        QTest::addColumn<QString>("message");
        // Strings 28 and 29 joined by CR LF; the axis is named by string 26 only.
        const QString noList = Platform::ResText(28) + QStringLiteral("\r\n") + Platform::ResText(29);
        QTest::newRow("VK key accepted") << "tq7nqzstpr.lst" << axisList("VK-STDPRM", 1000) << "QZ" << "";
        QTest::newRow("wrong model") << "tq7nqzstpr.lst"
                                     << axisList("QZ-STDPRM", 1000).replace(QLatin1String("RE-Z4"), QLatin1String("RE-Z3"))
                                     << "QZ" << Platform::ResText(26) + QStringLiteral("(1AXIS)");
        QTest::newRow("series without a list") << "" << "" << "VK" << noList;
        QTest::newRow("missing records") << "tq7nqzstpr.lst" << QStringLiteral("\"RE-Z4\",\"QZ-STDPRM\",3,0\r\n")
                                         << "QZ" << noList;
        QTest::newRow("common key") << "tq7cmstpr.lst" << QStringLiteral("\"RE-Z4\",\"QZ-XXXPRM\",3\r\n") << "QZ"
                                    << Platform::ResText(27);
        QTest::newRow("common section") << "tq7cmstpr.lst"
                                        << QString::fromLatin1(kCommon).replace(QLatin1String("\"ETC\""), QLatin1String("\"ETX\""))
                                        << "QZ" << noList;
    }
    void listFaults()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QFETCH(QString, series2);
        QFETCH(QString, message);
        QCOMPARE(ReadStdParaLists(), 0);
        if (!file.isEmpty())
            env->writeSjis(file, text);
        Paradata().StdPrmSeries[1] = series2;
        QCOMPARE(ReadStdParaLists(), message.isEmpty() ? 0 : 1);
        QCOMPARE(Platform::Dialogs::ShownTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
        // A failed read keeps the lists read before.
        QCOMPARE(StdPara::State().StdParaCount[1], int16_t(2));
        if (message.isEmpty())
            return;
        Platform::Dialogs::ClearScript();
        QCOMPARE(SetStandardParameters(), 1);
        QCOMPARE(Platform::Dialogs::ShownTexts().last(), Platform::ResText(36));
    }

    void actuatorNotListed()
    {
        App().AxisNotUsed = {false, false, true, true};
        choose(1, " 28", "L", 150);
        QCOMPARE(SetStandardParameters(), 1);
        QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{Platform::ResText(36)});
        // The axis found keeps its values.
        QCOMPARE(Paradata().ParaSet.ParaHomeVel[0], int16_t(30));
    }

    void valueNotFitting()
    {
        // PUSH 40000 does not fit its 16-bit parameter: the record is not
        // half taken.
        env->writeSjis(QStringLiteral("tq7nqzstpr.lst"),
                       axisList("QZ-STDPRM", 1000).replace(QLatin1String("1000,50,"), QLatin1String("1000,40000,")));
        Paradata().ParaSet.ParaHomeVel[0] = 7;
        QCOMPARE(SetStandardParameters(), 1);
        QCOMPARE(Paradata().ParaSet.ParaHomeVel[0], int16_t(7));
    }

    void range_data()
    {
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("homeVel");
        QTest::addColumn<int>("jogVel");
        QTest::addColumn<int>("result");
        QTest::newRow("lead 6, 150") << 6 << 150 << 150 << 0;
        QTest::newRow("lead 6, home 151") << 6 << 151 << 150 << 1;
        QTest::newRow("lead 6, jog 151") << 6 << 150 << 151 << 1;
        QTest::newRow("lead 8, 200") << 8 << 200 << 200 << 0;
        QTest::newRow("lead 8, 201") << 8 << 201 << 200 << 1;
        QTest::newRow("lead 7, home 51") << 7 << 51 << 200 << 1;
        QTest::newRow("lead 2, 50") << 2 << 50 << 50 << 0;
        QTest::newRow("lead 2, jog 51") << 2 << 50 << 51 << 1;
        QTest::newRow("lead 3, jog 150") << 3 << 50 << 150 << 0;
        QTest::newRow("lead 10, jog untested") << 10 << 50 << 1000 << 0;
        QTest::newRow("zero") << 6 << 0 << 150 << 1;
    }
    void range()
    {
        QFETCH(int, lead);
        QFETCH(int, homeVel);
        QFETCH(int, jogVel);
        QCOMPARE(SetStandardParameters(), 0);
        QCOMPARE(CheckParaRange(), 0);
        auto &p = Paradata().ParaSet;
        p.ParaAxisLead[3] = int16_t(lead);
        p.ParaHomeVel[3] = int16_t(homeVel);
        p.ParaJogVel[3] = int16_t(jogVel);
        QTEST(CheckParaRange(), "result");
        // An axis not in use is not tested.
        App().AxisNotUsed[3] = true;
        QCOMPARE(CheckParaRange(), 0);
    }

    void rangeOfOtherValues_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("PG ALM 4") << 0;
        QTest::newRow("STROKE 262144") << 1;
        QTest::newRow("size code of 2") << 2;
        QTest::newRow("stroke 601") << 3;
        QTest::newRow("SM TIMER 0") << 4;
        QTest::newRow("Actuator empty") << 5;
    }
    void rangeOfOtherValues()
    {
        QFETCH(int, which);
        QCOMPARE(SetStandardParameters(), 0);
        auto &s = Paradata();
        switch (which) {
        case 0: s.ParaSet.ParaPgAlm[1] = ValueCell(4.0); break;
        case 1: s.ParaSet.ParaAxisStroke[1] = ValueCell(262144.0); break;
        case 2: s.Ct.CtDevSize[1] = QStringLiteral("28"); break;
        case 3: s.Ct.CtDevStroke[1] = 601; break;
        case 4: s.ParaSet.ParaSmTimer = 0; break;
        case 5: s.ParaSet.ParaActuator[1] = ValueCell(QString()); break;
        }
        QCOMPARE(CheckParaRange(), 1);
    }
};

QTEST_GUILESS_MAIN(TstStdPara)
#include "tst_stdpara.moc"
