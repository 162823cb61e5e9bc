#include "ui/device/StrokeCalculatorDialog.h"

#include "core/Num.h"
#include "core/Shell.h"
#include "core/Twips.h"
#include "paradata/UnitConv.h"
#include "platform/StringTable.h"
#include "ui/common/Localize.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kStrokeMax = 600;
constexpr int kFactorOther = 400;
constexpr int kFactor42D = 192;

// A box's value as the calculator reads it: its leading number, rounded
// half to even; nothing when that leaves the 16-bit range.
std::optional<int16_t> valueOf(const QLineEdit *box) { return Num::IntOf(box->text()); }

// The design's filter of a box of at most `maxLength` digits.
int filterDigits(int key, qsizetype length, int maxLength)
{
    if (length >= maxLength && key != StrokeCalculatorDialog::kBackspace)
        return 0;
    const bool digit = key >= '0' && key <= '9';
    return digit || key == StrokeCalculatorDialog::kBackspace || key == StrokeCalculatorDialog::kTab ? key : 0;
}

} // namespace

StrokeCalculatorDialog::StrokeCalculatorDialog(ParaForm::Face *target, FocusTo focusTo, QWidget *parent)
    : QDialog(parent), m_target(target), m_focusTo(std::move(focusTo))
{
    setObjectName(QStringLiteral("StrokeCalculatorDialog"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Loc::SetTag(this, QStringLiteral("1301"));

    lblStroke = Loc::NamedTagged(new QLabel(QStringLiteral("Stroke length(mm)"), this), "lblStroke", 1302);
    txtStrokeLength = Loc::NamedTagged(new QLineEdit(this), "txtStrokeLength", 0);
    lblLead = Loc::NamedTagged(new QLabel(QStringLiteral("Lead(mm)"), this), "lblLead", 1303);
    txtLead = Loc::NamedTagged(new QLineEdit(this), "txtLead", 0);
    LabelAboutLead = Loc::NamedTagged(new QLabel(QStringLiteral("ABOUT LEAD"), this), "LabelAboutLead", 1304);
    Label2 = Loc::NamedTagged(new QLabel(QStringLiteral("QZ-42L, QZ-35L, QZ-28L, QZ-E35L ===>> LEAD 2mm"), this), "Label2", 0);
    Label1 = Loc::NamedTagged(new QLabel(QStringLiteral("QZ-35H, QZ-28H ===>> LEAD 6mm"), this), "Label1", 0);
    Label3 = Loc::NamedTagged(new QLabel(QStringLiteral("QZ-42H, QZ-42D ===>> LEAD 8mm"), this), "Label3", 0);
    for (QLineEdit *e : {txtStrokeLength, txtLead}) {
        e->setFixedWidth(Twips::ToPx(900));
        e->installEventFilter(this);
    }

    // The actuator kind keeps its design texts in both languages.
    framActType = Loc::NamedTagged(new QGroupBox(QStringLiteral("ｱｸﾁｭｴｰﾀ"), this), "framActType", 0);
    auto *kind = new QVBoxLayout(framActType);
    optActType[0] = new QRadioButton(QStringLiteral("QZ-42D以外"), framActType);
    optActType[1] = new QRadioButton(QStringLiteral("QZ-42D"), framActType);
    for (int i = 0; i < 2; ++i) {
        optActType[size_t(i)]->setObjectName(QStringLiteral("optActType%1").arg(i));
        kind->addWidget(optActType[size_t(i)]);
    }
    optActType[0]->setChecked(true);

    lblQzStroke = Loc::NamedTagged(new QLabel(QStringLiteral("Stroke length(Pulse)"), this), "lblQzStroke", 1305);
    lblStrokePulse = Loc::NamedTagged(new QLabel(this), "lblStrokePulse", 0);
    lblStrokePulse->setFrameShape(QFrame::Panel);
    lblStrokePulse->setFrameShadow(QFrame::Sunken);
    lblStrokePulse->setMinimumWidth(Twips::ToPx(1200));
    cmdCulStrokePulse = Loc::NamedTagged(new QPushButton(QStringLiteral("Calculate"), this), "cmdCulStrokePulse", 1306);

    framInputTarget = Loc::NamedTagged(new QGroupBox(QStringLiteral("Input to"), this), "framInputTarget", 1308);
    auto *targets = new QHBoxLayout(framInputTarget);
    for (int i = 0; i < 4; ++i) {
        auto *o = Loc::Tagged(new QRadioButton(QStringLiteral("%1AXIS").arg(i + 1), framInputTarget), 1309 + i);
        o->setObjectName(QStringLiteral("optInputTarget%1").arg(i));
        optInputTarget[size_t(i)] = o;
        targets->addWidget(o);
    }
    optInputTarget[0]->setChecked(true);
    cmdInputStroke = Loc::NamedTagged(new QPushButton(QStringLiteral("Input"), this), "cmdInputStroke", 1307);
    for (QPushButton *b : {cmdCulStrokePulse, cmdInputStroke})
        b->setAutoDefault(false);
    connect(cmdCulStrokePulse, &QPushButton::clicked, this, &StrokeCalculatorDialog::cmdCulStrokePulse_Click);
    connect(cmdInputStroke, &QPushButton::clicked, this, &StrokeCalculatorDialog::cmdInputStroke_Click);

    auto *top = new QVBoxLayout(this);
    auto *boxes = new QGridLayout;
    boxes->addWidget(lblStroke, 0, 0);
    boxes->addWidget(txtStrokeLength, 0, 1);
    boxes->addWidget(lblLead, 1, 0);
    boxes->addWidget(txtLead, 1, 1);
    boxes->addWidget(framActType, 0, 2, 2, 1);
    top->addLayout(boxes);
    top->addWidget(LabelAboutLead);
    for (QLabel *l : {Label2, Label1, Label3})
        top->addWidget(l);
    auto *result = new QHBoxLayout;
    result->addWidget(lblQzStroke);
    result->addWidget(lblStrokePulse);
    result->addWidget(cmdCulStrokePulse);
    result->addStretch();
    top->addLayout(result);
    auto *input = new QHBoxLayout;
    input->addWidget(framInputTarget);
    input->addWidget(cmdInputStroke);
    top->addLayout(input);
    top->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void StrokeCalculatorDialog::Form_Load()
{
    if (QWidget *m = Shell::Get().MainWidget())
        move(m->x() + Twips::ToPx(500), m->y() + Twips::ToPx(500));
    Loc::SetCaptionFromRes(this);
    txtStrokeLength->setToolTip(Platform::ResText(1313));
    txtLead->setToolTip(Platform::ResText(1314));
}

void StrokeCalculatorDialog::beep()
{
    ++m_beeps;
    QApplication::beep();
}

// ---------------------------------------------------------------- the boxes

int StrokeCalculatorDialog::txtStrokeLength_KeyPress(int key)
{
    if (key == kEnter) {
        txtLead->setFocus(Qt::TabFocusReason);
        return 0;
    }
    return filterDigits(key, txtStrokeLength->text().size(), 3);
}

int StrokeCalculatorDialog::txtLead_KeyPress(int key)
{
    if (key == kEnter) {
        cmdCulStrokePulse->setFocus(Qt::TabFocusReason);
        return 0;
    }
    return filterDigits(key, txtLead->text().size(), 1);
}

void StrokeCalculatorDialog::txtStrokeLength_LostFocus()
{
    // An empty box counts as 0 and passes.
    const auto v = valueOf(txtStrokeLength);
    if (!v || *v < 0 || *v > kStrokeMax) {
        txtStrokeLength->clear();
        beep();
    }
}

void StrokeCalculatorDialog::txtLead_LostFocus()
{
    const auto v = valueOf(txtLead);
    if (!v || (*v != 2 && *v != 6 && *v != 8)) {
        txtLead->clear();
        beep();
    }
}

bool StrokeCalculatorDialog::eventFilter(QObject *watched, QEvent *event)
{
    const bool stroke = watched == txtStrokeLength;
    if (!stroke && watched != txtLead)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Only a move inside the dialog is a leave.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (stroke)
                txtStrokeLength_LostFocus();
            else
                txtLead_LostFocus();
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        int code = 0;
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            code = kEnter;
        else if (k->key() == Qt::Key_Backspace)
            code = kBackspace;
        else if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
            return QDialog::eventFilter(watched, event);
        else if (k->text().isEmpty())
            return QDialog::eventFilter(watched, event); // no character: not filtered
        else
            code = k->text().at(0).unicode();
        const int passed = stroke ? txtStrokeLength_KeyPress(code) : txtLead_KeyPress(code);
        if (passed == 0)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- the commands

void StrokeCalculatorDialog::cmdCulStrokePulse_Click()
{
    const auto stroke = valueOf(txtStrokeLength);
    if (!stroke)
        return;
    if (txtLead->text().isEmpty()) {
        lblStrokePulse->setText(Platform::ResText(1315));
        return;
    }
    const auto lead = valueOf(txtLead);
    if (!lead)
        return;
    const int factor = optActType[1]->isChecked() ? kFactor42D : kFactorOther;
    // No stroke: no result, the label keeps what it showed.
    if (const auto pulses = UnitConv::StrokePulseOf(*stroke, *lead, factor))
        lblStrokePulse->setText(QString::number(*pulses));
}

void StrokeCalculatorDialog::cmdInputStroke_Click()
{
    if (lblStrokePulse->text() == Platform::ResText(1315))
        return;
    int n = 1;
    for (int i = 0; i < 4; ++i)
        if (optInputTarget[size_t(i)]->isChecked())
            n = i + 1;
    if (m_target)
        m_target->SetText(ParaForm::Ctl::txtAxisStroke, n - 1, lblStrokePulse->text());
    done(QDialog::Accepted);
    // The field the design moves to after each axis.
    static constexpr struct {
        ParaForm::Ctl ctl;
        int axis;
    } kFocusAfter[4] = {{ParaForm::Ctl::txtAxisStroke, 1},
                        {ParaForm::Ctl::txtAxisLead, 2},
                        {ParaForm::Ctl::txtAxisStroke, 3},
                        {ParaForm::Ctl::txtAxisLead, 0}};
    if (m_focusTo)
        m_focusTo(kFocusAfter[n - 1].ctl, kFocusAfter[n - 1].axis);
}
