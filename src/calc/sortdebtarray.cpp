#include "sortdebtarray.h"

#include <limits>
#include <utility>

namespace {

// A debt without a minimum has no defined ratio; it goes after every debt
// that has one.
double balancePerMonthly(const DebtRecord& record)
{
    if (record.Monthly == 0)
        return std::numeric_limits<double>::infinity();
    return record.Balance / record.Monthly;
}

// Whether record j has lower priority than record k under the method.
bool ranksBelow(const DebtRecord& j, const DebtRecord& k, PriorityMethod method)
{
    switch (method) {
    case PriorityMethod::HighestRate:
        return j.Rate < k.Rate;
    case PriorityMethod::SmallestBalance:
        return j.Balance > k.Balance;
    case PriorityMethod::SmallestBalancePerMonthly:
        return balancePerMonthly(k) < balancePerMonthly(j);
    }
    return false;
}

} // namespace

void orderDebtArray(DebtArray& array, PriorityMethod method)
{
    const int count = debtCount(array);
    for (int pass = count; pass >= 2; --pass) {
        int k = 1;
        for (int j = 2; j <= count; ++j) {
            if (ranksBelow(array[j], array[k], method))
                k = j;
            // Every step exchanges, whether or not the test held; this is
            // what decides the order of equal keys.
            std::swap(array[k], array[j]);
        }
    }
}

DebtArray SortDebtArray(const clsDebts& debts, PriorityMethod method)
{
    DebtArray array = FillDebtArray(debts);
    orderDebtArray(array, method);
    return array;
}
