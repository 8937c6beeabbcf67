#pragma once

#include <QAbstractTableModel>
#include <QColor>

class ScheduleTable;

// Shows a ScheduleTable in the schedule grid. Cell texts are made only for
// the cells the view asks for; a calculation announces its rows once.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static inline const QColor kJanuaryColour = QColor(0xC0, 0xFF, 0xFF);

    explicit ScheduleModel(const ScheduleTable& table, QObject* parent = nullptr);

    const ScheduleTable& table() const { return table_; }
    // Call after the table was changed: the views read it afresh.
    void tableChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const ScheduleTable& table_;
    // The counts the views were last told about: the table grows month by
    // month while a calculation runs, and the views learn of it at the end.
    int rows_ = 0;
    int columns_ = 0;
};
