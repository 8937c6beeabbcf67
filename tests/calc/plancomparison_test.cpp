#include "calc/paydates.h"
#include "calc/plancomparison.h"
#include "calc/targetsolver.h"
#include "model/paymentplan.h"
#include "support/debts.h"
#include "support/testsupport.h"
#include "ui/common/modelinput.h"

namespace {

using Verdict = TargetAmount::Verdict;

const PayoffMethod* const kHighestRate = payoffMethod(u"highest-rate");
const PayoffMethod* const kSmallestBalance = payoffMethod(u"smallest-balance");
const PayoffMethod* const kCustomOrder = payoffMethod(u"custom-order");
const PayoffMethod* const kLeastInterest = payoffMethod(u"least-interest");
const PayoffMethod* const kMinimumsOnly = nullptr;

class Plans : public testing::Test {
protected:
    DebtList debts;
    PaymentPlan plan;
    const double later = dayNumber(2047, 3, 6); // the third month's payment day

    PayoffTerms terms(double extra) const
    {
        return {extra, Paydates::first(kToday), planRulesOf(plan)};
    }
    PlanOutcome run(const PayoffMethod* method, double extra) const
    {
        return PlanComparison::run(debtFiguresOf(debts), method, terms(extra));
    }
    TargetAmount target(const PayoffMethod* method, QDate month) const
    {
        return TargetSolver::leastExtraMoney(debtFiguresOf(debts), method, terms(0),
                                             YearMonth::of(month));
    }
};

TEST_F(Plans, EachPlanIsWeighedAgainstMinimumsOnlyAndTheOthers)
{
    addDebts(debts, {{"Small", 500, 0.05, 25, 0}, {"Dear", 2000, 0.24, 60, 0}});
    std::vector<const PayoffMethod*> done;
    const std::vector<PlanOutcome> plans =
        PlanComparison::compare(debtFiguresOf(debts), terms(100), [&](const PlanOutcome& outcome) {
            done.push_back(outcome.method);
        });
    EXPECT_EQ(done, std::vector<const PayoffMethod*>({kHighestRate, kSmallestBalance,
                                                      payoffMethod(u"smallest-balance-per-monthly"),
                                                      kCustomOrder, kMinimumsOnly, kLeastInterest}))
        << "each plan handed on as it is done, the searched one last";
    const PlanOutcome& minimums = plans.back();
    for (const PlanOutcome& plan : plans) {
        EXPECT_EQ(plan.leastInterest, plan.method == kHighestRate || plan.method == kLeastInterest)
            << (plan.method ? plan.method->name : "minimums");
        EXPECT_EQ(plan.interestSaved, minimums.totalInterest - plan.totalInterest);
    }
    EXPECT_GT(*plans.front().interestSaved, *plans[1].interestSaved);
    int months = 0;
    EXPECT_TRUE(
        PlanComparison::compare(debtFiguresOf(debts), terms(100), {}, [&] { return ++months < 3; })
            .empty())
        << "stopped, it gives nothing";
}

TEST_F(Plans, TheTargetSolverFindsTheLeastExtraMoneyToTheCent)
{
    addDebts(debts, {{"Loan", 1200, 0, 100, 0}});
    EXPECT_EQ(target(kHighestRate, {2047, 6, 1}).extraMoney, 100.00) << "1200 in six months";
    EXPECT_EQ(target(kHighestRate, {2047, 1, 1}).extraMoney, 1100.00) << "all in the first";
    plan.extraMoneyChanges = {{{2047, 1}, -500, false}};
    EXPECT_EQ(target(kHighestRate, {2047, 1, 1}).extraMoney, 1600.00)
        << "the setting, with the changes held as they are";
    plan = {};
    EXPECT_EQ(target(kMinimumsOnly, {2047, 12, 1}).verdict, Verdict::Reached);
    EXPECT_EQ(target(kMinimumsOnly, {2047, 11, 1}).verdict, Verdict::MinimumsTooSlow);
    EXPECT_EQ(target(kHighestRate, {2046, 12, 1}).verdict, Verdict::TooSoon);
    addDebts(debts, {{"Card", 1000, 0.12, 100, 0}, {"Later", 50, 0, 10, later}});
    addDebts(debts, {{"Latest", 5000, 0, 10, later + 31}});
    for (const PayoffMethod* method : PlanComparison::plans()) { // whatever the plan's order
        const TargetAmount found = target(method, {2047, 2, 1});
        if (method == kLeastInterest) // searched anew for every amount
            EXPECT_EQ(found.verdict, Verdict::NotWorkedOut);
        else
            EXPECT_EQ(found.creditor, "Latest") << (method ? method->name : "minimums");
    }
    ASSERT_TRUE(debts.remove("Latest"));
    const TargetAmount amount = target(kSmallestBalance, {2047, 9, 1});
    ASSERT_EQ(amount.verdict, Verdict::Reached);
    for (const double cents : {0.0, -0.01}) {
        const PlanOutcome outcome = run(kSmallestBalance, amount.extraMoney + cents);
        EXPECT_EQ(outcome.months <= 9, cents == 0) << amount.extraMoney + cents;
    }
}

} // namespace
