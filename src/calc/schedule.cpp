#include "schedule.h"

#include <algorithm>

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
    // Debts the month does not name (none in a run) show as owing nothing.
    std::vector<Cell> cells(creditors_.size(), Cell{0.0, 0.0});
    const size_t named = std::min(payments.size(), cells.size());
    Cell* cell = cells.data();
    for (size_t debt = 0; debt < named; ++debt)
        cell[debt] = {payments[debt].payment, payments[debt].balance};
    months_.push_back({paydate, total, extra, std::move(cells)});
}
