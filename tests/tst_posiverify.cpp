// Verifying the grid's positions: the compare itself, against a position
// file, and against the simulated controller.
#include "core/AppState.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiCheck.h"
#include "posi/PosiCodec.h"
#include "posi/PosiFile.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "posi/PosiVerify.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "sim/SimParaBlocks.h"
#include "sim/SimPosi.h"
#include "support/TestEnv.h"
#include "ui/posi/PosiVerifyFlows.h"
#include "ui/posi/PositionRangeDialogs.h"
#include "ui/posi/VerifyResultWindow.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace PosiField;
using Platform::ResLines;
using Platform::ResText;
namespace Dlg = Platform::Dialogs;

namespace {

// Changes written "R5.1= 100" (PosiDataRead, a text) or "D5.1=100"
// (PosiData, a number).
void apply(const QStringList &changes)
{
    for (const QString &ch : changes) {
        const qsizetype eq = ch.indexOf(QLatin1Char('='));
        const QStringList at = ch.mid(1, eq - 1).split(QLatin1Char('.'));
        const size_t n = at[0].toUInt();
        const int k = at[1].toInt();
        const QString value = ch.mid(eq + 1);
        if (ch.startsWith(QLatin1Char('R')))
            Posi().PosiDataRead[n][k] = value;
        else if (k == Comment)
            Posi().PosiData[n][k] = value;
        else
            Posi().PosiData[n][k] = value.toDouble();
    }
}

// The flagged fields as "n.k", in order.
QString flagged()
{
    QStringList out;
    for (int n = 1; n <= kPosiMax; ++n)
        for (int k = 1; k <= 27; ++k)
            if (Posi().PosiErrFlag[static_cast<size_t>(n)][static_cast<size_t>(k)])
                out << QStringLiteral("%1.%2").arg(n).arg(k);
    return out.join(QLatin1Char(' '));
}

bool noFlags()
{
    for (const PosiFlagRow &row : Posi().PosiErrFlag)
        for (bool f : row)
            if (f)
                return false;
    return Posi().PosiErrCount == 0;
}

// A grid of positions first..last with defaults, pulses shown.
void makeGrid(int first, int last)
{
    PosiTables::InitPosiData();
    App().DispNoStart = App().PosiNoStart = first;
    App().DispNoEnd = App().PosiNoEnd = last;
    if (App().PrgModeFlag) {
        PosiGrid::Set_PosFormStrAtPrgMode();
        PosiGrid::SizeInit_PositionGridAtPrgMode();
    } else {
        PosiGrid::Set_PosFormStrAtPosMode();
        PosiGrid::SizeInit_PositionGridAtPosMode();
    }
    PosiGrid::FillGridByMode();
    // The tables as the grid gives them back.
    PosiCheck::CheckGridPositions();
}

QStringList gridTexts()
{
    QStringList cells;
    const PosiGridModel &g = PosiGrid::Grid();
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < PosiGridModel::kCols; ++c)
            cells << g.Text(r, c);
    return cells;
}

// What the result window showed: its caption, its text and per listed row
// the position number and the fields marked "X".
struct Shown {
    int windows = 0;
    QString caption, text;
    QStringList rows;     // "n:k,k"
    bool red = true;      // every "X" on light red
};

} // namespace

class TestPosiVerify : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;
    Shown shown;

    void watchResultWindow()
    {
        Dlg::PushModalHandler([this](QDialog &d) {
            auto &w = static_cast<VerifyResultWindow &>(d);
            ++shown.windows;
            shown.caption = w.windowTitle();
            shown.text = w.lblVerifyResult->text();
            for (int r = 2; r < w.model.rowCount(); ++r) {
                QStringList ks;
                for (int k = 1; k <= 27; ++k) {
                    QStandardItem *it = w.model.item(r, k);
                    if (it->text() == QLatin1String("X")) {
                        ks << QString::number(k);
                        shown.red = shown.red && it->background().color() == QColor(0xFF, 0x80, 0x80);
                    } else if (it->text() != QLatin1String("O")) {
                        ks << QStringLiteral("?");
                    }
                }
                shown.rows << w.model.item(r, 0)->text() + QLatin1Char(':') + ks.join(QLatin1Char(','));
            }
            return int(QDialog::Accepted);
        });
    }
    // The file range dialog: OK as it comes; notes whether it said there is
    // nothing in common.
    void fileRangeOk(bool *noCommon = nullptr)
    {
        Dlg::PushModalHandler([noCommon](QDialog &d) {
            auto &dlg = static_cast<VerifyRangeDialog &>(d);
            if (noCommon)
                *noCommon = dlg.lblVerifyNotPossible->isVisibleTo(&dlg) && !dlg.PictureVerifyRange->isEnabled();
            dlg.cmdSelectPosiOk->click();
            return dlg.result();
        });
    }
    void ctRange(int s, int e)
    {
        Dlg::PushModalHandler([s, e](QDialog &d) {
            auto &dlg = static_cast<PositionRangeDialogBase &>(d);
            dlg.txtStartPosiNo->setText(QString::number(s));
            dlg.txtEndPosiNo->setText(QString::number(e));
            dlg.cmdSelectPosiOk->click();
            return dlg.result();
        });
    }
    // A position file of first..last: the defaults with `changes` to
    // PosiData, in the given mode. The tables are left as they were.
    QString posiFile(const QString &name, int first, int last, const QStringList &changes, bool prgMode = false)
    {
        PosiState &p = Posi();
        const auto keep = p.PosiData;
        const bool keepMode = App().PrgModeFlag;
        const int s = App().PosiNoStart, e = App().PosiNoEnd;
        PosiTables::InitPosiData();
        apply(changes);
        App().PrgModeFlag = prgMode;
        App().PosiNoStart = first;
        App().PosiNoEnd = last;
        const QString path = env->path(name);
        PosiFile::WritePosiFile(path, PosiFile::DeviceNamesOfSetting());
        App().PrgModeFlag = keepMode;
        App().PosiNoStart = s;
        App().PosiNoEnd = e;
        p.PosiData = keep;
        return path;
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        App().DispMmUnit = false;
        auto &d = Paradata().DevSetting;
        d.DevLead = {10, 10, 10, 10};
        d.DevPPR = {1000, 1000, 1000, 1000};
        Paradata().MaxSpeed = {300, 300, 300, 300};
        Paradata().MaxMm = {2621, 2621, 2621, 2621};
        Paradata().MaxPulse = {262143, 262143, 262143, 262143};
        Paradata().ParaSet.ParaSpAxis = 0xF;
        shown = Shown{};
    }
    void cleanup() { env.reset(); }

    void compare_data()
    {
        QTest::addColumn<bool>("prg");
        QTest::addColumn<int>("unusedAxis");    // -1: every axis in use
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("count");
        QTest::newRow("a text with a blank equals its number") << false << -1 << QStringList{"R5.1= 100", "D5.1=100"} << "" << 0;
        QTest::newRow("an empty reference is 0") << false << -1 << QStringList{"R5.26="} << "" << 0;
        QTest::newRow("an empty reference against 3") << false << -1 << QStringList{"R5.26=", "D5.26=3"} << "5.26" << 1;
        QTest::newRow("no tolerance") << false << -1 << QStringList{"R5.4=100.4", "D5.4=100"} << "5.4" << 1;
        QTest::newRow("speed and macro") << false << -1 << QStringList{"R5.1=31", "R7.27=3"} << "5.1 7.27" << 2;
        QTest::newRow("an unused axis") << false << 2 << QStringList{"R5.13=31", "R5.16=500"} << "" << 0;
        QTest::newRow("the comment") << false << -1 << QStringList{"R5.28=other"} << "" << 0;
        QTest::newRow("outside the range") << false << -1 << QStringList{"R12.1=31"} << "" << 0;
        QTest::newRow("program mode: speed and common fields") << true << -1 << QStringList{"R5.1=31", "R5.27=3"} << "" << 0;
        QTest::newRow("program mode: a method marks its position") << true << -1 << QStringList{"R5.9=1"} << "5.9 5.10" << 1;
        QTest::newRow("program mode: a position alone") << true << -1 << QStringList{"R6.22=100"} << "6.22" << 1;
        QTest::newRow("program mode: an unused axis") << true << 1 << QStringList{"R5.9=1"} << "" << 0;
    }
    void compare()
    {
        QFETCH(bool, prg); QFETCH(int, unusedAxis); QFETCH(QStringList, changes); QFETCH(QString, flags);
        QFETCH(int, count);
        App().PrgModeFlag = prg;
        if (unusedAxis >= 0)
            App().AxisNotUsed[static_cast<size_t>(unusedAxis)] = true;
        PosiTables::InitPosiData();
        apply(changes);
        App().PosiNoStart = 1;
        App().PosiNoEnd = 10;
        const auto data = Posi().PosiData;
        QCOMPARE(PosiVerify::ComparePositionData(), count > 0 ? 1 : 0);
        QCOMPARE(flagged(), flags);
        QCOMPARE(Posi().PosiErrCount, count);
        for (const QString &f : flags.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY(Posi().PosiErrFlag[f.section(QLatin1Char('.'), 0, 0).toUInt()][Comment]);
        QVERIFY(Posi().PosiData == data);
    }

    void verifyFile_data()
    {
        QTest::addColumn<QStringList>("fileChanges");
        QTest::addColumn<QStringList>("rows");
        // Axis 4 is not in use; the grid holds 10..30, the file 5..25.
        QTest::newRow("only an unused axis and the comment differ")
            << QStringList{"D12.19=31", "D12.22=500", "D20.28=other"} << QStringList{};
        QTest::newRow("fields differ") << QStringList{"D12.2=11", "D12.25=1", "D21.4=7"}
                                       << QStringList{"12:2,25", "21:4"};
    }
    void verifyFile()
    {
        QFETCH(QStringList, fileChanges); QFETCH(QStringList, rows);
        App().AxisNotUsed[3] = true;
        makeGrid(10, 30);
        const QString path = posiFile(QStringLiteral("ref.qzd"), 5, 25, fileChanges);
        const auto data = Posi().PosiData;
        const QStringList grid = gridTexts();
        Dlg::QueueFileName(path);
        fileRangeOk();
        watchResultWindow();
        QCOMPARE(PosiVerifyFlows::VerifyPositionsWithFile(), 0);
        QCOMPARE(Dlg::FileDialogTitles(), QStringList{ResText(350)});
        QCOMPARE(App().PosiNoStart, 10);
        QCOMPARE(App().PosiNoEnd, 25);
        QCOMPARE(shown.rows, rows);
        if (rows.isEmpty()) {
            QCOMPARE(shown.windows, 0);
            QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Data : indicated and saved into the file(")
                                                    + path + QStringLiteral(")\r\n\r\nResult of Verify - OK")});
        } else {
            QCOMPARE(shown.windows, 1);
            QCOMPARE(shown.caption, ResText(2301));
            QCOMPARE(shown.text, ResText(2303));
            QVERIFY(shown.red);
            QVERIFY(Dlg::ShownTexts().isEmpty());
        }
        QVERIFY(noFlags());
        QVERIFY(Posi().PosiData == data);
        QCOMPARE(gridTexts(), grid);
    }

    // A file that skips a position inside its range: that position is
    // neither compared nor reported, though the grid's differs from the
    // defaults.
    void verifyFileSkipsMissingPositions_data()
    {
        QTest::addColumn<QStringList>("fileChanges");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("the rest equal") << QStringList{} << QStringList{};
        QTest::newRow("another position differs") << QStringList{"D8.1=31"} << QStringList{"8:1"};
    }
    void verifyFileSkipsMissingPositions()
    {
        QFETCH(QStringList, fileChanges); QFETCH(QStringList, rows);
        makeGrid(5, 10);
        PosiGridModel &g = PosiGrid::Grid();
        const int row7 = PosiGrid::RowOf(7, 5);
        for (int c : {Speed(0), Speed(1), Itpl})
            g.SetText(row7, c, QStringLiteral("1"));
        for (int c : {Acc(0), Acc(1)})
            g.SetText(row7, c, QStringLiteral("500"));
        Posi().PosiErrRow[7 - 1] = true;   // the writer leaves position 7 out
        const QString path = posiFile(QStringLiteral("gap.qzd"), 5, 10, fileChanges);
        Posi().PosiErrRow.fill(false);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(!f.readAll().contains("\r\n7,"));
        Dlg::QueueFileName(path);
        fileRangeOk();
        watchResultWindow();
        QCOMPARE(PosiVerifyFlows::VerifyPositionsWithFile(), 0);
        QCOMPARE(shown.rows, rows);
        QCOMPARE(shown.windows, rows.isEmpty() ? 0 : 1);
        if (rows.isEmpty())
            QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Data : indicated and saved into the file(")
                                                    + path + QStringLiteral(")\r\n\r\nResult of Verify - OK")});
        QVERIFY(noFlags());
    }

    // A file the verification cannot use: nothing is compared and no
    // result is shown, only the message that says why.
    void fileRefused_data()
    {
        QTest::addColumn<QString>("file");     // "other mode", "missing", "not positions", "no common range", "twice"
        QTest::addColumn<QList<int>>("lines");   // of the one message shown
        QTest::newRow("the other mode") << "other mode" << QList<int>{330, 331};
        QTest::newRow("missing") << "missing" << QList<int>{484};
        QTest::newRow("not a position file") << "not positions" << QList<int>{21, 20};
        QTest::newRow("no common range") << "no common range" << QList<int>{};
        QTest::newRow("position 12 given twice") << "twice" << QList<int>{484, 9461};
    }
    void fileRefused()
    {
        QFETCH(QString, file); QFETCH(QList<int>, lines);
        QStringList texts;
        for (int id : lines)
            texts << ResText(id);
        QString message = texts.join(QStringLiteral("\r\n"));
        if (file == QLatin1String("twice"))
            message = message.arg(12);
        makeGrid(10, 30);
        QString path = env->path(QStringLiteral("missing.qzd"));
        if (file == QLatin1String("other mode"))
            path = posiFile(QStringLiteral("prg.qzd"), 10, 30, {"D12.1=31"}, true);
        else if (file == QLatin1String("not positions"))
            path = env->writeSjis(QStringLiteral("other.qzd"), QStringLiteral("\"OTHER\",\"POS MODE\"\r\n"));
        else if (file == QLatin1String("no common range"))
            path = posiFile(QStringLiteral("short.qzd"), 1, 8, {"D3.1=31"});
        else if (file == QLatin1String("twice")) {
            QFile f(posiFile(QStringLiteral("once.qzd"), 10, 30, {"D13.1=31"}));
            QVERIFY(f.open(QIODevice::ReadOnly));
            path = env->writeFile(QStringLiteral("twice.qzd"), f.readAll().replace("\r\n13,", "\r\n12,"));
        }
        bool noCommon = false;
        if (file == QLatin1String("no common range"))
            fileRangeOk(&noCommon);
        watchResultWindow();
        const auto data = Posi().PosiData;
        Dlg::QueueFileName(path);
        QCOMPARE(PosiVerifyFlows::VerifyPositionsWithFile(), 1);
        QCOMPARE(shown.windows, 0);
        QCOMPARE(Dlg::ShownTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(noCommon, file == QLatin1String("no common range"));
        QVERIFY(noFlags());
        QVERIFY(Posi().PosiData == data);
    }

    // Data the re-validation refuses are not verified: the check window
    // says why, and no file is asked for.
    void refusedGridIsNotVerified()
    {
        makeGrid(10, 30);
        const QString path = posiFile(QStringLiteral("ref.qzd"), 10, 30, {});
        PosiGrid::Grid().SetText(PosiGrid::RowOf(12, 10), Speed(0), QStringLiteral("999"));
        const int checks = TestEnv::Recorder().posiCheckResultsShown;
        watchResultWindow();
        Dlg::QueueFileName(path);
        QCOMPARE(PosiVerifyFlows::VerifyPositionsWithFile(), 1);
        QCOMPARE(TestEnv::Recorder().posiCheckResultsShown, checks + 1);
        QVERIFY(Dlg::FileDialogTitles().isEmpty());
        QCOMPARE(shown.windows, 1);
        QCOMPARE(shown.caption, ResText(2302));   // the check's window, not a result
        QVERIFY(Dlg::ShownTexts().isEmpty());
        QVERIFY(noFlags());
    }

    // Against the simulated controller: positions 10..20, one field
    // changed in the controller; the user cancels during the read; the
    // controller stops answering.
    void verifyController_data()
    {
        QTest::addColumn<QString>("ct");
        QTest::newRow("one field differs") << "differs";
        QTest::newRow("all equal") << "equal";
        QTest::newRow("cancelled during the read") << "cancel";
        QTest::newRow("silent controller") << "silent";
    }
    void verifyController()
    {
        QFETCH(QString, ct);
        SimController sim;
        QVERIFY(sim.ok());
        SimCmdModel cmd;
        InstallCommandSim(sim, cmd);
        SimParaBlocks::InstallParaBlockCommands(sim);
        SimPosi::InstallPosiCommands(sim);
        sim.attach(1);
        App().PortNo = 1;
        App().PortOccupy = false;
        ErrorList::ReadErrorList();
        Indicators::SetOnlineMode();
        Comm::StartLink();

        makeGrid(5, 30);
        PosiGrid::Grid().SetText(PosiGrid::RowOf(12, 5), Speed(1), QStringLiteral("45"));
        for (int n = 10; n <= 20; ++n) {
            PosiRecord r = PosiTables::DefaultPosiRecord();
            if (n == 12)
                r[Speed(1)] = 45;
            if (n == 15 && ct == QLatin1String("differs"))
                r[PushForce(2)] = 50;
            SimPosi::SetBlock(sim, n, PosiCodec::EncodeBlock(r).toLatin1());
        }
        if (ct == QLatin1String("cancel")) {
            sim.addCommand("0RP", [](SimController &s, const QByteArray &f) -> std::optional<QByteArray> {
                const int n = f.mid(3, 3).toInt(nullptr, 16);
                if (n == 13)
                    App().ComCancelFlag = true;
                return "0RP" + f.mid(3, 3) + SimPosi::Block(s, n);
            });
        } else if (ct == QLatin1String("silent")) {
            sim.addFault("0RP", SimFaultRule{SimFault::Silent, 0, {}}, -1);
        }
        ctRange(10, 20);
        watchResultWindow();
        const QStringList grid = gridTexts();
        PosiVerifyFlows::cmdPosiVerifyCt_Click();
        Comm::StopLink();

        const QStringList texts = Dlg::ShownTexts();
        if (ct == QLatin1String("differs")) {
            QCOMPARE(shown.windows, 1);
            QCOMPARE(shown.rows, QStringList{"15:17"});
            QVERIFY(shown.red);
            QVERIFY(texts.isEmpty());
        } else if (ct == QLatin1String("equal")) {
            QCOMPARE(shown.windows, 0);
            QCOMPARE(texts, QStringList{QStringLiteral("Data : indicated and inside of controller\r\n\r\nResult of Verify - OK")});
        } else if (ct == QLatin1String("cancel")) {
            QCOMPARE(shown.windows, 0);
            QCOMPARE(sim.framesOf("0RP").size(), 4);
            QCOMPARE(texts, QStringList{ResText(440)});
        } else {
            QCOMPARE(shown.windows, 0);
            QCOMPARE(texts.size(), 1);   // the link's own message
            QVERIFY(texts.first() != ResText(440));
        }
        QCOMPARE(Posi().PosiData[12][Speed(1)].val(), 45.0);
        QCOMPARE(Posi().PosiData[15][PushForce(2)].val(), 0.0);
        QCOMPARE(gridTexts(), grid);
        QVERIFY(noFlags());
        QVERIFY(!App().BusyFlag);
        qunsetenv("REZ4_PORT1");
    }
};

QTEST_MAIN(TestPosiVerify)
#include "tst_posiverify.moc"
