// Rows of the position grid: inserting, deleting, copying and pasting
// through the clipboard, and the window's row commands.
#include "core/AppState.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiGrid.h"
#include "posi/PosiRows.h"
#include "posi/PosiTables.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"
#include "ui/live/MonitorWindow.h"
#include "ui/posi/PositionWindow.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>

using namespace PosiField;
using Platform::MsgAnswer;
using Platform::ResText;
namespace Dlg = Platform::Dialogs;

namespace {

PosiGridModel &grid() { return PosiGrid::Grid(); }

// A grid of positions first..last with defaults; each position's comment
// names it ("p<n>").
void makeGrid(int first, int last, bool prg = false)
{
    App().PrgModeFlag = prg;
    PosiTables::InitPosiData();
    for (int n = first; n <= last; ++n)
        Posi().PosiData[static_cast<size_t>(n)][Comment] = QStringLiteral("p%1").arg(n);
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
    Posi().DataChanged = false;
}

QStringList snapshot()
{
    QStringList cells;
    for (int r = 0; r < grid().Rows(); ++r)
        for (int c = 0; c < PosiGridModel::kCols; ++c)
            cells << grid().Text(r, c);
    return cells;
}

// The cells that differ from an earlier snapshot of a grid of equal shape,
// as "row,col=text".
QStringList changes(const QStringList &before)
{
    QStringList out;
    const QStringList now = snapshot();
    for (qsizetype i = 0; i < std::min(now.size(), before.size()); ++i)
        if (now[i] != before[i])
            out << QStringLiteral("%1,%2=%3").arg(i / PosiGridModel::kCols).arg(i % PosiGridModel::kCols).arg(now[i]);
    return out;
}

// Whole position rows of distinct texts "r<row>c<cell>" (cells 1..28).
QString wholeRows(int count, const QString &rowEnd = QStringLiteral("\r"))
{
    QStringList lines;
    for (int r = 1; r <= count; ++r) {
        QStringList cells;
        for (int c = 1; c <= 28; ++c)
            cells << QStringLiteral("r%1c%2").arg(r).arg(c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(rowEnd);
}

// The changes a paste of wholeRows text row `textRow` makes at grid row r.
QStringList rowWritten(int r, int textRow)
{
    QStringList out;
    for (int c = 1; c <= 28; ++c)
        out << QStringLiteral("%1,%2=r%3c%4").arg(r).arg(c).arg(textRow).arg(c);
    return out;
}

// The messages shown, as the message number that starts each (386 and
// 388 with their second lines); 0 when none was shown.
QString message(int id)
{
    if (id == 386)
        return Platform::ResLines({386, 387});
    if (id == 388)
        return Platform::ResLines({388, 389});
    return ResText(id);
}
void checkShown(int id)
{
    QCOMPARE(Dlg::ShownTexts(), id == 0 ? QStringList{} : QStringList{message(id)});
}

} // namespace

class TestPosiRows : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        App().DispMmUnit = false;
        ResetPosiState();
        ResetParadataState();
        PosiGrid::ResetGrid();
        Platform::SetClipboardText(QString());
    }
    void cleanup() { env.reset(); }

    void deleteRows_data()
    {
        QTest::addColumn<int>("first");        // grid range
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("row");          // selection, grid rows
        QTest::addColumn<int>("rowSel");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("dispStart");
        QTest::addColumn<int>("dispEnd");
        QTest::addColumn<int>("posiEnd");
        QTest::addColumn<QString>("row4");     // comment of grid row 4 afterwards
        QTest::newRow("a block closes up") << 10 << 20 << 6 << 4 << 0 << 10 << 10 << 17 << 17 << "p15";
        QTest::newRow("the last rows") << 10 << 20 << 11 << 12 << 0 << 11 << 10 << 18 << 18 << "p12";
        QTest::newRow("the only row") << 5 << 5 << 2 << 2 << 0 << 2 << 4 << 4 << 4 << "";
        QTest::newRow("a title row") << 10 << 20 << 1 << 3 << 386 << 13 << 10 << 20 << 20 << "p12";
    }
    void deleteRows()
    {
        QFETCH(int, first); QFETCH(int, last); QFETCH(int, row); QFETCH(int, rowSel); QFETCH(int, message);
        QFETCH(int, rows); QFETCH(int, dispStart); QFETCH(int, dispEnd); QFETCH(int, posiEnd); QFETCH(QString, row4);
        makeGrid(first, last);
        grid().SyncSelection(row, 1, rowSel, 28);
        QCOMPARE(PosiRows::DeleteSelectedRows(), message == 0);
        checkShown(message);
        QCOMPARE(grid().Rows(), rows);
        QCOMPARE(App().DispNoStart, dispStart);
        QCOMPARE(App().DispNoEnd, dispEnd);
        QCOMPARE(App().PosiNoEnd, posiEnd);
        QCOMPARE(grid().Text(4, 28), row4);
        for (int r = 2; r < grid().Rows(); ++r)
            QCOMPARE(grid().Text(r, 0), QString::number(dispStart + r - 2));
        QCOMPARE(Posi().DataChanged, message == 0);
        if (message == 0 && grid().Rows() >= 3)
            QVERIFY(grid().Row() >= 2 && grid().Col() == 1);
    }

    void insertRows_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("rowSel");
        QTest::addColumn<bool>("prg");
        QTest::addColumn<bool>("mm");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastComment");   // of the last grid row
        QTest::addColumn<QString>("newPosition");   // position cell of the new row
        QTest::newRow("999 rows: the last drops") << 1 << 999 << 2 << 2 << false << false << 0 << 1001 << "p998" << "0";
        QTest::newRow("999 rows, refused: nothing drops") << 1 << 999 << 1 << 1 << false << false << 388 << 1001 << "p999" << "";
        QTest::newRow("near the end") << 995 << 999 << 4 << 3 << false << false << 0 << 7 << "p997" << "0";
        QTest::newRow("mm, positioner") << 1 << 5 << 3 << 3 << false << true << 0 << 8 << "p5" << "   0.000";
        QTest::newRow("mm, program") << 1 << 5 << 3 << 3 << true << true << 0 << 8 << "p5" << "       N";
    }
    void insertRows()
    {
        QFETCH(int, first); QFETCH(int, last); QFETCH(int, row); QFETCH(int, rowSel); QFETCH(bool, prg);
        QFETCH(bool, mm); QFETCH(int, message); QFETCH(int, rows); QFETCH(QString, lastComment);
        QFETCH(QString, newPosition);
        App().DispMmUnit = mm;
        makeGrid(first, last, prg);
        grid().SyncSelection(row, 1, rowSel, 28);
        QCOMPARE(PosiRows::InsertSelectedRows(), message == 0);
        checkShown(message);
        QCOMPARE(grid().Rows(), rows);
        QCOMPARE(grid().Text(rows - 1, 28), lastComment);
        QVERIFY(App().DispNoEnd <= kPosiMax);
        QCOMPARE(grid().Text(rows - 1, 0), QString::number(App().DispNoEnd));
        QVERIFY(grid().Text(rows - 1, 0).toInt() <= kPosiMax);
        QCOMPARE(Posi().DataChanged, message == 0);
        if (message == 0) {
            const int at = std::min(row, rowSel);
            QCOMPARE(grid().Text(at, 4), newPosition);
            QCOMPARE(grid().Text(at, 1), QStringLiteral("30"));
            QCOMPARE(grid().Text(at, 28), QString());
            QCOMPARE(grid().Text(at + 1 + std::abs(row - rowSel), 28), QStringLiteral("p%1").arg(first + at - 2));
        }
    }

    // An inserted row holds what a row of new data holds (the acceleration
    // in ms, 200 ms on a D/42 actuator).
    void insertedRowIsNewData_data()
    {
        QTest::addColumn<bool>("prg");
        QTest::addColumn<bool>("mm");
        QTest::newRow("positioner, pulses") << false << false;
        QTest::newRow("positioner, mm") << false << true;
        QTest::newRow("program, mm") << true << true;
    }
    void insertedRowIsNewData()
    {
        QFETCH(bool, prg); QFETCH(bool, mm);
        auto &d = Paradata().DevSetting;
        d.DevSpeed[1] = QStringLiteral("D");
        d.DevSize[1] = QStringLiteral(" 42");
        App().DispMmUnit = mm;
        makeGrid(1, 3, prg);
        grid().SyncSelection(3, 1, 3, 28);
        QVERIFY(PosiRows::InsertSelectedRows());
        QCOMPARE(grid().Text(3, Acc(0)), QStringLiteral("100"));
        QCOMPARE(grid().Text(3, Acc(1)), QStringLiteral("200"));
        for (int c = 1; c <= 27; ++c)
            QCOMPARE(grid().Text(3, c).trimmed(), grid().Text(2, c).trimmed());
    }

    void copy_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("rowSel");
        QTest::addColumn<int>("colSel");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<bool>("flag");
        QTest::newRow("two whole rows") << 4 << 1 << 3 << 28 << 0 << "rows" << true;
        QTest::newRow("one column") << 3 << 2 << 5 << 2 << 0 << "100\r100\r100" << false;
        QTest::newRow("five columns") << 3 << 1 << 4 << 5 << 335 << "before" << true;
    }
    void copy()
    {
        QFETCH(int, row); QFETCH(int, col); QFETCH(int, rowSel); QFETCH(int, colSel); QFETCH(int, message);
        QFETCH(QString, clip); QFETCH(bool, flag);
        makeGrid(1, 10);
        Platform::SetClipboardText(QStringLiteral("before"));
        App().ClipCopyFlag = true;
        grid().SyncSelection(row, col, rowSel, colSel);
        QCOMPARE(PosiRows::CopySelection(), message == 0);
        checkShown(message);
        QCOMPARE(App().ClipCopyFlag, flag);
        const QString text = Platform::ClipboardText();
        if (clip != QLatin1String("rows")) {
            QCOMPARE(text, clip);
            return;
        }
        const QStringList lines = text.split(QLatin1Char('\r'));
        QCOMPARE(lines.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QStringList cells = lines[i].split(QLatin1Char('\t'));
            QCOMPARE(cells.size(), 28);
            QCOMPARE(cells[0], QStringLiteral("30"));
            QCOMPARE(cells[27], QStringLiteral("p%1").arg(i + 2));
        }
        QCOMPARE(PosiRows::CheckClipPosiData(), 1);
    }

    // Copied rows pasted elsewhere are the same rows.
    void copiedRowsPasteBack()
    {
        makeGrid(1, 10);
        grid().SetText(3, 3, QStringLiteral("2"));
        grid().SetText(4, 8, QStringLiteral("250"));
        grid().SyncSelection(3, 1, 4, 28);
        QVERIFY(PosiRows::CopySelection());
        grid().SetCurrent(7, 1);
        QVERIFY(PosiRows::PosiDataPaste());
        for (int c = 1; c <= 28; ++c) {
            QCOMPARE(grid().Text(7, c), grid().Text(3, c));
            QCOMPARE(grid().Text(8, c), grid().Text(4, c));
        }
        QCOMPARE(grid().Text(7, 0), QStringLiteral("6"));
        QVERIFY(App().ClipCopyFlag);
        QVERIFY(Posi().DataChanged);
    }

    void paste_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<bool>("prg");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("colSel");
        QTest::addColumn<int>("message");
        QTest::addColumn<QStringList>("written");
        // Grid of positions 1..10: rows 2..11.
        QTest::newRow("3 rows at the second-to-last row") << wholeRows(3) << false << 10 << 1 << 28 << 0
                                                          << rowWritten(10, 1) + rowWritten(11, 2);
        QTest::newRow("rows with CR LF") << wholeRows(2, QStringLiteral("\r\n")) + "\r\n" << false << 3 << 1 << 1 << 0
                                         << rowWritten(3, 1) + rowWritten(4, 2);
        QTest::newRow("program mode, from the position column") << wholeRows(1) << true << 3 << 4 << 4 << 0
                                                                 << rowWritten(3, 1);
        QTest::newRow("one column of 4 into column 2") << "5\r6\r7\r8" << false << 3 << 2 << 2 << 0
                                                       << QStringList{"3,2=5", "4,2=6", "5,2=7", "6,2=8"};
        QTest::newRow("a lone CR at the end empties the next row's cell") << "9\r" << false << 3 << 2 << 2 << 0
                                                                          << QStringList{"3,2=9", "4,2="};
        QTest::newRow("rows in a title row") << wholeRows(1) << false << 0 << 1 << 28 << 393 << QStringList{};
        QTest::newRow("rows in the number column") << wholeRows(1) << false << 3 << 0 << 0 << 393 << QStringList{};
        QTest::newRow("rows from a middle column") << wholeRows(1) << false << 3 << 5 << 5 << 393 << QStringList{};
        QTest::newRow("rows in the number column, program mode") << wholeRows(1) << true << 3 << 0 << 0 << 580 << QStringList{};
        QTest::newRow("a column in a title row") << "5\r6" << false << 1 << 2 << 2 << 481 << QStringList{};
        QTest::newRow("a column in the number column") << "5\r6" << false << 3 << 0 << 0 << 481 << QStringList{};
        QTest::newRow("a column over two columns") << "5\r6" << false << 3 << 2 << 3 << 481 << QStringList{};
        QTest::newRow("five cells a row") << "1\t2\t3\t4\t5" << false << 3 << 1 << 1 << 336 << QStringList{};
        QTest::newRow("a first line shorter than a later one") << "5\r6\t7" << false << 3 << 2 << 2 << 0 << QStringList{};
    }
    void paste()
    {
        QFETCH(QString, clip); QFETCH(bool, prg); QFETCH(int, row); QFETCH(int, col); QFETCH(int, colSel);
        QFETCH(int, message); QFETCH(QStringList, written);
        makeGrid(1, 10, prg);
        App().ClipCopyFlag = true;
        Platform::SetClipboardText(clip);
        grid().SyncSelection(row, col, row, colSel);
        const QStringList before = snapshot();
        PosiRows::PosiDataPaste();
        checkShown(message);
        QCOMPARE(changes(before), written);
        QCOMPARE(grid().Rows(), 12);
        QCOMPARE(Posi().DataChanged, !written.isEmpty());
        if (!written.isEmpty()) {
            // The cursor stays where the paste started.
            QCOMPARE(grid().Row(), row);
            QCOMPARE(grid().Col(), (prg && colSel == 4) ? 1 : col);
        }
        // Only a paste of one column says the clipboard no longer holds rows.
        QCOMPARE(App().ClipCopyFlag, !(message == 0 && !written.isEmpty() && !clip.contains(QLatin1Char('\t'))));
    }

    // Text a position file cannot keep ("café €") is refused by a paste
    // as typing refuses it, and by the cell editor's commit (text pasted
    // into the editor): the grid and the unsaved-changes flag stay.
    void unkeptTextIsRefused_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<int>("col");
        QTest::newRow("a column pasted") << "paste" << "ok\rcafé €" << 28;
        QTest::newRow("rows pasted") << "paste" << wholeRows(1).replace(QStringLiteral("r1c28"), QStringLiteral("café €")) << 1;
        QTest::newRow("a cell edited") << "edit" << "café €" << 28;
    }
    void unkeptTextIsRefused()
    {
        QFETCH(QString, how); QFETCH(QString, clip); QFETCH(int, col);
        makeGrid(1, 10);
        grid().SyncSelection(3, col, 3, col);
        const QStringList before = snapshot();
        if (how == QLatin1String("paste")) {
            Platform::SetClipboardText(clip);
            QVERIFY(!PosiRows::PosiDataPaste());
            QCOMPARE(Dlg::ShownTexts(), QStringList{ResText(9431).arg(QStringLiteral("é"))});
            QVERIFY(Dlg::ShownTexts().first().contains(QStringLiteral("(é)")));
        } else {
            QVERIFY(!grid().setData(grid().index(3, col), clip));
            QVERIFY(Dlg::ShownTexts().isEmpty());
        }
        QCOMPARE(changes(before), QStringList{});
        QVERIFY(!Posi().DataChanged);
    }

    // The window: deleting its only row turns the row commands off, and an
    // insert leaves data to save at close.
    void windowRowCommands()
    {
        PositionWindow w;
        makeGrid(7, 7);
        w.SetEditMenuState();
        QVERIFY(w.cmdDeleteLine->isEnabled() && w.cmdInsertLine->isEnabled());
        grid().SyncSelection(2, 1, 2, 28);
        w.cmdDeleteLine->click();
        QCOMPARE(grid().Rows(), 2);
        for (QPushButton *b : {w.cmdInsertLine, w.cmdDeleteLine, w.cmdPosiCopy, w.cmdPosiPaste})
            QVERIFY(!b->isEnabled());

        makeGrid(1, 3);
        grid().SyncSelection(3, 1, 3, 28);
        w.cmdInsertLine_Click();
        QCOMPARE(grid().Rows(), 6);
        Dlg::ClearScript();
        Dlg::QueueAnswer(MsgAnswer::Cancel);
        QVERIFY(w.Form_QueryUnload(true));
        QCOMPARE(Dlg::ShownTexts(), QStringList{ResText(391)});
    }

    // The window's service buttons: the input/output monitor shown with
    // the commands off, the edit commands off, and the end of a wait.
    void serviceButtons()
    {
        PositionWindow w;
        makeGrid(1, 3);
        w.DataButtonsOn();
        w.SetEditMenuState();
        QStringList seen;   // the window shown, and the commands while it is
        for (int i = 0; i < 2; ++i)
            Dlg::PushModalHandler([&](QDialog &d) {
                seen << QStringLiteral("%1 %2").arg(qobject_cast<MonitorWindow *>(&d) ? "monitor" : "other",
                                                    w.cmdPosiFileOpen->isEnabled() ? "on" : "off");
                return int(QDialog::Accepted);
            });
        w.cmdIOCheck1->click();
        w.cmdIOCheck2->click();
        QCOMPARE(seen, (QStringList{"monitor off", "monitor off"}));
        QVERIFY(w.cmdPosiFileOpen->isEnabled());
        w.cmdEditOff->click();
        QVERIFY(!w.cmdInsertLine->isEnabled() && !w.cmdPosiPaste->isEnabled());
        QVERIFY(w.cmdPosiFileOpen->isEnabled());
        App().AxisNotUsed[1] = true;
        w.cmdTest->click();
        QVERIFY(Comm::Queues().LinkFailed);
        QWidget *teach = w.SSTabCommand->widget(2);
        QVERIFY(w.cmdJOG[0]->isEnabledTo(teach) && !w.cmdJOG[2]->isEnabledTo(teach));
    }

    // The main window's Edit and popup commands reach the position window
    // while it is the active child: each does what the window's own button
    // does, on the same grid and clipboard.
    void editMenuReachesThePositionWindow_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("button");
        QTest::newRow("copy") << "mnuEditCopy" << "cmdPosiCopy";
        QTest::newRow("paste") << "mnuEditPaste" << "cmdPosiPaste";
        QTest::newRow("insert") << "mnuEditInsert" << "cmdInsertLine";
        QTest::newRow("delete") << "mnuEditLineDelete" << "cmdDeleteLine";
        QTest::newRow("popup copy") << "mnuPopupCopy" << "cmdPosiCopy";
        QTest::newRow("popup paste") << "mnuPopupPaste" << "cmdPosiPaste";
        QTest::newRow("popup insert") << "mnuPopupLineInsert" << "cmdInsertLine";
        QTest::newRow("popup delete") << "mnuPopupLineDelete" << "cmdDeleteLine";
    }
    void editMenuReachesThePositionWindow()
    {
        QFETCH(QString, menu);
        QFETCH(QString, button);
        MainScope m;
        PositionWindow *w = m.main.PosiWindow();
        m.main.ShowChild(w);
        auto run = [&](const std::function<void()> &command) {
            makeGrid(1, 3);
            w->SetEditMenuState();
            w->DataButtonsOn();
            grid().SyncSelection(2, 1, 2, 28);
            Platform::SetClipboardText(wholeRows(1));
            Dlg::ClearScript();
            command();
            return QStringList{snapshot().join(QLatin1Char('|')), Platform::ClipboardText(),
                               Dlg::ShownTexts().join(QLatin1Char('|'))};
        };
        // Both switched on, whatever the state of the clipboard.
        const QStringList byButton = run([&] {
            QPushButton *b = w->findChild<QPushButton *>(button);
            b->setEnabled(true);
            b->click();
        });
        const QStringList byMenu = run([&] {
            QAction *a = m.main.findChild<QAction *>(menu);
            a->setEnabled(true);
            a->trigger();
        });
        QCOMPARE(byMenu, byButton);
        const QStringList untouched = run([] {});
        QVERIFY(byMenu != untouched);
    }
};

QTEST_MAIN(TestPosiRows)
#include "tst_posirows.moc"
