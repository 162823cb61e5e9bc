#include "ui/paraedit/SystemParameterWindow.h"

#include "core/AppState.h"
#include "core/Shell.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/SysParaBlocks.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "ui/online/AxesAtRest.h"
#include "ui/online/GoOnline.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

using Platform::ResLines;
using Platform::ResText;
using Platform::Dialogs::MsgBox;
using Platform::MsgAnswer;
using Platform::MsgButtons;
using Platform::MsgIcon;

namespace {

// The motor frame sizes of the first three frames, top to bottom; the
// current-down and push frames write the D of the last size full-width.
QStringList frameSizes(bool fullWidthD)
{
    QStringList rows{QStringLiteral("28角"), QStringLiteral("35角"), QStringLiteral("42角"),
                     QStringLiteral("20角"), QStringLiteral("E35角"),
                     fullWidthD ? QStringLiteral("42角Ｄ") : QStringLiteral("42角D")};
    const QString digits = QStringLiteral("１２３４５６７８９");
    for (int i = 0; i < 9; ++i)
        rows << QStringLiteral("未使用") + digits[i];
    rows << QStringLiteral("未使用10");
    return rows;
}

const char *const kOtherItems[8] = {
    "強制ｶﾚﾝﾄｱｯﾌﾟ ﾊﾟｰｾﾝﾄ１", "押付速度１", "強制ｶﾚﾝﾄｱｯﾌﾟ ﾊﾟｰｾﾝﾄ２", "押付速度２",
    "強制ｶﾚﾝﾄｱｯﾌﾟ ﾊﾟｰｾﾝﾄ３", "押付速度３", "強制ｶﾚﾝﾄｱｯﾌﾟ ﾊﾟｰｾﾝﾄ４", "押付速度４",
};

// The window's transfer: its own close refused, and the busy bracket (the
// write's included) around it.
class Transfer {
public:
    explicit Transfer(bool &running) : m_running(running), m_busy(CommandSets::BusyParts{true, false, false, false})
    {
        m_running = true;
    }
    ~Transfer() { m_running = false; }
    Transfer(const Transfer &) = delete;
    Transfer &operator=(const Transfer &) = delete;

private:
    bool &m_running;
    CommandSets::BusyScope m_busy;
};

} // namespace

SystemParameterWindow::SystemParameterWindow(QWidget *parent) : QWidget(parent)
{
    // Not localised: the design's texts stand in both languages.
    setObjectName(QStringLiteral("SystemParameterWindow"));
    setWindowTitle(QStringLiteral("システムパラメータ"));
    buildLayout();
    CommandSets::Register(this);
}

SystemParameterWindow::~SystemParameterWindow() { CommandSets::Unregister(this); }

void SystemParameterWindow::buildLayout()
{
    auto newBox = [this](int i) {
        auto *t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("txtSystemPara%1").arg(i));
        t->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        t->setAlignment(Qt::AlignRight);
        txtSystemPara[size_t(i)] = t;
        return t;
    };
    auto newLabel = [this](int i, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QStringLiteral("lblSystemPara%1").arg(i));
        lblSystemPara[size_t(i)] = l;
        return l;
    };
    auto newFrame = [this](const char *name, const QString &caption) {
        auto *f = new QGroupBox(caption, this);
        f->setObjectName(QLatin1String(name));
        return f;
    };

    framFullCurrent = newFrame("framFullCurrent", QStringLiteral("電流設定"));
    auto *g1 = new QGridLayout(framFullCurrent);
    Label1 = new QLabel(QStringLiteral("100%電流値(mV)"), framFullCurrent);
    Label1->setObjectName(QStringLiteral("Label1"));
    g1->addWidget(Label1, 0, 1);
    const QStringList plain = frameSizes(false);
    for (int k = 0; k < 16; ++k) {
        g1->addWidget(newLabel(k, plain[k]), k + 1, 0);
        g1->addWidget(newBox(k), k + 1, 1);
    }

    framCurrenDown = newFrame("framCurrenDown", QStringLiteral("ｶﾚﾝﾄﾀﾞｳﾝ"));
    auto *g2 = new QGridLayout(framCurrenDown);
    Label2 = new QLabel(QStringLiteral("中"), framCurrenDown);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(QStringLiteral("低"), framCurrenDown);
    Label3->setObjectName(QStringLiteral("Label3"));
    g2->addWidget(Label2, 0, 1, Qt::AlignHCenter);
    g2->addWidget(Label3, 0, 2, Qt::AlignHCenter);
    const QStringList wide = frameSizes(true);
    for (int k = 0; k < 16; ++k) {
        g2->addWidget(newLabel(16 + k, wide[k]), k + 1, 0);
        g2->addWidget(newBox(16 + 2 * k), k + 1, 1);
        g2->addWidget(newBox(17 + 2 * k), k + 1, 2);
    }

    framPush = newFrame("framPush", QStringLiteral("押付け力"));
    auto *g3 = new QGridLayout(framPush);
    // An empty heading row keeps the rows level with the other frames.
    g3->addWidget(new QLabel(QString(), framPush), 0, 1);
    for (int k = 0; k < 16; ++k) {
        g3->addWidget(newLabel(32 + k, wide[k]), k + 1, 0);
        g3->addWidget(newBox(48 + k), k + 1, 1);
    }

    framSystemPara = newFrame("framSystemPara", QStringLiteral("その他設定項目"));
    auto *g4 = new QGridLayout(framSystemPara);
    for (int j = 0; j < 8; ++j) {
        g4->addWidget(newLabel(48 + j, QString::fromUtf8(kOtherItems[j])), j, 0);
        g4->addWidget(newBox(64 + j), j, 1);
    }

    auto button = [this](const char *name, const char *text) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    cmdReadFromCt = button("cmdReadFromCt", "ｺﾝﾄﾛｰﾗから読み込み");
    cmdWritetoCt = button("cmdWritetoCt", "ｺﾝﾄﾛｰﾗへ 書き込み");
    cmdCloseSysPara = button("cmdCloseSysPara", "閉じる");
    connect(cmdReadFromCt, &QPushButton::clicked, this, &SystemParameterWindow::cmdReadFromCt_Click);
    connect(cmdWritetoCt, &QPushButton::clicked, this, &SystemParameterWindow::cmdWritetoCt_Click);
    connect(cmdCloseSysPara, &QPushButton::clicked, this, &SystemParameterWindow::cmdCloseSysPara_Click);

    // The four frames side by side, the buttons stacked under the last.
    auto *row = new QHBoxLayout(this);
    row->addWidget(framFullCurrent, 0, Qt::AlignTop);
    row->addWidget(framCurrenDown, 0, Qt::AlignTop);
    row->addWidget(framPush, 0, Qt::AlignTop);
    auto *last = new QVBoxLayout;
    last->addWidget(framSystemPara);
    last->addSpacing(12);
    for (QPushButton *b : {cmdReadFromCt, cmdWritetoCt, cmdCloseSysPara})
        last->addWidget(b);
    last->addStretch();
    row->addLayout(last);
}

SysParaRules::Texts SystemParameterWindow::texts() const
{
    SysParaRules::Texts t;
    for (int i = 0; i < SysParaRules::kItems; ++i)
        t[size_t(i)] = txtSystemPara[size_t(i)]->text();
    return t;
}

void SystemParameterWindow::setButtons(bool on)
{
    for (QPushButton *b : {cmdReadFromCt, cmdWritetoCt, cmdCloseSysPara})
        b->setEnabled(on);
}

void SystemParameterWindow::SystemParameterCommandsOff() { setButtons(false); }
void SystemParameterWindow::SystemParameterCommandsOn() { setButtons(true); }

// ---------------------------------------------------------------- reading

void SystemParameterWindow::cmdReadFromCt_Click()
{
    const Transfer t(m_transfer);
    ReadSystemParameters();
}

void SystemParameterWindow::ReadSystemParameters()
{
    if (!Online::GoOnlineOnDemand())
        return;
    if (Comm::ReadSystemParametersFromCt() != 1) {
        update();
        SysParaDisp();
    }
    Comm::CloseCommPortIfFree();
}

void SystemParameterWindow::SysParaDisp()
{
    const auto &read = Comm::SysPara().SysParaReadValue;
    for (int i = 0; i < SysParaRules::kItems; ++i)
        txtSystemPara[size_t(i)]->setText(SysParaRules::DispText(read[size_t(i + 1)]));
}

// ---------------------------------------------------------------- writing

void SystemParameterWindow::cmdWritetoCt_Click()
{
    // The bracket holds BusyFlag, so the main window cannot close under the
    // write, and switches the main window's commands off with every other
    // window's.
    const Transfer t(m_transfer);
    SysParaWriteProc();
}

int SystemParameterWindow::CheckSystemParametersPresent() { return SysParaRules::CheckSystemParametersPresent(texts()); }

void SystemParameterWindow::TakeInSystemParameterValues()
{
    SysParaRules::TakeInSystemParameterValues(texts(), Comm::SysPara().SysParaWriteValue);
}

int SystemParameterWindow::CheckSystemParameterValues()
{
    return SysParaRules::CheckSystemParameterValues(Comm::SysPara().SysParaWriteValue);
}

void SystemParameterWindow::LetSysParaWriteToRead()
{
    auto &s = Comm::SysPara();
    for (int i = 0; i <= SysParaRules::kItems; ++i)
        s.SysParaReadValue[size_t(i)] = s.SysParaWriteValue[size_t(i)];
}

void SystemParameterWindow::SysParaWriteProc()
{
    if (MsgBox(ResText(475), MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    if (CheckSystemParametersPresent() != 0) {
        MsgBox(ResLines({7, 8}));
        return;
    }
    TakeInSystemParameterValues();
    if (CheckSystemParameterValues() == 1) {
        MsgBox(ResLines({1524, 1525}));
        return;
    }

    [&] {
        switch (Online::AxesAtRest()) {
        case 1:
            break;
        case 0:
            MsgBox(ResText(424));
            return;
        default:
            MsgBox(ResText(377));
            return;
        }
        int modeNo = 1;
        if (Comm::SetCommunicationMode(0, modeNo, 0) != 0) {
            MsgBox(ResText(377));
            return;
        }
        const int r = Comm::WriteSystemParametersToCt();
        if (r == 0)
            LetSysParaWriteToRead();
        modeNo = 0;
        if (Comm::SetCommunicationMode(0, modeNo, 0) != 0) {
            MsgBox(ResText(377));
            return;
        }
        Shell::Get().ProgressHide();
        Comm::CloseCommPortIfFree();
        MsgBox(ResText(r == 0 ? 1527 : 1528));
    }();
    update();
}

// ---------------------------------------------------------------- closing

void SystemParameterWindow::cmdCloseSysPara_Click()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void SystemParameterWindow::closeEvent(QCloseEvent *e)
{
    // Not while its own read or write runs: the transfer would go on into a
    // window that is gone.
    if (m_transfer && !App().UnloadingAll) {
        e->ignore();
        return;
    }
    e->accept();
}
