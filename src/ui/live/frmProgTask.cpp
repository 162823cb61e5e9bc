#include "ui/live/frmProgTask.h"
#include "ui/common/Localize.h"

#include <QCheckBox>
#include <QTimer>
#include <QVBoxLayout>

frmProgTask::frmProgTask(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmProgTask"));
    Module1::SetCaptionFromRes(this);
}

frmIOCheckFG::frmIOCheckFG(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmIOCheckFG"));
    auto *box = new QVBoxLayout(this);
    chkIgnore = new QCheckBox(this);
    chkIgnore->setObjectName(QStringLiteral("chkIgnore"));
    box->addWidget(chkIgnore);
    connect(chkIgnore, &QCheckBox::clicked, this, &frmIOCheckFG::chkIgnore_Click);
    timerInputOutput1 = new QTimer(this);
    timerInputOutput1->setObjectName(QStringLiteral("timerInputOutput1"));
    timerInputOutput1->setInterval(500);
    connect(timerInputOutput1, &QTimer::timeout, this, &frmIOCheckFG::timerInputOutput1_Timer);
    Module1::SetCaptionFromRes(this);
}

void frmIOCheckFG::chkIgnore_Click() {}
void frmIOCheckFG::timerInputOutput1_Timer() {}
