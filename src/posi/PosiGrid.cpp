#include "posi/PosiGrid.h"

#include "core/AppState.h"
#include "core/Shell.h"
#include "paradata/UnitTexts.h"
#include "core/Num.h"
#include "core/FixedText.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiTables.h"

#include <cmath>
#include <memory>

using Platform::ResLines;
using Platform::ResText;

namespace PosiGrid {
namespace {

std::unique_ptr<PosiGridModel> g_grid;

bool axisUnused(int a) { return App().AxisNotUsed[static_cast<size_t>(a & 3)]; }

// A whole number is written by the integer conversion, which gives the same
// digits as the general one for any value below 10^15, many times faster.
QString num(double v)
{
    if (v == std::trunc(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<qint64>(v));
    return QString::number(v, 'g', 15);
}

QString unitText() { return ResText(App().DispMmUnit ? 230 : 229); }

void writeTitles(int row1FontSize)
{
    PosiGridModel &g = Grid();
    if (g.Rows() < 2)
        g.SetRows(2);
    g.SetText(0, 0, QString());
    g.SetText(1, 0, ResText(248));
    const int fieldTitles[6] = {225, 226, 227, 228, 199, 200};
    for (int a = 0; a < 4; ++a) {
        for (int k = 0; k < 6; ++k) {
            const int c = 6 * a + 1 + k;
            g.SetText(0, c, ResText(220 + a));
            g.SetText(1, c, k == 3 ? ResText(228) + unitText() : ResText(fieldTitles[k]));
        }
    }
    const int common[4] = {196, 197, 198, 234};
    for (int k = 0; k < 4; ++k) {
        g.SetText(0, 25 + k, ResText(224));
        g.SetText(1, 25 + k, ResText(common[k]));
    }
    g.SetTitleFontSizes(11, row1FontSize);
    App().DataFileName = ResText(213);
}

void sizeInit(bool prgMode, bool resetRows)
{
    PosiGridModel &g = Grid();
    if (resetRows)
        g.SetRows(2);
    g.SetMergeRow0(true);
    g.SetRowHeight(0, 300);
    g.SetRowHeight(1, 500);
    const int posWidths[6] = {500, 500, 500, 1000, 600, 700};
    const int prgWidths[6] = {0, 0, 0, 2000, 0, 0};
    g.SetColWidth(0, 400);
    for (int a = 0; a < 4; ++a)
        for (int k = 0; k < 6; ++k)
            g.SetColWidth(6 * a + 1 + k, axisUnused(a) ? 0 : (prgMode ? prgWidths[k] : posWidths[k]));
    if (prgMode) {
        for (int c = 25; c <= 27; ++c)
            g.SetColWidth(c, 0);
    } else {
        g.SetColWidth(25, axisUnused(1) ? 0 : 500);
        g.SetColWidth(26, 500);
        g.SetColWidth(27, 500);
    }
    FitCommentColumn(g.GridWidth(), prgMode ? 100 : 500);
    for (int c = 0; c <= 27; ++c)
        g.SetColAlignment(c, 4);
    g.SetColAlignment(28, 1);
    if (!g.InBulk())
        emit g.shapeChanged();
}

void colourRows()
{
    PosiGridModel &g = Grid();
    for (int c = 1; c <= 27; ++c) {
        quint32 color = PosiGridModel::kWindowColor;
        if (c <= 24) {
            const int a = (c - 1) / 6;
            if (axisUnused(a))
                color = 0xE0E0E0u;
            else if (a == 1 || a == 3)
                color = 0xC0FFFFu;
        }
        for (int r = 2; r < g.Rows(); ++r)
            g.SetCellBackColor(r, c, color);
    }
}

void fill(bool prgMode)
{
    const AppState &app = App();
    if (app.DispNoStart == 0 && app.DispNoEnd == 0)
        return;
    PosiGridModel &g = Grid();
    const PosiState &p = Posi();
    // One bulk update for the whole fill: rows, colours and texts.
    BeginBulk();
    g.SetRows(app.DispNoEnd - app.DispNoStart + 3);
    colourRows();
    for (int n = app.DispNoStart; n <= app.DispNoEnd; ++n) {
        if (n < 0 || n > kPosiMax)
            continue;
        const int r = RowOf(n, app.DispNoStart);
        const PosiRecord &rec = p.PosiData[static_cast<size_t>(n)];
        const PosiDispRow &disp = p.PosiDataDisp[static_cast<size_t>(n)];
        g.SetRowHeight(r, 250);
        g.SetText(r, 0, QString::number(n));
        for (int a = 0; a < 4; ++a) {
            const bool used = !axisUnused(a);
            const size_t ai = static_cast<size_t>(a);
            g.SetText(r, PosiField::Speed(a), used ? num(rec[PosiField::Speed(a)].val()) : QStringLiteral("30"));
            g.SetText(r, PosiField::Acc(a), used ? num(rec[PosiField::Acc(a)].val() * 10) : QStringLiteral("10"));
            g.SetText(r, PosiField::Method(a), used ? num(rec[PosiField::Method(a)].val()) : QStringLiteral("0"));
            QString value = app.DispMmUnit ? MmText(used ? disp[ai + 4] : 0) : (used ? num(disp[ai]) : QStringLiteral("0"));
            if (prgMode) {
                const int method = rec[PosiField::Method(a)].whole().value_or(0);
                if (!used || method == 0)
                    value = QStringLiteral("N");
                else if (method == 2)
                    value = QLatin1Char('+') + value;
                else if (method == 3)
                    value = QLatin1Char('-') + value;
            }
            g.SetText(r, PosiField::Position(a), value);
            g.SetText(r, PosiField::PushForce(a), used ? num(rec[PosiField::PushForce(a)].val()) : QStringLiteral("0"));
            g.SetText(r, PosiField::PushPos(a), used ? num(rec[PosiField::PushPos(a)].val()) : QStringLiteral("0"));
        }
        for (int f : {PosiField::Itpl, PosiField::Out, PosiField::Macro})
            g.SetText(r, f, num(rec[f].val()));
        g.SetText(r, PosiField::Comment, rec[PosiField::Comment].toString());
    }
    InitCurrentCell();
    EndBulk();
}

} // namespace

PosiGridModel &Grid()
{
    if (!g_grid)
        g_grid = std::make_unique<PosiGridModel>();
    return *g_grid;
}

void ResetGrid() { g_grid = std::make_unique<PosiGridModel>(); }

QString MmText(double mm)
{
    const QString t = Num::Fixed(mm, 3);
    return FixedText::PadSpace(t, 8).value_or(t);
}

void Set_PosFormStrAtPosMode() { writeTitles(7); }
void Set_PosFormStrAtPrgMode() { writeTitles(9); }

void Change_DispUnit()
{
    for (int a = 0; a < 4; ++a)
        Grid().SetText(1, PosiField::Position(a), ResText(228) + QString::number(a + 1) + unitText());
}

int CommentWidth(int gridWidth, int otherColumns, int margin)
{
    constexpr int kUsable = 3500;
    if (gridWidth < otherColumns + kUsable)
        return kUsable;
    return gridWidth - otherColumns - margin;
}

void FitCommentColumn(int gridWidth, int margin)
{
    PosiGridModel &g = Grid();
    int others = 0;
    for (int c = 0; c <= 27; ++c)
        others += g.ColWidth(c);
    g.SetColWidth(28, CommentWidth(gridWidth, others, margin));
}

void SizeInit_PositionGridAtPosMode() { sizeInit(false, true); }
void SizeInit_PositionGridAtPosModeKeepingRows() { sizeInit(false, false); }
void SizeInit_PositionGridAtPrgMode() { sizeInit(true, true); }
void SizeInit_PositionGridAtPrgModeKeepingRows() { sizeInit(true, false); }

void ColourAxisColumns()
{
    if (App().DispNoStart == 0 && App().DispNoEnd == 0)
        return;
    BeginBulk();
    colourRows();
    InitCurrentCell();
    EndBulk();
}

void BeginBulk() { Grid().BeginBulk(); }
void EndBulk() { Grid().EndBulk(); }
void InitCurrentCell() { Grid().SetCurrent(0, 0); }

void FillGridPositionMode() { fill(false); }
void FillGridProgramMode() { fill(true); }
void FillGridByMode()
{
    if (App().PrgModeFlag)
        FillGridProgramMode();
    else
        FillGridPositionMode();
}

int Check_flgdLineNo()
{
    if (Grid().Rows() >= 3)
        return 0;
    Platform::Dialogs::MsgBox(ResLines({433, 434}), Platform::MsgButtons::Ok,
                              Platform::MsgIcon::Information);
    return 1;
}

void DispDeviceName()
{
    const UnitTexts::DeviceNameTexts t = UnitTexts::DeviceNameTextsNow();
    for (int a = 0; a < 4; ++a)
        if (t.caption[size_t(a)])
            Shell::Get().SetDeviceLabel(a, *t.caption[size_t(a)]);
    for (int c = 1; c <= 24; ++c)
        if (t.header[size_t(c)])
            PosiGrid::Grid().SetText(0, c, *t.header[size_t(c)]);
}

} // namespace PosiGrid
