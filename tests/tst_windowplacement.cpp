// Where windows open: every child window at its own size (never maximized
// after a maximized sibling) and wholly inside the main window's work area,
// and the windows opened over the main window inside that area too; a
// program window stays inside it when its error pane opens.
#include <QtTest>

#include "app/MainWindow.h"
#include "core/AppState.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"
#include "ui/common/Forms.h"
#include "ui/common/OnScreen.h"
#include "core/AppSettings.h"
#include "platform/Settings.h"
#include "ui/device/ActuatorWindows.h"
#include "ui/live/MonitorWindow.h"
#include "ui/live/ProgramTaskWindow.h"
#include "core/Twips.h"
#include "ui/posi/PositionWindow.h"
#include "ui/prog/ProgramNumberDialog.h"
#include "ui/prog/ProgGridView.h"
#include "ui/prog/ProgramWindow.h"
#include "platform/Dialogs.h"
#include "prog/ProgRows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace {

using Open = std::function<QWidget *(MainWindow &)>;

QWidget *openNamed(MainWindow &main, void (MainWindow::*command)(), const char *name)
{
    (main.*command)();
    return Forms::Find(QString::fromLatin1(name));
}

QWidget *openProgram(MainWindow &main)
{
    App().SelProgNo = 4;
    return main.OpenProgWindow();
}

QMdiSubWindow *subOf(QWidget *form) { return form ? qobject_cast<QMdiSubWindow *>(form->parentWidget()) : nullptr; }

// A main window of a known size on screen, the position window open.
struct Shown {
    TestEnv::Scope env;
    std::unique_ptr<MainScope> s;
    explicit Shown(QSize size)
    {
        App().LangOffset = 10000;
        s = std::make_unique<MainScope>();
        s->main.move(0, 0);
        s->main.resize(size);
        s->main.show();
        s->main.ShowPosiWindowOnce();
    }
    MainWindow &main() { return s->main; }
    QRect area() { return main().mdiArea()->viewport()->rect(); }
    QRect areaOnScreen()
    {
        const QWidget *view = main().mdiArea()->viewport();
        return QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    }
};

QString describe(const QRect &r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }
QString outside(const QRect &r, const QRect &area) { return describe(r) + QStringLiteral(" outside ") + describe(area); }

} // namespace

Q_DECLARE_METATYPE(Open)

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void childOpensAtOwnSizeInsideArea_data();
    void childOpensAtOwnSizeInsideArea();
    void positionWindowOpensAtItsLoadSize();
    void cascadeKeepsActiveInFront_data();
    void cascadeKeepsActiveInFront();
    void windowsOverMainInsideArea_data();
    void windowsOverMainInsideArea();
    void programWindowAndErrorPaneInsideArea_data();
    void programWindowAndErrorPaneInsideArea();
    void startRectangleFitsScreen_data();
    void startRectangleFitsScreen();
    void chosenRectangleKept_data();
    void chosenRectangleKept();
};

void TestWindowPlacement::childOpensAtOwnSizeInsideArea_data()
{
    QTest::addColumn<QSize>("mainSize");
    QTest::addColumn<Open>("maximize");
    QTest::addColumn<Open>("open");
    const Open posi = [](MainWindow &m) -> QWidget * { return m.PosiWindow(); };
    const Open group = [](MainWindow &m) { return openNamed(m, &MainWindow::mnuViewGrp_Click, "GroupWindow"); };
    const Open macro = [](MainWindow &m) { return openNamed(m, &MainWindow::mnuViewSM_Click, "SequenceMacroWindow"); };
    const Open para = [](MainWindow &m) { return openNamed(m, &MainWindow::mnuViewParameter_Click, "ParameterWindow"); };
    const Open sysPara = [](MainWindow &m) { return openNamed(m, &MainWindow::mnuViewSysPara_Click, "SystemParameterWindow"); };
    const Open prog = openProgram;
    // The position window as the File menu's new-data command brings it.
    const Open posiAgain = [](MainWindow &m) -> QWidget * {
        m.ShowChild(m.PosiWindow());
        return m.PosiWindow();
    };
    const QSize large(1400, 1000);
    QTest::newRow("group after maximized position") << large << posi << group;
    QTest::newRow("macro after maximized position") << large << posi << macro;
    QTest::newRow("parameter after maximized position") << large << posi << para;
    QTest::newRow("system parameter after maximized position") << large << posi << sysPara;
    QTest::newRow("program after maximized position") << large << posi << prog;
    QTest::newRow("position after maximized program") << large << prog << posiAgain;
    QTest::newRow("parameter after maximized group") << large << group << para;
    // A work area smaller than the windows' own places: moved in, not cut.
    const QSize narrow(1100, 800);
    QTest::newRow("group in a narrow frame") << narrow << posi << group;
    QTest::newRow("parameter in a narrow frame") << narrow << prog << para;
}

void TestWindowPlacement::childOpensAtOwnSizeInsideArea()
{
    QFETCH(QSize, mainSize);
    QFETCH(Open, maximize);
    QFETCH(Open, open);
    Shown shown(mainSize);
    MainWindow &main = shown.main();
    QMdiSubWindow *big = subOf(maximize(main));
    QVERIFY(big);
    big->showMaximized();
    QVERIFY(big->isMaximized());

    QWidget *form = open(main);
    QMdiSubWindow *sub = subOf(form);
    QVERIFY(sub);
    QVERIFY(sub != big);
    QCOMPARE(main.mdiArea()->activeSubWindow(), sub);
    QVERIFY(!sub->isMaximized());
    const QRect area = shown.area();
    QVERIFY2(area.contains(sub->geometry()),
             qPrintable(outside(sub->geometry(), area)));
    // At its own size: no larger than the window asks for where it fits.
    QVERIFY2(sub->width() < area.width() || sub->height() < area.height(), qPrintable(describe(sub->geometry())));
}

// The frame takes the size the position window loads at, not that of its
// layout's hint, which cut the grid to the window's least width.
void TestWindowPlacement::positionWindowOpensAtItsLoadSize()
{
    Shown shown(QSize(1400, 1000));
    QWidget *form = shown.main().PosiWindow();
    const QSize load = PosiWindowSize::LoadSize(QGuiApplication::primaryScreen()->geometry().width(),
                                                Twips::FromPx(shown.main().height()));
    QCOMPARE(form->size(), QSize(Twips::ToPx(load.width()), Twips::ToPx(load.height())));
}

// A maximized window restored by the cascade must not cover the window the
// user works in, and the cascade leaves every window wholly in view: a
// window pushed down by the cascade hid its buttons below the work area.
void TestWindowPlacement::cascadeKeepsActiveInFront_data()
{
    QTest::addColumn<QSize>("mainSize");
    QTest::newRow("large frame") << QSize(1400, 1000);
    // The frame at its size of first start.
    QTest::newRow("frame at its first size") << QSize(1016, 733);
}

void TestWindowPlacement::cascadeKeepsActiveInFront()
{
    QFETCH(QSize, mainSize);
    Shown shown(mainSize);
    MainWindow &main = shown.main();
    subOf(main.PosiWindow())->showMaximized();
    QMdiSubWindow *group = subOf(openNamed(main, &MainWindow::mnuViewGrp_Click, "GroupWindow"));
    QVERIFY(group);
    main.mnuWindowCascade_Click();
    QCOMPARE(main.mdiArea()->activeSubWindow(), group);
    QCOMPARE(main.mdiArea()->subWindowList(QMdiArea::StackingOrder).last(), group);
    for (QMdiSubWindow *sub : main.mdiArea()->subWindowList()) {
        QVERIFY(!sub->isMaximized());
        QVERIFY2(shown.area().contains(sub->geometry()),
                 qPrintable(outside(sub->geometry(), shown.area())));
    }
    // Still a cascade: the group window lies below and right of the first.
    QVERIFY(group->x() > 0 && group->y() > 0);
}

void TestWindowPlacement::windowsOverMainInsideArea_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("monitor") << QStringLiteral("MonitorWindow");
    QTest::newRow("task") << QStringLiteral("ProgramTaskWindow");
    QTest::newRow("online actuators") << QStringLiteral("OnlineActuatorWindow");
}

void TestWindowPlacement::windowsOverMainInsideArea()
{
    QFETCH(QString, name);
    Shown shown(QSize(1400, 1000));
    const QRect area = shown.areaOnScreen();
    QVERIFY(!area.isEmpty());
    std::unique_ptr<QWidget> w;
    if (name == QLatin1String("MonitorWindow"))
        w = std::make_unique<MonitorWindow>(&shown.main());
    else if (name == QLatin1String("ProgramTaskWindow"))
        w = std::make_unique<ProgramTaskWindow>(&shown.main());
    else
        w = std::make_unique<OnlineActuatorWindow>(&shown.main());
    // Shown, as a dialog places itself when it has not been placed.
    w->show();
    const QRect placed(w->pos(), w->size());
    QVERIFY2(area.contains(placed), qPrintable(outside(placed, area)));
}

void TestWindowPlacement::programWindowAndErrorPaneInsideArea_data()
{
    QTest::addColumn<QSize>("mainSize");
    // The frame at its size of first start, and as a small screen leaves it.
    QTest::newRow("frame at its first size") << QSize(1016, 733);
    QTest::newRow("small screen") << QSize(800, 600);
}

// In program mode a new program's window, and the error pane its check
// opens, lie wholly inside the work area: the pane once grew the window
// below the area and the user saw only the message.
void TestWindowPlacement::programWindowAndErrorPaneInsideArea()
{
    QFETCH(QSize, mainSize);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    App().OfflineFlag = true;
    App().PrgModeFlag = true;
    MainScope s;
    MainWindow &main = s.main;
    main.move(0, 0);
    main.resize(mainSize);
    main.show();
    main.ShowPosiWindowOnce();
    Platform::Dialogs::PushModalHandler([](QDialog &d) {
        auto &dlg = static_cast<ProgramNumberDialog &>(d);
        dlg.SelectProgNo(1);
        dlg.cmdProgNoOk_Click();
        return int(QDialog::Accepted);
    });
    main.mnuFileNewProg_Click();
    auto *w = qobject_cast<ProgramWindow *>(Forms::ActiveChild());
    QVERIFY(w);
    QMdiSubWindow *sub = subOf(w);
    QVERIFY(sub);
    // The area loses its scroll bars' room once a window leaves it.
    QCoreApplication::processEvents();
    const auto area = [&main] { return main.mdiArea()->viewport()->rect(); };
    QVERIFY2(area().contains(sub->geometry()), qPrintable(outside(sub->geometry(), area())));
    const int heightBefore = sub->height();

    ProgData::FillGrid(*w->flgdProg, {ProgData::ProgTexts{QStringLiteral("ACC"), QStringLiteral("0"), QString(),
                                                          QString(), QString(), QString()}});
    Platform::Dialogs::QueueAnswer(Platform::MsgAnswer::Ok);
    w->cmdProgCheck->click();
    QCoreApplication::processEvents();
    QVERIFY(w->ErrPaneFlag);
    QVERIFY(w->flgdPrgErrView->isVisible());
    QVERIFY2(area().contains(sub->geometry()), qPrintable(outside(sub->geometry(), area())));
    // The pane and its button lie inside the window, below the buttons; the
    // grid gave up the room the window could not grow by.
    const QRect pane = w->flgdPrgErrView->geometry();
    QVERIFY2(w->rect().contains(pane), qPrintable(outside(pane, w->rect())));
    QVERIFY(w->rect().contains(w->cmdCloseSyntaxErr->geometry()));
    QVERIFY(w->cmdInsLineProg->geometry().bottom() < pane.top());
    QVERIFY(w->flgdProgView->geometry().bottom() < w->cmdFileSaveProg->geometry().top());
    QVERIFY(w->flgdProgView->height() > 0);

    // Closing the pane gives back what the window grew by.
    w->cmdCloseSyntaxErr_Click();
    QCOMPARE(sub->height(), heightBefore);
    QVERIFY(area().contains(sub->geometry()));
}

void TestWindowPlacement::startRectangleFitsScreen_data()
{
    QTest::addColumn<QRect>("chosen");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("expected");
    // The first rectangle: 15240 x 11000 twips at 1000, 1000.
    const QRect first(Twips::ToPx(1000), Twips::ToPx(1000), Twips::ToPx(15240), Twips::ToPx(11000));
    QCOMPARE(first, QRect(66, 66, 1016, 733));
    const QMargins none;
    QTest::newRow("large screen keeps it") << first << none << QRect(0, 0, 1920, 1040) << first;
    QTest::newRow("1366x768: moved up") << first << none << QRect(0, 0, 1366, 768) << QRect(66, 35, 1016, 733);
    QTest::newRow("1366x768 with a taskbar: moved up, then shortened")
        << first << none << QRect(0, 0, 1366, 728) << QRect(66, 0, 1016, 728);
    QTest::newRow("1024x768: moved left and up") << first << none << QRect(0, 0, 1024, 768) << QRect(8, 35, 1016, 733);
    QTest::newRow("1024x768 with a taskbar") << first << none << QRect(0, 0, 1024, 728) << QRect(8, 0, 1016, 728);
    // The frame counts: the client shrinks by what the frame needs.
    QTest::newRow("1024x768 with a taskbar and a frame")
        << first << QMargins(8, 31, 8, 8) << QRect(0, 0, 1024, 728) << QRect(0, 0, 1008, 689);
    QTest::newRow("large screen with a frame keeps it") << first << QMargins(8, 31, 8, 8) << QRect(0, 0, 1920, 1040) << first;
    QTest::newRow("a screen right of the primary") << QRect(1400, 66, 1016, 733) << none << QRect(1366, 0, 1024, 728)
                                                   << QRect(1374, 0, 1016, 728);
    QTest::newRow("larger than the screen") << QRect(-50, -50, 3000, 2000) << none << QRect(0, 0, 1366, 728)
                                            << QRect(0, 0, 1366, 728);
}

// The first rectangle does not fit a 1366x768 or 1024x768 screen: it is
// moved in, and shrunk only where moving is not enough.
void TestWindowPlacement::startRectangleFitsScreen()
{
    QFETCH(QRect, chosen);
    QFETCH(QMargins, frame);
    QFETCH(QRect, area);
    QFETCH(QRect, expected);
    const QRect placed = OnScreen::StartRect(chosen, frame, area);
    QCOMPARE(placed, expected);
    // The frame's corner and the client size: the frame ends below and right.
    QVERIFY(area.contains(QRect(placed.topLeft(), placed.size().grownBy(frame))));
}

void TestWindowPlacement::chosenRectangleKept_data()
{
    QTest::addColumn<bool>("moved");
    QTest::newRow("window left where the start put it") << false;
    QTest::newRow("window moved by the user") << true;
}

// The settings keep the rectangle the user chose on a larger screen, until
// the user moves the window on this one.
void TestWindowPlacement::chosenRectangleKept()
{
    QFETCH(bool, moved);
    TestEnv::Scope env;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // Past this screen's right and bottom edges.
    const QRect chosen(area.right() - 300, area.bottom() - 200, 900, 600);
    const auto store = [](const char *key, int px) { Platform::SaveSetting(QString::fromLatin1(key), QString::number(px * 15)); };
    store("MainLeft", chosen.x());
    store("MainTop", chosen.y());
    store("MainWidth", chosen.width());
    store("MainHeight", chosen.height());
    MainScope s;
    s.main.RestoreRect();
    s.main.ShowPosiWindowOnce();
    const QRect placed(s.main.pos(), s.main.size());
    QVERIFY2(area.contains(placed), qPrintable(outside(placed, area)));
    QCOMPARE(placed.size(), chosen.size());
    QRect kept = chosen;
    if (moved) {
        s.main.move(area.topLeft() + QPoint(20, 30));
        kept = QRect(s.main.pos(), s.main.size());
    }
    AppSettings::SaveAppSettingOf(s.main.MainRectToKeep());
    const auto stored = [](const char *key) { return Platform::GetSetting(QString::fromLatin1(key)).toInt() / 15; };
    QCOMPARE(QRect(stored("MainLeft"), stored("MainTop"), stored("MainWidth"), stored("MainHeight")), kept);
}

// The offscreen platform's screen (800x600) is smaller than the monitor
// window; the test's own screen is one a desktop has.
int main(int argc, char **argv)
{
    QTemporaryDir dir;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && dir.isValid()) {
        const QString config = dir.filePath(QStringLiteral("screen.json"));
        QFile f(config);
        if (f.open(QIODevice::WriteOnly)) {
            f.write(R"({"screens":[{"name":"desk","x":0,"y":0,"width":1600,"height":1200,"logicalDpi":96}]})");
            f.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    TestWindowPlacement t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_windowplacement.moc"
