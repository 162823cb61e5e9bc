#include "ui/posi/PosiWindow.h"

#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "app/frmMain.h"
#include "paradata/Module2Calc.h"
#include "paradata/UnitTexts.h"
#include "posi/PosiGrid.h"

#include <QMetaObject>
#include <QWidget>

namespace PosiWindow {
namespace {
QString g_caption;

QWidget *posiWindow()
{
    return Forms::Find(QStringLiteral("frmPosi"));
}
} // namespace

void SetCaption(const QString &caption)
{
    g_caption = caption;
    if (QWidget *w = posiWindow())
        w->setWindowTitle(caption);
}

QString Caption() { return g_caption; }

void ChangeMenuDisp()
{
    if (frmMain *main = App().MainForm)
        main->ChangeMenuDisp(App().PrgModeFlag);
}

void PosiDataSaveAs()
{
    if (QWidget *w = posiWindow())
        QMetaObject::invokeMethod(w, "PosiDataSaveAs", Qt::DirectConnection);
}


void AxisSettingChanged()
{
    Module1::DispDeviceName();
    Module1::DispPulseMmRate();
    PosiGrid::DispAxisData2();
    Module2Calc::Culc_MaxSpeed();
}

} // namespace PosiWindow
