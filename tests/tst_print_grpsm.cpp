// The printer, the line metrics and page frame, and the group and macro
// printouts: drawn on the recording printer and printed to real PDF files.
#include "core/AppState.h"
#include "platform/Dialogs.h"
#include "print/PrintFrame.h"
#include "print/PrintGrpSm.h"
#include "support/PdfTools.h"
#include "support/RecordingPrinter.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QtTest>

namespace Dlg = Platform::Dialogs;
using Item = RecordingPrinter::Item;

namespace {

const QDateTime kWhen(QDate(2026, 3, 4), QTime(5, 6, 7));

std::shared_ptr<RecordingPrinter> queueRecorder(double w = 200, double h = 287)
{
    auto p = std::make_shared<RecordingPrinter>(w, h);
    Dlg::QueuePrinter(p);
    return p;
}

void english()
{
    App().LangOffset = 10000;
    Print::State().Clock = [] { return kWhen; };
}

GrpSm::GroupTable numberedGroups()
{
    GrpSm::GroupTable t{};
    for (int g = 1; g <= GrpSm::kGroupCount; ++g) {
        t[size_t(g)][0] = int16_t(g);
        t[size_t(g)][1] = int16_t(g + 100);
    }
    return t;
}

GrpSm::MacroTable timerMacros()
{
    GrpSm::MacroTable t{};
    for (int m = 1; m <= GrpSm::kMacroCount; ++m)
        for (int s = 0; s < GrpSm::kMacroSteps; ++s) {
            t[size_t(s)][size_t(GrpSm::MacroCodeCol(m))] = 5;
            t[size_t(s)][size_t(GrpSm::MacroCodeCol(m) + 1)] = int16_t(m % 10);
        }
    return t;
}

} // namespace

class TestPrintGrpSm : public QObject {
    Q_OBJECT
private slots:
    void metrics_data();
    void metrics();
    void pageOnlyWhenDrawn();
    void footerAndPageNumber();
    void groupLayout();
    void macroPages_data();
    void macroPages();
    void macroStepNames();
    void cancelIsSilent();
    void failedJobs_data();
    void failedJobs();
    void pdfGroupsAndMacros();
    void pdfUnwritable();
};

void TestPrintGrpSm::metrics_data()
{
    QTest::addColumn<double>("textHeight");
    QTest::addColumn<double>("pageHeight");
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pitchLines");
    QTest::newRow("4.5 mm ties to 4") << 4.5 << 280.0 << 4 << 70 << 56;
    QTest::newRow("5.5 mm ties to 6") << 5.5 << 280.0 << 6 << 46 << 40;
    QTest::newRow("5 mm on 280 mm") << 5.0 << 280.0 << 5 << 56 << 46;
}

void TestPrintGrpSm::metrics()
{
    QFETCH(double, textHeight);
    QFETCH(double, pageHeight);
    TestEnv::Scope env;
    RecordingPrinter p(190, pageHeight);
    p.fixedLineHeight = textHeight;
    QVERIFY(Print::SetPrinterMetrics(p));
    const auto &s = Print::State();
    QTEST(int(s.PrintLineHeight), "lineHeight");
    QCOMPARE(s.PrintLinePitch, s.PrintLineHeight + 1);
    QTEST(int(s.PrintLinesPerPage), "lines");
    QTEST(int(s.PrintPitchLinesPerPage), "pitchLines");
    QCOMPARE(s.PrintBodyHeight, s.PrintLinesPerPage * s.PrintLineHeight);
    QCOMPARE(s.PrintRightEdge, 180);
}

void TestPrintGrpSm::pageOnlyWhenDrawn()
{
    TestEnv::Scope env;
    RecordingPrinter p;
    p.NewPage();
    p.SetCurrentX(10);
    p.Print(QStringLiteral("a"));
    p.NewPage();
    p.NewPage();
    QVERIFY(p.EndDoc());
    QCOMPARE(p.pages.size(), 1);

    RecordingPrinter empty;
    QVERIFY(empty.EndDoc());
    QVERIFY(empty.pages.isEmpty());
}

void TestPrintGrpSm::footerAndPageNumber()
{
    TestEnv::Scope env;
    english();
    RecordingPrinter p(200, 280);
    p.fixedLineHeight = 5;
    QVERIFY(Print::SetPrinterMetrics(p));
    Print::State().PrintPageNo = 12;
    Print::PrintSqMcrPageFrame(p, QStringLiteral("a.smd"));

    const Item *page = p.Find(1, QStringLiteral("Page:12"));
    QVERIFY(page);
    QCOMPARE(page->y, 15.0);
    QCOMPARE(page->x + p.TextWidth(QStringLiteral("Page:12")), 190.0);
    const Item *footer = p.Find(1, Print::FooterText(kWhen));
    QVERIFY(footer);
    QCOMPARE(footer->y, 275.0);
    QVERIFY(footer->bold && footer->italic);
    const auto lines = p.Lines(1);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].y, 20.0);   // header rule on line 4
    QCOMPARE(lines[1].y, 275.0);  // along the top of the footer
    QCOMPARE(lines[1].x2, 190.0);
    QVERIFY(p.Find(1, QStringLiteral("QZ-TQ7 S/M Data")));
    QCOMPARE(p.Find(1, QStringLiteral("File Name:a.smd"))->x, 70.0);
}

void TestPrintGrpSm::groupLayout()
{
    TestEnv::Scope env;
    english();
    auto p = queueRecorder();
    p->fixedLineHeight = 4;
    PrintGrpSm::PrintGrpData(numberedGroups(), QStringLiteral("INDICATED DATA"));
    QVERIFY(p->ended);
    QCOMPARE(p->pages.size(), 1);
    const QStringList texts = p->Texts(1);
    QVERIFY(texts.contains(QStringLiteral("QZ-TQ7 Group Data")));
    QVERIFY(texts.contains(QStringLiteral("File Name:INDICATED DATA")));
    QVERIFY(texts.filter(QStringLiteral("Page:")).isEmpty());

    struct Want { QString text; double x; int line; };
    const QList<Want> wants{{QStringLiteral("No. 7:"), 22, 12},   {QStringLiteral(" 7"), 40, 12},
                            {QStringLiteral(" 107"), 64, 12},     {QStringLiteral("No. 50:"), 22, 55},
                            {QStringLiteral("No. 51:"), 102, 6},  {QStringLiteral("No. 99:"), 102, 54},
                            {QStringLiteral(" 199"), 144, 54},    {QStringLiteral("<GRP No>"), 18, 5}};
    for (const Want &w : wants) {
        const Item *it = p->Find(1, w.text);
        QVERIFY2(it, qPrintable(w.text));
        QCOMPARE(it->x, w.x);
        QCOMPARE(it->y, w.line * 4.0);
    }
}

void TestPrintGrpSm::macroPages_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("pages");
    QTest::newRow("1-20") << 1 << 20 << 3;
    QTest::newRow("exactly nine") << 1 << 9 << 1;
    QTest::newRow("start above end") << 5 << 4 << 0;
}

void TestPrintGrpSm::macroPages()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, pages);
    TestEnv::Scope env;
    english();
    auto p = queueRecorder();
    PrintGrpSm::PrintSqMcr(timerMacros(), first, last, QStringLiteral("INDICATED DATA"));
    QVERIFY(p->ended);
    QCOMPARE(p->pages.size(), pages);
    if (pages == 3) {
        QVERIFY(p->Find(3, QStringLiteral("Page:3")));
        const Item *m19 = p->Find(3, QStringLiteral("<SM No.19>"));
        const Item *m20 = p->Find(3, QStringLiteral("<SM No.20>"));
        QVERIFY(m19 && m20);
        QCOMPARE(m19->x, 18.0);
        QCOMPARE(m20->x, 80.0);
        QCOMPARE(m19->y, 20.0);
        QCOMPARE(m20->y, 20.0);
        // The last block of a page: third row, third column.
        const Item *m9 = p->Find(1, QStringLiteral("<SM No.9>"));
        QCOMPARE(m9->x, 134.0);
        QCOMPARE(m9->y, 45 * 4.0);
    }
}

void TestPrintGrpSm::macroStepNames()
{
    TestEnv::Scope env;
    english();
    GrpSm::MacroTable t{};
    const int col = GrpSm::MacroCodeCol(1);
    const int codes[] = {3, 9, 15, 6};
    for (int s = 0; s < 4; ++s) {
        t[size_t(s)][size_t(col)] = int16_t(codes[s]);
        t[size_t(s)][size_t(col + 1)] = int16_t(s);
    }
    RecordingPrinter p;
    QCOMPARE(PrintGrpSm::DrawSqMcr(p, t, 1, 1, QString()), Print::JobEnd::Printed);
    QStringList names;
    for (const Item &it : p.pages[0])
        if (it.x == 36 && it.y >= 7 * 4)
            names << it.text;
    QCOMPARE(names.mid(0, 5), (QStringList{QStringLiteral("3. OUT-ON"), QStringLiteral("9"),
                                            QStringLiteral("0. END"), QStringLiteral("6. TIMER10"),
                                            QStringLiteral("0. END")}));
}

void TestPrintGrpSm::cancelIsSilent()
{
    TestEnv::Scope env;
    english();
    Dlg::QueuePrinter(nullptr);
    PrintGrpSm::PrintGrpData(numberedGroups(), QStringLiteral("x"));
    PrintGrpSm::PrintSqMcr(timerMacros(), 1, 20, QStringLiteral("x"));   // empty queue: Cancel too
    QCOMPARE(Dlg::PrinterDialogsShown(), 2);
    QVERIFY(Dlg::ShownTexts().isEmpty());
}

void TestPrintGrpSm::failedJobs_data()
{
    QTest::addColumn<bool>("groups");
    QTest::addColumn<double>("pageHeight");
    QTest::addColumn<double>("lineHeight");
    QTest::addColumn<int>("failPage");
    QTest::addColumn<QString>("message");
    const QString failed = QStringLiteral("The data could not be printed. The printout was cancelled.");
    const QString small = QStringLiteral("The chosen paper cannot hold this printout. Please choose a larger paper.");
    QTest::newRow("groups on 56 lines") << true << 224.0 << 4.0 << 0 << small;
    QTest::newRow("groups on 57 lines") << true << 228.0 << 4.0 << 0 << QString();
    QTest::newRow("macros on 63 lines") << false << 255.0 << 4.0 << 0 << small;
    QTest::newRow("macros on 64 lines") << false << 256.0 << 4.0 << 0 << QString();
    QTest::newRow("line height 0") << true << 287.0 << 0.4 << 0 << failed;
    QTest::newRow("first page not started") << true << 287.0 << 4.0 << 1 << failed;
    QTest::newRow("third page not started") << false << 287.0 << 4.0 << 3 << failed;
}

void TestPrintGrpSm::failedJobs()
{
    QFETCH(bool, groups);
    QFETCH(double, pageHeight);
    QFETCH(double, lineHeight);
    QFETCH(int, failPage);
    QFETCH(QString, message);
    TestEnv::Scope env;
    english();
    auto p = queueRecorder(200, pageHeight);
    p->fixedLineHeight = lineHeight;
    p->failPage = failPage;
    if (groups)
        PrintGrpSm::PrintGrpData(numberedGroups(), QStringLiteral("x"));
    else
        PrintGrpSm::PrintSqMcr(timerMacros(), 1, 20, QStringLiteral("x"));
    if (message.isEmpty()) {
        QVERIFY(Dlg::ShownTexts().isEmpty());
        QVERIFY(p->ended);
        return;
    }
    QCOMPARE(Dlg::ShownTexts(), QStringList{message});
    QVERIFY(p->aborted);
    QVERIFY(!p->ended);
    if (failPage == 0)
        QVERIFY(p->pages.isEmpty());   // refused before anything was drawn
}

void TestPrintGrpSm::pdfGroupsAndMacros()
{
    QVERIFY2(PdfTools::Missing().isEmpty(), qPrintable(PdfTools::Missing()));
    TestEnv::Scope env;
    english();
    const QString grp = env.path(QStringLiteral("grp.pdf"));
    const QString sm = env.path(QStringLiteral("sm.pdf"));
    Dlg::QueuePrinterPdf(grp);
    PrintGrpSm::PrintGrpData(numberedGroups(), QStringLiteral("INDICATED DATA"));
    // 11 pt measures 4 mm on A4 with 5 mm margins.
    const auto &s = Print::State();
    QCOMPARE(s.PrintLineHeight, 4);
    QCOMPARE(s.PrintLinesPerPage, 71);
    QCOMPARE(s.PrintPitchLinesPerPage, 57);
    Dlg::QueuePrinterPdf(sm);
    PrintGrpSm::PrintSqMcr(timerMacros(), 1, 20, QStringLiteral("m.smd"));
    QVERIFY(Dlg::ShownTexts().isEmpty());
    QCOMPARE(PdfTools::Pages(grp), 1);
    QCOMPARE(PdfTools::Pages(sm), 3);
    const QString g = PdfTools::Text(grp);
    QVERIFY2(g.contains(QStringLiteral("QZ-TQ7 Group Data")) && g.contains(QStringLiteral("No. 99:")),
             qPrintable(g));
    const QString m3 = PdfTools::Text(sm, 3);
    QVERIFY2(m3.contains(QStringLiteral("Page:3")) && m3.contains(QStringLiteral("<SM No.20>")), qPrintable(m3));

    // Japanese: the Japanese titles in a face that holds them.
    App().LangOffset = 0;
    const QString ja = env.path(QStringLiteral("grp-ja.pdf"));
    Dlg::QueuePrinterPdf(ja);
    PrintGrpSm::PrintGrpData(numberedGroups(), QStringLiteral("INDICATED DATA"));
    QVERIFY(PdfTools::Text(ja).contains(QStringLiteral("グループデータ")));
}

void TestPrintGrpSm::pdfUnwritable()
{
    TestEnv::Scope env;
    english();
    const QString path = env.path(QStringLiteral("no-such-folder/grp.pdf"));
    Dlg::QueuePrinterPdf(path);
    PrintGrpSm::PrintGrpData(numberedGroups(), QStringLiteral("x"));
    QCOMPARE(Dlg::ShownTexts(),
             QStringList{QStringLiteral("The data could not be printed. The printout was cancelled.")});
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestPrintGrpSm)
#include "tst_print_grpsm.moc"
