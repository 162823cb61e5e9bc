#include "app/AboutDialog.h"

#include "core/AppVersion.h"
#include "app/HelpViewer.h"
#include "ui/common/Localize.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    // The caption follows the language like every other text.
    Loc::Tagged(this, 9401);
    setWindowTitle(QStringLiteral("バージョン情報"));

    picIcon = Loc::NamedTagged(new QLabel, "picIcon", 0);
    picIcon->setPixmap(QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32)
                           : QApplication::windowIcon().pixmap(32, 32));
    lblTitle = Loc::NamedTagged(new QLabel(QStringLiteral("QZ-TQ7")), "lblTitle", 3052);
    QFont big = lblTitle->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    lblTitle->setFont(big);
    lblTitle2 = Loc::NamedTagged(new QLabel, "lblTitle2", 1203);
    lblDescription = Loc::NamedTagged(new QLabel, "lblDescription", 1204);
    lblDescription->setWordWrap(true);
    lblDisclaimer = Loc::NamedTagged(new QLabel, "lblDisclaimer", 1205);
    lblDisclaimer->setWordWrap(true);
    lblVersion = Loc::NamedTagged(new QLabel, "lblVersion", 0);
    lblHpAddress = Loc::NamedTagged(new QLabel(QStringLiteral("https://www.example.com/re-z4/")), "lblHpAddress", 0);
    lblHpAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdOK = Loc::NamedTagged(new QPushButton(QStringLiteral("OK")), "cmdOK", 3049);
    cmdSysInfo = Loc::NamedTagged(new QPushButton(QStringLiteral("&System Info...")), "cmdSysInfo", 3048);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutDialog::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);

    auto *text = new QVBoxLayout;
    for (QLabel *l : {lblTitle, lblTitle2, lblVersion, lblDescription, lblHpAddress})
        text->addWidget(l);
    auto *head = new QHBoxLayout;
    head->addWidget(picIcon, 0, Qt::AlignTop);
    head->addLayout(text, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto *foot = new QHBoxLayout;
    foot->addWidget(lblDisclaimer, 1);
    foot->addLayout(buttons);
    auto *top = new QVBoxLayout(this);
    top->addLayout(head);
    top->addLayout(foot);
    resize(460, 260);

    Form_Load();
}

QString AboutDialog::VersionText()
{
    return QStringLiteral("Version ") + AppVersion::Number();
}

void AboutDialog::Form_Load()
{
    Loc::SetCaptionFromRes(this);
    lblVersion->setText(VersionText());
}

void AboutDialog::cmdOK_Click() { accept(); }

void AboutDialog::cmdSysInfo_Click() { StartSysInfo(); }

void AboutDialog::StartSysInfo()
{
    const QString path = SysInfo::FindTool();
    bool started = false;
    if (!path.isEmpty()) {
        const auto &start = SysInfo::Tool().Start;
        started = start ? start(path) : QProcess::startDetached(path, {});
    }
    if (!started)
        Platform::Dialogs::MsgBox(Platform::ResText(1206));
}
