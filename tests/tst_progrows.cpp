// Lines of a program window: inserting and deleting them at the selection,
// copying whole lines to the clipboard and pasting them back, through the
// window's commands with their messages.
#include "core/AppState.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "prog/CommandList.h"
#include "prog/ProgLines.h"
#include "prog/ProgRows.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"
#include "ui/prog/ProgGridView.h"
#include "ui/prog/ProgramWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using ProgData::ProgTexts;
namespace Dlg = Platform::Dialogs;
using Lines = std::vector<ProgTexts>;
Q_DECLARE_METATYPE(ProgTexts)
Q_DECLARE_METATYPE(Lines)

namespace {

ProgTexts line(int n) { return {"MVP", QString::number(n), "", "", "", QStringLiteral("c%1").arg(n)}; }

Lines numbered(int count, int from = 1)
{
    Lines l;
    for (int i = 0; i < count; ++i)
        l.push_back(line(from + i));
    return l;
}

// The window's lines by their Operation1 (0 for an empty line).
QList<int> ops(const ProgramWindow &w)
{
    QList<int> out;
    for (const ProgTexts &t : ProgData::GridTexts(*w.flgdProg))
        out << t[1].toInt();
    return out;
}

QList<int> seq(int from, int to)
{
    QList<int> out;
    for (int i = from; i <= to; ++i)
        out << i;
    return out;
}

// Whole lines first..last selected, as a click on their numbers does.
void selectLines(ProgramWindow &w, int first, int last) { w.flgdProg->SetSelection(first, 1, last, 6); }

const QString kNoLineInsert = QStringLiteral("A line has not been selected.\r\nSelect the Copying line and execute.");
const QString kNoLineDelete = QStringLiteral("A line has not been selected.\r\nPlease the deleting line  and execute.");

} // namespace

class TstProgRows : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        QVERIFY(CommandList::ReadCommandList() == 0);
        Platform::SetClipboardText(QString());
    }
    void cleanup() { m_env.reset(); }

    void insert_data();
    void insert();
    void remove_data();
    void remove();
    void copy_data();
    void copy();
    void paste_data();
    void paste();
    void closingAfterPasteAsks();
    void editMenuReachesTheActiveProgramWindow();

private:
    std::unique_ptr<TestEnv::Scope> m_env;
};

void TstProgRows::insert_data()
{
    QTest::addColumn<int>("progNo");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("first");   // 0: no line selected
    QTest::addColumn<int>("last");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<QString>("message");
    QTest::newRow("one line above line 2") << 1 << 3 << 2 << 2 << QList<int>{1, 0, 2, 3} << QString();
    QTest::newRow("three lines selected") << 1 << 4 << 2 << 4 << QList<int>{1, 0, 0, 0, 2, 3, 4} << QString();
    QTest::newRow("selected upwards") << 1 << 4 << 3 << 2 << QList<int>{1, 0, 0, 2, 3, 4} << QString();
    QTest::newRow("program 21 at its limit drops line 20") << 21 << 20 << 5 << 5
                                                           << (QList<int>{1, 2, 3, 4, 0} + seq(5, 19)) << QString();
    QTest::newRow("refused keeps line 20") << 21 << 20 << 0 << 0 << seq(1, 20) << kNoLineInsert;
}

void TstProgRows::insert()
{
    QFETCH(int, progNo);
    QFETCH(int, lines);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QList<int>, after);
    QFETCH(QString, message);
    ProgramWindow w;
    w.LetCopyProgNo(progNo);
    ProgData::FillGrid(*w.flgdProg, numbered(lines));
    if (first > 0)
        selectLines(w, first, last);
    w.cmdInsLineProg_Click();
    QCOMPARE(ops(w), after);
    QCOMPARE(Dlg::ShownTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(w.ProgChangeFlag(), message.isEmpty());
    QCOMPARE(w.flgdProg->Text(w.flgdProg->Lines(), 0), QString::number(w.flgdProg->Lines()));
    if (first > 0)
        QCOMPARE(w.flgdProg->Row(), std::min(first, last));
}

void TstProgRows::remove_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("first");   // 0: no line selected
    QTest::addColumn<int>("last");
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("one line") << 4 << 2 << 2 << QList<int>{1, 3, 4};
    QTest::newRow("selected upwards") << 5 << 4 << 2 << QList<int>{1, 5};
    QTest::newRow("the last lines") << 4 << 3 << 4 << QList<int>{1, 2};
    QTest::newRow("the only line") << 1 << 1 << 1 << QList<int>{0};
    QTest::newRow("every line") << 4 << 1 << 4 << QList<int>{0};
    QTest::newRow("nothing selected") << 3 << 0 << 0 << QList<int>{1, 2, 3};
}

void TstProgRows::remove()
{
    QFETCH(int, lines);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QList<int>, after);
    ProgramWindow w;
    ProgData::FillGrid(*w.flgdProg, numbered(lines));
    if (first > 0)
        selectLines(w, first, last);
    w.cmdDelLineProg_Click();
    QCOMPARE(ops(w), after);
    QCOMPARE(Dlg::ShownTexts(), first > 0 ? QStringList{} : QStringList{kNoLineDelete});
    QCOMPARE(w.ProgChangeFlag(), first > 0);
    if (after == QList<int>{0})
        QCOMPARE(ProgData::GridTexts(*w.flgdProg).front(), ProgTexts{});
    QCOMPARE(w.flgdProg->Text(1, 0), QStringLiteral("1"));
    QVERIFY(w.flgdProg->Row() >= (first > 0 ? 1 : 0));
    QVERIFY(w.flgdProg->Row() <= w.flgdProg->Lines());
}

void TstProgRows::copy_data()
{
    QTest::addColumn<bool>("whole");
    QTest::addColumn<bool>("flagBefore");
    QTest::newRow("three whole lines") << true << false;
    QTest::newRow("one cell") << false << true;
}

void TstProgRows::copy()
{
    QFETCH(bool, whole);
    QFETCH(bool, flagBefore);
    ProgramWindow w;
    w.show();
    QApplication::setActiveWindow(&w);
    ProgData::FillGrid(*w.flgdProg, {{"MVP", "5", "R3", "/I3", "", "start"}, line(2), {"=", "R1", "-5", "", "", ""}});
    w.flgdProgView->setFocus();
    Platform::SetClipboardText(QStringLiteral("before"));
    App().ClipCopyFlag = flagBefore;
    if (whole)
        selectLines(w, 1, 3);
    else
        w.flgdProg->SetCurrent(2, 3);
    w.cmdProgLineCopy_Click();
    if (whole) {
        QCOMPARE(Platform::ClipboardText(),
                 QStringLiteral("MVP\t5\tR3\t/I3\t\tstart\rMVP\t2\t\t\t\tc2\r=\tR1\t-5\t\t\t"));
        QCOMPARE(ProgRows::CheckClipProgData(), 1);
        QVERIFY(App().ClipCopyFlag);
        QVERIFY(w.cmdProgLinePaste->isEnabled());
        QVERIFY(Dlg::Shown().empty());
        QVERIFY(w.txtDummyPrg->hasFocus());
    } else {
        QCOMPARE(Dlg::ShownTexts(),
                 QStringList{QStringLiteral("Click at Posi number in order to select the row, and execute.")});
        QCOMPARE(Dlg::Shown().front().icon, Platform::MsgIcon::Critical);
        QCOMPARE(Platform::ClipboardText(), QStringLiteral("before"));
        QCOMPARE(App().ClipCopyFlag, flagBefore);
    }
}

void TstProgRows::paste_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<Lines>("after");
    QTest::addColumn<QString>("message");
    const QString three = QStringLiteral("MVP\t11\t\t\t\tx\rMVP\t12\t\t\t\ty\rMVP\t13\t\t\t\tz");
    auto l = [](int n, const char *c) { return ProgTexts{"MVP", QString::number(n), "", "", "", QString::fromLatin1(c)}; };
    QTest::newRow("three lines on line 1") << three << 1 << 1 << Lines{l(11, "x"), l(12, "y"), l(13, "z"), line(4)}
                                           << QString();
    QTest::newRow("three lines on the last line") << three << 4 << 1
                                                  << Lines{line(1), line(2), line(3), l(11, "x")} << QString();
    QTest::newRow("CR LF line ends") << QStringLiteral("MVP\t11\t\t\t\tx\r\nMVP\t12\t\t\t\ty\r\n") << 2 << 1
                                     << Lines{line(1), l(11, "x"), l(12, "y"), line(4)} << QString();
    QTest::newRow("fewer cells fill the first columns") << QStringLiteral("TIM\t3") << 1 << 1
                                                        << Lines{{"TIM", "3", "", "", "", "c1"}, line(2), line(3), line(4)}
                                                        << QString();
    QTest::newRow("a later line longer than the first") << QStringLiteral("TIM\t3\rMVP\t4\t\t\t\tlong") << 1 << 1
                                                        << numbered(4) << QString();
    QTest::newRow("cursor in column 3") << three << 1 << 3 << numbered(4)
                                        << QStringLiteral("Click at Line number the data pasted to or the first column "
                                                          "cell the data pasted, and execute.");
}

void TstProgRows::paste()
{
    QFETCH(QString, clip);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(Lines, after);
    QFETCH(QString, message);
    ProgramWindow w;
    ProgData::FillGrid(*w.flgdProg, numbered(4));
    Platform::SetClipboardText(clip);
    App().ClipCopyFlag = true;
    w.flgdProg->SetCurrent(row, col);
    w.cmdProgLinePaste_Click();
    QCOMPARE(ProgData::GridTexts(*w.flgdProg), after);
    for (int r = 1; r <= w.flgdProg->Lines(); ++r)
        for (int c = 1; c <= 6; ++c)
            QVERIFY(!w.flgdProg->Text(r, c).contains(QLatin1Char('\n')));
    QCOMPARE(Dlg::ShownTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(w.ProgChangeFlag(), after != numbered(4));
    QCOMPARE(w.flgdProg->Row(), row);
    QCOMPARE(w.flgdProg->Col(), col);
}

void TstProgRows::closingAfterPasteAsks()
{
    auto *w = new ProgramWindow;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    ProgData::FillGrid(*w->flgdProg, numbered(2));
    Platform::SetClipboardText(QStringLiteral("TIM\t3\t\t\t\t"));
    w->flgdProg->SetCurrent(2, 1);
    w->ProgDataLinePaste();
    Dlg::QueueAnswer(Platform::MsgAnswer::Cancel);
    QVERIFY(!w->close());
    QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("The program has been changed.\r\nSave the program data?")});
    delete w;
}

void TstProgRows::editMenuReachesTheActiveProgramWindow()
{
    MainScope m;
    auto *other = qobject_cast<ProgramWindow *>(m.main.OpenProgWindow());
    ProgData::FillGrid(*other->flgdProg, numbered(3));
    auto *w = qobject_cast<ProgramWindow *>(m.main.OpenProgWindow());
    ProgData::FillGrid(*w->flgdProg, numbered(3));
    selectLines(*w, 2, 3);
    w->GridClick(Qt::LeftButton, QPoint());
    m.main.mnuEditCopy->trigger();
    QCOMPARE(ProgRows::CheckClipProgData(), 1);
    QVERIFY(App().ClipCopyFlag);
    m.main.mnuEditLineDelete->trigger();
    QCOMPARE(ops(*w), QList<int>{1});
    w->flgdProg->SetCurrent(1, 1);
    m.main.mnuEditPaste->trigger();
    QCOMPARE(ops(*w), QList<int>{2});
    selectLines(*w, 1, 1);
    m.main.mnuEditInsert->trigger();
    QCOMPARE(ops(*w), (QList<int>{0, 2}));
    QCOMPARE(ops(*other), (QList<int>{1, 2, 3}));
    QVERIFY(!other->ProgChangeFlag());
}

QTEST_MAIN(TstProgRows)
#include "tst_progrows.moc"
