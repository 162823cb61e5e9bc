#pragma once
// The input/output monitor: the controller's inputs and outputs, the present
// position of each axis and three watch lists, refreshed by one cycle after
// another while the window is open. A double-click on an output asks the
// next cycle to toggle it. Shown modally by the main window's Monitor
// command; a fresh window each time.
#include "live/WatchList.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;
class QTimer;
class QWidget;

class MonitorWindow : public QDialog {
    Q_OBJECT
public:
    explicit MonitorWindow(QWidget *parent = nullptr);
    ~MonitorWindow() override;

    // ---- state -----------------------------------------------------------
    bool IoMoniActive = false;   // from the load until the close
    bool IoShowingNow = false;     // the grids are being written
    bool IoWinCloseReq = false;  // the window is closing or closed
    std::array<int32_t, 4> PresentPosMoni{};
    // The cycle ended for good after a failure; the window shows it.
    bool CycleStopped() const { return m_stopped; }
    // A full list refused an Add.
    int BeepCount() const { return m_beeps; }

    // ---- controls ----------------------------------------------------------
    QStandardItemModel *inModel = nullptr;    // 25 x 2
    QStandardItemModel *outModel = nullptr;   // 19 x 2
    QTableView *flgdInput = nullptr;
    QTableView *flgdOutput = nullptr;
    std::array<QLabel *, 4> lblCurrentPos{};
    QCheckBox *chkIgnore = nullptr;
    QCheckBox *chkEditItem = nullptr;
    QPushButton *cmdIoWinClose = nullptr;
    QLineEdit *txtDummyMoni = nullptr;
    QTimer *timerInputOutput1 = nullptr;
    QTimer *TimerDispInit = nullptr;

    Watch::WatchList *flagList = nullptr;
    Watch::WatchList *variableList = nullptr;
    Watch::WatchList *posVariableList = nullptr;
    QTableView *flgdFlag = nullptr;
    QTableView *flgdVariable = nullptr;
    QTableView *flgdPVariable = nullptr;
    QWidget *PictureFlag = nullptr;
    QWidget *PictureVariable = nullptr;
    QWidget *PicturePosVariable = nullptr;
    std::array<QRadioButton *, 2> optFlag{};
    std::array<QRadioButton *, 2> optVariable{};
    QLabel *Label3 = nullptr;
    QLabel *Label5 = nullptr;
    QSpinBox *txtPrgNo = nullptr;    // with its up-down
    QSpinBox *txtFlagNo = nullptr;
    QSpinBox *txtHPrgNo = nullptr;
    QSpinBox *txtVariableNo = nullptr;
    QSpinBox *txtPHPrgNo = nullptr;
    QSpinBox *txtPVariableNo = nullptr;
    QPushButton *cmdAddFlag = nullptr;
    QPushButton *cmdDeleteFlag = nullptr;
    QPushButton *cmdAddVariable = nullptr;
    QPushButton *cmdDeleteVariable = nullptr;
    QPushButton *cmdAddPosVariable = nullptr;
    QPushButton *cmdDeletePosVariable = nullptr;

    QString cell(const QStandardItemModel *m, int row, int col) const;

    // ---- procedures ----------------------------------------------------------
    void ShowIoState();
    void ReadnDisp_PresentPosMoni(int &result);
    void ReadnDisp_FlagMoni();
    void ReadnDisp_VariableMoni();
    void ReadnDisp_PosVariableMoni();
    void FlagGrid_Init();
    void VariableGrid_Init();
    void PosVariableGrid_Init();

    // The watch-list files in the user's data folder.
    static QString ListFile(Watch::Kind kind);

public slots:
    void timerInputOutput1_Timer();
    void TimerDispInit_Timer();
    void chkIgnore_Click();
    void chkEditItem_Click();
    void flgdOutput_DblClick(int row, int col);
    void cmdIoWinClose_Click();
    void optFlag_Click(int index);
    void optVariable_Click(int index);
    void cmdAddFlag_Click();
    void cmdAddVariable_Click();
    void cmdAddPosVariable_Click();
    void cmdDeleteFlag_Click();
    void cmdDeleteVariable_Click();
    void cmdDeletePosVariable_Click();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void setIoNames(bool prgMode);
    void pollList(Watch::WatchList &list);
    void addItem(Watch::WatchList &list, QTableView *view, const Watch::Entry &entry);
    void deleteItem(Watch::WatchList &list, QTableView *view);
    void listWidths(QTableView *view);
    void showStopped();
    // Form_QueryUnload and the unload: once, whatever asked for it.
    void unloadWindow();

    bool m_inCycle = false;
    bool m_stopped = false;
    bool m_unloaded = false;
    int m_beeps = 0;
};
