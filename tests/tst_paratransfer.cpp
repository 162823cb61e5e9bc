// The parameter set read from and written to the simulated controller.
#include "core/AppState.h"
#include "link/CommandHost.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/ParaBlocks.h"
#include "link/Queues.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "sim/SimController.h"
#include "sim/SimParaBlocks.h"
#include "support/LinkFixture.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace Comm;
namespace Dlg = Platform::Dialogs;

namespace {
// Blocks 0..E as a controller could hold them (TYPE 0 or 3, spare bytes
// that carry no parameter).
QByteArray imageOf(int block)
{
    switch (block) {
    case 0: return "030F0101010A010001010064A1B2C3D4";
    case 1: return "00010203000105069192939495969798";
    case 3: case 6: case 9: case 12: return "FFFF321E0A0A0064011003FFFF000400";
    case 4: return "00069C4003FFFF141C4C0032E1E2E3E4";
    case 7: return "03069C4003FFFF14234C0032E1E2E3E4";
    case 10: return "00069C4003FFFF142A440032E1E2E3E4";
    case 13: return "03069C4003FFFF14324C0032E1E2E3E4";
    default: return "0A0B01020304F0F1F2F3F4F5F6F7F8F9";
    }
}
const QList<int> kUsedBlocks{0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
} // namespace

class TstParaTransfer : public QObject {
    Q_OBJECT
    std::unique_ptr<LinkFixture> fx;
    SimController *sim = nullptr;

    QStringList frames(const char *code) const { return fx->frames(code); }
    void presetImage()
    {
        for (int b : kUsedBlocks)
            SimParaBlocks::SetBlock(*sim, b, imageOf(b));
    }

private slots:
    void init()
    {
        fx = std::make_unique<LinkFixture>();
        sim = &fx->sim;
        QVERIFY(sim->ok());
    }
    void cleanup()
    {
        sim = nullptr;
        fx.reset();
    }

    void readOnlyTheAxesInUse()
    {
        presetImage();
        App().AxisNotUsed = {false, true, true, true};
        int maximum = 0;
        sim->addCommand("0RD", [&maximum](SimController &s, const QByteArray &f) -> std::optional<QByteArray> {
            maximum = TestEnv::Recorder().progress.maximum;
            return "0RD" + f.mid(3, 1) + SimParaBlocks::Block(s, QByteArray("0123456789ABCDEF").indexOf(f.at(3)));
        });
        QCOMPARE(ReadParametersFromCt(), 0);
        QCOMPARE(frames("0RD"), (QStringList{"0RD0", "0RD1", "0RD3", "0RD4", "0RD5"}));
        QCOMPARE(maximum, 14);
        QVERIFY(!TestEnv::Recorder().progress.visible);
        const auto &t = Paradata().ParaFileTable;
        QCOMPARE(t[1][0], ValueCell(65535));
        QCOMPARE(t[13][0], ValueCell(QStringLiteral(" 28L050")));
        QCOMPARE(t[1][1], ValueCell(QString())); // axis 2 not read
        QCOMPARE(t[35][2], ValueCell(5));          // block 1 carries every axis
        QCOMPARE(Paradata().ParaBlockSpare[0], std::optional<uint8_t>(0xA1));
    }

    void readThenWriteGivesTheControllerItsOwnBlocks()
    {
        presetImage();
        QCOMPARE(ReadParametersFromCt(), 0);
        QCOMPARE(ParaFile::LetParaFileToPara(), 0);
        QCOMPARE(Paradata().ParaSet.ParaType[1], int16_t(1));
        for (int b : kUsedBlocks)
            SimParaBlocks::SetBlock(*sim, b, QByteArray(32, '0'));
        sim->clearFrames();
        QCOMPARE(WriteParametersToCt(), 0);
        for (int b : kUsedBlocks)
            QCOMPARE(SimParaBlocks::Block(*sim, b), imageOf(b));
        QCOMPARE(frames("0WD").size(), 14);
        QCOMPARE(frames("0WE"), QStringList{QStringLiteral("0WE2")});
        QCOMPARE(SimParaBlocks::StoreCount(*sim), 1);
        QCOMPARE(Paradata().ParaSet.ParaType[1], int16_t(1)); // 3 only on the wire
        QVERIFY(Dlg::ShownTexts().isEmpty());
    }

    void writeUpToTheLastAxisOfTheWindow()
    {
        presetImage();
        QCOMPARE(ReadParametersFromCt(), 0);
        QCOMPARE(ParaFile::LetParaFileToPara(), 0);
        sim->clearFrames();
        Paradata().ParaLastAxis = 1;
        App().AxisNotUsed = {false, true, false, false};
        Paradata().CtBlock1Value = {0, 7, 0, 0};
        QCOMPARE(WriteParametersToCt(), 0);
        QStringList sent;
        for (const QByteArray &f : sim->frames())
            sent << QString::fromLatin1(f.left(4));
        QCOMPARE(sent, (QStringList{"0WD0", "0WD1", "0WD3", "0WD4", "0WD5", "0WE2"}));
        // Block 1 still names axis 2's actuator from the held block-1 value.
        QCOMPARE(SimParaBlocks::Block(*sim, 1).mid(8, 8), QByteArray("00070506"));
    }

    void valueTooWideSendsNothing()
    {
        presetImage();
        QCOMPARE(ReadParametersFromCt(), 0);
        QCOMPARE(ParaFile::LetParaFileToPara(), 0);
        Paradata().ParaSet.ParaZone2[3] = ValueCell(16777216);
        sim->clearFrames();
        QCOMPARE(WriteParametersToCt(), 1);
        QVERIFY(sim->frames().isEmpty());
        QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("A value is out of range and cannot be sent to the "
                                                               "controller.\r\nPlease confirm the value and try it again.")});
    }

    void wrongBlockEchoStopsTheWrite()
    {
        presetImage();
        QCOMPARE(ReadParametersFromCt(), 0);
        QCOMPARE(ParaFile::LetParaFileToPara(), 0);
        sim->addCommand("0WD", [](SimController &, const QByteArray &f) -> std::optional<QByteArray> {
            // Block 4 is answered as if it were block 3.
            return f.mid(3, 1) == "4" ? QByteArray("0WD3") : "0WD" + f.mid(3, 1);
        });
        sim->clearFrames();
        QCOMPARE(WriteParametersToCt(), 1);
        QCOMPARE(Dlg::ShownTexts(), QStringList{QStringLiteral("Communication error occurs!\r\ntransmit data is wrong")});
        QCOMPARE(frames("0WD").size(), 4);
        QVERIFY(frames("0WE").isEmpty());
        QCOMPARE(SimParaBlocks::StoreCount(*sim), 0);
        QVERIFY(!TestEnv::Recorder().progress.visible);
    }

    void failedReadKeepsTheTable()
    {
        presetImage();
        Paradata().ParaFileTable[1][0] = ValueCell(QStringLiteral("kept"));
        Paradata().ParaBlockSpare[0] = 7;
        sim->addFault("0RD", SimFaultRule{SimFault::ErrorReply, 0, "0%%104"}, -1);
        QCOMPARE(ReadParametersFromCt(), 1);
        QCOMPARE(Paradata().ParaFileTable[1][0], ValueCell(QStringLiteral("kept")));
        QCOMPARE(Paradata().ParaBlockSpare[0], std::optional<uint8_t>(7));
        QVERIFY(!TestEnv::Recorder().progress.visible);
    }
};

QTEST_MAIN(TstParaTransfer)
#include "tst_paratransfer.moc"
