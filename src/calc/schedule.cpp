#include "schedule.h"

void Schedule::clear()
{
    started_ = false;
    creditors_.clear();
    months_.clear();
}

void Schedule::begin(const DebtArray& debts)
{
    clear();
    started_ = true;
    creditors_.reserve(debts.size());
    for (const DebtFigures& debt : debts)
        creditors_.push_back(debt.name);
}

void Schedule::appendMonth(double paydate, double total, double extra,
                           const MonthPayments& payments)
{
    Month& month = months_.emplace_back(Month{paydate, total, extra, {}});
    month.debts.reserve(creditors_.size());
    for (const Payment& debt : payments)
        month.debts.push_back({debt.payment, debt.balance});
    // Debts the month does not name (none in a run) show as owing nothing.
    month.debts.resize(creditors_.size(), Cell{0.0, 0.0});
}
