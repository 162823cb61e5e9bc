#include "support/Choices.h"

#include "ui/common/ChoiceDialog.h"
#include "ui/device/ActuatorWindows.h"
#include "platform/Dialogs.h"

#include <QLabel>
#include <QRadioButton>

namespace Choices {
namespace {
QStringList g_asked;
}

void Queue(std::initializer_list<int> answers)
{
    for (int k : answers)
        Platform::Dialogs::PushModalHandler([k](QDialog &d) {
            auto *s = qobject_cast<ChoiceDialog *>(&d);
            if (!s)
                return 0;
            g_asked.append(s->lblSelectExplanation->text());
            if (k == -2)
                s->cmdBack_Click();
            else if (k == -1)
                s->cmdSelectCancel_Click();
            else {
                s->optSelectItem[size_t(k)]->setChecked(true);
                s->cmdSelectOk_Click();
            }
            return s->result();
        });
}

void QueueActuatorWindow(bool back, int *shown)
{
    Platform::Dialogs::PushModalHandler([back, shown](QDialog &d) {
        auto *w = qobject_cast<OfflineActuatorWindow *>(&d);
        if (!w)
            return 0;
        if (shown)
            ++*shown;
        w->show();
        if (back)
            w->cmdDeviceBack_Click();
        else
            w->cmdDeviceSet_Click();
        return w->result();
    });
}

void QueueOfflineStart()
{
    Queue({1, 0, 0});
    QueueActuatorWindow();
}

const QStringList &Asked() { return g_asked; }
void Clear() { g_asked.clear(); }
} // namespace Choices
