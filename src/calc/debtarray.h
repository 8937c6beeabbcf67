#pragma once

#include "model/debtrecord.h"

#include <vector>

class DebtList;

// The working copy of the debts that a calculation orders and runs on, in
// payment order: the first debt is the first to receive the extra money.
using DebtArray = std::vector<DebtRecord>;

// The debts in collection order, each with its creditor fitted to 100 characters.
DebtArray fillDebtArray(const DebtList& debts);
