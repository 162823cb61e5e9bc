// The main window frame (rectangle, status panel, progress display, close
// guards, exit settings), the position window's unload and the choice dialog.
#include <QtTest>

#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "core/AppSettings.h"
#include "core/Twips.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "ui/common/ChoiceDialog.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "ui/posi/PositionWindow.h"
#include "ui/prog/ProgramWindow.h"
#include "support/Choices.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QDialogButtonBox>
#include <QMdiArea>
#include <QMenu>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QScreen>
#include <QGuiApplication>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void firstStartRectangle();
    void rectangleSaved_data();
    void rectangleSaved();
    void handEditedRectangleFallsBack();
    void offScreenRectangleComesBack_data();
    void offScreenRectangleComesBack();
    void unwritableSettingsSaid();
    void statusPanelFollowsWidth_data();
    void statusPanelFollowsWidth();
    void progressDisplay();
    void closeGuards_data();
    void closeGuards();
    void languageTogglesOnExit_data();
    void languageTogglesOnExit();
    void positionWindowCloseEndsApplication();
    void timer2OpensParameterWindowOnRequest();
    void captionAndMenus();
    void programWindow();
    void windowMenuListsChildren();
    void choiceDialog_data();
    void choiceDialog();
    void qtButtonsInJapanese();
};

void TestMainWindow::firstStartRectangle()
{
    TestEnv::Scope env;
    MainWindow m;
    m.RestoreRect();
    // The first rectangle is what the settings keep; this screen is smaller
    // than it, and the window lies wholly on it.
    QCOMPARE(m.MainRectToKeep(), std::optional<QRect>(QRect(1000 / 15, 1000 / 15, 15240 / 15, 11000 / 15)));
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(QRect(m.pos(), m.size())));
}

void TestMainWindow::rectangleSaved_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::newRow("normal window saves its rectangle") << false;
    QTest::newRow("minimised keeps the stored one") << true;
}

void TestMainWindow::rectangleSaved()
{
    QFETCH(bool, minimised);
    TestEnv::Scope env;
    Platform::SaveSetting(QStringLiteral("MainLeft"), QStringLiteral("3000"));
    Platform::SaveSetting(QStringLiteral("MainWidth"), QStringLiteral("9000"));
    MainWindow m;
    m.move(40, 50);
    m.resize(700, 500);
    if (minimised)
        m.setWindowState(Qt::WindowMinimized);
    App().PortNo = 4;
    AppSettings::SaveAppSettingOf(m.MainRectToKeep());
    QCOMPARE(Platform::GetSetting(QStringLiteral("PortNo")), QStringLiteral("4"));
    QCOMPARE(Platform::GetSetting(QStringLiteral("MainLeft")), minimised ? QStringLiteral("3000") : QStringLiteral("600"));
    QCOMPARE(Platform::GetSetting(QStringLiteral("MainWidth")), minimised ? QStringLiteral("9000") : QStringLiteral("10500"));
    if (!minimised) {
        MainWindow again;
        again.RestoreRect();
        QCOMPARE(again.pos(), QPoint(40, 50));
        QCOMPARE(again.size(), QSize(700, 500));
    }
}

void TestMainWindow::handEditedRectangleFallsBack()
{
    TestEnv::Scope env;
    Platform::SaveSetting(QStringLiteral("MainLeft"), QStringLiteral("left"));
    Platform::SaveSetting(QStringLiteral("MainWidth"), QStringLiteral("-20"));
    Platform::SaveSetting(QStringLiteral("MainTop"), QStringLiteral("1e30"));
    MainWindow m;
    m.RestoreRect();
    QCOMPARE(m.MainRectToKeep()->topLeft(), QPoint(1000 / 15, 1000 / 15));
    QCOMPARE(m.MainRectToKeep()->width(), 15240 / 15);
}

void TestMainWindow::offScreenRectangleComesBack_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::newRow("far left") << "-999999" << "1000" << "9000" << "6000";
    QTest::newRow("a removed monitor to the right") << "60000" << "60000" << "9000" << "6000";
    QTest::newRow("larger than the screen, above it") << "1000" << "-90000" << "90000" << "90000";
}

// A stored rectangle off every screen: the main window and the first
// question of the start-up come up where the user can reach them.
void TestMainWindow::offScreenRectangleComesBack()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QString, width);
    QFETCH(QString, height);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    Platform::SaveSetting(QStringLiteral("MainLeft"), left);
    Platform::SaveSetting(QStringLiteral("MainTop"), top);
    Platform::SaveSetting(QStringLiteral("MainWidth"), width);
    Platform::SaveSetting(QStringLiteral("MainHeight"), height);
    MainScope s;
    s.main.RestoreRect();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(area.contains(QRect(s.main.pos(), s.main.size())),
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(s.main.x()).arg(s.main.y()).arg(s.main.width()).arg(s.main.height())));
    // A size that fits is kept.
    if (width.toInt() / 15 <= area.width())
        QCOMPARE(s.main.width(), width.toInt() / 15);
    s.main.show();
    QRect question;
    Platform::Dialogs::PushModalHandler([&](QDialog &d) {
        d.show();
        question = QRect(d.pos(), d.size());
        return int(QDialog::Rejected);
    });
    Choice::SetSelectionDlg(QStringLiteral("Select"), QStringLiteral("Online or offline?"), QStringLiteral("Online"),
                             QStringLiteral("Offline"), 0, 0, 0);
    QVERIFY(!question.isNull());
    QVERIFY2(area.contains(question), qPrintable(QStringLiteral("%1,%2").arg(question.x()).arg(question.y())));
}

// Settings that cannot be written are said at exit, naming the file; the
// program closes all the same.
void TestMainWindow::unwritableSettingsSaid()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    const QString blocker = env.writeFile(QStringLiteral("not-a-folder"), "x");
    const QString path = blocker + QStringLiteral("/settings.ini");
    Platform::UseSettingsFile(path);
    MainScope s;
    s.main.ShowPosiWindowOnce();
    QVERIFY(s.main.close());
    const QStringList shown = Platform::Dialogs::ShownTexts();
    QVERIFY(!shown.isEmpty());
    QVERIFY2(shown.last().contains(path), qPrintable(shown.last()));
    QVERIFY(shown.last().startsWith(QStringLiteral("The settings could not be saved.")));
}

void TestMainWindow::statusPanelFollowsWidth_data()
{
    QTest::addColumn<int>("widthPx");
    QTest::newRow("design width") << 1016;
    QTest::newRow("wide") << 1400;
    QTest::newRow("narrow") << 700;
}

void TestMainWindow::statusPanelFollowsWidth()
{
    QFETCH(int, widthPx);
    TestEnv::Scope env;
    MainWindow m;
    m.resize(widthPx, 600);
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QCOMPARE(m.width(), widthPx);
    QVERIFY(qAbs(m.ProgressBar1->width() - widthPx / 2) <= 1);
    QCOMPARE(m.lblCtMode->geometry().right() + 1, widthPx);
    QVERIFY(m.cmdReset->x() > m.Line1->x());
    QCOMPARE(m.imgAlarm->x(), m.Image1->x());
    QCOMPARE(m.imgComPort->x(), m.Image2->x());
    QCOMPARE(m.lblAlarm->x(), m.lblComPort->x());
}

void TestMainWindow::progressDisplay()
{
    TestEnv::Scope env;
    MainWindow m;
    m.resize(1016, 600);
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    const int statusFull = (Twips::FromPx(1016) / 2 - 30) / 15;

    App().ProgressBarOn = false;
    m.Disp_ProgressBar();
    QVERIFY(m.ProgressBar1->isVisible());
    QVERIFY(!m.cmdComCancel->isVisible());
    QCOMPARE(m.lblStatus->width(), statusFull);

    App().ProgressBarOn = true;
    m.Disp_ProgressBar();
    QVERIFY(m.cmdComCancel->isVisible());
    QVERIFY(m.cmdComCancel->isEnabled());
    QVERIFY(m.lblStatus->width() < statusFull);
    QVERIFY(!App().ComCancelFlag);
    QTest::mouseClick(m.cmdComCancel, Qt::LeftButton);
    QVERIFY(App().ComCancelFlag);

    m.ProgressBar1->setValue(40);
    m.lblStatus->setText(QStringLiteral("Reading"));
    m.Hide_ProgressBar();
    QVERIFY(!m.ProgressBar1->isVisible());
    QCOMPARE(m.ProgressBar1->value(), 0);
    QVERIFY(m.lblStatus->text().isEmpty());
    QVERIFY(!m.cmdComCancel->isVisible());
    QVERIFY(!m.cmdComCancel->isEnabled());
    QCOMPARE(m.lblStatus->width(), statusFull);
}

void TestMainWindow::closeGuards_data()
{
    QTest::addColumn<bool>("teaching");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("fromCloseBox");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("message");
    QTest::newRow("idle, close box") << false << false << true << true << false;
    QTest::newRow("teaching, close box") << true << false << true << false << true;
    QTest::newRow("teaching, by code") << true << false << false << false << true;
    QTest::newRow("busy, close box") << false << true << true << false << false;
    QTest::newRow("busy, by code") << false << true << false << false << false;
}

void TestMainWindow::closeGuards()
{
    QFETCH(bool, teaching);
    QFETCH(bool, busy);
    QFETCH(bool, fromCloseBox);
    QFETCH(bool, closes);
    QFETCH(bool, message);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    MainScope s;
    QSignalSpy ended(&s.main, &MainWindow::applicationEnd);
    App().TeachModeFlag = teaching;
    App().BusyFlag = busy;
    const auto mode = fromCloseBox ? MainWindow::UnloadMode::User : MainWindow::UnloadMode::Code;
    const bool closed = s.main.MDIForm_QueryUnload(mode) && s.main.MDIForm_Unload();
    QCOMPARE(closed, closes);
    QCOMPARE(ended.count(), closes ? 1 : 0);
    const QStringList shown = Platform::Dialogs::ShownTexts();
    if (message)
        QCOMPARE(shown, QStringList{QStringLiteral("It is a teaching now.\r\nPlease click the [Complete Teaching] "
                                                   "button, and Complete the teaching.")});
    else
        QVERIFY(shown.isEmpty());
    // Nothing is saved by a refused close.
    QCOMPARE(Platform::GetSetting(QStringLiteral("Language")).isEmpty(), !closes);
}

void TestMainWindow::languageTogglesOnExit_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("change");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Japanese, change pending") << 1 << true << "2";
    QTest::newRow("English, change pending") << 2 << true << "1";
    QTest::newRow("Japanese, no change") << 1 << false << "1";
    QTest::newRow("English, no change") << 2 << false << "2";
}

// Closing the main window unloads the position window (which toggles and
// saves "Language", then saves the exit settings) and then saves the exit
// settings itself: the number of toggles must come out odd.
void TestMainWindow::languageTogglesOnExit()
{
    QFETCH(int, language);
    QFETCH(bool, change);
    QFETCH(QString, stored);
    TestEnv::Scope env;
    App().Language = language;
    App().LanguageChange = change;
    MainScope s;
    s.main.ShowPosiWindowOnce();
    QVERIFY(s.main.close());
    QCOMPARE(Platform::GetSetting(QStringLiteral("Language")), stored);
    QVERIFY(Forms::Named(QStringLiteral("PositionWindow")).isEmpty());
}

void TestMainWindow::positionWindowCloseEndsApplication()
{
    TestEnv::Scope env;
    App().PortNo = 7;
    MainScope s;
    s.main.ShowPosiWindowOnce();
    QSignalSpy ended(&s.main, &MainWindow::applicationEnd);
    QMdiSubWindow *sub = s.main.mdiArea()->subWindowList().value(0);
    QVERIFY(sub);
    QVERIFY(sub->close());
    QCOMPARE(Platform::GetSetting(QStringLiteral("PortNo")), QStringLiteral("7"));
    QVERIFY(s.main.timerTerminate->isActive());
    QCOMPARE(s.main.timerTerminate->interval(), 100);
    QVERIFY(ended.wait(2000));
    QVERIFY(!s.main.timerTerminate->isActive());
}

void TestMainWindow::timer2OpensParameterWindowOnRequest()
{
    TestEnv::Scope env;
    MainScope s;
    s.main.Timer2_Timer();
    QVERIFY(Forms::Named(QStringLiteral("ParameterWindow")).isEmpty());
    App().ShowParaWinReq = true;
    s.main.Timer2->start(1000);
    s.main.Timer2_Timer();
    QVERIFY(!App().ShowParaWinReq);
    QVERIFY(!s.main.Timer2->isActive());
    QCOMPARE(Forms::Named(QStringLiteral("ParameterWindow")).size(), 1);
    // A second request reuses the loaded window; unlike the View menu's
    // command, the request leaves ParaWinOpen alone.
    App().ShowParaWinReq = true;
    s.main.Timer2_Timer();
    QCOMPARE(Forms::Named(QStringLiteral("ParameterWindow")).size(), 1);
    QVERIFY(!App().ParaWinOpen);
    // The system parameter window likewise.
    s.main.mnuViewSysPara_Click();
    s.main.mnuViewSysPara_Click();
    QCOMPARE(Forms::Named(QStringLiteral("SystemParameterWindow")).size(), 1);
}

void TestMainWindow::captionAndMenus()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    App().SplashDone = true;
    MainScope s;
    Choices::QueueOfflineStart();
    s.main.MDIForm_Load();
    QCOMPARE(s.main.windowTitle(), QStringLiteral("QZ-TQ7 Ver%1.%2%3")
                                       .arg(REZ4_VERSION_MAJOR).arg(REZ4_VERSION_MINOR).arg(REZ4_VERSION_PATCH));
    QCOMPARE(s.main.mnuFile->text(), QStringLiteral("File(&F)"));
    QCOMPARE(s.main.mnuContProgTask->text(), QStringLiteral("Execute / Stop of Program"));
    QCOMPARE(s.main.mnuSettingParameter->text(), QStringLiteral("詳細設定"));
    QVERIFY(!s.main.mnuSettingParameter->isVisible());
    QVERIFY(s.main.mnuViewToolbar->isChecked());
    QCOMPARE(s.main.ToolButton(11)->toolTip(), QStringLiteral("Program Edit"));
    QCOMPARE(s.main.ToolButton(11)->data().toString(), QStringLiteral("プログラム編集"));
    QVERIFY(s.main.ToolButton(4)->isSeparator());
    QCOMPARE(s.main.cmdReset->text(), QStringLiteral("Alarm Reset"));
    QCOMPARE(Forms::Named(QStringLiteral("PositionWindow")).size(), 1);
    QCOMPARE(Forms::Loaded().value(0), &s.main);
}

void TestMainWindow::programWindow()
{
    TestEnv::Scope env;
    MainScope s;
    App().SelProgNo = 12;
    QWidget *w = s.main.OpenProgWindow();
    auto *prog = qobject_cast<ProgramWindow *>(w);
    QVERIFY(prog);
    QCOMPARE(prog->windowTitle(), QStringLiteral("Program 12"));
    QCOMPARE(prog->ProgNo(), 12);
    QCOMPARE(Forms::ActiveChild(), w);
    // Reached by name, as the all-window walk does.
    QVERIFY(QMetaObject::invokeMethod(w, "ProgramCommandsOff"));
    QVERIFY(!prog->cmdFileSaveProg->isEnabled());
    QVERIFY(QMetaObject::invokeMethod(w, "ProgramCommandsOn"));
    QVERIFY(prog->cmdFileSaveProg->isEnabled());
}

// The Window menu lists the open child windows, the active one checked,
// and choosing one brings it to the front.
void TestMainWindow::windowMenuListsChildren()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    MainScope s;
    s.main.show();
    s.main.ShowPosiWindowOnce();
    App().SelProgNo = 3;
    QWidget *prog = s.main.OpenProgWindow();
    QVERIFY(prog);
    QCOMPARE(Forms::ActiveChild(), prog);
    QMenu *window = s.main.findChild<QMenu *>(QStringLiteral("mnuWindow"));
    QVERIFY(window);
    emit window->aboutToShow();
    const QList<QAction *> items = s.main.WindowListItems();
    QCOMPARE(items.size(), 2);
    QStringList texts;
    for (QAction *a : items)
        texts << a->text();
    QVERIFY2(texts.filter(QStringLiteral("Program 3")).size() == 1, qPrintable(texts.join(QLatin1Char('|'))));
    QAction *posiItem = nullptr;
    for (QAction *a : items) {
        QVERIFY(a->isCheckable());
        const bool isProg = a->text().contains(QStringLiteral("Program 3"));
        QCOMPARE(a->isChecked(), isProg);
        if (!isProg)
            posiItem = a;
    }
    QVERIFY(posiItem);
    QVERIFY(window->actions().contains(posiItem));
    posiItem->trigger();
    QCOMPARE(Forms::ActiveChild()->objectName(), QStringLiteral("PositionWindow"));
    emit window->aboutToShow();
    for (QAction *a : s.main.WindowListItems())
        QCOMPARE(a->isChecked(), !a->text().contains(QStringLiteral("Program 3")));
}

// What the user does in the dialog.
enum class Act { Ok, PickSecondOk, PickThirdOk, Cancel, Back, CloseBox, CloseBoxThenOk };
Q_DECLARE_METATYPE(Act)

void TestMainWindow::choiceDialog_data()
{
    QTest::addColumn<int>("kind");        // 1, 2 or 3 = SetSelectionDlg, …Preselected, …ThreeWay
    QTest::addColumn<int>("cancelMode");
    QTest::addColumn<int>("backMode");
    QTest::addColumn<int>("nextMode");
    QTest::addColumn<int>("preselect");
    QTest::addColumn<Act>("act");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("okText");
    QTest::addColumn<bool>("cancelShown");
    QTest::addColumn<bool>("backShown");
    QTest::addColumn<int>("heightTwips");
    QTest::newRow("two-way, OK at once") << 1 << 0 << 0 << 0 << 0 << Act::Ok << 0 << "OK" << true << false << 2895;
    QTest::newRow("two-way, second option") << 1 << 0 << 0 << 0 << 0 << Act::PickSecondOk << 1 << "OK" << true << false << 2895;
    QTest::newRow("two-way, Cancel") << 1 << 0 << 0 << 0 << 0 << Act::Cancel << -1 << "OK" << true << false << 2895;
    QTest::newRow("two-way, close box with Cancel") << 1 << 0 << 0 << 0 << 0 << Act::CloseBox << -1 << "OK" << true << false << 2895;
    QTest::newRow("no Cancel: close box refused") << 1 << 1 << 0 << 0 << 0 << Act::CloseBoxThenOk << 0 << "OK" << false << false << 2895;
    QTest::newRow("Back and Next: Back") << 1 << 1 << 1 << 1 << 0 << Act::Back << -2 << "Next" << false << true << 2895;
    QTest::newRow("preselected second, OK at once") << 2 << 0 << 0 << 0 << 1 << Act::Ok << 1 << "OK" << true << false << 2895;
    QTest::newRow("preselect zero, OK at once") << 2 << 0 << 0 << 0 << 0 << Act::Ok << 0 << "OK" << true << false << 2895;
    QTest::newRow("three-way, third option") << 3 << 0 << 0 << 0 << 0 << Act::PickThirdOk << 2 << "OK" << true << false << 3450;
    QTest::newRow("three-way, Back") << 3 << 1 << 1 << 0 << 0 << Act::Back << -2 << "OK" << false << true << 3450;
}

void TestMainWindow::choiceDialog()
{
    QFETCH(int, kind);
    QFETCH(int, cancelMode);
    QFETCH(int, backMode);
    QFETCH(int, nextMode);
    QFETCH(int, preselect);
    QFETCH(Act, act);
    QFETCH(int, expected);
    QFETCH(QString, okText);
    QFETCH(bool, cancelShown);
    QFETCH(bool, backShown);
    QFETCH(int, heightTwips);
    TestEnv::Scope env;
    App().LangOffset = 10000;

    bool handled = false;
    Platform::Dialogs::PushModalHandler([&](QDialog &dlg) {
        auto &d = static_cast<ChoiceDialog &>(dlg);
        handled = true;
        d.show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(&d)); }();
        [&] {
            QCOMPARE(d.windowTitle(), QStringLiteral("Select"));
            QCOMPARE(d.cmdSelectOk->text(), okText);
            QCOMPARE(d.cmdSelectCancel->isVisible(), cancelShown);
            QCOMPARE(d.cmdBack->isVisible(), backShown);
            QCOMPARE(d.cmdBack->text(), QStringLiteral("BACK"));
            QCOMPARE(d.optSelectItem[2]->isVisible(), kind == 3);
            QCOMPARE(d.HeightTwips(), heightTwips);
        }();
        switch (act) {
        case Act::Ok: QTest::mouseClick(d.cmdSelectOk, Qt::LeftButton); break;
        case Act::PickSecondOk:
            QTest::mouseClick(d.optSelectItem[1], Qt::LeftButton, {}, QPoint(6, d.optSelectItem[1]->height() / 2));
            QTest::mouseClick(d.cmdSelectOk, Qt::LeftButton);
            break;
        case Act::PickThirdOk:
            QTest::mouseClick(d.optSelectItem[2], Qt::LeftButton, {}, QPoint(6, d.optSelectItem[2]->height() / 2));
            QTest::mouseClick(d.cmdSelectOk, Qt::LeftButton);
            break;
        case Act::Cancel: QTest::mouseClick(d.cmdSelectCancel, Qt::LeftButton); break;
        case Act::Back: QTest::mouseClick(d.cmdBack, Qt::LeftButton); break;
        case Act::CloseBox: d.close(); break;
        case Act::CloseBoxThenOk:
            d.close();
            QTest::keyClick(&d, Qt::Key_Escape);
            [&] { QVERIFY(d.isVisible()); }();
            QTest::mouseClick(d.cmdSelectOk, Qt::LeftButton);
            break;
        }
        return d.result();
    });

    const QString cap = QStringLiteral("Select");
    const QString why = QStringLiteral("Select Controller Mode.");
    int result = 99;
    if (kind == 1)
        result = Choice::SetSelectionDlg(cap, why, QStringLiteral("POS Mode"), QStringLiteral("PRG Mode"),
                                          cancelMode, backMode, nextMode);
    else if (kind == 2)
        result = Choice::SetSelectionDlgPreselected(cap, why, QStringLiteral("POS Mode"), QStringLiteral("PRG Mode"),
                                           cancelMode, backMode, nextMode, preselect);
    else
        result = Choice::SetSelectionDlgThreeWay(cap, why, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                           cancelMode, backMode);
    QVERIFY(handled);
    QCOMPARE(result, expected);
}

// Qt's own buttons read Japanese on the Japanese screen, English otherwise.
void TestMainWindow::qtButtonsInJapanese()
{
    TestEnv::Scope env;
    App().Language = 2;
    QVERIFY(!Startup::InstallQtTexts());
    App().Language = 1;
    if (!Startup::InstallQtTexts())
        QSKIP("Qt's Japanese translations are not installed (qt6-translations-l10n)");
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
