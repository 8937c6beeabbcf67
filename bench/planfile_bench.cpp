// Loading plan.json at its largest: a custom order that names every debt the
// list can hold and a promotion for each, with the checks that go with them
// (every name once, no key twice in an object). Its target is a second.
#include "model/debtlist.h"
#include "model/planfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

PaymentPlan largestPlan()
{
    PaymentPlan plan;
    for (int i = 0; i < DebtList::kMaxCount; ++i) {
        const QString name = QStringLiteral("Caf\u00e9 Card %1").arg(i);
        plan.customOrder.append(name);
        plan.promotions.push_back({name, 1.9, {2027, i % 12 + 1}});
    }
    return plan;
}

void BM_PlanFileRead(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(PlanFile::kFileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(PlanFile::toJson(largestPlan())) < 0)
        std::abort();
    file.close();
    for (auto _ : state) {
        const PlanFile::Read read = PlanFile::read(path);
        if (read.problem)
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(read.plan.customOrder.size());
    }
    state.counters["bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_PlanFileRead)->Unit(benchmark::kMillisecond);

} // namespace
