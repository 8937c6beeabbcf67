#include "benchdebts.h"

#include "calc/scheduletable.h"
#include "model/debtlist.h"
#include "platform/daydate.h"
#include "support/scriptedprompter.h"

#include <cmath>
#include <sys/resource.h>

namespace BenchDebts {

void addDebts(DebtList& debts, int count, int months)
{
    const double start = DayDate::fromDate(kToday);
    for (int i = 0; i < count; ++i) {
        const double rate = 0.03 + 0.01 * (i % 20);
        const double monthly = 25 + 5 * (i % 40);
        const double r = rate / 12;
        const double balance = monthly * (1 - std::pow(1 + r, -months)) / r;
        debts.add({QStringLiteral("Creditor %1").arg(i), balance, rate, monthly, start});
    }
}

DebtArray array(int count, int months)
{
    ScriptedPrompter prompter;
    DebtList debts(prompter);
    addDebts(debts, count, months);
    return fillDebtArray(debts);
}

void setCounters(benchmark::State& state, int debts, int months)
{
    using benchmark::Counter;
    const double cells = static_cast<double>(months) * (ScheduleTable::kLeadingColumns + 2 * debts);
    state.counters["per_month"] =
        Counter(months, Counter::kIsIterationInvariantRate | Counter::kInvert);
    state.counters["per_cell"] =
        Counter(cells, Counter::kIsIterationInvariantRate | Counter::kInvert);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace BenchDebts
