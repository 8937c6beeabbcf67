#pragma once

#include "clspayment.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// The payoff schedule as the grid, the printed report and the export see it:
// two header rows, then one row per month; a date, total balance and extra
// money column, then a payment and a balance column per debt in priority
// order. Months are stored as numbers and turned into cell text only when a
// cell is read, so a schedule of hundreds of thousands of cells costs no
// formatting until it is shown, printed or exported.
class ScheduleTable {
public:
    static constexpr int kHeaderRows = 2;
    static constexpr int kLeadingColumns = 3;
    enum LeadingColumn { DateColumn = 0, TotalColumn = 1, ExtraColumn = 2 };

    // Columns of debt i, counted from 1 in priority order.
    static constexpr int paymentColumn(int debt) { return 2 * debt + 1; }
    static constexpr int balanceColumn(int debt) { return 2 * debt + 2; }
    // The debt (from 1) a column belongs to; 0 for the leading columns.
    static constexpr int debtOfColumn(int column)
    {
        return column < kLeadingColumns ? 0 : (column - 1) / 2;
    }

    static inline const QString kPaidOff = QStringLiteral("Paid Off");
    static inline const QString kDelayed = QStringLiteral("Delayed");

    explicit ScheduleTable(const QLocale& locale = QLocale());

    // Removes everything, header rows included (row count 0).
    void clear();
    // Starts a schedule for these debts: the two header rows, no months yet.
    // Each name is shown trimmed of blanks.
    void setUp(const QStringList& creditors);
    // Appends one month row from the month's payment records, one per debt
    // in priority order.
    void PrintLine(double paydate, double total, double extra, const MonthPayments& payments);
    void reserveMonths(int months);

    int rowCount() const;
    int columnCount() const;
    int debtCount() const { return static_cast<int>(creditors_.size()); }
    int monthCount() const { return static_cast<int>(months_.size()); }
    bool isEmpty() const { return rowCount() == 0; }

    QString text(int row, int column) const;
    // January rows are drawn on a pale cyan background.
    bool isHighlighted(int row) const;
    // Debt columns are centred; the leading three are not.
    bool isCentred(int column) const { return column >= kLeadingColumns; }
    // Equal neighbouring cells of the header rows show as one.
    bool mergesEqualCells(int row) const { return row < kHeaderRows; }
    // Runs of two or more neighbouring cells with equal text in a merging
    // row, as (first column, number of columns).
    std::vector<std::pair<int, int>> mergedRuns(int row) const;
    int fixedRows() const { return kHeaderRows; }
    int fixedColumns() const { return kLeadingColumns; }

    // The month row's day number; row counts from kHeaderRows.
    double monthDate(int row) const;

private:
    struct Month {
        double paydate;
        double total;
        double extra;
        int monthOfYear;
    };
    struct DebtMonth {
        double payment;
        double balance;
    };

    QString headerText(int row, int column) const;
    QString monthText(int row, int column) const;
    QString debtCellText(const DebtMonth& cell, bool paymentCell) const;

    QLocale locale_;
    bool hasHeader_ = false;
    QStringList creditors_;
    std::vector<Month> months_;
    std::vector<DebtMonth> cells_; // months_.size() x debtCount(), row by row
};
