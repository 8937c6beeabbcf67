// The printed report's layout and the export, at 200 debts over 360 months,
// against writing the export's bytes with one buffered write.
#include "benchdebts.h"
#include "calc/payoffsimulation.h"
#include "calc/scheduletable.h"
#include "report/reportlayout.h"
#include "report/scheduleexport.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kDebts = 200;
constexpr int kMonths = 360;

const ScheduleTable& schedule()
{
    static const ScheduleTable table = [] {
        ScheduleTable result;
        DebtArray debts = BenchDebts::array(kDebts, kMonths);
        PayoffSimulation::run(debts, 0, BenchDebts::kToday, result);
        return result;
    }();
    return table;
}

void BM_ReportLayout(benchmark::State& state)
{
    const double printedOn = 46362;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportLayout::pages(schedule(), printedOn));
    BenchDebts::setCounters(state, kDebts, schedule().monthCount());
}

void BM_Export(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("debts.tab"));
    for (auto _ : state) {
        if (ScheduleExport::write(schedule(), path))
            state.SkipWithError("the export failed");
    }
    BenchDebts::setCounters(state, kDebts, schedule().monthCount());
}

// The floor the export is measured against: its bytes, made beforehand,
// written with one buffered write.
void BM_WriteExportBytes(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("debts.tab"));
    const QByteArray bytes = ScheduleExport::bytes(schedule());
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            state.SkipWithError("the write failed");
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

BENCHMARK(BM_ReportLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteExportBytes)->Unit(benchmark::kMillisecond);

} // namespace
