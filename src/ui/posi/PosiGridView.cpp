#include "ui/posi/PosiGridView.h"

#include "core/Twips.h"
#include "posi/PosiGridModel.h"

#include <QHeaderView>
#include <QResizeEvent>

PosiGridView::PosiGridView(PosiGridModel *model, QWidget *parent) : QTableView(parent), m_model(model)
{
    setModel(model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(Twips::ToPx(250));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(model, &PosiGridModel::shapeChanged, this, &PosiGridView::applyShape);
    connect(model, &QAbstractItemModel::modelReset, this, &PosiGridView::applyShape);
    connect(model, &PosiGridModel::bulkChanged, this, [this](bool inBulk) {
        setUpdatesEnabled(!inBulk);
        setHorizontalScrollBarPolicy(inBulk ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(inBulk ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    });
    connect(model, &PosiGridModel::currentChanged, this, [this](int r, int c) {
        if (!m_model->InBulk())
            setCurrentIndex(m_model->index(r, c));
    });
    applyShape();
}

void PosiGridView::applyShape()
{
    if (m_model->InBulk())
        return;
    for (int c = 0; c < PosiGridModel::kCols; ++c) {
        const int w = m_model->ColWidth(c);
        setColumnHidden(c, w == 0);
        if (w > 0)
            setColumnWidth(c, Twips::ToPx(w));
    }
    // Only the title rows differ from the default height.
    for (int r = 0; r < std::min(2, m_model->Rows()); ++r)
        setRowHeight(r, Twips::ToPx(m_model->RowHeight(r)));
    clearSpans();
    for (const auto &[c, n] : m_model->Row0Spans())
        setSpan(0, c, 1, n);
}

void PosiGridView::resizeEvent(QResizeEvent *e)
{
    QTableView::resizeEvent(e);
    m_model->SetGridWidth(Twips::FromPx(viewport()->width()));
}
