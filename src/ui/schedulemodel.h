#pragma once

#include "calc/scheduletable.h"
#include "flattablemodel.h"

#include <QColor>
#include <utility>
#include <vector>

// Shows a ScheduleTable in the schedule grid, and alone knows how it is
// drawn: the header rows and leading columns stay fixed, equal neighbouring
// header cells show as one, the debt columns are centred and January rows
// are pale cyan. Cell texts are made only for the cells the view asks for; a
// calculation announces its rows once.
class ScheduleModel : public FlatTableModel {
    Q_OBJECT

public:
    static inline const QColor kJanuaryColour = QColor(0xC0, 0xFF, 0xFF);
    static constexpr int kFixedRows = ScheduleTable::kHeaderRows;
    static constexpr int kFixedColumns = ScheduleTable::kLeadingColumns;

    explicit ScheduleModel(const ScheduleTable& table, QObject* parent = nullptr);

    // Call after the table was changed: the views read it afresh.
    void tableChanged();

    // Runs of two or more neighbouring cells with equal text in a fixed row,
    // as (first column, number of columns).
    std::vector<std::pair<int, int>> mergedRuns(int row) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    int rows() const override { return rows_; }
    int columns() const override { return columns_; }

private:
    bool isHighlighted(int row) const;
    static bool isFixed(int row, int column);

    const ScheduleTable& table_;
    // The counts the views were last told about: the table grows month by
    // month while a calculation runs, and the views learn of it at the end.
    int rows_ = 0;
    int columns_ = 0;
};
