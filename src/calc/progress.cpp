#include "progress.h"

#include "paydates.h"
#include "payoffmethod.h"
#include "plancomparison.h"
#include "platform/daydate.h"
#include "priorityorder.h"
#include "recordrules.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

double sum(const std::vector<PlannedFigures>& month, double PlannedFigures::*figure)
{
    return std::accumulate(
        month.begin(), month.end(), 0.0,
        [figure](double total, const PlannedFigures& d) { return total + d.*figure; });
}

int monthsBetween(double earlier, double later)
{
    const YearMonth from = YearMonth::of(earlier).value_or(YearMonth{});
    const YearMonth to = YearMonth::of(later).value_or(YearMonth{});
    return to.index() - from.index();
}

class ProgressOf {
public:
    ProgressOf(const FollowedFigures& followed, const std::vector<MonthRecordFigures>& records,
               const DebtArray& debts, const PayoffTerms& current, QDate today)
        : followed_(followed), records_(records), debts_(debts), current_(current), today_(today)
    {
    }

    Progress work()
    {
        planLine();
        for (const MonthRecordFigures& record : records_) {
            if (followed_.months.empty() || !(record.month < followed_.months.front()))
                relevant_.push_back(&record);
        }
        debtRows();
        figures();
        missedMonths();
        if (relevant_.empty())
            return progress_;
        project();
        standing();
        return progress_;
    }

private:
    double paydateOf(YearMonth month) const
    {
        return RecordRules::paydateOf(month, &followed_, today_);
    }
    bool inList(const QString& key) const
    {
        return std::any_of(debts_.begin(), debts_.end(),
                           [&](const DebtFigures& debt) { return debt.key == key; });
    }

    void planLine()
    {
        for (size_t i = 0; i < followed_.months.size(); ++i) {
            progress_.planPaydates.push_back(followed_.paydates[i]);
            progress_.planTotals.push_back(sum(followed_.planned[i], &PlannedFigures::balance));
        }
        if (!followed_.paydates.empty())
            progress_.planEnd = followed_.paydates.back();
    }

    void debtRows()
    {
        for (size_t position = 0; position < followed_.keys.size(); ++position) {
            DebtProgress debt;
            debt.key = followed_.keys[position];
            debt.name = followed_.names[position];
            debt.inList = inList(debt.key);
            for (size_t i = 0; i < followed_.months.size(); ++i) {
                const PlannedFigures& month = followed_.planned[i][position];
                if (month.balance <= 0 && month.payment > 0) {
                    debt.plannedPayoff = followed_.paydates[i];
                    break;
                }
            }
            progress_.debts.push_back(debt);
        }
        for (const DebtFigures& listed : debts_) {
            if (followed_.positionOf(listed.key) < 0)
                progress_.debts.push_back({listed.key, listed.name.trimmed(), false, true});
        }
        for (const MonthRecordFigures* record : relevant_) {
            for (DebtProgress& debt : progress_.debts) {
                const RecordedFigures* recorded = record->debt(debt.key);
                if (!recorded)
                    continue;
                debt.paid += recorded->paid;
                debt.interest += recorded->interestAndCharges();
                if (recorded->balanceAfter <= 0 && debt.paidOffOn == 0)
                    debt.paidOffOn = paydateOf(record->month);
            }
        }
    }

    void figures()
    {
        QHash<QString, double>& owed = owed_;
        for (size_t position = 0; position < followed_.keys.size(); ++position)
            owed.insert(followed_.keys[position], followed_.startBalances[position]);
        for (const MonthRecordFigures* record : relevant_) {
            double total = 0.0;
            for (const RecordedFigures& debt : record->debts) {
                progress_.paid += debt.paid;
                progress_.interest += debt.interestAndCharges();
                total += debt.balanceAfter;
                if (owed.contains(debt.key))
                    owed[debt.key] = debt.balanceAfter;
            }
            progress_.recordedPaydates.push_back(paydateOf(record->month));
            progress_.recordedTotals.push_back(total);
            const int index = followed_.indexOf(record->month);
            if (index >= 0) {
                const auto& planned = followed_.planned[static_cast<size_t>(index)];
                progress_.plannedPaid += sum(planned, &PlannedFigures::payment);
                progress_.plannedInterest += sum(planned, &PlannedFigures::interest);
            }
        }
        const double start =
            std::accumulate(followed_.startBalances.begin(), followed_.startBalances.end(), 0.0);
        if (relevant_.empty() || !(start > 0))
            return;
        double now = 0.0;
        for (const double balance : owed)
            now += balance;
        progress_.shareOff = (start - now) / start;
        const int index = followed_.indexOf(relevant_.back()->month);
        const bool pastPlan = index < 0 && !followed_.months.empty() &&
                              followed_.months.back() < relevant_.back()->month;
        const double planned = index >= 0 ? sum(followed_.planned[static_cast<size_t>(index)],
                                                &PlannedFigures::balance)
                               : pastPlan ? 0.0
                                          : start;
        progress_.plannedShareOff = (start - planned) / start;
    }

    void missedMonths()
    {
        const double now = DayDate::fromDate(today_);
        for (size_t i = 0; i < followed_.months.size(); ++i) {
            const YearMonth month = followed_.months[i];
            const bool recorded =
                std::any_of(records_.begin(), records_.end(),
                            [&](const MonthRecordFigures& r) { return r.month == month; });
            if (!recorded && std::trunc(followed_.paydates[i]) <= now)
                progress_.missed.push_back(month);
        }
    }

    // The schedule at this pace, from the latest record's balances.
    void project()
    {
        QHash<QString, double> latest;
        for (const MonthRecordFigures& record : records_) {
            for (const RecordedFigures& debt : record.debts)
                latest.insert(debt.key, debt.balanceAfter);
        }
        DebtArray debts = debts_;
        for (DebtFigures& debt : debts)
            debt.balance = latest.value(debt.key, debt.balance);
        if (std::none_of(debts.begin(), debts.end(),
                         [](const DebtFigures& debt) { return debt.balance > 0; }))
            return; // nothing left to project
        const PayoffTerms terms{current_.extraMoney,
                                Paydates::next(paydateOf(records_.back().month)), current_.rules};
        // A searched order is kept as it was found: the projection never
        // searches again.
        const PayoffMethod* method = payoffMethod(followed_.method);
        const DebtArray ordered =
            method && !method->searchesOrders
                ? method->order(debts, terms)
                : inCustomOrder(debts, QStringList(followed_.keys.begin(), followed_.keys.end()));
        projection_ = PlanComparison::runInOrder(ordered, terms);
        if (!projection_.paidOff())
            return;
        progress_.projectedPaydates = projection_.paydates;
        progress_.projectedTotals = projection_.totals;
        for (size_t i = 0; i < ordered.size(); ++i) {
            for (DebtProgress& debt : progress_.debts) {
                if (debt.key == ordered[i].key && debt.paidOffOn == 0)
                    debt.projectedPayoff = projection_.debts[i].paidOffOn;
            }
        }
    }

    void standing()
    {
        // The plan's own debts still in the list decide; each is paid off by
        // a record, or by the projection, or never.
        double allPaid = 0.0;
        bool byRecords = true;
        for (const DebtProgress& debt : progress_.debts) {
            if (!debt.inPlan || !debt.inList)
                continue;
            if (debt.paidOffOn != 0 || !(owed_.value(debt.key) > 0)) {
                allPaid = std::max(allPaid, debt.paidOffOn);
                continue;
            }
            byRecords = false;
            if (!projection_.paidOff()) {
                progress_.standing = Progress::Standing::Never;
                return;
            }
            allPaid = std::max(allPaid, debt.projectedPayoff);
        }
        progress_.reachedEnd = allPaid;
        progress_.months = monthsBetween(allPaid, progress_.planEnd);
        if (byRecords)
            progress_.standing = Progress::Standing::AllPaidOff;
        else
            progress_.standing = progress_.months > 0   ? Progress::Standing::Ahead
                                 : progress_.months < 0 ? Progress::Standing::Behind
                                                        : Progress::Standing::OnPlan;
        progress_.months = std::abs(progress_.months);
    }

    const FollowedFigures& followed_;
    const std::vector<MonthRecordFigures>& records_;
    const DebtArray& debts_;
    const PayoffTerms& current_;
    QDate today_;
    std::vector<const MonthRecordFigures*> relevant_;
    QHash<QString, double> owed_; // each plan debt's balance after the latest record
    PlanOutcome projection_;
    Progress progress_;
};

} // namespace

namespace ProgressCheck {

Progress of(const FollowedFigures& followed, const std::vector<MonthRecordFigures>& records,
            const DebtArray& debts, const PayoffTerms& current, QDate today)
{
    return ProgressOf(followed, records, debts, current, today).work();
}

} // namespace ProgressCheck
