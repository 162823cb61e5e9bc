// Pictures of the printouts for the documentation: each printout printed to
// a PDF file (A4 portrait, 5 mm margins) and its first page rendered to
// docs/print-<kind>.png (needs pdftoppm). Writes into the folder given
// (default docs).
#include "core/AppState.h"
#include "grpsm/GrpSmTables.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "print/PrintGrpSm.h"
#include "print/PrintPara.h"
#include "print/PrintPosi.h"
#include "print/PrintProg.h"
#include "support/PdfTools.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

namespace Dlg = Platform::Dialogs;

namespace {

QString g_out;
QString g_pdfDir;

void shoot(const QString &kind, const std::function<void()> &print)
{
    const QString pdf = QDir(g_pdfDir).filePath(kind + QStringLiteral(".pdf"));
    Dlg::QueuePrinterPdf(pdf);
    print();
    const QImage page = PdfTools::Render(pdf, 1, 60);
    const QString png = QDir(g_out).filePath(QStringLiteral("print-") + kind + QStringLiteral(".png"));
    if (page.isNull() || !page.save(png))
        std::fprintf(stderr, "could not write %s\n", qPrintable(png));
}

void positions(bool prgMode)
{
    auto &p = Paradata();
    for (int a = 0; a < 4; ++a) {
        p.DevSetting.DevLead[a] = 6;
        p.DevSetting.DevPPR[a] = 400;
    }
    App().PrgModeFlag = prgMode;
    App().DispMmUnit = false;
    App().AxisNotUsed = {false, false, false, prgMode};
    PosiTables::InitPosiData();
    App().DispNoStart = 1;
    App().DispNoEnd = 60;
    PosiGrid::FillGridByMode();
    if (prgMode)
        PosiGrid::Set_PosFormStrAtPrgMode();
    else
        PosiGrid::Set_PosFormStrAtPosMode();
    auto &g = PosiGrid::Grid();
    for (int n = 1; n <= 60; ++n) {
        const int r = PosiGrid::RowOf(n, 1);
        g.SetText(r, PosiField::Position(0), QString::number(n * 100));
        g.SetText(r, PosiField::Position(1), QString::number(n * 50));
        g.SetText(r, PosiField::Position(2), QString::number(3000 - n * 40));
        g.SetText(r, PosiField::Comment, QStringLiteral("position %1").arg(n));
    }
    PrintPosi::TakePosiPrintSnapshot(1, 60);
    Posi().FileAxisName = {QStringLiteral(" 28L-100"), QStringLiteral(" 28L-100"), QStringLiteral(" 42H-200"),
                           prgMode ? QString() : QStringLiteral(" 42H-200")};
    PrintPosi::PrintPosiPages(prgMode, 1, 60);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(g_out);
    TestEnv::Scope env;
    g_pdfDir = env.dir();
    App().LangOffset = 10000;
    Print::State().Clock = [] { return QDateTime(QDate(2026, 12, 10), QTime(9, 30)); };

    shoot(QStringLiteral("groups"), [] {
        GrpSm::GroupTable t{};
        for (int g = 1; g <= GrpSm::kGroupCount; ++g) {
            t[size_t(g)][0] = int16_t(g * 10 - 9);
            t[size_t(g)][1] = int16_t(g * 10);
        }
        PrintGrpSm::PrintGrpData(t, QStringLiteral("INDICATED DATA"));
    });
    shoot(QStringLiteral("macros"), [] {
        GrpSm::MacroTable t{};
        for (int m = 1; m <= GrpSm::kMacroCount; ++m)
            for (int s = 0; s < 6; ++s) {
                t[size_t(s)][size_t(GrpSm::MacroCodeCol(m))] = int16_t(s == 5 ? 0 : s + 1);
                t[size_t(s)][size_t(GrpSm::MacroCodeCol(m) + 1)] = int16_t(s == 5 ? 0 : (m + s) % 4 + 1);
            }
        PrintGrpSm::PrintSqMcr(t, 1, 20, QStringLiteral("sample.smd"));
    });
    shoot(QStringLiteral("positions-positioner"), [] { positions(false); });
    shoot(QStringLiteral("positions-program"), [] { positions(true); });
    shoot(QStringLiteral("program"), [] {
        PrintProg::ProgTable t{{QStringLiteral("No."), QStringLiteral("Command"), QStringLiteral("Operation1"),
                                QStringLiteral("Operation2"), QStringLiteral("Condition"), QStringLiteral("Result"),
                                QStringLiteral("Comment")}};
        const char *const lines[][6] = {{"HOME", "", "", "", "", "home all axes"},
                                        {"VEL", "50", "", "", "", ""},
                                        {"LB", "1", "", "", "", "loop"},
                                        {"MVP", "5", "", "", "", "to the work"},
                                        {"TIM", "1.5", "", "", "", "wait"},
                                        {"MVP", "6", "", "", "", "back"},
                                        {"JUMP", "1", "", "I3", "", "again while input 3"},
                                        {"END", "", "", "", "", ""}};
        int n = 0;
        for (const auto &l : lines) {
            std::array<QString, 7> row{QString::number(++n)};
            for (int c = 0; c < 6; ++c)
                row[size_t(c + 1)] = QString::fromLatin1(l[c]);
            t.push_back(row);
        }
        PrintProg::PrintProgramPages(t, {QStringLiteral("SAMPLE.prg"), true});
    });
    shoot(QStringLiteral("parameters"), [] {
        auto &s = Paradata();
        for (size_t a = 0; a < 4; ++a) {
            s.ParaSet.ParaHomeOffset[a] = ValueCell(50);
            s.ParaSet.ParaHomeVel[a] = 20;
            s.ParaSet.ParaAxisStroke[a] = ValueCell(6666);
            s.ParaSet.ParaAxisLead[a] = 6;
            s.ParaSet.ParaAxisPulse[a] = 400;
            s.ParaSet.ParaJogVel[a] = 10;
            s.ParaSet.ParaInpWid[a] = 5;
            s.Ct.CtDevSize[a] = QStringLiteral(" 28");
            s.Ct.CtDevSpeed[a] = QStringLiteral("L");
            s.Ct.CtDevStroke[a] = 100;
        }
        s.ParaSet.ParaSpAxis = 7;
        App().DispMmUnit = false;
        PrintPara::PrintParaSelFromSet();
        PrintPara::PrintParaFromForm();
        PrintPara::PrintParameters();
    });
    return 0;
}
