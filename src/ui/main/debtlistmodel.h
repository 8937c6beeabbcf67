#pragma once

#include "calc/debtfigures.h"
#include "model/debt.h"
#include "ui/common/flattablemodel.h"

#include <vector>

class DebtList;

// The rows of the debt grid, following the account's debts as they change:
// one per debt in the list's order, formatted only when a cell is drawn.
// After a calculation it shows the debts in the order of payment instead,
// each creditor filled out to the 100 characters of debts.dat's record, until
// the list next changes.
// The grid's header row is the view's horizontal header.
class DebtListModel : public FlatTableModel {
    Q_OBJECT

public:
    enum Column { CreditorColumn, BalanceColumn, RateColumn, MonthlyColumn, StartDateColumn };
    static constexpr int kColumnCount = 5;
    // The debt's key, by which a row is found in the list.
    static constexpr int KeyRole = Qt::UserRole;

    explicit DebtListModel(const DebtList& debts, QObject* parent = nullptr);

    void showInPaymentOrder(const DebtArray& ordered);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // A debt was added, in this row, and the rows are in the list's order.
    void debtAdded(int row);

protected:
    int rows() const override;
    int columns() const override { return kColumnCount; }

private:
    const Debt& debtAt(int row) const;
    bool inPaymentOrder() const { return !ordered_.empty(); }
    void followList();

    const DebtList& debts_;
    std::vector<Debt> ordered_;
};
