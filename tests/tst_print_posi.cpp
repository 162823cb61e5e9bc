// The position printout: its frames and rows on the recording printer, the
// print command from the grid, and real PDF files.
#include "core/AppState.h"
#include "core/CommandSets.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "print/PrintPosi.h"
#include "support/PdfTools.h"
#include "support/RecordingPrinter.h"
#include "support/TestEnv.h"
#include "ui/posi/PosiPrint.h"
#include "ui/posi/PositionRangeDialogs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace Dlg = Platform::Dialogs;
using Item = RecordingPrinter::Item;

namespace {

// Stands for an open window's commands.
struct CommandsProbe : CommandSets::CommandSet {
    bool on = true;
    CommandsProbe() { CommandSets::Register(this); }
    ~CommandsProbe() override { CommandSets::Unregister(this); }
    void CommandsOff() override { on = false; }
    void CommandsOn() override { on = true; }
};

// PosiDataRead as a snapshot leaves it: titles "T0".."T28" in row 0, and
// "<n>", "<n>.<c>" in the rows of first..last; comments "c<n>".
void readTable(int first, int last)
{
    auto &read = Posi().PosiDataRead;
    for (int c = 0; c <= 28; ++c)
        read[0][c] = PosiValue(QStringLiteral("T%1").arg(c));
    for (int n = first; n <= last; ++n) {
        read[size_t(n)][0] = PosiValue(QString::number(n));
        for (int c = 1; c <= 27; ++c)
            read[size_t(n)][c] = PosiValue(QStringLiteral("%1.%2").arg(n).arg(c));
        read[size_t(n)][28] = PosiValue(QStringLiteral("c%1").arg(n));
    }
}

void range(int s, int e)
{
    Dlg::PushModalHandler([=](QDialog &d) {
        auto &dlg = static_cast<PositionRangeDialogBase &>(d);
        if (s == 0) {
            dlg.reject();
            return int(QDialog::Rejected);
        }
        dlg.txtStartPosiNo->setText(QString::number(s));
        dlg.txtEndPosiNo->setText(QString::number(e));
        dlg.cmdSelectPosiOk->click();
        return dlg.result();
    });
}

} // namespace

class TestPrintPosi : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

    // The grid of new data first..last, in the given mode.
    void grid(int first, int last, bool prgMode)
    {
        App().PrgModeFlag = prgMode;
        PosiTables::InitPosiData();
        for (int n = first; n <= last; ++n)
            Posi().PosiData[size_t(n)][PosiField::Comment] = QStringLiteral("p%1").arg(n);
        App().DispNoStart = first;
        App().DispNoEnd = last;
        PosiGrid::FillGridByMode();
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        App().DispMmUnit = false;
        auto &p = Paradata();
        for (int a = 0; a < 4; ++a) {
            p.DevSetting.DevLead[a] = 6;
            p.DevSetting.DevPPR[a] = 400;
            p.MaxPulse[a] = 6666;
            p.MaxMm[a] = 99.99;
            p.MaxSpeed[a] = 300;
        }
    }
    void cleanup() { env.reset(); }

    void pageCapacity_data()
    {
        QTest::addColumn<bool>("prgMode");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("pages");
        QTest::newRow("24 positioner") << false << 24 << 1;
        QTest::newRow("25 positioner") << false << 25 << 2;
        QTest::newRow("48 program") << true << 48 << 1;
        QTest::newRow("49 program") << true << 49 << 2;
        QTest::newRow("one position") << false << 1 << 1;
    }
    void pageCapacity()
    {
        QFETCH(bool, prgMode);
        QFETCH(int, last);
        readTable(1, last);
        RecordingPrinter p(200, 280);   // 4 mm lines: 56 pitch lines
        QCOMPARE(PrintPosi::DrawPosiData(p, prgMode, 1, last), Print::JobEnd::Printed);
        QVERIFY(p.EndDoc());
        QCOMPARE(Print::State().PrintPitchLinesPerPage, 56);
        QTEST(int(p.pages.size()), "pages");
        // The first position's rows start on line 6 at the pitch.
        QCOMPARE(p.Find(1, QStringLiteral("1"))->y, 30.0);
        if (p.pages.size() == 2) {
            QCOMPARE(p.Find(2, QString::number(last))->y, 30.0);
            QVERIFY(p.Find(2, QStringLiteral("Page:2")));
        }
    }

    void positionerRows()
    {
        readTable(7, 7);
        Posi().FileAxisName = {QStringLiteral("A"), QString(), QStringLiteral("C"), QStringLiteral("D")};
        RecordingPrinter p;
        PrintPosi::DrawPosiData(p, false, 7, 7);
        struct Want { QString text; double x, y; };
        const QList<Want> wants{
            {QStringLiteral("AXIS1:A  /  AXIS2:  /  AXIS3:C  /  AXIS4:D"), 20, 12},
            {QStringLiteral("T4") + QLatin1Char('1'), 54, 20},  {QStringLiteral("T10") + QLatin1Char('2'), 125, 20},
            {QStringLiteral("T16") + QLatin1Char('3'), 54, 24}, {QStringLiteral(":T28"), 166, 24},
            {QStringLiteral("T27"), 182, 20},                   {QStringLiteral("7.4"), 52, 30},
            {QStringLiteral("7.10"), 122, 30},                  {QStringLiteral("7.27"), 183, 30},
            {QStringLiteral("7.16"), 52, 35},                   {QStringLiteral("7.24"), 160, 35},
            {QStringLiteral(":c7"), 166, 35}};
        for (const Want &w : wants) {
            const Item *it = p.Find(1, w.text);
            QVERIFY2(it, qPrintable(w.text));
            QCOMPARE(it->x, w.x);
            QCOMPARE(it->y, w.y);
        }
        QCOMPARE(p.Find(1, QStringLiteral(":c7"))->size, 8.0);
        // Rules: under the header (line 5) and under the titles (line 7).
        const auto lines = p.Lines(1);
        QCOMPARE(lines[0].y, 20.0);
        QCOMPARE(lines[1].y, 28.0);
        QCOMPARE(lines[1].drawWidth, 3);
    }

    void programModeSkipsUnusedAxes()
    {
        readTable(1, 1);
        App().AxisNotUsed = {false, true, true, false};
        RecordingPrinter p;
        PrintPosi::DrawPosiData(p, true, 1, 1);
        const Item *axis4 = p.Find(1, QStringLiteral("1.22"));
        QVERIFY(axis4);
        QCOMPARE(axis4->x, 120.0);
        QVERIFY(!p.Find(1, QStringLiteral("1.10")));
        const Item *comment = p.Find(1, QStringLiteral(":c1"));
        QCOMPARE(comment->x, 120 + 4 * (11 * 25.4 / 72 / 2) + 30);   // 30 mm after "1.22"
        QCOMPARE(p.Find(1, QStringLiteral("T22"))->x, 120.0);
        QVERIFY(!p.Find(1, QStringLiteral("T10")));
    }

    void cancelKeepsSnapshot()
    {
        grid(1, 5, false);
        PosiGrid::Grid().SetText(PosiGrid::RowOf(3, 1), 28, QStringLiteral("hand"));
        CommandsProbe probe;
        range(2, 4);
        Dlg::QueuePrinter(nullptr);
        PosiPrint::PrintPosiData({QStringLiteral("a"), QStringLiteral("b"), QString(), QString()});
        QVERIFY(probe.on);
        QCOMPARE(Dlg::PrinterDialogsShown(), 1);
        QVERIFY(Dlg::ShownTexts().isEmpty());
        QCOMPARE(Posi().PosiDataRead[3][28].toString(), QStringLiteral("hand"));
        QCOMPARE(Posi().PosiDataRead[0][0].toString(), PosiGrid::Grid().Text(1, 0));
        QCOMPARE(Posi().FileAxisName[1], QStringLiteral("b"));
    }

    void noDataOrNoRange()
    {
        CommandsProbe probe;
        PosiPrint::PrintPosiData({});   // an empty grid
        QCOMPARE(Dlg::ShownTexts().size(), 1);
        grid(1, 5, false);
        range(0, 0);
        PosiPrint::PrintPosiData({});
        QCOMPARE(Dlg::PrinterDialogsShown(), 0);
        QVERIFY(!App().SelectCancelFlag);
        QVERIFY(probe.on);
    }

    void pdfWholeRange_data()
    {
        QTest::addColumn<bool>("prgMode");
        QTest::addColumn<int>("pages");
        QTest::newRow("positioner") << false << 40;
        QTest::newRow("program") << true << 21;
    }
    void pdfWholeRange()
    {
        QVERIFY2(PdfTools::Missing().isEmpty(), qPrintable(PdfTools::Missing()));
        QFETCH(bool, prgMode);
        grid(1, 999, prgMode);
        CommandsProbe probe;
        const QString pdf = env->path(QStringLiteral("posi.pdf"));
        range(1, 999);
        Dlg::QueuePrinterPdf(pdf);
        PosiPrint::PrintPosiData({QStringLiteral("28L-100"), QString(), QString(), QString()});
        QVERIFY(probe.on);
        QVERIFY(Dlg::ShownTexts().isEmpty());
        QTEST(PdfTools::Pages(pdf), "pages");
        const QString page2 = PdfTools::Text(pdf, 2);
        QVERIFY2(page2.contains(QStringLiteral("Page:2")) && page2.contains(QStringLiteral("QZ-TQ7 Position Data")),
                 qPrintable(page2));
        QVERIFY(page2.contains(QStringLiteral("AXIS1:28L-100")));
    }

    // The widest layout, with the longest texts a cell takes, stays inside
    // the printable area of A4 with 5 mm margins.
    void noInkOutsidePrintableArea()
    {
        QVERIFY2(PdfTools::Missing().isEmpty(), qPrintable(PdfTools::Missing()));
        grid(1, 25, false);
        for (int n = 1; n <= 25; ++n)
            PosiGrid::Grid().SetText(PosiGrid::RowOf(n, 1), 28, QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
        const QString pdf = env->path(QStringLiteral("ink.pdf"));
        range(1, 25);
        Dlg::QueuePrinterPdf(pdf);
        PosiPrint::PrintPosiData({QStringLiteral("WWWWWWWWWWWW"), QStringLiteral("WWWWWWWWWWWW"),
                                  QStringLiteral("WWWWWWWWWWWW"), QStringLiteral("WWWWWWWWWWWW")});
        QVERIFY(Dlg::ShownTexts().isEmpty());
        const int dpi = 100;
        const QImage page = PdfTools::Render(pdf, 1, dpi).convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(!page.isNull());
        const int margin = int(5 / 25.4 * dpi) - 1;
        int inkInside = 0;
        for (int y = 0; y < page.height(); ++y) {
            const uchar *line = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x) {
                const bool outside = x < margin || y < margin || x >= page.width() - margin
                    || y >= page.height() - margin;
                if (line[x] < 200) {
                    QVERIFY2(!outside, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                    ++inkInside;
                }
            }
        }
        QVERIFY(inkInside > 1000);
    }

    void pdfJapaneseComment()
    {
        App().LangOffset = 0;
        grid(1, 3, false);
        PosiGrid::Grid().SetText(PosiGrid::RowOf(2, 1), 28, QStringLiteral("原点の手前"));
        const QString pdf = env->path(QStringLiteral("ja.pdf"));
        range(1, 3);
        Dlg::QueuePrinterPdf(pdf);
        PosiPrint::PrintPosiData({});
        const QString text = PdfTools::Text(pdf);
        QVERIFY2(text.contains(QStringLiteral("原点の手前")) && text.contains(QStringLiteral("ポジションデータ")),
                 qPrintable(text));
    }
};

QTEST_MAIN(TestPrintPosi)
#include "tst_print_posi.moc"
