#include "debtarray.h"

#include "model/clsdebts.h"

DebtArray FillDebtArray(const clsDebts& debts)
{
    DebtArray array(1);
    array.reserve(static_cast<size_t>(debts.Count()) + 1);
    for (const auto& debt : debts)
        array.push_back(DebtRecord::fromDebt(*debt));
    return array;
}
