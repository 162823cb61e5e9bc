#pragma once
// The About box: product title, subtitle, description, notice, version, and
// the button that starts the desktop's system information program.
#include <QDialog>

class QLabel;
class QPushButton;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // "Version " + major + "." + minor + revision, plain decimals.
    static QString VersionText();

    // Starts the system information program, or shows text 1206.
    static void StartSysInfo();

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblTitle2 = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblHpAddress = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void Form_Load();
};
