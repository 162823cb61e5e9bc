#pragma once
// The group window: the 99 groups of start and end position, 33 to a page,
// read, written and verified with the controller and with files, and
// printed. A modeless child of the main window; it edits GrpData only.
#include "core/CommandSets.h"
#include "ui/grpsm/GrpSmFlows.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class GroupWindow : public QWidget, public CommandSets::CommandSet, public GrpSmFlows::View {
    Q_OBJECT
public:
    static constexpr int kRows = 33;

    explicit GroupWindow(QWidget *parent = nullptr);
    ~GroupWindow() override;

    // The command set of the walk.
    void CommandsOff() override { GroupCommandsOff(); }
    void CommandsOn() override { GroupCommandsOn(); }


    QGroupBox *framPageNo = nullptr;
    std::array<QRadioButton *, 3> optGrpNo{};
    std::array<QLabel *, kRows> lblGrpNo{};
    std::array<QLineEdit *, kRows> txtGrpStartNo{};
    std::array<QLineEdit *, kRows> txtGrpEndNo{};
    QLabel *lblStartPosi = nullptr;
    QLabel *lblEndPosi = nullptr;
    QPushButton *cmdReadGrp = nullptr;
    QPushButton *cmdGrpFileOpen = nullptr;
    QPushButton *cmdWriteGrp = nullptr;
    QPushButton *cmdGrpFileSave = nullptr;
    QPushButton *cmdGrpCtVerify = nullptr;
    QPushButton *cmdGrpFileVerify = nullptr;
    QPushButton *cmdGrpDataPrint = nullptr;
    QPushButton *cmdGrpFilePrint = nullptr;
    QPushButton *cmdCloseGrpWindow = nullptr;

public slots:
    void GroupCommandsOff();
    void GroupCommandsOn();

    void optGrpNo_Click(int index);
    void cmdReadGrp_Click();
    void cmdWriteGrp_Click();
    void cmdGrpCtVerify_Click();
    void cmdGrpFileOpen_Click();
    void cmdGrpFileSave_Click();
    void cmdGrpFileVerify_Click();
    void cmdGrpDataPrint_Click();
    void cmdGrpFilePrint_Click();
    void cmdCloseGrpWindow_Click();

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // View of the commands.
    void TakeTypedValue() override;
    void ShowData() override { ShowGroupData(); }

    void ShowGroupData();
    void setCommandsEnabled(bool on);
    // The box's value into the table (its lost focus).
    void takeBox(QLineEdit *box);
    void run(GrpSmFlows::GrpCommand c);

    int m_base = 0; // group shown in row 0, less one
};
