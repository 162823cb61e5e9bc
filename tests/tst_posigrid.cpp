// Position grid layout and display, read through the grid model.
#include "core/AppState.h"
#include "paradata/ParadataState.h"
#include "posi/PosiGrid.h"
#include "ui/posi/PosiGridView.h"
#include "posi/PosiTables.h"
#include "support/TestEnv.h"

#include <QSignalSpy>
#include <QScrollBar>
#include <QFontMetrics>
#include <QWheelEvent>
#include <QtTest>

using namespace PosiGrid;
using namespace PosiField;

class TestPosiGrid : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

    static void layout(bool prg)
    {
        App().PrgModeFlag = prg;
        BeginBulk();
        if (prg) {
            Set_PosFormStrAtPrgMode();
            SizeInit_PositionGridAtPrgMode();
        } else {
            Set_PosFormStrAtPosMode();
            SizeInit_PositionGridAtPosMode();
        }
        InitCurrentCell();
        EndBulk();
    }
    static QString hidden()
    {
        QStringList h;
        for (int c = 0; c < PosiGridModel::kCols; ++c)
            if (Grid().ColWidth(c) == 0)
                h << QString::number(c);
        return h.join(QLatin1Char(' '));
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        ResetPosiState();
        ResetParadataState();
        ResetGrid();
    }

    void hiddenColumns_data()
    {
        QTest::addColumn<bool>("prg");
        QTest::addColumn<int>("unused");   // axis index, -1 none
        QTest::addColumn<QString>("hidden");
        QTest::newRow("pos all") << false << -1 << "";
        QTest::newRow("pos axis2 off") << false << 1 << "7 8 9 10 11 12 25";
        QTest::newRow("pos axis3 off") << false << 2 << "13 14 15 16 17 18";
        QTest::newRow("pos axis1 off") << false << 0 << "1 2 3 4 5 6";
        QTest::newRow("prg all") << true << -1 << "1 2 3 5 6 7 8 9 11 12 13 14 15 17 18 19 20 21 23 24 25 26 27";
        QTest::newRow("prg axis4 off")
            << true << 3 << "1 2 3 5 6 7 8 9 11 12 13 14 15 17 18 19 20 21 22 23 24 25 26 27";
    }
    void hiddenColumns()
    {
        QFETCH(bool, prg); QFETCH(int, unused); QFETCH(QString, hidden);
        if (unused >= 0)
            App().AxisNotUsed[static_cast<size_t>(unused)] = true;
        layout(prg);
        QCOMPARE(::TestPosiGrid::hidden(), hidden);
        QCOMPARE(Grid().ColWidth(0), 400);
        QCOMPARE(Grid().Rows(), 2);
        QCOMPARE(Grid().ColWidth(4), unused == 0 ? 0 : (prg ? 2000 : 1000));
        QCOMPARE(Grid().ColAlignment(27), 4);
        QCOMPARE(Grid().ColAlignment(28), 1);
    }

    void commentWidth_data()
    {
        QTest::addColumn<bool>("prg");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("comment");
        // positioner: S = 400 + 4 * 3800 + 1500 = 17100; program: S = 400 + 4 * 2000 = 8400
        QTest::newRow("pos narrow") << false << 17000 << 3500;
        QTest::newRow("pos wide") << false << 22000 << 22000 - 17600;
        QTest::newRow("prg narrow") << true << 8000 << 3500;
        QTest::newRow("prg wide") << true << 12000 << 12000 - 8500;
        // Wider than the other columns by less than a usable comment: the
        // column keeps its 3500 rather than shrinking to a sliver.
        QTest::newRow("pos barely wider") << false << 17100 + 600 << 3500;
        QTest::newRow("prg barely wider") << true << 8400 + 200 << 3500;
    }
    void commentWidth()
    {
        QFETCH(bool, prg); QFETCH(int, width); QFETCH(int, comment);
        Grid().SetGridWidth(width);
        layout(prg);
        QCOMPARE(Grid().ColWidth(28), comment);
    }

    void titles()
    {
        layout(false);
        QCOMPARE(Grid().Text(0, 7), QStringLiteral("AXIS2"));
        QCOMPARE(Grid().Text(0, 28), QStringLiteral("Common"));
        QCOMPARE(Grid().Text(1, 0), QStringLiteral("No."));
        QCOMPARE(Grid().Text(1, 10), QStringLiteral("Posi(mm)"));
        QCOMPARE(App().DataFileName, QStringLiteral("New Data"));
        QCOMPARE(Grid().TitleFontSize(1), 7);
        const auto spans = Grid().Row0Spans();
        QCOMPARE(spans.size(), size_t(5));
        QCOMPARE(spans[1], std::make_pair(7, 6));
        QCOMPARE(spans[4], std::make_pair(25, 4));
        App().DispMmUnit = false;
        Change_DispUnit();
        QCOMPARE(Grid().Text(1, 4), QStringLiteral("Posi1(pls)"));
        QCOMPARE(Grid().Text(1, 22), QStringLiteral("Posi4(pls)"));
    }

    void fillPositioner_data()
    {
        QTest::addColumn<bool>("mm");
        QTest::addColumn<QString>("pos1");
        QTest::newRow("pulses") << false << "1200";
        QTest::newRow("millimetres") << true << "   2.500";
    }
    void fillPositioner()
    {
        QFETCH(bool, mm); QFETCH(QString, pos1);
        App().DispMmUnit = mm;
        App().AxisNotUsed[2] = true;
        PosiTables::InitPosiData();
        PosiState &p = Posi();
        p.PosiData[6][Acc(0)] = 25;
        p.PosiData[6][Speed(0)] = 123;
        p.PosiData[6][Speed(2)] = 99;     // unused axis: shown as its preset
        p.PosiData[6][Out] = QStringLiteral(" 7");
        p.PosiData[6][Comment] = QStringLiteral(" hello ");
        p.PosiDataDisp[6][0] = 1200;
        p.PosiDataDisp[6][4] = 2.5;
        App().DispNoStart = 5;
        App().DispNoEnd = 7;
        layout(false);
        FillGridPositionMode();
        PosiGridModel &g = Grid();
        QCOMPARE(g.Rows(), 5);
        QCOMPARE(g.Text(2, 0), QStringLiteral("5"));
        QCOMPARE(g.Text(4, 0), QStringLiteral("7"));
        QCOMPARE(g.Text(3, 1), QStringLiteral("123"));
        QCOMPARE(g.Text(3, 2), QStringLiteral("250"));
        QCOMPARE(g.Text(3, 4), pos1);
        QStringList axis3;
        for (int c = 13; c <= 18; ++c)
            axis3 << g.Text(3, c);
        QCOMPARE(axis3.join(QLatin1Char(',')), mm ? QStringLiteral("30,10,0,   0.000,0,0") : QStringLiteral("30,10,0,0,0,0"));
        QCOMPARE(g.Text(3, 26), QStringLiteral("7"));
        QCOMPARE(g.Text(3, 28), QStringLiteral(" hello "));
        QCOMPARE(g.CellBackColor(3, 1), std::optional<quint32>(PosiGridModel::kWindowColor));
        QCOMPARE(g.CellBackColor(3, 7), std::optional<quint32>(0xC0FFFFu));
        QCOMPARE(g.CellBackColor(3, 13), std::optional<quint32>(0xE0E0E0u));
        QCOMPARE(g.CellBackColor(3, 28), std::nullopt);
        QCOMPARE(g.Row(), 0);
        QVERIFY(g.Visible());
    }

    void fillProgram_data()
    {
        QTest::addColumn<bool>("mm");
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << false << 0 << "N";
        QTest::newRow("absolute") << false << 1 << "1200";
        QTest::newRow("plus") << false << 2 << "+1200";
        QTest::newRow("minus") << false << 3 << "-1200";
        QTest::newRow("plus mm") << true << 2 << "+   2.500";
    }
    void fillProgram()
    {
        QFETCH(bool, mm); QFETCH(int, method); QFETCH(QString, text);
        App().DispMmUnit = mm;
        App().AxisNotUsed[1] = true;
        PosiTables::InitPosiData();
        Posi().PosiData[1][Method(0)] = method;
        Posi().PosiData[1][Method(1)] = 1;
        Posi().PosiDataDisp[1][0] = 1200;
        Posi().PosiDataDisp[1][4] = 2.5;
        App().DispNoStart = 1;
        App().DispNoEnd = 1;
        layout(true);
        FillGridProgramMode();
        QCOMPARE(Grid().Text(2, 4), text);
        QCOMPARE(Grid().Text(2, 10), QStringLiteral("N"));   // unused axis
    }

    void emptyGridAndNoRange()
    {
        App().DispNoStart = App().DispNoEnd = 0;
        layout(false);
        QSignalSpy reset(&Grid(), &QAbstractItemModel::modelReset);
        ColourAxisColumns();
        FillGridPositionMode();
        QCOMPARE(reset.count(), 0);
        QCOMPARE(Grid().Rows(), 2);
        QCOMPARE(Check_flgdLineNo(), 1);
    }

    // A full fill is announced to a view as whole resets, never cell by cell.
    void fullFillIsOneBulkUpdate()
    {
        PosiTables::InitPosiData();
        App().DispNoStart = 1;
        App().DispNoEnd = 999;
        layout(false);
        PosiGridView view(&Grid());
        QSignalSpy cells(&Grid(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&Grid(), &QAbstractItemModel::modelReset);
        FillGridPositionMode();
        QCOMPARE(cells.count(), 0);
        QVERIFY(reset.count() >= 1 && reset.count() <= 3);
        QCOMPARE(view.model()->rowCount(), 1001);
        QCOMPARE(Grid().Text(1000, 0), QStringLiteral("999"));
        QVERIFY(view.isColumnHidden(25) == false);
        QCOMPARE(view.columnSpan(0, 1), 6);
        QCOMPARE(Check_flgdLineNo(), 0);
    }

    // The two title rows stay at the top however far the data scroll.
    void titlesStayWhenScrolled()
    {
        PosiTables::InitPosiData();
        App().DispNoStart = 1;
        App().DispNoEnd = 999;
        layout(false);
        FillGridPositionMode();
        PosiGridView view(&Grid());
        view.resize(700, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTableView *titles = view.titleView();
        const int top = titles->geometry().top();
        view.scrollToBottom();
        QCoreApplication::processEvents();
        QVERIFY(titles->isVisible());
        QCOMPARE(titles->geometry().top(), top);
        QCOMPARE(titles->rowViewportPosition(0), 0);
        QCOMPARE(titles->model()->data(titles->indexAt(QPoint(titles->columnViewportPosition(1) + 2, 2))).toString(),
                 Grid().Text(0, 1));
        // The title rows lie above the scrolling rows, never among them.
        QVERIFY(titles->geometry().bottom() < view.viewport()->geometry().top());
        const QModelIndex topData = view.indexAt(QPoint(2, 2));
        QVERIFY(topData.row() > 900);
        QCOMPARE(view.indexAt(QPoint(2, view.viewport()->height() - 3)).row(), 1000);
        // A wheel over the titles scrolls the data, never the titles.
        view.scrollToTop();
        QCoreApplication::processEvents();
        const QPointF at(5, 5);
        QWheelEvent wheel(at, titles->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -360), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(titles->viewport(), &wheel);
        QCOMPARE(titles->rowViewportPosition(0), 0);
        QVERIFY(view.verticalScrollBar()->value() > 0);
        // Horizontal scrolling moves the titles with their columns.
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
        QCOMPARE(titles->horizontalScrollBar()->value(), view.horizontalScrollBar()->value());
    }

    // A press in the number column selects the whole row; elsewhere one cell.
    void numberColumnSelectsRows()
    {
        PosiTables::InitPosiData();
        App().DispNoStart = 1;
        App().DispNoEnd = 20;
        layout(false);
        FillGridPositionMode();
        PosiGridView view(&Grid());
        view.resize(700, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto click = [&](int r, int c, Qt::KeyboardModifiers m = {}) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, m, view.visualRect(Grid().index(r, c)).center());
        };
        click(4, 0);
        QVERIFY(view.selectionModel()->isRowSelected(4, QModelIndex()));
        click(6, 0, Qt::ShiftModifier);
        for (int r : {4, 5, 6})
            QVERIFY(view.selectionModel()->isRowSelected(r, QModelIndex()));
        // The rows' data columns are the selection the row commands take.
        QCOMPARE(Grid().Col(), 1);
        QCOMPARE(Grid().ColSel(), 28);
        QCOMPARE(std::min(Grid().Row(), Grid().RowSel()), 4);
        QCOMPARE(std::max(Grid().Row(), Grid().RowSel()), 6);
        click(8, 3);
        QVERIFY(!view.selectionModel()->isRowSelected(8, QModelIndex()));
        QCOMPARE(view.selectionModel()->selectedIndexes().size(), 1);
    }

    // Program mode: the titles fit their columns at their font (the number
    // title, the actuator names over the position columns).
    void programModeTitlesFit()
    {
        PosiTables::InitPosiData();
        App().DispNoStart = 1;
        App().DispNoEnd = 5;
        layout(true);
        for (int c = 1; c <= 6; ++c)
            Grid().SetText(0, c, QStringLiteral("AXIS1:QZ- 28L-100E"));
        FillGridProgramMode();
        PosiGridView view(&Grid());
        view.resize(900, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto width = [&](int row, int col) {
            const QModelIndex i = Grid().index(row, col);
            return QFontMetrics(Grid().data(i, Qt::FontRole).value<QFont>()).horizontalAdvance(Grid().Text(row, col));
        };
        QVERIFY(view.titleView()->columnWidth(0) > width(1, 0));
        QVERIFY(view.titleView()->columnWidth(4) > width(0, 4));
        QCOMPARE(view.columnWidth(4), view.titleView()->columnWidth(4));
        QVERIFY(!view.isColumnHidden(28));
    }
};

QTEST_MAIN(TestPosiGrid)
#include "tst_posigrid.moc"
