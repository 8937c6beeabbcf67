#pragma once

#include "debtarray.h"

class DebtList;

// The payoff priority methods. The values are the codes the method chooser
// carries as item data.
enum class PriorityMethod {
    HighestRate = 1,               // rate, highest first
    SmallestBalance = 2,           // balance, smallest first
    SmallestBalancePerMonthly = 3, // balance / minimum, smallest first
};

// The debts in the priority order of a method. The ordering is a particular
// pass-based exchange sort, not a stable one: debts with equal keys come out
// in the order its exchanges leave them, and the schedule depends on that
// order, so it must not be replaced by a library sort.
DebtArray orderByPriority(const DebtList& debts, PriorityMethod method);
// Orders an already filled array in place by the same passes.
void orderDebtArray(DebtArray& array, PriorityMethod method);
