// Shared helpers: fixed-width fills, the numeric conventions, the item file
// format, the settings readers' fallbacks and the nested wait.
#include <QtTest>

#include "core/ClipText.h"
#include "core/FixedText.h"
#include "core/Num.h"
#include "core/ItemFile.h"
#include "core/AppSettings.h"
#include "core/AppState.h"
#include "platform/Settings.h"
#include "platform/Wait.h"
#include "support/TestEnv.h"

class TestFoundation : public QObject {
    Q_OBJECT
private slots:
    void hexZeroPad_data();
    void hexZeroPad();
    void decPads_data();
    void decPads();
    void padSpace_data();
    void padSpace();
    void val_data();
    void val();
    void roundHalfEven_data();
    void roundHalfEven();
    void fixed_data();
    void fixed();
    void itemRoundTrip();
    void writtenTextReadsBack_data();
    void writtenTextReadsBack();
    void itemReaderOddInput_data();
    void itemReaderOddInput();
    void textTheFileEndsInsideIsDamage_data();
    void textTheFileEndsInsideIsDamage();
    void sjisRefusesUnencodable();
    void saveTextKeepsOldFileOnFailure();
    void settingIntFallsBack_data();
    void settingIntFallsBack();
    void nestedWaitEndsOnTime();
    void clipSplit_data();
    void clipSplit();
    void clipJoinSplitsBack();
};

void TestFoundation::hexZeroPad_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fits exactly") << 255 << 2 << "FF";
    QTest::newRow("zero fill") << 255 << 3 << "0FF";
    QTest::newRow("too long") << 256 << 2 << "X";
    QTest::newRow("zero digits") << 0 << 0 << "X";
    QTest::newRow("upper case") << 0xabc << 4 << "0ABC";
}

void TestFoundation::hexZeroPad()
{
    QFETCH(int, value);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QCOMPARE(FixedText::HexZeroPad(value, digits), expected);
}

void TestFoundation::decPads_data()
{
    QTest::addColumn<bool>("zero");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero 007") << true << 7 << 3 << "007";
    QTest::newRow("zero too long") << true << 1000 << 3 << "X";
    QTest::newRow("zero negative") << true << -5 << 3 << "0-5";
    QTest::newRow("space 42") << false << 42 << 4 << "  42";
    QTest::newRow("space too long") << false << 12345 << 4 << "X";
}

void TestFoundation::decPads()
{
    QFETCH(bool, zero);
    QFETCH(int, value);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QCOMPARE(zero ? FixedText::DecZeroPad(value, digits) : FixedText::DecSpacePad(value, digits), expected);
}

void TestFoundation::padSpace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("equal") << "ab" << 2 << true << "ab";
    QTest::newRow("too long") << "ab" << 1 << false << "";
    QTest::newRow("right aligned") << "ab" << 5 << true << "   ab";
}

void TestFoundation::padSpace()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(bool, fits);
    QFETCH(QString, expected);
    const auto r = FixedText::PadSpace(text, width);
    QCOMPARE(r.has_value(), fits);
    if (fits)
        QCOMPARE(*r, expected);
}

void TestFoundation::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("digits then letters") << "12ab" << 12.0;
    QTest::newRow("blanks inside") << " 1 2.5x" << 12.5;
    QTest::newRow("sign and decimals") << "-0.0225" << -0.0225;
    QTest::newRow("exponent") << "1.5E2" << 150.0;
    QTest::newRow("dangling exponent") << "3e" << 3.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("lone sign") << "-" << 0.0;
}

void TestFoundation::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Num::Val(text), expected);
}

void TestFoundation::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("2.5 down") << 2.5 << 2 << true;
    QTest::newRow("3.5 up") << 3.5 << 4 << true;
    QTest::newRow("-2.5") << -2.5 << -2 << true;
    QTest::newRow("2.51") << 2.51 << 3 << true;
    QTest::newRow("edge 32767.4") << 32767.4 << 32767 << true;
    QTest::newRow("overflow 32767.5") << 32767.5 << 0 << false;
    QTest::newRow("underflow") << -32769.0 << 0 << false;
}

void TestFoundation::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QFETCH(bool, inRange);
    const auto r = Num::CInt(value);
    QCOMPARE(r.has_value(), inRange);
    if (inRange)
        QCOMPARE(int(*r), expected);
}

void TestFoundation::fixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("half away up") << 0.0005 << "0.001";
    QTest::newRow("half away down") << -1.0005 << "-1.001";
    QTest::newRow("stored a hair below") << 100.005 << "100.005";
    QTest::newRow("no minus zero") << -0.0004 << "0.000";
    QTest::newRow("digit before the point") << 0.25 << "0.250";
}

void TestFoundation::fixed()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Num::Fixed(value, 3), expected);
}

void TestFoundation::itemRoundTrip()
{
    ItemFile::Writer w;
    w.text(QStringLiteral("RE-Z4")).text(QStringLiteral("POS")).endRecord();
    w.number(qint64(-12)).empty().text(QStringLiteral("位置 1")).number(2.5).endRecord();
    ItemFile::Reader r(w.result());
    auto a = r.readRecord();
    QVERIFY(a.has_value());
    QCOMPARE(a->size(), 2);
    QVERIFY(a->at(0).quoted);
    QCOMPARE(a->at(1).text, QStringLiteral("POS"));
    auto b = r.readRecord();
    QVERIFY(b.has_value());
    QCOMPARE(b->size(), 4);
    QCOMPARE(b->at(0).number(), -12.0);
    QVERIFY(b->at(1).isEmpty());
    QCOMPARE(b->at(2).text, QStringLiteral("位置 1"));
    QVERIFY(b->at(2).quoted);
    QCOMPARE(b->at(3).number(), 2.5);
    QVERIFY(r.atEnd());
    QVERIFY(!r.readRecord().has_value());
}

// Whatever a text holds, the file written reads back: a reader refuses a
// field with a control character, so a tab pasted into a comment must not
// make the saved file unreadable.
void TestFoundation::writtenTextReadsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("quote") << QStringLiteral("a\"b") << QStringLiteral("a'b");
    QTest::newRow("line break") << QStringLiteral("a\r\nb") << QStringLiteral("a  b");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QStringLiteral("a b");
    QTest::newRow("other control") << QStringLiteral("a") + QChar(1) + QChar(0x1A) + QStringLiteral("b")
                                   << QStringLiteral("a  b");
}

void TestFoundation::writtenTextReadsBack()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    ItemFile::Writer w;
    w.text(text).number(qint64(7)).endRecord();
    ItemFile::Reader r(w.result());
    const auto rec = r.readRecord();
    QVERIFY(rec.has_value());
    QCOMPARE(rec->size(), 2);
    QCOMPARE(rec->at(0).text, readBack);
    QCOMPARE(rec->at(1).number(), 7.0);
}

void TestFoundation::itemReaderOddInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("unterminated quote") << "\"abc\r\n1" << QStringList{"abc", "1"};
    QTest::newRow("lf only, blank line") << "1,2\n\n3" << QStringList{"1", "2", "3"};
    QTest::newRow("trailing comma") << "1,\r\n" << QStringList{"1", ""};
    QTest::newRow("junk after quote") << "\"a\"x,2" << QStringList{"a", "2"};
    QTest::newRow("eof marker") << "1\r\n\x1a" << QStringList{"1"};
    QTest::newRow("eof marker right after the last field") << "1,2\x1a" << QStringList{"1", "2"};
}

// The texts of the fields the reader gives until it stops.
static QStringList fieldsRead(ItemFile::Reader &r)
{
    QStringList got;
    ItemFile::Item it;
    while (r.readField(it))
        got << it.text;
    return got;
}

void TestFoundation::itemReaderOddInput()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    ItemFile::Reader r(text);
    QCOMPARE(fieldsRead(r), fields);
}

// A file cut short inside a quoted text holds only a part of it: the reader
// stops there and names the line, and LoadText refuses the file.
void TestFoundation::textTheFileEndsInsideIsDamage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");   // read before the damage
    QTest::addColumn<int>("line");
    QTest::newRow("inside the last field") << "\"RE-Z4\"\r\n\"Prog" << QStringList{"RE-Z4"} << 2;
    QTest::newRow("right after the opening quote") << "1,\"" << QStringList{"1"} << 1;
    QTest::newRow("line end after the open text") << "1\r\n2,\"ab\r\n" << QStringList{"1", "2"} << 2;
    QTest::newRow("lines ended by LF alone, end mark") << "1\n\n\"ab  \x1a" << QStringList{"1"} << 3;
    QTest::newRow("a line ended by CR alone") << "1\r\"ab" << QStringList{"1"} << 2;
    QTest::newRow("blanks after the open text") << "\"a\",\"b\"\r\n\"c\r\n  \r\n" << QStringList{"a", "b"} << 2;
}

void TestFoundation::textTheFileEndsInsideIsDamage()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QFETCH(int, line);
    ItemFile::Reader r(text);
    QCOMPARE(fieldsRead(r), fields);
    QVERIFY(r.damaged());
    QVERIFY(!r.atEnd());
    QCOMPARE(r.endsInsideLine(), line);

    TestEnv::Scope env;
    App().LangOffset = 10000;
    QString fault;
    QVERIFY(!ItemFile::LoadText(env.writeFile(QStringLiteral("cut"), text.toLatin1()), &fault).has_value());
    QCOMPARE(fault, QStringLiteral("The file ends inside a text on its line %1.").arg(line));
}

void TestFoundation::sjisRefusesUnencodable()
{
    QVERIFY(ItemFile::CanEncode(QStringLiteral("ワーク搬送 A-1")));
    QVERIFY(!ItemFile::CanEncode(QStringLiteral("emoji 😀")));
    TestEnv::Scope env;
    QVERIFY(!ItemFile::SaveText(env.path("x.qzd"), QStringLiteral("😀")));
    QVERIFY(!QFile::exists(env.path("x.qzd")));
}

void TestFoundation::saveTextKeepsOldFileOnFailure()
{
    TestEnv::Scope env;
    const QString p = env.path("keep.pmt");
    QVERIFY(ItemFile::SaveText(p, QStringLiteral("\"old\"\r\n")));
    QVERIFY(!ItemFile::SaveText(p, QStringLiteral("\"new 😀\"\r\n")));
    QCOMPARE(*ItemFile::LoadText(p), QStringLiteral("\"old\"\r\n"));
    QVERIFY(!ItemFile::LoadText(env.path("missing")).has_value());
}

void TestFoundation::settingIntFallsBack_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("absent") << QString() << 1;
    QTest::newRow("number") << "2" << 2;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("text") << "abc" << 1;
    QTest::newRow("out of 16-bit range") << "70000" << 1;
    QTest::newRow("blank") << "" << 1;
}

void TestFoundation::settingIntFallsBack()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    TestEnv::Scope env;
    if (!stored.isNull())
        Platform::SaveSetting(QStringLiteral("PortNo"), stored);
    QCOMPARE(AppSettings::GetSettingInt(QStringLiteral("PortNo"), 1), expected);
}

void TestFoundation::nestedWaitEndsOnTime()
{
    // An inner wait started from a timer inside an outer wait must not keep
    // the outer one past its own deadline by much more than the inner's length.
    QElapsedTimer outerClock;
    qint64 innerElapsed = -1;
    QTimer::singleShot(20, [&] {
        QElapsedTimer c;
        c.start();
        Platform::WaitMs(150);
        innerElapsed = c.elapsed();
    });
    outerClock.start();
    Platform::WaitMs(100);
    const qint64 outer = outerClock.elapsed();
    QVERIFY2(innerElapsed >= 150, qPrintable(QString::number(innerElapsed)));
    QVERIFY(outer >= 100);
    // The outer wait is resumed only when the inner returns (same stack), but
    // it must not wait on after that.
    QVERIFY2(outer < 20 + innerElapsed + 100, qPrintable(QString::number(outer)));

    // A plain wait: not shorter than asked.
    QElapsedTimer c;
    c.start();
    Platform::WaitMs(50);
    QVERIFY(c.elapsed() >= 50);
}

// Rows joined by "|", cells by ",", "FAIL" when the split fails.
static QString shapeOf(const std::optional<ClipText::Table> &t)
{
    if (!t)
        return QStringLiteral("FAIL");
    QStringList rows;
    for (const QStringList &r : t->rows)
        rows << r.join(QLatin1Char(','));
    return QString::number(t->cols) + QLatin1Char(':') + rows.join(QLatin1Char('|'));
}

void TestFoundation::clipSplit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shape");
    QTest::newRow("no line end") << "a\tb\tc" << "3:a,b,c";
    QTest::newRow("one cell") << "7" << "1:7";
    QTest::newRow("CR") << "a\tb\rc\td" << "2:a,b|c,d";
    QTest::newRow("CR LF") << "a\tb\r\nc\td" << "2:a,b|c,d";
    QTest::newRow("final CR LF") << "a\tb\r\nc\td\r\n" << "2:a,b|c,d";
    QTest::newRow("final LF") << "a\nb\n" << "1:a|b";
    // A lone CR at the end is one more, empty row.
    QTest::newRow("final lone CR") << "a\tb\rc\td\r" << "2:a,b|c,d|,";
    QTest::newRow("empty cells") << "\t\tx\r\t\r" << "3:,,x|,,|,,";
    QTest::newRow("shorter later row padded") << "a\tb\tc\rd" << "3:a,b,c|d,,";
    QTest::newRow("longer later row") << "a\tb\rc\td\te" << "FAIL";
    QTest::newRow("empty text") << "" << "0:";
}

void TestFoundation::clipSplit()
{
    QFETCH(QString, text);
    QFETCH(QString, shape);
    QCOMPARE(shapeOf(ClipText::Split(text)), shape);
}

void TestFoundation::clipJoinSplitsBack()
{
    const std::vector<QStringList> rows{{"30", "", " 0.500"}, {"", "x y", ""}};
    const QString text = ClipText::Join(rows);
    QCOMPARE(text, QStringLiteral("30\t\t 0.500\r\tx y\t"));
    QCOMPARE(ClipText::FirstRowTabs(text), 2);
    const auto back = ClipText::Split(text);
    QVERIFY(back);
    QCOMPARE(back->rows, rows);
}

QTEST_MAIN(TestFoundation)
#include "tst_foundation.moc"
