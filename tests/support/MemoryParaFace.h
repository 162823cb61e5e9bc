#pragma once
// The parameter window's fields without a window: texts, list entries,
// option pairs, colours and enabled states by (control, axis). Lists hold
// the window's fixed items.
#include "paradata/ParaForm.h"

#include <QStringList>
#include <array>
#include <map>

// Every per-axis box of every axis and every single one set to a value
// inside the whole-window ranges (LEAD 6, PULSE 400, STROKE 120 mm); every
// list at entry 0 (the actuator lists " 28" / "L" / "50"), options at
// button 0, SP AXIS at "AXIS4".
void FillValidParaFields(ParaForm::Face &f);

class MemoryParaFace : public ParaForm::Face {
public:
    MemoryParaFace();

    QString Text(ParaForm::Ctl c, int axis) const override;
    void SetText(ParaForm::Ctl c, int axis, const QString &text) override;
    int ListIndex(ParaForm::Ctl c, int axis) const override;
    int ListCount(ParaForm::Ctl c, int axis) const override;
    void SetListIndex(ParaForm::Ctl c, int axis, int index) override;
    int Option(ParaForm::Ctl c) const override;
    void SetOption(ParaForm::Ctl c, int which) override;
    bool SpUnlocked() const override { return spUnlocked; }
    void SetGrey(ParaForm::Ctl c, int axis, bool grey) override;
    void SetEnabled(ParaForm::Ctl c, int axis, bool on) override;

    bool Grey(ParaForm::Ctl c, int axis) const;
    bool Enabled(ParaForm::Ctl c, int axis) const;
    void FillValid();

    bool spUnlocked = false;

private:
    struct Cell {
        QString text;
        int index = -1;
        bool grey = false;
        bool enabled = true;
    };
    Cell &cell(ParaForm::Ctl c, int axis);
    const Cell &cell(ParaForm::Ctl c, int axis) const;
    std::map<std::pair<int, int>, Cell> m_cells;
    std::map<int, QStringList> m_items;
};
