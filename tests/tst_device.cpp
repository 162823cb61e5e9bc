// The actuator selection lists and the actuator windows, driven as the user
// drives them.
#include "core/AppState.h"
#include "app/MainWindow.h"
#include "platform/Settings.h"
#include "paradata/ActuatorLists.h"
#include "ui/device/ActuatorWindows.h"
#include "link/Versions.h"
#include "paradata/DevSetting.h"
#include "paradata/DeviceList.h"
#include "paradata/ParadataState.h"
#include "paradata/ParaFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "support/Choices.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using ActLists::AxisCombos;
using Platform::ResText;

namespace {

// File order matters: " 28" first, then " 35" and "E35"; " 28H-100" twice.
const char *kDevices = "7\r\n"
                       "\" 28L-100\",2,400,1,1\r\n"
                       "\" 28L-200\",2,400,1,1\r\n"
                       "\" 28H-100\",6,400,0,1\r\n"
                       "\" 35H-150\",6,400,2,1\r\n"
                       "\"E35L-100\",2,400,1,1\r\n"
                       "\" 28H-100\",6,400,0,1\r\n"
                       "\" 35H-300\",6,400,1,99\r\n";

QStringList texts(std::initializer_list<const char *> l)
{
    QStringList out;
    for (const char *t : l)
        out << QString::fromLatin1(t);
    return out;
}

void setPc(int a, const QString &size, const QString &speed, int stroke)
{
    auto &d = Paradata().DevSetting;
    d.DevSize[a] = size;
    d.DevSpeed[a] = speed;
    d.DevStroke[a] = stroke;
}

} // namespace

class TstDevice : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        Platform::SetAppFolder(env->dir());
        env->writeSjis(QStringLiteral("nqzdevice.lst"), QString::fromLatin1(kDevices));
        ResetParadataState();
        ResetDevSettingFlags();
        QCOMPARE(DeviceList::ReadNQzDeviceList(), 0);
        for (int a = 0; a < 4; ++a)
            setPc(a, QStringLiteral(" 28"), QStringLiteral("L"), 100);
    }
    void cleanup() { env.reset(); }

    // ---- the lists

    void lists_data()
    {
        QTest::addColumn<QString>("pcSize");
        QTest::addColumn<QString>("pcSpeed");
        QTest::addColumn<int>("pcStroke");
        QTest::addColumn<QString>("sizeText");   // the size list's text before the rebuild
        QTest::addColumn<QString>("strokeText"); // the stroke list's text before the rebuild
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QStringList>("speeds");
        QTest::addColumn<QStringList>("strokes");
        QTest::addColumn<QString>("stroke");
        QTest::newRow("setting offered") << " 28" << "L" << 200 << "" << "" << " 28" << "L" << texts({"L", "H"})
                                         << texts({"100", "200"}) << "200";
        QTest::newRow("size without the stored speed") << " 28" << "L" << 100 << " 35" << "" << " 35" << "H"
                                                       << texts({"H"}) << texts({"150", "300"}) << "150";
        QTest::newRow("stroke not offered") << " 28" << "L" << 300 << "" << "" << " 28" << "L" << texts({"L", "H"})
                                            << texts({"100", "200"}) << "100";
        QTest::newRow("no stored stroke") << " 28" << "L" << 0 << "" << "" << " 28" << "L" << texts({"L", "H"})
                                          << texts({"100", "200"}) << "100";
        QTest::newRow("no stored stroke, nothing matches") << " 28" << "" << 0 << "XX" << "77" << "XX" << ""
                                                           << QStringList{} << QStringList{} << "77";
        QTest::newRow("no stored speed, E35") << " 28" << "" << 100 << "E35" << "" << "E35" << "L" << texts({"L"})
                                              << texts({"100"}) << "100";
        QTest::newRow("typed size kept") << " 28" << "L" << 100 << " 99" << "" << " 99" << "" << QStringList{}
                                         << QStringList{} << "";
        QTest::newRow("size not listed: first size") << " 50" << "L" << 100 << "" << "" << " 28" << "L"
                                                     << texts({"L", "H"}) << texts({"100", "200"}) << "100";
        QTest::newRow("equal records twice") << " 28" << "H" << 100 << "" << "" << " 28" << "H" << texts({"L", "H"})
                                             << texts({"100", "100"}) << "100";
    }
    void lists()
    {
        QFETCH(QString, pcSize);
        QFETCH(QString, pcSpeed);
        QFETCH(int, pcStroke);
        QFETCH(QString, sizeText);
        QFETCH(QString, strokeText);
        setPc(1, pcSize, pcSpeed, pcStroke);
        AxisCombos c;
        c.size.text = sizeText;
        c.stroke.text = strokeText;
        ActLists::SetActuatorCombosAxis(1, c, pcSize);
        QCOMPARE(c.size.items, texts({" 28", " 35", "E35"}));
        QTEST(c.size.text, "size");
        QTEST(c.speed.text, "speed");
        QTEST(c.speed.items, "speeds");
        QTEST(c.stroke.items, "strokes");
        QTEST(c.stroke.text, "stroke");
    }

    void pgBox_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("stroke");
        QTest::addColumn<bool>("checkVertical");
        QTest::addColumn<bool>("unchanged");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("no PG") << " 28" << "H" << "100" << false << false << false << false;
        QTest::newRow("always PG") << " 35" << "H" << "150" << false << false << false << true;
        QTest::newRow("PG by choice") << " 28" << "L" << "100" << false << false << true << true;
        QTest::newRow("speed with blanks") << " 28" << " L " << "100" << false << false << true << true;
        QTest::newRow("not listed") << " 28" << "L" << "150" << false << true << false << false;
        QTest::newRow("vertical not listed") << " 35" << "H" << "300" << true << true << false << false;
        QTest::newRow("vertical not asked") << " 35" << "H" << "300" << false << false << true << true;
    }
    void pgBox()
    {
        QFETCH(QString, size);
        QFETCH(QString, speed);
        QFETCH(QString, stroke);
        QFETCH(bool, checkVertical);
        QFETCH(bool, unchanged);
        AxisCombos c;
        c.size.text = size;
        c.speed.text = speed;
        c.stroke.text = stroke;
        const auto box = ActLists::PgBoxFor(c, true, checkVertical);
        QCOMPARE(!box.has_value(), unchanged);
        if (!box)
            return;
        QTEST(box->visible, "visible");
        QTEST(box->ticked, "ticked");
    }

    // ---- the offline window

    void opensWithAxisCount()
    {
        App().AxisCount = 2;
        App().AxisNotUsed = {false, false, true, true};
        setPc(1, QStringLiteral(" 35"), QStringLiteral("H"), 150);
        OfflineActuatorWindow w;
        QCOMPARE(w.comboAxisSelect->currentText(), ResText(221));
        QVERIFY(w.PictureAxis[0]->isVisibleTo(&w));
        QVERIFY(w.PictureAxis[1]->isVisibleTo(&w));
        QVERIFY(!w.PictureAxis[2]->isVisibleTo(&w));
        QVERIFY(!w.PictureAxis[3]->isVisibleTo(&w));
        QCOMPARE(w.comboDeviceSize[1]->currentText(), QStringLiteral(" 35"));
        QCOMPARE(w.comboDeviceStroke[1]->currentText(), QStringLiteral("150"));
        QCOMPARE(w.comboDeviceStroke[0]->count(), 2);
        // " 35H-150" always has PG: the box is hidden and ticked.
        QVERIFY(!w.chkDevPgUse[1]->isVisibleTo(&w));
        QVERIFY(w.chkDevPgUse[1]->isChecked());
        QVERIFY(w.cmdDeviceCancel->isVisibleTo(&w));
        QVERIFY(w.cmdDeviceBack->isVisibleTo(&w));
        // Positions shown in mm: the tall window with its caution lines.
        QVERIFY(w.Label3->isVisibleTo(&w));
        QVERIFY(w.Label3->geometry().bottom() < w.height());
        // Every text whole: the explanation on one line, every axis's
        // with-PG box inside the window.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.comboAxisSelect->setCurrentIndex(3);
        w.comboAxisSelect_Click();
        QCoreApplication::processEvents();
        QVERIFY(w.lblDeviceExplanation->width() >= w.lblDeviceExplanation->sizeHint().width());
        for (int a = 0; a < 4; ++a) {
            const QRect box(w.chkDevPgUse[a]->mapTo(&w, QPoint(0, 0)), w.chkDevPgUse[a]->size());
            QVERIFY2(w.rect().contains(box), qPrintable(QString::number(a)));
            QVERIFY(w.chkDevPgUse[a]->width() >= w.chkDevPgUse[a]->sizeHint().width());
        }
    }

    void userChangesSize()
    {
        App().AxisCount = 1;
        App().AxisNotUsed = {false, true, true, true};
        OfflineActuatorWindow w;
        QComboBox *size = w.comboDeviceSize[0];
        size->setCurrentIndex(1); // " 35"
        emit size->activated(1);
        QCOMPARE(w.comboDeviceSpeed[0]->currentText(), QStringLiteral("H"));
        QCOMPARE(w.comboDeviceStroke[0]->currentText(), QStringLiteral("150"));
        QVERIFY(!w.chkDevPgUse[0]->isVisibleTo(&w));
    }

    void axisCountQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("axes");
        QTest::newRow("Yes takes three axes") << true << 3;
        QTest::newRow("No keeps two") << false << 2;
    }
    void axisCountQuestion()
    {
        QFETCH(bool, yes);
        QFETCH(int, axes);
        App().AxisCount = 2;
        App().AxisNotUsed = {false, false, true, true};
        auto &c = Paradata().ActuatorSetting;
        c.ActuatorSize[2] = QStringLiteral("old");
        OfflineActuatorWindow w;
        QSignalSpy finished(&w, &QDialog::finished);
        w.comboAxisSelect->setCurrentIndex(2);
        emit w.comboAxisSelect->activated(2);
        QVERIFY(w.PictureAxis[2]->isVisibleTo(&w));
        w.comboDeviceSize[2]->setEditText(QStringLiteral("E35"));
        Platform::Dialogs::QueueAnswer(yes ? Platform::MsgAnswer::Yes : Platform::MsgAnswer::No);
        QTest::mouseClick(w.cmdDeviceSet, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(Platform::Dialogs::Shown().front().title, ResText(1150));
        QCOMPARE(App().AxisCount, axes);
        QCOMPARE(App().AxisNotUsed[2], !yes);
        QCOMPARE(c.ActuatorSize[2], yes ? QStringLiteral("E35") : QStringLiteral("old"));
        QCOMPARE(c.ActuatorSize[1], QStringLiteral(" 28"));
        for (int a = 0; a < axes; ++a) {
            QVERIFY(c.NewTypeFlag[a]);
            QVERIFY(c.ActuatorVertical[a]);
        }
    }

    void strokeTaken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<int>("stroke");
        QTest::newRow("100") << "100" << true << 100;
        QTest::newRow("12.5 to even") << "12.5" << true << 12;
        QTest::newRow("13.5 to even") << "13.5" << true << 14;
        QTest::newRow("no number") << "abc" << true << 0;
        QTest::newRow("beyond 16 bits") << "40000" << false << 0;
    }
    void strokeTaken()
    {
        QFETCH(QString, text);
        QFETCH(bool, taken);
        QFETCH(int, stroke);
        App().AxisCount = 1;
        App().AxisNotUsed = {false, true, true, true};
        Paradata().ActuatorSetting.ActuatorStroke[0] = 77;
        OfflineActuatorWindow w;
        QSignalSpy finished(&w, &QDialog::finished);
        w.comboDeviceStroke[0]->setEditText(text);
        QTest::mouseClick(w.cmdDeviceSet, Qt::LeftButton);
        QCOMPARE(finished.count(), taken ? 1 : 0);
        QCOMPARE(Paradata().ActuatorSetting.ActuatorStroke[0], taken ? stroke : 77);
        if (!taken)
            QCOMPARE(Platform::Dialogs::ShownTexts(),
                     QStringList{ResText(4) + QStringLiteral("\r\n") + ResText(5)});
    }

    // The axis count is chosen from its list; no text can be typed that
    // matches no item.
    void axisCountIsAList()
    {
        OfflineActuatorWindow w;
        QVERIFY(!w.comboAxisSelect->isEditable());
        QCOMPARE(w.comboAxisSelect->count(), 4);
        QSignalSpy finished(&w, &QDialog::finished);
        QTest::mouseClick(w.cmdDeviceSet, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
    }

    void startupLeftOnlyByOkOrBack()
    {
        DevFlags().DevWinStartup = true;
        OfflineActuatorWindow w;
        w.show();
        QVERIFY(!w.cmdDeviceCancel->isVisible());
        QSignalSpy finished(&w, &QDialog::finished);
        QTest::keyClick(&w, Qt::Key_Escape);
        w.close();
        QVERIFY(w.isVisible());
        QCOMPARE(finished.count(), 0);
        QTest::mouseClick(w.cmdDeviceBack, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(DevFlags().DevWinBack);
        QVERIFY(!w.DevCancelFlag);
    }

    void opener_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Cancel") << 0 << -1;
        QTest::newRow("close box") << 1 << -1;
        QTest::newRow("Escape") << 2 << -1;
        QTest::newRow("Back") << 3 << -2;
    }
    void opener()
    {
        QFETCH(int, how);
        App().AxisCount = 2;
        App().AxisNotUsed = {false, false, true, true};
        Platform::Dialogs::PushModalHandler([how](QDialog &d) {
            auto &w = static_cast<OfflineActuatorWindow &>(d);
            w.show();
            switch (how) {
            case 0: QTest::mouseClick(w.cmdDeviceCancel, Qt::LeftButton); break;
            case 1: w.close(); break;
            case 2: QTest::keyClick(&w, Qt::Key_Escape); break;
            default: QTest::mouseClick(w.cmdDeviceBack, Qt::LeftButton); break;
            }
            return w.result();
        });
        QTEST(ActuatorWindows::ShowDeviceSetting(), "result");
        // Nothing was taken.
        QCOMPARE(App().AxisCount, 2);
        QVERIFY(Paradata().ActuatorSetting.ActuatorSize[0].isEmpty());
    }

    void noBackButton()
    {
        DevFlags().DevWinNoBack = true;
        App().DispMmUnit = false;
        OfflineActuatorWindow w;
        QVERIFY(!w.cmdDeviceBack->isVisibleTo(&w));
        QVERIFY(!w.cmdDeviceBack->isEnabled());
        // Positions in pulses: no caution lines.
        QVERIFY(!w.Label3->isVisibleTo(&w));
    }

    // ---- the main window's offline actuator setting

    void changeDevice_data()
    {
        QTest::addColumn<int>("choice");  // answer of the choice dialog
        QTest::addColumn<bool>("ok");     // OK in the actuator window, else Cancel
        QTest::addColumn<bool>("taken");
        QTest::addColumn<int>("ctAxisCount");
        QTest::newRow("actuators chosen") << 0 << true << true << 2;
        QTest::newRow("actuator window cancelled") << 0 << false << false << 0;
        QTest::newRow("choice cancelled") << -1 << false << false << 0;
        // A parameter file leaves the controller's axis count alone.
        QTest::newRow("parameter file") << 1 << false << true << 0;
    }
    void changeDevice()
    {
        QFETCH(int, choice);
        QFETCH(bool, ok);
        QFETCH(bool, taken);
        QFETCH(int, ctAxisCount);
        Platform::SetAppFolder(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data")));
        if (choice == 1) {
            // A parameter file of two " 28L-100" axes.
            ParaFile::ClearParaData();
            auto &p = Paradata().ParaSet;
            p.ParaSpAxis = 3;
            for (int a = 0; a < 2; ++a) {
                p.ParaActuator[a] = ValueCell(QStringLiteral(" 28L100"));
                p.ParaAxisStroke[a] = ValueCell(20000);
                p.ParaAxisLead[a] = 2;
                p.ParaAxisPulse[a] = 400;
            }
            const QString path = env->path(QStringLiteral("two.pmt"));
            ParaFile::WriteParaFile(path);
            ParaFile::ClearParaData();
            Platform::Dialogs::QueueFileName(path);
        }
        App().AxisCount = 2;
        App().AxisNotUsed = {false, false, true, true};
        Paradata().BlockStepWaitMs = 0;
        Comm::ResetVersionState();
        Choices::Queue({choice});
        Platform::Dialogs::PushModalHandler([ok](QDialog &d) {
            auto &w = static_cast<OfflineActuatorWindow &>(d);
            w.show();
            QTest::mouseClick(ok ? w.cmdDeviceSet : w.cmdDeviceCancel, Qt::LeftButton);
            return w.result();
        });
        MainWindow::Change_Device();
        QCOMPARE(Platform::GetSetting(QStringLiteral("DevSize1")).isNull(), !taken);
        QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, false, true, true}));
        // The controller's axis count follows the PC's after an offline change.
        QCOMPARE(Comm::Versions().CtAxisCount, ctAxisCount);
        if (!taken)
            return;
        QCOMPARE(Platform::GetSetting(QStringLiteral("DevStroke2")), QStringLiteral("100"));
        QVERIFY(Platform::GetSetting(QStringLiteral("DevSize3")).isNull());
        QCOMPARE(Paradata().ParaSet.ParaSpAxis, int16_t(3));
        QCOMPARE(Paradata().DevSetting.DevLead[0], int16_t(2));
        QCOMPARE(Paradata().MaxMm[1], 100.0);
    }

    // A parameter file that cannot be read: the file routine's own tries and
    // its one message, then the question again; the setting stays.
    void changeDeviceFromUnreadableFile()
    {
        App().LangOffset = 10000;
        const QString bad = env->writeSjis(QStringLiteral("g.pmt"), QStringLiteral("\"RE-Z4\",\"GRP\"\r\n"));
        Platform::Dialogs::QueueFileName(bad);
        Choices::Queue({1, -1});
        MainWindow::Change_Device();
        QCOMPARE(Choices::Asked().size(), 2);
        QCOMPARE(Platform::Dialogs::FileDialogTitles().size(), 1);
        QCOMPARE(Platform::Dialogs::ShownTexts().count(QStringLiteral("Fail to open parameter file.")), 1);
        QVERIFY(Platform::GetSetting(QStringLiteral("DevSize1")).isNull());
    }

    // ---- the online window

    // Its caption in the language of the texts.
    void onlineCaption_data()
    {
        QTest::addColumn<int>("langOffset");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Japanese") << 0 << QStringLiteral("アクチュエータ設定");
        QTest::newRow("English") << 10000 << QStringLiteral("Actuator Setting");
    }
    void onlineCaption()
    {
        QFETCH(int, langOffset);
        QFETCH(QString, caption);
        App().LangOffset = langOffset;
        OnlineActuatorWindow w;
        QCOMPARE(w.windowTitle(), caption);
    }

    void onlineDetailTakesAllAxes()
    {
        App().AxisCount = 1;
        App().AxisNotUsed = {false, true, true, true};
        auto *w = new OnlineActuatorWindow;
        QPointer<OnlineActuatorWindow> alive(w);
        w->show();
        QVERIFY(Paradata().KeepAxisMask);
        QVERIFY(!w->cmdDeviceSet->isVisibleTo(w));
        w->comboDeviceStroke[3]->setEditText(QStringLiteral("250"));
        w->cmdDeviceSet_Click();
        const auto &c = Paradata().ActuatorSetting;
        // Axes not in use are written too, from what their lists show.
        QCOMPARE(c.ActuatorStroke[3], 250);
        QCOMPARE(c.ActuatorSize[0], QStringLiteral(" 28"));
        QVERIFY(c.NewTypeFlag[3]);
        QCOMPARE(App().AxisNotUsed[3], true);
        QTRY_VERIFY(alive.isNull());
    }
};

QTEST_MAIN(TstDevice)
#include "tst_device.moc"
