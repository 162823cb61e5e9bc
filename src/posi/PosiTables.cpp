#include "posi/PosiTables.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "posi/PosiDevice.h"

#include <memory>

namespace {
std::unique_ptr<PosiState> g_posi;
}

PosiState &Posi()
{
    if (!g_posi)
        g_posi = std::make_unique<PosiState>();
    return *g_posi;
}

void ResetPosiState() { g_posi = std::make_unique<PosiState>(); }

double PosiValue::val() const
{
    if (isNumber())
        return number();
    if (isText())
        return Num::Val(text());
    return 0;
}

std::optional<int32_t> PosiValue::whole() const { return Num::CLng(val()); }

namespace PosiTables {

int DefaultPosiAcc(int axis)
{
    return PosiDevice::IsSize42SpeedD(axis) ? 20 : 10;
}

PosiRecord DefaultPosiRecord()
{
    PosiRecord def;
    for (int a = 0; a < 4; ++a) {
        def[PosiField::Speed(a)] = 30;
        def[PosiField::Acc(a)] = DefaultPosiAcc(a);
        def[PosiField::Method(a)] = 0;
        def[PosiField::Position(a)] = 0;
        def[PosiField::PushForce(a)] = 0;
        def[PosiField::PushPos(a)] = 0;
    }
    def[PosiField::Itpl] = 0;
    def[PosiField::Out] = 0;
    def[PosiField::Macro] = 0;
    def[PosiField::Comment] = QString();
    return def;
}

void InitPosiData()
{
    PosiState &p = Posi();
    const PosiRecord def = DefaultPosiRecord();
    for (int n = 1; n <= kPosiMax; ++n) {
        p.WireText[static_cast<size_t>(n - 1)] = QStringLiteral("0");
        p.PosiDataDisp[static_cast<size_t>(n)] = PosiDispRow{};
        p.PosiData[static_cast<size_t>(n)] = def;
        p.PosiDataRead[static_cast<size_t>(n)] = def;
        p.PosiReadHeld[static_cast<size_t>(n)] = true;
    }
}

void CopyPosiRecord()
{
    PosiState &p = Posi();
    const int s = std::max(App().PosiNoStart, 0);
    const int e = std::min(App().PosiNoEnd, kPosiMax);
    for (int n = s; n <= e; ++n) {
        auto &rd = p.PosiDataRead[static_cast<size_t>(n)];
        auto &pd = p.PosiData[static_cast<size_t>(n)];
        for (int f = 1; f <= kPosiFields; ++f) {
            if (f <= 24 && (f - 4) % 6 == 0)
                p.PosiDataDisp[static_cast<size_t>(n)][static_cast<size_t>((f - 4) / 6)] = rd[f].val();
            else
                pd[f] = rd[f];
        }
    }
}

void ClearPosiFlags()
{
    for (auto &row : Posi().PosiErrFlag)
        row.fill(false);
}

int GetCommonPosiRange()
{
    PosiState &p = Posi();
    const int f1 = p.FileFirstPosiNo, f2 = p.FileLastPosiNo;
    const int d1 = App().DispNoStart, d2 = App().DispNoEnd;
    if (f1 > d1) {
        if (f1 > d2)
            return 1;
        p.CommonNoStart = f1;
    } else {
        if (f2 < d1)
            return 1;
        p.CommonNoStart = d1;
    }
    p.CommonNoEnd = std::min(f2, d2);
    return 0;
}

} // namespace PosiTables

bool CheckPosiDataExist()
{
    PosiState &p = Posi();
    for (const auto &row : p.PosiData) {
        // Column 0 is never set; fields 1..4 tell whether defaults or data
        // were ever put in.
        for (int c = 0; c <= 4; ++c) {
            if (!row[c].equalsEmptyText()) {
                p.PosiDataExistFlag = true;
                return true;
            }
        }
    }
    return p.PosiDataExistFlag;
}
