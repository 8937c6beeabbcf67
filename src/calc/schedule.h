#pragma once

#include "monthsink.h"

#include <QString>
#include <vector>

// A payoff schedule in numbers: for each month its day, the total balance
// left and the extra money placed, and for each debt, in payment order, what
// it paid and what it still owes. It keeps only what is shown; a debt's
// state in a month is derived from those two. Nothing here is text: the
// grid, the report and the export format it as they show it.
class Schedule : public MonthSink {
public:
    // No schedule at all: not even the debts it would be for.
    void clear();
    // Whether a schedule was begun (and not discarded) since the last clear.
    bool isStarted() const { return started_; }

    int debtCount() const { return static_cast<int>(creditors_.size()); }
    int monthCount() const { return static_cast<int>(months_.size()); }
    // The debt's name as the debt list holds it.
    const QString& creditor(int debt) const { return creditors_[static_cast<size_t>(debt)]; }

    double paydate(int month) const { return at(month).paydate; }
    double total(int month) const { return at(month).total; }
    double extra(int month) const { return at(month).extra; }
    double payment(int month, int debt) const { return cell(month, debt).payment; }
    double balance(int month, int debt) const { return cell(month, debt).balance; }
    PaymentState state(int month, int debt) const
    {
        const Cell& shown = cell(month, debt);
        return stateOf(shown.payment, shown.balance);
    }

    void begin(const DebtArray& debts) override;
    void appendMonth(double paydate, double total, double extra,
                     const MonthPayments& payments) override;
    void discard() override { clear(); }

private:
    struct Cell {
        double payment;
        double balance;
    };
    struct Month {
        double paydate;
        double total;
        double extra;
        std::vector<Cell> debts;
    };

    const Month& at(int month) const { return months_[static_cast<size_t>(month)]; }
    const Cell& cell(int month, int debt) const
    {
        return at(month).debts[static_cast<size_t>(debt)];
    }

    bool started_ = false;
    std::vector<QString> creditors_;
    // A month's cells are allocated with it, so a long schedule grows without
    // ever copying the months before.
    std::vector<Month> months_;
};
