#pragma once

#include "debtarray.h"

#include <QStringList>

class DebtList;

// The payoff priority methods.
enum class PriorityMethod {
    HighestRate,               // rate, highest first
    SmallestBalance,           // balance, smallest first
    SmallestBalancePerMonthly, // balance / minimum, smallest first
};

// The debts in the priority order of a method. The ordering is a particular
// pass-based exchange sort, not a stable one: debts with equal keys come out
// in the order its exchanges leave them, and the schedule depends on that
// order, so it must not be replaced by a library sort.
DebtArray orderByPriority(const DebtList& debts, PriorityMethod method);
// Orders an already filled array in place by the same passes.
void orderDebtArray(DebtArray& array, PriorityMethod method);

// The debts in the order the user gave by name (see DebtList::sameKey), those
// the order does not name after them in list order.
DebtArray inCustomOrder(const DebtList& debts, const QStringList& names);
