#pragma once

#include "calc/plancomparison.h"
#include "ui/common/flattablemodel.h"

// One plan's debts, a row each in the order the plan pays them: the month
// each is paid off and the interest paid on it.
class DebtOutcomeModel : public FlatTableModel {
    Q_OBJECT

public:
    enum Column { CreditorColumn, PaidOffColumn, InterestColumn, ColumnCount };

    using FlatTableModel::FlatTableModel;

    void setPlan(const PlanOutcome* plan);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    int rows() const override { return static_cast<int>(debts_.size()); }
    int columns() const override { return ColumnCount; }

private:
    std::vector<DebtOutcome> debts_;
};
