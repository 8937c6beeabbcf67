#pragma once

#include "calc/plancomparison.h"

#include <QAbstractTableModel>

// One plan's debts, a row each in the order the plan pays them: the month
// each is paid off and the interest paid on it.
class DebtOutcomeModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { CreditorColumn, PaidOffColumn, InterestColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setPlan(const PlanOutcome* plan);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<DebtOutcome> debts_;
};
