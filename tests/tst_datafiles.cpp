// What every kind of data file shares: a damaged file (a field with a
// control character, a file cut short, a number given twice) is refused
// whole, with the kind's read message, so nothing of it is taken in.
#include "core/AppState.h"
#include "core/ItemFile.h"
#include "grpsm/GrpSmFiles.h"
#include "grpsm/GrpSmTables.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiFile.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "prog/ProgFile.h"
#include "prog/ProgGridModel.h"
#include "support/TestEnv.h"
#include "ui/grpsm/GroupWindow.h"
#include "ui/grpsm/SequenceMacroWindow.h"
#include "ui/posi/PosiFileFlows.h"
#include "ui/posi/PosiWindow.h"
#include "ui/posi/PositionRangeDialogs.h"
#include "ui/prog/ProgramWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace Dlg = Platform::Dialogs;

namespace {

// One position (1) whose axis-1 speed and comment are given as written.
QByteArray posiFile(const QByteArray &speed, const QByteArray &comment)
{
    QByteArray f = "\"RE-Z4\"\r\n\"POS MODE\"\r\n\"A\",\"B\",\"C\",\"D\"\r\n\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n1,";
    f += speed;
    for (int field = 2; field <= 27; ++field)
        f += ",\" 0\"";
    f += "," + comment + "\r\n";
    return f;
}

// One program line (MVP) whose first operand and comment are given as written.
QByteArray progFile(const QByteArray &operand, const QByteArray &comment)
{
    return "\"RE-Z4\"\r\n\"Program\"\r\n1\r\n\"MVP\"," + operand + ",\"\",\"\",\"\"," + comment + "\r\n";
}

// ---- files as the program writes them

enum Kind { Positions, Program, Groups, Macros };

QByteArray sjis(const QString &text) { return ItemFile::Encode(text); }

// Positions 1..6, each with a comment of its own.
QByteArray ownPositions()
{
    App().PosiNoStart = 1;
    App().PosiNoEnd = 6;
    PosiTables::InitPosiData();
    for (int n = 1; n <= 6; ++n)
        Posi().PosiData[size_t(n)][PosiField::Comment] = QStringLiteral("comment of position %1").arg(n);
    return sjis(PosiFile::FormatPosiFile({QStringLiteral("QZ28"), QStringLiteral("QZ28"), QString(), QString()}));
}

std::vector<ProgData::ProgTexts> ownProgramLines()
{
    std::vector<ProgData::ProgTexts> lines;
    for (int k = 1; k <= 10; ++k)
        lines.push_back({QStringLiteral("TIM"), QString::number(k), {}, {}, {}, QStringLiteral("comment of line %1, the wait before the next move").arg(k)});
    return lines;
}

GrpSm::GroupTable ownGroups()
{
    GrpSm::GroupTable t{};
    for (int g = 1; g <= GrpSm::kGroupCount; ++g)
        t[size_t(g)] = {int16_t(g), int16_t(g + 1)};
    return t;
}

GrpSm::MacroTable ownMacros()
{
    GrpSm::MacroTable t{};
    for (int m = 1; m <= GrpSm::kMacroCount; ++m)
        for (int s = 0; s < GrpSm::kMacroSteps; ++s) {
            t[size_t(s)][size_t(GrpSm::MacroCodeCol(m))] = 5;
            t[size_t(s)][size_t(GrpSm::MacroCodeCol(m) + 1)] = int16_t(1 + (m + s) % 9);
        }
    return t;
}

QByteArray ownFile(Kind kind)
{
    switch (kind) {
    case Positions: return ownPositions();
    case Program: return sjis(ProgFile::FormatProgFile(ownProgramLines()));
    case Groups: return sjis(GrpSm::FormatGrpFile(ownGroups()));
    case Macros: return sjis(GrpSm::FormatSqMcrFile(ownMacros()));
    }
    return {};
}

// ---- the damage

// Cut in the middle of the first `inside`.
QByteArray cutInside(const QByteArray &f, const QByteArray &inside)
{
    const qsizetype at = f.indexOf(inside);
    Q_ASSERT(at >= 0);
    return f.left(at + inside.size() / 2);
}

// Cut right after the first `after`.
QByteArray cutAfter(const QByteArray &f, const QByteArray &after)
{
    const qsizetype at = f.indexOf(after);
    Q_ASSERT(at >= 0);
    return f.left(at + after.size());
}

QByteArray replacedOnce(QByteArray f, const QByteArray &from, const QByteArray &to)
{
    const qsizetype at = f.indexOf(from);
    Q_ASSERT(at >= 0);
    return f.replace(at, from.size(), to);
}

// Rows of damaged files: the kind, the file, and the line the read message
// adds to say what is wrong.
void addDamagedFileRows()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("fault");
    TestEnv::Scope env;
    const QByteArray posi = ownFile(Positions);
    const QByteArray prog = ownFile(Program);
    const QByteArray grp = ownFile(Groups);
    const QByteArray sm = ownFile(Macros);
    const QString inside = QStringLiteral("The file ends inside a text on its line %1.");

    // Positions 1..6 are on lines 5..10.
    QTest::newRow("positions: cut inside the last comment")
        << int(Positions) << cutInside(posi, "comment of position 6") << inside.arg(10);
    QTest::newRow("positions: cut inside an actuator name") << int(Positions) << cutInside(posi, "QZ28") << inside.arg(3);
    QTest::newRow("positions: a number given twice")
        << int(Positions) << replacedOnce(posi, "\r\n4,", "\r\n3,") << QStringLiteral("Position No. 3 is given twice in the file.");
    QTest::newRow("positions: a number given twice in another form")
        << int(Positions) << replacedOnce(posi, "\r\n6,", "\r\n 2.0,") << QStringLiteral("Position No. 2 is given twice in the file.");

    // Program lines 1..10 are on lines 4..13.
    QTest::newRow("program: cut at half its bytes") << int(Program) << prog.left(prog.size() / 2) << inside.arg(8);
    QTest::newRow("program: cut after a whole line")
        << int(Program) << cutAfter(prog, "line 5, the wait before the next move\"\r\n")
        << QStringLiteral("The file ends after 5 of its 10 program lines.");
    QTest::newRow("program: cut after a line's last quote")
        << int(Program) << cutAfter(prog, "line 5, the wait before the next move\"")
        << QStringLiteral("The file ends after 5 of its 10 program lines.");
    QTest::newRow("program: cut right after the count")
        << int(Program) << cutAfter(prog, "\r\n10\r\n") << QStringLiteral("The file ends after 0 of its 10 program lines.");
    QTest::newRow("program: cut inside the kind") << int(Program) << cutInside(prog, "Program") << inside.arg(2);

    // Group g is on line g + 2.
    QTest::newRow("groups: cut after a whole group")
        << int(Groups) << cutAfter(grp, "\"50\",50,51\r\n") << QStringLiteral("The file ends after 50 of its 99 groups.");
    QTest::newRow("groups: cut inside a group number") << int(Groups) << cutInside(grp, "\"61\"") << inside.arg(63);
    QTest::newRow("groups: a number given twice")
        << int(Groups) << replacedOnce(grp, "\"8\",", "\"7\",") << QStringLiteral("Group No. 7 is given twice in the file.");
    QTest::newRow("groups: a number given twice in another form")
        << int(Groups) << replacedOnce(grp, "\"10\",", "\" 9\",") << QStringLiteral("Group No. 9 is given twice in the file.");

    // Macro m begins on line 3 + 17 (m - 1).
    QTest::newRow("macros: cut after a whole macro")
        << int(Macros) << sm.left(sm.indexOf("\"6\"\r\n")) << QStringLiteral("The file ends after 5 of its 20 sequence macros.");
    QTest::newRow("macros: cut inside a macro number") << int(Macros) << cutInside(sm, "\"12\"") << inside.arg(190);
    QTest::newRow("macros: a number given twice")
        << int(Macros) << replacedOnce(sm, "\"4\"\r\n", "\"3\"\r\n") << QStringLiteral("SM No. 3 is given twice in the file.");
}

// The read message of a kind, with the fault on a line of its own.
QString readMessage(int kind, const QString &fault)
{
    return Platform::ResText(kind == Macros ? 931 : 484) + QStringLiteral("\r\n") + fault;
}

// A damaged-file row: its file written into a fresh test scope, texts in
// English.
struct DamagedFileRow {
    TestEnv::Scope env;
    int kind = *static_cast<int *>(QTest::qData("kind", QMetaType::Int));
    QString fault = *static_cast<QString *>(QTest::qData("fault", QMetaType::QString));
    QString path = env.writeFile(QStringLiteral("damaged"), *static_cast<QByteArray *>(QTest::qData("file", QMetaType::QByteArray)));
    DamagedFileRow() { App().LangOffset = 10000; }
};

// A data row of every position, distinct from anything a file above holds.
PosiRecord keptRecord()
{
    PosiRecord r = PosiTables::DefaultPosiRecord();
    r[PosiField::Comment] = QStringLiteral("kept");
    return r;
}

} // namespace

class TstDataFiles : public QObject {
    Q_OBJECT
private slots:
    void controlCharacterInAFieldRefusesTheFile_data();
    void controlCharacterInAFieldRefusesTheFile();
    void ownFilesRead_data();
    void ownFilesRead();
    void damagedFileRefusedByItsReader_data() { addDamagedFileRows(); }
    void damagedFileRefusedByItsReader();
    void damagedFileOpenKeepsTheWindow_data() { addDamagedFileRows(); }
    void damagedFileOpenKeepsTheWindow();
};

void TstDataFiles::controlCharacterInAFieldRefusesTheFile_data()
{
    // The file as written, and the same file with one field damaged; the
    // sound one reads `value` into the field.
    QTest::addColumn<bool>("posi");
    QTest::addColumn<QByteArray>("sound");
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<QString>("value");
    QTest::newRow("position: NUL inside a quoted number")
        << true << posiFile("\" 100\"", "\"c\"") << posiFile(QByteArray("\" 1\0000\"", 6), "\"c\"") << " 100";
    QTest::newRow("position: NUL after the closing quote")
        << true << posiFile("\" 100\"", "\"c\"") << posiFile(QByteArray("\" 100\"\0", 7), "\"c\"") << " 100";
    QTest::newRow("position: control character in the comment")
        << true << posiFile("\" 100\"", "\"ab\"") << posiFile("\" 100\"", "\"a\x01" "b\"") << " 100";
    QTest::newRow("program: NUL inside an operand")
        << false << progFile("\"10\"", "\"c\"") << progFile(QByteArray("\"1\0000\"", 5), "\"c\"") << "10";
    QTest::newRow("program: tab inside the comment")
        << false << progFile("\"10\"", "\"a b\"") << progFile("\"10\"", "\"a\tb\"") << "10";
    QTest::newRow("program: escape in a bare operand")
        << false << progFile("10", "\"c\"") << progFile("1\x1b" "0", "\"c\"") << "10";
}

void TstDataFiles::controlCharacterInAFieldRefusesTheFile()
{
    QFETCH(bool, posi);
    QFETCH(QByteArray, sound);
    QFETCH(QByteArray, damaged);
    QFETCH(QString, value);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    const QString good = env.writeFile(QStringLiteral("good"), sound);
    const QString bad = env.writeFile(QStringLiteral("bad"), damaged);

    if (posi) {
        PosiState &p = Posi();
        QCOMPARE(PosiFile::ReadPosiFile(good), int(PosiFile::ReadOk));
        QCOMPARE(p.PosiDataRead[1][1].toString(), value);
        p.PosiDataRead[1][1] = ValueCell(QStringLiteral("kept"));
        p.FileAxisName.fill(QStringLiteral("kept"));
        p.FileReadError = false;
        QCOMPARE(PosiFile::ReadPosiFile(bad), int(PosiFile::ReadError));
        QVERIFY(p.FileReadError);
        QCOMPARE(p.PosiDataRead[1][1].toString(), QStringLiteral("kept"));
        QCOMPARE(p.FileAxisName[0], QStringLiteral("kept"));
        // The open and verify flows report ReadError with the read message.
        QVERIFY(Dlg::Shown().empty());
    } else {
        std::vector<ProgData::ProgTexts> lines;
        QCOMPARE(ProgFile::OpenProgFile(good, lines), int(ProgFile::ReadOk));
        QCOMPARE(lines.at(1)[1], value);
        const std::vector<ProgData::ProgTexts> kept{{}, {QStringLiteral("kept")}};
        lines = kept;
        QCOMPARE(ProgFile::OpenProgFile(bad, lines), int(ProgFile::ReadError));
        QCOMPARE(Dlg::ShownTexts(), QStringList{Platform::ResText(484)});
        QCOMPARE(lines, kept);
    }
}

// Every kind of file the program writes reads back whole, as written.
void TstDataFiles::ownFilesRead_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("positions") << int(Positions);
    QTest::newRow("program") << int(Program);
    QTest::newRow("groups") << int(Groups);
    QTest::newRow("macros") << int(Macros);
}

void TstDataFiles::ownFilesRead()
{
    QFETCH(int, kind);
    TestEnv::Scope env;
    const QString path = env.writeFile(QStringLiteral("own"), ownFile(Kind(kind)));
    switch (kind) {
    case Positions: {
        const PosiRecord sixth = Posi().PosiData[6];
        PosiTables::InitPosiData();
        QCOMPARE(PosiFile::ReadPosiFile(path), int(PosiFile::ReadOk));
        QCOMPARE(Posi().FileFirstPosiNo, 1);
        QCOMPARE(Posi().FileLastPosiNo, 6);
        QCOMPARE(Posi().PosiDataRead[6][PosiField::Comment].toString(), sixth[PosiField::Comment].toString());
        break;
    }
    case Program: {
        std::vector<ProgData::ProgTexts> read;
        QCOMPARE(ProgFile::OpenProgFile(path, read), int(ProgFile::ReadOk));
        QCOMPARE(std::vector<ProgData::ProgTexts>(read.begin() + 1, read.end()), ownProgramLines());
        break;
    }
    case Groups:
        QCOMPARE(GrpSm::ReadGrpFile(path, QStringLiteral("own")), int(GrpSm::FileReadOk));
        QCOMPARE(GrpSm::Tables().GrpDataBuf, ownGroups());
        break;
    case Macros:
        QCOMPARE(GrpSm::OpenSMFile(path), int(GrpSm::FileReadOk));
        QCOMPARE(GrpSm::Tables().SmDataBuf, ownMacros());
        break;
    }
    QVERIFY(Dlg::Shown().empty());
}

// The reader refuses the file, says why and takes nothing of it in.
void TstDataFiles::damagedFileRefusedByItsReader()
{
    const DamagedFileRow row;
    const int kind = row.kind;
    const QString &fault = row.fault;
    const QString &path = row.path;
    auto &t = GrpSm::Tables();
    switch (kind) {
    case Positions: {
        PosiState &p = Posi();
        std::fill(p.PosiDataRead.begin(), p.PosiDataRead.end(), keptRecord());
        p.FileLastPosiNo = 99;
        QCOMPARE(PosiFile::ReadPosiFile(path), int(PosiFile::ReadError));
        QVERIFY(p.FileReadError);
        QCOMPARE(p.FileReadFault, fault);
        QCOMPARE(p.PosiDataRead[3], keptRecord());
        QCOMPARE(p.FileLastPosiNo, 99);
        QVERIFY(Dlg::Shown().empty());   // the open and verify flows say it
        break;
    }
    case Program: {
        const std::vector<ProgData::ProgTexts> kept{{}, {QStringLiteral("kept")}};
        std::vector<ProgData::ProgTexts> lines = kept;
        QCOMPARE(ProgFile::OpenProgFile(path, lines), int(ProgFile::ReadError));
        QCOMPARE(lines, kept);
        QCOMPARE(Dlg::ShownTexts(), QStringList{readMessage(kind, fault)});
        break;
    }
    case Groups:
        t.GrpDataBuf.fill({4, 4});
        QCOMPARE(GrpSm::ReadGrpFile(path, QStringLiteral("damaged")), int(GrpSm::FileReadError));
        QCOMPARE(t.FileReadFault, fault);
        QCOMPARE(t.GrpDataBuf[1], (std::array<int16_t, 2>{4, 4}));
        QVERIFY(t.GrpPrintDataName.isEmpty());
        QVERIFY(Dlg::Shown().empty());
        break;
    case Macros:
        for (auto &step : t.SmDataBuf)
            step.fill(4);
        QCOMPARE(GrpSm::OpenSMFile(path), int(GrpSm::FileReadError));
        QCOMPARE(t.FileReadFault, fault);
        QCOMPARE(t.SmDataBuf[0][0], int16_t(4));
        QVERIFY(Dlg::Shown().empty());
        break;
    }
}

// Opened from the window's command: the kind's read message with the line
// saying what is wrong, once, and the window keeps what it showed.
void TstDataFiles::damagedFileOpenKeepsTheWindow()
{
    const DamagedFileRow row;
    const int kind = row.kind;
    const QString &fault = row.fault;
    const QString &path = row.path;
    switch (kind) {
    case Positions: {
        // New data 5..9, one comment typed.
        Dlg::PushModalHandler([](QDialog &d) {
            auto &dlg = static_cast<PositionRangeDialogBase &>(d);
            dlg.txtStartPosiNo->setText(QStringLiteral("5"));
            dlg.txtEndPosiNo->setText(QStringLiteral("9"));
            dlg.cmdSelectPosiOk->click();
            return dlg.result();
        });
        QCOMPARE(PosiFileFlows::CreateNewPositions(), 0);
        PosiGrid::Grid().SetText(2, 28, QStringLiteral("mine"));
        Dlg::ClearScript();
        Dlg::QueueFileName(path);
        QCOMPARE(PosiFileFlows::PosidataFileOpenProc(), 1);
        QCOMPARE(Dlg::ShownTexts(), QStringList{readMessage(kind, fault)});
        QCOMPARE(PosiGrid::Grid().Rows(), 7);
        QCOMPARE(PosiGrid::Grid().Text(2, 28), QStringLiteral("mine"));
        QCOMPARE(App().DispNoStart, 5);
        QCOMPARE(App().DispNoEnd, 9);
        QCOMPARE(App().DataFileName, QStringLiteral("New Data"));
        QCOMPARE(PosiWindow::Caption(), QStringLiteral("Position Data-[New Data]"));
        break;
    }
    case Program: {
        ProgramWindow w;
        const std::vector<ProgData::ProgTexts> mine{{QStringLiteral("TIM"), QStringLiteral("3"), {}, {}, {}, QStringLiteral("mine")}};
        ProgData::FillGrid(*w.flgdProg, mine);
        w.setWindowTitle(QStringLiteral("Program 4"));
        Dlg::QueueFileName(path);
        w.ProgDataFileOpen();
        QCOMPARE(Dlg::ShownTexts(), QStringList{readMessage(kind, fault)});
        QCOMPARE(ProgData::GridTexts(*w.flgdProg), mine);
        QCOMPARE(w.windowTitle(), QStringLiteral("Program 4"));
        break;
    }
    case Groups: {
        GroupWindow w;
        auto &t = GrpSm::Tables();
        t.GrpData[1] = {3, 4};
        w.txtGrpStartNo[0]->setText(QStringLiteral("3"));
        Dlg::QueueFileName(path);
        w.cmdGrpFileOpen->click();
        QCOMPARE(Dlg::ShownTexts(), QStringList{readMessage(kind, fault)});
        QCOMPARE(t.GrpData[1], (std::array<int16_t, 2>{3, 4}));
        QCOMPARE(t.GrpData[50], (std::array<int16_t, 2>{1, 1}));
        QCOMPARE(w.txtGrpStartNo[0]->text(), QStringLiteral("3"));
        break;
    }
    case Macros: {
        SequenceMacroWindow w;
        auto &t = GrpSm::Tables();
        const QString shown = w.comboSmCommand[0]->currentText();
        t.SmData[0][0] = 4;
        Dlg::QueueFileName(path);
        w.cmdSmFileOpen->click();
        QCOMPARE(Dlg::ShownTexts(), QStringList{readMessage(kind, fault)});
        QCOMPARE(t.SmData[0][0], int16_t(4));
        QCOMPARE(t.SmData[0][2], int16_t(0));
        QCOMPARE(w.comboSmCommand[0]->currentText(), shown);
        break;
    }
    }
}

QTEST_MAIN(TstDataFiles)
#include "tst_datafiles.moc"
