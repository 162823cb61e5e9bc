// Start-up settings, help path and string-table localisation of windows.
#include <QtTest>

#include "core/AppState.h"
#include "ui/common/Localize.h"
#include "core/AppSettings.h"
#include "core/FixedText.h"
#include "ui/common/Widgets.h"
#include "core/ModuleHelp.h"
#include "app/Startup.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "app/SplashWindow.h"
#include "platform/AppPaths.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "support/TestEnv.h"

#include <QDialog>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

class TestAppCore : public QObject {
    Q_OBJECT
private slots:
    void startValues();
    void settingsReaders_data();
    void settingsReaders();
    void helpPath_data();
    void helpPath();
    void splashVersion();
    void captionFromRes_data();
    void captionFromRes();
    void captionWalkSkipsFailuresAndGoesOn();
    void menusToolbarAndColumns();
    void captionFromTagIgnoresLanguage();
    void stringIdsDefinedOnce();
    void imeOffAndOn();
};

void TestAppCore::startValues()
{
    TestEnv::Scope env;
    Platform::SaveSetting(QStringLiteral("Language"), QStringLiteral("2"));
    Platform::SaveSetting(QStringLiteral("PortNo"), QStringLiteral("3"));
    AppState &a = App();
    a.OfflineFlag = false;
    a.HomeDoneFlag = true;
    a.LanguageChange = true;
    a.SelProgNo = 40;
    a.BaudIndex = 2;
    a.AxisNotUsed = {true, true, true, true};
    ParadataState &p = Paradata();
    p.DevSetting.DevSize[1] = QStringLiteral(" 28");
    p.DevSetting.DevStroke[2] = 100;
    p.DevSetting.DevQzFlag[3] = false;
    p.DevSeries[0] = QStringLiteral("CM");
    QVERIFY(Comm::QueueRequest(QStringLiteral("0RS"), 8, 1000, 0) > 0);

    Startup::SetStartValues();

    QVERIFY(a.OfflineFlag);
    QVERIFY(!a.HomeDoneFlag);
    QVERIFY(!a.LanguageChange);
    QCOMPARE(a.SelProgNo, 1);
    QCOMPARE(a.BaudIndex, 0);
    QCOMPARE(a.LangOffset, 10000);
    QCOMPARE(a.PortNo, 3);
    for (int axis = 0; axis < 4; ++axis) {
        QVERIFY(!a.AxisNotUsed[axis]);
        QVERIFY(p.DevSetting.DevSize[axis].isEmpty());
        QCOMPARE(p.DevSetting.DevStroke[axis], 0);
        QVERIFY(p.DevSetting.DevQzFlag[axis]);
        QCOMPARE(p.DevSeries[axis], QStringLiteral("QZ"));
    }
    QCOMPARE(Comm::Queues().RequestQueueLast, -1);
    QCOMPARE(Comm::Queues().RequestID, 1000);
    Comm::ResetQueueState();
    ResetParadataState();
}

void TestAppCore::settingsReaders_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");   // null = not stored
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("expected");
    const QString none;
    QTest::newRow("nothing stored: Japanese") << "Language" << none << "LangOffset" << 0;
    QTest::newRow("Language 1: Japanese") << "Language" << "1" << "LangOffset" << 0;
    QTest::newRow("Language 2: English") << "Language" << "2" << "LangOffset" << 10000;
    QTest::newRow("Language 0: English") << "Language" << "0" << "LangOffset" << 10000;
    QTest::newRow("Language 5: English") << "Language" << "5" << "LangOffset" << 10000;
    QTest::newRow("Language 2.0: English") << "Language" << "2.0" << "LangOffset" << 10000;
    QTest::newRow("Language 1.4 rounds to 1") << "Language" << " 1.4 " << "LangOffset" << 0;
    QTest::newRow("Language past 16 bits: default") << "Language" << "40000" << "LangOffset" << 0;
    QTest::newRow("Language inf: default") << "Language" << "inf" << "LangOffset" << 0;
    QTest::newRow("Language hand-edited text: default") << "Language" << "eng" << "LangOffset" << 0;
    QTest::newRow("nothing stored: port 1") << "PortNo" << none << "PortNo" << 1;
    QTest::newRow("port 3") << "PortNo" << "3" << "PortNo" << 3;
    QTest::newRow("port hand-edited: default") << "PortNo" << "COM3" << "PortNo" << 1;
    QTest::newRow("nothing stored: occupy") << "PortOccupy" << none << "PortOccupy" << 1;
    QTest::newRow("occupy -3: True") << "PortOccupy" << "-3" << "PortOccupy" << 1;
    QTest::newRow("occupy 0: False") << "PortOccupy" << "0" << "PortOccupy" << 0;
    QTest::newRow("round up -3: True") << "MmRoundUp" << "-3" << "MmRoundUp" << 1;
    QTest::newRow("round up 0: False") << "MmRoundUp" << "0" << "MmRoundUp" << 0;
    QTest::newRow("round up hand-edited: default") << "MmRoundUp" << "yes" << "MmRoundUp" << 1;
    QTest::newRow("mm unit nothing stored") << "DispMmUnit" << none << "DispMmUnit" << 1;
    QTest::newRow("mm unit 0: pulses") << "DispMmUnit" << "0" << "DispMmUnit" << 0;
}

void TestAppCore::settingsReaders()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, field);
    QFETCH(int, expected);
    TestEnv::Scope env;
    if (!stored.isNull())
        Platform::SaveSetting(key, stored);
    // Start values that differ from every expected default.
    App().LangOffset = -1;
    App().PortNo = -1;
    App().PortOccupy = !expected;
    App().MmRoundUp = !expected;
    App().DispMmUnit = !expected;
    if (key == QLatin1String("DispMmUnit"))
        AppSettings::GetDispMmUnit();
    else
        AppSettings::LoadAppSetting();
    const AppState &a = App();
    const int actual = field == QLatin1String("LangOffset") ? a.LangOffset
                       : field == QLatin1String("PortNo")   ? a.PortNo
                       : field == QLatin1String("PortOccupy") ? int(a.PortOccupy)
                       : field == QLatin1String("MmRoundUp")  ? int(a.MmRoundUp)
                                                              : int(a.DispMmUnit);
    QCOMPARE(actual, expected);
}

void TestAppCore::helpPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder") << "/opt/rez4/data" << "/opt/rez4/data/veve7ror.uri";
    QTest::newRow("folder with separator") << "/opt/rez4/data/" << "/opt/rez4/data/veve7ror.uri";
    QTest::newRow("root") << "/" << "/veve7ror.uri";
}

// The help file in the application folder, with exactly one separator
// between them; a second call does not stack folders.
void TestAppCore::helpPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    TestEnv::Scope env;
    Platform::SetAppFolder(folder);
    ModuleHelp::ResetHelpState();
    ModuleHelp::SetHelpFilePath();
    ModuleHelp::SetHelpFilePath();
    QCOMPARE(ModuleHelp::Help().HelpFile, expected);
}

void TestAppCore::splashVersion()
{
    TestEnv::Scope env;
    SplashWindow s;
    QCOMPARE(s.lblVersion->text(), QStringLiteral("Version %1.%2%3")
                                       .arg(REZ4_VERSION_MAJOR).arg(REZ4_VERSION_MINOR).arg(REZ4_VERSION_PATCH));
    QVERIFY(!App().SplashDone);
    s.timerSplash_Timer();
    QVERIFY(App().SplashDone);
    QVERIFY(!s.timerSplash->isActive());
}

// One control on a small window; its text after localisation.
void TestAppCore::captionFromRes_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expected");
    const QString design = QStringLiteral("design");
    QTest::newRow("button 150 Japanese") << 1 << "button" << "150" << "キャンセル";
    QTest::newRow("button 150 English") << 2 << "button" << "150" << "Cancel";
    QTest::newRow("label numeric") << 2 << "label" << "286" << "Alarm Reset";
    QTest::newRow("label digits and letters") << 2 << "label" << "150abc" << design;
    QTest::newRow("button digits and letters") << 2 << "button" << "150abc" << "Cancel";
    QTest::newRow("button tag 0") << 2 << "button" << "0" << design;
    QTest::newRow("label tag 0") << 2 << "label" << "0" << design;
    QTest::newRow("button empty tag") << 2 << "button" << "" << design;
    QTest::newRow("no such text") << 2 << "button" << "7777" << design;
    QTest::newRow("English sum past 16 bits") << 2 << "button" << "30000" << design;
    QTest::newRow("rounds half to even") << 2 << "label" << "150.5" << "Cancel";
    QTest::newRow("menu caption is a word") << 2 << "menu" << "File" << "File";
    QTest::newRow("menu caption numeric") << 2 << "menu" << "250" << "File(&F)";
    QTest::newRow("menu Japanese") << 1 << "menu" << "250" << "ファイル(&F)";
    QTest::newRow("window tag") << 2 << "window" << "202" << "Position Data";
    QTest::newRow("window empty tag") << 2 << "window" << "" << design;
}

void TestAppCore::captionFromRes()
{
    QFETCH(int, language);
    QFETCH(QString, kind);
    QFETCH(QString, tag);
    QFETCH(QString, expected);
    TestEnv::Scope env;
    App().LangOffset = language == 1 ? 0 : 10000;
    QWidget window;
    window.setWindowTitle(QStringLiteral("design"));
    auto *box = new QVBoxLayout(&window);
    std::function<QString()> text;
    if (kind == QLatin1String("button")) {
        auto *b = new QPushButton(QStringLiteral("design"), &window);
        Loc::SetTag(b, tag);
        box->addWidget(b);
        text = [b] { return b->text(); };
    } else if (kind == QLatin1String("label")) {
        auto *l = new QLabel(QStringLiteral("design"), &window);
        Loc::SetTag(l, tag);
        box->addWidget(l);
        text = [l] { return l->text(); };
    } else if (kind == QLatin1String("menu")) {
        auto *bar = new QMenuBar(&window);
        QMenu *m = bar->addMenu(tag);
        text = [m] { return m->title(); };
    } else {
        Loc::SetTag(&window, tag);
        text = [&window] { return window.windowTitle(); };
    }
    Loc::SetCaptionFromRes(&window);
    QCOMPARE(text(), expected);
}

void TestAppCore::captionWalkSkipsFailuresAndGoesOn()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    QWidget window;
    auto *edit = Loc::Tagged(new QLineEdit(QStringLiteral("typed"), &window), 150, 208);
    auto *after = Loc::Tagged(new QLabel(QStringLiteral("design"), &window), 286);
    auto *tipped = new QLabel(QStringLiteral("design"), &window);
    Loc::SetToolTipTag(tipped, QStringLiteral("209 text"));
    tipped->setToolTip(QStringLiteral("design tip"));
    Loc::SetCaptionFromRes(&window);
    QCOMPARE(edit->text(), QStringLiteral("typed"));   // no caption: left alone
    QCOMPARE(edit->toolTip(), QStringLiteral("Insert Line"));
    QCOMPARE(after->text(), QStringLiteral("Alarm Reset"));
    QCOMPARE(tipped->text(), QStringLiteral("design"));
    QCOMPARE(tipped->toolTip(), QStringLiteral("Delete Line"));
}

void TestAppCore::menusToolbarAndColumns()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    QWidget window;
    auto *bar = new QToolBar(&window);
    QAction *withTip = bar->addAction(QStringLiteral("新規作成"));
    withTip->setToolTip(QStringLiteral("3024"));
    QAction *noEnglish = bar->addAction(QStringLiteral("切り取り"));
    noEnglish->setToolTip(QStringLiteral("3028"));
    auto *view = new QTreeView(&window);
    auto *model = new QStandardItemModel(0, 2, view);
    model->setHorizontalHeaderLabels({QStringLiteral("a"), QStringLiteral("b")});
    view->setModel(model);
    Loc::SetColumnTags(view, {QStringLiteral("3008"), QStringLiteral("x")});
    Loc::SetCaptionFromRes(&window);
    QCOMPARE(withTip->toolTip(), QStringLiteral("New position data"));
    QCOMPARE(withTip->text(), QStringLiteral("新規作成"));         // the key stays
    QCOMPARE(noEnglish->toolTip(), QStringLiteral("3028"));         // no English twin
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Read"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("b"));
}

void TestAppCore::captionFromTagIgnoresLanguage()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    QWidget window;
    auto *b = Loc::Tagged(new QPushButton(&window), 150);
    auto *l = new QLabel(&window);
    Loc::Tagged(l, 286, 208);
    l->setToolTip(QStringLiteral("design tip"));
    auto *tabs = new QTabWidget(&window);
    tabs->addTab(new QWidget(tabs), QStringLiteral("t0"));
    tabs->addTab(new QWidget(tabs), QStringLiteral("t1"));
    tabs->setProperty(Loc::kTabTags, QStringList{QStringLiteral("3008"), QString()});
    tabs->setProperty(Loc::kTabToolTipTags, QStringList{QStringLiteral("3009")});
    Loc::SetCaptionFromTag(&window);
    QCOMPARE(b->text(), QStringLiteral("キャンセル"));
    QCOMPARE(l->text(), QStringLiteral("アラーム解除"));
    QCOMPARE(l->toolTip(), QStringLiteral("design tip"));   // labels: caption only
    QCOMPARE(tabs->tabText(0), QStringLiteral("読み込み"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("t1"));
    QCOMPARE(tabs->tabToolTip(0), QStringLiteral("書き込み"));
}

// Every strings/*.tsv file is one table: an identifier defined in two files
// would make one of the texts silently win.
void TestAppCore::stringIdsDefinedOnce()
{
    QHash<int, QString> seen;
    QStringList clashes;
    QDirIterator it(QStringLiteral(":/strings"), QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        for (const QByteArray &line : f.readAll().split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            bool ok = false;
            const int id = line.left(line.indexOf('\t')).trimmed().toInt(&ok);
            if (!ok)
                continue;
            if (seen.contains(id))
                clashes << QStringLiteral("%1 in %2 and %3").arg(id).arg(seen[id], path);
            else
                seen.insert(id, path);
        }
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
}

// Numeric grid cells switch the input method off while they are edited, and
// the switch must be undone for the cells that take text.
void TestAppCore::imeOffAndOn()
{
    QLineEdit edit;
    edit.setInputMethodHints(Qt::ImhNoAutoUppercase);
    Input::SetIMEStatus(&edit, false);
    QVERIFY(!edit.testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(edit.inputMethodHints() & Qt::ImhLatinOnly);
    QVERIFY(edit.inputMethodHints() & Qt::ImhNoAutoUppercase);
    Input::SetIMEStatus(&edit, true);
    QVERIFY(edit.testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(!(edit.inputMethodHints() & Qt::ImhLatinOnly));
    QVERIFY(edit.inputMethodHints() & Qt::ImhNoAutoUppercase);
    Input::SetIMEStatus(nullptr, false);   // no window: nothing happens
}

QTEST_MAIN(TestAppCore)
#include "tst_appcore.moc"
