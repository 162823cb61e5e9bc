#include "support/MemoryParaFace.h"

using ParaForm::Ctl;

MemoryParaFace::MemoryParaFace()
{
    const QStringList two{QStringLiteral("0"), QStringLiteral("1")};
    for (Ctl c : {Ctl::comboAxisAutoDrv, Ctl::comboEtcVkOrQz, Ctl::comboPgFunc, Ctl::comboSoftLimit,
                  Ctl::comboEtcGrpEnable, Ctl::comboSmInTimer, Ctl::comboAutoHome, Ctl::comboM0Disable})
        m_items[int(c)] = two;
    m_items[int(Ctl::comboZoneEnable)] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
    m_items[int(Ctl::comboOneAxis)] = {QStringLiteral("AXIS1"), QStringLiteral("AXIS2"), QStringLiteral("AXIS3"),
                                       QStringLiteral("AXIS4")};
}

MemoryParaFace::Cell &MemoryParaFace::cell(Ctl c, int axis)
{
    return m_cells[{int(c), ParaForm::Info(c).perAxis ? axis : 0}];
}

const MemoryParaFace::Cell &MemoryParaFace::cell(Ctl c, int axis) const
{
    static const Cell none;
    const auto it = m_cells.find({int(c), ParaForm::Info(c).perAxis ? axis : 0});
    return it == m_cells.end() ? none : it->second;
}

QString MemoryParaFace::Text(Ctl c, int axis) const { return cell(c, axis).text; }
void MemoryParaFace::SetText(Ctl c, int axis, const QString &text)
{
    Cell &x = cell(c, axis);
    x.text = text;
    const QStringList items = m_items.count(int(c)) ? m_items.at(int(c)) : QStringList();
    x.index = items.indexOf(text);
}
int MemoryParaFace::ListIndex(Ctl c, int axis) const { return cell(c, axis).index; }
int MemoryParaFace::ListCount(Ctl c, int) const
{
    return m_items.count(int(c)) ? int(m_items.at(int(c)).size()) : 0;
}
void MemoryParaFace::SetListIndex(Ctl c, int axis, int index)
{
    Cell &x = cell(c, axis);
    const QStringList items = m_items.count(int(c)) ? m_items.at(int(c)) : QStringList();
    x.index = index >= 0 && index < items.size() ? index : -1;
    x.text = x.index >= 0 ? items[x.index] : QString();
}
int MemoryParaFace::Option(Ctl c) const { return cell(c, 0).index; }
void MemoryParaFace::SetOption(Ctl c, int which) { cell(c, 0).index = which; }
void MemoryParaFace::SetGrey(Ctl c, int axis, bool grey) { cell(c, axis).grey = grey; }
void MemoryParaFace::SetEnabled(Ctl c, int axis, bool on) { cell(c, axis).enabled = on; }
bool MemoryParaFace::Grey(Ctl c, int axis) const { return cell(c, axis).grey; }
bool MemoryParaFace::Enabled(Ctl c, int axis) const { return cell(c, axis).enabled; }

void MemoryParaFace::FillValid() { FillValidParaFields(*this); }

void FillValidParaFields(ParaForm::Face &f)
{
    const std::pair<Ctl, const char *> axisTexts[] = {
        {Ctl::txtHomeOffset, "100"}, {Ctl::txtHomePush, "50"},   {Ctl::txtHomeVel, "20"},
        {Ctl::txtHomeOfsVel, "10"},  {Ctl::txtHomePushVel, "5"}, {Ctl::txtHomeOrder, "1"},
        {Ctl::txtAxisStroke, "8000"}, {Ctl::txtAxisMmStroke, "120.000"}, {Ctl::txtAxisLead, "6"},
        {Ctl::txtAxisPulse, "400"},  {Ctl::txtJogHighVel, "20"}, {Ctl::comboActSize, " 28"},
        {Ctl::comboActSpeed, "L"},   {Ctl::comboActStroke, "50"}, {Ctl::txtPgAlarm, "100"},
        {Ctl::txtZoneSet1, "0"},     {Ctl::txtMmZone1, "  0.000"}, {Ctl::txtZoneSet2, "0"},
        {Ctl::txtMmZone2, "  0.000"}, {Ctl::txtInpLimit, "10"},  {Ctl::txtPushHoldTime, "0"},
        {Ctl::txtPgCheckTimer, "0"}, {Ctl::txtLsSerchTimer, "0"}};
    for (int a = 0; a < 4; ++a) {
        for (const auto &[c, t] : axisTexts)
            f.SetText(c, a, QString::fromLatin1(t));
        for (Ctl c : {Ctl::comboAxisAutoDrv, Ctl::comboEtcVkOrQz, Ctl::comboPgFunc, Ctl::comboZoneEnable,
                      Ctl::comboSoftLimit})
            f.SetListIndex(c, a, 0);
    }
    f.SetText(Ctl::txtHomeOut, 0, QStringLiteral("0"));
    f.SetText(Ctl::txtSmTimeoutTimer, 0, QStringLiteral("10"));
    f.SetText(Ctl::txtOneAxis, 0, QStringLiteral("15"));
    f.SetText(Ctl::txtAutoStartPrgNo, 0, QStringLiteral("0"));
    for (Ctl c : {Ctl::comboEtcGrpEnable, Ctl::comboSmInTimer, Ctl::comboAutoHome})
        f.SetListIndex(c, 0, 0);
    f.SetListIndex(Ctl::comboOneAxis, 0, 3);
    for (Ctl c : {Ctl::optEmgLogic, Ctl::optAlarmAutoClear, Ctl::optStopPause, Ctl::optPosPrg})
        f.SetOption(c, 0);
}
