#pragma once

#include "report/scheduletext.h"
#include "ui/common/flattablemodel.h"

#include <QColor>
#include <utility>
#include <vector>

// Shows the schedule in the schedule grid, and alone knows how it is drawn:
// the header rows and leading columns stay fixed, equal neighbouring header
// cells show as one, the debt columns are centred and January rows are pale
// cyan. Cell texts are made only for the cells the view asks for; a
// calculation announces its rows once.
class ScheduleModel : public FlatTableModel {
    Q_OBJECT

public:
    static inline const QColor kJanuaryColour = QColor(0xC0, 0xFF, 0xFF);
    static constexpr int kFixedRows = ScheduleText::kHeaderRows;
    static constexpr int kFixedColumns = ScheduleText::kLeadingColumns;

    explicit ScheduleModel(const ScheduleText& text, QObject* parent = nullptr);

    // Call after the schedule was changed: the views read it afresh.
    void scheduleChanged();

    // Runs of two or more neighbouring cells with equal text in a fixed row,
    // as (first column, number of columns).
    std::vector<std::pair<int, int>> mergedRuns(int row) const;
    // The text of each column's largest figure (see ScheduleText).
    QStringList widestFigures() const { return text_.widestFigures(); }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    int rows() const override { return rows_; }
    int columns() const override { return columns_; }

private:
    bool isHighlighted(int row) const;
    static bool isFixed(int row, int column);

    const ScheduleText& text_;
    // The counts the views were last told about: the schedule grows month by
    // month while a calculation runs, and the views learn of it at the end.
    int rows_ = 0;
    int columns_ = 0;
};
