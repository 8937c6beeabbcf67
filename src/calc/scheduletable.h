#pragma once

#include "monthsink.h"
#include "platform/moneytext.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The payoff schedule as the grid, the printed report and the export see it:
// two header rows, then one row per month; a date, total balance and extra
// money column, then a payment and a balance column per debt in priority
// order. The cells are kept as text, written once when a row is added: all
// rows in one buffer, each cell followed by a tab and each row by CR LF, so
// that the export is the buffer itself and a cell is found by its offset.
class ScheduleTable : public MonthSink {
public:
    static constexpr int kHeaderRows = 2;
    static constexpr int kLeadingColumns = 3;
    enum LeadingColumn { DateColumn = 0, TotalColumn = 1, ExtraColumn = 2 };

    // Columns of debt i, counted from 1 in priority order.
    static constexpr int paymentColumn(int debt) { return 2 * debt + 1; }
    static constexpr int balanceColumn(int debt) { return 2 * debt + 2; }

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
    void appendMonth(double paydate, double total, double extra,
                     const MonthPayments& payments) override;

    void begin(const DebtArray& debts) override;
    void discard() override { clear(); }

    int rowCount() const;
    int columnCount() const;
    int monthCount() const { return static_cast<int>(paydates_.size()); }

    QString text(int row, int column) const { return cell(row, column).toString(); }
    // The same text without a copy; valid until the table changes.
    QStringView cell(int row, int column) const;
    // Every row as a line: each cell followed by a tab, each line by CR LF.
    QStringView lines() const { return QStringView(lines_.constData(), used_); }

    // The month row's day number; row counts from kHeaderRows.
    double monthDate(int row) const;

private:
    void appendHeaderRow(const QStringList& cells);
    void appendDebtCells(const Payment& payment);
    void appendText(QStringView text);
    void appendMoney(double value);
    // Makes room for this many more characters after the used part.
    char16_t* room(qsizetype characters);
    void endCell();
    void endRow();

    QLocale locale_;
    MoneyText money_;
    QStringList monthAbbreviations_;
    bool hasHeader_ = false;
    int debts_ = 0;
    std::vector<double> paydates_; // of the month rows, as day numbers
    // The used part of the buffer: rows are written straight into it, which
    // costs far less than appending cell by cell.
    QString lines_;
    qsizetype used_ = 0;
    // Where each cell starts in lines_, row by row; each row has one more
    // entry, where its line end starts, so a cell ends before the next start.
    std::vector<quint32> cellStarts_;
};
