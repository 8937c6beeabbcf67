#include "calc/priorityorder.h"
#include "model/debtlist.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

namespace {

struct Debt {
    const char* name;
    double balance;
    double rate;
    double monthly;
};

class SortDebtArrayTest : public testing::Test {
protected:
    ScriptedPrompter prompter;
    DebtList debts{prompter};

    QStringList orderOf(std::initializer_list<Debt> list, PriorityMethod method)
    {
        for (const Debt& debt : list)
            debts.add({debt.name, debt.balance, debt.rate, debt.monthly, 0});
        return names(orderByPriority(debts, method));
    }
    static QStringList names(const DebtArray& array)
    {
        QStringList result;
        for (int i = 1; i <= debtCount(array); ++i)
            result.append(array[i].creditor.trimmed());
        return result;
    }
};

TEST_F(SortDebtArrayTest, TiedBalancesComeOutAsTheExchangesLeaveThem)
{
    EXPECT_EQ(orderOf({{"A", 100, 0, 1}, {"B", 200, 0, 1}, {"C", 100, 0, 1}},
                      PriorityMethod::SmallestBalance),
              QStringList({"C", "A", "B"}));
}

TEST_F(SortDebtArrayTest, TiedRatesComeOutAsTheExchangesLeaveThem)
{
    EXPECT_EQ(orderOf({{"A", 1, 0.18, 1}, {"B", 1, 0.10, 1}, {"C", 1, 0.18, 1}},
                      PriorityMethod::HighestRate),
              QStringList({"C", "A", "B"}));
}

TEST_F(SortDebtArrayTest, EachPassMovesTheLowestPriorityDebtToTheEnd)
{
    debts.add({"A", 300, 0, 1, 0});
    debts.add({"B", 100, 0, 1, 0});
    debts.add({"C", 200, 0, 1, 0});
    DebtArray array = fillDebtArray(debts);
    orderDebtArray(array, PriorityMethod::SmallestBalance);
    EXPECT_EQ(names(array), QStringList({"B", "C", "A"}));
}

TEST_F(SortDebtArrayTest, RatioMethodOrdersByBalancePerMinimumNotByBalance)
{
    EXPECT_EQ(orderOf({{"Big", 1000, 0, 100}, {"Small", 500, 0, 25}},
                      PriorityMethod::SmallestBalancePerMonthly),
              QStringList({"Big", "Small"}));
}

TEST_F(SortDebtArrayTest, ADebtWithoutAMinimumGoesAfterEveryDebtWithARatio)
{
    EXPECT_EQ(
        orderOf({{"Zero", 50, 0, 0}, {"Paid", 0, 0, 0}, {"Big", 9000, 0, 10}, {"Small", 10, 0, 10}},
                PriorityMethod::SmallestBalancePerMonthly)
            .mid(0, 2),
        QStringList({"Small", "Big"}));
}

TEST_F(SortDebtArrayTest, ZeroOrOneDebtNeedsNoPass)
{
    EXPECT_TRUE(orderOf({}, PriorityMethod::HighestRate).isEmpty());
    EXPECT_EQ(orderOf({{"Only", 5, 0.1, 1}}, PriorityMethod::HighestRate), QStringList({"Only"}));
}

TEST_F(SortDebtArrayTest, EveryCallStartsFromTheDebtsAgain)
{
    const QStringList first = orderOf({{"A", 3, 0.1, 1}, {"B", 1, 0.3, 1}, {"C", 2, 0.2, 1}},
                                      PriorityMethod::HighestRate);
    EXPECT_EQ(first, QStringList({"B", "C", "A"}));
    EXPECT_EQ(names(orderByPriority(debts, PriorityMethod::HighestRate)), first);
    EXPECT_EQ(names(orderByPriority(debts, PriorityMethod::SmallestBalance)),
              QStringList({"B", "C", "A"}));
}

} // namespace
