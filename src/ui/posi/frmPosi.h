#pragma once
// The position window: a child window of the main window and the
// application's anchor (closing it closes the application).
#include "core/CommandSets.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class PosiGridView;
class QTabWidget;

class frmPosi : public QWidget, public CommandSets::CommandSet {
    Q_OBJECT
public:
    explicit frmPosi(QWidget *parent = nullptr);
    ~frmPosi() override;

    // Set when the user cancelled this window's close (close or save prompt);
    // the main window's unload reads it.
    bool QueryUnloadCancel = false;
    // The position grid: a view of PosiGrid::Grid(), where its texts live.
    PosiGridView *flgdData = nullptr;
    std::array<QLabel *, 4> lblDeviceType{}; // actuator model text per axis
    QTabWidget *SSTabCommand = nullptr;      // command tabs; 1 and 2 follow the link
    QPushButton *cmdInsertLine = nullptr;
    QPushButton *cmdDeleteLine = nullptr;
    QPushButton *cmdPosiCopy = nullptr;
    QPushButton *cmdPosiPaste = nullptr;

    // Saves "PortNo", applies a pending language change, saves the exit
    // settings and has the main window close the application 100 ms later.
    void Form_Unload();

public slots:
    void SinkiSakusei();
    void PosidataFileOpen();
    void PosidataGetfromCt();
    void PosidataLoadtoCt();
    void PosidataSaveToFile();
    void PosiDataSaveAs();
    void PrintPosiData();
    void cmdInsertLine_Click();
    void cmdDeleteLine_Click();
    void cmdPosiCopy_Click();
    void cmdPosiPaste_Click();
    void PosCMDBTN_Muko();
    void PosCMDBTN_Yuko();
    void EditCMD_Muko();
    // 0 = every position valid, 1 = some position out of range, 2 = no data.
    int PosiDataCheck3();
    int Check_flgdLineNo();
    // Writes the position file of PosiNoStart..PosiNoEnd with this window's
    // actuator names; 0 written (caption updated), 1 failed.
    int SaveFileAs2(const QString &path);
    void QzDataHyoji_3();
    void QzDataHyoji_3Prg();
    void Change_DispUnit();
    void DispAxisData2();
    void SizeInit_PosFlexGridAtPosMode();
    void SizeInit_PosFlexGridAtPosMode2();
    void SizeInit_PosFlexGridAtPrgMode2();
    void SizeInit_PosFlexGridAtPrgMode3();
    void FG_HighSyoriStart();
    void FG_HighSyoriEnd();
    void FG_InitPos();
    // -1 = Back in the first question, -2 = Back in the actuator window,
    // anything else = the actuator setting was completed.
    int ChangeDev();

    // The command set of the walk.
    void CommandsOff() override
    {
        PosCMDBTN_Muko();
        EditCMD_Muko();
    }
    void CommandsOn() override { PosCMDBTN_Yuko(); }

protected:
    void closeEvent(QCloseEvent *e) override;
};
