// What every kind of data file shares: a damaged field makes the whole file
// unreadable, so nothing of it is taken in.
#include "core/AppState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiFile.h"
#include "posi/PosiTables.h"
#include "prog/ProgFile.h"
#include "support/TestEnv.h"

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

} // namespace

class TstDataFiles : public QObject {
    Q_OBJECT
private slots:
    void controlCharacterInAFieldRefusesTheFile_data();
    void controlCharacterInAFieldRefusesTheFile();
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
        QCOMPARE(Common::ReadPosiFile(good), int(PosiFile::ReadOk));
        QCOMPARE(p.PosiDataRead[1][1].toString(), value);
        p.PosiDataRead[1][1] = ValueCell(QStringLiteral("kept"));
        p.FileAxisName.fill(QStringLiteral("kept"));
        p.FileReadError = false;
        QCOMPARE(Common::ReadPosiFile(bad), int(PosiFile::ReadError));
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

QTEST_MAIN(TstDataFiles)
#include "tst_datafiles.moc"
