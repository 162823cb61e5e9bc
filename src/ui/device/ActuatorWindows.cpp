#include "ui/device/ActuatorWindows.h"

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "link/Engine.h"
#include "ui/common/Forms.h"
#include "ui/device/DeviceWrite.h"
#include "ui/common/Localize.h"
#include "ui/common/OnScreen.h"
#include "core/Num.h"
#include "core/Twips.h"
#include "ui/common/Widgets.h"
#include "core/Shell.h"
#include "paradata/DevSetting.h"
#include "paradata/DeviceList.h"
#include "paradata/ParadataState.h"
#include "paradata/StdPara.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QBoxLayout>
#include <QGridLayout>

namespace {

QComboBox *editableCombo(QWidget *parent, const QString &name)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    // A typed text is taken as it stands; it never becomes a list item.
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

void showCombo(QComboBox *box, const ActLists::Combo &c)
{
    const QSignalBlocker block(box);
    box->clear();
    for (int i = 0; i < c.items.size(); ++i)
        box->addItem(c.items[i], i);
    box->setCurrentIndex(box->findText(c.text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(c.text);
}

ActLists::Combo comboOf(const QComboBox *box)
{
    ActLists::Combo c;
    for (int i = 0; i < box->count(); ++i)
        c.items << box->itemText(i);
    c.text = box->currentText();
    return c;
}

// A stroke text as the candidate takes it: its leading number rounded to a
// whole number, halves to even; nothing when that leaves the 16-bit range.
std::optional<int16_t> strokeOf(const QComboBox *box) { return Num::IntOf(box->currentText()); }

} // namespace

// ---------------------------------------------------------------- shared body

DeviceWindowBase::DeviceWindowBase(Variant v, QWidget *parent) : QDialog(parent), m_variant(v)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    lblDeviceExplanation = new QLabel(this);
    lblDeviceExplanation->setObjectName(QStringLiteral("lblDeviceExplanation"));
    lblAxisSelect = Loc::Tagged(new QLabel(QStringLiteral("Axis Setting"), this), 1421);
    lblAxisSelect->setObjectName(QStringLiteral("lblAxisSelect"));
    // A list, not a text: a typed count would match no item.
    comboAxisSelect = new QComboBox(this);
    comboAxisSelect->setObjectName(QStringLiteral("comboAxisSelect"));
    connect(comboAxisSelect, &QComboBox::activated, this, &DeviceWindowBase::comboAxisSelect_Click);

    for (int a = 0; a < 4; ++a)
        buildAxis(a);

    cmdDeviceSet = Loc::Tagged(new QPushButton(QStringLiteral("OK"), this), 1403);
    cmdDeviceSet->setObjectName(QStringLiteral("cmdDeviceSet"));
    cmdDeviceCancel = Loc::Tagged(new QPushButton(QStringLiteral("Cancel"), this), 1404);
    cmdDeviceCancel->setObjectName(QStringLiteral("cmdDeviceCancel"));
    // Neither window has a default button.
    cmdDeviceSet->setAutoDefault(false);
    cmdDeviceCancel->setAutoDefault(false);

    const int ids[3] = {1504, 1505, 1506};
    QLabel **labels[3] = {&Label1, &Label2, &Label3};
    for (int i = 0; i < 3; ++i) {
        *labels[i] = Loc::Tagged(new QLabel(this), ids[i]);
        (*labels[i])->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        (*labels[i])->setWordWrap(true);
    }

    // The design's arrangement, sized from the texts: the explanation and the
    // axis count on top, the four axis frames two by two with the buttons in
    // a column at their right, the caution lines below.
    auto *top = new QVBoxLayout(this);
    top->setContentsMargins(Twips::ToPx(120), Twips::ToPx(120), Twips::ToPx(120), Twips::ToPx(120));
    top->addWidget(lblDeviceExplanation);
    auto *count = new QHBoxLayout;
    count->addWidget(lblAxisSelect);
    count->addWidget(comboAxisSelect);
    count->addStretch();
    top->addLayout(count);
    auto *middle = new QHBoxLayout;
    auto *frames = new QGridLayout;
    for (int a = 0; a < 4; ++a)
        frames->addWidget(framAxis[a], a / 2, a % 2);
    middle->addLayout(frames, 1);
    m_buttons = new QVBoxLayout;
    m_buttons->addWidget(cmdDeviceSet);
    m_buttons->addWidget(cmdDeviceCancel);
    m_buttons->addStretch();
    middle->addLayout(m_buttons);
    top->addLayout(middle);
    for (QLabel *l : {Label1, Label2, Label3})
        top->addWidget(l);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

void DeviceWindowBase::buildAxis(int a)
{
    framAxis[a] = Loc::Tagged(new QGroupBox(QStringLiteral("AXIS%1").arg(a + 1), this), 1405 + a);
    framAxis[a]->setObjectName(QStringLiteral("framAxis%1").arg(a + 1));
    auto *frameBox = new QVBoxLayout(framAxis[a]);

    chkAxisEnable[a] = Loc::Tagged(new QCheckBox(QStringLiteral("AXIS ENABLE"), framAxis[a]), 1409);
    chkAxisEnable[a]->setObjectName(QStringLiteral("chkAxisEnable%1").arg(a));
    chkAxisEnable[a]->setEnabled(false);
    chkAxisEnable[a]->setVisible(false);

    auto *panel = new QWidget(framAxis[a]);
    PictureAxis[a] = panel;
    panel->setObjectName(QStringLiteral("PictureAxis%1").arg(a + 1));
    frameBox->addWidget(panel);
    // The frame keeps its size while the panel inside is hidden.
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    QSizePolicy keep = panel->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    panel->setSizePolicy(keep);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    const int labelIds[3] = {1410, 1411, 1412};
    const char *labelTexts[3] = {"SIZE", "SPEED", "STROKE"};
    const char *labelNames[3] = {"lblDeviceSize", "lblDeviceSpeed", "lblDeviceStroke"};
    const char *comboNames[3] = {"comboDeviceSize", "comboDeviceSpeed", "comboDeviceStroke"};
    const char *designTexts[3] = {" 28", "H", "100"};
    std::array<QLabel *, 4> *labels[3] = {&lblDeviceSize, &lblDeviceSpeed, &lblDeviceStroke};
    std::array<QComboBox *, 4> *combos[3] = {&comboDeviceSize, &comboDeviceSpeed, &comboDeviceStroke};
    for (int i = 0; i < 3; ++i) {
        QLabel *l = Loc::Tagged(new QLabel(QLatin1String(labelTexts[i]), panel), labelIds[i]);
        l->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(labelNames[i])).arg(a));
        (*labels[i])[a] = l;
        QComboBox *c = editableCombo(panel, QStringLiteral("%1%2").arg(QLatin1String(comboNames[i])).arg(a));
        c->setEditText(QLatin1String(designTexts[i]));
        c->setMinimumWidth(Twips::ToPx(1560));
        c->installEventFilter(this);
        if (c->lineEdit())
            c->lineEdit()->installEventFilter(this);
        (*combos[i])[a] = c;
        grid->addWidget(l, i, 0);
        grid->addWidget(c, i, 1);
    }
    connect(comboDeviceSize[a], &QComboBox::activated, this, [this, a] { comboDeviceSize_Click(a); });
    connect(comboDeviceSpeed[a], &QComboBox::activated, this, [this, a] { comboDeviceSpeed_Click(a); });

    chkDevPgUse[a] = Loc::Tagged(new QCheckBox(QStringLiteral("with PG"), panel), 1413);
    chkDevPgUse[a]->setObjectName(QStringLiteral("chkDevPgUse%1").arg(a));
    // The with-PG box keeps its row while hidden, so the frames stay even.
    QSizePolicy pgKeep = chkDevPgUse[a]->sizePolicy();
    pgKeep.setRetainSizeWhenHidden(true);
    chkDevPgUse[a]->setSizePolicy(pgKeep);
    grid->addWidget(chkDevPgUse[a], 3, 0, 1, 2);
    chkDevVType[a] = Loc::Tagged(new QCheckBox(QStringLiteral("V-TYPE"), panel), 1414);
    chkDevVType[a]->setObjectName(QStringLiteral("chkDevVType%1").arg(a));
    chkNewOrOld[a] = Loc::Tagged(new QCheckBox(QStringLiteral("OLD TYPE"), panel), 1417);
    chkNewOrOld[a]->setObjectName(QStringLiteral("chkNewOrOld%1").arg(a));
    for (QCheckBox *b : {chkDevVType[a], chkNewOrOld[a]}) {
        b->setEnabled(false);
        b->setVisible(false);
    }
}

void DeviceWindowBase::ShowCautions(bool on)
{
    for (QLabel *l : {Label1, Label2, Label3})
        l->setVisible(on);
}

ActLists::AxisCombos DeviceWindowBase::Combos(int a) const
{
    return {comboOf(comboDeviceSize[a]), comboOf(comboDeviceSpeed[a]), comboOf(comboDeviceStroke[a])};
}

void DeviceWindowBase::ShowCombos(int a, const ActLists::AxisCombos &c)
{
    const bool was = m_rebuilding;
    m_rebuilding = true;
    showCombo(comboDeviceSize[a], c.size);
    showCombo(comboDeviceSpeed[a], c.speed);
    showCombo(comboDeviceStroke[a], c.stroke);
    m_rebuilding = was;
}

void DeviceWindowBase::setPanel(int a, bool on)
{
    PictureAxis[a]->setEnabled(on);
    PictureAxis[a]->setVisible(on);
}

bool DeviceWindowBase::enabledInWindow(int a) const { return chkAxisEnable[a]->isChecked(); }

QString DeviceWindowBase::checkedSize(int a) const
{
    const auto &s = Paradata();
    return m_variant == Variant::Online ? s.ActuatorSetting.ActuatorSize[a] : s.DevSetting.DevSize[a];
}

void DeviceWindowBase::SetAxisEnable(int a, bool on)
{
    if (chkAxisEnable[a]->isChecked() == on)
        return;
    {
        const QSignalBlocker block(chkAxisEnable[a]);
        chkAxisEnable[a]->setChecked(on);
    }
    chkAxisEnable_Click(a);
}

void DeviceWindowBase::SelectAxisCount(int index)
{
    {
        const QSignalBlocker block(comboAxisSelect);
        comboAxisSelect->setCurrentIndex(index);
    }
    comboAxisSelect_Click();
}

void DeviceWindowBase::comboAxisSelect_Click()
{
    const int n = comboAxisSelect->currentIndex() + 1;
    for (int a = 0; a < 4; ++a) {
        if (a < n) {
            PictureAxis[a]->setVisible(true);
            SetAxisEnable(a, true);
            ReloadActuatorCombosAxis(a);
        } else {
            PictureAxis[a]->setVisible(false);
            SetAxisEnable(a, false);
        }
    }
}

void DeviceWindowBase::chkAxisEnable_Click(int a)
{
    if (a < 0 || a > 3)
        return;
    if (chkAxisEnable[a]->isChecked()) {
        setPanel(a, true);
        ReloadActuatorCombosAxis(a);
    } else {
        setPanel(a, false);
    }
}

void DeviceWindowBase::ReloadActuatorCombosAxis(int a)
{
    if (DeviceList::ReadNQzDeviceListOfAxis(a) == 0)
        SetActuatorCombosAxis(a);
}

void DeviceWindowBase::SetActuatorCombos()
{
    if (DeviceList::ReadNQzDeviceList() != 0)
        return;
    for (int a = 0; a < 4; ++a)
        SetActuatorCombosAxis(a);
}

void DeviceWindowBase::SetActuatorCombosAxis(int a)
{
    ActLists::AxisCombos c = Combos(a);
    ActLists::SetActuatorCombosAxis(a, c, checkedSize(a), enabledInWindow(a));
    ShowCombos(a, c);
    updatePgBox(a, m_variant == Variant::Offline);
}

void DeviceWindowBase::ActSizeChange(int a) { listChanged(a, ActLists::ActSizeChange, m_variant == Variant::Offline); }

void DeviceWindowBase::ActSpeedChange(int a) { listChanged(a, ActLists::ActSpeedChange, false); }

void DeviceWindowBase::listChanged(int a, void (*rebuild)(int, ActLists::AxisCombos &), bool checkVertical)
{
    if (m_rebuilding)
        return;
    if (!enabledInWindow(a)) {
        SetAxisEnable(a, false);
        setPanel(a, false);
        return;
    }
    ActLists::AxisCombos c = Combos(a);
    rebuild(a, c);
    ShowCombos(a, c);
    updatePgBox(a, checkVertical);
}

void DeviceWindowBase::updatePgBox(int a, bool checkVertical)
{
    const auto box = ActLists::PgBoxFor(Combos(a), Paradata().ActuatorSetting.ActuatorWithPG[a], checkVertical);
    if (!box)
        return;
    chkDevPgUse[a]->setVisible(box->visible);
    chkDevPgUse[a]->setChecked(box->ticked);
}

void DeviceWindowBase::LoadAxes(bool textsBeforeEnable)
{
    const AppState &app = App();
    comboAxisSelect->clear();
    for (int k = 0; k < 4; ++k)
        comboAxisSelect->addItem(Platform::ResText(220 + k), k);
    // The caution lines only when positions are shown in millimetres.
    ShowCautions(app.DispMmUnit);

    const auto &d = Paradata().DevSetting;
    for (int a = 0; a < 4; ++a) {
        const bool used = !app.AxisNotUsed[a];
        if (!textsBeforeEnable)
            SetAxisEnable(a, used);
        if (used) {
            comboDeviceSize[a]->setEditText(d.DevSize[a]);
            comboDeviceSpeed[a]->setEditText(d.DevSpeed[a]);
            comboDeviceStroke[a]->setEditText(QString::number(d.DevStroke[a]));
        }
        if (textsBeforeEnable)
            SetAxisEnable(a, used);
    }
    for (int a = 0; a < 4; ++a) {
        chkDevPgUse[a]->setEnabled(true);
        chkDevPgUse[a]->setVisible(true);
    }
    SelectAxisCount(std::clamp(app.AxisCount, 1, 4) - 1);
    SetActuatorCombos();
}

bool DeviceWindowBase::TakeChoice(const std::array<bool, 4> &skip)
{
    std::array<int16_t, 4> strokes{};
    for (int a = 0; a < 4; ++a) {
        if (skip[a])
            continue;
        const auto stroke = strokeOf(comboDeviceStroke[a]);
        if (!stroke) {
            DevSetting::ShowModelNotChosen();
            return false;
        }
        strokes[a] = *stroke;
    }
    auto &s = Paradata();
    auto &c = s.ActuatorSetting;
    for (int a = 0; a < 4; ++a)
        s.StdPrmSeries[a] = QStringLiteral("QZ");
    for (int a = 0; a < 4; ++a) {
        if (skip[a])
            continue;
        c.ActuatorSize[a] = comboDeviceSize[a]->currentText();
        c.ActuatorSpeed[a] = comboDeviceSpeed[a]->currentText();
        c.ActuatorStroke[a] = strokes[a];
        c.NewTypeFlag[a] = true;
        c.ActuatorVertical[a] = true;
        c.ActuatorWithPG[a] = chkDevPgUse[a]->isChecked();
    }
    return true;
}

// LostFocus of the size and speed lists.
bool DeviceWindowBase::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::FocusOut && !m_rebuilding) {
        for (int a = 0; a < 4; ++a) {
            const auto owns = [watched](QComboBox *c) { return watched == c || watched == c->lineEdit(); };
            if (owns(comboDeviceSize[a]))
                ActSizeChange(a);
            else if (owns(comboDeviceSpeed[a]))
                ActSpeedChange(a);
        }
    }
    return QDialog::eventFilter(watched, e);
}

// ---------------------------------------------------------------- OfflineActuatorWindow

OfflineActuatorWindow::OfflineActuatorWindow(QWidget *parent) : DeviceWindowBase(Variant::Offline, parent)
{
    setObjectName(QStringLiteral("OfflineActuatorWindow"));
    Loc::SetTag(this, QStringLiteral("1401"));
    Loc::SetTag(lblDeviceExplanation, QStringLiteral("1402"));
    cmdDeviceBack = Loc::Tagged(new QPushButton(QStringLiteral("BACK"), this), 48);
    cmdDeviceBack->setObjectName(QStringLiteral("cmdDeviceBack"));
    cmdDeviceBack->setAutoDefault(false);
    m_buttons->insertWidget(2, cmdDeviceBack);
    connect(cmdDeviceSet, &QPushButton::clicked, this, &OfflineActuatorWindow::cmdDeviceSet_Click);
    connect(cmdDeviceCancel, &QPushButton::clicked, this, &OfflineActuatorWindow::cmdDeviceCancel_Click);
    connect(cmdDeviceBack, &QPushButton::clicked, this, &OfflineActuatorWindow::cmdDeviceBack_Click);
    Form_Load();
}

void OfflineActuatorWindow::Form_Load()
{
    if (QWidget *child = Forms::ActiveChild()) {
        const QPoint p = child->mapToGlobal(QPoint(0, 0));
        move(p.x() + Twips::ToPx(500), p.y() + Twips::ToPx(500));
    }
    Loc::SetCaptionFromRes(this);
    DevCancelFlag = false;
    DevFlags().DevWinBack = false;
    const bool startup = DevFlags().DevWinStartup;
    cmdDeviceCancel->setEnabled(!startup);
    cmdDeviceCancel->setVisible(!startup);
    const bool noBack = DevFlags().DevWinNoBack;
    cmdDeviceBack->setEnabled(!noBack);
    cmdDeviceBack->setVisible(!noBack);
    LoadAxes(true);
    adjustSize();
    OnScreen::KeepInside(this);
}

void OfflineActuatorWindow::cmdDeviceSet_Click()
{
    AppState &app = App();
    // The axis count must be one of the list's items, not a typed text.
    const int index = comboAxisSelect->currentIndex();
    if (index < 0 || comboAxisSelect->currentText() != comboAxisSelect->itemText(index)) {
        DevSetting::ShowModelNotChosen();
        return;
    }
    const int n = comboAxisSelect->itemData(index).toInt() + 1;
    std::array<bool, 4> pattern{};
    for (int a = 0; a < 4; ++a)
        pattern[a] = a >= n;
    std::array<bool, 4> skip = app.AxisNotUsed;
    bool takeCount = false;
    if (pattern != app.AxisNotUsed) {
        const auto answer = Platform::Dialogs::MsgBox(
            Platform::ResLines({1151, 1152}), Platform::MsgButtons::YesNo,
            Platform::MsgIcon::None, Platform::ResText(1150));
        if (answer == Platform::MsgAnswer::Yes) {
            takeCount = true;
            skip = pattern;
        }
    }
    if (!TakeChoice(skip))
        return;
    if (takeCount) {
        app.AxisNotUsed = pattern;
        app.AxisCount = n;
    }
    done(QDialog::Accepted);
}

void OfflineActuatorWindow::cmdDeviceCancel_Click()
{
    DevCancelFlag = true;
    done(QDialog::Rejected);
}

void OfflineActuatorWindow::cmdDeviceBack_Click()
{
    DevFlags().DevWinBack = true;
    done(QDialog::Rejected);
}

// The close box arrives here too: QDialog turns a close of the shown window
// into reject() and keeps the window when it is still shown afterwards.
void OfflineActuatorWindow::reject()
{
    // At start-up the window is left only by OK or Back.
    if (DevFlags().DevWinStartup)
        return;
    // Otherwise leaving without OK takes nothing, as Cancel does.
    cmdDeviceCancel_Click();
}

// ---------------------------------------------------------------- OnlineActuatorWindow

OnlineActuatorWindow::OnlineActuatorWindow(QWidget *parent) : DeviceWindowBase(Variant::Online, parent)
{
    setObjectName(QStringLiteral("OnlineActuatorWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("アクチュエータ設定"));
    Loc::SetTag(this, QStringLiteral("1501"));
    Loc::SetTag(lblDeviceExplanation, QStringLiteral("1420"));
    Loc::SetTag(cmdDeviceSet, QString());
    cmdDeviceSet->setEnabled(false);
    cmdDeviceSet->setVisible(false);
    cmdPrmCtWrite = Loc::NamedTagged(new QPushButton(QStringLiteral("Change and Write"), this), "cmdPrmCtWrite", 1503);
    cmdDetail = Loc::NamedTagged(new QPushButton(QStringLiteral("Detail Edit"), this), "cmdDetail", 1502);
    for (QPushButton *b : {cmdPrmCtWrite, cmdDetail})
        b->setAutoDefault(false);
    m_buttons->insertWidget(1, cmdPrmCtWrite);
    m_buttons->insertWidget(2, cmdDetail);
    connect(cmdPrmCtWrite, &QPushButton::clicked, this, &OnlineActuatorWindow::cmdPrmCtWrite_Click);
    connect(cmdDetail, &QPushButton::clicked, this, &OnlineActuatorWindow::cmdDetail_Click);
    connect(cmdDeviceCancel, &QPushButton::clicked, this, &OnlineActuatorWindow::cmdDeviceCancel_Click);
    Form_Load();
}

void OnlineActuatorWindow::Form_Load()
{
    if (QWidget *m = Shell::Get().MainWidget())
        move(m->x() + Twips::ToPx(500), m->y() + Twips::ToPx(500));
    Paradata().KeepAxisMask = true;
    Loc::SetCaptionFromRes(this);
    LoadAxes(false);
    adjustSize();
    OnScreen::KeepInWorkArea(this);
}

void OnlineActuatorWindow::setOwnCommands(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(cmdPrmCtWrite), static_cast<QWidget *>(cmdDeviceCancel),
                       static_cast<QWidget *>(cmdDetail), static_cast<QWidget *>(framAxis[0]),
                       static_cast<QWidget *>(framAxis[1]), static_cast<QWidget *>(framAxis[2]),
                       static_cast<QWidget *>(framAxis[3])})
        w->setEnabled(on);
}

void OnlineActuatorWindow::OnlineActuatorCommandsOff() { setOwnCommands(false); }
void OnlineActuatorWindow::OnlineActuatorCommandsOn() { setOwnCommands(true); }

void OnlineActuatorWindow::cmdPrmCtWrite_Click()
{
    AppState &app = App();
    const int index = comboAxisSelect->currentIndex();
    DeviceWrite::Window w;
    w.axisCount = index >= 0 ? comboAxisSelect->itemData(index).toInt() + 1 : 0;
    w.takeChoice = [this] { return TakeChoice({}); };
    w.hide = [this] { hide(); };

    m_writing = true;
    app.BusyFlag = true;
    OnlineActuatorCommandsOff();
    CommandSets::DisableCommandsOfAllWindows();
    DeviceWrite::ChangeAndWrite(w);

    // The closing steps, on every way out.
    app.BusyFlag = false;
    CommandSets::SetPosiTabEnabled(app.OfflineFlag);
    Comm::CloseCommPortIfFree();
    OnlineActuatorCommandsOn();
    CommandSets::EnableCommandsOfAllWindows();
    Shell::Get().ChangeMenuDisp(app.PrgModeFlag);
    m_writing = false;
    close();
}

void OnlineActuatorWindow::reject()
{
    if (!m_writing)
        QDialog::reject();
}

void OnlineActuatorWindow::closeEvent(QCloseEvent *e)
{
    if (m_writing) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void OnlineActuatorWindow::cmdDetail_Click()
{
    // The request only once the setting is taken: a refused choice keeps
    // the window and opens nothing.
    if (!TakeChoice({}))
        return;
    App().ShowParaWinReq = true;
    Shell::Get().RequestParameterWindow(1000);
    close();
}

void OnlineActuatorWindow::cmdDeviceSet_Click()
{
    if (TakeChoice({}))
        close();
}

void OnlineActuatorWindow::cmdDeviceCancel_Click() { close(); }

// ---------------------------------------------------------------- the opener

namespace ActuatorWindows {

int ShowDeviceSetting()
{
    Paradata().KeepAxisMask = false;
    OfflineActuatorWindow dlg(Shell::Get().MainWidget());
    Platform::Dialogs::ExecModal(dlg);
    if (dlg.DevCancelFlag)
        return -1;
    if (!DevFlags().DevWinBack)
        return StdPara::SetStandardParameters() == 0 ? 0 : 1;
    return -2;
}
} // namespace ActuatorWindows
