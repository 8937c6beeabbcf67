#include "debtarray.h"

#include "model/debtlist.h"

DebtArray fillDebtArray(const DebtList& debts)
{
    DebtArray array;
    array.reserve(static_cast<size_t>(debts.count()));
    for (const Debt& debt : debts)
        array.push_back(DebtRecord::fromDebt(debt));
    return array;
}
