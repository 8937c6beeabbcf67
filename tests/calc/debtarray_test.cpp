#include "calc/debtarray.h"
#include "model/debtlist.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

namespace {

class DebtArrayTest : public testing::Test {
protected:
    ScriptedPrompter prompter;
    DebtList debts{prompter};
};

TEST_F(DebtArrayTest, NoDebtsLeaveOnlyThePlaceholder)
{
    const DebtArray array = fillDebtArray(debts);
    EXPECT_EQ(array.size(), 1u);
    EXPECT_EQ(debtCount(array), 0);
}

TEST_F(DebtArrayTest, HoldsTheDebtsInCollectionOrderWithCreditorsOfExactly100Characters)
{
    debts.add({"Visa", 100, 0.18, 10, 5});
    debts.add({QString(120, 'L'), 200, 0.1, 20, 6});
    const DebtArray array = fillDebtArray(debts);
    ASSERT_EQ(debtCount(array), 2);
    EXPECT_EQ(array[1].creditor, QString("Visa").leftJustified(100));
    EXPECT_EQ(array[2].creditor, QString(100, 'L')) << "a longer name is cut";
    EXPECT_EQ(array[1].balance, 100);
    EXPECT_EQ(array[1].rate, 0.18);
    EXPECT_EQ(array[1].monthly, 10);
    EXPECT_EQ(array[2].startDate, 6);
}

TEST_F(DebtArrayTest, EveryFillStartsAfreshFromTheDebts)
{
    debts.add({"Visa", 100, 0.18, 10, 5});
    DebtArray array = fillDebtArray(debts);
    array[1].balance = 0; // as a calculation leaves it
    array = fillDebtArray(debts);
    EXPECT_EQ(debtCount(array), 1);
    EXPECT_EQ(array[1].balance, 100);
}

} // namespace
