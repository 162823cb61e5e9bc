#pragma once
// A thin view of the position grid model: applies its widths, heights,
// hidden columns and merged title cells, and hides itself during a bulk
// update of the model.
#include <QTableView>

class PosiGridModel;

class PosiGridView : public QTableView {
    Q_OBJECT
public:
    explicit PosiGridView(PosiGridModel *model, QWidget *parent = nullptr);
    void applyShape();

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    PosiGridModel *m_model;
};
