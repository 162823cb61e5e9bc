// The program printout: pages of the grid's rows on the recording printer,
// the program window's print command, and a real PDF file.
#include "core/AppState.h"
#include "platform/Dialogs.h"
#include "print/PrintProg.h"
#include "prog/ProgLines.h"
#include "support/PdfTools.h"
#include "support/RecordingPrinter.h"
#include "support/TestEnv.h"
#include "ui/prog/ProgramWindow.h"

#include <QPushButton>
#include <QtTest>

namespace Dlg = Platform::Dialogs;
using PrintProg::ProgTable;

namespace {

// Titles and `rows` lines "<n>", "TIM", ... with comment "c<n>".
ProgTable table(int rows)
{
    ProgTable t(size_t(rows + 1));
    t[0] = {QStringLiteral("No."), QStringLiteral("Command"), QStringLiteral("Operation1"),
            QStringLiteral("Operation2"), QStringLiteral("Condition"), QStringLiteral("Result"),
            QStringLiteral("Comment")};
    for (int r = 1; r <= rows; ++r)
        t[size_t(r)] = {QString::number(r), QStringLiteral("TIM"), QStringLiteral("1.5"), QString(), QString(),
                        QString(), r == 2 ? QString() : QStringLiteral("c%1").arg(r)};
    return t;
}

std::vector<ProgData::ProgTexts> timLines(int n)
{
    std::vector<ProgData::ProgTexts> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back({QStringLiteral("TIM"), QStringLiteral("1"), QString(), QString(), QString(),
                         QStringLiteral("line %1").arg(i)});
    return lines;
}

} // namespace

class TestPrintProg : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
    }
    void cleanup() { env.reset(); }

    void pages_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("title row only") << 0 << 0;
        QTest::newRow("38 fill a page") << 38 << 1;
        QTest::newRow("39") << 39 << 2;
    }
    void pages()
    {
        QFETCH(int, rows);
        RecordingPrinter p(200, 230);   // 4 mm lines: 46 pitch lines
        QCOMPARE(PrintProg::DrawProgram(p, table(rows), {QStringLiteral("Program 3"), false}),
                 Print::JobEnd::Printed);
        QVERIFY(p.EndDoc());
        QCOMPARE(Print::State().PrintPitchLinesPerPage, 46);
        QTEST(int(p.pages.size()), "pages");
        if (rows == 0)
            return;
        QCOMPARE(p.Find(1, QStringLiteral("1"))->y, 30.0);
        QCOMPARE(p.Find(1, QStringLiteral("38"))->y, 43 * 5.0);
        QCOMPARE(p.Find(1, QStringLiteral(":"))->x, 130.0);   // an empty comment
        QCOMPARE(p.Find(1, QStringLiteral("Program 3"))->x, 20.0);
        QCOMPARE(p.Find(1, QStringLiteral("Comment"))->x, 150.0);
        if (rows == 39) {
            QCOMPARE(p.Find(2, QStringLiteral("39"))->y, 30.0);
            const auto *page = p.Find(2, QStringLiteral("Page:2"));
            QVERIFY(page);
            QCOMPARE(page->y, 3 * 4.0 + 11 * 25.4 / 72);   // the text line after the name line
        }
    }

    void printCommand_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("nameLine");
        QTest::newRow("file") << QStringLiteral("Program [ABC]") << QStringLiteral("File Name: ABC.prg");
        QTest::newRow("no file") << QStringLiteral("Program 3") << QStringLiteral("Program 3");
    }
    void printCommand()
    {
        QFETCH(QString, caption);
        ProgramWindow w;
        w.setWindowTitle(caption);
        ProgData::FillGrid(*w.flgdProg, timLines(3));
        auto p = std::make_shared<RecordingPrinter>();
        Dlg::QueuePrinter(p);
        w.cmdPrintProg->click();
        QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Printing Program Data,Yes?")});
        QVERIFY(p->ended);
        QTEST(p->Texts(1).value(1), "nameLine");
        QVERIFY(p->Find(1, QStringLiteral(":line 3")));
        QVERIFY(w.cmdPrintProg->isEnabled());
        QVERIFY(!w.ProgBusyFlag);
    }

    void cancelAtQuestion()
    {
        ProgramWindow w;
        ProgData::FillGrid(*w.flgdProg, timLines(1));
        Dlg::QueueAnswer(Platform::MsgAnswer::Cancel);
        w.ProgDataPrint();
        QCOMPARE(Dlg::PrinterDialogsShown(), 0);
        QVERIFY(w.cmdFileSaveProg->isEnabled());
    }

    void pdfHundredRows()
    {
        QVERIFY2(PdfTools::Missing().isEmpty(), qPrintable(PdfTools::Missing()));
        ProgramWindow w;
        w.setWindowTitle(QStringLiteral("Program [LONG]"));
        ProgData::FillGrid(*w.flgdProg, timLines(100));
        const QString pdf = env->path(QStringLiteral("prog.pdf"));
        Dlg::QueuePrinterPdf(pdf);
        w.ProgDataPrint();
        QCOMPARE(PdfTools::Pages(pdf), 3);
        const QString page2 = PdfTools::Text(pdf, 2);
        QVERIFY2(page2.contains(QStringLiteral("QZ-TQ7 Program data")) && page2.contains(QStringLiteral("Page:2"))
                     && page2.contains(QStringLiteral("File Name: LONG.prg")),
                 qPrintable(page2));
    }
};

QTEST_MAIN(TestPrintProg)
#include "tst_print_prog.moc"
