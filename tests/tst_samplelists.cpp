// The list files shipped in data/ agree with each other and with the
// program's own conversions and limits: every standard parameter record
// names a listed actuator with its lead, pulses per revolution and stroke in
// pulses, its values pass the range check, and every actuator the device
// lists offer has standard values in both generations.
#include "core/AppState.h"
#include "paradata/DeviceList.h"
#include "paradata/UnitConv.h"
#include "paradata/ParadataState.h"
#include "paradata/StdPara.h"
#include "paradata/UnitTexts.h"
#include "paradata/DevSetting.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QtTest>
#include <memory>

using namespace DevSetting;
using namespace DeviceList;
using namespace UnitTexts;
using namespace StdPara;

class TstSampleLists : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

    struct Listed {
        QString size, speed;
        int stroke = 0;
        int lead = 0;
        int32_t ppr = 0;
    };
    std::vector<Listed> devices;

    // The per-axis standard list of one generation, read by the program.
    std::vector<StdParaRecord> stdList(bool newType)
    {
        for (int a = 0; a < 4; ++a) {
            Paradata().StdPrmSeries[a] = QStringLiteral("QZ");
            Paradata().ActuatorSetting.NewTypeFlag[a] = newType;
        }
        if (ReadStdParaLists() != 0)
            return {};
        const int n = StdPara::State().StdParaCount[0];
        return {StdPara::State().StdParaTable[0].begin() + 1, StdPara::State().StdParaTable[0].begin() + 1 + n};
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        ResetParadataState();
        StdPara::ResetStdParaState();
        Platform::SetAppFolder(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data")));
        QCOMPARE(ReadNQzDeviceList(), 0);
        devices.clear();
        const auto &t = Paradata().DevListAxis[0];
        for (int r = 1; r <= Paradata().DevListCnt[0]; ++r)
            devices.push_back({t[r][1].toString(), t[r][2].toString(), int(t[r][3].toInt32().value_or(-1)),
                               int(t[r][4].toInt32().value_or(-1)), t[r][7].toInt32().value_or(-1)});
        QVERIFY(devices.size() > 10);
    }
    void cleanup() { env.reset(); }

    void standardValuesMatchTheDevices_data()
    {
        QTest::addColumn<bool>("newType");
        QTest::newRow("new type") << true;
        QTest::newRow("old type") << false;
    }
    void standardValuesMatchTheDevices()
    {
        QFETCH(bool, newType);
        const auto records = stdList(newType);
        QCOMPARE(records.size(), devices.size());
        for (const StdParaRecord &r : records) {
            const QString size = r[StdField::Size].toString();
            const QString speed = r[StdField::Speed].toString();
            const int stroke = r[StdField::Stroke].toInt32().value_or(-1);
            const QString what = size + speed + QString::number(stroke);
            const auto dev = std::find_if(devices.begin(), devices.end(), [&](const Listed &d) {
                return d.size == size && d.speed == speed && d.stroke == stroke;
            });
            QVERIFY2(dev != devices.end(), qPrintable(what + QStringLiteral(" is not in the device list")));
            QVERIFY2(r[StdField::Lead].toInt32() == dev->lead, qPrintable(what + QStringLiteral(": lead")));
            QVERIFY2(r[StdField::Pulse].toInt32() == dev->ppr, qPrintable(what + QStringLiteral(": pulses")));
            QVERIFY2(r[StdField::AxisStroke].toInt32() == UnitConv::MaxPulseOf(stroke, dev->lead, dev->ppr),
                     qPrintable(what + QStringLiteral(": stroke in pulses ") + r[StdField::AxisStroke].toString()));
            const QString model = size + speed + QStringLiteral("%1").arg(stroke, 3, 10, QLatin1Char('0'));
            QVERIFY2(r[StdField::Actuator].toString() == model, qPrintable(what + QStringLiteral(": model text")));
        }
    }

    // The standard values of every listed actuator, set for an axis, pass
    // the range check the actuator window makes before writing them.
    void standardValuesPassTheRangeCheck()
    {
        App().AxisNotUsed = {false, true, true, true};
        for (const Listed &d : devices) {
            auto &c = Paradata().ActuatorSetting;
            c.ActuatorSize[0] = d.size;
            c.ActuatorSpeed[0] = d.speed;
            c.ActuatorStroke[0] = d.stroke;
            c.ActuatorWithPG[0] = GetDevicePgKind(d.size, d.speed, d.stroke) == 2;
            c.NewTypeFlag[0] = true;
            Paradata().StdPrmSeries[0] = QStringLiteral("QZ");
            const QString what = d.size + d.speed + QString::number(d.stroke);
            QVERIFY2(SetStandardParameters() == 0, qPrintable(what));
            QVERIFY2(CheckParaRange() == 0, qPrintable(what));
        }
        QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
    }

    // The old-type device list names the same actuators with the same lead.
    void oldListAgrees()
    {
        ReadQzDeviceList();
        const auto &t = Paradata().DevListAxis[0];
        const int n = Paradata().DevListCnt[0];
        QVERIFY(n > 0);
        for (int r = 1; r <= n; ++r) {
            const int size = t[r][1].toInt32().value_or(-1);
            const QString speed = t[r][2].toString();
            const int stroke = t[r][3].toInt32().value_or(-1);
            const auto dev = std::find_if(devices.begin(), devices.end(), [&](const Listed &d) {
                return d.size.trimmed().toInt() == size && d.speed == speed && d.stroke == stroke;
            });
            QVERIFY2(dev != devices.end(), qPrintable(t[r][0].toString()));
            QCOMPARE(t[r][4].toInt32().value_or(-1), dev->lead);
        }
    }

    // Every listed actuator's name, as the position window shows it and a
    // position file stores it, parses back to the same actuator.
    void namesParseBack()
    {
        for (const Listed &d : devices) {
            const int k = GetDevicePgKind(d.size, d.speed, d.stroke);
            for (bool pg : {false, true}) {
                const QString text = DeviceModelText(d.size, d.speed, d.stroke, k, pg);
                const auto m = ParseModelString(text);
                QVERIFY2(m, qPrintable(text));
                QCOMPARE(m->size, d.size);
                QCOMPARE(m->speed, d.speed);
                QCOMPARE(int(m->stroke), d.stroke);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstSampleLists)
#include "tst_samplelists.moc"
