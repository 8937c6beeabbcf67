// The calculation without a window: the engine filling the numeric
// schedule, the same month rules on plain doubles as the floor it is held
// to, and the engine with the grid model announcing the schedule and a
// screenful of cells being drawn from it.
#include "benchdebts.h"
#include "calc/payoffmethod.h"
#include "calc/payoffsimulation.h"
#include "calc/schedule.h"
#include "platform/vectorstate.h"
#include "report/scheduletext.h"
#include "ui/main/schedulemodel.h"

namespace {

void BM_Engine(benchmark::State& state)
{
    const int debts = static_cast<int>(state.range(0));
    const int months = static_cast<int>(state.range(1));
    const DebtArray ordered = BenchDebts::array(debts, months);
    const PayoffTerms terms = BenchDebts::terms();
    Schedule schedule;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PayoffSimulation::run(ordered, terms, schedule));
    }
    BenchDebts::setCounters(state, debts, schedule.monthCount());
}

// The month rules at their plainest: each debt pays its minimum on its own
// until it is clear, every payment and balance kept. What the engine does on
// top (extra and freed money, start dates, the sink) is held against this.
void BM_PlainDoublesFloor(benchmark::State& state)
{
    const int debts = static_cast<int>(state.range(0));
    const int months = static_cast<int>(state.range(1));
    const DebtArray ordered = BenchDebts::array(debts, months);
    std::vector<double> cells;
    for (auto _ : state) {
        VectorState::clearUpperHalves(); // as the engine does first
        std::vector<double> balances;
        for (const DebtFigures& debt : ordered)
            balances.push_back(debt.balance);
        cells.clear();
        for (double total = 1; total > 0;) {
            total = 0;
            for (size_t i = 0; i < balances.size(); ++i) {
                const double interest = monthlyInterest(balances[i], ordered[i].rate);
                const double payment = std::min(ordered[i].minimum, balances[i] + interest);
                balances[i] = std::max(0.0, balances[i] + interest - payment);
                cells.push_back(payment);
                cells.push_back(balances[i]);
                total += balances[i];
            }
        }
        benchmark::DoNotOptimize(cells.data());
    }
    BenchDebts::setCounters(state, debts, static_cast<int>(cells.size() / (2 * debts)));
}

void BM_EngineAndGridModel(benchmark::State& state)
{
    const int debts = static_cast<int>(state.range(0));
    const int months = static_cast<int>(state.range(1));
    const DebtArray ordered = BenchDebts::array(debts, months);
    Schedule schedule;
    const ScheduleText text(schedule);
    ScheduleModel model(text);
    const PayoffTerms terms = BenchDebts::terms();
    for (auto _ : state) {
        PayoffSimulation::run(ordered, terms, schedule);
        model.scheduleChanged();
        for (int row = 0; row < 30; ++row) {
            for (int column = 0; column < 12; ++column)
                benchmark::DoNotOptimize(model.index(row, column).data());
        }
    }
    BenchDebts::setCounters(state, debts, schedule.monthCount());
}

void scheduleSizes(benchmark::internal::Benchmark* bench)
{
    bench->Args({10, 60})
        ->Args({200, 360})
        ->Args({1000, 300})
        ->Args({1000, 360})
        ->Args({1000, 600})
        ->Args({1000, 1000})
        ->ArgNames({"debts", "months"})
        ->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Engine)->Apply(scheduleSizes);
BENCHMARK(BM_PlainDoublesFloor)
    ->Args({1000, 360})
    ->ArgNames({"debts", "months"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineAndGridModel)->Apply(scheduleSizes);

void BM_SortDebtArray(benchmark::State& state)
{
    const DebtArray original = BenchDebts::array(static_cast<int>(state.range(0)), 360);
    const PayoffMethod& method = *payoffMethod(u"smallest-balance-per-monthly");
    for (auto _ : state) {
        const DebtArray working = method.order(original, BenchDebts::terms());
        benchmark::DoNotOptimize(working.data());
    }
}

BENCHMARK(BM_SortDebtArray)->Arg(10)->Arg(1000)->ArgName("debts")->Unit(benchmark::kMillisecond);

} // namespace
