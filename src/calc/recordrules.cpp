#include "recordrules.h"

#include "monthrules.h"
#include "paydates.h"
#include "platform/daydate.h"

#include <algorithm>
#include <cmath>

namespace {

// The debt's balance at the start of a month that has no record yet.
double balanceBefore(const DebtFigures& debt, YearMonth month, const FollowedFigures* followed,
                     const std::vector<MonthRecordFigures>& records)
{
    const bool laterRecorded = !records.empty() && month < records.back().month;
    if (!laterRecorded)
        return debt.balance;
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        if (record->month < month) {
            if (const RecordedFigures* recorded = record->debt(debt.key))
                return recorded->balanceAfter;
        }
    }
    const int position = followed ? followed->positionOf(debt.key) : -1;
    return position >= 0 ? followed->startBalances[static_cast<size_t>(position)] : debt.balance;
}

std::optional<double> plannedPayment(const FollowedFigures* followed, YearMonth month,
                                     const QString& key)
{
    if (!followed)
        return std::nullopt;
    const int index = followed->indexOf(month);
    const int position = followed->positionOf(key);
    if (index < 0 || position < 0)
        return std::nullopt;
    return followed->planned[static_cast<size_t>(index)][static_cast<size_t>(position)].payment;
}

} // namespace

namespace RecordRules {

double toTheCent(double amount)
{
    const double cents = std::round(amount * 100) / 100;
    return cents == 0 ? 0.0 : cents; // never "-0.00"
}

double balanceAfter(double before, double interest, double paid)
{
    return std::max(toTheCent(before + interest - paid), 0.0);
}

bool mayRecord(YearMonth month, QDate today)
{
    return !(YearMonth::of(today) < month);
}

double paydateOf(YearMonth month, const FollowedFigures* followed, QDate today)
{
    if (followed && !followed->months.empty() && !(month < followed->months.front())) {
        // Each paydate a calendar month after the one before, from the plan's
        // first, past its end too.
        const int index = followed->indexOf(month);
        if (index >= 0)
            return followed->paydates[static_cast<size_t>(index)];
        double paydate = followed->paydates.back();
        for (YearMonth at = followed->months.back(); at < month;
             at = YearMonth::fromIndex(at.index() + 1))
            paydate = Paydates::next(paydate);
        return paydate;
    }
    const QDate first = month.firstDay();
    return DayDate::fromDate(first.addDays(std::min(today.day(), first.daysInMonth()) - 1));
}

YearMonth offeredMonth(const FollowedFigures* followed,
                       const std::vector<MonthRecordFigures>& records, QDate today)
{
    if (!followed || followed->months.empty())
        return YearMonth::of(today);
    const double now = DayDate::fromDate(today);
    for (size_t i = 0; i < followed->months.size(); ++i) {
        const YearMonth month = followed->months[i];
        const bool recorded =
            std::any_of(records.begin(), records.end(),
                        [&](const MonthRecordFigures& r) { return r.month == month; });
        if (!recorded && std::trunc(followed->paydates[i]) <= now)
            return month;
    }
    return followed->months.front();
}

std::vector<RecordRow> newRows(YearMonth month, const DebtArray& debts, const PlanRules& rules,
                               const FollowedFigures* followed,
                               const std::vector<MonthRecordFigures>& records, QDate today)
{
    const double paydate = paydateOf(month, followed, today);
    std::vector<RecordRow> rows;
    for (const DebtFigures& debt : debts) {
        RecordRow row;
        row.key = debt.key;
        row.name = debt.name.trimmed();
        row.balanceBefore = balanceBefore(debt, month, followed, records);
        if (!(row.balanceBefore > 0))
            continue;
        row.interest = monthlyInterest(row.balanceBefore, rules.rateIn(debt, month));
        row.planned = plannedPayment(followed, month, debt.key);
        const double due = row.planned ? *row.planned : paydate < debt.start ? 0.0 : debt.minimum;
        row.paid = toTheCent(std::min(due, row.balanceBefore + row.interest));
        row.balanceAfter = balanceAfter(row.balanceBefore, row.interest, row.paid);
        rows.push_back(row);
    }
    return rows;
}

} // namespace RecordRules
