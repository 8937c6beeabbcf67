#include "calc/plancomparison.h"
#include "calc/schedule.h"
#include "calc/targetsolver.h"
#include "platform/formats.h"
#include "support/debts.h"
#include "support/testsupport.h"

namespace {

using Verdict = TargetAmount::Verdict;

class Plans : public testing::Test {
protected:
    DebtList debts;
    const double later = dayNumber(2047, 3, 6); // the third month's payment day

    QString outcomeOf(Plan plan, double extra)
    {
        const PlanOutcome outcome = PlanComparison::run(debts, plan, extra, kToday);
        QStringList paidOff;
        for (const DebtOutcome& debt : outcome.debts)
            paidOff.append(debt.creditor.trimmed() + " " + Format::monthYear(debt.paidOffOn));
        return QString("%1 months, %2 interest, %3 paid; %4")
            .arg(outcome.months)
            .arg(outcome.totalInterest, 0, 'f', 2)
            .arg(outcome.totalPayments, 0, 'f', 2)
            .arg(paidOff.join(", "));
    }
    TargetAmount target(Plan plan, QDate month)
    {
        return TargetSolver::leastExtraMoney(debts, plan, kToday, month);
    }
};

TEST_F(Plans, EachPlanMatchesCalculateToTheCentWithThePaymentPlan)
{
    addDebts(debts, {{"A", 500, 0.18, 25, 0},
                     {"B", 2000, 0.12, 60, later},
                     {"C", 900, 0.07, 40, 0},
                     {"D", 100, 0, 100, 0}});
    PaymentPlan plan;
    plan.extraMoneyChanges = {{{2047, 4}, 500, true}, {{2047, 6}, -25, false}};
    plan.promotions = {{"c", 0, {2047, 12}}};
    plan.customOrder = {"D", "B"};
    for (const Plan kind : {Plan::HighestRate, Plan::SmallestBalance,
                            Plan::SmallestBalancePerMonthly, Plan::CustomOrder}) {
        Schedule schedule;
        const DebtArray ordered = PlanComparison::orderFor(debts, kind, plan);
        const auto calculated =
            PayoffSimulation::run(ordered, 75, kToday, schedule, {},
                                  PayoffSimulation::FreedMoney::PassedOn, PlanRules(plan, ordered));
        const PlanOutcome compared = PlanComparison::run(debts, kind, 75, kToday, plan);
        EXPECT_EQ(std::tie(compared.months, compared.totalInterest, compared.totalPayments),
                  std::tie(calculated.months, calculated.totalInterest, calculated.totalPayments));
        EXPECT_EQ(compared.totals.size(), size_t(compared.months)) << "a point a month";
        EXPECT_EQ(compared.totals.back(), 0);
    }
    EXPECT_EQ(PlanComparison::orderFor(debts, Plan::CustomOrder, plan).front().creditor.trimmed(),
              "D");
}

TEST_F(Plans, MinimumsOnlyPassesNothingOnAndNamesADebtItNeverClears)
{
    addDebts(debts, {{"A", 100, 0, 50, 0}, {"B", 100, 0, 25, later}});
    EXPECT_EQ(outcomeOf(Plan::MinimumsOnly, 500), "6 months, 0.00 interest, 200.00 paid; "
                                                  "A Feb 2047, B Jun 2047");
    EXPECT_EQ(outcomeOf(Plan::SmallestBalance, 0), "4 months, 0.00 interest, 200.00 paid; "
                                                   "B Apr 2047, A Feb 2047")
        << "where A's freed minimum goes on to B, which ties come out first";
    addDebts(debts, {{"Visa", 1200, 0.10, 10, 0}}); // the minimum is the interest
    const std::vector<PlanOutcome> plans = PlanComparison::compare(debts, 0, kToday);
    const PlanOutcome& never = plans.back();
    EXPECT_FALSE(never.paidOff());
    EXPECT_EQ(never.interestSaved, std::nullopt);
    ASSERT_TRUE(never.shortfall.has_value());
    EXPECT_EQ(std::tie(never.shortfall->creditor, never.shortfall->minimum,
                       never.shortfall->interest, never.shortfall->neededMinimum),
              std::make_tuple(QString("Visa"), 10.0, 10.0, 10.01));
    EXPECT_TRUE(PlanComparison::run(debts, Plan::HighestRate, 100, kToday).paidOff());
}

TEST_F(Plans, EachPlanIsWeighedAgainstMinimumsOnlyAndTheOthers)
{
    addDebts(debts, {{"Small", 500, 0.05, 25, 0}, {"Dear", 2000, 0.24, 60, 0}});
    const std::vector<PlanOutcome> plans = PlanComparison::compare(debts, 100, kToday);
    const PlanOutcome& minimums = plans.back();
    for (const PlanOutcome& plan : plans) {
        const bool cheapest = plan.plan == Plan::HighestRate;
        EXPECT_EQ(plan.leastInterest, cheapest) << int(plan.plan);
        EXPECT_EQ(plan.interestSaved, minimums.totalInterest - plan.totalInterest);
    }
    EXPECT_GT(*plans.front().interestSaved, *plans[1].interestSaved);
}

TEST_F(Plans, TheTargetSolverFindsTheLeastExtraMoneyToTheCent)
{
    addDebts(debts, {{"Loan", 1200, 0, 100, 0}});
    EXPECT_EQ(target(Plan::HighestRate, {2047, 6, 1}).extraMoney, 100.00) << "1200 in six months";
    EXPECT_EQ(target(Plan::HighestRate, {2047, 1, 1}).extraMoney, 1100.00) << "all in the first";
    PaymentPlan cut;
    cut.extraMoneyChanges = {{{2047, 1}, -500, false}};
    EXPECT_EQ(TargetSolver::leastExtraMoney(debts, Plan::HighestRate, kToday, {2047, 1, 1}, cut)
                  .extraMoney,
              1600.00)
        << "the setting, with the changes held as they are";
    EXPECT_EQ(target(Plan::MinimumsOnly, {2047, 12, 1}).verdict, Verdict::Reached);
    EXPECT_EQ(target(Plan::MinimumsOnly, {2047, 11, 1}).verdict, Verdict::MinimumsTooSlow);
    EXPECT_EQ(target(Plan::HighestRate, {2046, 12, 1}).verdict, Verdict::TooSoon);
    addDebts(debts, {{"Card", 1000, 0.12, 100, 0}, {"Later", 50, 0, 10, later}});
    addDebts(debts, {{"Latest", 5000, 0, 10, later + 31}});
    for (const Plan plan : kPlans) // the debt that starts last, whatever the plan's order
        EXPECT_EQ(target(plan, {2047, 2, 1}).creditor, "Latest") << int(plan);
    ASSERT_TRUE(debts.remove("Latest"));
    const TargetAmount amount = target(Plan::SmallestBalance, {2047, 9, 1});
    ASSERT_EQ(amount.verdict, Verdict::Reached);
    for (const double cents : {0.0, -0.01}) {
        const PlanOutcome run =
            PlanComparison::run(debts, Plan::SmallestBalance, amount.extraMoney + cents, kToday);
        EXPECT_EQ(run.months <= 9, cents == 0) << amount.extraMoney + cents;
    }
}

} // namespace
