// The stroke calculator: stroke and lead into pulses, the boxes' key
// filters and leave checks, and the entry into the parameter window.
#include <QtTest>

#include "core/AppState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "support/MemoryParaFace.h"
#include "support/TestEnv.h"
#include "ui/device/StrokeCalculatorDialog.h"
#include "ui/paraedit/ParameterWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using ParaForm::Ctl;

namespace {
struct Focus {
    Ctl ctl = Ctl::Count;
    int axis = -1;
};
} // namespace

class TestStrokeCalc : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv::Scope> env;

private slots:
    void init()
    {
        env = std::make_unique<TestEnv::Scope>();
        App().LangOffset = 10000;
    }
    void cleanup() { env.reset(); }

    void calculates_data()
    {
        QTest::addColumn<QString>("stroke");
        QTest::addColumn<QString>("lead");
        QTest::addColumn<bool>("qz42d");
        QTest::addColumn<QString>("pulses");
        QTest::newRow("25 / 6 x 400 rounds up") << "25" << "6" << false << "1667";
        QTest::newRow("50 / 8 x 192 exact") << "50" << "8" << true << "1200";
        QTest::newRow("600 / 2 x 400") << "600" << "2" << false << "120000";
        QTest::newRow("25 / 8 x 192") << "25" << "8" << true << "600";
        // No stroke: no result, the label keeps its text.
        QTest::newRow("empty stroke") << "" << "2" << false << "keep";
    }
    void calculates()
    {
        QFETCH(QString, stroke);
        QFETCH(QString, lead);
        QFETCH(bool, qz42d);
        QFETCH(QString, pulses);
        StrokeCalculatorDialog dlg(nullptr, {});
        dlg.lblStrokePulse->setText(QStringLiteral("keep"));
        dlg.txtStrokeLength->setText(stroke);
        dlg.txtLead->setText(lead);
        dlg.optActType[qz42d ? 1 : 0]->setChecked(true);
        dlg.cmdCulStrokePulse->click();
        QCOMPARE(dlg.lblStrokePulse->text(), pulses);
    }

    // Typed keys: digits only, three in the stroke box, one in the lead box,
    // so a lead of 12 loses its second digit; Enter moves on.
    void keyFilters()
    {
        StrokeCalculatorDialog dlg(nullptr, {});
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        dlg.txtStrokeLength->setFocus();
        QTest::keyClicks(dlg.txtStrokeLength, QStringLiteral("2a-5.09"));
        QCOMPARE(dlg.txtStrokeLength->text(), QStringLiteral("250"));
        QTest::keyClick(dlg.txtStrokeLength, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), dlg.txtLead);
        QTest::keyClicks(dlg.txtLead, QStringLiteral("12"));
        QCOMPARE(dlg.txtLead->text(), QStringLiteral("1"));
        QTest::keyClick(dlg.txtLead, Qt::Key_Backspace);
        QTest::keyClicks(dlg.txtLead, QStringLiteral("8"));
        QTest::keyClick(dlg.txtLead, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), dlg.cmdCulStrokePulse);
        QCOMPARE(dlg.lblStrokePulse->text(), QString()); // Enter does not press it
    }

    void leaveChecks_data()
    {
        QTest::addColumn<bool>("leadBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("emptied"); // with a beep
        QTest::newRow("lead 4") << true << "4" << true;
        QTest::newRow("lead 2") << true << "2" << false;
        QTest::newRow("lead 8") << true << "8" << false;
        QTest::newRow("lead empty") << true << "" << true;
        QTest::newRow("stroke 600") << false << "600" << false;
        QTest::newRow("stroke 601") << false << "601" << true;
        QTest::newRow("stroke empty") << false << "" << false;
    }
    void leaveChecks()
    {
        QFETCH(bool, leadBox);
        QFETCH(QString, text);
        QFETCH(bool, emptied);
        StrokeCalculatorDialog dlg(nullptr, {});
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QLineEdit *box = leadBox ? dlg.txtLead : dlg.txtStrokeLength;
        box->setFocus();
        box->setText(text);
        dlg.cmdInputStroke->setFocus(); // leaves the box inside the dialog
        QCOMPARE(box->text(), emptied ? QString() : text);
        QCOMPARE(dlg.BeepCount(), emptied ? 1 : 0);
    }

    void inputEntersAndMovesFocus()
    {
        MemoryParaFace face;
        Focus focus;
        StrokeCalculatorDialog dlg(&face, [&](Ctl c, int a) { focus = {c, a}; });
        dlg.txtStrokeLength->setText(QStringLiteral("25"));
        dlg.txtLead->setText(QStringLiteral("6"));
        dlg.cmdCulStrokePulse->click();
        dlg.optInputTarget[1]->setChecked(true);
        dlg.cmdInputStroke->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(face.Text(Ctl::txtAxisStroke, 1), QStringLiteral("1667"));
        QCOMPARE(face.Text(Ctl::txtAxisStroke, 0), QString());
        QCOMPARE(int(focus.ctl), int(Ctl::txtAxisLead));
        QCOMPARE(focus.axis, 2);
    }

    void inputBeforeCalculateWritesEmpty()
    {
        MemoryParaFace face;
        face.SetText(Ctl::txtAxisStroke, 3, QStringLiteral("999"));
        StrokeCalculatorDialog dlg(&face, {});
        dlg.optInputTarget[3]->setChecked(true);
        dlg.cmdInputStroke->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(face.Text(Ctl::txtAxisStroke, 3), QString());
    }

    void inputAfterInvalidityStays()
    {
        MemoryParaFace face;
        face.SetText(Ctl::txtAxisStroke, 0, QStringLiteral("999"));
        StrokeCalculatorDialog dlg(&face, {});
        dlg.show();
        dlg.txtStrokeLength->setText(QStringLiteral("100"));
        dlg.cmdCulStrokePulse->click();
        QCOMPARE(dlg.lblStrokePulse->text(), Platform::ResText(1315));
        dlg.cmdInputStroke->click();
        QVERIFY(dlg.isVisible());
        QCOMPARE(face.Text(Ctl::txtAxisStroke, 0), QStringLiteral("999"));
    }

    // The parameter window's command: the calculator's result lands in the
    // window's (hidden) pulse box of the chosen axis.
    void fromParameterWindow()
    {
        ParameterWindow window;
        Platform::Dialogs::PushModalHandler([](QDialog &d) {
            auto &dlg = static_cast<StrokeCalculatorDialog &>(d);
            dlg.txtStrokeLength->setText(QStringLiteral("50"));
            dlg.txtLead->setText(QStringLiteral("8"));
            dlg.optActType[1]->setChecked(true);
            dlg.cmdCulStrokePulse->click();
            dlg.optInputTarget[2]->setChecked(true);
            dlg.cmdInputStroke->click();
            return dlg.result();
        });
        window.cmdCalculate_Click();
        QCOMPARE(window.Text(Ctl::txtAxisStroke, 2), QStringLiteral("1200"));
    }
};

QTEST_MAIN(TestStrokeCalc)
#include "tst_stroke_calc.moc"
