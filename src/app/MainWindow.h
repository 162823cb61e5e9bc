#pragma once
// The main window: a multiple-document frame with the menus, the toolbar,
// the status panel (progress, cancel, alarm reset, controller mode, alarm and
// link indicators) and the status bar. It is the program's shell: the
// logic below reaches it through Shell::Get(), and its own command set is
// switched with every other window's.
#include "core/CommandSets.h"
#include "core/Shell.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <optional>
#include <array>

class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolBar;
class PositionWindow;

// Where each status-panel control goes for a window width W (twips).
struct StatusPanelLayout {
    int progressLeft, progressTop, progressWidth, progressHeight;
    int statusLeft, statusTop, statusWidth, statusHeight;
    int cancelLeft, cancelTop, cancelWidth, cancelHeight;
    int lineX;
    int resetLeft, resetTop, resetWidth, resetHeight;
    int ctModeLeft, ctModeTop, ctModeWidth, ctModeHeight;
    int indicatorLabelLeft;   // lblAlarm, lblComPort
    int indicatorImageLeft;   // Image1, Image2, imgAlarm, imgComPort
};
StatusPanelLayout ComputeStatusPanelLayout(int widthTwips);

class MainWindow : public QMainWindow, public Shell::Face, public CommandSets::CommandSet {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // ---- the shell (app/MainWindowShell.cpp) ----
    void SetStatusPanel(int panel, const QString &text) override;
    void SetAlarmLamp(bool on) override;
    void SetLinkLamp(bool on) override;
    void SetStatusText(const QString &text) override;
    void ProgressBegin(int maximum, const QString &status, bool cancelOffered) override;
    void ProgressStep(int value) override;
    void ProgressShow() override;
    void ProgressHide() override;
    void BusyPointer(bool on) override;
    void MainCommandsOff() override;
    void MainCommandsOn() override;
    void DispControlerMode() override;
    void StartNewProgramTimer() override;
    void StartTerminateTimer() override;
    void RequestParameterWindow(int delayMs) override;
    QWidget *MainWidget() override;
    std::optional<QRect> MainRectToKeep() override;
    QList<QWidget *> ChildWindows() override;
    QWidget *ActiveChild() override;
    QWidget *PosiForm() override;
    void SetPosiCaption(const QString &caption) override;
    void SetDeviceLabel(int axis, const QString &text) override;
    void PosiCommandsOff() override;
    void PosiCommandsOn() override;
    void PosiEditCommandsOff() override;
    void SetPosiTabsEnabled(bool enabled) override;
    void SetPosiCommandTabsEnabled(bool enabled) override;
    int ChangeDev() override;
    void ShowPosiCheckResult() override;
    int CheckParametersPresent() override;
    int TakeInParameterValues() override;
    int CheckParameterValues() override;
    // The command set of the walk.
    void CommandsOff() override { AllCommandsOff(); }
    void CommandsOn() override { AllCommandsOn(); }

    // Load: localise, restore the rectangle, wait for the splash, show the
    // position window, lay out the status panel, the start-up connection,
    // the caption.
    void MDIForm_Load();
    void LayoutStatusPanel();
    void ShowPosiWindowOnce();
    // The position window, created (not shown) when it does not exist.
    PositionWindow *PosiWindow();
    // Adds a window of ours as a child window (at `at` when given), shows and
    // activates it at its own size, never maximized after a maximized
    // sibling; a window it opens or moves lies wholly inside the work area.
    QMdiSubWindow *ShowChild(QWidget *form, std::optional<QPoint> at = std::nullopt);
    // A new program window for SelProgNo.
    QWidget *OpenProgWindow();

    // Caption: product title + " Ver" + major + "." + minor + revision.
    static QString VersionCaption();
    // Restores the rectangle from "MainLeft" ... "MainHeight", moved onto the
    // screen (and shrunk only where moving is not enough) where it does not
    // fit; the settings keep the one read until the user moves or resizes
    // the window.
    void RestoreRect();

    // Close guards. How a close was asked for:
    enum class UnloadMode { User, Code };
    // True when the close may go on (TeachModeFlag: strings 60/61; BusyFlag
    // with a close from the close box: refused silently).
    bool MDIForm_QueryUnload(UnloadMode mode);
    // Unloads every window and saves the settings; false when the unload was
    // cancelled (BusyFlag, or the position window's close was cancelled).
    bool MDIForm_Unload();

    // Status bar panels 1..3.
    void SetPanelText(int panel, const QString &text);
    QString PanelText(int panel) const;

    // Toolbar button by its 1-based index (separators included).
    QAction *ToolButton(int index) const;
    QMdiArea *mdiArea() const { return m_mdi; }
    // The Window menu's list of open child windows (rebuilt when the menu
    // opens): one checkable item per window, the active one checked.
    void RefreshWindowList();
    QList<QAction *> WindowListItems() const;

    // ---- the link's part of the main window (link/MainWindowLink.cpp) ----
    // Command sets switched around long operations.
    void AllCommandsOff();
    void AllCommandsOn();
    void MainWindowButtonsOff();
    void MainWindowButtonsOn();
    void ToolBarOff();
    void ToolBarOn();
    void MenusOff();
    void MenusOn();
    // Menus by controller mode (prgMode: PrgModeFlag) and OfflineFlag.
    void ChangeMenuDisp(bool prgMode) override;
    // lblCtMode by PrgModeFlag; the argument is not used.
    void DispControlerMode(bool flag);
    // The Setting menu's Offline and Online commands.
    void OfflineCommand();
    void OnlineCommand();
    // Going online: 0 = online, 1 = failed (its messages already shown).
    int fChangeToOnline();

    // ---- the actuator setting (app/ChangeDevice.cpp)
    // The user's offline actuator setting: actuator window or parameter file.
    static void Change_Device();

public slots:
    void Disp_ProgressBar();
    void Hide_ProgressBar();

    // Commands of the menus, toolbar and status panel.
    void mnuFileNewPosi_Click();
    void mnuFileNewProg_Click();
    void mnuFileOpenPosi_Click();
    void mnuFileOpenProg_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileSaveAll_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditInsert_Click();
    void mnuEditLineDelete_Click();
    void mnuPopupCopy_Click();
    void mnuPopupPaste_Click();
    void mnuPopupLineInsert_Click();
    void mnuPopupLineDelete_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewGrp_Click();
    void mnuViewSM_Click();
    void mnuViewMove_Click();
    void mnuViewTeaching_Click();
    void mnuViewParameter_Click();
    void mnuViewOptions_Click();
    void mnuViewSysPara_Click();
    void mnuContPosiRead_Click();
    void mnuContPosiWrite_Click();
    void mnuContProgRead_Click();
    void mnuContProgTask_Click();
    void mnuContVersion_Click();
    void mnuContAlarmReset_Click();
    void mnuMonitor_Click();
    void mnuSettingOnline_Click();
    void mnuSettingOffline_Click();
    void mnuSettingDeviceOnline_Click();
    void mnuSettingDeviceOffline_Click();
    void mnuSettingCtMode_Click();
    void mnuSettingParameter_Click();
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();
    void tbToolBar_ButtonClick(QAction *button);
    void cmdReset_Click();
    void cmdComCancel_Click();
    void lblCtMode_DblClick();

    // Timers.
    void Timer1_Timer();
    void TimerTest_Timer();
    void Timer2_Timer();
    void timerTerminate_Timer();

signals:
    // The main window has unloaded: the application ends.
    void applicationEnd();

public:
    // ---- status panel ----
    QWidget *PictureStatus = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *lblStatus = nullptr;
    QPushButton *cmdComCancel = nullptr;
    QFrame *Line1 = nullptr;
    QPushButton *cmdReset = nullptr;
    QLabel *lblAlarm = nullptr;
    QLabel *lblComPort = nullptr;
    QLabel *imgAlarm = nullptr;
    QLabel *imgComPort = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *lblCtMode = nullptr;
    QStatusBar *sbStatusBar = nullptr;
    std::array<QLabel *, 3> sbPanels{};

    // ---- timers ----
    QTimer *Timer1 = nullptr;         // 500 ms, the link indicator follows the port
    QTimer *TimerTest = nullptr;      // one-shot: new program window after start-up
    QTimer *Timer2 = nullptr;         // one-shot: parameter window after the actuator window
    QTimer *timerTerminate = nullptr; // one-shot, 100 ms: unload after the position window closed

    // The link's engine (serial port, pump, receive and time-out timers) is
    // owned here once it exists; the link creates and starts it.
    QObject *LinkEngine = nullptr;

    // ---- menus ----
    QMenu *mnuFileMenu = nullptr;
    QMenu *mnuPopupMenu = nullptr;
    QAction *mnuFile = nullptr, *mnuFileNew = nullptr, *mnuFileNewPosi = nullptr, *mnuFileNewProg = nullptr,
            *mnuFileOpen = nullptr, *mnuFileOpenPosi = nullptr, *mnuFileOpenProg = nullptr,
            *mnuFileClose = nullptr, *mnuFileSave = nullptr, *mnuFileSaveAs = nullptr,
            *mnuFileSaveAll = nullptr, *mnuFilePageSetup = nullptr, *mnuFilePrint = nullptr,
            *mnuFileExit = nullptr;
    QAction *mnuEdit = nullptr, *mnuEditCopy = nullptr, *mnuEditPaste = nullptr, *mnuEditInsert = nullptr,
            *mnuEditLineDelete = nullptr;
    QAction *mnuView = nullptr, *mnuViewToolbar = nullptr, *mnuViewStatusBar = nullptr, *mnuViewGrp = nullptr,
            *mnuViewSM = nullptr, *mnuViewMove = nullptr, *mnuViewTeaching = nullptr,
            *mnuViewParameter = nullptr, *mnuViewOptions = nullptr, *mnuViewSysPara = nullptr;
    QAction *mnuCont = nullptr, *mnuContPosi = nullptr, *mnuContPosiRead = nullptr, *mnuContPosiWrite = nullptr,
            *mnuContProg = nullptr, *mnuContProgRead = nullptr, *mnuContProgTask = nullptr,
            *mnuContVersion = nullptr, *mnuContAlarmReset = nullptr;
    QAction *mnuMonitor = nullptr;
    QAction *mnuSetting = nullptr, *mnuSettingOnline = nullptr, *mnuSettingOffline = nullptr,
            *mnuSettingDeviceOnline = nullptr, *mnuSettingDeviceOffline = nullptr,
            *mnuSettingCtMode = nullptr, *mnuSettingParameter = nullptr;
    QAction *mnuWindow = nullptr, *mnuWindowCascade = nullptr, *mnuWindowTileHorizontal = nullptr,
            *mnuWindowTileVertical = nullptr;
    QAction *mnuHelp = nullptr, *mnuHelpContents = nullptr, *mnuHelpSearchForHelpOn = nullptr,
            *mnuHelpAbout = nullptr;
    QAction *mnuPopup = nullptr, *mnuPopupCopy = nullptr, *mnuPopupPaste = nullptr,
            *mnuPopupLineInsert = nullptr, *mnuPopupLineDelete = nullptr;
    QToolBar *tbToolBar = nullptr;

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusPanel();
    int widthTwips() const;
    // The chosen rectangle fitted to the screen with the frame as far as it
    // is known.
    void FitStartRect();

    QMdiArea *m_mdi = nullptr;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowItems;
    QPointer<PositionWindow> m_posi;
    bool m_posiShown = false;
    // The rectangle read from the settings (pixels: frame corner, client
    // size) and the one the window was given for it at start.
    std::optional<QRect> m_chosenRect;
    QRect m_startRect;
    bool m_unloaded = false;
    int m_busyPointers = 0;
    std::array<QAction *, 12> m_buttons{};
};

// The main window as the shell knows it; nullptr when none is registered.
MainWindow *TheMainWindow();
