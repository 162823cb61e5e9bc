// The options dialog: the port box's keys, what OK takes over and stores, the
// unit change with its re-validation, and the inching settings.
#include <QtTest>

#include "core/AppState.h"
#include "app/Options.h"
#include "core/AppSettings.h"
#include "app/OptionsDialog.h"
#include "platform/Dialogs.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Platform;

namespace {
// Records what the position window was asked to do during a unit change.
struct PosiCalls {
    int checks = 0;
    QStringList calls;
};

void installHooks(PosiCalls &rec, int checkResult)
{
    Options::UnitHooks &h = Options::Hooks();
    h.CheckGridPositions = [&rec, checkResult] { ++rec.checks; return checkResult; };
    h.PosiPulseToMm = [&rec] { rec.calls << "PulseToMm"; };
    h.PosiMmToPulse = [&rec] { rec.calls << "MmToPulse"; };
    h.FillGridPositionMode = [&rec] { rec.calls << "FillPositionMode"; };
    h.FillGridProgramMode = [&rec] { rec.calls << "FillProgramMode"; };
    h.Change_DispUnit = [&rec] { rec.calls << "Captions"; };
}

QString stored(const char *key) { return GetSetting(QString::fromLatin1(key), QStringLiteral("<none>")); }
} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void init() { Options::ResetHooks(); }
    void cleanup() { Options::ResetHooks(); }

    void portKeyFilter_data();
    void portKeyFilter();
    void portBoxTyping();
    void okPort_data();
    void okPort();
    void loadShowsState();
    void languageChangeFollowsLastChoice();
    void oddStoredLanguageIsNoChange();
    void unchangedUnitNeitherChecksNorStores();
    void unitChange_data();
    void unitChange();
    void unitChangeOnEmptyPositionGrid();
    void roundingAndPortUseStored();
    void applyAndCancelTakeNothing_data();
    void applyAndCancelTakeNothing();
    void jogSetting_data();
    void jogSetting();
};

void TestOptions::portKeyFilter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("passes");
    QTest::newRow("5 refused") << "" << int('5') << 0;
    QTest::newRow("3 accepted") << "" << int('3') << int('3');
    QTest::newRow("0 accepted") << "" << int('0') << int('0');
    QTest::newRow("letter refused") << "" << int('a') << 0;
    QTest::newRow("enter refused") << "" << 13 << 0;
    QTest::newRow("tab passes empty") << "" << 9 << 9;
    QTest::newRow("second digit refused") << "3" << int('2') << 0;
    QTest::newRow("backspace on full") << "3" << 8 << 8;
    QTest::newRow("tab on full refused") << "3" << 9 << 0;
}

void TestOptions::portKeyFilter()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, passes);
    QCOMPARE(Options::PortKeyFilter(box, key), passes);
}

void TestOptions::portBoxTyping()
{
    TestEnv::Scope env;
    OptionsDialog dlg;
    dlg.txtPortNo->clear();
    QTest::keyClicks(dlg.txtPortNo, "5");
    QCOMPARE(dlg.txtPortNo->text(), QString());
    QTest::keyClicks(dlg.txtPortNo, "3");
    QCOMPARE(dlg.txtPortNo->text(), QStringLiteral("3"));
    QTest::keyClicks(dlg.txtPortNo, "2");
    QCOMPARE(dlg.txtPortNo->text(), QStringLiteral("3"));
    QTest::keyClick(dlg.txtPortNo, Qt::Key_Backspace);
    QCOMPARE(dlg.txtPortNo->text(), QString());
}

void TestOptions::okPort_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("storedPort");   // empty = none stored
    QTest::addColumn<int>("expected");
    QTest::newRow("3 taken") << "3" << "7" << 3;
    QTest::newRow("0 falls back to stored") << "0" << "7" << 7;
    QTest::newRow("empty falls back to stored") << "" << "5" << 5;
    QTest::newRow("nothing stored gives 1") << "0" << "" << 1;
}

void TestOptions::okPort()
{
    QFETCH(QString, box);
    QFETCH(QString, storedPort);
    QFETCH(int, expected);
    TestEnv::Scope env;
    if (!storedPort.isEmpty())
        SaveSetting(QStringLiteral("PortNo"), storedPort);
    App().PortNo = 2;
    OptionsDialog dlg;
    dlg.txtPortNo->setText(box);
    dlg.cmdOK_Click();
    QCOMPARE(App().PortNo, expected);
    // The port number is stored at exit only.
    QCOMPARE(stored("PortNo"), storedPort.isEmpty() ? QStringLiteral("<none>") : storedPort);
}

void TestOptions::loadShowsState()
{
    TestEnv::Scope env;
    App().PortNo = 4;
    App().Language = 2;
    App().DispMmUnit = false;
    App().MmRoundUp = false;
    App().PortOccupy = false;
    App().LangOffset = 10000;
    OptionsDialog dlg;
    QCOMPARE(dlg.txtPortNo->text(), QStringLiteral("4"));
    QVERIFY(dlg.optLanguege[1]->isChecked());
    QVERIFY(dlg.optDisplayUnit[0]->isChecked());
    QVERIFY(dlg.optRoundUp[1]->isChecked());
    QVERIFY(!dlg.chkPortOccupy->isChecked());
    QCOMPARE(dlg.SSTabOption->count(), 4);
    QCOMPARE(dlg.SSTabOption->tabText(1), ResText(2506));
    QCOMPARE(dlg.SSTabOption->tabText(3), QStringLiteral("Language"));
}

void TestOptions::languageChangeFollowsLastChoice()
{
    TestEnv::Scope env;
    App().Language = 1;
    // Through the View menu's command: English chosen, the notice follows.
    Dialogs::PushModalHandler([](QDialog &d) {
        auto &o = static_cast<OptionsDialog &>(d);
        o.optLanguege[1]->click();
        o.cmdOK->click();
        return d.result();
    });
    Options::ShowOptionsDialog(nullptr);
    QVERIFY(App().LanguageChange);
    QCOMPARE(App().Language, 1);
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(420) + "\r\n" + ResText(421)});

    // Choosing the running language again clears the pending change.
    Dialogs::PushModalHandler([](QDialog &d) {
        auto &o = static_cast<OptionsDialog &>(d);
        o.optLanguege[0]->click();
        o.cmdOK->click();
        return d.result();
    });
    Options::ShowOptionsDialog(nullptr);
    QVERIFY(!App().LanguageChange);
    QCOMPARE(Dialogs::ShownTexts().size(), 1);
}

void TestOptions::oddStoredLanguageIsNoChange()
{
    // A hand-edited "Language" of 5 runs English; a plain OK must not queue a
    // switch to Japanese.
    TestEnv::Scope env;
    SaveSetting(QStringLiteral("Language"), QStringLiteral("5"));
    App().Language = 0;
    OptionsDialog dlg;
    QVERIFY(dlg.optLanguege[1]->isChecked());
    dlg.cmdOK_Click();
    QVERIFY(!App().LanguageChange);
}

void TestOptions::unchangedUnitNeitherChecksNorStores()
{
    TestEnv::Scope env;
    PosiCalls rec;
    installHooks(rec, 0);
    App().DispMmUnit = true;
    OptionsDialog dlg;
    dlg.cmdOK_Click();
    QCOMPARE(rec.checks, 0);
    QVERIFY(rec.calls.isEmpty());
    QCOMPARE(stored("DispMmUnit"), QStringLiteral("<none>"));
    QVERIFY(App().DispMmUnit);
}

void TestOptions::unitChange_data()
{
    QTest::addColumn<bool>("fromMm");
    QTest::addColumn<bool>("prgMode");
    QTest::addColumn<int>("check");
    QTest::addColumn<bool>("mmAfter");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("message");
    QTest::newRow("valid, to mm") << false << false << 0 << true << "1"
                                  << QStringList{"PulseToMm", "FillPositionMode", "Captions"} << false;
    QTest::newRow("valid, to pulses, program mode") << true << true << 0 << false << "0"
                                  << QStringList{"MmToPulse", "FillProgramMode", "Captions"} << false;
    QTest::newRow("out of range keeps unit") << false << false << 1 << false << "<none>" << QStringList{} << true;
    QTest::newRow("empty table takes unit") << false << false << 2 << true << "1" << QStringList{"Captions"} << false;
    QTest::newRow("failed check keeps unit") << true << false << -1 << true << "<none>" << QStringList{} << true;
}

void TestOptions::unitChange()
{
    QFETCH(bool, fromMm);
    QFETCH(bool, prgMode);
    QFETCH(int, check);
    QFETCH(bool, mmAfter);
    QFETCH(QString, storedAfter);
    QFETCH(QStringList, calls);
    QFETCH(bool, message);
    TestEnv::Scope env;
    PosiCalls rec;
    installHooks(rec, check);
    App().DispMmUnit = fromMm;
    App().PrgModeFlag = prgMode;
    OptionsDialog dlg;
    dlg.optDisplayUnit[fromMm ? 0 : 1]->click();
    dlg.cmdOK->click();
    QCOMPARE(rec.checks, 1);
    QCOMPARE(rec.calls, calls);
    QCOMPARE(App().DispMmUnit, mmAfter);
    QCOMPARE(stored("DispMmUnit"), storedAfter);
    const QStringList expectedMsgs = message ? QStringList{ResText(2541) + "\r\n" + ResText(2542)} : QStringList{};
    QCOMPARE(Dialogs::ShownTexts(), expectedMsgs);
}

void TestOptions::unitChangeOnEmptyPositionGrid()
{
    // The position subsystem's own check: an empty grid takes the new unit.
    TestEnv::Scope env;
    PosiGrid::ResetGrid();
    ResetPosiState();
    App().DispMmUnit = true;
    OptionsDialog dlg;
    dlg.optDisplayUnit[0]->click();
    dlg.cmdOK_Click();
    QVERIFY(!App().DispMmUnit);
    QCOMPARE(stored("DispMmUnit"), QStringLiteral("0"));
    QVERIFY(Dialogs::Shown().empty());
}

void TestOptions::roundingAndPortUseStored()
{
    TestEnv::Scope env;
    OptionsDialog dlg;
    dlg.optRoundUp[1]->click();
    dlg.chkPortOccupy->setChecked(false);
    dlg.cmdOK_Click();
    QVERIFY(!App().MmRoundUp);
    QVERIFY(!App().PortOccupy);
    QCOMPARE(stored("MmRoundUp"), QStringLiteral("0"));
    QCOMPARE(stored("PortOccupy"), QStringLiteral("0"));

    OptionsDialog again;
    again.optRoundUp[0]->click();
    again.chkPortOccupy->setChecked(true);
    again.cmdOK_Click();
    QVERIFY(App().MmRoundUp);
    QCOMPARE(stored("MmRoundUp"), QStringLiteral("1"));
    QCOMPARE(stored("PortOccupy"), QStringLiteral("1"));
}

void TestOptions::applyAndCancelTakeNothing_data()
{
    QTest::addColumn<bool>("apply");
    QTest::newRow("apply") << true;
    QTest::newRow("cancel") << false;
}

void TestOptions::applyAndCancelTakeNothing()
{
    QFETCH(bool, apply);
    TestEnv::Scope env;
    PosiCalls rec;
    installHooks(rec, 0);
    App().PortNo = 2;
    OptionsDialog dlg;
    dlg.txtPortNo->setText("3");
    dlg.optLanguege[1]->click();
    dlg.optDisplayUnit[0]->click();
    dlg.optRoundUp[1]->click();
    dlg.chkPortOccupy->setChecked(false);
    (apply ? dlg.cmdApply : dlg.cmdCancel)->click();
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(App().PortNo, 2);
    QVERIFY(!App().LanguageChange);
    QVERIFY(App().DispMmUnit);
    QVERIFY(App().MmRoundUp);
    QVERIFY(App().PortOccupy);
    QCOMPARE(rec.checks, 0);
    QCOMPARE(stored("MmRoundUp"), QStringLiteral("<none>"));
}

void TestOptions::jogSetting_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");   // empty = not stored
    QTest::addColumn<int>("vel");
    QTest::addColumn<int>("acc");
    QTest::addColumn<int>("acc2");
    QTest::newRow("defaults") << "" << "" << 20 << 3 << 3;
    QTest::newRow("speed 75 gives 1") << "VelOf100Pls" << "75" << 1 << 3 << 3;
    QTest::newRow("speed 60 kept") << "VelOf100Pls" << "60" << 60 << 3 << 3;
    QTest::newRow("acceleration 0 gives 1") << "AccOf100Pls" << "0" << 20 << 1 << 3;
    QTest::newRow("acceleration 2 kept") << "AccOf100Pls2" << "2" << 20 << 3 << 2;
    QTest::newRow("not a number gives default") << "VelOf100Pls" << "fast" << 20 << 3 << 3;
    QTest::newRow("beyond 16 bits gives default") << "AccOf100Pls" << "70000" << 20 << 3 << 3;
}

void TestOptions::jogSetting()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, vel);
    QFETCH(int, acc);
    QFETCH(int, acc2);
    TestEnv::Scope env;
    if (!key.isEmpty())
        SaveSetting(key, value);
    AppSettings::GetJogSetting();
    QCOMPARE(App().VelOf100Pls, (std::array<int, 3>{vel, vel, vel}));
    QCOMPARE(App().AccOf100Pls, (std::array<int, 3>{acc, acc, acc}));
    QCOMPARE(App().AccOf100Pls2, (std::array<int, 3>{acc2, acc2, acc2}));
    if (!key.isEmpty())
        QCOMPARE(stored(key.toLatin1().constData()), value);   // never written back
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
