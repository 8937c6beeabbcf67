#include "calc/debtarray.h"
#include "model/clsdebts.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

namespace {

class DebtArrayTest : public testing::Test {
protected:
    ScriptedPrompter prompter;
    clsDebts debts{prompter};
};

TEST_F(DebtArrayTest, NoDebtsLeaveOnlyThePlaceholder)
{
    const DebtArray array = FillDebtArray(debts);
    EXPECT_EQ(array.size(), 1u);
    EXPECT_EQ(debtCount(array), 0);
}

TEST_F(DebtArrayTest, HoldsTheDebtsInCollectionOrderWithCreditorsOfExactly100Characters)
{
    debts.Add("Visa", 100, 0.18, 10, 5);
    debts.Add(QString(120, 'L'), 200, 0.1, 20, 6);
    const DebtArray array = FillDebtArray(debts);
    ASSERT_EQ(debtCount(array), 2);
    EXPECT_EQ(array[1].Creditor, QString("Visa").leftJustified(100));
    EXPECT_EQ(array[2].Creditor, QString(100, 'L')) << "a longer name is cut";
    EXPECT_EQ(array[1].Balance, 100);
    EXPECT_EQ(array[1].Rate, 0.18);
    EXPECT_EQ(array[1].Monthly, 10);
    EXPECT_EQ(array[2].StartDate, 6);
}

TEST_F(DebtArrayTest, EveryFillStartsAfreshFromTheDebts)
{
    debts.Add("Visa", 100, 0.18, 10, 5);
    DebtArray array = FillDebtArray(debts);
    array[1].Balance = 0; // as a calculation leaves it
    array = FillDebtArray(debts);
    EXPECT_EQ(debtCount(array), 1);
    EXPECT_EQ(array[1].Balance, 100);
}

} // namespace
