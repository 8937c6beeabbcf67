#pragma once

#include "debtfigures.h"
#include "monthrules.h"

// Where the payoff simulation hands its months: the schedule keeps every
// figure the grid, the report and the export show; the plan comparison keeps
// only the numbers it shows; a search keeps nothing but the run's result.
class MonthSink {
public:
    virtual ~MonthSink() = default;

    // Before the first month: the debts in the order their payments come.
    virtual void begin(const DebtArray& debts) = 0;
    virtual void appendMonth(double paydate, double total, double extra,
                             const MonthPayments& payments) = 0;
    // The run ended with nothing to show: it did not end in a payoff.
    virtual void discard() = 0;
};

// Keeps nothing: for runs that only their totals are wanted of.
class NoSink final : public MonthSink {
public:
    void begin(const DebtArray&) override {}
    void appendMonth(double, double, double, const MonthPayments&) override {}
    void discard() override {}
};
