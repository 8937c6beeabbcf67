#include "plancomparison.h"

#include "model/debtlist.h"
#include "platform/daydate.h"
#include "platform/yearmonth.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Keeps what the comparison shows of each month: the total balance for the
// chart, and for each debt the month it is paid off and the interest on it.
class OutcomeSink : public MonthSink {
public:
    explicit OutcomeSink(PlanOutcome& outcome) : outcome_(outcome) {}

    void begin(const DebtArray& debts) override
    {
        outcome_.debts.clear();
        for (const DebtRecord& debt : debts)
            outcome_.debts.push_back({debt.creditor, 0.0, 0.0, debt.balance == 0});
    }
    void appendMonth(double paydate, double total, double, const MonthPayments& payments) override
    {
        outcome_.paydates.push_back(paydate);
        outcome_.totals.push_back(total);
        for (size_t i = 0; i < payments.size(); ++i) {
            DebtOutcome& debt = outcome_.debts[i];
            debt.interest += payments[i].interest;
            if (stateOf(payments[i].payment, payments[i].balance) == PaymentState::PaidOffThisMonth)
                debt.paidOffOn = paydate;
        }
    }
    void discard() override
    {
        outcome_.paydates.clear();
        outcome_.totals.clear();
    }

private:
    PlanOutcome& outcome_;
};

// The first debt, in payment order, whose minimum does not lower its
// balance: at the rate in force in the first month, or at its own rate once
// a promotion has ended.
std::optional<Shortfall> shortfallOf(const DebtArray& debts, const PlanRules& rules, QDate today)
{
    const YearMonth first =
        YearMonth::of(DayDate::addMonths(DayDate::fromDate(today), 1)).value_or(YearMonth{});
    for (size_t i = 0; i < debts.size(); ++i) {
        const DebtRecord& debt = debts[i];
        for (const double rate : {rules.rate(i, debt.rate, first), debt.rate}) {
            const double interest = monthlyInterest(debt.balance, rate);
            if (debt.balance > 0 && debt.monthly <= interest)
                return Shortfall{debt.creditor.trimmed(), debt.monthly, interest,
                                 (std::floor(interest * 100 + 1e-9) + 1) / 100};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<PriorityMethod> methodOf(Plan plan)
{
    switch (plan) {
    case Plan::HighestRate:
        return PriorityMethod::HighestRate;
    case Plan::SmallestBalance:
        return PriorityMethod::SmallestBalance;
    case Plan::SmallestBalancePerMonthly:
        return PriorityMethod::SmallestBalancePerMonthly;
    case Plan::CustomOrder:
    case Plan::MinimumsOnly:
        break;
    }
    return std::nullopt;
}

namespace PlanComparison {

DebtArray orderFor(const DebtList& debts, Plan plan, const PaymentPlan& paymentPlan)
{
    if (const std::optional<PriorityMethod> method = methodOf(plan))
        return orderByPriority(debts, *method);
    if (plan == Plan::CustomOrder)
        return inCustomOrder(debts, paymentPlan.customOrder);
    return fillDebtArray(debts);
}

PayoffSimulation::FreedMoney freedMoneyOf(Plan plan)
{
    return plan == Plan::MinimumsOnly ? PayoffSimulation::FreedMoney::Unused
                                      : PayoffSimulation::FreedMoney::PassedOn;
}

// Marks each plan that ends with what it saves against paying only the
// minimums, and the plans no other plan beats on interest.
void weigh(std::vector<PlanOutcome>& outcomes)
{
    const auto minimums = std::find_if(outcomes.begin(), outcomes.end(), [](const PlanOutcome& o) {
        return o.plan == Plan::MinimumsOnly;
    });
    double least = std::numeric_limits<double>::infinity();
    for (const PlanOutcome& outcome : outcomes) {
        if (outcome.paidOff())
            least = std::min(least, outcome.totalInterest);
    }
    for (PlanOutcome& outcome : outcomes) {
        if (!outcome.paidOff())
            continue;
        outcome.leastInterest = outcome.totalInterest <= least;
        if (minimums != outcomes.end() && minimums->paidOff())
            outcome.interestSaved = minimums->totalInterest - outcome.totalInterest;
    }
}

PlanOutcome run(const DebtList& debts, Plan plan, double extraMoney, QDate today,
                const PaymentPlan& paymentPlan, const PayoffSimulation::Progress& progress)
{
    PlanOutcome outcome;
    outcome.plan = plan;
    const DebtArray ordered = orderFor(debts, plan, paymentPlan);
    const PlanRules rules(paymentPlan, ordered);
    OutcomeSink sink(outcome);
    const auto result = PayoffSimulation::run(ordered, extraMoney, today, sink, progress,
                                              freedMoneyOf(plan), rules);
    outcome.outcome = result.outcome;
    outcome.months = result.months;
    outcome.totalInterest = result.totalInterest;
    outcome.totalPayments = result.totalPayments;
    if (outcome.paidOff())
        outcome.debtFreeOn = outcome.paydates.back();
    else
        outcome.shortfall = shortfallOf(ordered, rules, today);
    return outcome;
}

std::vector<PlanOutcome> compare(const DebtList& debts, double extraMoney, QDate today,
                                 const PaymentPlan& paymentPlan)
{
    std::vector<PlanOutcome> outcomes;
    for (const Plan plan : kPlans)
        outcomes.push_back(run(debts, plan, extraMoney, today, paymentPlan));
    weigh(outcomes);
    return outcomes;
}

} // namespace PlanComparison
