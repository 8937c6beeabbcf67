// The calculation without a window: the engine filling the schedule, and the
// engine with the grid model announcing the schedule and a screenful of cells
// being drawn from it.
#include "benchdebts.h"
#include "calc/payoffsimulation.h"
#include "calc/priorityorder.h"
#include "calc/scheduletable.h"
#include "ui/schedulemodel.h"

namespace {

void BM_Engine(benchmark::State& state)
{
    const int debts = static_cast<int>(state.range(0));
    const int months = static_cast<int>(state.range(1));
    const DebtArray original = BenchDebts::array(debts, months);
    ScheduleTable table;
    for (auto _ : state) {
        DebtArray working = original;
        const auto result = PayoffSimulation::run(working, 0, BenchDebts::kToday, table);
        benchmark::DoNotOptimize(result);
    }
    BenchDebts::setCounters(state, debts, table.monthCount());
}

void BM_EngineAndGridModel(benchmark::State& state)
{
    const int debts = static_cast<int>(state.range(0));
    const int months = static_cast<int>(state.range(1));
    const DebtArray original = BenchDebts::array(debts, months);
    ScheduleTable table;
    ScheduleModel model(table);
    for (auto _ : state) {
        DebtArray working = original;
        PayoffSimulation::run(working, 0, BenchDebts::kToday, table);
        model.tableChanged();
        for (int row = 0; row < 30; ++row) {
            for (int column = 0; column < 12; ++column)
                benchmark::DoNotOptimize(model.index(row, column).data());
        }
    }
    BenchDebts::setCounters(state, debts, table.monthCount());
}

void scheduleSizes(benchmark::internal::Benchmark* bench)
{
    bench->Args({10, 60})
        ->Args({200, 360})
        ->Args({1000, 300})
        ->Args({1000, 360})
        ->Args({1000, 600});
    bench->Args({1000, 1000});
    bench->ArgNames({"debts", "months"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Engine)->Apply(scheduleSizes);
BENCHMARK(BM_EngineAndGridModel)->Apply(scheduleSizes);

} // namespace

namespace {

void BM_SortDebtArray(benchmark::State& state)
{
    const DebtArray original = BenchDebts::array(static_cast<int>(state.range(0)), 360);
    for (auto _ : state) {
        DebtArray working = original;
        orderDebtArray(working, PriorityMethod::SmallestBalancePerMonthly);
        benchmark::DoNotOptimize(working.data());
    }
}

BENCHMARK(BM_SortDebtArray)->Arg(10)->Arg(1000)->ArgName("debts")->Unit(benchmark::kMillisecond);

} // namespace
