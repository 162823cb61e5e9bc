// Re-validation of the position grid and the take-over into the tables.
#include "core/AppState.h"
#include "app/MainWindow.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "ui/posi/PosiChangeDev.h"
#include "posi/PosiCheck.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "ui/posi/VerifyResultWindow.h"
#include "support/Choices.h"
#include "support/TestEnv.h"

#include <QTableView>
#include <QtTest>

using namespace PosiField;

class TestPosiCheck : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;
    int resultWindows = 0;
    int resultRows = 0;

    // A grid of positions first..last with defaults, in the given mode/unit.
    void makeGrid(int first, int last, bool prg, bool mm)
    {
        App().PrgModeFlag = prg;
        App().DispMmUnit = mm;
        PosiTables::InitPosiData();
        App().DispNoStart = first;
        App().DispNoEnd = last;
        PosiGrid::FillGridByMode();
        App().PosiNoStart = first;
        App().PosiNoEnd = last;
    }
    void watchResultWindow()
    {
        Platform::Dialogs::PushModalHandler([this](QDialog &d) {
            ++resultWindows;
            auto &w = static_cast<VerifyResultWindow &>(d);
            resultRows = w.model.rowCount() - 2;
            return int(QDialog::Accepted);
        });
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        App().Language = 2;
        ResetPosiState();
        ResetParadataState();
        PosiGrid::ResetGrid();
        resultWindows = resultRows = 0;
        auto &d = Paradata().DevSetting;
        d.DevLead = {10, 10, 10, 10};        // 1 mm = 100 pulses
        d.DevPPR = {1000, 1000, 1000, 1000};
        d.DevSpeed = {QStringLiteral("D"), QStringLiteral("H"), QStringLiteral("H"), QStringLiteral("H")};
        d.DevSize = {QStringLiteral(" 42"), QStringLiteral(" 42"), QStringLiteral(" 28"), QStringLiteral(" 28")};
        Paradata().MaxSpeed = {300, 300, 300, 300};
        Paradata().MaxMm = {100, 100, 100, 100};
    }

    void noData()
    {
        App().DispNoStart = 3;
        App().DispNoEnd = 4;
        QCOMPARE(PosiCheck::CheckGridPositions(), 2);
        QCOMPARE(App().DispNoStart, 0);
        QCOMPARE(App().DispNoEnd, 0);
    }

    void emptyRangeIsValid()
    {
        makeGrid(1, 3, false, false);
        App().PosiNoStart = 3;
        App().PosiNoEnd = 2;
        QCOMPARE(PosiCheck::CheckGridPositions(), 0);
    }

    void positionerField_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("mm");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("stored");   // PosiData(1, col) when ok
        QTest::newRow("speed 400 D/42") << 1 << "400" << false << true << 400.0;
        QTest::newRow("speed 400 other") << 7 << "400" << false << false << 0.0;
        QTest::newRow("speed max") << 7 << "300" << false << true << 300.0;
        QTest::newRow("speed 0") << 1 << "0" << false << false << 0.0;
        QTest::newRow("speed blanks") << 1 << "  " << false << false << 0.0;
        QTest::newRow("speed too big for 16 bits") << 1 << "99999" << false << false << 0.0;
        QTest::newRow("acc 6 ms") << 2 << "6" << false << true << 1.0;
        QTest::newRow("acc 2005 ms") << 2 << "2005" << false << true << 200.0;
        QTest::newRow("acc 5 ms") << 2 << "5" << false << false << 0.0;
        QTest::newRow("acc 2006 ms") << 2 << "2006" << false << false << 0.0;
        QTest::newRow("acc 15 ms stored whole") << 2 << "15" << false << true << 2.0;
        QTest::newRow("acc 250 ms") << 8 << "250" << false << true << 25.0;
        QTest::newRow("method blanks") << 3 << " " << false << true << 0.0;
        QTest::newRow("method empty") << 3 << "" << false << false << 0.0;
        QTest::newRow("method 4") << 3 << "4" << false << false << 0.0;
        QTest::newRow("pulses max") << 4 << "262143" << false << true << 262143.0;
        QTest::newRow("pulses beyond") << 4 << "262144" << false << false << 0.0;
        QTest::newRow("pulses negative") << 4 << "-1" << false << false << 0.0;
        QTest::newRow("pulses fraction refused") << 4 << "12.5" << false << false << 0.0;
        QTest::newRow("mm max") << 4 << "100" << true << true << 10000.0;
        QTest::newRow("mm beyond") << 4 << "100.001" << true << false << 0.0;
        QTest::newRow("mm 12.34") << 10 << "12.34" << true << true << 1234.0;
        QTest::newRow("push force 19") << 5 << "19" << false << false << 0.0;
        QTest::newRow("push force 20") << 5 << "20" << false << true << 20.0;
        QTest::newRow("push force 70") << 5 << "70" << false << true << 70.0;
        QTest::newRow("push force 71") << 5 << "71" << false << false << 0.0;
        QTest::newRow("push position 99") << 6 << "99" << false << true << 99.0;
        QTest::newRow("push position 100") << 6 << "100" << false << false << 0.0;
        QTest::newRow("interpolation 2") << 25 << "2" << false << false << 0.0;
        QTest::newRow("output 15") << 26 << "15" << false << true << 15.0;
        QTest::newRow("output 16") << 26 << "16" << false << false << 0.0;
        QTest::newRow("macro 21") << 27 << "21" << false << false << 0.0;
    }
    void positionerField()
    {
        QFETCH(int, col); QFETCH(QString, text); QFETCH(bool, mm); QFETCH(bool, ok); QFETCH(double, stored);
        makeGrid(1, 2, false, mm);
        PosiGrid::Grid().SetText(2, col, text);
        PosiGrid::Grid().SetText(3, 28, QStringLiteral("  keep  "));
        watchResultWindow();
        const PosiRecord before = Posi().PosiData[2];
        QCOMPARE(PosiCheck::CheckGridPositions(), ok ? 0 : 1);
        QCOMPARE(resultWindows, ok ? 0 : 1);
        QVERIFY(PosiGrid::Grid().Visible());
        if (ok) {
            QCOMPARE(Posi().PosiData[1][col].val(), stored);
            QCOMPARE(Posi().PosiData[2][Comment].toString(), QStringLiteral("  keep  "));
        } else {
            QCOMPARE(resultRows, 1);
            QVERIFY(Posi().PosiErrRow[0]);
            QCOMPARE(Posi().PosiErrCount, 0);        // cleared after the window closed
            QCOMPARE(Posi().PosiData[2], before);    // nothing taken over
            QCOMPARE(Posi().CheckErrList, QStringLiteral("1,"));
        }
    }

    void programPosition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("method");
        QTest::addColumn<double>("mm");
        QTest::newRow("N") << "N" << true << 0 << 0.0;
        QTest::newRow("lowercase n") << "n" << false << 0 << 0.0;
        QTest::newRow("plus") << "+12.5" << true << 2 << 12.5;
        QTest::newRow("plus padded") << "+   2.500" << true << 2 << 2.5;
        QTest::newRow("minus") << "-12.5" << true << 3 << 12.5;
        QTest::newRow("absolute") << "12.5" << true << 1 << 12.5;
        QTest::newRow("not a number") << "abc" << false << 0 << 0.0;
        QTest::newRow("plus not a number") << "+x" << false << 0 << 0.0;
        QTest::newRow("lone minus") << "-" << true << 3 << 0.0;
        QTest::newRow("lone plus") << "+" << true << 2 << 0.0;
        QTest::newRow("nan") << "nan" << false << 0 << 0.0;
        QTest::newRow("inf") << "inf" << false << 0 << 0.0;
        QTest::newRow("minus inf") << "-inf" << false << 0 << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0 << 0.0;
        QTest::newRow("trailing letters") << "12abc" << false << 0 << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0 << 0.0;
        QTest::newRow("point only") << "." << false << 0 << 0.0;
        QTest::newRow("leading point") << ".5" << true << 1 << 0.5;
        QTest::newRow("beyond the stroke") << "+100.5" << false << 0 << 0.0;
    }
    void programPosition()
    {
        QFETCH(QString, text); QFETCH(bool, ok); QFETCH(int, method); QFETCH(double, mm);
        makeGrid(1, 1, true, true);
        Paradata().MaxSpeed[0] = 20;   // the hidden preset speed is not checked
        PosiGrid::Grid().SetText(2, 4, text);
        PosiGrid::Grid().SetText(2, 1, QStringLiteral("999"));   // hidden columns are ignored
        QCOMPARE(PosiCheck::CheckGridPositions(), ok ? 0 : 1);
        if (!ok)
            return;
        const PosiRecord &r = Posi().PosiData[1];
        QCOMPARE(r[Method(0)].val(), double(method));
        QCOMPARE(Posi().PosiDataDisp[1][4], mm);
        QCOMPARE(r[Position(0)].val(), mm * 100);
        QCOMPARE(r[Speed(0)].val(), 30.0);
        QCOMPARE(r[Acc(0)].val(), 1.0);
        QCOMPARE(r[Out].val(), 0.0);
    }

    // A pulse value at the stroke limit, shown in millimetres (rounded to
    // three decimals, above the limit cut to three decimals), passes the
    // re-check and keeps its pulses.
    void strokeLimitAsShown()
    {
        auto &d = Paradata().DevSetting;
        d.DevLead[0] = 3;      // 35L-100: 100 mm at 3 mm / 400 pulses
        d.DevPPR[0] = 400;
        Paradata().MaxPulse[0] = 13333;
        Paradata().MaxMm[0] = 99.997;
        makeGrid(1, 2, false, true);
        Posi().PosiDataDisp[1][0] = 13333;
        Posi().PosiDataDisp[1][4] = 13333 * 3.0 / 400;
        PosiGrid::FillGridByMode();
        QCOMPARE(PosiGrid::Grid().Text(2, 4).trimmed(), QStringLiteral("99.998"));
        watchResultWindow();
        QCOMPARE(PosiCheck::CheckGridPositions(), 0);
        QCOMPARE(resultWindows, 0);
        QCOMPARE(Posi().PosiData[1][Position(0)].val(), 13333.0);
        // One pulse more is still refused.
        PosiGrid::Grid().SetText(2, 4, PosiGrid::MmText(13334 * 3.0 / 400));
        QCOMPARE(PosiCheck::CheckGridPositions(), 1);
    }

    void unusedAxisAndSeparator()
    {
        App().AxisNotUsed[2] = true;
        App().Language = 1;
        makeGrid(5, 9, false, false);
        PosiGrid::Grid().SetText(PosiGrid::RowOf(5, 5), 13, QStringLiteral("abc"));   // unused: never read
        PosiGrid::Grid().SetText(PosiGrid::RowOf(6, 5), 1, QStringLiteral("0"));
        PosiGrid::Grid().SetText(PosiGrid::RowOf(8, 5), 26, QStringLiteral("16"));
        watchResultWindow();
        QCOMPARE(PosiCheck::CheckGridPositions(), 1);
        QCOMPARE(Posi().CheckErrList, QStringLiteral("6、8、"));
        QCOMPARE(resultRows, 2);
        PosiGrid::Grid().SetText(PosiGrid::RowOf(6, 5), 1, QStringLiteral("30"));
        PosiGrid::Grid().SetText(PosiGrid::RowOf(8, 5), 26, QStringLiteral("1"));
        QCOMPARE(PosiCheck::CheckGridPositions(), 0);
        const PosiRecord &r = Posi().PosiData[5];
        QCOMPARE(r[Speed(2)].val(), 30.0);
        QCOMPARE(r[Acc(2)].val(), 1.0);
        QCOMPARE(Posi().PosiData[8][Out].val(), 1.0);
    }

    void rangeOutsideGrid()
    {
        makeGrid(10, 20, false, false);
        App().PosiNoEnd = 21;
        QCOMPARE(PosiCheck::CheckGridPositions(), 1);
        QVERIFY(PosiGrid::Grid().Visible());
    }

    void changeDev_data()
    {
        QTest::addColumn<int>("choice");      // -2 = Back in the question
        QTest::addColumn<bool>("back");       // Back in the actuator window, else Set
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("offline");
        QTest::newRow("back in the question") << -2 << false << -1 << false;
        QTest::newRow("back in the actuator window") << 0 << true << -2 << false;
        QTest::newRow("actuators chosen") << 0 << false << 0 << true;
    }
    void changeDev()
    {
        QFETCH(int, choice); QFETCH(bool, back); QFETCH(int, result); QFETCH(bool, offline);
        makeGrid(1, 3, false, false);
        PosiGrid::Grid().SetText(3, 1, QStringLiteral("123"));
        App().OfflineFlag = false;
        App().PosiNoStart = App().PosiNoEnd = 500;   // a range of an earlier operation
        Paradata().ParaSet.ParaSpAxis = 0xF;          // the parameters keep every axis in use
        Choices::Queue({choice});
        int shown = 0;
        Choices::QueueActuatorWindow(back, &shown);
        QCOMPARE(PosiChangeDev::ChangeDev(), result);
        QCOMPARE(shown, choice == 0 ? 1 : 0);
        QCOMPARE(App().OfflineFlag, offline);
        // The whole grid was checked and taken over.
        QCOMPARE(Posi().PosiData[2][Speed(0)].val(), result == 0 ? 123.0 : 30.0);
    }

    // The main window's actuator change re-checks the same way: the whole
    // grid, whatever range an earlier operation left.
    void mainWindowActuatorChangeChecksTheWholeGrid()
    {
        makeGrid(1, 3, false, false);
        PosiGrid::Grid().SetText(3, 1, QStringLiteral("123"));
        App().PosiNoStart = App().PosiNoEnd = 500;
        Choices::Queue({0});
        Choices::QueueActuatorWindow();
        MainWindow::Change_Device();
        QVERIFY(!Platform::GetSetting(QStringLiteral("DevSize1")).isNull());
        QCOMPARE(Posi().PosiData[2][Speed(0)].val(), 123.0);
    }

    void resultWindowMarksFlaggedFields()
    {
        App().PosiNoStart = 1;
        App().PosiNoEnd = 10;
        Posi().PosiErrFlag[3][2] = true;
        Posi().PosiErrFlag[3][28] = true;
        Posi().PosiErrFlag[7][26] = true;
        Posi().PosiErrFlag[7][28] = true;
        QStandardItemModel m;
        VerifyResult::Fill(m);
        QCOMPARE(m.rowCount(), 4);
        QCOMPARE(m.item(2, 0)->text(), QStringLiteral("3"));
        QCOMPARE(m.item(2, 2)->text(), QStringLiteral("X"));
        QCOMPARE(m.item(2, 2)->background().color(), QColor(0xFF, 0x80, 0x80));
        QCOMPARE(m.item(2, 1)->text(), QStringLiteral("O"));
        QCOMPARE(m.item(3, 26)->text(), QStringLiteral("X"));
        Posi().VerifyMode = false;
        VerifyResultWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("The result of a position data check"));
    }
};

QTEST_MAIN(TestPosiCheck)
#include "tst_posicheck.moc"
