#pragma once

#include "flattablemodel.h"
#include "model/debt.h"

#include <vector>

// The rows of the debt grid: one per debt, formatted only when a cell is
// drawn. The grid's header row is the view's horizontal header.
class DebtListModel : public FlatTableModel {
    Q_OBJECT

public:
    enum Column { CreditorColumn, BalanceColumn, RateColumn, MonthlyColumn, StartDateColumn };
    static constexpr int kColumnCount = 5;

    using FlatTableModel::FlatTableModel;

    // One row per debt, the creditor shown as the debt holds it.
    void setRows(std::vector<Debt> rows);
    // The text a cell shows: the creditor as stored, money in the currency
    // form, the rate as a percentage, the start date as mm/dd/yyyy.
    QString text(int row, int column) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    int rows() const override { return static_cast<int>(rows_.size()); }
    int columns() const override { return kColumnCount; }

private:
    std::vector<Debt> rows_;
};
