#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <vector>

// The rows of the debt grid: one per debt, already in display form. The
// grid's header row is the view's horizontal header.
class DebtListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { CreditorColumn, BalanceColumn, RateColumn, MonthlyColumn, StartDateColumn };
    static constexpr int kColumnCount = 5;
    using Row = std::array<QString, kColumnCount>;

    static Row rowOf(const QString& creditor, double balance, double rate, double monthly,
                     double startDate);

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<Row> rows);
    const Row& row(int index) const { return rows_.at(static_cast<size_t>(index)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<Row> rows_;
};
