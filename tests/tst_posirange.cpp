// The position-range dialogs: their checks, key rules and results.
#include "core/AppState.h"
#include "platform/Dialogs.h"
#include "posi/PosiTables.h"
#include "ui/posi/PositionRangeDialogs.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <QApplication>

using namespace PosiRange;

class TestPosiRange : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

    // Plays the user: types each (start, end) pair and presses OK, until the
    // dialog closes or the pairs run out (then Cancel).
    static void script(QList<QPair<QString, QString>> tries)
    {
        Platform::Dialogs::PushModalHandler([tries](QDialog &d) {
            auto &dlg = static_cast<PositionRangeDialogBase &>(d);
            for (const auto &t : tries) {
                dlg.txtStartPosiNo->setText(t.first);
                dlg.txtEndPosiNo->setText(t.second);
                dlg.cmdSelectPosiOk->click();
                if (dlg.result() == QDialog::Accepted)
                    return int(QDialog::Accepted);
            }
            dlg.cmdSelectPosiCancel->click();
            return dlg.result();
        });
    }
    static int count1610()
    {
        return int(Platform::Dialogs::ShownTexts().count(QStringLiteral("Invalid value in Position No.")));
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
        ResetPosiState();
    }

    void check3_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("e");
        QTest::addColumn<bool>("newData");
        QTest::addColumn<bool>("ok");
        // grid 10..40
        QTest::newRow("inside") << 12 << 20 << false << true;
        QTest::newRow("whole grid") << 10 << 40 << false << true;
        QTest::newRow("start below") << 5 << 20 << false << false;
        QTest::newRow("end above") << 12 << 45 << false << false;
        QTest::newRow("reversed") << 30 << 20 << false << false;
        QTest::newRow("new 1..999") << 1 << 999 << true << true;
        QTest::newRow("new 0..10") << 0 << 10 << true << false;
        QTest::newRow("new 1..1000") << 1 << 1000 << true << false;
        QTest::newRow("new reversed") << 9 << 5 << true << false;
    }
    void check3()
    {
        QFETCH(int, s); QFETCH(int, e); QFETCH(bool, newData); QFETCH(bool, ok);
        QCOMPARE(CheckPositionRange(s, e, 10, 40, newData), ok);
    }

    void check4_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("e");
        QTest::addColumn<int>("verdict");
        // common range 10..20
        QTest::newRow("inside") << 12 << 18 << int(Verdict::Accept);
        QTest::newRow("below") << 9 << 18 << int(Verdict::Refuse);
        QTest::newRow("above") << 12 << 21 << int(Verdict::Refuse);
        QTest::newRow("reversed does nothing") << 18 << 12 << int(Verdict::Ignore);
    }
    void check4()
    {
        QFETCH(int, s); QFETCH(int, e); QFETCH(int, verdict);
        QCOMPARE(int(CheckVerifyRange(s, e, 10, 20)), verdict);
    }

    void keyRules_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<int>("action");
        QTest::newRow("digit") << int(Qt::Key_5) << "12" << false << int(KeyAction::Pass);
        QTest::newRow("fourth digit") << int(Qt::Key_4) << "123" << false << int(KeyAction::Swallow);
        QTest::newRow("fourth digit, selected") << int(Qt::Key_4) << "123" << true << int(KeyAction::Pass);
        QTest::newRow("backspace when full") << int(Qt::Key_Backspace) << "123" << false << int(KeyAction::Pass);
        QTest::newRow("enter") << int(Qt::Key_Return) << "123" << false << int(KeyAction::NextFocus);
        QTest::newRow("letter") << int(Qt::Key_A) << "" << false << int(KeyAction::Swallow);
        QTest::newRow("minus") << int(Qt::Key_Minus) << "1" << false << int(KeyAction::Swallow);
        QTest::newRow("tab when full") << int(Qt::Key_Tab) << "123" << false << int(KeyAction::Pass);
        QTest::newRow("back-tab when full") << int(Qt::Key_Backtab) << "123" << false << int(KeyAction::Pass);
        QTest::newRow("escape") << int(Qt::Key_Escape) << "12" << false << int(KeyAction::Pass);
        QTest::newRow("escape when full") << int(Qt::Key_Escape) << "123" << false << int(KeyAction::Pass);
    }
    void keyRules()
    {
        QFETCH(int, key); QFETCH(QString, text); QFETCH(bool, selection); QFETCH(int, action);
        QCOMPARE(int(FilterKey(key, text, selection)), action);
    }

    void keysTypedIntoTheBox()
    {
        App().DispNoStart = 123;
        PositionRangeDialog dlg;
        QLineEdit *box = dlg.txtStartPosiNo;
        box->deselect();
        box->setCursorPosition(3);
        QTest::keyClick(box, Qt::Key_4);
        QTest::keyClick(box, Qt::Key_X);
        QCOMPARE(box->text(), QStringLiteral("123"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_7);
        QTest::keyClick(box, Qt::Key_A);
        QCOMPARE(box->text(), QStringLiteral("7"));
    }

    // Real key presses on the shown dialog: Tab leaves a full box, Return
    // walks start, end, OK and then presses OK; Esc cancels.
    void keysOnTheShownDialog()
    {
        App().DispNoStart = 100;
        App().DispNoEnd = 200;
        {
            PositionRangeDialog dlg;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            dlg.txtStartPosiNo->setFocus();
            dlg.txtStartPosiNo->deselect();
            QTest::keyClick(dlg.txtStartPosiNo, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), dlg.txtEndPosiNo);
            QTest::keyClick(dlg.txtEndPosiNo, Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), dlg.txtStartPosiNo);
            QTest::keyClick(dlg.txtStartPosiNo, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), dlg.txtEndPosiNo);
            QTest::keyClick(dlg.txtEndPosiNo, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), dlg.cmdSelectPosiOk);
            QVERIFY(dlg.isVisible());
            QTest::keyClick(dlg.cmdSelectPosiOk, Qt::Key_Return);
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(App().PosiNoStart, 100);
            QCOMPARE(App().PosiNoEnd, 200);
        }
        {
            PositionRangeDialog dlg;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            dlg.txtEndPosiNo->setFocus();
            dlg.txtEndPosiNo->deselect();
            QTest::keyClick(dlg.txtEndPosiNo, Qt::Key_Escape);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QVERIFY(App().SelectCancelFlag);
        }
    }

    void dialog3_refusesThenAccepts()
    {
        App().DispNoStart = 10;
        App().DispNoEnd = 40;
        script({{"5", "20"}, {"12", "45"}, {"30", "20"}, {"12", "20"}});
        PositionRangeDialog dlg;
        QCOMPARE(dlg.txtStartPosiNo->text(), QStringLiteral("10"));
        QCOMPARE(Platform::Dialogs::ExecModal(dlg), int(QDialog::Accepted));
        QCOMPARE(count1610(), 3);
        QCOMPARE(App().PosiNoStart, 12);
        QCOMPARE(App().PosiNoEnd, 20);
        QVERIFY(!App().SelectCancelFlag);
        QCOMPARE(App().DispNoStart, 10);
    }

    void dialog3_newDataSetsGridRange()
    {
        Posi().NewRangeFlag = true;
        App().DispNoStart = 1;
        App().DispNoEnd = 15;
        script({{"0", "10"}, {"1", "999"}});
        PositionRangeDialog dlg;
        QCOMPARE(Platform::Dialogs::ExecModal(dlg), int(QDialog::Accepted));
        QCOMPARE(count1610(), 1);
        QCOMPARE(App().DispNoStart, 1);
        QCOMPARE(App().DispNoEnd, 999);
        QCOMPARE(App().PosiNoEnd, 999);
    }

    void closeBoxAndCancel()
    {
        {
            PositionRangeDialog dlg;
            QVERIFY(!App().SelectCancelFlag);
            dlg.show();
            dlg.close();
            QVERIFY(App().SelectCancelFlag);
        }
        App().PosiNoStart = 3;
        script({});   // Cancel at once
        TransferRangeDialog dlg2;
        QCOMPARE(Platform::Dialogs::ExecModal(dlg2), int(QDialog::Rejected));
        QVERIFY(App().SelectCancelFlag);
        QCOMPARE(App().PosiNoStart, 3);
    }

    void dialog2()
    {
        App().DispNoStart = 0;
        App().DispNoEnd = 0;
        TransferRangeDialog dlg;
        QCOMPARE(dlg.txtStartPosiNo->text(), QStringLiteral("1"));
        QCOMPARE(dlg.txtEndPosiNo->text(), QStringLiteral("15"));
        dlg.optSelectPosiNo[0]->click();
        QVERIFY(!dlg.txtStartPosiNo->isEnabled());
        dlg.txtStartPosiNo->setText(QStringLiteral("0"));
        dlg.cmdSelectPosiOk->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(App().PosiNoStart, 1);
        QCOMPARE(App().PosiNoEnd, 999);

        App().DispNoStart = 10;   // the grid does not limit this dialog
        App().DispNoEnd = 20;
        script({{"0", "5"}, {"20", "10"}, {"", "5"}, {"500", "999"}});
        TransferRangeDialog dlg2;
        QCOMPARE(dlg2.txtStartPosiNo->text(), QStringLiteral("10"));
        QCOMPARE(Platform::Dialogs::ExecModal(dlg2), int(QDialog::Accepted));
        QCOMPARE(count1610(), 3);
        QCOMPARE(App().PosiNoStart, 500);
    }

    void dialog4()
    {
        Posi().CommonNoStart = 10;
        Posi().CommonNoEnd = 20;
        App().PosiNoStart = 1;
        VerifyRangeDialog dlg;
        QCOMPARE(dlg.txtStartPosiNo->text(), QStringLiteral("10"));
        dlg.txtStartPosiNo->setText(QStringLiteral("18"));
        dlg.txtEndPosiNo->setText(QStringLiteral("12"));
        dlg.cmdSelectPosiOk->click();           // reversed: nothing happens
        QCOMPARE(dlg.result(), 0);
        QCOMPARE(count1610(), 0);
        dlg.txtStartPosiNo->setText(QStringLiteral("12"));
        dlg.txtEndPosiNo->setText(QStringLiteral("18"));
        dlg.cmdSelectPosiOk->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(App().PosiNoStart, 12);

        App().PosiNoStart = 1;
        VerifyRangeDialog none;
        none.SetNoCommonRange();
        none.cmdSelectPosiOk->click();
        QCOMPARE(none.result(), int(QDialog::Accepted));
        QCOMPARE(App().PosiNoStart, 1);
    }
};

QTEST_MAIN(TestPosiRange)
#include "tst_posirange.moc"
