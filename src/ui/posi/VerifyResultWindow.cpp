#include "ui/posi/VerifyResultWindow.h"

#include "core/AppState.h"
#include "core/BgrColor.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiTables.h"
#include "posi/PosiVerify.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using Platform::ResText;

namespace VerifyResult {

void Fill(QStandardItemModel &m)
{
    const PosiState &p = Posi();
    const AppState &app = App();
    m.clear();
    m.setColumnCount(28);
    m.setRowCount(2);
    m.setItem(1, 0, new QStandardItem(ResText(248)));
    const int titles[6] = {225, 226, 227, 228, 199, 200};
    for (int a = 0; a < 4; ++a)
        for (int k = 0; k < 6; ++k) {
            m.setItem(0, 6 * a + 1 + k, new QStandardItem(ResText(220 + a)));
            m.setItem(1, 6 * a + 1 + k, new QStandardItem(ResText(titles[k])));
        }
    for (int k = 0; k < 3; ++k) {
        m.setItem(0, 25 + k, new QStandardItem(ResText(224)));
        m.setItem(1, 25 + k, new QStandardItem(ResText(231 + k)));
    }
    const QColor flagColor = Bgr::ToQColor(kFlagColor);
    for (int n = std::max(app.PosiNoStart, 0); n <= std::min(app.PosiNoEnd, kPosiMax); ++n) {
        const PosiFlagRow &f = p.PosiErrFlag[static_cast<size_t>(n)];
        if (!f[28])
            continue;
        QList<QStandardItem *> row;
        row << new QStandardItem(QString::number(n));
        for (int k = 1; k <= 27; ++k) {
            auto *it = new QStandardItem(f[static_cast<size_t>(k)] ? QStringLiteral("X") : QStringLiteral("O"));
            if (f[static_cast<size_t>(k)])
                it->setBackground(flagColor);
            it->setTextAlignment(Qt::AlignCenter);
            row << it;
        }
        m.appendRow(row);
    }
}

} // namespace VerifyResult

VerifyResultWindow::VerifyResultWindow(QWidget *parent) : QDialog(parent)
{
    const bool verify = Posi().VerifyMode;
    setWindowTitle(ResText(verify ? 2301 : 2302));
    auto *l = new QVBoxLayout(this);
    lblVerifyResult = new QLabel(ResText(verify ? 2303 : 2304), this);
    lblVerifyResult->setWordWrap(true);
    l->addWidget(lblVerifyResult);
    VerifyResult::Fill(model);
    flgdVerifyResult = new QTableView(this);
    flgdVerifyResult->setModel(&model);
    flgdVerifyResult->horizontalHeader()->hide();
    flgdVerifyResult->verticalHeader()->hide();
    flgdVerifyResult->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Fields that take no part are hidden: unused axes, and in program mode
    // everything but method and position.
    for (int k = 1; k <= 27; ++k)
        flgdVerifyResult->setColumnHidden(k, !PosiVerify::TakesPart(k));
    for (int a = 0; a < 4; ++a)
        flgdVerifyResult->setSpan(0, 6 * a + 1, 1, 6);
    flgdVerifyResult->setSpan(0, 25, 1, 3);
    flgdVerifyResult->resizeColumnsToContents();
    l->addWidget(flgdVerifyResult);
    cmdCloseVerifyResult = new QPushButton(ResText(2202), this);
    connect(cmdCloseVerifyResult, &QPushButton::clicked, this, &QDialog::accept);
    l->addWidget(cmdCloseVerifyResult, 0, Qt::AlignRight);
    resize(900, 400);
}

namespace VerifyResult {
void Show()
{
    VerifyResultWindow dlg;
    Platform::Dialogs::ExecModal(dlg);
}
} // namespace VerifyResult
