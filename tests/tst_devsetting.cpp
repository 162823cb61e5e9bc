// The PC's actuator setting: settings store, model strings of position
// files, the parameter set, and the comparison with a file's setting.
#include "core/AppState.h"
#include "app/MainWindow.h"
#include "paradata/DevSetting.h"
#include "posi/PosiDevice.h"
#include "paradata/DeviceList.h"
#include "paradata/ParadataState.h"
#include "paradata/UnitTexts.h"
#include "posi/PosiFile.h"
#include "posi/PosiTables.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <cstring>
#include <memory>

using namespace DevSetting;
using namespace DeviceList;
using namespace UnitTexts;

class TstDevSetting : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

    static QString rejected() { return Platform::ResText(4) + QStringLiteral("\r\n") + Platform::ResText(5); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        ResetParadataState();
        ResetDevSettingFlags();
    }
    void cleanup() { env.reset(); }

    void loadFromEmptyStore()
    {
        QCOMPARE(LoadDevSetting(), 0);
        const auto &d = Paradata().DevSetting;
        for (int a = 0; a < 4; ++a) {
            QCOMPARE(d.DevSize[a], QStringLiteral(" 28"));
            QCOMPARE(d.DevSpeed[a], QStringLiteral("L"));
            QCOMPARE(d.DevStroke[a], 100);
            QVERIFY(d.DevNewType[a]);
            QVERIFY(Paradata().ActuatorSetting.NewTypeFlag[a]);
            QVERIFY(d.DevVertical[a]);
            QVERIFY(!d.DevWithPG[a]);
            // From the sample device list.
            QCOMPARE(d.DevLead[a], int16_t(2));
            QCOMPARE(d.DevPPR[a], 400);
        }
        // The limits follow the loaded setting: 100 mm at 2 mm / 400 pulses.
        QCOMPARE(Paradata().MaxPulse[0], 20000);
        QCOMPARE(Paradata().MaxMm[0], 100.0);
    }

    void loadUnlistedLead_data()
    {
        QTest::addColumn<QString>("lead");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("takenLead");
        QTest::newRow("1 refused") << "1" << 1 << 0;
        QTest::newRow("21 refused") << "21" << 1 << 0;
        QTest::newRow("2 taken") << "2" << 0 << 2;
        QTest::newRow("20 taken") << "20" << 0 << 20;
        QTest::newRow("hand-edited text") << "abc" << 1 << 0;
    }
    void loadUnlistedLead()
    {
        QFETCH(QString, lead);
        QFETCH(int, result);
        QFETCH(int, takenLead);
        // Axis 2 carries an actuator the device list does not know.
        Platform::SaveSetting(QStringLiteral("DevSize2"), QStringLiteral(" 35"));
        Platform::SaveSetting(QStringLiteral("DevSpeed2"), QStringLiteral("H"));
        Platform::SaveSetting(QStringLiteral("DevStroke2"), QStringLiteral("200"));
        Platform::SaveSetting(QStringLiteral("DevLead2"), lead);
        Platform::SaveSetting(QStringLiteral("Vertical2"), QStringLiteral("0"));
        Platform::SaveSetting(QStringLiteral("WithPG2"), QStringLiteral("1"));
        QCOMPARE(LoadDevSetting(), result);
        const auto &d = Paradata().DevSetting;
        QCOMPARE(d.DevLead[1], int16_t(takenLead));
        // The other keys are loaded all the same.
        QCOMPARE(d.DevSize[1], QStringLiteral(" 35"));
        QCOMPARE(d.DevSpeed[1], QStringLiteral("H"));
        QCOMPARE(d.DevStroke[1], 200);
        QVERIFY(!d.DevVertical[1]);
        QVERIFY(d.DevWithPG[1]);
        QCOMPARE(d.DevLead[0], int16_t(2));
    }

    void saveThenLoad()
    {
        App().AxisNotUsed = {false, false, true, true};
        Platform::SaveSetting(QStringLiteral("DevSize3"), QStringLiteral(" 50"));
        auto &d = Paradata().DevSetting;
        for (int a = 0; a < 2; ++a) {
            d.DevSize[a] = QStringLiteral(" 35");
            d.DevSpeed[a] = QStringLiteral("H");
            d.DevStroke[a] = 200 + a;
            d.DevLead[a] = int16_t(10 + a);
            d.DevPPR[a] = 800 + a;
            d.DevNewType[a] = a == 0;
            d.DevVertical[a] = false;
            d.DevWithPG[a] = true;
        }
        QCOMPARE(SaveDevSetting(), 0);
        const DevSettingData saved = d;
        ResetParadataState();
        QCOMPARE(LoadDevSetting(), 0);
        const auto &l = Paradata().DevSetting;
        for (int a = 0; a < 2; ++a) {
            QCOMPARE(l.DevSize[a], saved.DevSize[a]);
            QCOMPARE(l.DevSpeed[a], saved.DevSpeed[a]);
            QCOMPARE(l.DevStroke[a], saved.DevStroke[a]);
            QCOMPARE(l.DevLead[a], saved.DevLead[a]);
            QCOMPARE(l.DevPPR[a], saved.DevPPR[a]);
            QCOMPARE(l.DevNewType[a], saved.DevNewType[a]);
            QCOMPARE(l.DevVertical[a], saved.DevVertical[a]);
            QCOMPARE(l.DevWithPG[a], saved.DevWithPG[a]);
        }
        // An axis not in use keeps its stored keys.
        QCOMPARE(Platform::GetSetting(QStringLiteral("DevSize3")), QStringLiteral(" 50"));
        QVERIFY(Platform::GetSetting(QStringLiteral("DevSize4")).isNull());
    }

    void modelStrings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<int>("stroke");
        QTest::addColumn<QString>("options");
        QTest::newRow("short") << "QZ-28L-100" << true << " 28" << "L" << 100 << "";
        QTest::newRow("long") << "QZ- 28L-100" << true << " 28" << "L" << 100 << "";
        QTest::newRow("short, PG") << "QZ-28L-100E" << true << " 28" << "L" << 100 << "E";
        QTest::newRow("long, two options") << "QZ- 28L-100EV" << true << " 28" << "L" << 100 << "EV";
        QTest::newRow("short, two-digit stroke") << "QZ-28L-50E" << true << " 28" << "L" << 50 << "E";
        QTest::newRow("code size") << "QZ-E35L-100" << true << "E35" << "L" << 100 << "";
        QTest::newRow("other series") << "VK- 28L-100" << true << " 28" << "L" << 100 << "";
        QTest::newRow("unknown series") << "XX-28L-100" << false << "" << "" << 0 << "";
        QTest::newRow("no stroke") << "QZ-28L-" << false << "" << "" << 0 << "";
        QTest::newRow("too short") << "QZ-28L" << false << "" << "" << 0 << "";
        QTest::newRow("stroke not a number") << "QZ- 28L-1X0" << false << "" << "" << 0 << "";
        QTest::newRow("stroke below 10") << "QZ-28L-5" << false << "" << "" << 0 << "";
        QTest::newRow("four options") << "QZ- 28L-100EVAB" << false << "" << "" << 0 << "";
        QTest::newRow("empty") << "" << false << "" << "" << 0 << "";
    }
    void modelStrings()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        const auto m = ParseModelString(text);
        QCOMPARE(m.has_value(), ok);
        if (!ok)
            return;
        QTEST(m->size, "size");
        QTEST(m->speed, "speed");
        QTEST(int(m->stroke), "stroke");
        QTEST(m->options, "options");
    }

    // What the program writes as an actuator's name (the position window's
    // label, a position file's header) reads back as the same actuator.
    void nameRoundTrip_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("stroke");
        QTest::addColumn<bool>("withPG");
        for (const char *size : {" 28", "E35"})
            for (int stroke : {50, 100, 600})
                for (bool pg : {false, true}) {
                    // " 28L-050" comes without PG only. (strcmp: a null test on size
                    // would have the optimizer warn of a null name below.)
                    if (std::strcmp(size, " 28") == 0 && stroke == 50 && pg)
                        continue;
                    QTest::addRow("%s-%d%s", size, stroke, pg ? " PG" : "") << QString::fromLatin1(size) << stroke << pg;
                }
    }
    void nameRoundTrip()
    {
        QFETCH(QString, size);
        QFETCH(int, stroke);
        QFETCH(bool, withPG);
        App().AxisNotUsed = {false, true, true, true};
        auto &d = Paradata().DevSetting;
        d.DevSize[0] = size;
        d.DevSpeed[0] = QStringLiteral("L");
        d.DevStroke[0] = stroke;
        d.DevQzFlag[0] = true;
        Paradata().ActuatorSetting.ActuatorWithPG[0] = withPG;
        const QString name = DeviceNameTextsNow().caption[0].value_or(QString());
        QVERIFY(!name.isEmpty());

        // Through a position file and back.
        PosiTables::InitPosiData();
        App().PosiNoStart = App().PosiNoEnd = 1;
        const QString path = env->path(QStringLiteral("names.qzd"));
        QCOMPARE(PosiFile::SaveFileAs(path, {name, QString(), QString(), QString()}), 0);
        QCOMPARE(PosiFile::ReadPosiFile(path), 0);
        QCOMPARE(Posi().FileAxisName[0], name);

        auto &c = Paradata().ActuatorSetting;
        c.ActuatorWithPG[0] = !withPG;
        QCOMPARE(GetFileDeviceFromPosiFile(Posi().FileAxisName, {false, true, true, true}), 0);
        QCOMPARE(c.ActuatorSize[0], size);
        QCOMPARE(c.ActuatorSpeed[0], QStringLiteral("L"));
        QCOMPARE(int(c.ActuatorStroke[0]), stroke);
        QCOMPARE(c.ActuatorWithPG[0], withPG);
        QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
    }

    void fileDevice_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("withPG");
        // The sample list offers PG by choice (code 1) for " 28L-100".
        QTest::newRow("with PG") << "QZ-28L-100E" << 0 << true;
        QTest::newRow("without PG") << "QZ- 28L-100" << 0 << false;
        QTest::newRow("unknown series") << "XX-28L-100" << 1 << false;
        QTest::newRow("short string") << "QZ-28" << 1 << false;
        QTest::newRow("not listed") << "QZ- 35H-200" << 1 << false;
    }
    void fileDevice()
    {
        QFETCH(QString, name);
        QFETCH(int, result);
        QFETCH(bool, withPG);
        auto &c = Paradata().ActuatorSetting;
        c.ActuatorStroke[0] = 55;
        // Axis 2 is not used by the file: its garbage is never parsed.
        const std::array<QString, 4> names{name, QStringLiteral("garbage"), QString(), QString()};
        App().AxisNotUsed = {false, false, true, true};
        QCOMPARE(GetFileDeviceFromPosiFile(names, {false, true, true, true}), result);
        if (result == 0) {
            QCOMPARE(c.ActuatorSize[0], QStringLiteral(" 28"));
            QCOMPARE(c.ActuatorStroke[0], 100);
            QCOMPARE(c.ActuatorWithPG[0], withPG);
            QVERIFY(c.NewTypeFlag[0]);
            QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
        } else {
            QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{rejected()});
            // Nothing of a rejected string is taken.
            QCOMPARE(c.ActuatorStroke[0], 55);
        }
    }

    void paraSetIntoSetting()
    {
        auto &s = Paradata();
        auto &p = s.ParaSet;
        p.ParaSpAxis = 5;
        for (int a : {0, 2}) {
            p.ParaActuator[a] = ValueCell(QStringLiteral(" 28L100"));
            p.ParaAxisLead[a] = 6;
            p.ParaAxisPulse[a] = 40000; // above 16 bits is a legal count
            p.ParaAxisStroke[a] = ValueCell(6000.0);
            p.ParaPgFunction[a] = int16_t(a == 2 ? 1 : 0);
            s.Ct.CtDevSize[a] = QStringLiteral(" 28");
            s.Ct.CtDevSpeed[a] = QStringLiteral("H");
            s.Ct.CtDevStroke[a] = 100;
            s.Ct.CtDevType[a] = 1;
        }
        LetParaToDevSettingPgFromPara();
        QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, true, false, true}));
        QCOMPARE(App().AxisCount, 3);
        const auto &d = s.DevSetting;
        QCOMPARE(d.DevSpeed[2], QStringLiteral("H"));
        QCOMPARE(d.DevLead[2], int16_t(6));
        QCOMPARE(d.DevPPR[2], 40000);
        QCOMPARE(s.MaxPulse[2], 6000);
        QVERIFY(d.DevWithPG[2]);
        QVERIFY(!d.DevWithPG[0]);
        QVERIFY(d.DevVertical[0]);
        // 6000 pulses at 6 mm per 40000 pulses.
        QCOMPARE(s.MaxMm[2], 0.9);
    }

    void paraSetStrokeNotANumber()
    {
        auto &s = Paradata();
        s.ParaSet.ParaSpAxis = 3;
        for (int a : {0, 1}) {
            s.ParaSet.ParaActuator[a] = ValueCell(QStringLiteral(" 28L100"));
            s.ParaSet.ParaAxisLead[a] = 2;
            s.ParaSet.ParaAxisPulse[a] = 400;
        }
        s.ParaSet.ParaAxisStroke[0] = ValueCell(20000.0);
        s.ParaSet.ParaAxisStroke[1] = ValueCell(QStringLiteral("x"));
        QCOMPARE(LetParaToDevSetting(), 1);
        QCOMPARE(s.MaxPulse[0], 20000);
        // The axis taken is not left with stale limits.
        QCOMPARE(s.MaxMm[0], 100.0);
    }

    void compareWithFile_data()
    {
        QTest::addColumn<bool>("axis2UsedByFile");
        QTest::addColumn<int>("result");
        QTest::newRow("differing axis not in the file") << false << 0;
        QTest::newRow("differing axis in the file") << true << 1;
    }
    void compareWithFile()
    {
        QFETCH(bool, axis2UsedByFile);
        QFETCH(int, result);
        App().AxisNotUsed = {false, false, false, false};
        DevSetting::CopyDevSettingToActuatorSetting();
        QCOMPARE(DevSetting::CompareActuatorSettingOfPosifileToPc({false, false, false, false}), 0);
        Paradata().ActuatorSetting.ActuatorStroke[1] = 300;
        QCOMPARE(DevSetting::CompareActuatorSettingOfPosifileToPc({false, !axis2UsedByFile, true, true}), result);
    }

    void takingFileSettingRefreshesLimits()
    {
        QCOMPARE(LoadDevSetting(), 0);
        QCOMPARE(Paradata().MaxMm[0], 100.0);
        auto &c = Paradata().ActuatorSetting;
        DevSetting::CopyDevSettingToActuatorSetting();
        c.ActuatorStroke[0] = 50;
        c.ActuatorWithPG[0] = true;
        DevSetting::ReflectFileDeviceToPcDevice({false, true, true, true});
        QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, true, true, true}));
        QCOMPARE(Paradata().DevSetting.DevStroke[0], 50);
        QVERIFY(Paradata().DevSetting.DevWithPG[0]);
        QCOMPARE(Paradata().MaxPulse[0], 10000);
        QCOMPARE(Paradata().MaxMm[0], 50.0);
    }

    void leadFromDeviceList()
    {
        QCOMPARE(ReadNQzDeviceList(), 0);
        auto &d = Paradata().DevSetting;
        App().AxisNotUsed = {false, false, true, true};
        for (int a = 0; a < 2; ++a) {
            d.DevSize[a] = QStringLiteral(" 28");
            d.DevSpeed[a] = QStringLiteral("L");
            d.DevStroke[a] = 100;
            d.DevPPR[a] = 400;
            d.DevLead[a] = 9;
        }
        QCOMPARE(PosiDevice::SetDevLeadFromDevList(), 0);
        QCOMPARE(d.DevLead[0], int16_t(2));
        QCOMPARE(Paradata().MaxMm[1], 100.0);
        d.DevStroke[1] = 150;
        d.DevLead[0] = 9;
        QCOMPARE(PosiDevice::SetDevLeadFromDevList(), 1);
        QCOMPARE(d.DevLead[0], int16_t(2));
        QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{Platform::ResText(17)});
    }
};

QTEST_GUILESS_MAIN(TstDevSetting)
#include "tst_devsetting.moc"
