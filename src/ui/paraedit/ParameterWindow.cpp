#include "ui/paraedit/ParameterWindow.h"

#include "core/AppState.h"
#include "core/BgrColor.h"
#include "core/Twips.h"
#include "link/Versions.h"
#include "paradata/DeviceList.h"
#include "paradata/ParaInput.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "ui/common/Forms.h"
#include "ui/common/Localize.h"
#include "ui/common/Widgets.h"
#include "ui/paraedit/ParameterWindowRead.h"
#include "ui/device/StrokeCalculatorDialog.h"
#include "ui/paraedit/ParaFlows.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

using ParaForm::Ctl;
using Platform::ResLines;
using Platform::ResText;
using Platform::Dialogs::MsgBox;

namespace {

QPointer<ParameterWindow> g_instance;

constexpr quint32 kGrey = 0x00E0E0E0;

// Design of the columns, in twips. The HOME, AXIS and PG columns are wider
// than first drawn: the closed AutoDrive and TYPE lists cannot show their
// entries in less, even written small. The frames on the right move over by
// what the left ones grow.
constexpr int kHomeCols[4] = {1440, 3000, 4560, 6120};
constexpr int kHomeFieldWidth = 1500;
constexpr int kLeftFrameWidth = 7815;
constexpr int kRightFrameLeft = 8160;
constexpr int kEtcCols[4] = {1920, 3120, 4320, 5520};
constexpr int kSpCols[4] = {1560, 2880, 4200, 5520};
constexpr int kTextHeight = 270;
constexpr int kListHeight = 285;
constexpr int kLabelLeft = 240;
constexpr int kLabelWidth = 1200;

// The ids of the fixed lists' items, in order (item data = position).
struct ListItems {
    Ctl list;
    std::initializer_list<int> ids;
};
const ListItems kLists[] = {
    {Ctl::comboAxisAutoDrv, {641, 642}},    {Ctl::comboEtcVkOrQz, {643, 644}},
    {Ctl::comboPgFunc, {652, 653}},         {Ctl::comboZoneEnable, {655, 667, 668}},
    {Ctl::comboSoftLimit, {655, 656}},      {Ctl::comboEtcGrpEnable, {655, 656}},
    {Ctl::comboSmInTimer, {655, 656}},      {Ctl::comboAutoHome, {663, 664}},
    {Ctl::comboOneAxis, {220, 221, 222, 223}},
};

void fillList(QComboBox *c, std::initializer_list<int> ids)
{
    const QSignalBlocker block(c);
    int position = 0;
    for (int id : ids)
        c->addItem(ResText(id), position++);
    c->setCurrentIndex(-1);
}

QLabel *label(QWidget *parent, const QString &text, int left, int top, int width = kLabelWidth)
{
    auto *l = new QLabel(text, parent);
    Geometry::Place(l, left, top, width, kTextHeight);
    return l;
}

QLabel *asterisk(QWidget *parent, int top)
{
    auto *l = label(parent, QStringLiteral("*"), 90, top, 150);
    l->setObjectName(QStringLiteral("lblAsterisk"));
    return l;
}

void axisHeader(QWidget *parent, const char *name, const int *cols, int width, int top)
{
    for (int a = 0; a < 4; ++a) {
        auto *l = Loc::Tagged(new QLabel(QStringLiteral("AXIS%1").arg(a + 1), parent), 220 + a);
        l->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(a));
        l->setAlignment(Qt::AlignCenter);
        Geometry::Place(l, cols[a], top, width, kTextHeight);
    }
}

QGroupBox *frame(QWidget *parent, const char *name, int id, int left, int top, int width, int height)
{
    auto *f = Loc::NamedTagged(new QGroupBox(parent), name, id);
    Geometry::Place(f, left, top, width, height);
    return f;
}

} // namespace

// ---------------------------------------------------------------- the one window

ParameterWindow *ParameterWindow::Instance()
{
    if (!g_instance)
        g_instance = new ParameterWindow();
    return g_instance;
}

ParameterWindow *ParameterWindow::Existing() { return g_instance; }

ParameterWindow::ParameterWindow(QWidget *parent) : QWidget(parent)
{
    if (!g_instance)
        g_instance = this;
    setObjectName(QStringLiteral("ParameterWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    Loc::Tagged(this, 601);
    setWindowTitle(QStringLiteral("Parameter"));
    buildLayout();
    Form_Load();
    CommandSets::Register(this);
}

ParameterWindow::~ParameterWindow()
{
    CommandSets::Unregister(this);
    // Form_Terminate
    App().ParaWinOpen = false;
}

void ParameterWindow::CommandsOff() { ParameterCommands::Off(); }
void ParameterWindow::CommandsOn() { ParameterCommands::On(); }

// ---------------------------------------------------------------- layout

QLineEdit *ParameterWindow::box(QWidget *parent, Ctl c, int axis, int left, int top, int width)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(ParaForm::Info(c).name)).arg(axis));
    e->setAlignment(c == Ctl::txtAxisMmStroke ? Qt::AlignRight : Qt::AlignCenter);
    Geometry::Place(e, left, top, width, kTextHeight);
    e->installEventFilter(this);
    e->setAutoFillBackground(true);
    m_w[int(c)][axis] = e;
    return e;
}

QComboBox *ParameterWindow::list(QWidget *parent, Ctl c, int axis, int left, int top, int width)
{
    auto *b = new QComboBox(parent);
    b->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(ParaForm::Info(c).name)).arg(axis));
    if (ParaForm::Info(c).kind == ParaForm::Kind::EditList) {
        b->setEditable(true);
        b->setInsertPolicy(QComboBox::NoInsert);
    }
    Geometry::Place(b, left, top, width, kListHeight);
    b->installEventFilter(this);
    m_w[int(c)][axis] = b;
    return b;
}

void ParameterWindow::optionPair(QWidget *parent, Ctl c, const char *container, int top, int left,
                              const QString &first, const QString &second, int firstTag, int secondTag)
{
    auto *pic = new QFrame(parent);
    pic->setObjectName(QString::fromLatin1(container));
    Geometry::Place(pic, left, top, 1935 + 1200, kListHeight);
    auto *group = new QButtonGroup(pic);
    const QString texts[2] = {first, second};
    const int tags[2] = {firstTag, secondTag};
    for (int i = 0; i < 2; ++i) {
        auto *r = new QRadioButton(texts[i], pic);
        r->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(ParaForm::Info(c).name)).arg(i));
        if (tags[i] > 0)
            Loc::Tagged(r, tags[i]);
        Geometry::Place(r, i * 1500, 0, 1440, kListHeight);
        group->addButton(r, i);
        m_opt[int(c)][i] = r;
    }
    m_w[int(c)][0] = pic;
}

void ParameterWindow::buildLayout()
{
    setFixedSize(Twips::ToPx(15135), Twips::ToPx(8970));

    // ---- HOME
    auto *home = frame(this, "framHomePara", 602, 120, 120, kLeftFrameWidth, 2175);
    axisHeader(home, "lblHomeAxis", kHomeCols, kHomeFieldWidth, 240);
    const std::pair<Ctl, const char *> homeRows[] = {
        {Ctl::txtHomeOffset, "1. OFFSET"}, {Ctl::txtHomePush, "2. PUSH"},     {Ctl::txtHomeVel, "3. VEL"},
        {Ctl::txtHomeOfsVel, "4. OFSVEL"}, {Ctl::txtHomePushVel, "5. PUSHVEL"}, {Ctl::txtHomeOrder, "6. SEQ"}};
    for (int r = 0; r < 6; ++r) {
        const int top = 480 + 240 * r;
        label(home, QString::fromLatin1(homeRows[r].second), kLabelLeft, top);
        if (r < 5)
            asterisk(home, top);
        for (int a = 0; a < 4; ++a)
            box(home, homeRows[r].first, a, kHomeCols[a], top, kHomeFieldWidth);
    }

    // ---- AXIS
    auto *axis = frame(this, "framAxisPara", 603, 120, 2400, kLeftFrameWidth, 3495);
    axisHeader(axis, "lblAxisParaAxis", kHomeCols, kHomeFieldWidth, 240);
    const char *axisRows[] = {"1. STROKE", "2. LEAD", "3. PULSE", "4. JOG VEL", "5. AutoDrive", "6. TYPE"};
    const int axisTops[] = {480, 780, 1080, 1380, 1680, 1980};
    for (int r = 0; r < 6; ++r) {
        label(axis, QString::fromLatin1(axisRows[r]), kLabelLeft, axisTops[r]);
        if (r != 4)
            asterisk(axis, axisTops[r]);
    }
    for (int a = 0; a < 4; ++a) {
        box(axis, Ctl::txtAxisMmStroke, a, kHomeCols[a], 480, kHomeFieldWidth);
        auto *hidden = box(axis, Ctl::txtAxisStroke, a, kHomeCols[a], 480, kHomeFieldWidth);
        hidden->setVisible(false);
        box(axis, Ctl::txtAxisLead, a, kHomeCols[a], 780, kHomeFieldWidth);
        box(axis, Ctl::txtAxisPulse, a, kHomeCols[a], 1080, kHomeFieldWidth);
        box(axis, Ctl::txtJogHighVel, a, kHomeCols[a], 1380, kHomeFieldWidth);
        list(axis, Ctl::comboAxisAutoDrv, a, kHomeCols[a], 1680, kHomeFieldWidth);
        list(axis, Ctl::comboEtcVkOrQz, a, kHomeCols[a], 1980, kHomeFieldWidth);
        // Below the frame's visible part: never seen.
        box(axis, Ctl::txtActuator, a, kHomeCols[a], 4000, kHomeFieldWidth)->setVisible(false);
    }
    label(axis, QStringLiteral("7. ACTUATOR"), kLabelLeft, 2340, 1320);
    asterisk(axis, 2340);
    for (int a = 0; a < 4; ++a) {
        const int left = kHomeCols[a % 2 == 0 ? 0 : 2];
        const int top = (a < 2) ? 2340 : 2940;
        auto *l = Loc::Tagged(new QLabel(QStringLiteral("AXIS%1").arg(a + 1), axis), 220 + a);
        l->setObjectName(QStringLiteral("lblActuatorAxis%1").arg(a));
        Geometry::Place(l, left, top, 2535, kTextHeight);
        l->setAlignment(Qt::AlignCenter);   // clear of the row label
        list(axis, Ctl::comboActSize, a, left, top + 270, 840);
        list(axis, Ctl::comboActSpeed, a, left + 900, top + 270, 660);
        list(axis, Ctl::comboActStroke, a, left + 1620, top + 270, 915);
        auto *size = qobject_cast<QComboBox *>(m_w[int(Ctl::comboActSize)][a]);
        auto *speed = qobject_cast<QComboBox *>(m_w[int(Ctl::comboActSpeed)][a]);
        connect(size, &QComboBox::activated, this, [this, a] { ActSizeChange(a); });
        connect(speed, &QComboBox::activated, this, [this, a] { ActSpeedChange(a); });
    }
    cmdCalculate = new QPushButton(QStringLiteral("?"), axis);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    Geometry::Place(cmdCalculate, 1080, 480, 300, kTextHeight);
    cmdCalculate->setVisible(false);
    cmdCalculate->setEnabled(false);
    connect(cmdCalculate, &QPushButton::clicked, this, &ParameterWindow::cmdCalculate_Click);

    // ---- PG
    auto *pg = frame(this, "framPgPara", 604, 120, 6000, kLeftFrameWidth, 1095);
    axisHeader(pg, "lblPgAxis", kHomeCols, kHomeFieldWidth + 120, 240);
    label(pg, QStringLiteral("1. FUNCTION"), kLabelLeft, 480);
    asterisk(pg, 480);
    label(pg, QStringLiteral("2. ALM"), kLabelLeft, 780);
    for (int a = 0; a < 4; ++a) {
        list(pg, Ctl::comboPgFunc, a, kHomeCols[a], 480, kHomeFieldWidth);
        box(pg, Ctl::txtPgAlarm, a, kHomeCols[a], 780, kHomeFieldWidth);
    }

    // ---- command tabs
    SSTabPrm = new QTabWidget(this);
    SSTabPrm->setObjectName(QStringLiteral("SSTabPrm"));
    Geometry::Place(SSTabPrm, 1320, 7320, 4455, 1455);
    struct Btn {
        QPushButton **member;
        const char *name;
        int id;
    };
    const Btn tabs[3][3] = {
        {{&cmdReadParaFile, "cmdReadParaFile", 616}, {&cmdSaveParaFile, "cmdSaveParaFile", 617},
         {&cmdCompareFile, "cmdCompareFile", 618}},
        {{&cmdParaRead, "cmdParaRead", 613}, {&cmdParaWrite, "cmdParaWrite", 614},
         {&cmdCompareCT, "cmdCompareCT", 615}},
        {{&cmdIniPrm, "cmdIniPrm", 609}, {&cmdParaFilePrint, "cmdParaFilePrint", 607},
         {&cmdParaPrint, "cmdParaPrint", 608}},
    };
    const int lefts[3] = {240, 1680, 3120};
    for (int t = 0; t < 3; ++t) {
        auto *page = new QWidget(SSTabPrm);
        for (int b = 0; b < 3; ++b) {
            auto *button = Loc::NamedTagged(new QPushButton(page), tabs[t][b].name, tabs[t][b].id);
            button->setText(QString::fromLatin1(tabs[t][b].name));
            Geometry::Place(button, lefts[b], 240, 1095, 615);
            *tabs[t][b].member = button;
        }
        SSTabPrm->addTab(page, QString());
    }
    connect(cmdParaRead, &QPushButton::clicked, this, &ParameterWindow::cmdParaRead_Click);
    connect(cmdParaWrite, &QPushButton::clicked, this, &ParameterWindow::cmdParaWrite_Click);
    connect(cmdCompareCT, &QPushButton::clicked, this, &ParameterWindow::cmdCompareCT_Click);
    connect(cmdCompareFile, &QPushButton::clicked, this, &ParameterWindow::cmdCompareFile_Click);
    connect(cmdReadParaFile, &QPushButton::clicked, this, &ParameterWindow::cmdReadParaFile_Click);
    connect(cmdSaveParaFile, &QPushButton::clicked, this, &ParameterWindow::cmdSaveParaFile_Click);
    connect(cmdIniPrm, &QPushButton::clicked, this, &ParameterWindow::cmdIniPrm_Click);
    connect(cmdParaPrint, &QPushButton::clicked, this, &ParameterWindow::cmdParaPrint_Click);
    connect(cmdParaFilePrint, &QPushButton::clicked, this, &ParameterWindow::cmdParaFilePrint_Click);

    // ---- ETC
    auto *etc = frame(this, "framEtcPara", 605, kRightFrameLeft, 120, 6855, 3495);
    const char *etcRows[] = {"1. HOME OUT", "2. GRP ENABLE", "3. SM TIMEOUT", "4. SM TIMER", "5. ZONE ENABLE",
                             "6. ZONE1",    "7. ZONE2",      "8. IN-P WID",   "9. HOLD TIME"};
    // Rows 8 and 9 end where their unit starts.
    for (int r = 0; r < 9; ++r)
        label(etc, QString::fromLatin1(etcRows[r]), kLabelLeft, 300 + 330 * r, r < 7 ? 1620 : 1400 - kLabelLeft);
    box(etc, Ctl::txtHomeOut, 0, 3240, 300, 1935);
    list(etc, Ctl::comboEtcGrpEnable, 0, 3240, 630, 1935);
    list(etc, Ctl::comboSmInTimer, 0, 3240, 960, 1935);
    box(etc, Ctl::txtSmTimeoutTimer, 0, 3240, 1290, 1935);
    for (int a = 0; a < 4; ++a) {
        list(etc, Ctl::comboZoneEnable, a, kEtcCols[a], 1620, 1095);
        box(etc, Ctl::txtMmZone1, a, kEtcCols[a], 1950, 1095);
        box(etc, Ctl::txtZoneSet1, a, kEtcCols[a], 1950, 1095)->setVisible(false);
        box(etc, Ctl::txtMmZone2, a, kEtcCols[a], 2280, 1095);
        box(etc, Ctl::txtZoneSet2, a, kEtcCols[a], 2280, 1095)->setVisible(false);
        box(etc, Ctl::txtInpLimit, a, kEtcCols[a], 2610, 1095);
        box(etc, Ctl::txtPushHoldTime, a, kEtcCols[a], 2940, 1095);
    }
    // The units sit between the row label and the first field, in a small
    // font so that neither covers the other.
    auto *unitPulse = label(etc, QStringLiteral("(pulse)"), 1400, 2610, 520);
    unitPulse->setObjectName(QStringLiteral("lblUnit12"));
    auto *unitMsec = label(etc, QStringLiteral("(msec)"), 1400, 2940, 520);
    unitMsec->setObjectName(QStringLiteral("lblUnit13"));
    for (QLabel *u : {unitPulse, unitMsec}) {
        QFont f = u->font();
        f.setPointSizeF(f.pointSizeF() * 0.75);
        u->setFont(f);
        u->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // ---- controller mode
    auto *mode = frame(this, "framCtMode", 622, kRightFrameLeft, 3840, 6855, 975);
    label(mode, QStringLiteral("1. POS/PRG"), kLabelLeft, 420);
    optionPair(mode, Ctl::optPosPrg, "PicturePosPrg", 420, 3120, QStringLiteral("POS"), QStringLiteral("PRG"), 0, 0);
    PicturePosPrg = m_w[int(Ctl::optPosPrg)][0];
    for (int i = 0; i < 2; ++i)
        connect(m_opt[int(Ctl::optPosPrg)][i], &QRadioButton::clicked, this, [this, i] { optPosPrg_Click(i); });

    // ---- SP
    auto *sp = frame(this, "framSpecialPara", 606, kRightFrameLeft, 5160, 6855, 3615);
    chkSpecialParaChange = Loc::NamedTagged(new QCheckBox(sp), "chkSpecialParaChange", 619);
    chkSpecialParaChange->setText(QStringLiteral("Change SP Parameter"));
    Geometry::Place(chkSpecialParaChange, kLabelLeft, 270, 3600, kTextHeight);
    connect(chkSpecialParaChange, &QCheckBox::clicked, this, &ParameterWindow::chkSpecialParaChange_Click);
    const char *spRows[] = {"1. Auto PRG",  "2. AXIS",      "3. AUTO HOME",   "4. PG TIMER",   "5. LS TIMER",
                            "6. SOFT LIMIT", "7. EMG LOGIC", "8. ALM CLEAR", "9. PPUT Write"};
    const int spTops[] = {570, 870, 1170, 1740, 2040, 2340, 2670, 2970, 3270};
    for (int r = 0; r < 9; ++r)
        label(sp, QString::fromLatin1(spRows[r]), kLabelLeft, spTops[r], 1500);
    asterisk(sp, 870);
    box(sp, Ctl::txtAutoStartPrgNo, 0, 3120, 570, 1935);
    list(sp, Ctl::comboOneAxis, 0, 3120, 870, 1935);
    box(sp, Ctl::txtOneAxis, 0, 3120, 870, 1935)->setVisible(false);
    list(sp, Ctl::comboAutoHome, 0, 3120, 1170, 1935);
    axisHeader(sp, "blSpAxis", kSpCols, 1215, 1470);
    for (int a = 0; a < 4; ++a) {
        box(sp, Ctl::txtPgCheckTimer, a, kSpCols[a], 1740, 1215);
        box(sp, Ctl::txtLsSerchTimer, a, kSpCols[a], 2040, 1215);
        list(sp, Ctl::comboSoftLimit, a, kSpCols[a], 2340, 1215);
        // Below the frame's visible part: never seen.
        list(sp, Ctl::comboM0Disable, a, kSpCols[a], 4200, 1215)->setVisible(false);
    }
    optionPair(sp, Ctl::optEmgLogic, "PictureEmgLogic", 2670, 3120, QStringLiteral("Logic A"),
               QStringLiteral("Logic B"), 690, 691);
    optionPair(sp, Ctl::optAlarmAutoClear, "PictureAlm1Clear", 2970, 3120, QStringLiteral("0. Disable"),
               QStringLiteral("1. Enable"), 655, 656);
    optionPair(sp, Ctl::optStopPause, "PictureStopPause", 3270, 3120, QStringLiteral("0. Disable"),
               QStringLiteral("1. Enable"), 655, 656);
    // Never read: kept out of sight like the design keeps them.
    auto *almCode = new QComboBox(sp);
    almCode->setObjectName(QStringLiteral("comboEtcAlmCode"));
    almCode->setVisible(false);
    auto *prgAutoStart = new QRadioButton(sp);
    prgAutoStart->setObjectName(QStringLiteral("optPrgAutoStart"));
    prgAutoStart->setVisible(false);

    // The SP fields and the hidden boxes start locked and grey.
    for (int a = 0; a < 4; ++a) {
        for (Ctl c : {Ctl::txtPgCheckTimer, Ctl::txtLsSerchTimer, Ctl::comboSoftLimit, Ctl::comboM0Disable,
                      Ctl::txtAxisStroke, Ctl::txtZoneSet1, Ctl::txtZoneSet2}) {
            SetEnabled(c, a, false);
            SetGrey(c, a, true);
        }
    }
    for (Ctl c : {Ctl::txtAutoStartPrgNo, Ctl::comboOneAxis, Ctl::comboAutoHome, Ctl::txtOneAxis}) {
        SetEnabled(c, 0, false);
        SetGrey(c, 0, true);
    }
    for (Ctl c : {Ctl::optEmgLogic, Ctl::optAlarmAutoClear, Ctl::optStopPause})
        SetEnabled(c, 0, false);
}

// ---------------------------------------------------------------- load

void ParameterWindow::Form_Load()
{
    Loc::SetCaptionFromRes(this);
    for (const ListItems &l : kLists) {
        const int n = ParaForm::Info(l.list).perAxis ? 4 : 1;
        for (int a = 0; a < n; ++a)
            fillList(qobject_cast<QComboBox *>(m_w[int(l.list)][a]), l.ids);
    }
    for (int a = 0; a < 4; ++a) {
        for (Ctl c : {Ctl::txtPgCheckTimer, Ctl::txtLsSerchTimer}) {
            SetEnabled(c, a, false);
            SetGrey(c, a, true);
        }
    }
    const int tabIds[3] = {610, 611, 621};
    for (int t = 0; t < 3; ++t)
        SSTabPrm->setTabText(t, ResText(tabIds[t]));
    SetEnabled(Ctl::comboAutoHome, 0, false);
    SetGrey(Ctl::comboAutoHome, 0, true);
    SetActuatorCombos();
    for (int a = 0; a < 4; ++a)
        for (Ctl c : {Ctl::comboActSize, Ctl::comboActSpeed, Ctl::comboActStroke})
            SetText(c, a, QString());
    MarkValidAxes();
    SSTabPrm->setCurrentIndex(1);
    // A caption longer than its place (the English ones at a larger font
    // than the design's) is written smaller rather than cut.
    TextFit::ShrinkAll(this);
}

// ---------------------------------------------------------------- actuator lists

ActLists::AxisCombos ParameterWindow::combos(int a) const
{
    auto of = [](QWidget *w) {
        auto *b = qobject_cast<QComboBox *>(w);
        ActLists::Combo c;
        for (int i = 0; i < b->count(); ++i)
            c.items << b->itemText(i);
        c.text = b->currentText();
        return c;
    };
    return {of(m_w[int(Ctl::comboActSize)][a]), of(m_w[int(Ctl::comboActSpeed)][a]),
            of(m_w[int(Ctl::comboActStroke)][a])};
}

void ParameterWindow::showCombos(int a, const ActLists::AxisCombos &c)
{
    m_rebuildingLists = true;
    const std::pair<Ctl, const ActLists::Combo *> parts[] = {
        {Ctl::comboActSize, &c.size}, {Ctl::comboActSpeed, &c.speed}, {Ctl::comboActStroke, &c.stroke}};
    for (const auto &[ctl, combo] : parts) {
        auto *b = qobject_cast<QComboBox *>(m_w[int(ctl)][a]);
        const QSignalBlocker block(b);
        b->clear();
        for (int i = 0; i < combo->items.size(); ++i)
            b->addItem(combo->items[i], i);
        b->setCurrentIndex(b->findText(combo->text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        b->setEditText(combo->text);
    }
    m_rebuildingLists = false;
}

void ParameterWindow::SetActuatorCombos()
{
    if (DeviceList::ReadNQzDeviceList() != 0)
        return;
    for (int a = 0; a < 4; ++a)
        SetActuatorCombosAxis(a);
}

void ParameterWindow::SetActuatorCombosAxis(int a)
{
    if (App().AxisNotUsed[a])
        return;
    ActLists::AxisCombos c = combos(a);
    ActLists::SetActuatorCombosAxis(a, c, Paradata().DevSetting.DevSize[a]);
    showCombos(a, c);
}

void ParameterWindow::ActSizeChange(int a)
{
    if (m_rebuildingLists || a < 0 || a > 3 || App().AxisNotUsed[a])
        return;
    ActLists::AxisCombos c = combos(a);
    ActLists::ActSizeChange(a, c);
    showCombos(a, c);
}

void ParameterWindow::ActSpeedChange(int a)
{
    if (m_rebuildingLists || a < 0 || a > 3 || App().AxisNotUsed[a])
        return;
    ActLists::AxisCombos c = combos(a);
    ActLists::ActSpeedChange(a, c);
    showCombos(a, c);
}

// ---------------------------------------------------------------- the face

QWidget *ParameterWindow::Widget(Ctl c, int axis) const
{
    return m_w[int(c)][ParaForm::Info(c).perAxis ? std::clamp(axis, 0, 3) : 0];
}

QRadioButton *ParameterWindow::OptionButton(Ctl c, int which) const { return m_opt[int(c)][which ? 1 : 0]; }

bool ParameterWindow::IsGrey(Ctl c, int axis) const
{
    return m_grey[int(c)][ParaForm::Info(c).perAxis ? std::clamp(axis, 0, 3) : 0];
}

QString ParameterWindow::Text(Ctl c, int axis) const
{
    QWidget *w = Widget(c, axis);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *b = qobject_cast<QComboBox *>(w))
        return b->currentText();
    return QString();
}

void ParameterWindow::SetText(Ctl c, int axis, const QString &text)
{
    QWidget *w = Widget(c, axis);
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        e->setText(text);
    } else if (auto *b = qobject_cast<QComboBox *>(w)) {
        const QSignalBlocker block(b);
        if (b->isEditable()) {
            b->setCurrentIndex(b->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
            b->setEditText(text);
        } else {
            b->setCurrentIndex(b->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
    }
}

int ParameterWindow::ListIndex(Ctl c, int axis) const
{
    auto *b = qobject_cast<QComboBox *>(Widget(c, axis));
    return b ? b->currentIndex() : -1;
}

int ParameterWindow::ListCount(Ctl c, int axis) const
{
    auto *b = qobject_cast<QComboBox *>(Widget(c, axis));
    return b ? b->count() : 0;
}

void ParameterWindow::SetListIndex(Ctl c, int axis, int index)
{
    auto *b = qobject_cast<QComboBox *>(Widget(c, axis));
    if (!b)
        return;
    const QSignalBlocker block(b);
    b->setCurrentIndex(index >= 0 && index < b->count() ? index : -1);
    if (b->isEditable())
        b->setEditText(b->currentIndex() >= 0 ? b->currentText() : QString());
}

int ParameterWindow::Option(Ctl c) const
{
    for (int i = 0; i < 2; ++i)
        if (m_opt[int(c)][i] && m_opt[int(c)][i]->isChecked())
            return i;
    return -1;
}

void ParameterWindow::SetOption(Ctl c, int which)
{
    auto &pair = m_opt[int(c)];
    if (!pair[0])
        return;
    // The program's own choice of the controller mode is no user's click:
    // its container is off meanwhile, so no notice follows.
    const bool guard = c == Ctl::optPosPrg;
    if (guard)
        PicturePosPrg->setEnabled(false);
    if (which == 0 || which == 1) {
        pair[which]->setChecked(true);
    } else {
        auto *group = pair[0]->group();
        group->setExclusive(false);
        pair[0]->setChecked(false);
        pair[1]->setChecked(false);
        group->setExclusive(true);
    }
    if (guard)
        PicturePosPrg->setEnabled(true);
}

bool ParameterWindow::SpUnlocked() const { return chkSpecialParaChange && chkSpecialParaChange->isChecked(); }

void ParameterWindow::SetGrey(Ctl c, int axis, bool grey)
{
    QWidget *w = Widget(c, axis);
    if (!w || ParaForm::Info(c).kind == ParaForm::Kind::Option)
        return;
    m_grey[int(c)][ParaForm::Info(c).perAxis ? std::clamp(axis, 0, 3) : 0] = grey;
    QPalette pal = w->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
        pal.setColor(role, grey ? Bgr::ToQColor(kGrey) : QApplication::palette().color(role));
    w->setPalette(pal);
}

void ParameterWindow::SetEnabled(Ctl c, int axis, bool on)
{
    if (ParaForm::Info(c).kind == ParaForm::Kind::Option) {
        for (QRadioButton *r : m_opt[int(c)])
            if (r)
                r->setEnabled(on);
        return;
    }
    if (QWidget *w = Widget(c, axis))
        w->setEnabled(on);
}

// ---------------------------------------------------------------- public procedures

int ParameterWindow::CheckParametersPresent() { return ParaForm::CheckParametersPresent(*this, Comm::Versions().CtAxisCount); }

int ParameterWindow::TakeInParameterValues() { return ParaForm::TakeInParameterValues(*this); }

int ParameterWindow::CheckParameterValues()
{
    const auto refused = ParaForm::FirstRefusedField(Paradata(), App().AxisNotUsed);
    if (!refused)
        return 0;
    // The callers' message names no field: the first one refused is shown
    // to the user, ready to be typed over.
    ShowField(refused->ctl, refused->axis);
    return 1;
}

void ParameterWindow::ShowField(Ctl c, int axis)
{
    QWidget *w = Widget(c, axis);
    if (ParaForm::Info(c).kind == ParaForm::Kind::Option) {
        const int chosen = Option(c);
        w = OptionButton(c, chosen < 0 ? 0 : chosen);
    }
    if (!w)
        return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

void ParameterWindow::MarkValidAxes() { ParaForm::MarkValidAxes(*this); }

void ParameterWindow::MarkValidAxesOfMask(int mask) { ParaForm::MarkValidAxesOfMask(*this, mask); }

void ParameterWindow::ShowParameters() { ParaForm::ShowParameters(*this); }


// ---------------------------------------------------------------- handlers

void ParameterWindow::cmdParaRead_Click() { Online::ReadParametersIntoWindow(this); }

void ParameterWindow::cmdParaWrite_Click()
{
    CommandSets::BusyScope busy;
    ParaFlows::WriteParaToCt(*this);
    update();
}

void ParameterWindow::cmdCompareCT_Click()
{
    CommandSets::BusyScope busy;
    ParaFlows::CompareParametersWithController(*this);
}

// The file commands switch every window's commands off and on again, on
// every way out (a cancelled dialog included), and nothing else.
void ParameterWindow::cmdCompareFile_Click()
{
    CommandSets::BusyScope commands(CommandSets::kCommandsOnly);
    ParaFlows::CompareParametersWithFile(*this);
}

void ParameterWindow::cmdReadParaFile_Click()
{
    CommandSets::BusyScope commands(CommandSets::kCommandsOnly);
    ParaFlows::ReadParaFileToWindow(*this);
}

void ParameterWindow::cmdSaveParaFile_Click()
{
    CommandSets::BusyScope commands(CommandSets::kCommandsOnly);
    ParaFlows::SaveParaFile();
}

void ParameterWindow::cmdIniPrm_Click()
{
    CommandSets::BusyScope commands(CommandSets::kCommandsOnly);
    ParaFlows::LoadStdParameters(*this);
}

void ParameterWindow::chkSpecialParaChange_Click()
{
    if (!chkSpecialParaChange->isChecked()) {
        ParaForm::SetSpecialLocked(*this, true);
        return;
    }
    const auto answer = MsgBox(ResLines({671, 672}), Platform::MsgButtons::YesNo, Platform::MsgIcon::Warning);
    if (answer != Platform::MsgAnswer::Yes) {
        chkSpecialParaChange->setChecked(false);
        ParaForm::SetSpecialLocked(*this, true);
        return;
    }
    ParaForm::SetSpecialLocked(*this, false);
}

void ParameterWindow::optPosPrg_Click(int)
{
    if (PicturePosPrg->isEnabled())
        MsgBox(ResText(634));
}

void ParameterWindow::comboOneAxis_LostFocus()
{
    const int index = ListIndex(Ctl::comboOneAxis, 0);
    const int mask = ParaForm::MaskOfAxisIndex(index);
    const int now = Paradata().ParaSet.ParaSpAxis;
    if (mask == now)
        return;
    const auto answer = MsgBox(ResText(630), Platform::MsgButtons::OkCancel, Platform::MsgIcon::Question);
    if (answer == Platform::MsgAnswer::Ok) {
        MarkValidAxesOfMask(mask);
        return;
    }
    // Declined: the list shows the count in force again, so the next
    // take-in cannot store the declined one.
    int entry = 0;
    switch (now) {
    case 3: entry = 1; break;
    case 7: entry = 2; break;
    case 15: entry = 3; break;
    default: break;
    }
    SetListIndex(Ctl::comboOneAxis, 0, entry);
}

int ParameterWindow::Box_KeyPress(Ctl c, int axis, int key)
{
    const ParaInput::BoxRule *rule = ParaInput::RuleOf(c);
    if (!rule)
        return key;
    if (key == ParaInput::kEnter) {
        const bool pgOn = Widget(Ctl::txtPgCheckTimer, 0)->isEnabled();
        const auto to = ParaInput::EnterFocus(c, axis, SpUnlocked(), pgOn, [this](const ParaInput::Place &p) {
            QWidget *w = ParaForm::Info(p.ctl).kind == ParaForm::Kind::Option ? OptionButton(p.ctl, 0)
                                                                                : Widget(p.ctl, p.axis);
            return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
        });
        if (to) {
            QWidget *w = ParaForm::Info(to->ctl).kind == ParaForm::Kind::Option ? OptionButton(to->ctl, 0)
                                                                                 : Widget(to->ctl, to->axis);
            w->setFocus(Qt::TabFocusReason);
        }
        return 0;
    }
    auto *e = qobject_cast<QLineEdit *>(Widget(c, axis));
    const int length = e ? int(e->text().size()) : 0;
    const int selected = e ? int(e->selectedText().size()) : 0;
    return ParaInput::FilterKey(*rule, key, length, selected);
}

void ParameterWindow::Box_LostFocus(Ctl c, int axis)
{
    // A message box raised here takes the focus away again: not a new loss.
    if (m_inLostFocus)
        return;
    m_inLostFocus = true;
    const bool roundUp = App().MmRoundUp;
    ParaInput::MmResult mm = ParaInput::MmResult::Nothing;
    switch (c) {
    case Ctl::txtAxisMmStroke:
        mm = ParaInput::StrokeLeaves(*this, axis, roundUp);
        break;
    case Ctl::txtMmZone1:
        mm = ParaInput::ZoneLeaves(*this, 1, axis, roundUp);
        break;
    case Ctl::txtMmZone2:
        mm = ParaInput::ZoneLeaves(*this, 2, axis, roundUp);
        break;
    case Ctl::comboOneAxis:
        comboOneAxis_LostFocus();
        break;
    case Ctl::comboActSize:
        ActSizeChange(axis);
        break;
    case Ctl::comboActSpeed:
        ActSpeedChange(axis);
        break;
    default:
        if (const ParaInput::BoxRule *rule = ParaInput::RuleOf(c)) {
            if (!ParaInput::RangeKeeps(*rule, Text(c, axis))) {
                SetText(c, axis, QString());
                beep();
            }
        }
        break;
    }
    switch (mm) {
    case ParaInput::MmResult::NeedLeadPulse:
        MsgBox(ResLines({694, 695}));
        break;
    case ParaInput::MmResult::NeedStroke:
        MsgBox(ResLines({696, 697}));
        break;
    case ParaInput::MmResult::OutOfStroke:
        beep();
        break;
    default:
        break;
    }
    m_inLostFocus = false;
}

void ParameterWindow::beep()
{
    ++m_beeps;
    QApplication::beep();
}

void ParameterWindow::cmdCalculate_Click()
{
    StrokeCalculatorDialog dlg(this, [this](Ctl c, int axis) {
        if (QWidget *w = Widget(c, axis))
            w->setFocus(Qt::OtherFocusReason);
    }, this);
    Platform::Dialogs::ExecModal(dlg);
}

bool ParameterWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::FocusOut)
        return QWidget::eventFilter(watched, event);
    for (int i = 0; i < ParaForm::kCtlCount; ++i) {
        for (int a = 0; a < 4; ++a) {
            if (m_w[i][a] != watched)
                continue;
            const Ctl c = Ctl(i);
            if (event->type() == QEvent::FocusOut) {
                const auto reason = static_cast<QFocusEvent *>(event)->reason();
                // Only a move inside this window is a focus loss.
                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                    Box_LostFocus(c, a);
                return QWidget::eventFilter(watched, event);
            }
            if (!qobject_cast<QLineEdit *>(m_w[i][a]))
                return QWidget::eventFilter(watched, event);
            auto *key = static_cast<QKeyEvent *>(event);
            int code = 0;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                code = ParaInput::kEnter;
            else if (key->key() == Qt::Key_Backspace)
                code = ParaInput::kBackspace;
            else if (key->key() == Qt::Key_Delete || key->text().isEmpty())
                return QWidget::eventFilter(watched, event); // no character: not filtered
            else
                code = key->text().at(0).unicode();
            return Box_KeyPress(c, a, code) == 0;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::array<QPushButton *, 10> ParameterWindow::CommandButtons() const
{
    return {cmdReadParaFile, cmdSaveParaFile, cmdParaRead, cmdParaWrite, cmdCompareFile,
            cmdCompareCT, cmdParaFilePrint, cmdParaPrint, cmdIniPrm, cmdCalculate};
}

void ParameterWindow::closeEvent(QCloseEvent *e)
{
    // Form_QueryUnload: the user's close is refused silently while a long
    // operation or a file command runs; the program's own unloading is not.
    const AppState &a = App();
    if ((a.BusyFlag || a.FileBusy) && !a.UnloadingAll) {
        e->ignore();
        return;
    }
    if (g_instance == this)
        g_instance = nullptr;
    e->accept();
}

namespace ParameterCommands {
static void setParaCommands(bool on)
{
    ParameterWindow *para = ParameterWindow::Existing();
    if (!para)
        return;
    for (QPushButton *b : para->CommandButtons())
        b->setEnabled(on);
    para->SSTabPrm->setEnabled(on);
}
void Off() { setParaCommands(false); }
void On() { setParaCommands(true); }
} // namespace ParameterCommands
