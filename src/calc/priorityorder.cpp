#include "priorityorder.h"

#include "model/debtlist.h"

#include <QSet>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace {

// A debt without a minimum has no defined ratio; it goes after every debt
// that has one.
double balancePerMonthly(const DebtRecord& record)
{
    if (record.monthly == 0)
        return std::numeric_limits<double>::infinity();
    return record.balance / record.monthly;
}

// The value a method orders by; a debt ranks below another when its key is
// greater (smaller for the rate, which is ordered highest first).
double keyOf(const DebtRecord& record, PriorityMethod method)
{
    switch (method) {
    case PriorityMethod::HighestRate:
        return record.rate;
    case PriorityMethod::SmallestBalance:
        return record.balance;
    case PriorityMethod::SmallestBalancePerMonthly:
        return balancePerMonthly(record);
    }
    return 0.0;
}

} // namespace

void orderDebtArray(DebtArray& array, PriorityMethod method)
{
    const int count = static_cast<int>(array.size());
    if (count < 2)
        return;
    // The passes exchange positions in an index, not whole records, and
    // compare keys worked out once per debt.
    std::vector<int> order(array.size());
    std::vector<double> keys(array.size());
    for (int i = 0; i < count; ++i) {
        order[i] = i;
        keys[i] = keyOf(array[i], method);
    }
    const bool highestFirst = method == PriorityMethod::HighestRate;
    const auto ranksBelow = [&](int j, int k) {
        return highestFirst ? keys[order[j]] < keys[order[k]] : keys[order[j]] > keys[order[k]];
    };
    // count - 1 passes, each over the whole array from its first debt.
    for (int pass = count; pass >= 2; --pass) {
        int k = 0;
        for (int j = 1; j < count; ++j) {
            if (ranksBelow(j, k))
                k = j;
            // Every step exchanges, whether or not the test held; this is
            // what decides the order of equal keys.
            std::swap(order[k], order[j]);
        }
    }
    DebtArray ordered;
    ordered.reserve(array.size());
    for (const int i : order)
        ordered.push_back(std::move(array[i]));
    array = std::move(ordered);
}

DebtArray orderByPriority(const DebtList& debts, PriorityMethod method)
{
    DebtArray array = fillDebtArray(debts);
    orderDebtArray(array, method);
    return array;
}

DebtArray inCustomOrder(const DebtList& debts, const QStringList& names)
{
    DebtArray named;
    QSet<QString> listed;
    for (const QString& name : names) {
        if (const Debt* debt = debts.find(name)) {
            named.push_back(DebtRecord::fromDebt(*debt));
            listed.insert(DebtList::lookupKey(name));
        }
    }
    for (const Debt& debt : debts) {
        if (!listed.contains(DebtList::lookupKey(debt.creditor)))
            named.push_back(DebtRecord::fromDebt(debt));
    }
    return named;
}
