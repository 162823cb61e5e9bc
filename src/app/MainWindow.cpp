#include "app/MainWindow.h"
#include "paradata/ParaFile.h"
#include "paradata/UnitTexts.h"
#include "core/AppState.h"
#include "core/AppVersion.h"
#include "ui/common/Forms.h"
#include "app/Icons.h"
#include "ui/common/Localize.h"
#include "ui/common/OnScreen.h"
#include "core/AppSettings.h"
#include "core/Twips.h"
#include "ui/common/Widgets.h"
#include "link/Engine.h"
#include "ui/online/GoOnline.h"
#include "link/Indicators.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "platform/Wait.h"
#include "ui/posi/PositionWindow.h"
#include "ui/prog/ProgramWindow.h"
#include "ui/paraedit/ParameterWindow.h"

#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
// Design of the status panel, in twips.
constexpr int kPanelHeight = 600;
constexpr int kProgressLeft = 60, kProgressTop = 30, kProgressHeight = 240;
constexpr int kStatusHeight = 270;
constexpr int kCancelWidth = 900, kCancelHeight = 300, kCancelTop = 285;
constexpr int kResetTop = 90, kResetWidth = 1200, kResetHeight = 420;
constexpr int kCtModeTop = 150, kCtModeWidth = 2400, kCtModeHeight = 300;
constexpr int kIndicatorWidth = 960, kIndicatorHeight = 255;
constexpr int kImageSize = 240;
constexpr int kRow1Top = 30, kRow2Top = 315;
} // namespace

StatusPanelLayout ComputeStatusPanelLayout(int W)
{
    StatusPanelLayout L{};
    L.progressLeft = kProgressLeft;
    L.progressTop = kProgressTop;
    L.progressHeight = kProgressHeight;
    L.progressWidth = W / 2;
    const int B = L.progressWidth;
    L.statusLeft = kProgressLeft;
    L.statusTop = L.progressTop + L.progressHeight;
    L.statusWidth = W / 2 - 30;
    L.statusHeight = kStatusHeight;
    L.cancelWidth = kCancelWidth;
    L.cancelHeight = kCancelHeight;
    L.cancelTop = kCancelTop;
    L.cancelLeft = B - kCancelWidth + 30;
    L.lineX = B + 135;
    L.resetLeft = B + 255;
    L.resetTop = kResetTop;
    L.resetWidth = kResetWidth;
    L.resetHeight = kResetHeight;
    L.ctModeWidth = kCtModeWidth;
    L.ctModeTop = kCtModeTop;
    L.ctModeHeight = kCtModeHeight;
    L.indicatorLabelLeft = B + 1500;
    L.indicatorImageLeft = B + 2500;
    L.ctModeLeft = W - L.ctModeWidth;
    return L;
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QString::fromLatin1(Platform::kAppTitle));

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    buildMenus();
    buildToolBar();
    buildStatusPanel();

    auto *central = new QWidget(this);
    auto *box = new QVBoxLayout(central);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(m_mdi, 1);
    box->addWidget(PictureStatus);
    setCentralWidget(central);

    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        sbPanels[i] = new QLabel(sbStatusBar);
        sbPanels[i]->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        sbPanels[i]->setFrameShape(QFrame::Panel);
        sbPanels[i]->setFrameShadow(QFrame::Sunken);
        sbPanels[i]->setMinimumWidth(i == 0 ? 200 : 150);
        sbStatusBar->addWidget(sbPanels[i], i == 0 ? 1 : 0);
    }
    setStatusBar(sbStatusBar);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    Timer1->start();

    TimerTest = new QTimer(this);
    TimerTest->setObjectName(QStringLiteral("TimerTest"));
    TimerTest->setSingleShot(true);
    connect(TimerTest, &QTimer::timeout, this, &MainWindow::TimerTest_Timer);

    // Armed with 1000 ms by the actuator window's detail button.
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2, &QTimer::timeout, this, &MainWindow::Timer2_Timer);

    timerTerminate = new QTimer(this);
    timerTerminate->setObjectName(QStringLiteral("timerTerminate"));
    timerTerminate->setSingleShot(true);
    timerTerminate->setInterval(100);
    connect(timerTerminate, &QTimer::timeout, this, &MainWindow::timerTerminate_Timer);

    resize(Twips::ToPx(15240), Twips::ToPx(11000));
    LayoutStatusPanel();
    CommandSets::Register(this);
}

MainWindow::~MainWindow()
{
    CommandSets::Unregister(this);
    if (&Shell::Get() == this)
        Shell::Register(nullptr);
    // A position window created but never shown as a child has no parent;
    // nor has a parameter window used only hidden.
    if (m_posi && !m_posi->parent())
        delete m_posi.data();
    if (ParameterWindow *para = ParameterWindow::Existing(); para && !para->parent())
        delete para;
}

// ---------------------------------------------------------------- building

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto submenu = [this](QWidget *parentMenu, const char *name, int id, QMenu **menuOut = nullptr) {
        QMenu *m = nullptr;
        if (auto *mb = qobject_cast<QMenuBar *>(parentMenu))
            m = mb->addMenu(QString::number(id));
        else
            m = static_cast<QMenu *>(parentMenu)->addMenu(QString::number(id));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        if (menuOut)
            *menuOut = m;
        Q_UNUSED(this);
        return m->menuAction();
    };
    auto item = [this](QMenu *m, const char *name, const QString &caption, void (MainWindow::*slot)(),
                       const QKeySequence &key = QKeySequence()) {
        QAction *a = m->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto num = [](int id) { return QString::number(id); };
    auto hide = [](QAction *a) { a->setVisible(false); a->setEnabled(false); };
    auto menuOf = [](QAction *a) { return a->menu(); };

    // File
    QMenu *file = nullptr;
    mnuFile = submenu(bar, "mnuFile", 250, &file);
    mnuFileMenu = file;
    mnuFileNew = submenu(file, "mnuFileNew", 251);
    mnuFileNewPosi = item(menuOf(mnuFileNew), "mnuFileNewPosi", num(263), &MainWindow::mnuFileNewPosi_Click,
                          QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileNewProg = item(menuOf(mnuFileNew), "mnuFileNewProg", num(950), &MainWindow::mnuFileNewProg_Click);
    mnuFileOpen = submenu(file, "mnuFileOpen", 252);
    mnuFileOpenPosi = item(menuOf(mnuFileOpen), "mnuFileOpenPosi", num(263), &MainWindow::mnuFileOpenPosi_Click,
                           QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileOpenProg = item(menuOf(mnuFileOpen), "mnuFileOpenProg", num(264), &MainWindow::mnuFileOpenProg_Click);
    mnuFileClose = item(file, "mnuFileClose", num(3003), &MainWindow::mnuFileClose_Click);
    file->addSeparator();
    mnuFileSave = item(file, "mnuFileSave", num(254), &MainWindow::mnuFileSave_Click);
    mnuFileSaveAs = item(file, "mnuFileSaveAs", num(255), &MainWindow::mnuFileSaveAs_Click);
    mnuFileSaveAll = item(file, "mnuFileSaveAll", num(3006), &MainWindow::mnuFileSaveAll_Click);
    hide(mnuFileSaveAll);
    file->addSeparator();
    mnuFilePageSetup = item(file, "mnuFilePageSetup", num(260), &MainWindow::mnuFilePageSetup_Click);
    mnuFilePrint = item(file, "mnuFilePrint", num(261), &MainWindow::mnuFilePrint_Click);
    file->addSeparator();
    mnuFileExit = item(file, "mnuFileExit", num(262), &MainWindow::mnuFileExit_Click);

    // Edit
    QMenu *edit = nullptr;
    mnuEdit = submenu(bar, "mnuEdit", 265, &edit);
    mnuEditCopy = item(edit, "mnuEditCopy", num(3010), &MainWindow::mnuEditCopy_Click, QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = item(edit, "mnuEditPaste", num(3011), &MainWindow::mnuEditPaste_Click, QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuEditInsert = item(edit, "mnuEditInsert", num(208), &MainWindow::mnuEditInsert_Click,
                         QKeySequence(Qt::CTRL | Qt::Key_Insert));
    mnuEditLineDelete = item(edit, "mnuEditLineDelete", num(209), &MainWindow::mnuEditLineDelete_Click,
                             QKeySequence(Qt::SHIFT | Qt::Key_Delete));

    // View
    QMenu *view = nullptr;
    mnuView = submenu(bar, "mnuView", 270, &view);
    mnuViewToolbar = item(view, "mnuViewToolbar", num(271), &MainWindow::mnuViewToolbar_Click);
    mnuViewToolbar->setCheckable(true);
    mnuViewToolbar->setChecked(true);
    mnuViewStatusBar = item(view, "mnuViewStatusBar", num(272), &MainWindow::mnuViewStatusBar_Click);
    mnuViewStatusBar->setCheckable(true);
    mnuViewStatusBar->setChecked(true);
    view->addSeparator();
    mnuViewGrp = item(view, "mnuViewGrp", num(275), &MainWindow::mnuViewGrp_Click);
    mnuViewSM = item(view, "mnuViewSM", num(276), &MainWindow::mnuViewSM_Click);
    mnuViewMove = item(view, "mnuViewMove", QStringLiteral("移動ﾃｽﾄ"), &MainWindow::mnuViewMove_Click);
    hide(mnuViewMove);
    mnuViewTeaching = item(view, "mnuViewTeaching", num(277), &MainWindow::mnuViewTeaching_Click);
    hide(mnuViewTeaching);
    mnuViewParameter = item(view, "mnuViewParameter", num(3000), &MainWindow::mnuViewParameter_Click);
    mnuViewOptions = item(view, "mnuViewOptions", num(278), &MainWindow::mnuViewOptions_Click);
    mnuViewSysPara = item(view, "mnuViewSysPara", num(3001), &MainWindow::mnuViewSysPara_Click);
    hide(mnuViewSysPara);

    // Controller
    QMenu *cont = nullptr;
    mnuCont = submenu(bar, "mnuCont", 285, &cont);
    mnuContPosi = submenu(cont, "mnuContPosi", 263);
    mnuContPosiRead = item(menuOf(mnuContPosi), "mnuContPosiRead", num(3008), &MainWindow::mnuContPosiRead_Click);
    mnuContPosiWrite = item(menuOf(mnuContPosi), "mnuContPosiWrite", num(3009), &MainWindow::mnuContPosiWrite_Click);
    mnuContProg = submenu(cont, "mnuContProg", 264);
    mnuContProgRead = item(menuOf(mnuContProg), "mnuContProgRead", num(3008), &MainWindow::mnuContProgRead_Click);
    mnuContProgTask = item(menuOf(mnuContProg), "mnuContProgTask", num(3012), &MainWindow::mnuContProgTask_Click);
    mnuContVersion = item(cont, "mnuContVersion", num(287), &MainWindow::mnuContVersion_Click);
    mnuContAlarmReset = item(cont, "mnuContAlarmReset", num(286), &MainWindow::mnuContAlarmReset_Click);

    // Monitor: a command on the bar itself.
    mnuMonitor = bar->addAction(num(3002));
    mnuMonitor->setObjectName(QStringLiteral("mnuMonitor"));
    connect(mnuMonitor, &QAction::triggered, this, &MainWindow::mnuMonitor_Click);

    // Setting
    QMenu *setting = nullptr;
    mnuSetting = submenu(bar, "mnuSetting", 280, &setting);
    mnuSettingOnline = item(setting, "mnuSettingOnline", num(293), &MainWindow::mnuSettingOnline_Click);
    mnuSettingOffline = item(setting, "mnuSettingOffline", num(294), &MainWindow::mnuSettingOffline_Click);
    setting->addSeparator();
    mnuSettingDeviceOnline = item(setting, "mnuSettingDeviceOnline", num(281), &MainWindow::mnuSettingDeviceOnline_Click);
    mnuSettingDeviceOffline = item(setting, "mnuSettingDeviceOffline", num(282), &MainWindow::mnuSettingDeviceOffline_Click);
    mnuSettingCtMode = item(setting, "mnuSettingCtMode", num(297), &MainWindow::mnuSettingCtMode_Click);
    mnuSettingParameter = item(setting, "mnuSettingParameter", QStringLiteral("詳細設定"), &MainWindow::mnuSettingParameter_Click);
    hide(mnuSettingParameter);

    // Window
    QMenu *window = nullptr;
    mnuWindow = submenu(bar, "mnuWindow", 3016, &window);
    mnuWindowCascade = item(window, "mnuWindowCascade", num(3017), &MainWindow::mnuWindowCascade_Click);
    mnuWindowTileHorizontal = item(window, "mnuWindowTileHorizontal", num(3018), &MainWindow::mnuWindowTileHorizontal_Click);
    hide(mnuWindowTileHorizontal);
    mnuWindowTileVertical = item(window, "mnuWindowTileVertical", num(3019), &MainWindow::mnuWindowTileVertical_Click);
    hide(mnuWindowTileVertical);
    // Below the arrangement commands: one item per open child window, the
    // active one checked; rebuilt whenever the menu opens.
    m_windowMenu = window;
    connect(window, &QMenu::aboutToShow, this, &MainWindow::RefreshWindowList);

    // Help
    QMenu *help = nullptr;
    mnuHelp = submenu(bar, "mnuHelp", 3020, &help);
    mnuHelpContents = item(help, "mnuHelpContents", num(3021), &MainWindow::mnuHelpContents_Click);
    mnuHelpSearchForHelpOn = item(help, "mnuHelpSearchForHelpOn", num(3022), &MainWindow::mnuHelpSearchForHelpOn_Click);
    hide(mnuHelpSearchForHelpOn);
    help->addSeparator();
    mnuHelpAbout = item(help, "mnuHelpAbout", num(3023), &MainWindow::mnuHelpAbout_Click);

    // The right-click menu of the position and program grids; not on the bar.
    mnuPopupMenu = new QMenu(QStringLiteral("Popup"), this);
    mnuPopupMenu->setObjectName(QStringLiteral("mnuPopup"));
    mnuPopup = mnuPopupMenu->menuAction();
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    mnuPopupCopy = item(mnuPopupMenu, "mnuPopupCopy", num(3010), &MainWindow::mnuPopupCopy_Click);
    mnuPopupPaste = item(mnuPopupMenu, "mnuPopupPaste", num(3011), &MainWindow::mnuPopupPaste_Click);
    mnuPopupLineInsert = item(mnuPopupMenu, "mnuPopupLineInsert", num(208), &MainWindow::mnuPopupLineInsert_Click);
    mnuPopupLineDelete = item(mnuPopupMenu, "mnuPopupLineDelete", num(209), &MainWindow::mnuPopupLineDelete_Click);
    mnuPopup->setVisible(false);
}

void MainWindow::buildToolBar()
{
    tbToolBar = addToolBar(QStringLiteral("tbToolBar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    struct Button {
        const char *key;  // UTF-8; empty = separator
        int tip;
        Icons::Tool icon;
    };
    const Button buttons[12] = {
        {"新規作成", 3024, Icons::Tool::New},
        {"開く", 3025, Icons::Tool::Open},
        {"上書き保存", 3026, Icons::Tool::Save},
        {"", 0, Icons::Tool::New},
        {"印刷", 3027, Icons::Tool::Print},
        {"", 0, Icons::Tool::New},
        {"切り取り", 3028, Icons::Tool::Cut},
        {"ｺﾋﾟｰ", 3029, Icons::Tool::Copy},
        {"貼り付け", 3030, Icons::Tool::Paste},
        {"", 0, Icons::Tool::New},
        {"プログラム編集", 3054, Icons::Tool::ProgEdit},
        {"プログラム実行", 3055, Icons::Tool::ProgRun},
    };
    for (int i = 0; i < 12; ++i) {
        const Button &b = buttons[i];
        if (!*b.key) {
            m_buttons[i] = tbToolBar->addSeparator();
            continue;
        }
        const QString key = QString::fromUtf8(b.key);
        auto *a = new QAction(Icons::ToolIcon(b.icon), key, tbToolBar);
        a->setData(key);
        a->setObjectName(QStringLiteral("tbButton%1").arg(i + 1));
        a->setToolTip(QString::number(b.tip));   // localised by its identifier
        tbToolBar->addAction(a);
        m_buttons[i] = a;
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this, &MainWindow::tbToolBar_ButtonClick);
}

void MainWindow::buildStatusPanel()
{
    PictureStatus = new QWidget(this);
    PictureStatus->setObjectName(QStringLiteral("PictureStatus"));
    PictureStatus->setFixedHeight(Twips::ToPx(kPanelHeight));

    ProgressBar1 = new QProgressBar(PictureStatus);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->hide();

    lblStatus = new QLabel(PictureStatus);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));

    cmdComCancel = Loc::Tagged(new QPushButton(QStringLiteral("150"), PictureStatus), 150);
    cmdComCancel->setObjectName(QStringLiteral("cmdComCancel"));
    cmdComCancel->hide();
    cmdComCancel->setEnabled(false);
    connect(cmdComCancel, &QPushButton::clicked, this, &MainWindow::cmdComCancel_Click);

    Line1 = new QFrame(PictureStatus);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Sunken);

    cmdReset = Loc::Tagged(new QPushButton(QStringLiteral("286"), PictureStatus), 286);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    connect(cmdReset, &QPushButton::clicked, this, &MainWindow::cmdReset_Click);

    lblAlarm = new QLabel(QStringLiteral("ALARM"), PictureStatus);
    lblAlarm->setObjectName(QStringLiteral("lblAlarm"));
    lblComPort = new QLabel(QStringLiteral("RS-232C"), PictureStatus);
    lblComPort->setObjectName(QStringLiteral("lblComPort"));

    auto image = [this](const char *name, const QPixmap &pm, bool visible) {
        auto *l = new QLabel(PictureStatus);
        l->setObjectName(QString::fromLatin1(name));
        l->setPixmap(pm);
        l->setVisible(visible);
        return l;
    };
    // The grey lamps lie under the indicators, which show only when lit.
    Image1 = image("Image1", Icons::LampOff(), true);
    Image2 = image("Image2", Icons::LampOff(), true);
    imgAlarm = image("imgAlarm", Icons::AlarmLamp(), false);
    imgComPort = image("imgComPort", Icons::LinkLamp(), false);

    lblCtMode = new QLabel(PictureStatus);
    lblCtMode->setObjectName(QStringLiteral("lblCtMode"));
    lblCtMode->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCtMode->setFrameShape(QFrame::NoFrame);
    // The label ends at the window's edge; its text keeps clear of it.
    lblCtMode->setContentsMargins(0, 0, 8, 0);
    lblCtMode->installEventFilter(this);
}

void MainWindow::RefreshWindowList()
{
    for (QAction *a : std::as_const(m_windowItems)) {
        m_windowMenu->removeAction(a);
        a->deleteLater();
    }
    m_windowItems.clear();
    const QList<QMdiSubWindow *> subs = m_mdi->subWindowList();
    QMdiSubWindow *active = m_mdi->activeSubWindow();
    int n = 0;
    for (QMdiSubWindow *sub : subs) {
        if (!sub->isVisible() && !(sub->widget() && sub->widget()->isVisible()))
            continue;
        if (m_windowItems.isEmpty())
            m_windowItems.append(m_windowMenu->addSeparator());
        ++n;
        const QString title = sub->windowTitle().isEmpty() && sub->widget() ? sub->widget()->windowTitle()
                                                                             : sub->windowTitle();
        QAction *a = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(n).arg(title));
        a->setObjectName(QStringLiteral("mnuWindowList%1").arg(n));
        a->setCheckable(true);
        a->setChecked(sub == active);
        QPointer<QMdiSubWindow> target(sub);
        connect(a, &QAction::triggered, this, [this, target] {
            if (target) {
                target->showNormal();
                m_mdi->setActiveSubWindow(target);
            }
        });
        m_windowItems.append(a);
    }
}

QList<QAction *> MainWindow::WindowListItems() const
{
    QList<QAction *> out;
    for (QAction *a : m_windowItems)
        if (!a->isSeparator())
            out.append(a);
    return out;
}

int MainWindow::widthTwips() const { return Twips::FromPx(width()); }

QAction *MainWindow::ToolButton(int index) const
{
    if (index < 1 || index > int(m_buttons.size()))
        return nullptr;
    return m_buttons[index - 1];
}

// ---------------------------------------------------------------- load

QString MainWindow::VersionCaption()
{
    return Platform::ResText(201) + QStringLiteral(" Ver") + AppVersion::Number();
}

void MainWindow::RestoreRect()
{
    const int left = Twips::Setting(QStringLiteral("MainLeft"), 1000);
    const int top = Twips::Setting(QStringLiteral("MainTop"), 1000);
    int w = Twips::Setting(QStringLiteral("MainWidth"), 15240);
    int h = Twips::Setting(QStringLiteral("MainHeight"), 11000);
    if (w <= 0)
        w = 15240;
    if (h <= 0)
        h = 11000;
    m_chosenRect = QRect(Twips::ToPx(left), Twips::ToPx(top), Twips::ToPx(w), Twips::ToPx(h));
    FitStartRect();
}

void MainWindow::FitStartRect()
{
    // The first rectangle is larger than a 1366x768 screen, and one stored
    // on a larger or a since removed monitor (or edited by hand) would put
    // the status panel, or the whole window with the start-up question
    // beside it, out of view.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    const QRect r = OnScreen::StartRect(*m_chosenRect, margins, OnScreen::AvailableAreaFor(*m_chosenRect));
    move(r.topLeft());
    resize(r.size());
    m_startRect = QRect(pos(), size());
}

void MainWindow::MDIForm_Load()
{
    Loc::SetCaptionFromRes(this);
    RestoreRect();
    Platform::WaitUntil([] { return App().SplashDone; });
    ShowPosiWindowOnce();
    LayoutStatusPanel();
    // Online or offline, and what follows.
    Online::CtConnectAtStart();
    setWindowTitle(VersionCaption());
}

PositionWindow *MainWindow::PosiWindow()
{
    if (!m_posi)
        m_posi = new PositionWindow();
    return m_posi;
}

QMdiSubWindow *MainWindow::ShowChild(QWidget *form, std::optional<QPoint> at)
{
    QMdiSubWindow *sub = nullptr;
    for (QMdiSubWindow *s : m_mdi->subWindowList())
        if (s->widget() == form)
            sub = s;
    const bool opening = !sub;
    if (opening) {
        sub = m_mdi->addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose);
    }
    // The area would hand a maximized child's state on to the window it
    // activates: a window shown from here keeps its own size instead.
    const bool handOn = !m_mdi->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    form->show();
    sub->show();
    m_mdi->setActiveSubWindow(sub);
    m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, !handOn);
    if (opening || at) {
        if (at)
            sub->move(*at);
        OnScreen::KeepChildInArea(sub);
    }
    return sub;
}

void MainWindow::ShowPosiWindowOnce()
{
    if (m_posiShown)
        return;
    m_posiShown = true;
    ShowChild(PosiWindow());
    // The child window brings the frame on screen with it; the splash stays
    // in front of the frame (not of the start-up questions, which come later).
    if (!isVisible()) {
        show();
        // The frame around the window is known once it is on screen.
        if (m_chosenRect)
            FitStartRect();
    }
    OnScreen::KeepChildInArea(qobject_cast<QMdiSubWindow *>(PosiWindow()->parentWidget()));
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("SplashWindow") && w->isVisible())
            w->raise();
}

QWidget *MainWindow::OpenProgWindow()
{
    auto *w = new ProgramWindow();
    w->setWindowTitle(QStringLiteral("Program ") + QString::number(App().SelProgNo));
    w->LetCopyProgNo(App().SelProgNo);
    ShowChild(w);
    return w;
}

// ---------------------------------------------------------------- status panel

void MainWindow::LayoutStatusPanel()
{
    if (!PictureStatus)
        return;
    const StatusPanelLayout L = ComputeStatusPanelLayout(widthTwips());
    Geometry::Place(ProgressBar1, L.progressLeft, L.progressTop, L.progressWidth, L.progressHeight);
    Geometry::Place(lblStatus, L.statusLeft, L.statusTop, L.statusWidth, L.statusHeight);
    Geometry::Place(cmdComCancel, L.cancelLeft, L.cancelTop, L.cancelWidth, L.cancelHeight);
    Geometry::Place(Line1, L.lineX, 0, 30, kPanelHeight);
    Geometry::Place(cmdReset, L.resetLeft, L.resetTop, L.resetWidth, L.resetHeight);
    Geometry::Place(lblAlarm, L.indicatorLabelLeft, kRow1Top, kIndicatorWidth, kIndicatorHeight);
    Geometry::Place(lblComPort, L.indicatorLabelLeft, kRow2Top, kIndicatorWidth, kIndicatorHeight);
    Geometry::Place(Image1, L.indicatorImageLeft, kRow1Top, kImageSize, kImageSize);
    Geometry::Place(imgAlarm, L.indicatorImageLeft, kRow1Top, kImageSize, kImageSize);
    Geometry::Place(Image2, L.indicatorImageLeft, kRow2Top, kImageSize, kImageSize);
    Geometry::Place(imgComPort, L.indicatorImageLeft, kRow2Top, kImageSize, kImageSize);
    Geometry::Place(lblCtMode, L.ctModeLeft, L.ctModeTop, L.ctModeWidth, L.ctModeHeight);
    imgAlarm->raise();
    imgComPort->raise();
}

void MainWindow::Disp_ProgressBar()
{
    const int W = widthTwips();
    if (App().ProgressBarOn) {
        lblStatus->resize(Twips::ToPx(W / 2 - (kCancelWidth + 30)), lblStatus->height());
        cmdComCancel->setEnabled(true);
        cmdComCancel->show();
    } else {
        cmdComCancel->hide();
        cmdComCancel->setEnabled(false);
        lblStatus->resize(Twips::ToPx(W / 2 - 30), lblStatus->height());
    }
    ProgressBar1->raise();
    ProgressBar1->show();
}

void MainWindow::Hide_ProgressBar()
{
    ProgressBar1->hide();
    ProgressBar1->setValue(ProgressBar1->minimum());
    lblStatus->clear();
    cmdComCancel->hide();
    cmdComCancel->setEnabled(false);
    lblStatus->resize(Twips::ToPx(widthTwips() / 2 - 30), lblStatus->height());
}

void MainWindow::SetPanelText(int panel, const QString &text)
{
    if (panel >= 1 && panel <= int(sbPanels.size()))
        sbPanels[panel - 1]->setText(text);
}

QString MainWindow::PanelText(int panel) const
{
    if (panel >= 1 && panel <= int(sbPanels.size()))
        return sbPanels[panel - 1]->text();
    return QString();
}

void MainWindow::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    LayoutStatusPanel();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == lblCtMode && e->type() == QEvent::MouseButtonDblClick) {
        lblCtMode_DblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

// ---------------------------------------------------------------- timers

void MainWindow::Timer1_Timer()
{
    // The link indicator follows the serial port's open state, and never
    // says online while the application is offline (a jog's stop may leave
    // the port open after borrowing the line).
    if (Comm::PortIsOpen() && !App().OfflineFlag)
        Indicators::OnlineImg_Disp();
    else
        Indicators::OnlineImg_Hide();
    sbStatusBar->update();
}

void MainWindow::TimerTest_Timer()
{
    TimerTest->stop();
    mnuFileNewProg_Click();
}

void MainWindow::Timer2_Timer()
{
    if (!App().ShowParaWinReq)
        return;
    Timer2->stop();
    App().ShowParaWinReq = false;
    // Unlike the View menu's command, ParaWinOpen is left as it is.
    ShowChild(ParameterWindow::Instance());
}

void MainWindow::timerTerminate_Timer()
{
    timerTerminate->stop();
    close();
}

// ---------------------------------------------------------------- shut-down

bool MainWindow::MDIForm_QueryUnload(UnloadMode mode)
{
    if (App().TeachModeFlag) {
        Platform::Dialogs::MsgBox(Platform::ResLines({60, 61}),
                                  Platform::MsgButtons::Ok, Platform::MsgIcon::None);
        return false;
    }
    if (mode == UnloadMode::User && App().BusyFlag)
        return false;
    return true;
}

bool MainWindow::MDIForm_Unload()
{
    if (App().BusyFlag)
        return false;
    // Every other window goes first; a window that refuses to close (the
    // position window's Cancel at its save prompt) keeps the application up.
    App().UnloadingAll = true;
    const struct UnloadingEnds {
        ~UnloadingEnds() { App().UnloadingAll = false; }
    } unloadingEnds;
    // The position window goes last: its unload ends the application, so a
    // program window that refuses to close must be asked before it.
    QList<QMdiSubWindow *> subs = m_mdi->subWindowList();
    std::stable_partition(subs.begin(), subs.end(),
                          [this](QMdiSubWindow *s) { return !m_posi || s->widget() != m_posi.data(); });
    for (QMdiSubWindow *s : subs) {
        QPointer<QMdiSubWindow> guard(s);
        QWidget *w = s->widget();
        const bool isPosi = w && w == m_posi.data();
        if (isPosi)
            m_posi->UnloadByCode = true;
        const bool closed = s->close();
        if (isPosi && m_posi)
            m_posi->UnloadByCode = false;
        const bool posiCancelled = isPosi && m_posi && m_posi->QueryUnloadCancel;
        if (!closed || posiCancelled) {
            show();
            return false;
        }
    }
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || !Forms::IsOwnWindowName(w->objectName()))
            continue;
        if (!w->close()) {
            show();
            return false;
        }
    }
    Platform::ClearSettingsSaveFailure();
    AppSettings::SaveAppSettingOf(MainRectToKeep());
    // Said once, for every key the exit could not store; closing goes on.
    if (Platform::SettingsSaveFailed())
        Platform::Dialogs::MsgBox(Platform::ResText(9402) + QStringLiteral("\r\n") + Platform::SettingsFilePath(),
                                  Platform::MsgButtons::Ok, Platform::MsgIcon::Warning);
    m_unloaded = true;
    emit applicationEnd();
    return true;
}

void MainWindow::closeEvent(QCloseEvent *e)
{
    if (m_unloaded) {
        e->accept();
        return;
    }
    // A close from the close box or the system menu arrives from the window
    // system; one asked for by code does not.
    const UnloadMode mode = e->spontaneous() ? UnloadMode::User : UnloadMode::Code;
    if (!MDIForm_QueryUnload(mode) || !MDIForm_Unload()) {
        e->ignore();
        return;
    }
    e->accept();
}
