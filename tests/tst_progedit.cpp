// The program window as the user edits it: the keys each column takes,
// the commit of a cell, the cursor after an edit and the lines appended
// within the step limit, the keys outside the editor, the clicks that
// switch the line commands, the Edit menu and the popup, the close
// question, the error pane and the check button.
#include "core/AppState.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "prog/CommandList.h"
#include "prog/ProgEdit.h"
#include "prog/ProgLines.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"
#include "ui/common/Forms.h"
#include "ui/prog/ProgGridView.h"
#include "ui/prog/ProgramWindow.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

using ProgData::ProgTexts;
namespace Dlg = Platform::Dialogs;
using Platform::MsgAnswer;
using Answers = QList<int>;   // MsgAnswer values

namespace {

ProgTexts line(const QString &cmd, const QString &o1 = {}, const QString &o2 = {})
{
    return {cmd, o1, o2, {}, {}, {}};
}

std::vector<ProgTexts> lines(int n, const ProgTexts &l = line("MVP", "1"))
{
    return std::vector<ProgTexts>(static_cast<size_t>(n), l);
}

QString typed(int col, const QString &keys)
{
    QString out;
    for (char32_t u : keys.toUcs4())
        out += ProgEdit::FilterText(col, QString::fromUcs4(&u, 1));
    return out;
}

bool actionVisible(MainWindow &m, const char *name)
{
    auto *a = m.findChild<QAction *>(QString::fromLatin1(name));
    return a && a->isVisible();
}

bool actionEnabled(MainWindow &m, const char *name)
{
    auto *a = m.findChild<QAction *>(QString::fromLatin1(name));
    return a && a->isEnabled();
}

// Keys go to the cell's editor while one is open, else to the grid.
QWidget *keyTarget(QAbstractItemView *v)
{
    QWidget *e = v->indexWidget(v->currentIndex());
    return e ? e : v;
}

void typeInto(QAbstractItemView *v, const QString &keys)
{
    for (QChar ch : keys)
        QTest::keyClick(keyTarget(v), ch.toLatin1());
}

void press(QAbstractItemView *v, Qt::Key key, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QTest::keyClick(keyTarget(v), key, mod);
}

QString closeQuestion() { return QStringLiteral("The program has been changed.\r\nSave the program data?"); }

} // namespace

class TstProgEdit : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        QVERIFY(CommandList::ReadCommandList() == 0);
    }
    void cleanup() { m_env.reset(); }

    void keyFilter_data();
    void keyFilter();
    void commit_data();
    void commit();
    void typingIntoTheGrid();
    void cursorAfterEditAndAppending_data();
    void cursorAfterEditAndAppending();
    void tabMovesBetweenCells_data();
    void tabMovesBetweenCells();
    void deleteKeyEmptiesCellAndMarksChange();

    void clicks_data();
    void clicks();
    void rightClickOnOneCellShowsNoPopup();
    void busyWindowIgnoresClicks();

    void closing_data();
    void closing();
    void refusedCloseStopsShutDown();

    void errorPaneGrowsOnce();
    void checkButton();
    void saveWithErrors_data();
    void saveWithErrors();

private:
    std::unique_ptr<TestEnv::Scope> m_env;
};

void TstProgEdit::keyFilter_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    auto row = [](const char *name, int col, const char *keys, const char *shown) {
        QTest::newRow(name) << col << QString::fromUtf8(keys) << QString::fromUtf8(shown);
    };
    row("m v p in Command", 1, "mvp", "MVP");
    row("0 and 5 refused in Command", 1, "0591", "1");
    row("JOG+ in Command", 1, "JOG+", "JOG+");
    row("== in Command", 1, "==", "==");
    row(". refused in Command", 1, "M.V", "MV");
    row("i upper, f lower in Operation1", 2, "if", "If");
    row("o p r in Operation1", 2, "opr", "OPr");
    row("- refused in Operation1", 2, "-1.5", "1.5");
    row("- accepted in Operation2", 3, "-1.5", "-1.5");
    row("- and / accepted in Condition", 4, "-/i3", "-/I3");
    row(". refused in Condition", 4, "1.5", "15");
    row(". refused in Result", 5, "1.5", "15");
    row("- and / refused in Result", 5, "-/f2", "f2");
    row("Comment takes any text", 6, "ab -./=", "ab -./=");
    row("Comment refuses what the file cannot hold", 6, "a\xF0\x9F\x98\x80" "b", "ab");
}

void TstProgEdit::keyFilter()
{
    QFETCH(int, col);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QCOMPARE(typed(col, keys), shown);
    QCOMPARE(ProgEdit::FilterKey(col, 8), 8);
    QCOMPARE(ProgEdit::FilterKey(col, 9), 9);
}

void TstProgEdit::commit_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("result");
    QTest::newRow("a listed command") << 1 << QStringLiteral(" VEL ") << QStringLiteral("VEL") << 0;
    QTest::newRow("a name not in the list") << 1 << QStringLiteral("MOVE") << QStringLiteral("MVP") << 1;
    QTest::newRow("an empty command") << 1 << QString() << QStringLiteral("MVP") << 1;
    QTest::newRow("an operand trimmed") << 2 << QStringLiteral(" 5 ") << QStringLiteral("5") << 0;
    QTest::newRow("an empty operand") << 5 << QString() << QString() << 0;
    QTest::newRow("a comment trimmed") << 6 << QStringLiteral("  go  ") << QStringLiteral("go") << 0;
}

void TstProgEdit::commit()
{
    QFETCH(int, col);
    QFETCH(QString, edit);
    QFETCH(QString, cell);
    QFETCH(int, result);
    ProgGridModel grid;
    ProgData::ProgDoc doc;
    doc.flgdProg = &grid;
    ProgData::FillGrid(grid, {{"MVP", "1", "", "", "F1", "x"}});
    const ProgEdit::Commit c = ProgEdit::SetDataForProgramGrid(doc, 1, col, edit, grid.Text(1, col));
    QCOMPARE(c.result, result);
    QCOMPARE(c.beep, result == 1);
    QCOMPARE(grid.Text(1, col), cell);
    QCOMPARE(doc.ProgChangeFlag, result == 0);
}

void TstProgEdit::typingIntoTheGrid()
{
    ProgramWindow w;
    w.show();
    ProgData::FillGrid(*w.flgdProg, {line("TIM", "1"), line("END")});
    w.flgdProg->SetCurrent(1, 1);
    w.flgdProgView->setFocus();
    typeInto(w.flgdProgView, QStringLiteral("mvp"));
    press(w.flgdProgView, Qt::Key_Return);
    QCOMPARE(w.flgdProg->Text(1, 1), QStringLiteral("MVP"));
    QVERIFY(w.ProgChangeFlag());
    QCOMPARE(w.flgdProg->Col(), 2);
    QCOMPARE(App().GridEditKey, 0);

    // A name the list lacks: the old text, and the cursor still moves on.
    w.Doc.ProgChangeFlag = false;
    w.flgdProg->SetCurrent(2, 1);
    typeInto(w.flgdProgView, QStringLiteral("mov"));
    press(w.flgdProgView, Qt::Key_Return);
    QCOMPARE(w.flgdProg->Text(2, 1), QStringLiteral("END"));
    QVERIFY(!w.ProgChangeFlag());
    QCOMPARE(w.flgdProg->Col(), 2);

    // Esc puts the old text back; Ctrl+Space shows the command list.
    w.flgdProg->SetCurrent(1, 1);
    typeInto(w.flgdProgView, QStringLiteral("j"));
    QCOMPARE(keyTarget(w.flgdProgView)->palette().color(QPalette::Base), QColor(0xC0, 0xFF, 0xFF));
    press(w.flgdProgView, Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(w.List1->isVisible());
    QCOMPARE(w.List1->count(), CommandList::State().CommandCount);
    press(w.flgdProgView, Qt::Key_Escape);
    QVERIFY(!w.List1->isVisible());
    QCOMPARE(w.flgdProg->Text(1, 1), QStringLiteral("MVP"));
}

void TstProgEdit::cursorAfterEditAndAppending_data()
{
    QTest::addColumn<int>("progNo");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("key");   // 13 Enter, 40 Down in the editor; -40 Down outside it
    QTest::addColumn<int>("linesAfter");
    QTest::addColumn<int>("rowAfter");
    QTest::addColumn<int>("colAfter");
    QTest::newRow("Enter in Operation2") << 1 << 3 << 2 << 3 << 13 << 3 << 2 << 4;
    QTest::newRow("Enter in the comment, not the last line") << 21 << 20 << 19 << 6 << 13 << 20 << 20 << 1;
    QTest::newRow("Enter in the comment of line 20 of program 21") << 21 << 20 << 20 << 6 << 13 << 20 << 20 << 1;
    QTest::newRow("Enter in the comment of the last line 5") << 21 << 5 << 5 << 6 << 13 << 6 << 6 << 1;
    QTest::newRow("Down on line 99 of program 1") << 1 << 99 << 99 << 3 << 40 << 100 << 100 << 1;
    QTest::newRow("Down on line 100 of program 1") << 1 << 100 << 100 << 3 << 40 << 100 << 100 << 1;
    QTest::newRow("Down on line 2 of 3") << 8 << 3 << 2 << 4 << 40 << 3 << 3 << 1;
    QTest::newRow("Down outside, line 49 of program 8") << 8 << 49 << 49 << 2 << -40 << 50 << 50 << 1;
    QTest::newRow("Down outside, line 50 of program 8") << 8 << 50 << 50 << 2 << -40 << 50 << 50 << 2;
}

void TstProgEdit::cursorAfterEditAndAppending()
{
    QFETCH(int, progNo);
    QFETCH(int, lines);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, key);
    QFETCH(int, linesAfter);
    QFETCH(int, rowAfter);
    QFETCH(int, colAfter);
    ProgGridModel grid;
    ProgData::ProgDoc doc;
    doc.flgdProg = &grid;
    doc.ProgNo = progNo;
    ProgData::FillGrid(grid, ::lines(lines));
    grid.SetCurrent(row, col);
    const ProgEdit::Move m = key > 0 ? ProgEdit::AfterEdit(doc, key) : ProgEdit::DownOnLastLine(doc);
    if (m.moves)
        grid.SetCurrent(m.row, m.col);
    QCOMPARE(grid.Lines(), linesAfter);
    QCOMPARE(grid.Row(), rowAfter);
    QCOMPARE(grid.Col(), colAfter);
    QCOMPARE(grid.Text(linesAfter, 0), QString::number(linesAfter));
    if (linesAfter > lines)
        QCOMPARE(ProgData::GridTexts(grid).back(), ProgTexts{});
    QVERIFY(!doc.ProgChangeFlag);
}

// Tab and Shift+Tab commit the edit by the rule of Enter and go to the next
// or previous cell, so what is typed next lands there. Tab in the Comment
// column does what Enter does there; Shift+Tab in Command goes to the
// previous line's Comment and stays on line 1.
void TstProgEdit::tabMovesBetweenCells_data()
{
    QTest::addColumn<int>("progNo");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");   // before the Tab; nothing: Tab outside the editor
    QTest::addColumn<int>("key");         // Qt::Key_Tab or Qt::Key_Backtab
    QTest::addColumn<int>("mods");
    QTest::addColumn<QString>("kept");    // the first cell's text afterwards (nothing typed: as it was)
    QTest::addColumn<int>("linesAfter");
    QTest::addColumn<int>("rowAfter");
    QTest::addColumn<int>("colAfter");
    QTest::addColumn<QString>("next");    // typed in the cell reached, then Enter
    QTest::addColumn<QString>("landed");  // that cell's text afterwards
    const int tab = Qt::Key_Tab, backtab = Qt::Key_Backtab, shift = int(Qt::ShiftModifier);
    QTest::newRow("TIM, Tab, 15") << 1 << 2 << 1 << 1 << "tim" << tab << 0 << "TIM" << 2 << 1 << 2 << "15" << "15";
    QTest::newRow("Shift+Tab from Operation2")
        << 1 << 2 << 1 << 3 << "7" << backtab << shift << "7" << 2 << 1 << 2 << "5" << "5";
    QTest::newRow("Shift with Tab from Condition")
        << 1 << 2 << 1 << 4 << "i1" << tab << shift << "I1" << 2 << 1 << 3 << "-2" << "-2";
    QTest::newRow("a refused command: its old text, and on")
        << 1 << 2 << 1 << 1 << "mov" << tab << 0 << "MVP" << 2 << 1 << 2 << "9" << "9";
    QTest::newRow("Comment to the next line")
        << 1 << 2 << 1 << 6 << "go" << tab << 0 << "go" << 2 << 2 << 1 << "end" << "END";
    QTest::newRow("Comment of the last line appends one")
        << 21 << 5 << 5 << 6 << "x" << tab << 0 << "x" << 6 << 6 << 1 << "end" << "END";
    QTest::newRow("Comment of line 20 of program 21: the line's Command")
        << 21 << 20 << 20 << 6 << "x" << tab << 0 << "x" << 20 << 20 << 1 << "end" << "END";
    QTest::newRow("Command to the previous line's Comment")
        << 1 << 2 << 2 << 1 << "end" << backtab << shift << "END" << 2 << 1 << 6 << "c" << "c";
    QTest::newRow("first cell stays")
        << 1 << 2 << 1 << 1 << "end" << backtab << shift << "END" << 2 << 1 << 1 << "tim" << "TIM";
    QTest::newRow("Tab outside the editor") << 1 << 2 << 1 << 5 << "" << tab << 0 << "" << 2 << 1 << 6 << "a" << "a";
    QTest::newRow("Shift+Tab outside the editor")
        << 1 << 2 << 2 << 1 << "" << backtab << shift << "" << 2 << 1 << 6 << "a" << "a";
    QTest::newRow("no current cell: Tab to the first")
        << 1 << 2 << 0 << 0 << "" << tab << 0 << "" << 2 << 1 << 1 << "end" << "END";
}

void TstProgEdit::tabMovesBetweenCells()
{
    QFETCH(int, progNo);
    QFETCH(int, lines);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(QString, kept);
    QFETCH(int, linesAfter);
    QFETCH(int, rowAfter);
    QFETCH(int, colAfter);
    QFETCH(QString, next);
    QFETCH(QString, landed);
    ProgramWindow w;
    w.LetCopyProgNo(progNo);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ProgData::FillGrid(*w.flgdProg, ::lines(lines, line("MVP")));
    w.flgdProg->SetCurrent(row, col);
    w.flgdProgView->setFocus();
    if (typed.isEmpty())
        kept = w.flgdProg->Text(row, col);
    typeInto(w.flgdProgView, typed);
    press(w.flgdProgView, Qt::Key(key), Qt::KeyboardModifiers(mods));
    QCOMPARE(w.flgdProg->Text(row, col), kept);
    QCOMPARE(w.flgdProg->Lines(), linesAfter);
    QCOMPARE(w.flgdProg->Row(), rowAfter);
    QCOMPARE(w.flgdProg->Col(), colAfter);
    QCOMPARE(App().GridEditKey, 0);
    QVERIFY(w.flgdProgView->hasFocus());
    typeInto(w.flgdProgView, next);
    press(w.flgdProgView, Qt::Key_Return);
    QCOMPARE(w.flgdProg->Text(rowAfter, colAfter), landed);
    if (rowAfter != row || colAfter != col)
        QCOMPARE(w.flgdProg->Text(row, col), kept);
}

void TstProgEdit::deleteKeyEmptiesCellAndMarksChange()
{
    ProgramWindow w;
    w.show();
    ProgData::FillGrid(*w.flgdProg, {line("MVP", "5", "R3")});
    w.flgdProg->SetCurrent(1, 3);
    w.flgdProgView->setFocus();
    QTest::keyClick(w.flgdProgView, Qt::Key_Delete);
    QCOMPARE(w.flgdProg->Text(1, 3), QString());
    QCOMPARE(w.flgdProg->Text(1, 2), QStringLiteral("5"));
    QVERIFY(w.ProgChangeFlag());
    // Down on the last line, outside the editor, appends one.
    QTest::keyClick(w.flgdProgView, Qt::Key_Down);
    QCOMPARE(w.flgdProg->Lines(), 2);
    QCOMPARE(w.flgdProg->Row(), 2);
    QCOMPARE(w.flgdProg->Col(), 1);
}

void TstProgEdit::clicks_data()
{
    QTest::addColumn<bool>("whole");
    QTest::addColumn<int>("col");   // the selection's first column when not whole
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("clipText");
    QTest::addColumn<bool>("copied");   // ClipCopyFlag
    QTest::addColumn<bool>("popup");
    QTest::addColumn<bool>("pasteOffered");
    QTest::newRow("right, lines, empty clipboard") << true << 1 << true << false << true << true << false;
    QTest::newRow("right, lines, text not copied here") << true << 1 << true << true << false << true << false;
    QTest::newRow("right, lines, lines copied") << true << 1 << true << true << true << true << true;
    QTest::newRow("right, one cell") << false << 1 << true << true << true << false << false;
    QTest::newRow("left, lines") << true << 1 << false << true << true << false << false;
    QTest::newRow("left, cell of column 1, lines copied") << false << 1 << false << true << true << false << true;
    QTest::newRow("left, cell of column 1, not copied") << false << 1 << false << true << false << false << false;
    QTest::newRow("left, cell of column 3, lines copied") << false << 3 << false << true << true << false << false;
}

void TstProgEdit::clicks()
{
    QFETCH(bool, whole);
    QFETCH(int, col);
    QFETCH(bool, right);
    QFETCH(bool, clipText);
    QFETCH(bool, copied);
    QFETCH(bool, popup);
    QFETCH(bool, pasteOffered);
    MainScope m;
    auto *w = qobject_cast<ProgramWindow *>(m.main.OpenProgWindow());
    ProgData::FillGrid(*w->flgdProg, lines(3));
    Platform::SetClipboardText(clipText ? QStringLiteral("MVP\t1\t\t\t\t") : QString());
    App().ClipCopyFlag = copied;
    if (whole)
        w->flgdProg->SetSelection(2, 1, 3, 6);
    else
        w->flgdProg->SetCurrent(2, col);
    w->GridClick(right ? Qt::RightButton : Qt::LeftButton, QPoint(10, 10));
    QMenu *menu = Forms::MainPopup();
    QVERIFY(menu);
    QCOMPARE(menu->isVisible(), popup);
    if (right) {
        if (popup) {
            for (const char *item : {"mnuPopupCopy", "mnuPopupLineInsert", "mnuPopupLineDelete"})
                QVERIFY2(actionVisible(m.main, item), item);
            QCOMPARE(actionVisible(m.main, "mnuPopupPaste"), pasteOffered);
        } else {
            QVERIFY(!actionEnabled(m.main, "mnuEditCopy"));
        }
    } else {
        for (QPushButton *b : {w->cmdInsLineProg, w->cmdDelLineProg, w->cmdProgLineCopy})
            QCOMPARE(b->isEnabled(), whole);
        for (const char *item : {"mnuEdit", "mnuEditCopy", "mnuEditInsert", "mnuEditLineDelete"})
            QCOMPARE(actionEnabled(m.main, item), whole);
        if (!whole) {
            QCOMPARE(w->cmdProgLinePaste->isEnabled(), pasteOffered);
            QCOMPARE(actionEnabled(m.main, "mnuEditPaste"), pasteOffered);
        }
    }
    menu->hide();
}

void TstProgEdit::rightClickOnOneCellShowsNoPopup()
{
    MainScope m;
    m.main.show();
    auto *w = qobject_cast<ProgramWindow *>(m.main.OpenProgWindow());
    ProgData::FillGrid(*w->flgdProg, lines(3));
    QVERIFY(QTest::qWaitForWindowExposed(&m.main));
    // Whole lines by a click on their number; a right-click then offers the popup.
    QHeaderView *numbers = w->flgdProgView->verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                      QPoint(5, numbers->sectionViewportPosition(1) + numbers->sectionSize(1) / 2));
    QVERIFY(ProgEdit::WholeLines(w->Doc));
    QCOMPARE(w->flgdProg->Row(), 2);
    QVERIFY(w->cmdDelLineProg->isEnabled());
    const QRect cell = w->flgdProgView->visualRect(w->flgdProgView->model()->index(1, 2));
    QTest::mouseClick(w->flgdProgView->viewport(), Qt::RightButton, {}, cell.center());
    QVERIFY(Forms::MainPopup()->isVisible());
    Forms::MainPopup()->hide();
    QTest::mouseClick(w->flgdProgView->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(!ProgEdit::WholeLines(w->Doc));
    QTest::mouseClick(w->flgdProgView->viewport(), Qt::RightButton, {}, cell.center());
    QVERIFY(!Forms::MainPopup()->isVisible());
}

void TstProgEdit::busyWindowIgnoresClicks()
{
    MainScope m;
    m.main.show();
    auto *w = qobject_cast<ProgramWindow *>(m.main.OpenProgWindow());
    ProgData::FillGrid(*w->flgdProg, lines(3));
    QVERIFY(QTest::qWaitForWindowExposed(&m.main));
    w->flgdProg->SetCurrent(1, 1);
    w->ProgBusyFlag = true;
    const QRect cell = w->flgdProgView->visualRect(w->flgdProgView->model()->index(2, 3));
    QTest::mouseClick(w->flgdProgView->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseClick(w->flgdProgView->viewport(), Qt::RightButton, {}, cell.center());
    QCOMPARE(w->flgdProg->Row(), 1);
    QCOMPARE(w->flgdProg->Col(), 1);
    QVERIFY(!Forms::MainPopup()->isVisible());
}

void TstProgEdit::closing_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<bool>("fileChosen");
    QTest::addColumn<bool>("closes");
    const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No), cancel = int(MsgAnswer::Cancel),
              ok = int(MsgAnswer::Ok);
    QTest::newRow("unchanged") << false << Answers{} << false << true;
    QTest::newRow("No") << true << Answers{no} << false << true;
    QTest::newRow("Cancel") << true << Answers{cancel} << false << false;
    QTest::newRow("Yes, save question cancelled") << true << Answers{yes, cancel} << false << false;
    QTest::newRow("Yes, file dialog cancelled") << true << Answers{yes, ok} << false << false;
    QTest::newRow("Yes, saved") << true << Answers{yes, ok} << true << true;
}

void TstProgEdit::closing()
{
    QFETCH(bool, changed);
    QFETCH(Answers, answers);
    QFETCH(bool, fileChosen);
    QFETCH(bool, closes);
    auto *w = new ProgramWindow;
    QPointer<ProgramWindow> alive(w);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    ProgData::FillGrid(*w->flgdProg, {line("MVP", "5", "R3")});
    if (changed) {
        w->flgdProg->SetCurrent(1, 3);
        ProgEdit::DeleteCell(w->Doc);
    }
    for (int a : answers)
        Dlg::QueueAnswer(MsgAnswer(a));
    if (fileChosen)
        Dlg::QueueFileName(m_env->path(QStringLiteral("kept.prg")));
    QCOMPARE(w->close(), closes);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(alive.isNull(), closes);
    QCOMPARE(Dlg::ShownTexts().count(closeQuestion()), changed ? 1 : 0);
    QCOMPARE(QFile::exists(m_env->path(QStringLiteral("kept.prg"))), fileChosen);
    delete alive.data();
}

void TstProgEdit::refusedCloseStopsShutDown()
{
    MainScope m;
    m.main.ShowChild(m.main.PosiForm());
    auto *w = qobject_cast<ProgramWindow *>(m.main.OpenProgWindow());
    ProgData::FillGrid(*w->flgdProg, {line("MVP", "5")});
    w->Doc.ProgChangeFlag = true;
    Dlg::QueueAnswer(MsgAnswer::Cancel);
    QVERIFY(!m.main.close());
    QCOMPARE(Dlg::ShownTexts(), QStringList{closeQuestion()});
    QCOMPARE(Forms::Named(QStringLiteral("ProgramWindow")).size(), 1);
    QVERIFY(Forms::Find(QStringLiteral("PositionWindow")));
    QVERIFY(m.main.isVisible());
}

void TstProgEdit::errorPaneGrowsOnce()
{
    MainScope m;
    m.main.resize(1000, 900);
    m.main.show();
    auto *w = qobject_cast<ProgramWindow *>(m.main.OpenProgWindow());
    QWidget *frame = w->frameWidget();
    QVERIFY(qobject_cast<QMdiSubWindow *>(frame));
    ProgData::FillGrid(*w->flgdProg, {line("ACC", "0")});
    const int h0 = frame->height();
    const int grow = 3000 / 15;
    w->programCheck();
    QVERIFY(w->ErrPaneFlag);
    QVERIFY(w->flgdPrgErrView->isVisible());
    QCOMPARE(frame->height(), h0 + grow);
    w->programCheck();
    QCOMPARE(frame->height(), h0 + grow);
    QVERIFY(w->flgdPrgErrView->geometry().bottom() < w->height());
    QVERIFY(w->flgdProgView->geometry().bottom() < w->cmdFileSaveProg->geometry().top());
    w->cmdCloseSyntaxErr_Click();
    QVERIFY(!w->ErrPaneFlag);
    QVERIFY(!w->flgdPrgErrView->isVisible());
    QCOMPARE(frame->height(), h0);

    frame->showMaximized();
    const int hMax = frame->height();
    w->programCheck();
    QVERIFY(w->flgdPrgErrView->isVisible());
    QCOMPARE(frame->height(), hMax);
    w->cmdCloseSyntaxErr_Click();
    QCOMPARE(frame->height(), hMax);
    QVERIFY(!w->ErrPaneGrowFlag);
}

void TstProgEdit::checkButton()
{
    ProgramWindow w;
    w.show();
    std::vector<ProgTexts> program(11, line("ACC", "0"));
    program.push_back(line("VEL", "401"));
    ProgData::FillGrid(*w.flgdProg, program);
    w.cmdProgCheck->click();
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("The error was found in the program.\r\n"
                                                           "Please try it again after correcting a program.")});
    QVERIFY(w.flgdPrgErrView->isVisible());
    for (int r = 1; r <= 10; ++r) {
        QCOMPARE(w.flgdPrgErr->index(r, 0).data().toString(), QString::number(r));
        QCOMPARE(w.flgdPrgErr->index(r, 1).data().toString(), QString::number(r));
        QCOMPARE(w.flgdPrgErr->index(r, 2).data().toString(),
                 QStringLiteral("SyntaxErr No.3 [The setting range of ACC is not correct.]"));
    }
    QCOMPARE(w.flgdPrgErr->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Program Line No."));
    QCOMPARE(w.flgdPrgErr->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Error contents"));
    QVERIFY(w.cmdProgCheck->isEnabled());
    QVERIFY(!w.ProgBusyFlag);
    QVERIFY(w.flgdProg->Editable());

    Dlg::ClearScript();
    ProgData::FillGrid(*w.flgdProg, {line("LB", "60")});
    w.programCheck();
    QCOMPARE(w.flgdPrgErr->index(1, 2).data().toString(),
             QStringLiteral("SyntaxErr No.7 [The setting range of LB No. is not correct.]"));
    QCOMPARE(w.flgdPrgErr->index(4, 2).data().toString(), QString());

    Dlg::ClearScript();
    ProgData::FillGrid(*w.flgdProg, {line("MVP", "5"), line("END")});
    w.cmdCloseSyntaxErr_Click();
    w.programCheck();
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Program check - OK")});
    QVERIFY(!w.ErrPaneFlag);
    QVERIFY(!w.flgdPrgErrView->isVisible());
}

void TstProgEdit::saveWithErrors_data()
{
    QTest::addColumn<bool>("goOn");
    QTest::newRow("stopped at the question") << false;
    QTest::newRow("saved with its errors") << true;
}

void TstProgEdit::saveWithErrors()
{
    QFETCH(bool, goOn);
    ProgramWindow w;
    w.show();
    ProgData::FillGrid(*w.flgdProg, {line("ACC", "0")});
    w.Doc.ProgChangeFlag = true;
    Dlg::QueueAnswer(MsgAnswer::Ok);   // the errors said
    Dlg::QueueAnswer(goOn ? MsgAnswer::Ok : MsgAnswer::Cancel);
    const QString path = m_env->path(QStringLiteral("errors.prg"));
    Dlg::QueueFileName(path);
    w.ProgDataSaveAs();
    QCOMPARE(Dlg::ShownTexts(),
             (QStringList{QStringLiteral("The error was found in the program."),
                          QStringLiteral("Do you continue the processing though there is error in program?")}));
    QVERIFY(w.ErrPaneFlag);
    QVERIFY(w.flgdPrgErrView->isVisible());
    QCOMPARE(QFile::exists(path), goOn);
    QCOMPARE(w.ProgChangeFlag(), !goOn);
}

QTEST_MAIN(TstProgEdit)
#include "tst_progedit.moc"
