#include "calc/payoffmethod.h"
#include "model/paymentplan.h"
#include "support/debts.h"
#include "ui/common/modelinput.h"

namespace {

// The order a method, named by its id as a stored choice names it, gives
// these debts (name, balance, rate, minimum), as their names joined by
// blanks; asked twice, as every calculation starts from the debts again.
QString orderOf(const char16_t* method, const std::vector<Debt>& list,
                const QStringList& customOrder = {})
{
    DebtList debts;
    addDebts(debts, list);
    PaymentPlan plan;
    plan.customOrder = customOrder;
    const PayoffTerms terms{0, 0, planRulesOf(plan)};
    QStringList names[2];
    for (QStringList& pass : names) {
        for (const DebtFigures& debt : payoffMethod(method)->order(debtFiguresOf(debts), terms))
            pass.append(debt.name.trimmed());
    }
    EXPECT_EQ(names[0], names[1]);
    return names[0].join(' ');
}

TEST(PriorityOrder, FollowsTheExchangePassesOfEachMethod)
{
    EXPECT_EQ(orderOf(u"smallest-balance", {{"A", 100, 0, 1}, {"B", 200, 0, 1}, {"C", 100, 0, 1}}),
              "C A B")
        << "ties come out as the exchanges leave them";
    EXPECT_EQ(orderOf(u"highest-rate", {{"A", 1, 0.18, 1}, {"B", 1, 0.10, 1}, {"C", 1, 0.18, 1}}),
              "C A B");
    EXPECT_EQ(orderOf(u"smallest-balance", {{"A", 300, 0, 1}, {"B", 100, 0, 1}, {"C", 200, 0, 1}}),
              "B C A");
    EXPECT_EQ(
        orderOf(u"smallest-balance-per-monthly", {{"Big", 1000, 0, 100}, {"Small", 500, 0, 25}}),
        "Big Small")
        << "by the quotient, not the balance";
    EXPECT_EQ(orderOf(u"smallest-balance-per-monthly",
                      {{"Zero", 50, 0, 0}, {"Big", 9000, 0, 10}, {"Small", 10, 0, 10}}),
              "Small Big Zero")
        << "no minimum goes last";
    EXPECT_EQ(orderOf(u"highest-rate", {}), "");
    EXPECT_EQ(orderOf(u"custom-order", {{"A", 1, 0, 1}, {"B", 1, 0, 1}, {"C", 1, 0, 1}},
                      {" c", "Nobody", "a", "C"}),
              "C A B")
        << "the user's order, then the others in list order";
    EXPECT_EQ(payoffMethod(u"least-regret"), nullptr) << "an id no method has (a later version's)";
}

} // namespace
