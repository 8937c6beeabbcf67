#pragma once

#include "debtfigures.h"

#include <QStringList>

// Orders the debts by a key worked out once per debt: the smallest key first,
// or the highest. The ordering is a particular pass-based exchange sort, not
// a stable one: debts with equal keys come out in the order its exchanges
// leave them, and the schedule depends on that order, so it must not be
// replaced by a library sort.
enum class KeyOrder { SmallestFirst, HighestFirst };
using DebtKey = double (*)(const DebtFigures& debt);
DebtArray orderedBy(DebtArray debts, DebtKey key, KeyOrder order);

// The debts in the order the user gave by key, those the order does not name
// after them in the order they came.
DebtArray inCustomOrder(const DebtArray& debts, const QStringList& keys);
