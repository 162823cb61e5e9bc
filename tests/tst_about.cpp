// The About box, the system information program and the help file.
#include <QtTest>

#include "core/AppState.h"
#include "app/HelpViewer.h"
#include "core/ModuleHelp.h"
#include "app/AboutDialog.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QPushButton>

using namespace Platform;

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SysInfo::ResetTool();
        HelpViewer::ResetViewer();
    }
    void cleanup() { init(); }

    void versionLabel();
    void englishTexts();
    void helpCommandWithoutFile();
    void sysInfo_data();
    void sysInfo();
    void sysInfoNotStartable();
    void help_data();
    void help();
};

void TestAbout::versionLabel()
{
    TestEnv::Scope env;
    AboutDialog dlg;
    const QString expected = QStringLiteral("Version %1.%2%3")
                                 .arg(REZ4_VERSION_MAJOR).arg(REZ4_VERSION_MINOR).arg(REZ4_VERSION_PATCH);
    QCOMPARE(dlg.lblVersion->text(), expected);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("バージョン情報"));
    QVERIFY(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+$")).match(dlg.lblVersion->text()).hasMatch());
    dlg.cmdOK->click();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

void TestAbout::englishTexts()
{
    TestEnv::Scope env;
    App().Language = 2;
    App().LangOffset = 10000;
    AboutDialog dlg;
    QCOMPARE(dlg.lblTitle2->text(), *LoadResString(11203));
    QCOMPARE(dlg.lblDescription->text(), *LoadResString(11204));
    QCOMPARE(dlg.lblDisclaimer->text(), *LoadResString(11205));
    QVERIFY(dlg.lblVersion->text().startsWith(QLatin1String("Version ")));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("About"));
    // No English twin: the buttons keep their design captions.
    QVERIFY(!LoadResString(13048));
    QCOMPARE(dlg.cmdSysInfo->text(), *LoadResString(3048));
    QCOMPARE(dlg.cmdOK->text(), QStringLiteral("OK"));
}

void TestAbout::helpCommandWithoutFile()
{
    TestEnv::Scope env;
    ModuleHelp::ResetHelpState();
    ModuleHelp::Help().HelpFile = env.path("veve7ror.uri");
    bool viewed = false;
    HelpViewer::Viewer().OpenDocument = [&](const QString &) { return viewed = true; };
    HelpViewer::ShowHelp(nullptr, ResText(414));
    QVERIFY(!viewed);
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(414)});
    ModuleHelp::ResetHelpState();
}

void TestAbout::sysInfo_data()
{
    QTest::addColumn<QStringList>("present");   // candidates that exist (others are missing)
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<int>("startedIndex");      // -1 = nothing started
    QTest::newRow("none installed") << QStringList{} << true << -1;
    QTest::newRow("first installed") << QStringList{"a", "b"} << true << 0;
    QTest::newRow("only second installed") << QStringList{"b"} << true << 1;
    QTest::newRow("found but will not start") << QStringList{"a"} << false << 0;
}

void TestAbout::sysInfo()
{
    QFETCH(QStringList, present);
    QFETCH(bool, startWorks);
    QFETCH(int, startedIndex);
    TestEnv::Scope env;
    const QStringList candidates{env.path("a"), env.path("b")};
    for (const QString &name : present)
        env.writeFile(name, "#!/bin/sh\n");
    QStringList started;
    SysInfo::Tool().Candidates = candidates;
    SysInfo::Tool().Start = [&](const QString &p) { started << p; return startWorks; };

    AboutDialog dlg;
    dlg.cmdSysInfo->click();

    QCOMPARE(started, startedIndex < 0 ? QStringList{} : QStringList{candidates[startedIndex]});
    const bool failed = startedIndex < 0 || !startWorks;
    QCOMPARE(Dialogs::ShownTexts(), failed ? QStringList{ResText(1206)} : QStringList{});
    if (failed)
        QCOMPARE(Dialogs::Shown().front().icon, MsgIcon::None);
}

void TestAbout::sysInfoNotStartable()
{
    // A file at the known place that is no program: the real start fails.
    TestEnv::Scope env;
    SysInfo::Tool().Candidates = {env.writeFile("notaprogram", "plain text")};
    AboutDialog::StartSysInfo();
    QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(1206)});
}

void TestAbout::help_data()
{
    QTest::addColumn<QString>("file");      // "" = empty name, "missing", "present"
    QTest::addColumn<bool>("viewerWorks");
    QTest::addColumn<bool>("opened");
    QTest::newRow("present") << "present" << true << true;
    QTest::newRow("missing") << "missing" << true << false;
    QTest::newRow("empty name") << "" << true << false;
    QTest::newRow("no viewer") << "present" << false << false;
}

void TestAbout::help()
{
    QFETCH(QString, file);
    QFETCH(bool, viewerWorks);
    QFETCH(bool, opened);
    TestEnv::Scope env;
    QString path;
    if (file == QLatin1String("present"))
        path = env.writeFile("veve7ror.uri", "<html></html>");
    else if (file == QLatin1String("missing"))
        path = env.path("veve7ror.uri");
    QStringList viewed;
    HelpViewer::Viewer().OpenDocument = [&](const QString &p) { viewed << p; return viewerWorks; };

    HelpViewer::ShowHelpFile(path, nullptr, ResText(414));

    if (opened) {
        QCOMPARE(viewed, QStringList{path});
        QVERIFY(Dialogs::Shown().empty());
    } else {
        QCOMPARE(Dialogs::ShownTexts(), QStringList{ResText(414)});
        QCOMPARE(Dialogs::Shown().front().icon, MsgIcon::Information);
    }
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
