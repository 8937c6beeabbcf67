#include "payoffsimulation.h"

#include "platform/daydate.h"

#include <algorithm>

namespace {

bool waitsForStart(const DebtRecord& debt, double paydate)
{
    return paydate < debt.startDate;
}

// The extra money of a month: the account's figure plus what paid-off debts
// and debts that their own minimum clears this month leave of their minimum.
double freedMoney(const DebtArray& debts, double extraMoney, double paydate)
{
    double extra = extraMoney;
    for (size_t i = 1; i < debts.size(); ++i) {
        const DebtRecord& debt = debts[i];
        if (waitsForStart(debt, paydate))
            continue;
        if (debt.balance == 0) {
            extra = extra + debt.monthly;
            continue;
        }
        const double interest = (debt.rate * debt.balance) / 12;
        if (interest + debt.balance <= debt.monthly)
            extra = ((extra + debt.monthly) - debt.balance) - interest;
    }
    return extra;
}

// Pays one debt for the month: its minimum plus whatever extra money is still
// unplaced, or just what clears it. Lowers the balance and the extra money.
Payment payDebt(DebtRecord& debt, double& extra, double paydate)
{
    Payment month;
    month.balance = debt.balance;
    if (debt.balance == 0 || waitsForStart(debt, paydate))
        return month;
    month.interest = (debt.rate * debt.balance) / 12;
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

bool anyDebtWaits(const DebtArray& debts, double paydate)
{
    for (size_t i = 1; i < debts.size(); ++i) {
        if (debts[i].balance != 0 && waitsForStart(debts[i], paydate))
            return true;
    }
    return false;
}

double startingTotal(const DebtArray& debts)
{
    double total = 0.0;
    for (size_t i = 1; i < debts.size(); ++i)
        total += debts[i].balance;
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

PayoffSimulation::Result PayoffSimulation::run(DebtArray& debts, double extraMoney, QDate today,
                                               MonthSink& sink, const Progress& progress,
                                               FreedMoney freed)
{
    sink.begin(debts);
    const double start = startingTotal(debts);
    double previousTotal = start;
    double paydate = DayDate::fromDate(today);
    Result result;
    MonthPayments payments(debts.size() - 1);

    const auto giveUp = [&](Outcome outcome) {
        sink.discard();
        result.outcome = outcome;
        return result;
    };

    for (;;) {
        paydate = DayDate::addMonths(paydate, 1);
        double extra = freed == FreedMoney::PassedOn ? freedMoney(debts, extraMoney, paydate) : 0.0;
        const double monthExtra = extra;
        double total = 0.0;
        for (size_t i = 1; i < debts.size(); ++i) {
            const Payment& month = payments[i - 1] = payDebt(debts[i], extra, paydate);
            result.totalInterest += month.interest;
            result.totalPayments += month.payment;
            total += month.balance;
        }
        sink.appendMonth(paydate, total, monthExtra, payments);
        ++result.months;

        if (progress && !progress(percentPaid(total, start)))
            return giveUp(Outcome::Cancelled);
        if (total <= 0)
            return result;
        if (total >= previousTotal && !anyDebtWaits(debts, paydate))
            return giveUp(Outcome::NeverDecreases);
        if (result.months >= kMaxMonths)
            return giveUp(Outcome::NeverDecreases);
        previousTotal = total;
    }
}
