#pragma once

#include "debtarray.h"
#include "monthsink.h"

#include <QDate>
#include <QString>
#include <functional>

// The month-by-month payoff of the working array.
//
// Numbers: every amount is a double kept in full precision from month to
// month; nothing is rounded to cents here. Rounding happens only when a
// value is formatted for display (ScheduleTable, the total labels). A
// month's interest is (rate x balance) / 12, computed in that order.
//
// Dates: the first month is today plus one calendar month; each further
// month adds one calendar month to the previous month's date, so a day cut
// to the 28th of February stays the 28th afterwards. A debt takes part from
// the first month whose date is on or after its start date.
//
// Stopping: the run ends when a month leaves no balance. It gives up, with
// nothing to show, when a month's total is not lower than the month before
// (the starting total for the first month) while no debt is still waiting
// to start, or after kMaxMonths months.
//
// Every plan runs through these rules: Calculate into the schedule table,
// the plan comparison into numbers (see MonthSink).
class PayoffSimulation {
public:
    static constexpr int kMaxMonths = 1200; // a hundred years
    // "mony" is how the message has always read; users know it so.
    static inline const QString kNeverDecreasesMessage =
        QStringLiteral("The balance will never decrease unless you add extra mony towards paying "
                       "off your debts.");

    enum class Outcome { PaidOff, NeverDecreases, Cancelled };
    struct Result {
        Outcome outcome = Outcome::PaidOff;
        double totalInterest = 0.0;
        double totalPayments = 0.0;
        int months = 0;
    };

    // Called after every month with the share of the starting total paid
    // so far, in percent (0 to 100, not rounded); returning false cancels.
    using Progress = std::function<bool(double percentPaid)>;

    // What becomes of the minimums that paid-off debts free and of the extra
    // money: passed on to the debts in priority order, or left unused when
    // only the minimums are paid.
    enum class FreedMoney { PassedOn, Unused };

    // Runs over the debts of the array (in priority order), lowering their
    // balances, and hands every month to the sink. After any outcome but
    // PaidOff the sink is told to discard what it was given.
    static Result run(DebtArray& debts, double extraMoney, QDate today, MonthSink& sink,
                      const Progress& progress = {}, FreedMoney freed = FreedMoney::PassedOn);

    // The share of the starting total that is paid when this total is left,
    // from 0 to 100 whatever the numbers.
    static double percentPaid(double total, double startingTotal);
};
