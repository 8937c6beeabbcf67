#pragma once

#include "debtarray.h"
#include "monthrules.h"

// Where the payoff simulation hands its months: the schedule keeps every
// figure the grid, the report and the export show; the plan comparison keeps
// only the numbers it shows.
class MonthSink {
public:
    virtual ~MonthSink() = default;

    // Before the first month: the debts in the order their payments come.
    virtual void begin(const DebtArray& debts) = 0;
    virtual void appendMonth(double paydate, double total, double extra,
                             const MonthPayments& payments) = 0;
    // The run ended with nothing to show: the balance did not fall, or it was
    // cancelled.
    virtual void discard() = 0;
};
