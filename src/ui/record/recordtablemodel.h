#pragma once

#include "calc/recordrules.h"
#include "ui/common/flattablemodel.h"

#include <optional>
#include <vector>

// The rows of Record Payments, one per debt: its creditor and planned
// payment, the two fields the user fills in (paid, and the balance after from
// the statement), and the interest and charges those two make. The balance
// after follows what is paid until the user types a figure of their own into
// it. Amounts are kept as typed and read when they are shown or checked.
class RecordTableModel : public FlatTableModel {
    Q_OBJECT

public:
    enum Column {
        CreditorColumn,
        PlannedColumn,
        PaidColumn,
        AfterColumn,
        ChargesColumn,
        ColumnCount
    };

    struct Row {
        RecordRow figures; // as filled before the user typed
        QString paid;      // as typed
        QString after;     // as typed, or following paid
        bool afterTyped = false;
    };

    explicit RecordTableModel(QObject* parent = nullptr);

    // Rows as first filled; `typed` when the values are a record's own, shown
    // to be corrected (its balances after then stay as recorded).
    void setRows(const std::vector<RecordRow>& rows, bool typed);
    // Every paid field to its planned payment (where there is one).
    void payAsPlanned();
    const std::vector<Row>& entries() const { return rows_; }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    int rows() const override { return static_cast<int>(rows_.size()); }
    int columns() const override { return ColumnCount; }

private:
    void setPaid(Row& row, const QString& text);

    std::vector<Row> rows_;
};

// An amount field's text read as an amount of any sign (the window refuses a
// negative one itself, with its own words); none when it is no amount.
std::optional<double> typedAmount(const QString& text);
