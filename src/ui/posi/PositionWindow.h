#pragma once
// The position window: a child window of the main window and the
// application's anchor (closing it closes the application). It edits the
// position grid and carries the move-test and teaching tabs.
#include "core/CommandSets.h"
#include "ui/common/ChildCommands.h"
#include "ui/live/Jog.h"
#include "ui/live/MoveTest.h"
#include "ui/live/Servo.h"

#include <QSize>
#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;
class QTimer;
class QPushButton;
class QRadioButton;
class QTableWidget;
class PosiGridView;
class QTabWidget;

// The window's size rules, in twips.
namespace PosiWindowSize {
inline constexpr int kMinWidth = 11000;
inline constexpr int kMinHeight = 5600;
// Size at load: a screen wider than 800 pixels gets 14000 wide and the main
// window's height less 2500, a smaller one 11670 x 8250.
QSize LoadSize(int screenWidthPx, int mainHeightTwips);
// The size a resize keeps (the limits), nothing to do when minimised or
// maximised (the size is returned unchanged).
QSize Limited(QSize twips, bool minimisedOrMaximised);
} // namespace PosiWindowSize

class PositionWindow : public QWidget,
                       public CommandSets::CommandSet,
                       public ChildCommands,
                       public MoveTest::Face,
                       public Jog::Face {
    Q_OBJECT
public:
    explicit PositionWindow(QWidget *parent = nullptr);
    ~PositionWindow() override;

    // Set when the user cancelled this window's close (close or save prompt);
    // the main window's unload reads it.
    bool QueryUnloadCancel = false;
    // Set by the main window while it closes the window itself (the close
    // box's refusals do not apply then).
    bool UnloadByCode = false;
    // No list or range move has completed since the window loaded (the
    // first list step starts at column 1).
    bool MoveFirstFlag = false;
    // What the move test keeps between runs.
    MoveTest::State MoveState;

    // The position grid: a view of PosiGrid::Grid(), where its texts live.
    PosiGridView *flgdData = nullptr;
    std::array<QLabel *, 4> lblDeviceType{}; // actuator model text per axis
    QTabWidget *SSTabCommand = nullptr;      // command tabs; 1 and 2 follow the link
    QPushButton *cmdPosiFileOpen = nullptr;
    QPushButton *cmdPosiSaveFile = nullptr;
    QPushButton *cmdPosiVerify = nullptr;
    QPushButton *cmdPosiRead = nullptr;
    QPushButton *cmdPosiLoad = nullptr;
    QPushButton *cmdPosiVerifyCt = nullptr;
    QPushButton *cmdJogTeach = nullptr;
    QPushButton *cmdInsertLine = nullptr;
    QPushButton *cmdDeleteLine = nullptr;
    QPushButton *cmdPosiCopy = nullptr;
    QPushButton *cmdPosiPaste = nullptr;
    QPushButton *cmdPrintPosi = nullptr;
    // Service buttons, not shown: the input/output monitor (two), the edit
    // commands off, and the end of a wait for the controller.
    QPushButton *cmdIOCheck1 = nullptr;
    QPushButton *cmdIOCheck2 = nullptr;
    QPushButton *cmdEditOff = nullptr;
    QPushButton *cmdTest = nullptr;
    // Move test: one panel per method, chosen by optMoveMethod.
    std::array<QWidget *, 3> pictureMove{};
    std::array<QRadioButton *, 3> optMoveMethod{};
    // Panel 0, list move: the move list (row 1, columns 1..15) and its editor.
    QTableWidget *flgdProgram = nullptr;
    QLineEdit *txtEdit2 = nullptr;
    QPushButton *cmdInp1toF = nullptr;
    QPushButton *cmdDataClear = nullptr;
    std::array<QRadioButton *, 2> optSelectMode{}; // Continual, Step
    QCheckBox *chkRepeat = nullptr;
    QCheckBox *chkTimerUse = nullptr;
    QLabel *lblTimer = nullptr;
    QLineEdit *txtTimer = nullptr;
    QCheckBox *chkNoSqMcr1 = nullptr;
    QPushButton *cmdMove = nullptr;
    QPushButton *cmdStop = nullptr;
    QPushButton *cmdTmpStop = nullptr;
    // Panel 1, range move.
    QLabel *lblRepMovStart = nullptr;
    QLabel *lblStartPosiNo = nullptr;
    QSlider *sldrStartPosiNo = nullptr;
    QSpinBox *updownStartPosiNo = nullptr;
    QLabel *lblRepMovEnd = nullptr;
    QLabel *lblEndPosiNo = nullptr;
    QSlider *sldrEndPosiNo = nullptr;
    QSpinBox *updownEndPosiNo = nullptr;
    QGroupBox *framMoveWay = nullptr;
    std::array<QRadioButton *, 2> optMoveWay{}; // Continual, Step
    QCheckBox *chkRepeat2 = nullptr;
    QGroupBox *framTimer2 = nullptr;
    QCheckBox *chkTimerUse2 = nullptr;
    QLabel *lblTimer2 = nullptr;
    QLineEdit *txtTimer2 = nullptr;
    QCheckBox *chkNoSqMcr2 = nullptr;
    QPushButton *cmdSelectMove = nullptr;
    QPushButton *cmdStop2 = nullptr;
    QPushButton *cmdTempStop2 = nullptr;
    // Panel 2, group move.
    QLabel *lblGroupNo = nullptr;
    QLabel *lblGrpNo = nullptr;
    QSlider *sldrGrpNo = nullptr;
    QSpinBox *UpDown2 = nullptr;
    QPushButton *cmdGrpMove = nullptr;
    QPushButton *cmdGrpMoveStop = nullptr;
    // Below the panels.
    QLabel *lblReachedCaption = nullptr;
    QLabel *lblReachedNo = nullptr;
    QLabel *imgHomeGreen = nullptr;
    QPushButton *cmdHome = nullptr;
    QTimer *timerMove = nullptr;
    // Teaching.
    QPushButton *cmdJOGST = nullptr;
    QPushButton *cmdJOGWrite = nullptr;
    QPushButton *cmdJOGend = nullptr;
    QLabel *lblPosiNo = nullptr;
    QGroupBox *framAxisEnable = nullptr;
    std::array<QCheckBox *, 4> CheckAxisEnable{};
    QLabel *lblPresentPosition = nullptr;
    std::array<QLabel *, 4> lblPosi{}; // lblPosi1..lblPosi4
    // Jog and inching: the operation, the jog speed (percent) and the
    // buttons (2k: axis k+1 "+", 2k+1: "-").
    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 4> optJOG{};
    QLabel *lblJogVEL = nullptr;
    QLabel *lblPercent = nullptr;
    QSpinBox *UpDown1 = nullptr;
    std::array<QPushButton *, 8> cmdJOG{};
    QLineEdit *txtDummy = nullptr;
    Jog::JogControl *JogCtl = nullptr;
    // Direct teaching.
    QCheckBox *chkDirectTeach = nullptr;
    std::array<QCheckBox *, 4> chkServoOn{};
    QTimer *timerJogTest = nullptr;
    Servo::State ServoState;
    bool JogModeEnded = true;

    void Form_Load();
    void Form_Resize();
    // Cancel true: the window stays. byCloseBox: closed by the user with
    // the close box (the refusals while teaching or busy apply).
    bool Form_QueryUnload(bool byCloseBox);
    // Changed data are asked about before they would be lost (message 391):
    // true to go on (saved, or No), false when the user cancelled or the
    // save did not go through.
    bool SaveChangesFirst();
    // Saves "PortNo", applies a pending language change, saves the exit
    // settings and has the main window close the application 100 ms later.
    void Form_Unload();

    // The grid's reactions.
    void CellChangeProc();
    void Disp_InputRange(int col);
    void SetEditMenuState();

public slots:
    void CreateNewPositions();
    void PosidataFileOpen();
    void PosidataGetfromCt();
    void PosidataLoadtoCt();
    // 0 written, 1 not.
    int PosidataSaveToFile();
    int PosiDataSaveAs();
    void PrintPosiData();
    void cmdInsertLine_Click();
    void cmdDeleteLine_Click();
    void cmdPosiCopy_Click();
    void cmdPosiPaste_Click();
    void cmdPosiVerify_Click();
    void cmdPosiVerifyCt_Click();
    void cmdIOCheck1_Click();
    void cmdIOCheck2_Click();
    void cmdEditOff_Click();
    void cmdTest_Click();
    // Pastes the clipboard's rows or column at the current cell.
    void PosiDataPaste();
    void DataButtonsOff();
    void DataButtonsOn();
    void PositionCommandsOff();
    void PositionCommandsOn();
    void EditCommandsOff();
    void MoveCommandsOff();
    void MoveCommandsOn();
    // The move test's buttons and controls.
    void cmdMove_Click();
    void cmdSelectMove_Click();
    void cmdGrpMove_Click();
    void cmdStop_Click();
    void cmdTmpStop_Click();
    void cmdStop2_Click();
    void cmdTempStop2_Click();
    void cmdGrpMoveStop_Click();
    void cmdHome_Click();
    void timerMove_Timer();
    void optMoveMethod_Click(int index);
    void SSTabCommand_Click();
    void optMoveWay_Click(int index);
    void chkTimerUse_Click();
    void chkTimerUse2_Click();
    void cmdInp1toF_Click();
    void cmdDataClear_Click();
    // The move list's editor: opened by a key (code as typed; 0..32 keep the
    // cell's text) or a double click; its navigation keys (Qt key codes).
    void flgdProgramEdit2(int keyCode);
    void Edit2KeyCode(int qtKey);
    void flgdProgram_GotFocus();
    void flgdProgram_LeaveCell(int row, int col);
    void JogCommandsOn();
    void JogCommandsOff();
    // Teaching.
    void cmdJOGST_Click();
    void cmdJOGWrite_Click();
    void cmdJOGend_Click();
    void JogModeEndServoOff();
    void JogModeEnd();
    void TeachCommandsOff();
    void Coloring_AxisLabel();
    // The grid row of a position number, -1 when none.
    int CheckTeachRow(int posiNo);
    int ReadnDisp_PresentPos();
    // Direct teaching.
    void chkDirectTeach_Click();
    void chkServoOn_Click(int index);
    int SendServoRequest();
    void ServoOnOffAll();
    void timerJogTest_Timer();
    void ShowServoChecks();
    void HideServoChecks();
    int Check_flgdLineNo();

    // The command set of the walk.
    void CommandsOff() override
    {
        PositionCommandsOff();
        EditCommandsOff();
    }
    void CommandsOn() override { PositionCommandsOn(); }

    // The main window's commands on this window while it is the active one.
    void CopyLines() override { cmdPosiCopy_Click(); }
    void PasteLines() override { cmdPosiPaste_Click(); }
    void InsertLines() override { cmdInsertLine_Click(); }
    void DeleteLines() override { cmdDeleteLine_Click(); }
    void OpenFile() override { PosidataFileOpen(); }
    void SaveAs() override { PosiDataSaveAs(); }

    // MoveTest::Face.
    MoveTest::State &Move() override { return MoveState; }
    bool &MoveFirst() override { return MoveFirstFlag; }
    QString ListCell(int col) override;
    bool ListStepMode() override;
    bool ListRepeat() override;
    bool ListSkipSm() override;
    MoveTest::DwellBox ListDwell() override;
    void ListRunning(bool running) override;
    QString StartText() override;
    QString EndText() override;
    bool RangeStepWay() override;
    bool RangeRepeat() override;
    bool RangeSkipSm() override;
    MoveTest::DwellBox RangeDwell() override;
    void RangeStarting() override;
    QString GroupText() override;
    void ShowReached(const QString &text) override;
    void ShowHomeGreen(bool shown) override;
    void ArmDwellTimer(int ms) override;
    void DataTeachTabsEnabled(bool enabled) override;
    void MoveButtonsEnabled(bool enabled) override;
    // Jog::Face.
    void JogButtonsEnabled(bool on) override;
    void FocusSink() override;
    int Operation() override;
    QString SpeedText() override;
    void ShowPresentPos(int axis, const QString &text) override;
    void EndTeachingAfterFailure() override;
    void CompleteTeaching() override;
    void OfferTeachingEnd(bool offered) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    // The size the window loads at: the frame it opens in takes it.
    QSize sizeHint() const override { return m_loadSize; }
    void showEvent(QShowEvent *e) override;

private:
    void buildMoveTab(QWidget *tab);
    void buildTeachTab(QWidget *tab);
    void showIOCheck();
    void loadMoveTab();
    // Range: sliders, up-downs and labels from one start and end.
    void showRange(int start, int end);
    void startChanged(int start);
    void endChanged(int end);
    void dwellEnabled(QLabel *label, QLineEdit *box, bool on);
    bool dwellKey(QLineEdit *box, int key);
    bool teachEvent(QObject *watched, QEvent *event);
    void endTeaching(bool servoOff);
    void popup(const QPoint &globalPos);
    void activated(bool on);
    QWidget *frameWindow();
    // cmdJOGend's state before a wait for rest offered it.
    bool m_teachEndWasEnabled = false;
    bool m_activationHooked = false;
    bool m_inResize = false;
    QSize m_loadSize;
};
