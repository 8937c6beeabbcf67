#include "payoffsimulation.h"

#include "paydates.h"
#include "platform/vectorstate.h"
#include "platform/yearmonth.h"

#include <algorithm>
#include <climits>

namespace {

// The figures of one debt the month rules work on, kept apart from its name
// so that a month's passes run over numbers alone.
struct WorkingDebt {
    double balance;
    double ownRate;
    double monthly;
    double startDate;
    double rate; // in force this month

    bool waitsFor(double paydate) const { return paydate < startDate; }
};

std::vector<WorkingDebt> workingCopy(const DebtArray& debts)
{
    std::vector<WorkingDebt> working;
    working.reserve(debts.size());
    for (const DebtFigures& debt : debts)
        working.push_back({debt.balance, debt.rate, debt.minimum, debt.start, debt.rate});
    return working;
}

// A debt's promotion as the months meet it, found by its key once per run.
struct PromotionInForce {
    double rate = 0.0;
    int through = INT_MIN; // YearMonth::index(); none: no month is promoted

    double rateIn(int month, double ownRate) const { return month <= through ? rate : ownRate; }
};

// One per debt of the array, or none at all when the plan promotes nothing.
std::vector<PromotionInForce> promotionsOf(const DebtArray& debts, const PlanRules& rules)
{
    std::vector<PromotionInForce> promotions;
    if (!rules.hasPromotions())
        return promotions;
    promotions.resize(debts.size());
    for (size_t i = 0; i < debts.size(); ++i) {
        if (const PlanRules::Promotion* promotion = rules.promotionOf(debts[i]))
            promotions[i] = {promotion->rate, promotion->through.index()};
    }
    return promotions;
}

// The extra money of a month: the account's figure plus what paid-off debts
// and debts that their own minimum clears this month leave of their minimum.
double freedMoney(const std::vector<WorkingDebt>& debts, double extraMoney, double paydate)
{
    double extra = extraMoney;
    for (const WorkingDebt& debt : debts) {
        if (debt.waitsFor(paydate))
            continue;
        if (debt.balance == 0) {
            extra = extra + debt.monthly;
            continue;
        }
        const double interest = monthlyInterest(debt.balance, debt.rate);
        if (interest + debt.balance <= debt.monthly)
            extra = ((extra + debt.monthly) - debt.balance) - interest;
    }
    return extra;
}

// Pays one debt for the month: its minimum plus whatever extra money is still
// unplaced, or just what clears it. Lowers the balance and the extra money.
Payment payDebt(WorkingDebt& debt, double& extra, double paydate)
{
    Payment month;
    month.balance = debt.balance;
    if (debt.balance == 0 || debt.waitsFor(paydate))
        return month;
    month.interest = monthlyInterest(debt.balance, debt.rate);
    const double toClear = month.interest + debt.balance;
    double applied = 0.0;
    if (toClear <= debt.monthly) {
        // The minimum alone clears it; the rest was counted as freed money.
        applied = toClear;
        month.payment = applied;
    } else if (toClear <= extra + debt.monthly) {
        applied = toClear;
        extra = (extra + debt.monthly) - applied;
        if (extra < 0)
            extra = 0;
        month.payment = applied;
    } else {
        applied = (extra + debt.monthly) - month.interest;
        month.payment = extra + debt.monthly;
        extra = 0;
    }
    debt.balance = debt.balance - applied;
    if (debt.balance < 0)
        debt.balance = 0;
    month.balance = debt.balance;
    return month;
}

bool anyDebtWaits(const std::vector<WorkingDebt>& debts, double paydate)
{
    return std::any_of(debts.begin(), debts.end(), [paydate](const WorkingDebt& debt) {
        return debt.balance != 0 && debt.waitsFor(paydate);
    });
}

double startingTotal(const std::vector<WorkingDebt>& debts)
{
    double total = 0.0;
    for (const WorkingDebt& debt : debts)
        total += debt.balance;
    return total;
}

} // namespace

double PayoffSimulation::percentPaid(double total, double startingTotal)
{
    if (startingTotal == 0)
        return 100.0;
    const double percent = (1 - total / startingTotal) * 100;
    // A total that grew (negative extra money) or a balance that is no number
    // (a damaged data file) shows as no progress, not as "-5%" or "nan%".
    if (!(percent > 0))
        return 0.0;
    return std::min(percent, 100.0);
}

PayoffSimulation::Result PayoffSimulation::run(const DebtArray& debts, const PayoffTerms& terms,
                                               MonthSink& sink, const Options& options)
{
    // The month passes are plain SSE code; see platform/vectorstate.h.
    VectorState::clearUpperHalves();
    sink.begin(debts);
    std::vector<WorkingDebt> working = workingCopy(debts);
    const PlanRules& rules = terms.rules;
    const std::vector<PromotionInForce> promotions = promotionsOf(debts, rules);
    const double start = startingTotal(working);
    double previousTotal = start;
    Result result;
    MonthPayments payments(working.size());

    const auto giveUp = [&](Outcome outcome) {
        sink.discard();
        result.outcome = outcome;
        return result;
    };

    const bool extraPassedOn = options.freed == FreedMoney::PassedOn;
    for (double paydate = terms.firstPaydate;; paydate = Paydates::next(paydate)) {
        // A plan's month, only where there is a plan to ask.
        const YearMonth month =
            rules.isEmpty() ? YearMonth{} : YearMonth::of(paydate).value_or(YearMonth{});
        for (size_t i = 0; i < promotions.size(); ++i)
            working[i].rate = promotions[i].rateIn(month.index(), working[i].ownRate);
        double extra = extraPassedOn
                           ? freedMoney(working, rules.extraMoney(terms.extraMoney, month), paydate)
                           : 0.0;
        const double monthExtra = extra;
        double total = 0.0;
        for (size_t i = 0; i < working.size(); ++i) {
            const Payment& paid = payments[i] = payDebt(working[i], extra, paydate);
            result.totalInterest += paid.interest;
            result.totalPayments += paid.payment;
            total += paid.balance;
        }
        sink.appendMonth(paydate, total, monthExtra, payments);
        ++result.months;

        if (options.progress && !options.progress(percentPaid(total, start)))
            return giveUp(Outcome::Cancelled);
        if (result.totalInterest > options.interestBound)
            return giveUp(Outcome::OverBound);
        if (total <= 0)
            return result;
        if (total >= previousTotal && !anyDebtWaits(working, paydate) &&
            !(extraPassedOn && rules.plansNoProgress(month)))
            return giveUp(Outcome::NeverDecreases);
        if (result.months >= kMaxMonths)
            return giveUp(Outcome::TooLong);
        previousTotal = total;
    }
}
