#include "debtarray.h"

#include "model/debtlist.h"

DebtArray fillDebtArray(const DebtList& debts)
{
    DebtArray array(1);
    array.reserve(static_cast<size_t>(debts.count()) + 1);
    for (const auto& debt : debts)
        array.push_back(DebtRecord::fromDebt(*debt));
    return array;
}
