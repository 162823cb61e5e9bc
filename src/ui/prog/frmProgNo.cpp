#include "ui/prog/frmProgNo.h"

#include "core/AppState.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

frmProgNo::frmProgNo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmProgNo"));
    setWindowTitle(QStringLiteral("Program No."));
    txtProgNo = new QSpinBox(this);
    txtProgNo->setObjectName(QStringLiteral("txtProgNo"));
    txtProgNo->setRange(1, 100);
    txtProgNo->setValue(App().SelProgNo >= 1 && App().SelProgNo <= 100 ? App().SelProgNo : 1);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(cmdOK, &QPushButton::clicked, this, &frmProgNo::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmProgNo::cmdCancel_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *top = new QVBoxLayout(this);
    top->addWidget(txtProgNo);
    top->addLayout(buttons);
    // Closing without OK counts as Cancel.
    App().ProgNoCancel = true;
}

void frmProgNo::cmdOK_Click()
{
    App().SelProgNo = txtProgNo->value();
    App().ProgNoCancel = false;
    accept();
}

void frmProgNo::cmdCancel_Click()
{
    App().ProgNoCancel = true;
    reject();
}
