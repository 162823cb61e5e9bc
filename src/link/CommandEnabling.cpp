#include "link/CommandEnabling.h"

#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "app/frmMain.h"
#include "ui/paraedit/frmParameta2.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "ui/posi/frmPosi.h"

#include <QByteArray>
#include <QMetaObject>
#include <QTabWidget>
#include <QWidget>

namespace Module1 {
namespace {

struct WalkRow {
    const char *window;
    const char *disable[2];
    const char *enable;
};

// Window name -> its own procedures; "frmParameta2" is served by the
// module procedures of the parameter window instead.
constexpr WalkRow kWalk[] = {
    {"frmMain", {"CTM_MukoSyori", nullptr}, "CTM_YukoSyori"},
    {"frmPosi", {"PosCMDBTN_Muko", "EditCMD_Muko"}, "PosCMDBTN_Yuko"},
    {"frmProg", {"ProgCMDBTN_Muko", "EditProgCMD_Muko"}, "ProgCMDBTN_Yuko"},
    {"frmGrp", {"GrpCMDBTN_Muko", nullptr}, "GrpCMDBTN_Yuko"},
    {"frmSqMcr", {"SM_CMDBTN_Muko", nullptr}, "SM_CMDBTN_Yuko"},
    {"frmSystemPara", {"SystemParametaCMDBTN_Muko", nullptr}, "SystemParametaCMDBTN_Yuko"},
};

// Calls the window's procedure by name; a window that has none is left alone.
void callByName(QWidget *w, const char *proc)
{
    if (!w || !proc)
        return;
    if (w->metaObject()->indexOfMethod(QByteArray(proc) + "()") < 0)
        return;
    try {
        QMetaObject::invokeMethod(w, proc, Qt::DirectConnection);
    } catch (...) {
        // One window's failure does not leave the others switched wrongly.
    }
}

void walk(bool disable)
{
    for (QWidget *w : Forms::Loaded()) {
        const QString name = w->objectName();
        if (name == QLatin1String("frmParameta2")) {
            disable ? ParaCMDBTN_Muko() : ParaCMDBTN_Yuko();
            continue;
        }
        for (const WalkRow &row : kWalk) {
            if (name != QLatin1String(row.window))
                continue;
            if (disable) {
                callByName(w, row.disable[0]);
                callByName(w, row.disable[1]);
            } else {
                callByName(w, row.enable);
            }
        }
    }
}
} // namespace

void AllForm_CMDBTN_Muko() { walk(true); }
void AllForm_CMDBTN_Yuko() { walk(false); }

void ProgForm_CMDBTN_Muko()
{
    for (QWidget *w : Forms::Named(QStringLiteral("frmProg")))
        callByName(w, "ProgCMDBTN_Muko");
}

void SetPosiTabEnabled(bool offline)
{
    frmMain *main = App().MainForm;
    if (!main)
        return;
    frmPosi *posi = main->PosiForm();
    QTabWidget *tabs = posi ? posi->SSTabCommand : nullptr;
    if (!tabs)
        return;
    for (int t = 1; t <= 2 && t < tabs->count(); ++t)
        tabs->setTabEnabled(t, !offline);
}

int fChangeToOffline()
{
    if (App().OfflineFlag)
        return 0;
    const auto answer = Platform::Dialogs::MsgBox(Platform::ResText(432), Platform::MsgButtons::OkCancel,
                                                  Platform::MsgIcon::Question);
    return answer == Platform::MsgAnswer::Ok ? 0 : 1;
}

BusyScope::BusyScope(bool progFormsToo) : BusyScope(BusyParts{.progForms = progFormsToo}) {}

BusyScope::BusyScope(const BusyParts &parts) : m_parts(parts)
{
    if (m_parts.busyFlag)
        App().BusyFlag = true;
    AllForm_CMDBTN_Muko();
    if (m_parts.progForms)
        ProgForm_CMDBTN_Muko();
    if (m_parts.posiTabs)
        SetPosiTabEnabled(App().OfflineFlag);
}

BusyScope::~BusyScope()
{
    AllForm_CMDBTN_Yuko();
    if (m_parts.posiTabs)
        SetPosiTabEnabled(App().OfflineFlag);
    if (m_parts.menus) {
        if (frmMain *main = App().MainForm)
            main->ChangeMenuDisp(App().PrgModeFlag);
    }
    if (m_parts.busyFlag)
        App().BusyFlag = false;
}

} // namespace Module1
