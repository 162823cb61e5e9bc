// The simulated controller the rez4sim tool serves (SimFull), driven by the
// program as a user would try it: an online start, a read of every position
// and a write back.
#include "core/AppState.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiCodec.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "ui/online/GoOnline.h"
#include "ui/posi/PosiTransfer.h"
#include "ui/posi/frmSelectPosiNo.h"
#include "support/Choices.h"
#include "sim/SimFull.h"
#include "support/SimOnlineFixture.h"
#include "sim/SimPosi.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace PosiField;

class TestSimTool : public QObject {
    Q_OBJECT

    static void wholeRange()
    {
        Platform::Dialogs::PushModalHandler([](QDialog &d) {
            auto &dlg = static_cast<frmSelectPosiNoBase &>(d);
            if (auto *all = qobject_cast<frmSelectPosiNo2 *>(&d))
                all->optSelectPosiNo[0]->click();
            dlg.txtStartPosiNo->setText(QStringLiteral("1"));
            dlg.txtEndPosiNo->setText(QStringLiteral("999"));
            dlg.cmdSelectPosiOk->click();
            return dlg.result();
        });
    }

private slots:
    void onlineReadAndWriteBack()
    {
        SimOnline::Fixture s(true);
        SimCmdModel cmd;
        SimFull::InstallAll(s.sim, cmd);
        Module1::ReadErrorList();
        App().DispMmUnit = false;
        PosiGrid::ResetGrid();
        PosiRecord r = Module1::DefaultPosiRecord();
        r[Method(0)] = 1;
        r[Position(0)] = 12345;
        r[Comment] = QString();
        SimPosi::SetBlock(s.sim, 500, PosiCodec::EncodeBlock(r).toLatin1());

        Choices::Queue({0});   // online
        Module1::CtConnectAtStart();
        QVERIFY(!App().OfflineFlag);
        QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());

        wholeRange();
        QCOMPARE(PosiTransfer::PosidataGetfromCt(), 0);
        QCOMPARE(s.sim.framesOf("0RP").size(), 999);
        QCOMPARE(App().DispNoStart, 1);
        QCOMPARE(App().DispNoEnd, 999);
        QCOMPARE(PosiGrid::Grid().Text(PosiGrid::RowOf(500, 1), 4), QStringLiteral("12345"));
        // Only the question before the read; no error.
        QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{Platform::ResText(370)});
        QVERIFY(!Module1::Indicators().AlarmVisible);

        // Changed in the grid and written back.
        PosiGrid::Grid().SetText(PosiGrid::RowOf(7, 1), 4, QStringLiteral("4321"));
        wholeRange();
        QCOMPARE(PosiTransfer::PosidataLoadtoCt(), 0);
        QCOMPARE(s.sim.framesOf("0WP").size(), 999);
        QCOMPARE(s.sim.framesOf("0WA"), QStringList{QStringLiteral("0WA0013E7")});
        QCOMPARE(Platform::Dialogs::ShownTexts().last(), QStringLiteral("Completed data transmit."));
        const auto back = PosiCodec::DecodeBlock(QString::fromLatin1(SimPosi::Block(s.sim, 7)));
        QVERIFY(back);
        QCOMPARE((*back)[Position(0)].val(), 4321.0);
        QVERIFY(!App().BusyFlag);
    }
};

QTEST_MAIN(TestSimTool)
#include "tst_simtool.moc"
