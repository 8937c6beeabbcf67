#include "calc/modelinput.h"
#include "calc/paydates.h"
#include "calc/plancomparison.h"
#include "calc/schedule.h"
#include "calc/targetsolver.h"
#include "model/paymentplan.h"
#include "platform/formats.h"
#include "support/debts.h"
#include "support/testsupport.h"

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
    QString outcomeOf(const PayoffMethod* method, double extra) const
    {
        const PlanOutcome outcome = run(method, extra);
        QStringList paidOff;
        for (const DebtOutcome& debt : outcome.debts)
            paidOff.append(debt.creditor.trimmed() + " " + Format::monthYear(debt.paidOffOn));
        return QString("%1 months, %2 interest, %3 paid; %4")
            .arg(outcome.months)
            .arg(outcome.totalInterest, 0, 'f', 2)
            .arg(outcome.totalPayments, 0, 'f', 2)
            .arg(paidOff.join(", "));
    }
    TargetAmount target(const PayoffMethod* method, QDate month) const
    {
        return TargetSolver::leastExtraMoney(debtFiguresOf(debts), method, terms(0),
                                             YearMonth::of(month));
    }
};

TEST_F(Plans, EachPlanMatchesCalculateToTheCentWithThePaymentPlan)
{
    addDebts(debts, {{"A", 500, 0.18, 25, 0},
                     {"B", 2000, 0.12, 60, later},
                     {"C", 900, 0.07, 40, 0},
                     {"D", 100, 0, 100, 0}});
    plan.extraMoneyChanges = {{{2047, 4}, 500, true}, {{2047, 6}, -25, false}};
    plan.promotions = {{"c", 0, {2047, 12}}};
    plan.customOrder = {"D", "B"};
    const std::vector<PlanOutcome> compared =
        PlanComparison::compare(debtFiguresOf(debts), terms(75));
    ASSERT_EQ(compared.size(), payoffMethods().size() + 1);
    for (const PlanOutcome& outcome : compared) {
        if (outcome.minimumsOnly())
            continue;
        Schedule schedule;
        const auto calculated = PayoffSimulation::run(
            outcome.method->order(debtFiguresOf(debts), terms(75)), terms(75), schedule);
        EXPECT_EQ(std::tie(outcome.months, outcome.totalInterest, outcome.totalPayments),
                  std::tie(calculated.months, calculated.totalInterest, calculated.totalPayments));
        EXPECT_EQ(outcome.totals.size(), size_t(outcome.months)) << "a point a month";
        EXPECT_EQ(outcome.totals.back(), 0);
    }
    EXPECT_EQ(outcomeOf(kCustomOrder, 75).section(';', 1).left(11), " D Jan 2047")
        << "the user's order first";
}

TEST_F(Plans, MinimumsOnlyPassesNothingOnAndNamesADebtItNeverClears)
{
    addDebts(debts, {{"A", 100, 0, 50, 0}, {"B", 100, 0, 25, later}});
    EXPECT_EQ(outcomeOf(kMinimumsOnly, 500), "6 months, 0.00 interest, 200.00 paid; "
                                             "A Feb 2047, B Jun 2047");
    EXPECT_EQ(outcomeOf(kSmallestBalance, 0), "4 months, 0.00 interest, 200.00 paid; "
                                              "B Apr 2047, A Feb 2047")
        << "where A's freed minimum goes on to B, which ties come out first";
    addDebts(debts, {{"Visa", 1200, 0.10, 10, 0}}); // the minimum is the interest
    const std::vector<PlanOutcome> plans = PlanComparison::compare(debtFiguresOf(debts), terms(0));
    const PlanOutcome& never = plans.back();
    EXPECT_FALSE(never.paidOff());
    EXPECT_EQ(never.interestSaved, std::nullopt);
    ASSERT_TRUE(never.shortfall.has_value());
    EXPECT_EQ(std::tie(never.shortfall->creditor, never.shortfall->minimum,
                       never.shortfall->interest, never.shortfall->neededMinimum),
              std::make_tuple(QString("Visa"), 10.0, 10.0, 10.01));
    EXPECT_TRUE(run(kHighestRate, 100).paidOff());
}

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
