#include "ui/posi/PositionRangeDialogs.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiTables.h"
#include "core/Twips.h"
#include "ui/common/Localize.h"
#include "ui/common/OnScreen.h"
#include "ui/common/Forms.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using Platform::ResText;

namespace PosiRange {

int BoxValue(const QString &text) { return Num::IntOf(text).value_or(0); }

static bool inPosiRange(int v) { return v >= 1 && v <= kPosiMax; }

bool CheckPositionRange(int s, int e, int lo, int hi, bool newData)
{
    if (newData) {
        lo = s;
        hi = e;
    }
    return s >= lo && s <= hi && e >= lo && e <= hi && s <= e && inPosiRange(s) && inPosiRange(e);
}

bool CheckTransferRange(int s, int e) { return s <= e && inPosiRange(s) && inPosiRange(e); }

Verdict CheckVerifyRange(int s, int e, int commonStart, int commonEnd)
{
    if (s > e)
        return Verdict::Ignore;
    if (s < commonStart || e > commonEnd || !inPosiRange(s) || !inPosiRange(e))
        return Verdict::Refuse;
    return Verdict::Accept;
}

KeyAction FilterKey(int key, const QString &text, bool hasSelection)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return KeyAction::NextFocus;
    // Tab leaves the box and Esc cancels the dialog, however full the box.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape)
        return KeyAction::Pass;
    if (!hasSelection && text.size() >= 3 && key != Qt::Key_Backspace)
        return KeyAction::Swallow;
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Backspace || key == Qt::Key_Tab)
        return KeyAction::Pass;
    return KeyAction::Swallow;
}

} // namespace PosiRange

// ---------------------------------------------------------------------------

PositionRangeDialogBase::PositionRangeDialogBase(QWidget *parent) : QDialog(parent)
{
    Loc::Tagged(this, 1621);
    auto *outer = new QVBoxLayout(this);
    lblExplanationSelectNo = Loc::Tagged(new QLabel(this), 1611);
    outer->addWidget(lblExplanationSelectNo);
    m_rangeBox = new QWidget(this);
    auto *grid = new QGridLayout(m_rangeBox);
    lblStartPosiCaption = Loc::Tagged(new QLabel(m_rangeBox), 1612);
    lblEndPosiCaption = Loc::Tagged(new QLabel(m_rangeBox), 1613);
    txtStartPosiNo = new QLineEdit(m_rangeBox);
    txtEndPosiNo = new QLineEdit(m_rangeBox);
    txtStartPosiNo->setObjectName(QStringLiteral("txtStartPosiNo"));
    txtEndPosiNo->setObjectName(QStringLiteral("txtEndPosiNo"));
    grid->addWidget(lblStartPosiCaption, 0, 0);
    grid->addWidget(txtStartPosiNo, 0, 1);
    grid->addWidget(lblEndPosiCaption, 1, 0);
    grid->addWidget(txtEndPosiNo, 1, 1);
    outer->addWidget(m_rangeBox);
    auto *buttons = new QHBoxLayout;
    cmdSelectPosiOk = Loc::Tagged(new QPushButton(this), 1616);
    cmdSelectPosiCancel = Loc::Tagged(new QPushButton(this), 1617);
    cmdSelectPosiOk->setObjectName(QStringLiteral("cmdSelectPosiOk"));
    cmdSelectPosiCancel->setObjectName(QStringLiteral("cmdSelectPosiCancel"));
    // Enter in a box moves focus on (start, end, OK); on a button it
    // presses that button, OK being the default.
    cmdSelectPosiOk->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(cmdSelectPosiOk);
    buttons->addWidget(cmdSelectPosiCancel);
    outer->addLayout(buttons);
    txtStartPosiNo->installEventFilter(this);
    txtEndPosiNo->installEventFilter(this);
    connect(cmdSelectPosiOk, &QPushButton::clicked, this, [this] { cmdSelectPosiOk_Click(); });
    connect(cmdSelectPosiCancel, &QPushButton::clicked, this, &PositionRangeDialogBase::reject);
    App().SelectCancelFlag = false;
    Loc::SetCaptionFromRes(this);
}

void PositionRangeDialogBase::reject()
{
    App().SelectCancelFlag = true;
    QDialog::reject();
}

void PositionRangeDialogBase::refuse()
{
    Platform::Dialogs::MsgBox(ResText(1610), Platform::MsgButtons::Ok, Platform::MsgIcon::Warning);
}

void PositionRangeDialogBase::acceptRange(int s, int e)
{
    App().PosiNoStart = s;
    App().PosiNoEnd = e;
    accept();
}

bool PositionRangeDialogBase::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && (o == txtStartPosiNo || o == txtEndPosiNo)) {
        auto *box = static_cast<QLineEdit *>(o);
        const auto *k = static_cast<QKeyEvent *>(e);
        // Cursor and edit keys that type nothing keep working.
        const bool types = !k->text().isEmpty() || k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (!types)
            return false;
        switch (PosiRange::FilterKey(k->key(), box->text(), box->hasSelectedText())) {
        case PosiRange::KeyAction::Pass:
            return false;
        case PosiRange::KeyAction::Swallow:
            return true;
        case PosiRange::KeyAction::NextFocus:
            if (box == txtStartPosiNo)
                txtEndPosiNo->setFocus();
            else
                cmdSelectPosiOk->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

// ---------------------------------------------------------------------------

PositionRangeDialog::PositionRangeDialog(QWidget *parent) : PositionRangeDialogBase(parent)
{
    txtStartPosiNo->setText(QString::number(App().DispNoStart));
    txtEndPosiNo->setText(QString::number(App().DispNoEnd));
    // 500 twips right of and 1000 below the main window's corner, on screen.
    if (QWidget *main = Forms::Find(QStringLiteral("MainWindow"))) {
        adjustSize();
        move(main->x() + Twips::ToPx(500), main->y() + Twips::ToPx(1000));
        OnScreen::KeepInside(this);
    }
}

void PositionRangeDialog::cmdSelectPosiOk_Click()
{
    const int s = PosiRange::BoxValue(txtStartPosiNo->text());
    const int e = PosiRange::BoxValue(txtEndPosiNo->text());
    const bool newData = Posi().NewRangeFlag;
    if (!PosiRange::CheckPositionRange(s, e, App().DispNoStart, App().DispNoEnd, newData)) {
        refuse();
        return;
    }
    // New data: the range also becomes the grid's range, once it is valid.
    if (newData) {
        App().DispNoStart = s;
        App().DispNoEnd = e;
    }
    acceptRange(s, e);
}

// ---------------------------------------------------------------------------

TransferRangeDialog::TransferRangeDialog(QWidget *parent) : PositionRangeDialogBase(parent)
{
    auto *opts = new QWidget(this);
    auto *row = new QHBoxLayout(opts);
    optSelectPosiNo[0] = Loc::Tagged(new QRadioButton(opts), 1614);
    optSelectPosiNo[1] = Loc::Tagged(new QRadioButton(opts), 1615);
    optSelectPosiNo[0]->setObjectName(QStringLiteral("optSelectPosiNo0"));
    optSelectPosiNo[1]->setObjectName(QStringLiteral("optSelectPosiNo1"));
    row->addWidget(optSelectPosiNo[0]);
    row->addWidget(optSelectPosiNo[1]);
    static_cast<QVBoxLayout *>(layout())->insertWidget(1, opts);
    for (int i = 0; i < 2; ++i)
        connect(optSelectPosiNo[i], &QRadioButton::clicked, this, [this, i] { optSelectPosiNo_Click(i); });
    const bool has = App().DispNoStart != 0 || App().DispNoEnd != 0;
    txtStartPosiNo->setText(QString::number(has ? App().DispNoStart : 1));
    txtEndPosiNo->setText(QString::number(has ? App().DispNoEnd : 15));
    optSelectPosiNo[1]->setChecked(true);
    optSelectPosiNo_Click(1);
    Loc::SetCaptionFromRes(this);
}

void TransferRangeDialog::optSelectPosiNo_Click(int index)
{
    const bool fromTo = index == 1;
    optSelectPosiNo[index]->setChecked(true);
    for (QWidget *w : {static_cast<QWidget *>(lblStartPosiCaption), static_cast<QWidget *>(lblEndPosiCaption),
                       static_cast<QWidget *>(txtStartPosiNo), static_cast<QWidget *>(txtEndPosiNo)})
        w->setEnabled(fromTo);
    const QString style = fromTo ? QStringLiteral("background-color: #FFFFFF;") : QStringLiteral("background-color: palette(button);");
    txtStartPosiNo->setStyleSheet(style);
    txtEndPosiNo->setStyleSheet(style);
}

void TransferRangeDialog::cmdSelectPosiOk_Click()
{
    if (optSelectPosiNo[0]->isChecked()) {
        acceptRange(1, kPosiMax);
        return;
    }
    const int s = PosiRange::BoxValue(txtStartPosiNo->text());
    const int e = PosiRange::BoxValue(txtEndPosiNo->text());
    if (!PosiRange::CheckTransferRange(s, e)) {
        refuse();
        return;
    }
    acceptRange(s, e);
}

// ---------------------------------------------------------------------------

VerifyRangeDialog::VerifyRangeDialog(QWidget *parent) : PositionRangeDialogBase(parent)
{
    auto *info = new QWidget(this);
    auto *grid = new QGridLayout(info);
    lblFile = Loc::Tagged(new QLabel(info), 1618);
    lblPcSoft = Loc::Tagged(new QLabel(info), 1619);
    lblVerify = Loc::Tagged(new QLabel(info), 1620);
    lblFileStartNo = new QLabel(QString::number(Posi().FileFirstPosiNo), info);
    lblFileEndNo = new QLabel(QString::number(Posi().FileLastPosiNo), info);
    lblPcStartNo = new QLabel(QString::number(App().DispNoStart), info);
    lblPcEndNo = new QLabel(QString::number(App().DispNoEnd), info);
    grid->addWidget(lblFile, 0, 0);
    grid->addWidget(lblFileStartNo, 0, 1);
    grid->addWidget(lblFileEndNo, 0, 2);
    grid->addWidget(lblPcSoft, 1, 0);
    grid->addWidget(lblPcStartNo, 1, 1);
    grid->addWidget(lblPcEndNo, 1, 2);
    grid->addWidget(lblVerify, 2, 0);
    lblVerifyNotPossible = Loc::Tagged(new QLabel(info), 342);
    lblVerifyNotPossible->setWordWrap(true);
    lblVerifyNotPossible->hide();
    grid->addWidget(lblVerifyNotPossible, 3, 0, 1, 3);
    static_cast<QVBoxLayout *>(layout())->insertWidget(1, info);
    PictureVerifyRange = m_rangeBox;
    txtStartPosiNo->setText(QString::number(Posi().CommonNoStart));
    txtEndPosiNo->setText(QString::number(Posi().CommonNoEnd));
    Loc::SetCaptionFromRes(this);
}

void VerifyRangeDialog::SetNoCommonRange()
{
    PictureVerifyRange->setEnabled(false);
    lblVerifyNotPossible->show();
}

void VerifyRangeDialog::cmdSelectPosiOk_Click()
{
    if (!PictureVerifyRange->isEnabled()) {
        accept();
        return;
    }
    const int s = PosiRange::BoxValue(txtStartPosiNo->text());
    const int e = PosiRange::BoxValue(txtEndPosiNo->text());
    switch (PosiRange::CheckVerifyRange(s, e, Posi().CommonNoStart, Posi().CommonNoEnd)) {
    case PosiRange::Verdict::Ignore:
        return;
    case PosiRange::Verdict::Refuse:
        refuse();
        return;
    case PosiRange::Verdict::Accept:
        acceptRange(s, e);
        return;
    }
}
