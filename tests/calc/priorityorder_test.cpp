#include "calc/priorityorder.h"
#include "support/debts.h"

namespace {

using Method = PriorityMethod;

// The order a method gives these debts (name, balance, rate, minimum), as
// their names joined by blanks; asked twice, as every calculation starts
// from the debts again.
QString orderOf(Method method, const std::vector<Debt>& list)
{
    DebtList debts;
    addDebts(debts, list);
    QStringList names[2];
    for (QStringList& pass : names) {
        for (const DebtRecord& record : orderByPriority(debts, method))
            pass.append(record.creditor.trimmed());
    }
    EXPECT_EQ(names[0], names[1]);
    return names[0].join(' ');
}

TEST(PriorityOrder, FollowsTheExchangePassesOfEachMethod)
{
    EXPECT_EQ(
        orderOf(Method::SmallestBalance, {{"A", 100, 0, 1}, {"B", 200, 0, 1}, {"C", 100, 0, 1}}),
        "C A B")
        << "ties come out as the exchanges leave them";
    EXPECT_EQ(
        orderOf(Method::HighestRate, {{"A", 1, 0.18, 1}, {"B", 1, 0.10, 1}, {"C", 1, 0.18, 1}}),
        "C A B");
    EXPECT_EQ(
        orderOf(Method::SmallestBalance, {{"A", 300, 0, 1}, {"B", 100, 0, 1}, {"C", 200, 0, 1}}),
        "B C A");
    EXPECT_EQ(
        orderOf(Method::SmallestBalancePerMonthly, {{"Big", 1000, 0, 100}, {"Small", 500, 0, 25}}),
        "Big Small")
        << "by the quotient, not the balance";
    EXPECT_EQ(orderOf(Method::SmallestBalancePerMonthly,
                      {{"Zero", 50, 0, 0}, {"Big", 9000, 0, 10}, {"Small", 10, 0, 10}}),
              "Small Big Zero")
        << "no minimum goes last";
    EXPECT_EQ(orderOf(Method::HighestRate, {}), "");
    DebtList debts;
    addDebts(debts, {{"A", 1, 0, 1}, {"B", 1, 0, 1}, {"C", 1, 0, 1}});
    QStringList custom;
    for (const DebtRecord& record : inCustomOrder(debts, {" c", "Nobody", "a"}))
        custom.append(record.creditor.trimmed());
    EXPECT_EQ(custom.join(' '), "C A B") << "the user's order, then the others in list order";
}

} // namespace
