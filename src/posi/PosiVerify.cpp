#include "posi/PosiVerify.h"

#include "core/AppState.h"
#include "posi/PosiTables.h"

namespace PosiVerify {

bool TakesPart(int field)
{
    const AppState &app = App();
    if (field < 1 || field >= PosiField::Comment)
        return false;
    if (field > 24)
        return !app.PrgModeFlag;
    const int axis = (field - 1) / 6;
    if (app.AxisNotUsed[static_cast<size_t>(axis)])
        return false;
    if (!app.PrgModeFlag)
        return true;
    return field == PosiField::Method(axis) || field == PosiField::Position(axis);
}

int ComparePositionData()
{
    const AppState &app = App();
    PosiState &p = Posi();
    PosiTables::ClearPosiFlags();
    p.PosiErrCount = 0;
    for (int n = std::max(app.PosiNoStart, 1); n <= std::min(app.PosiNoEnd, kPosiMax); ++n) {
        // A position the reference does not hold is neither compared nor
        // reported.
        if (!p.PosiReadHeld[static_cast<size_t>(n)])
            continue;
        const PosiRecord &ref = p.PosiDataRead[static_cast<size_t>(n)];
        const PosiRecord &now = p.PosiData[static_cast<size_t>(n)];
        PosiFlagRow &flags = p.PosiErrFlag[static_cast<size_t>(n)];
        auto differs = [&](int k) { return ref[k].val() != now[k].val(); };
        for (int k = 1; k < PosiField::Comment; ++k) {
            if (!TakesPart(k))
                continue;
            bool mark = differs(k);
            // In program mode a position goes with its method: the cell is
            // marked together with a differing method.
            if (!mark && app.PrgModeFlag && k <= 24 && (k - 1) % 6 == 3)
                mark = differs(k - 1);
            if (mark) {
                flags[static_cast<size_t>(k)] = true;
                flags[PosiField::Comment] = true;
            }
        }
        if (flags[PosiField::Comment])
            ++p.PosiErrCount;
    }
    return p.PosiErrCount > 0 ? 1 : 0;
}

} // namespace PosiVerify
