// Verifying a program window against a program of the simulated
// controller: the check before anything is sent, the step counts, the
// program-number dialog, the read and the result (a message, or the result
// window listing the lines that differ).
#include "core/AppState.h"
#include "link/CommandState.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "prog/CommandList.h"
#include "prog/ProgLines.h"
#include "prog/ProgVerify.h"
#include "support/LinkFixture.h"
#include "sim/SimCommands.h"
#include "sim/SimProg.h"
#include "ui/prog/ProgramWindow.h"
#include "ui/prog/ProgramNumberDialog.h"
#include "ui/prog/ProgramVerifyResultWindow.h"

#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

using ProgData::ProgTexts;
namespace Dlg = Platform::Dialogs;
using Lines = std::vector<ProgTexts>;
Q_DECLARE_METATYPE(Lines)

namespace {

// MVP n with F1 as its condition: the wire form of each line.
ProgTexts line(int n, const QString &op2 = {}, const QString &comment = {})
{
    return {"MVP", QString::number(n), op2, "F1", "", comment};
}
QByteArray wire(int n)
{
    return QByteArray("02") + QByteArray::number(n * 1000, 16).toUpper().rightJustified(6, '0') + "000000" + "064"
           + "00";
}

Lines numbered(int count)
{
    Lines l;
    for (int i = 1; i <= count; ++i)
        l.push_back(line(i));
    return l;
}
QList<QByteArray> stored(int count)
{
    QList<QByteArray> s;
    for (int i = 1; i <= count; ++i)
        s << wire(i);
    return s;
}

void pickProgNo(int progNo)
{
    Dlg::PushModalHandler([progNo](QDialog &d) {
        auto &dlg = static_cast<ProgramNumberDialog &>(d);
        if (progNo == 0) {
            dlg.cmdProgNoCancel_Click();
            return int(QDialog::Rejected);
        }
        dlg.SelectProgNo(progNo);
        dlg.cmdProgNoOk_Click();
        return int(QDialog::Accepted);
    });
}

// The rows of the result window, "line:XOOOO", when one is shown.
QStringList *g_result = nullptr;
void readResultWindow(QStringList &rows)
{
    g_result = &rows;
    Dlg::PushModalHandler([](QDialog &d) {
        auto &dlg = static_cast<ProgramVerifyResultWindow &>(d);
        for (int r = 0; r < dlg.model->rowCount(); ++r) {
            QString row = dlg.model->index(r, 0).data().toString() + QLatin1Char(':');
            for (int c = 1; c <= 5; ++c)
                row += dlg.model->index(r, c).data().toString();
            *g_result << row;
        }
        *g_result << dlg.model->headerData(3, Qt::Horizontal).toString();
        return int(QDialog::Accepted);
    });
}

struct ProgLink : LinkFixture {
    SimCmdModel cmd;
    ProgLink()
    {
        InstallCommandSim(sim, cmd);
        SimProg::InstallProgCommands(sim);
        App().PrgModeFlag = true;
        Paradata().ParaSet.ParaSpAxis = 0xF;
        CommandList::ReadCommandList();
    }
    QStringList codes() const
    {
        QStringList c;
        for (const QByteArray &fr : sim.frames())
            c << QString::fromLatin1(fr.left(3));
        return c;
    }
};

const QString kEqual = QStringLiteral("Data : indicated and inside of controller\r\n\r\nResult of Verify - OK");

} // namespace

class TstProgVerify : public QObject {
    Q_OBJECT
private slots:
    void compare_data();
    void compare();
    void stopsBeforeSending_data();
    void stopsBeforeSending();
    void silentControllerLeavesWindow();
};

void TstProgVerify::compare_data()
{
    QTest::addColumn<Lines>("window");
    QTest::addColumn<int>("progNo");
    QTest::addColumn<QList<QByteArray>>("controller");
    QTest::addColumn<QStringList>("rows");   // empty: equal
    Lines commented = numbered(3);
    commented[1][5] = QStringLiteral("only here");
    Lines op2 = numbered(4);
    op2[0][2] = QStringLiteral("R3");
    op2[2][2] = QStringLiteral("5");
    QStringList longRows;
    for (int i = 101; i <= 150; ++i)
        longRows << QStringLiteral("%1:XXXXX").arg(i);
    QTest::newRow("equal") << numbered(3) << 5 << stored(3) << QStringList{};
    QTest::newRow("comment only") << commented << 5 << stored(3) << QStringList{};
    QTest::newRow("controller 12, window 10") << numbered(10) << 2 << stored(12)
                                              << QStringList{"11:XXXXX", "12:XXXXX"};
    QTest::newRow("Operation2 of two lines") << op2 << 9 << stored(4) << QStringList{"1:OOXOO", "3:OOXOO"};
    QTest::newRow("150 lines against program 1") << numbered(150) << 1 << stored(100) << longRows;
}

void TstProgVerify::compare()
{
    QFETCH(Lines, window);
    QFETCH(int, progNo);
    QFETCH(QList<QByteArray>, controller);
    QFETCH(QStringList, rows);
    ProgLink f;
    SimProg::SetStored(f.sim, progNo, controller);
    ProgramWindow w;
    ProgData::FillGrid(*w.flgdProg, window);
    pickProgNo(progNo);
    QStringList shown;
    readResultWindow(shown);
    w.cmdProgVerifyCt_Click();
    if (rows.isEmpty()) {
        QCOMPARE(Dlg::ShownTexts(), QStringList{kEqual});
        QVERIFY(shown.isEmpty());
    } else {
        QVERIFY(Dlg::Shown().empty());
        QCOMPARE(shown.mid(0, shown.size() - 1), rows);
        QCOMPARE(shown.last(), QStringLiteral("Operation2"));
    }
    // The counts of every program, once; then the chosen one's count and lines.
    QCOMPARE(f.codes().mid(0, 100), QStringList(100, QStringLiteral("0RR")));
    QCOMPARE(f.codes().mid(100), (QStringList{"0RR", "0RM"}));
    QCOMPARE(f.frames("0RM"), QStringList{QStringLiteral("0RM%1").arg(progNo, 2, 16, QLatin1Char('0')).toUpper()});
    QCOMPARE(ProgData::GridTexts(*w.flgdProg), window);
    QCOMPARE(ProgVerify::Verification().ProgVerifyNgCount, rows.size());
    QVERIFY(!w.ProgBusyFlag);
    QVERIFY(!App().BusyFlag);
    QVERIFY(w.cmdProgVerifyCt->isEnabled());
}

void TstProgVerify::stopsBeforeSending_data()
{
    QTest::addColumn<Lines>("window");
    QTest::addColumn<bool>("countsKnown");
    QTest::addColumn<int>("pick");   // 0: the dialog cancelled
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("pane");
    Lines bad = numbered(3);
    bad[1] = {"ACC", "0", "", "", "", ""};
    QTest::newRow("syntax error") << bad << false << 5 << QStringList{}
                                  << QStringList{QStringLiteral("The error was found in the program.\r\n"
                                                                "Please try it again after correcting a program.")}
                                  << true;
    QTest::newRow("program number cancelled") << numbered(3) << true << 0 << QStringList{} << QStringList{} << false;
}

void TstProgVerify::stopsBeforeSending()
{
    QFETCH(Lines, window);
    QFETCH(bool, countsKnown);
    QFETCH(int, pick);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, messages);
    QFETCH(bool, pane);
    ProgLink f;
    Comm::Commands().ProgStepCountKnown = countsKnown;
    SimProg::SetStored(f.sim, 5, stored(3));
    ProgramWindow w;
    ProgData::FillGrid(*w.flgdProg, window);
    pickProgNo(pick);
    QStringList shown;
    readResultWindow(shown);
    w.cmdProgVerifyCt_Click();
    QCOMPARE(f.codes(), codes);
    QCOMPARE(Dlg::ShownTexts(), messages);
    QCOMPARE(w.ErrPaneFlag, pane);
    QVERIFY(shown.isEmpty());
    QVERIFY(w.Doc.ProgDARead.empty());
    QVERIFY(!w.ProgBusyFlag);
    QVERIFY(w.cmdProgCheck->isEnabled());
}

void TstProgVerify::silentControllerLeavesWindow()
{
    ProgLink f;
    Comm::Commands().ProgStepCountKnown = true;
    SimProg::SetStored(f.sim, 5, stored(3));
    f.sim.addFault("0RR", SimFaultRule{SimFault::Silent, 0, {}}, -1);
    ProgramWindow w;
    w.setWindowTitle(QStringLiteral("Program 5"));
    ProgData::FillGrid(*w.flgdProg, numbered(3));
    w.Doc.ProgDARead = {{}, {2, 1000, 0, 100, 0, {}}};
    const auto readBefore = w.Doc.ProgDARead;
    pickProgNo(5);
    QStringList shown;
    readResultWindow(shown);
    w.cmdProgVerifyCt_Click();
    QVERIFY(f.frames("0RM").isEmpty());
    QCOMPARE(Dlg::ShownTexts().size(), 1);
    QVERIFY(Dlg::ShownTexts().front().startsWith(QStringLiteral("Communication timeout error!")));
    QVERIFY(shown.isEmpty());
    QCOMPARE(ProgData::GridTexts(*w.flgdProg), numbered(3));
    QCOMPARE(w.Doc.ProgDARead, readBefore);
    QCOMPARE(w.windowTitle(), QStringLiteral("Program 5"));
    QVERIFY(!w.ProgBusyFlag);
    QVERIFY(!App().BusyFlag);
}

QTEST_MAIN(TstProgVerify)
#include "tst_progverify.moc"
