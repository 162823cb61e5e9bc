// The parameter blocks on the wire: layouts, encoder and decoder.
#include "core/AppState.h"
#include "link/ParaBlocks.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace Comm;

namespace {
// Byte k of a block text (block digit first).
QString byteOf(const QString &blockText, int k) { return blockText.mid(1 + 2 * k, 2); }

EncodedBlock encode(int index, PerAxis<int16_t> *codes = nullptr, bool typeAsHeld = false)
{
    auto &s = Paradata();
    PerAxis<int16_t> dummy{};
    const ParaEncodeSource src{s.ParaSet, s.Ct, s.CtBlock1Value, s.ParaBlockSpare, App().AxisNotUsed, typeAsHeld};
    return EncodeParaBlock(index, src, codes ? *codes : dummy);
}

// A consistent image of all 14 blocks as the controller could hold them:
// decoding and encoding it again must give the same digits.
ParaBlockData controllerImage()
{
    ParaBlockData d;
    d[0] = QStringLiteral("030F0101010A010001010064A1B2C3D4");
    d[1] = QStringLiteral("00010203000105069192939495969798");
    const char *sizes[] = {"1C", "23", "2A", "32"};      // 28, 35, 42, 50
    for (int a = 0; a < 4; ++a) {
        d[2 + 3 * a] = QStringLiteral("FFFF321E0A0A0064011003FFFF000400");
        // TYPE (0 or 3), LEAD, PULSE, STROKE, JOG VEL, size, speed letter,
        // actuator stroke, spare.
        d[3 + 3 * a] = (a % 2 ? QStringLiteral("03") : QStringLiteral("00")) + QStringLiteral("069C4003FFFF14")
                       + QLatin1String(sizes[a]) + (a == 2 ? QStringLiteral("44") : QStringLiteral("4C"))
                       + QStringLiteral("0032E1E2E3E4");
        d[4 + 3 * a] = QStringLiteral("0A0B01020304F0F1F2F3F4F5F6F7F8F9");
    }
    return d;
}
} // namespace

class TstParaBlocks : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetParadataState(); }

    void numbering()
    {
        QCOMPARE(ParaBlockOfIndex(0), 0);
        QCOMPARE(ParaBlockOfIndex(1), 1);
        QCOMPARE(ParaBlockOfIndex(2), 3);
        QCOMPARE(ParaBlockOfIndex(13), 14);
        QCOMPARE(ParaAxisOfIndex(4), 0);
        QCOMPARE(ParaAxisOfIndex(5), 1);
        QCOMPARE(ParaBlockReadFrame(10), QStringLiteral("0RDA"));
    }

    void readThenWriteGivesTheSameBlocks()
    {
        TestEnv::Scope env;
        auto &s = Paradata();
        const ParaBlockData image = controllerImage();
        DecodeParaBlocks(image, s.ParaFileTable, s.ParaBlockSpare);
        QCOMPARE(ParaFile::LetParaFileToPara(), 0);
        PerAxis<int16_t> codes{};
        for (int i = 0; i < kParaBlockIndices; ++i) {
            const EncodedBlock b = encode(i, &codes);
            QVERIFY2(b.ok(), qPrintable(b.badField));
            QCOMPARE(b.text, QString::number(ParaBlockOfIndex(i), 16).toUpper() + *image[i]);
        }
        QCOMPARE(codes, (PerAxis<int16_t>{0, 1, 5, 6}));
        // The set holds TYPE 1 for the controller's 3.
        QCOMPARE(s.ParaSet.ParaType[1], int16_t(1));
        QCOMPARE(s.ParaSet.ParaType[0], int16_t(0));
    }

    void actuatorBytes_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<int>("stroke");
        QTest::addColumn<QString>("bytes8to11");
        QTest::addColumn<QString>("sizeBack");
        QTest::addColumn<QString>("speedBack");
        QTest::addColumn<QString>("actuatorBack");
        QTest::newRow("28 A 50") << " 28" << "A" << 50 << "1C410032" << " 28" << "A" << " 28A050";
        QTest::newRow("E35 L") << "E35" << "L" << 100 << "23450064" << "E35" << "L" << "E35L100";
        QTest::newRow("size 5") << "  5" << "H" << 600 << "05480258" << "  5" << "H" << "  5H600";
        QTest::newRow("size 100") << "100" << "H" << 10 << "6448000A" << "100" << "H" << "100H010";
    }
    void actuatorBytes()
    {
        QFETCH(QString, size);
        QFETCH(QString, speed);
        QFETCH(int, stroke);
        QFETCH(QString, bytes8to11);
        QFETCH(QString, sizeBack);
        QFETCH(QString, speedBack);
        QFETCH(QString, actuatorBack);
        auto &s = Paradata();
        s.Ct.CtDevSize[0] = size;
        s.Ct.CtDevSpeed[0] = speed;
        s.Ct.CtDevStroke[0] = stroke;
        s.ParaSet.ParaAxisStroke[0] = ValueCell(0);
        const EncodedBlock b = encode(3);
        QVERIFY(b.ok());
        QCOMPARE(b.text.mid(1 + 16, 8), bytes8to11);
        ParaBlockData d;
        d[3] = b.text.mid(1);
        DecodeParaBlocks(d, s.ParaFileTable, s.ParaBlockSpare);
        const auto &t = s.ParaFileTable;
        QCOMPARE(t[36][0], ValueCell(sizeBack));
        QCOMPARE(t[37][0], ValueCell(speedBack));
        QCOMPARE(t[38][0], ValueCell(stroke));
        QCOMPARE(t[13][0], ValueCell(actuatorBack));
    }

    void wideFields()
    {
        auto &s = Paradata();
        s.ParaSet.ParaHomeOffset[1] = ValueCell(65535);
        s.ParaSet.ParaZone1[1] = ValueCell(262143);
        s.ParaSet.ParaPgAlm[1] = ValueCell(5);
        EncodedBlock b = encode(5);
        QVERIFY(b.ok());
        QCOMPARE(byteOf(b.text, 0) + byteOf(b.text, 1), QStringLiteral("FFFF"));
        QCOMPARE(byteOf(b.text, 10) + byteOf(b.text, 11) + byteOf(b.text, 12), QStringLiteral("03FFFF"));
        ParaBlockData d;
        d[5] = b.text.mid(1);
        DecodeParaBlocks(d, s.ParaFileTable, s.ParaBlockSpare);
        QCOMPARE(s.ParaFileTable[1][1], ValueCell(65535));
        QCOMPARE(s.ParaFileTable[21][1], ValueCell(262143));
        // A block not read leaves its rows empty.
        QCOMPARE(s.ParaFileTable[1][0], ValueCell(QString()));
    }

    void typeOnTheWire()
    {
        auto &s = Paradata();
        s.ParaSet.ParaType = {1, 0, 2, 1};
        s.Ct.CtDevSize.fill(QStringLiteral(" 28"));
        s.Ct.CtDevSpeed.fill(QStringLiteral("L"));
        QCOMPARE(byteOf(encode(3).text, 0), QStringLiteral("03"));
        QCOMPARE(byteOf(encode(6).text, 0), QStringLiteral("00"));
        QCOMPARE(byteOf(encode(9).text, 0), QStringLiteral("02"));
        QCOMPARE(s.ParaSet.ParaType[0], int16_t(1)); // the set keeps 1
        // As held: 1 stays 1; what does not fit a byte is refused, not sent.
        QCOMPARE(byteOf(encode(3, nullptr, true).text, 0), QStringLiteral("01"));
        s.ParaSet.ParaType[0] = 256;
        QCOMPARE(encode(3, nullptr, true).badField, QStringLiteral("TYPE"));
    }

    void valuesThatDoNotFit_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("field");
        QTest::newRow("OFFSET 65536") << 1 << QVariant(65536) << 2 << "OFFSET";
        QTest::newRow("OFFSET text") << 1 << QVariant(QStringLiteral("ab")) << 2 << "OFFSET";
        QTest::newRow("ZONE1 16777216") << 21 << QVariant(16777216) << 2 << "ZONE1";
        QTest::newRow("PUSH 256") << 2 << QVariant(256) << 2 << "PUSH";
        QTest::newRow("PULSE 65536") << 9 << QVariant(65536) << 3 << "PULSE";
        QTest::newRow("STROKE negative") << 7 << QVariant(-1) << 3 << "STROKE";
        QTest::newRow("SM TIMER 300") << 19 << QVariant(300) << 0 << "SM TIMER";
        QTest::newRow("AutoPrg 65536") << 25 << QVariant(65536) << 0 << "AutoPrg No.";
    }
    void valuesThatDoNotFit()
    {
        QFETCH(int, row);
        QFETCH(QVariant, value);
        QFETCH(int, index);
        QFETCH(QString, field);
        auto &s = Paradata();
        for (int a = 0; a < 4; ++a) {
            s.Ct.CtDevSize[a] = QStringLiteral(" 28");
            s.Ct.CtDevSpeed[a] = QStringLiteral("L");
        }
        QVERIFY(encode(index).ok());
        const ValueCell cell = value.typeId() == QMetaType::QString ? ValueCell(value.toString()) : ValueCell(value.toInt());
        QVERIFY(ParaFile::SetParaSetCell(s.ParaSet, row, 0, cell));
        QCOMPARE(encode(index).badField, field);
    }

    void deviceCodes_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<int>("code");
        QTest::newRow("28") << " 28" << "H" << 0;
        QTest::newRow("35") << " 35" << "L" << 1;
        QTest::newRow("E35") << "E35" << "L" << 4;
        QTest::newRow("42 D") << " 42" << "D" << 5;
        QTest::newRow("42 L") << " 42" << "L" << 2;
        QTest::newRow("20") << " 20" << "L" << 3;
        QTest::newRow("50") << " 50" << "H" << 6;
        QTest::newRow("99 A") << " 99" << "A" << 13;
        QTest::newRow("99 B") << " 99" << "B" << 13;
        QTest::newRow("99 C") << " 99" << "C" << 14;
        QTest::newRow("99 D") << " 99" << "D" << 15;
        QTest::newRow("99 unknown letter") << " 99" << "Z" << 0;
        QTest::newRow("unknown size") << " 77" << "L" << 0;
    }
    void deviceCodes()
    {
        QFETCH(QString, size);
        QFETCH(QString, speed);
        QFETCH(int, code);
        QCOMPARE(int(ParaDevCode(size, speed)), code);
    }

    void blockOneForAxesNotInUse()
    {
        TestEnv::Scope env;
        auto &s = Paradata();
        App().AxisNotUsed = {false, true, false, true};
        s.ParaSet.ParaHomeSeq = {1, 2, 3, 4};
        s.CtBlock1Value = {9, 8, 7, 6};
        s.Ct.CtDevSize = {QStringLiteral(" 99"), QStringLiteral(" 50"), QStringLiteral(" 99"), QString()};
        s.Ct.CtDevSpeed = {QStringLiteral("C"), QStringLiteral("L"), QStringLiteral("Q"), QString()};
        PerAxis<int16_t> codes{5, 5, 5, 5};
        const EncodedBlock b = encode(1, &codes);
        QCOMPARE(b.text.left(17), QStringLiteral("1010203040E080006"));
        QCOMPARE(codes, (PerAxis<int16_t>{14, 5, 0, 5}));
    }

    void garbledReplyData()
    {
        QVERIFY(ParaBlockDataOfReply(0, QStringLiteral("0RD0") + QString(32, QLatin1Char('A')) + QStringLiteral("\r\n")));
        QVERIFY(!ParaBlockDataOfReply(0, QStringLiteral("0RD0") + QString(31, QLatin1Char('A')) + QStringLiteral("G\r\n")));
        QVERIFY(!ParaBlockDataOfReply(0, QStringLiteral("0RD0ABC\r\n")));
        // The echo names the block asked for; the digits are upper case, as
        // they are written back as read.
        QVERIFY(!ParaBlockDataOfReply(1, QStringLiteral("0RD0") + QString(32, QLatin1Char('A')) + QStringLiteral("\r\n")));
        QVERIFY(!ParaBlockDataOfReply(0, QStringLiteral("0RD0") + QString(32, QLatin1Char('a')) + QStringLiteral("\r\n")));
    }
};

QTEST_MAIN(TstParaBlocks)
#include "tst_parablocks.moc"
