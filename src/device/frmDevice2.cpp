#include "device/frmDevice2.h"
#include "app/AppState.h"
#include "app/Localize.h"
#include "app/frmMain.h"

#include <QTimer>

frmDevice2::frmDevice2(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDevice2"));
    Module1::SetCaptionFromRes(this);
}

frmDevice3::frmDevice3(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDevice3"));
    Module1::SetCaptionFromRes(this);
}

void frmDevice3::cmdSyosai_Click()
{
    App().ShowParaWinReq = true;
    if (frmMain *m = App().MainForm) {
        m->Timer2->setInterval(1000);
        m->Timer2->start();
    }
    cmdDeviceSet_Click();
}

void frmDevice3::cmdDeviceSet_Click() {}
