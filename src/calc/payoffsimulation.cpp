#include "payoffsimulation.h"

#include "platform/daydate.h"
#include "scheduletable.h"

namespace {

bool waitsForStart(const DebtRecord& debt, double paydate)
{
    return paydate < debt.StartDate;
}

// The extra money of a month: the account's figure plus what paid-off debts
// and debts that their own minimum clears this month leave of their minimum.
double freedMoney(const DebtArray& debts, double excessfunds, double paydate)
{
    double extra = excessfunds;
    for (size_t i = 1; i < debts.size(); ++i) {
        const DebtRecord& debt = debts[i];
        if (waitsForStart(debt, paydate))
            continue;
        if (debt.Balance == 0) {
            extra = extra + debt.Monthly;
            continue;
        }
        const double interest = (debt.Rate * debt.Balance) / 12;
        if (interest + debt.Balance <= debt.Monthly)
            extra = ((extra + debt.Monthly) - debt.Balance) - interest;
    }
    return extra;
}

struct DebtMonth {
    double interest = 0.0;
    double payment = 0.0;
};

// Pays one debt for the month: its minimum plus whatever extra money is still
// unplaced, or just what clears it. Lowers the balance and the extra money.
DebtMonth payDebt(DebtRecord& debt, double& extra, double paydate)
{
    DebtMonth month;
    if (debt.Balance == 0 || waitsForStart(debt, paydate))
        return month;
    month.interest = (debt.Rate * debt.Balance) / 12;
    const double toClear = month.interest + debt.Balance;
    double applied = 0.0;
    if (toClear <= debt.Monthly) {
        // The minimum alone clears it; the rest was counted as freed money.
        applied = toClear;
        month.payment = applied;
    } else if (toClear <= extra + debt.Monthly) {
        applied = toClear;
        extra = (extra + debt.Monthly) - applied;
        if (extra < 0)
            extra = 0;
        month.payment = applied;
    } else {
        applied = (extra + debt.Monthly) - month.interest;
        month.payment = extra + debt.Monthly;
        extra = 0;
    }
    debt.Balance = debt.Balance - applied;
    if (debt.Balance < 0)
        debt.Balance = 0;
    return month;
}

bool anyDebtWaits(const DebtArray& debts, double paydate)
{
    for (size_t i = 1; i < debts.size(); ++i) {
        if (debts[i].Balance != 0 && waitsForStart(debts[i], paydate))
            return true;
    }
    return false;
}

QStringList creditorsOf(const DebtArray& debts)
{
    QStringList creditors;
    for (size_t i = 1; i < debts.size(); ++i)
        creditors.append(debts[i].Creditor);
    return creditors;
}

} // namespace

double PayoffSimulation::startingTotal(const DebtArray& debts)
{
    double total = 0.0;
    for (size_t i = 1; i < debts.size(); ++i)
        total += debts[i].Balance;
    return total;
}

double PayoffSimulation::percentPaid(double total, double startingTotal)
{
    if (startingTotal == 0)
        return 100.0;
    return (1 - total / startingTotal) * 100;
}

PayoffSimulation::Result PayoffSimulation::run(DebtArray& debts, double excessfunds, QDate today,
                                               ScheduleTable& table, const Progress& progress)
{
    table.setUp(creditorsOf(debts));
    const double start = startingTotal(debts);
    double previousTotal = start;
    double paydate = DayDate::fromDate(today);
    Result result;
    MonthPayments payments;
    payments.reserve(debts.size());

    const auto giveUp = [&](Outcome outcome) {
        table.clear();
        result.outcome = outcome;
        return result;
    };

    for (;;) {
        paydate = DayDate::addMonths(paydate, 1);
        double extra = freedMoney(debts, excessfunds, paydate);
        const double monthExtra = extra;
        double total = 0.0;
        payments.clear();
        for (size_t i = 1; i < debts.size(); ++i) {
            DebtRecord& debt = debts[i];
            const DebtMonth month = payDebt(debt, extra, paydate);
            payments.push_back({debt.Creditor, debt.Balance, month.payment});
            result.totalInterest += month.interest;
            result.totalPayments += month.payment;
            total += debt.Balance;
        }
        table.PrintLine(paydate, total, monthExtra, payments);
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
