#pragma once

#include "model/debtlist.h"

// The debt at a position counted from 1, or null past the end.
inline DebtList::DebtPtr nthDebt(const DebtList& debts, int position)
{
    if (position < 1 || position > debts.count())
        return nullptr;
    return *(debts.begin() + (position - 1));
}
