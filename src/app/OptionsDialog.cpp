#include "app/OptionsDialog.h"

#include "core/AppState.h"
#include "ui/common/Localize.h"
#include "core/FixedText.h"
#include "ui/common/Widgets.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// A pair of option buttons on a page of their own, exclusive as a pair.
QWidget *pairPage(std::array<QRadioButton *, 2> &opts, const char *name,
                  const QString &t0, int id0, const QString &t1, int id1)
{
    auto *page = new QWidget;
    auto *box = new QVBoxLayout(page);
    auto *group = new QButtonGroup(page);
    opts[0] = Loc::NamedTagged(new QRadioButton(t0), name, id0);
    opts[1] = Loc::NamedTagged(new QRadioButton(t1), name, id1);
    opts[0]->setProperty("index", 0);
    opts[1]->setProperty("index", 1);
    for (QRadioButton *o : opts) {
        group->addButton(o);
        box->addWidget(o);
    }
    box->addStretch();
    return page;
}
} // namespace

OptionsDialog::OptionsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    Loc::Tagged(this, 2509);
    setWindowTitle(QStringLiteral("オプション"));

    SSTabOption = new QTabWidget(this);
    SSTabOption->setObjectName(QStringLiteral("SSTabOption"));

    auto *portPage = new QWidget;
    auto *grid = new QGridLayout(portPage);
    grid->addWidget(Loc::NamedTagged(new QLabel(QStringLiteral("ポート番号")), "lblPortNo", 2510), 0, 0);
    txtPortNo = new QLineEdit;
    txtPortNo->setObjectName(QStringLiteral("txtPortNo"));
    txtPortNo->setMaxLength(1);
    txtPortNo->setMaximumWidth(40);
    txtPortNo->setContextMenuPolicy(Qt::NoContextMenu);
    txtPortNo->installEventFilter(this);
    Input::SetIMEStatus(txtPortNo, false);
    grid->addWidget(txtPortNo, 0, 1);
    chkPortOccupy = Loc::NamedTagged(new QCheckBox(QStringLiteral("ポートを開いたままにする")), "chkPortOccupy", 2511);
    grid->addWidget(chkPortOccupy, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(2, 1);
    SSTabOption->addTab(portPage, QStringLiteral("RS-232C"));
    SSTabOption->addTab(pairPage(optDisplayUnit, "optDisplayUnit", QStringLiteral("パルス"), 2512,
                                 QStringLiteral("mm"), 2513),
                        QStringLiteral("ポジション"));
    SSTabOption->addTab(pairPage(optRoundUp, "optRoundUp", QStringLiteral("0.5パルスは切り上げる"), 2514,
                                 QStringLiteral("0.5パルスは切り捨てる"), 2515),
                        QStringLiteral("単位"));
    SSTabOption->addTab(pairPage(optLanguege, "optLanguege", QStringLiteral("日本語"), 2516,
                                 QStringLiteral("English"), 2517),
                        QStringLiteral("言語"));

    cmdOK = Loc::NamedTagged(new QPushButton(QStringLiteral("OK")), "cmdOK", 2518);
    cmdApply = Loc::NamedTagged(new QPushButton(QStringLiteral("適用")), "cmdApply", 2519);
    cmdCancel = Loc::NamedTagged(new QPushButton(QStringLiteral("キャンセル")), "cmdCancel", 150);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &OptionsDialog::cmdOK_Click);
    connect(cmdApply, &QPushButton::clicked, this, &OptionsDialog::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &OptionsDialog::cmdCancel_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdApply);
    buttons->addWidget(cmdCancel);
    auto *top = new QVBoxLayout(this);
    top->addWidget(SSTabOption);
    top->addLayout(buttons);
    resize(360, 220);

    Form_Load();
}

void OptionsDialog::Form_Load()
{
    Loc::SetCaptionFromRes(this);
    for (int i = 0; i < 4; ++i) {
        const QString t = Platform::ResText(2505 + i);
        if (!t.isEmpty())
            SSTabOption->setTabText(i, t);
    }
    const Options::Choice c = Options::LoadChoice();
    txtPortNo->setText(c.portText);
    optLanguege[c.language == 1 ? 0 : 1]->setChecked(true);
    optDisplayUnit[c.mmUnit ? 1 : 0]->setChecked(true);
    optRoundUp[c.roundUp ? 0 : 1]->setChecked(true);
    chkPortOccupy->setChecked(c.portOccupy);
}

Options::Choice OptionsDialog::choice() const
{
    Options::Choice c;
    c.portText = txtPortNo->text();
    c.portOccupy = chkPortOccupy->isChecked();
    c.mmUnit = !optDisplayUnit[0]->isChecked();
    c.roundUp = optRoundUp[0]->isChecked();
    c.language = optLanguege[0]->isChecked() ? 1 : 2;
    return c;
}

bool OptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtPortNo && event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        int code = 0;
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            code = 13;
        else if (k->key() == Qt::Key_Backspace)
            code = 8;
        else if (!k->text().isEmpty())
            code = k->text().at(0).unicode();
        else
            return QDialog::eventFilter(watched, event);   // arrows, Delete, Tab
        if (Options::PortKeyFilter(txtPortNo->text(), code) == 0)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::cmdOK_Click()
{
    Options::ApplyOk(choice());
    accept();
}

void OptionsDialog::cmdApply_Click() { reject(); }
void OptionsDialog::cmdCancel_Click() { reject(); }

namespace Options {

void ShowOptionsDialog(QWidget *owner)
{
    OptionsDialog dlg(owner);
    Platform::Dialogs::ExecModal(dlg);
    if (App().LanguageChange)
        Platform::Dialogs::MsgBox(Platform::ResLines({420, 421}));
}

} // namespace Options
