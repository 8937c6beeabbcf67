#pragma once

#include "model/debtlist.h"

#include <gtest/gtest.h>
#include <vector>

// Adds debts that every test expects the list to take.
inline void addDebts(DebtList& list, const std::vector<Debt>& debts)
{
    for (const Debt& debt : debts)
        ASSERT_EQ(list.add(debt), DebtList::AddResult::Added) << debt.creditor.toStdString();
}
