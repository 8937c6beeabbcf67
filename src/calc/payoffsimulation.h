#pragma once

#include "debtfigures.h"
#include "monthsink.h"
#include "payoffterms.h"

#include <functional>
#include <limits>

// The month-by-month payoff of the working array.
//
// Numbers: every amount is a double kept in full precision from month to
// month; nothing is rounded to cents here or anywhere in a calculation.
// Rounding happens only when a value is formatted for display. A month's
// interest is monthlyInterest() (monthrules.h).
//
// Dates: the first month's payment falls on the terms' first paydate, each
// further one a calendar month later (see Paydates). A debt takes part from
// the first month whose paydate is on or after its start.
//
// Plans: each month's extra money and each debt's rate are those the plan
// puts in force (PlanRules); with no plan, the setting and the debt's rate.
//
// Stopping: the run ends when a month leaves no balance. It gives up, with
// nothing to show, when a month's total is not lower than the month before
// (the starting total for the first month) while no debt is still waiting
// to start and the plan did not pause the extra money; after kMaxMonths
// months; or, when asked, once its interest passes a bound.
//
// Every plan runs through these rules: Calculate into the schedule, the plan
// comparison into the numbers it shows (see MonthSink).
class PayoffSimulation {
public:
    static constexpr int kMaxMonths = 1200;
    static constexpr int kMaxYears = kMaxMonths / 12;

    enum class Outcome {
        PaidOff,
        NeverDecreases, // a month left the total where it was
        TooLong,        // still owing after kMaxMonths months
        Cancelled,
        OverBound, // its interest passed the bound it was given
    };
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

    struct Options {
        Progress progress;
        FreedMoney freed = FreedMoney::PassedOn;
        // A run whose interest so far passes this stops: a search for the
        // cheapest order needs no more of a run that cannot be it.
        double interestBound = std::numeric_limits<double>::infinity();
    };

    // Runs over the debts of the array, in its order, and hands every month
    // to the sink. After any outcome but PaidOff the sink is told to discard
    // what it was given.
    static Result run(const DebtArray& debts, const PayoffTerms& terms, MonthSink& sink,
                      const Options& options);
    static Result run(const DebtArray& debts, const PayoffTerms& terms, MonthSink& sink)
    {
        return run(debts, terms, sink, Options());
    }

    // The share of the starting total that is paid when this total is left,
    // from 0 to 100 whatever the numbers.
    static double percentPaid(double total, double startingTotal);
};
