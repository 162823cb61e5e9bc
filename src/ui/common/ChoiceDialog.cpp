#include "ui/common/ChoiceDialog.h"
#include "core/AppState.h"
#include "ui/common/Localize.h"
#include "ui/common/OnScreen.h"
#include "core/Twips.h"
#include "ui/common/Widgets.h"
#include "core/Shell.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {
// The design heights include the caption bar; the client area is this much
// smaller.
constexpr int kCaptionBarTwips = 405;
} // namespace

ChoiceDialog::ChoiceDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ChoiceDialog"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    lblSelectExplanation = new QLabel(this);
    lblSelectExplanation->setObjectName(QStringLiteral("lblSelectExplanation"));
    lblSelectExplanation->setWordWrap(true);
    lblSelectExplanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < 3; ++i) {
        optSelectItem[i] = new QRadioButton(this);
        optSelectItem[i]->setObjectName(QStringLiteral("optSelectItem%1").arg(i));
    }
    optSelectItem[0]->setChecked(true);

    cmdSelectOk = new QPushButton(QStringLiteral("OK"), this);
    cmdSelectOk->setObjectName(QStringLiteral("cmdSelectOk"));
    cmdSelectOk->setDefault(true);
    cmdSelectCancel = Loc::Tagged(new QPushButton(QStringLiteral("Cancel"), this), 1404);
    cmdSelectCancel->setObjectName(QStringLiteral("cmdSelectCancel"));
    cmdBack = Loc::Tagged(new QPushButton(QStringLiteral("BACK"), this), 48);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));

    // The design's arrangement, sized from the texts: the explanation across
    // the top, the options below it, the buttons in a column at the right.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(Twips::ToPx(240), Twips::ToPx(150), Twips::ToPx(240), Twips::ToPx(150));
    grid->setHorizontalSpacing(Twips::ToPx(240));
    grid->addWidget(lblSelectExplanation, 0, 0, 1, 2);
    auto *options = new QVBoxLayout;
    options->setContentsMargins(Twips::ToPx(240), 0, 0, 0);
    for (QRadioButton *o : optSelectItem)
        options->addWidget(o);
    options->addStretch();
    grid->addLayout(options, 1, 0);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmdSelectOk, cmdSelectCancel, cmdBack}) {
        b->setMinimumWidth(Twips::ToPx(1320));
        buttons->addWidget(b);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 1, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);

    connect(cmdSelectOk, &QPushButton::clicked, this, &ChoiceDialog::cmdSelectOk_Click);
    connect(cmdSelectCancel, &QPushButton::clicked, this, &ChoiceDialog::cmdSelectCancel_Click);
    connect(cmdBack, &QPushButton::clicked, this, &ChoiceDialog::cmdBack_Click);

    // Load: 500 twips right of and below the main window's corner.
    if (QWidget *m = Shell::Get().MainWidget())
        move(m->x() + Twips::ToPx(500), m->y() + Twips::ToPx(500));
    Loc::SetCaptionFromRes(this);
    cmdBack->setText(Platform::ResText(48));
    SetHeightTwips(2895);
}

void ChoiceDialog::SetHeightTwips(int twips)
{
    m_heightTwips = twips;
    // The design size is the least it takes; longer texts make it larger.
    setMinimumSize(Twips::ToPx(6600), Twips::ToPx(twips - kCaptionBarTwips));
}

void ChoiceDialog::FitToTexts()
{
    // The explanation wraps at the width the options and buttons need, so
    // it never widens the dialog beyond what reads comfortably.
    lblSelectExplanation->setMinimumWidth(0);
    adjustSize();
    resize(sizeHint().expandedTo(minimumSize()));
    OnScreen::KeepInside(this);
}

void ChoiceDialog::cmdSelectOk_Click()
{
    if (optSelectItem[0]->isChecked())
        SelectResult = 0;
    else if (optSelectItem[1]->isChecked())
        SelectResult = 1;
    else
        SelectResult = 2;
    m_answered = true;
    done(QDialog::Accepted);
}

void ChoiceDialog::cmdSelectCancel_Click()
{
    SelectResult = -1;
    m_answered = true;
    done(QDialog::Rejected);
}

void ChoiceDialog::cmdBack_Click()
{
    SelectResult = -2;
    m_answered = true;
    done(QDialog::Rejected);
}

// Escape and the close box end up here.
void ChoiceDialog::reject()
{
    if (m_answered) {
        QDialog::reject();
        return;
    }
    if (CloseBoxDisabled)
        return;
    SelectResult = -1;
    m_answered = true;
    QDialog::reject();
}

void ChoiceDialog::closeEvent(QCloseEvent *e)
{
    if (!m_answered && CloseBoxDisabled) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

namespace Choice {
namespace {
void setUp(ChoiceDialog &d, const QString &caption, const QString &explanation, const QString &option1,
           const QString &option2, int cancelMode, int backMode)
{
    d.setWindowTitle(caption);
    d.lblSelectExplanation->setText(explanation);
    d.optSelectItem[0]->setText(option1);
    d.optSelectItem[1]->setText(option2);
    const bool cancel = cancelMode != 1;
    d.cmdSelectCancel->setEnabled(cancel);
    d.cmdSelectCancel->setVisible(cancel);
    d.CloseBoxDisabled = !cancel;
    // Without Cancel the caption bar offers no close button either.
    d.setWindowFlag(Qt::WindowCloseButtonHint, cancel);
    const bool back = backMode == 1;
    d.cmdBack->setVisible(back);
    d.cmdBack->setEnabled(back);
}

int show(ChoiceDialog &d)
{
    d.FitToTexts();
    Platform::Dialogs::ExecModal(d);
    return d.SelectResult;
}

void twoWay(ChoiceDialog &d, const QString &caption, const QString &explanation, const QString &option1,
            const QString &option2, int cancelMode, int backMode, int nextMode)
{
    setUp(d, caption, explanation, option1, option2, cancelMode, backMode);
    d.optSelectItem[2]->setVisible(false);
    d.optSelectItem[2]->setEnabled(false);
    d.SetHeightTwips(2895);
    d.cmdSelectOk->setText(Platform::ResText(nextMode == 1 ? 1430 : 1015));
}
} // namespace

int SetSelectionDlg(const QString &caption, const QString &explanation, const QString &option1,
                    const QString &option2, int cancelMode, int backMode, int nextMode)
{
    ChoiceDialog d(Shell::Get().MainWidget());
    twoWay(d, caption, explanation, option1, option2, cancelMode, backMode, nextMode);
    return show(d);
}

int SetSelectionDlgPreselected(const QString &caption, const QString &explanation, const QString &option1,
                     const QString &option2, int cancelMode, int backMode, int nextMode, int preselect)
{
    ChoiceDialog d(Shell::Get().MainWidget());
    twoWay(d, caption, explanation, option1, option2, cancelMode, backMode, nextMode);
    d.optSelectItem[preselect != 0 ? 1 : 0]->setChecked(true);
    return show(d);
}

int SetSelectionDlgThreeWay(const QString &caption, const QString &explanation, const QString &option1,
                     const QString &option2, const QString &option3, int cancelMode, int backMode)
{
    ChoiceDialog d(Shell::Get().MainWidget());
    d.optSelectItem[2]->setVisible(true);
    d.optSelectItem[2]->setEnabled(true);
    setUp(d, caption, explanation, option1, option2, cancelMode, backMode);
    d.optSelectItem[2]->setText(option3);
    d.SetHeightTwips(3450);
    return show(d);
}
} // namespace Choice
