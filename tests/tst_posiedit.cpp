// Typing into the position grid: key filters, the commit of a typed value,
// several selected cells, where the cursor goes after an edit, and the grid
// as an editable Qt model.
#include "core/AppState.h"
#include "paradata/ParadataState.h"
#include "posi/PosiEdit.h"
#include "posi/PosiGrid.h"
#include "posi/PosiRows.h"
#include "posi/PosiTables.h"
#include "ui/posi/PosiGridView.h"
#include "support/TestEnv.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

using namespace PosiField;
using PosiEdit::Selection;

class TestPosiEdit : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

    static void axis(int a, int lead, int ppr, int maxPulse, double maxMm, int maxSpeed = 300)
    {
        auto &p = Paradata();
        p.DevSetting.DevLead[a] = static_cast<int16_t>(lead);
        p.DevSetting.DevPPR[a] = ppr;
        p.MaxPulse[a] = maxPulse;
        p.MaxMm[a] = maxMm;
        p.MaxSpeed[a] = static_cast<int16_t>(maxSpeed);
    }
    // A grid of positions first..last with defaults.
    static void makeGrid(int first, int last, bool prg = false)
    {
        App().PrgModeFlag = prg;
        PosiTables::InitPosiData();
        App().DispNoStart = App().PosiNoStart = first;
        App().DispNoEnd = App().PosiNoEnd = last;
        if (prg) {
            PosiGrid::Set_PosFormStrAtPrgMode();
            PosiGrid::SizeInit_PositionGridAtPrgMode();
        } else {
            PosiGrid::Set_PosFormStrAtPosMode();
            PosiGrid::SizeInit_PositionGridAtPosMode();
        }
        PosiGrid::FillGridByMode();
    }
    static Selection one(int row, int col) { return {row, col, row, col}; }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        ResetPosiState();
        ResetParadataState();
        PosiGrid::ResetGrid();
        for (int a = 0; a < 4; ++a)
            axis(a, 6, 400, 6667, 100.0);
        App().DispNoStart = 1;
        App().DispMmUnit = false;
    }

    void keyFilters_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("prg");
        QTest::addColumn<bool>("mm");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("speed") << 1 << false << false << "12a.-" << "12";
        QTest::newRow("speed, program mode") << 1 << true << false << "12" << "";
        QTest::newRow("method") << 3 << false << false << "01234" << "0123";
        QTest::newRow("method, program mode") << 3 << true << false << "35" << "3";
        QTest::newRow("pulses") << 4 << false << false << "1.5N+" << "15";
        QTest::newRow("mm") << 4 << false << true << "1.5N+" << "1.5";
        QTest::newRow("pulses, program mode") << 4 << true << false << "n+1.-x" << "N+1-";
        QTest::newRow("mm, program mode") << 4 << true << true << "n-1.5" << "N-1.5";
        QTest::newRow("interpolation") << 25 << false << false << "0123" << "01";
        QTest::newRow("interpolation, program mode") << 25 << true << false << "01" << "";
        QTest::newRow("comment") << 28 << false << false << "ab 1.,\u3042" << "ab 1.,\u3042";
    }
    void keyFilters()
    {
        QFETCH(int, col); QFETCH(bool, prg); QFETCH(bool, mm); QFETCH(QString, typed); QFETCH(QString, kept);
        App().PrgModeFlag = prg;
        App().DispMmUnit = mm;
        QString out;
        for (QChar ch : typed)
            if (const int k = PosiEdit::FilterKey(col, ch.unicode()))
                out += QChar(k);
        QCOMPARE(out, kept);
        if (!kept.isEmpty())
            QCOMPARE(PosiEdit::FilterKey(col, 8), 8);   // Backspace passes every filter
    }

    void commentRefusesWhatAFileCannotHold()
    {
        QCOMPARE(PosiEdit::FilterKey(28, 0x20AC), 0);   // the euro sign has no Shift-JIS code
        QCOMPARE(PosiEdit::FilterKey(28, 0x30A2), 0x30A2);
    }

    void commitPositioner_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("acceleration cut to tens") << 2 << "1234" << 0 << "1230";
        QTest::newRow("acceleration 5") << 2 << "5" << 1 << "";
        QTest::newRow("acceleration 2010") << 2 << "2010" << 1 << "";
        QTest::newRow("acceleration 2000") << 2 << "2000" << 0 << "2000";
        QTest::newRow("empty speed") << 1 << "" << 1 << "";
        QTest::newRow("speed at the limit") << 1 << "300" << 0 << "300";
        QTest::newRow("speed over the limit") << 1 << "301" << 1 << "";
        QTest::newRow("empty method") << 3 << "" << 0 << "";
        QTest::newRow("method 4") << 3 << "4" << 1 << "";
        QTest::newRow("push force 15") << 5 << "15" << 1 << "";
        QTest::newRow("push force 0") << 5 << "0" << 0 << "0";
        QTest::newRow("push force 20") << 5 << " 20 " << 0 << "20";
        QTest::newRow("push force 71") << 5 << "71" << 1 << "";
        QTest::newRow("push position 99") << 6 << "99" << 0 << "99";
        QTest::newRow("empty push position") << 6 << "" << 0 << "";
        QTest::newRow("interpolation 2") << 25 << "2" << 1 << "";
        QTest::newRow("output 15") << 26 << "15" << 0 << "15";
        QTest::newRow("output 16") << 26 << "16" << 1 << "";
        QTest::newRow("macro 21") << 27 << "21" << 1 << "";
        QTest::newRow("empty macro") << 27 << "" << 0 << "";
        QTest::newRow("comment trimmed") << 28 << "  abc " << 0 << "abc";
        QTest::newRow("pulses at the limit in mm") << 4 << "6666" << 0 << "6666";
        // 6667 pulses are 100.005 mm, more than the stroke of 100 mm.
        QTest::newRow("pulses past the stroke") << 4 << "6667" << 1 << "";
        QTest::newRow("pulses over MaxPulse") << 4 << "6668" << 1 << "";
    }
    void commitPositioner()
    {
        QFETCH(int, col); QFETCH(QString, typed); QFETCH(int, result); QFETCH(QString, text);
        Posi().DataChanged = false;
        const PosiEdit::Commit c = PosiEdit::SetDataForPositionGrid(one(5, col), typed);
        QCOMPARE(c.result, result);
        QCOMPARE(Posi().DataChanged, result == 0);
        if (result == 0)
            QCOMPARE(c.text, text);
        // A refused position always beeps; other fields of one cell never do.
        QCOMPARE(c.beep, result == 1 && col == 4);
    }

    void speed400OnlyForSize42SpeedD_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<int>("result");
        QTest::newRow("42 D") << " 42" << "D" << 0;
        QTest::newRow("42 H") << " 42" << "H" << 1;
        QTest::newRow("28 D") << " 28" << "D" << 1;
    }
    void speed400OnlyForSize42SpeedD()
    {
        QFETCH(QString, size); QFETCH(QString, speed); QFETCH(int, result);
        Paradata().DevSetting.DevSize[1] = size;
        Paradata().DevSetting.DevSpeed[1] = speed;
        QCOMPARE(PosiEdit::SetDataForPositionGrid(one(2, 7), QStringLiteral("400")).result, result);
        QCOMPARE(PosiEdit::SetDataForPositionGrid(one(2, 7), QStringLiteral("401")).result, 1);
    }

    void positionsStoredInBothUnits_data()
    {
        QTest::addColumn<int>("lead");
        QTest::addColumn<bool>("mmUnit");
        QTest::addColumn<bool>("roundUp");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("pulses");
        QTest::addColumn<double>("mm");
        QTest::newRow("mm cut to three decimals") << 6 << true << true << "12.34567" << "  12.345" << 823.0 << 12.345;
        QTest::newRow("half pulse down") << 8 << true << false << "0.01" << "   0.000" << 0.0 << 0.0;
        QTest::newRow("half pulse up") << 8 << true << true << "0.01" << "   0.020" << 1.0 << 0.02;
        QTest::newRow("pulses") << 6 << false << true << "823" << "823" << 823.0 << 12.345;
        QTest::newRow("pulses, mm cut") << 6 << false << true << "1" << "1" << 1.0 << 0.015;
    }
    void positionsStoredInBothUnits()
    {
        QFETCH(int, lead); QFETCH(bool, mmUnit); QFETCH(bool, roundUp); QFETCH(QString, typed);
        QFETCH(QString, text); QFETCH(double, pulses); QFETCH(double, mm);
        axis(2, lead, 400, 6666, 100.0);
        App().DispMmUnit = mmUnit;
        App().MmRoundUp = roundUp;
        App().DispNoStart = 10;
        const PosiEdit::Commit c = PosiEdit::SetDataForPositionGrid(one(4, 16), typed);
        QCOMPARE(c.result, 0);
        QCOMPARE(c.text, text);
        const PosiDispRow &d = Posi().PosiDataDisp[12];   // grid row 4 = position 12
        QCOMPARE(d[2], pulses);
        QCOMPARE(d[6], mm);
    }

    void commitProgramMode_data()
    {
        QTest::addColumn<bool>("mmUnit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("N") << false << "N" << 0 << "N";
        QTest::newRow("N with digits") << false << "N12" << 0 << "N";
        QTest::newRow("lone plus") << false << "+" << 0 << "+1";
        QTest::newRow("minus") << false << "-25" << 0 << "-25";
        QTest::newRow("absolute") << false << "100" << 0 << "100";
        QTest::newRow("past the stroke") << false << "+6667" << 1 << "";
        QTest::newRow("lone plus in mm, snapped to a pulse") << true << "+" << 0 << "  +1.005";
        QTest::newRow("mm absolute") << true << "12.34567" << 0 << "  12.345";
    }
    void commitProgramMode()
    {
        QFETCH(bool, mmUnit); QFETCH(QString, typed); QFETCH(int, result); QFETCH(QString, text);
        App().PrgModeFlag = true;
        App().DispMmUnit = mmUnit;
        const PosiEdit::Commit c = PosiEdit::CommitEdit(one(2, 10), typed);
        QCOMPARE(c.result, result);
        if (result == 0)
            QCOMPARE(c.text, text);
        else
            QVERIFY(c.beep);   // in program mode a single refused cell beeps too
        // Other columns are taken as typed.
        QCOMPARE(PosiEdit::CommitEdit(one(2, 28), QStringLiteral(" x ")).text, QStringLiteral(" x "));
        QCOMPARE(PosiEdit::CommitEdit(one(2, 9), QStringLiteral("4")).result, 1);
    }

    // The grid as an editable model: setData runs the commit over the
    // selection.
    void selectionFillAndNarrowing()
    {
        makeGrid(1, 10);
        PosiGridModel &g = PosiGrid::Grid();
        QAbstractItemModelTester tester(&g, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy beeps(&g, &PosiGridModel::beep);

        g.SyncSelection(3, 1, 5, 1);   // three rows of one column
        QVERIFY(g.setData(g.index(3, 1), QStringLiteral("55")));
        for (int r = 3; r <= 5; ++r)
            QCOMPARE(g.Text(r, 1), QStringLiteral("55"));
        QCOMPARE(g.Text(6, 1), QStringLiteral("30"));
        QCOMPARE(beeps.count(), 0);

        g.SyncSelection(3, 2, 4, 3);   // two columns: narrowed with a beep
        QVERIFY(g.setData(g.index(3, 2), QStringLiteral("100")));
        QCOMPARE(g.ColSel(), 2);
        QCOMPARE(g.Text(4, 2), QStringLiteral("100"));
        QCOMPARE(g.Text(4, 3), QStringLiteral("0"));
        QCOMPARE(beeps.count(), 1);

        // A refused position collapses the selection onto the current cell.
        g.SyncSelection(3, 4, 5, 4);
        QVERIFY(!g.setData(g.index(3, 4), QStringLiteral("999999")));
        QCOMPARE(g.RowSel(), 3);
        QCOMPARE(g.Text(3, 4), QStringLiteral("0"));
        QCOMPARE(beeps.count(), 2);

        // Positions of every filled row reach the display table.
        g.SyncSelection(7, 4, 9, 4);
        QVERIFY(g.setData(g.index(7, 4), QStringLiteral("400")));
        QCOMPARE(Posi().PosiDataDisp[8][0], 400.0);
        QCOMPARE(Posi().PosiDataDisp[6][0], 400.0);
        QCOMPARE(Posi().PosiDataDisp[6][4], 6.0);
    }

    void unusedAxisNotEditableInPositionerMode()
    {
        App().AxisNotUsed[1] = true;
        makeGrid(1, 3);
        PosiGridModel &g = PosiGrid::Grid();
        QVERIFY(!(g.flags(g.index(2, 8)) & Qt::ItemIsEditable));
        QVERIFY(!g.BeginEdit(2, 8));
        QVERIFY(!(g.flags(g.index(1, 1)) & Qt::ItemIsEditable));   // title row
        QVERIFY(g.BeginEdit(2, 2));
        QCOMPARE(g.CellBackColor(2, 2).value(), PosiEdit::kEditColor);
        QCOMPARE(App().GridEditOldText, QStringLiteral("100"));
        g.LeaveCell(2, 2);
        QCOMPARE(g.CellBackColor(2, 2).value(), PosiGridModel::kWindowColor);
        g.LeaveCell(2, 25);
        QCOMPARE(g.CellBackColor(2, 8).value(), 0xE0E0E0u);
        App().PrgModeFlag = true;
        QVERIFY(g.flags(g.index(2, 10)) & Qt::ItemIsEditable);
    }

    void maxLengths()
    {
        const int cols[] = {1, 2, 3, 4, 5, 6, 25, 26, 27, 28, 0};
        const int pos[] = {3, 4, 1, 7, 2, 2, 1, 2, 2, 40, 0};
        for (size_t i = 0; i < std::size(cols); ++i)
            QCOMPARE(PosiEdit::MaxLength(cols[i]), pos[i]);
        App().PrgModeFlag = true;
        QCOMPARE(PosiEdit::MaxLength(4), 8);
    }

    void navigation_data()
    {
        QTest::addColumn<bool>("prg");
        QTest::addColumn<QString>("unused");   // axes (0-based) not in use
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCol");
        QTest::newRow("next column") << false << "" << 13 << 2 << 5 << 3;
        QTest::newRow("6 to 7") << false << "" << 13 << 6 << 5 << 7;
        QTest::newRow("6 skips axis 2") << false << "1" << 13 << 6 << 5 << 13;
        QTest::newRow("6, axes 2 and 3 off") << false << "12" << 13 << 6 << 5 << 19;
        QTest::newRow("6, axes 2 to 4 off") << false << "123" << 13 << 6 << 5 << 26;
        QTest::newRow("12, axes 3 and 4 off") << false << "23" << 13 << 12 << 5 << 25;
        QTest::newRow("24 to 25") << false << "" << 13 << 24 << 5 << 25;
        QTest::newRow("27 to 28") << false << "" << 13 << 27 << 5 << 28;
        QTest::newRow("28 to next row") << false << "" << 13 << 28 << 6 << 1;
        QTest::newRow("28, axis 1 off") << false << "0" << 13 << 28 << 6 << 7;
        QTest::newRow("down") << false << "" << 40 << 9 << 6 << 9;
        QTest::newRow("prg method to position") << true << "" << 13 << 9 << 5 << 10;
        QTest::newRow("prg position to next axis") << true << "" << 13 << 4 << 5 << 10;
        QTest::newRow("prg skips axis 3") << true << "2" << 13 << 10 << 5 << 22;
        QTest::newRow("prg last axis to comment") << true << "3" << 13 << 16 << 5 << 28;
        QTest::newRow("prg 28 to next row") << true << "" << 13 << 28 << 6 << 4;
    }
    void navigation()
    {
        QFETCH(bool, prg); QFETCH(QString, unused); QFETCH(int, key); QFETCH(int, col);
        QFETCH(int, toRow); QFETCH(int, toCol);
        App().PrgModeFlag = prg;
        for (QChar c : unused)
            App().AxisNotUsed[static_cast<size_t>(c.digitValue())] = true;
        const PosiEdit::Move m = PosiEdit::AfterEdit(key, 5, col, 12);
        QVERIFY(m.moves);
        QCOMPARE(m.row, toRow);
        QCOMPARE(m.col, toCol);
        QVERIFY(!m.append);
    }

    void lastRowStepsAppend()
    {
        PosiEdit::Move m = PosiEdit::AfterEdit(40, 11, 9, 12);
        QVERIFY(m.append);
        QCOMPARE(m.row, 12);
        QCOMPARE(m.col, 1);
        m = PosiEdit::AfterEdit(13, 11, 28, 12);
        QVERIFY(m.append);
        QCOMPARE(m.row, 12);
        // Past grid row 999 the step goes back to the first data row.
        m = PosiEdit::RowStep(1000, 1001, 1);
        QVERIFY(!m.append);
        QCOMPARE(m.row, 2);
    }

    // The editor in the view: typing, a refused value, Down on the last of
    // 998 rows appending position 999.
    void editorInTheView()
    {
        makeGrid(1, 998);
        PosiGridModel &g = PosiGrid::Grid();
        PosiGridView view(&g);
        view.resize(900, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        g.SetCurrent(999, 2);
        view.edit(g.index(999, 2));
        auto *ed = view.findChild<QLineEdit *>();
        QVERIFY(ed);
        ed->clear();
        QTest::keyClicks(ed, QStringLiteral("5"));
        QTest::keyClick(ed, Qt::Key_Return);
        QVERIFY(view.findChild<QLineEdit *>() && view.findChild<QLineEdit *>()->isVisible());   // refused: stays open
        QCOMPARE(ed->text(), QStringLiteral("5"));
        QTest::keyClicks(ed, QStringLiteral("x0"));
        QCOMPARE(ed->text(), QStringLiteral("50"));   // the letter was dropped
        QTest::keyClick(ed, Qt::Key_Down);
        QCOMPARE(g.Text(999, 2), QStringLiteral("50"));
        QCOMPARE(g.Rows(), 1001);
        QCOMPARE(g.Text(1000, 0), QStringLiteral("999"));
        QCOMPARE(g.Text(1000, 1), QStringLiteral("30"));
        QCOMPARE(App().DispNoEnd, 999);
        QCOMPARE(g.Row(), 1000);
        QCOMPARE(g.Col(), 1);
        QCOMPARE(view.currentIndex(), g.index(1000, 1));
        QCOMPARE(App().GridEditKey, 0);
        QVERIFY(Posi().DataChanged);

        // Esc puts the old text back.
        view.edit(g.index(1000, 3));
        ed = view.findChild<QLineEdit *>();
        QVERIFY(ed);
        ed->setText(QStringLiteral("9"));
        QTest::keyClick(ed, Qt::Key_Escape);
        QCOMPARE(g.Text(1000, 3), QStringLiteral("0"));

        // Down on the last row outside the editor: the grid is full, the
        // cursor goes back to the first position.
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(g.Rows(), 1001);
        QCOMPARE(g.Row(), 2);
    }

    // Leaving the editor with a refused value, however it is left, keeps
    // it open on its cell with the beep Enter gives (a position beeps, a
    // speed of one cell does not); an accepted value then leaves.
    void refusedValueKeepsTheEditor_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<bool>("click");      // a click on another cell, else the focus to another widget
        QTest::addColumn<int>("beeps");
        QTest::newRow("position, another cell clicked") << 4 << "300000" << "1234" << true << 1;
        QTest::newRow("position, focus elsewhere") << 4 << "300000" << "1234" << false << 1;
        QTest::newRow("speed, another cell clicked") << 1 << "999" << "45" << true << 0;
        QTest::newRow("speed, focus elsewhere") << 1 << "999" << "45" << false << 0;
    }
    void refusedValueKeepsTheEditor()
    {
        QFETCH(int, col); QFETCH(QString, refused); QFETCH(QString, accepted); QFETCH(bool, click);
        QFETCH(int, beeps);
        makeGrid(1, 5);
        PosiGridModel &g = PosiGrid::Grid();
        QWidget top;
        auto *view = new PosiGridView(&g, &top);
        auto *other = new QLineEdit(&top);
        view->setGeometry(0, 0, 900, 300);
        other->setGeometry(0, 310, 100, 20);
        top.resize(900, 340);
        top.show();
        top.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&top));
        const QString before = g.Text(2, col);
        const QModelIndex edited = g.index(2, col);
        view->setCurrentIndex(edited);
        view->edit(edited);
        QPointer<QLineEdit> ed = view->viewport()->findChild<QLineEdit *>();
        QVERIFY(ed);
        ed->setFocus();
        QCOMPARE(QApplication::focusWidget(), ed.data());
        ed->setText(refused);
        QSignalSpy beep(&g, &PosiGridModel::beep);
        auto leave = [&] {
            if (click)
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(g.index(4, 2)).center());
            else
                other->setFocus();
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        };
        leave();
        QVERIFY(ed && ed->isVisible());
        QCOMPARE(view->indexWidget(edited), ed.data());
        QCOMPARE(ed->text(), refused);
        QCOMPARE(g.Text(2, col), before);
        QCOMPARE(view->currentIndex(), edited);
        QCOMPARE(QApplication::focusWidget(), ed.data());
        QCOMPARE(beep.count(), beeps);

        ed->setText(accepted);
        leave();
        QVERIFY(!view->indexWidget(edited));
        QCOMPARE(g.Text(2, col), accepted);
        QCOMPARE(beep.count(), beeps);
    }

    // Tab and Shift+Tab commit the edit by the rule of Enter and go to the
    // next or previous cell the user can edit (hidden columns and unused
    // axes skipped), so what is typed next lands there. Tab in the comment
    // does what Enter does there; Shift+Tab in the first column goes to the
    // previous row's comment and stays on the first row.
    void tabMovesBetweenCells_data()
    {
        QTest::addColumn<bool>("prg");
        QTest::addColumn<QString>("unused");   // axes (0-based) not in use
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");    // before the Tab; nothing: Tab outside the editor
        QTest::addColumn<int>("key");          // Qt::Key_Tab or Qt::Key_Backtab
        QTest::addColumn<int>("mods");
        QTest::addColumn<QString>("kept");     // the first cell's text afterwards (nothing typed: as it was)
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<int>("rowAfter");
        QTest::addColumn<int>("colAfter");
        QTest::addColumn<QString>("next");     // typed in the cell reached, then Enter
        QTest::addColumn<QString>("landed");   // that cell's text afterwards
        const int tab = Qt::Key_Tab, backtab = Qt::Key_Backtab, shift = int(Qt::ShiftModifier);
        QTest::newRow("speed to acceleration")
            << false << "" << 2 << 1 << "45" << tab << 0 << "45" << 5 << 2 << 2 << "100" << "100";
        QTest::newRow("push position to the next axis")
            << false << "" << 2 << 6 << "5" << tab << 0 << "5" << 5 << 2 << 7 << "50" << "50";
        QTest::newRow("over an unused axis")
            << false << "1" << 2 << 6 << "5" << tab << 0 << "5" << 5 << 2 << 13 << "50" << "50";
        QTest::newRow("back over an unused axis")
            << false << "1" << 2 << 13 << "40" << backtab << shift << "40" << 5 << 2 << 6 << "7" << "7";
        QTest::newRow("Shift with Tab from method")
            << false << "" << 2 << 3 << "2" << tab << shift << "2" << 5 << 2 << 2 << "20" << "20";
        QTest::newRow("macro to comment")
            << false << "" << 2 << 27 << "3" << tab << 0 << "3" << 5 << 2 << 28 << "ab" << "ab";
        QTest::newRow("comment to the next row")
            << false << "" << 2 << 28 << "ab" << tab << 0 << "ab" << 5 << 3 << 1 << "45" << "45";
        QTest::newRow("comment of the last row appends one")
            << false << "" << 4 << 28 << "ab" << tab << 0 << "ab" << 6 << 5 << 1 << "45" << "45";
        QTest::newRow("first column to the previous row's comment")
            << false << "" << 3 << 1 << "45" << backtab << shift << "45" << 5 << 2 << 28 << "c" << "c";
        QTest::newRow("first cell stays")
            << false << "" << 2 << 1 << "45" << backtab << shift << "45" << 5 << 2 << 1 << "50" << "50";
        QTest::newRow("prg position to the next axis's position")
            << true << "" << 2 << 4 << "n" << tab << 0 << "N" << 5 << 2 << 10 << "+5" << "+5";
        QTest::newRow("prg back to the previous position")
            << true << "" << 2 << 10 << "n" << backtab << shift << "N" << 5 << 2 << 4 << "7" << "7";
        QTest::newRow("prg over an unused axis")
            << true << "1" << 2 << 4 << "1" << tab << 0 << "1" << 5 << 2 << 16 << "2" << "2";
        QTest::newRow("prg first position to the previous row's comment")
            << true << "" << 3 << 4 << "1" << backtab << shift << "1" << 5 << 2 << 28 << "c" << "c";
        QTest::newRow("Tab outside the editor")
            << false << "" << 2 << 3 << "" << tab << 0 << "" << 5 << 2 << 4 << "12" << "12";
        QTest::newRow("Shift+Tab outside the editor")
            << false << "" << 3 << 1 << "" << backtab << shift << "" << 5 << 2 << 28 << "c" << "c";
        QTest::newRow("no current cell: Tab to the first")
            << false << "0" << 0 << 0 << "" << tab << 0 << "" << 5 << 2 << 7 << "45" << "45";
    }
    void tabMovesBetweenCells()
    {
        QFETCH(bool, prg); QFETCH(QString, unused); QFETCH(int, row); QFETCH(int, col); QFETCH(QString, typed);
        QFETCH(int, key); QFETCH(int, mods); QFETCH(QString, kept); QFETCH(int, rowsAfter); QFETCH(int, rowAfter);
        QFETCH(int, colAfter); QFETCH(QString, next); QFETCH(QString, landed);
        for (QChar c : unused)
            App().AxisNotUsed[static_cast<size_t>(c.digitValue())] = true;
        makeGrid(1, 3, prg);
        PosiGridModel &g = PosiGrid::Grid();
        PosiGridView view(&g);
        view.resize(900, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        g.SetCurrent(row, col);
        view.setFocus();
        if (typed.isEmpty())
            kept = g.Text(row, col);
        // Keys go to the cell's editor while one is open, else to the grid.
        auto target = [&view]() -> QWidget * {
            QWidget *e = view.indexWidget(view.currentIndex());
            return e ? e : &view;
        };
        auto type = [&](const QString &keys) {
            for (QChar ch : keys)
                QTest::keyClick(target(), ch.toLatin1());
        };
        type(typed);
        QTest::keyClick(target(), Qt::Key(key), Qt::KeyboardModifiers(mods));
        QCOMPARE(g.Text(row, col), kept);
        QCOMPARE(g.Rows(), rowsAfter);
        QCOMPARE(g.Row(), rowAfter);
        QCOMPARE(g.Col(), colAfter);
        QCOMPARE(view.currentIndex(), g.index(rowAfter, colAfter));
        QCOMPARE(App().GridEditKey, 0);
        QVERIFY(view.hasFocus());
        type(next);
        QTest::keyClick(target(), Qt::Key_Return);
        QCOMPARE(g.Text(rowAfter, colAfter), landed);
        if (rowAfter != row || colAfter != col)
            QCOMPARE(g.Text(row, col), kept);
    }

    // A value refused on Tab or Shift+Tab keeps the editor open on its cell
    // with the text typed, as on Enter (a position beeps, a speed of one
    // cell does not); corrected, it goes on.
    void tabWithARefusedValueKeepsTheEditor_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("colAfter");
        QTest::addColumn<int>("beeps");
        const int tab = Qt::Key_Tab, backtab = Qt::Key_Backtab, shift = int(Qt::ShiftModifier);
        QTest::newRow("speed, Tab") << 1 << "999" << "45" << tab << 0 << 2 << 0;
        QTest::newRow("position, Tab") << 4 << "300000" << "1234" << tab << 0 << 5 << 1;
        QTest::newRow("position, Shift+Tab") << 4 << "300000" << "1234" << backtab << shift << 3 << 1;
    }
    void tabWithARefusedValueKeepsTheEditor()
    {
        QFETCH(int, col); QFETCH(QString, refused); QFETCH(QString, accepted); QFETCH(int, key);
        QFETCH(int, mods); QFETCH(int, colAfter); QFETCH(int, beeps);
        makeGrid(1, 3);
        PosiGridModel &g = PosiGrid::Grid();
        PosiGridView view(&g);
        view.resize(900, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QString before = g.Text(2, col);
        g.SetCurrent(2, col);
        view.setFocus();
        QSignalSpy beep(&g, &PosiGridModel::beep);
        QTest::keyClick(&view, refused.at(0).toLatin1());
        QPointer<QLineEdit> ed = qobject_cast<QLineEdit *>(view.indexWidget(g.index(2, col)));
        QVERIFY(ed);
        QTest::keyClicks(ed, refused.mid(1));
        QCOMPARE(ed->text(), refused);
        QTest::keyClick(ed, Qt::Key(key), Qt::KeyboardModifiers(mods));
        QVERIFY(ed);
        QCOMPARE(view.indexWidget(g.index(2, col)), ed.data());
        QCOMPARE(ed->text(), refused);
        QCOMPARE(g.Text(2, col), before);
        QCOMPARE(view.currentIndex(), g.index(2, col));
        QCOMPARE(beep.count(), beeps);

        ed->setText(accepted);
        QTest::keyClick(ed, Qt::Key(key), Qt::KeyboardModifiers(mods));
        QVERIFY(!view.indexWidget(g.index(2, col)));
        QCOMPARE(g.Text(2, col), accepted);
        QCOMPARE(g.Col(), colAfter);
    }

    void insertLineKeepsWithin999()
    {
        App().DispMmUnit = true;
        makeGrid(995, 999);
        int f = 3, l = 4;
        PosiRows::PosiGridInsertLine(f, l);
        PosiGridModel &g = PosiGrid::Grid();
        QCOMPARE(g.Rows(), 7);
        QCOMPARE(g.Text(6, 0), QStringLiteral("999"));
        QCOMPARE(g.Text(3, 4), QStringLiteral("   0.000"));
        QCOMPARE(g.Text(3, 28), QString());
        QCOMPARE(g.CellBackColor(3, 7).value(), 0xC0FFFFu);
        QCOMPARE(App().DispNoEnd, 999);
    }

    void hints()
    {
        Paradata().MaxSpeed[0] = 250;
        QCOMPARE(PosiEdit::InputRangeText(1), QStringLiteral("Input Range : 1 to 250(mm/sec)"));
        QCOMPARE(PosiEdit::InputRangeText(4), QStringLiteral("Input Range : 0 to 6667(pls)"));
        QCOMPARE(PosiEdit::InputRangeText(28), QStringLiteral("It is possible to input it up to 20 characters."));
        App().PrgModeFlag = true;
        QCOMPARE(PosiEdit::InputRangeText(0), QString());
        QCOMPARE(PosiEdit::InputRangeText(2), QStringLiteral("Input Range :  to "));
    }
};

QTEST_MAIN(TestPosiEdit)
#include "tst_posiedit.moc"
