#pragma once

#include "model/debtrecord.h"

#include <vector>

class DebtList;

// The working copy of the debts that a calculation orders and runs on.
// Element 0 is a blank placeholder, so debt i sits at index i (1 to N) as
// the schedule's columns count them.
using DebtArray = std::vector<DebtRecord>;

// The debts in collection order, each with its creditor fitted to 100 characters.
DebtArray fillDebtArray(const DebtList& debts);

// The number of debts in the array (its upper bound).
inline int debtCount(const DebtArray& array)
{
    return array.empty() ? 0 : static_cast<int>(array.size()) - 1;
}
