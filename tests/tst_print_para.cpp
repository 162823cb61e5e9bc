// The parameter printout: its lines and value texts on the recording
// printer, the parameter window's two print commands, and a real PDF file.
#include "core/AppState.h"
#include "core/CommandSets.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "print/PrintPara.h"
#include "support/PdfTools.h"
#include "support/RecordingPrinter.h"
#include "support/TestEnv.h"
#include "ui/paraedit/ParameterWindow.h"

#include <QPushButton>
#include <QtTest>

namespace Dlg = Platform::Dialogs;
using Item = RecordingPrinter::Item;

namespace {

struct CommandsProbe : CommandSets::CommandSet {
    bool on = true;
    CommandsProbe() { CommandSets::Register(this); }
    ~CommandsProbe() override { CommandSets::Unregister(this); }
    void CommandsOff() override { on = false; }
    void CommandsOn() override { on = true; }
};

// A parameter set as the window takes it: every axis alike.
void typicalSet()
{
    auto &s = Paradata();
    auto &set = s.ParaSet;
    for (size_t a = 0; a < 4; ++a) {
        set.ParaHomeOffset[a] = ValueCell(10);
        set.ParaAxisStroke[a] = ValueCell(12000);
        set.ParaAxisLead[a] = 6;
        set.ParaAxisPulse[a] = 400;
        set.ParaZone1[a] = ValueCell(400);
        set.ParaZone2[a] = ValueCell(800);
        set.ParaPgFunction[a] = 2;
        s.Ct.CtDevSize[a] = QStringLiteral(" 28");
        s.Ct.CtDevSpeed[a] = QStringLiteral("L");
        s.Ct.CtDevStroke[a] = 50;
        s.ParaAxisMmStrokeText[a] = QStringLiteral("180.000");
    }
    set.ParaSpAxis = 15;
    set.ParaPosPrg = 1;
}

// The texts printed on a line, left to right.
QStringList lineTexts(const RecordingPrinter &p, int line)
{
    QStringList out;
    for (const Item &it : p.pages.value(0))
        if (!it.isLine && qFuzzyCompare(it.y + 1, line * 4.0 + 1) && it.x > 20)
            out << it.text;
    return out;
}

} // namespace

class TestPrintPara : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        App().DispMmUnit = false;
        typicalSet();
    }
    void cleanup()
    {
        if (ParameterWindow *w = ParameterWindow::Existing())
            delete w;
        env.reset();
    }

    void valueTexts_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("mm");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("printed");
        QTest::newRow("stroke pulses") << 7 << QVariant(12000) << false << 13 << QStringLiteral(" 12000");
        QTest::newRow("stroke mm text") << 7 << QVariant(QStringLiteral("  5.000")) << true << 13
                                        << QStringLiteral("  5.000");
        QTest::newRow("negative") << 1 << QVariant(-3) << false << 5 << QStringLiteral("-3");
        QTest::newRow("text in a number row") << 2 << QVariant(QStringLiteral("abc")) << false << 6
                                              << QStringLiteral("abc");
        QTest::newRow("POS") << 33 << QVariant(0) << false << 38 << QStringLiteral("POS");
        QTest::newRow("PRG") << 33 << QVariant(1) << false << 38 << QStringLiteral("PRG");
        QTest::newRow("mode 5") << 33 << QVariant(5) << false << 38 << QStringLiteral(" 5");
        QTest::newRow("AXIS 7") << 26 << QVariant(7) << false << 42 << QStringLiteral("3AXES");
        QTest::newRow("AXIS 5") << 26 << QVariant(5) << false << 42 << QStringLiteral(" 5");
        QTest::newRow("EMG 0") << 31 << QVariant(0) << false << 48 << QStringLiteral("Logic B");
        QTest::newRow("EMG 1") << 31 << QVariant(1) << false << 48 << QStringLiteral("Logic A");
        QTest::newRow("FUNCTION 2") << 14 << QVariant(2) << false << 22 << QStringLiteral("2. Detect+Revise");
        QTest::newRow("zone enable 2") << 20 << QVariant(2) << false << 31 << QStringLiteral("2. Outside");
        QTest::newRow("list value outside") << 11 << QVariant(7) << false << 17 << QStringLiteral("7");
        QTest::newRow("actuator") << 13 << QVariant(QStringLiteral(" 28L100")) << false << 19
                                  << QStringLiteral(" 28L-100");
        QTest::newRow("actuator not 7 long") << 13 << QVariant(QStringLiteral("E35L")) << false << 19
                                             << QStringLiteral("E35L");
    }
    void valueTexts()
    {
        QFETCH(int, row);
        QFETCH(QVariant, value);
        QFETCH(bool, mm);
        QFETCH(int, line);
        QFETCH(QString, printed);
        App().DispMmUnit = mm;
        const ValueCell cell = value.typeId() == QMetaType::QString ? ValueCell(value.toString())
                                                                    : ValueCell(value.toDouble());
        auto &t = Paradata().ParaFileTable;
        for (auto &c : t[size_t(row)])
            c = cell;
        RecordingPrinter p;
        QCOMPARE(PrintPara::DrawParameters(p), Print::JobEnd::Printed);
        QCOMPARE(lineTexts(p, line).value(0), printed);
    }

    void axesOff()
    {
        Print::State().PrintAxisOff = {true, true, true, true};
        Paradata().ParaFileTable[25][0] = ValueCell(4);
        RecordingPrinter p;
        PrintPara::DrawParameters(p);
        QCOMPARE(lineTexts(p, 5), QStringList(4, QStringLiteral("--")));
        QCOMPARE(lineTexts(p, 4), (QStringList{QStringLiteral("< AXIS 1 >"), QStringLiteral("< AXIS 2 >"),
                                               QStringLiteral("< AXIS 3 >"), QStringLiteral("< AXIS 4 >")}));
        QCOMPARE(lineTexts(p, 30).size(), 4);   // headings alone
        QCOMPARE(lineTexts(p, 41), QStringList{QStringLiteral(" 4")});
        QCOMPARE(p.Find(1, QStringLiteral(" 4"))->x, 125.0);
        QVERIFY(p.Find(1, QStringLiteral("QZ-TQ7 Parameters")));
        QVERIFY(p.Find(1, QStringLiteral("File Name:")));
    }

    void axisTextsFitTheirColumns_data()
    {
        QTest::addColumn<int>("lang");      // LangOffset
        QTest::addColumn<int>("row");       // print table row, values of axes 1 to 4 below
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<int>("line");
        QTest::addColumn<QStringList>("printed");
        const QList<int> alternate{0, 1, 0, 1};
        QTest::newRow("English TYPE")
            << 10000 << 12 << alternate << 18
            << QStringList{"0. QZ(Standard)", "1. RJ", "0. QZ(Standard)", "1. RJ"};
        QTest::newRow("English FUNCTION")
            << 10000 << 14 << QList<int>{2, 1, 2, 0} << 22
            << QStringList{"2. Detect+Revise", "1. With PG", "2. Detect+Revise", "0. No-PG"};
        QTest::newRow("Japanese Auto Drive")
            << 0 << 11 << QList<int>{0, 0, 1, 0} << 17
            << QStringList{QStringLiteral("0. ドライブON"), QStringLiteral("0. ドライブON"),
                           QStringLiteral("1. ドライブOFF"), QStringLiteral("0. ドライブON")};
        QTest::newRow("Japanese FUNCTION")
            << 0 << 14 << QList<int>{2, 0, 2, 1} << 22
            << QStringList{QStringLiteral("2. 検出+補正"), QStringLiteral("0. PGなし"), QStringLiteral("2. 検出+補正"),
                           QStringLiteral("1. PGあり")};
    }
    // Each axis's text whole and within its 25 mm column with a clear gap
    // (a millimetre) before the next axis, drawn smaller only when it does
    // not fit at the page's size.
    void axisTextsFitTheirColumns()
    {
        QFETCH(int, lang);
        QFETCH(int, row);
        QFETCH(QList<int>, values);
        QFETCH(int, line);
        QFETCH(QStringList, printed);
        App().LangOffset = lang;
        auto &t = Paradata().ParaFileTable;
        for (int a = 0; a < 4; ++a)
            t[size_t(row)][size_t(a)] = ValueCell(values[a]);
        RecordingPrinter p;
        QCOMPARE(PrintPara::DrawParameters(p), Print::JobEnd::Printed);
        QCOMPARE(lineTexts(p, line), printed);
        const double room = 25 - 1;
        for (const Item &it : p.pages.value(0)) {
            if (it.isLine || it.x < 85 || !qFuzzyCompare(it.y + 1, line * 4.0 + 1))
                continue;
            const double width = RecordingPrinter::Width(it);
            QVERIFY2(width <= room, qPrintable(QStringLiteral("%1: %2 mm").arg(it.text).arg(width)));
            Item atPageSize = it;
            atPageSize.size = 11;
            if (RecordingPrinter::Width(atPageSize) <= room)
                QCOMPARE(it.size, 11.0);
        }
    }

    void windowMaskThree()
    {
        Paradata().ParaSet.ParaSpAxis = 3;
        PrintPara::PrintParaSelFromSet();
        PrintPara::PrintParaFromForm();
        RecordingPrinter p;
        PrintPara::DrawParameters(p);
        QCOMPARE(lineTexts(p, 13), (QStringList{QStringLiteral(" 12000"), QStringLiteral(" 12000"),
                                                QStringLiteral("--"), QStringLiteral("--")}));
        QCOMPARE(lineTexts(p, 19).value(0), QStringLiteral(" 28L-050"));
        // The window's actuator code is set again from the device codes.
        QCOMPARE(Paradata().ParaSet.ParaActuator[2].toString(), QStringLiteral(" 28L050"));
    }

    void fileInMillimetres()
    {
        // A file of two axes with LEAD 6, PULSE 400: 12000 pulses = 180 mm.
        Paradata().ParaSet.ParaSpAxis = 3;
        Paradata().ParaSet.ParaAxisLead[1] = 12;
        const QString path = env->path(QStringLiteral("two.pmt"));
        ParaFile::WriteParaFile(path);
        QVERIFY(!Paradata().PmtWriteError);
        App().AxisNotUsed = {false, true, true, true};   // the PC's setting does not matter
        App().DispMmUnit = true;
        ParameterWindow *w = ParameterWindow::Instance();
        CommandsProbe probe;
        auto p = std::make_shared<RecordingPrinter>();
        Dlg::QueueFileName(path);
        Dlg::QueuePrinter(p);
        w->cmdParaFilePrint->click();
        QVERIFY(probe.on);
        QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Printing parameters saved into the file.")});
        QCOMPARE(lineTexts(*p, 13), (QStringList{QStringLiteral("180.000"), QStringLiteral("360.000"),
                                                 QStringLiteral("--"), QStringLiteral("--")}));
        QCOMPARE(lineTexts(*p, 32).mid(0, 2), (QStringList{QStringLiteral("  6.000"), QStringLiteral(" 12.000")}));
        QVERIFY(p->Find(1, QStringLiteral("File Name:two.pmt")));
    }

    void fileCommandPaths_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("shown");
        const QString ask = QStringLiteral("Printing parameters saved into the file.");
        QTest::newRow("cancel at question") << false << QString() << QStringList{ask};
        QTest::newRow("cancel file dialog") << true << QString() << QStringList{ask};
        QTest::newRow("not a parameter file") << true << QStringLiteral("bad.pmt")
                                              << QStringList{ask, QStringLiteral("Fail to open parameter file.")};
    }
    void fileCommandPaths()
    {
        QFETCH(bool, confirm);
        QFETCH(QString, file);
        ParameterWindow *w = ParameterWindow::Instance();
        CommandsProbe probe;
        Dlg::QueueAnswer(confirm ? Platform::MsgAnswer::Ok : Platform::MsgAnswer::Cancel);
        if (!file.isEmpty())
            Dlg::QueueFileName(env->writeFile(file, "\"RE-Z4\",\"GRP\"\r\n99,3\r\n"));
        w->cmdParaFilePrint_Click();
        QVERIFY(probe.on);
        QVERIFY(w->cmdParaPrint->isEnabled());
        QCOMPARE(Dlg::PrinterDialogsShown(), 0);
        QFETCH(QStringList, shown);
        const QStringList texts = Dlg::ShownTexts();
        QCOMPARE(texts.first(), shown.first());   // a wrong header has its own message between
        QCOMPARE(texts.last(), shown.last());
    }

    void windowWithEmptyFields()
    {
        ParameterWindow *w = ParameterWindow::Instance();
        CommandsProbe probe;
        w->cmdParaPrint->click();
        QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("No data in some of parameters.\r\n Please fill the data in and try it again.")});
        QVERIFY(probe.on);
        QCOMPARE(Dlg::PrinterDialogsShown(), 0);
    }

    void pdfOnePage()
    {
        QVERIFY2(PdfTools::Missing().isEmpty(), qPrintable(PdfTools::Missing()));
        PrintPara::PrintParaSelFromSet();
        PrintPara::PrintParaFromForm();
        const QString pdf = env->path(QStringLiteral("para.pdf"));
        Dlg::QueuePrinterPdf(pdf);
        PrintPara::PrintParameters();
        QCOMPARE(PdfTools::Pages(pdf), 1);
        const QString text = PdfTools::Text(pdf);
        QVERIFY2(text.contains(QStringLiteral("QZ-TQ7 Parameters")) && text.contains(QStringLiteral("9. PPUT Write:")),
                 qPrintable(text));
    }
};

QTEST_MAIN(TestPrintPara)
#include "tst_print_para.moc"
