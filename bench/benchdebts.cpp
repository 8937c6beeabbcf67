#include "benchdebts.h"

#include "calc/paydates.h"
#include "model/debtlist.h"
#include "platform/daydate.h"
#include "ui/common/modelinput.h"

#include <QFile>
#include <QRegularExpression>
#include <cmath>
#include <malloc.h>

namespace BenchDebts {

void addDebts(DebtList& debts, int count, int months)
{
    const double start = DayDate::fromDate(kToday);
    for (int i = 0; i < count; ++i) {
        const double rate = 0.03 + 0.01 * (i % 20);
        const double monthly = 25 + 5 * (i % 40);
        const double r = rate / 12;
        const double balance = monthly * (1 - std::pow(1 + r, -months)) / r;
        if (debts.add({QStringLiteral("Creditor %1").arg(i), balance, rate, monthly, start}) !=
            DebtList::AddResult::Added)
            std::abort();
    }
}

DebtArray array(int count, int months)
{
    DebtList debts;
    addDebts(debts, count, months);
    return debtFiguresOf(debts);
}

PayoffTerms terms()
{
    return {0, Paydates::first(kToday), {}};
}

void setCounters(benchmark::State& state, int debts, int months)
{
    using benchmark::Counter;
    const double cells = static_cast<double>(months) * (3 + 2 * debts);
    state.counters["per_month"] =
        Counter(months, Counter::kIsIterationInvariantRate | Counter::kInvert);
    state.counters["per_cell"] =
        Counter(cells, Counter::kIsIterationInvariantRate | Counter::kInvert);
}

double heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

double peakResident()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression peak(QStringLiteral("VmHWM:\\s*(\\d+) kB"));
    return peak.match(QString::fromLatin1(status.readAll())).captured(1).toDouble() * 1024;
}

void resetPeakResident()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

} // namespace BenchDebts
