// The printed report's layout and the export, formatting included, against
// writing the export's bytes, made beforehand, with one buffered write.
#include "benchdebts.h"
#include "calc/payoffsimulation.h"
#include "calc/schedule.h"
#include "report/reportlayout.h"
#include "report/scheduleexport.h"

#include <QFile>
#include <QTemporaryDir>
#include <map>

namespace {

constexpr int kMonths = 360;

const Schedule& schedule(int debts)
{
    static std::map<int, Schedule> schedules;
    Schedule& result = schedules[debts];
    if (!result.isStarted())
        PayoffSimulation::run(BenchDebts::array(debts, kMonths), BenchDebts::terms(), result);
    return result;
}

void BM_ReportLayout(benchmark::State& state)
{
    const int debts = static_cast<int>(state.range(0));
    const ScheduleText text(schedule(debts));
    const double printedOn = 46362;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportLayout::pages(text, printedOn));
    BenchDebts::setCounters(state, debts, schedule(debts).monthCount());
}

void BM_Export(benchmark::State& state)
{
    const int debts = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("debts.tab"));
    for (auto _ : state) {
        if (ScheduleExport::write(schedule(debts), path))
            state.SkipWithError("the export failed");
    }
    BenchDebts::setCounters(state, debts, schedule(debts).monthCount());
}

void BM_WriteExportBytes(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("debts.tab"));
    const QByteArray bytes = ScheduleExport::bytes(schedule(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            state.SkipWithError("the write failed");
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

BENCHMARK(BM_ReportLayout)->Arg(200)->Arg(1000)->ArgName("debts")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Arg(200)->Arg(1000)->ArgName("debts")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteExportBytes)
    ->Arg(200)
    ->Arg(1000)
    ->ArgName("debts")
    ->Unit(benchmark::kMillisecond);

} // namespace
