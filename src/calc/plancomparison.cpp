#include "plancomparison.h"

#include "leastinterest.h"
#include "platform/yearmonth.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

// Keeps what the comparison shows of each month: the total balance for the
// chart, and for each debt the month it is paid off and the interest on it.
class OutcomeSink : public MonthSink {
public:
    explicit OutcomeSink(PlanOutcome& outcome) : outcome_(outcome) {}

    void begin(const DebtArray& debts) override
    {
        outcome_.debts.clear();
        for (const DebtFigures& debt : debts)
            outcome_.debts.push_back({debt.name, 0.0, 0.0, debt.balance == 0});
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
std::optional<Shortfall> shortfallOf(const DebtArray& debts, const PayoffTerms& terms)
{
    const YearMonth first = YearMonth::of(terms.firstPaydate).value_or(YearMonth{});
    for (const DebtFigures& debt : debts) {
        for (const double rate : {terms.rules.rateIn(debt, first), debt.rate}) {
            const double interest = monthlyInterest(debt.balance, rate);
            if (debt.balance > 0 && debt.minimum <= interest)
                return Shortfall{debt.name.trimmed(), debt.minimum, interest,
                                 (std::floor(interest * 100 + 1e-9) + 1) / 100};
        }
    }
    return std::nullopt;
}

} // namespace

namespace PlanComparison {

std::vector<const PayoffMethod*> plans()
{
    std::vector<const PayoffMethod*> plans;
    for (const PayoffMethod& method : payoffMethods())
        plans.push_back(&method);
    plans.push_back(nullptr);
    return plans;
}

DebtArray orderFor(const DebtArray& debts, const PayoffMethod* plan, const PayoffTerms& terms,
                   const KeepGoing& keepGoing)
{
    if (!plan)
        return debts;
    if (!plan->searchesOrders)
        return plan->order(debts, terms);
    LeastInterest::Control control;
    control.keepGoing = keepGoing;
    LeastInterest::Found found = LeastInterest::search(debts, terms, control);
    if (found.outcome == LeastInterest::Found::Outcome::Cancelled)
        return debts;
    return std::move(found.ordered);
}

PayoffSimulation::FreedMoney freedMoneyOf(const PayoffMethod* plan)
{
    return plan ? PayoffSimulation::FreedMoney::PassedOn : PayoffSimulation::FreedMoney::Unused;
}

void weigh(std::vector<PlanOutcome>& outcomes)
{
    const auto minimums = std::find_if(outcomes.begin(), outcomes.end(),
                                       [](const PlanOutcome& o) { return o.minimumsOnly(); });
    // To the cent, as the totals show: a searched order that ties a rule's
    // may differ from it in the last bits.
    const auto cents = [](double amount) { return std::llround(amount * 100); };
    long long least = std::numeric_limits<long long>::max();
    for (const PlanOutcome& outcome : outcomes) {
        if (outcome.paidOff())
            least = std::min(least, cents(outcome.totalInterest));
    }
    for (PlanOutcome& outcome : outcomes) {
        if (!outcome.paidOff())
            continue;
        outcome.leastInterest = cents(outcome.totalInterest) <= least;
        if (minimums != outcomes.end() && minimums->paidOff())
            outcome.interestSaved = minimums->totalInterest - outcome.totalInterest;
    }
}

namespace {

PlanOutcome outcomeOf(const DebtArray& ordered, const PayoffTerms& terms,
                      PayoffSimulation::Options options)
{
    PlanOutcome outcome;
    OutcomeSink sink(outcome);
    const auto result = PayoffSimulation::run(ordered, terms, sink, options);
    outcome.outcome = result.outcome;
    outcome.months = result.months;
    outcome.totalInterest = result.totalInterest;
    outcome.totalPayments = result.totalPayments;
    if (outcome.paidOff())
        outcome.debtFreeOn = outcome.paydates.back();
    else
        outcome.shortfall = shortfallOf(ordered, terms);
    return outcome;
}

} // namespace

PlanOutcome run(const DebtArray& debts, const PayoffMethod* plan, const PayoffTerms& terms,
                const KeepGoing& keepGoing)
{
    PayoffSimulation::Options options;
    options.freed = freedMoneyOf(plan);
    if (keepGoing)
        options.progress = [&keepGoing](double) { return keepGoing(); };
    PlanOutcome outcome = outcomeOf(orderFor(debts, plan, terms, keepGoing), terms, options);
    outcome.method = plan;
    return outcome;
}

PlanOutcome runInOrder(const DebtArray& ordered, const PayoffTerms& terms)
{
    return outcomeOf(ordered, terms, {});
}

std::vector<PlanOutcome> compare(const DebtArray& debts, const PayoffTerms& terms,
                                 const std::function<void(const PlanOutcome&)>& planDone,
                                 const KeepGoing& keepGoing)
{
    const std::vector<const PayoffMethod*> all = plans();
    std::vector<size_t> turns(all.size());
    std::iota(turns.begin(), turns.end(), 0);
    std::stable_partition(turns.begin(), turns.end(),
                          [&all](size_t plan) { return !all[plan] || !all[plan]->searchesOrders; });
    std::vector<PlanOutcome> outcomes(all.size());
    for (const size_t plan : turns) {
        outcomes[plan] = run(debts, all[plan], terms, keepGoing);
        if (keepGoing && !keepGoing())
            return {};
        if (planDone)
            planDone(outcomes[plan]);
    }
    weigh(outcomes);
    return outcomes;
}

} // namespace PlanComparison
