// The Least Interest search: every order of 8 debts over 30 years, held to
// the same answer as trying them all without the bound; 1,000 debts through
// the whole run budget; and how soon a cancel stops a search of 1,000.
#include "benchdebts.h"
#include "calc/leastinterest.h"
#include "calc/payoffsimulation.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>
#include <thread>

namespace {

// A search of these debts, timed; no extra money, so that the schedules run
// their full length.
LeastInterest::Found timedSearch(benchmark::State& state, const DebtArray& debts)
{
    LeastInterest::Found found;
    for (auto _ : state)
        found = LeastInterest::search(debts, BenchDebts::terms());
    state.counters["runs"] = static_cast<double>(found.runs);
    return found;
}

// Every order on one thread, each run to its end: the least interest to the
// cent, then the fewest months, then the first order.
DebtArray everyOrderUnbounded(const DebtArray& debts, const PayoffTerms& terms)
{
    std::vector<int> places(debts.size());
    std::iota(places.begin(), places.end(), 0);
    DebtArray best;
    long long bestCents = 0;
    int bestMonths = 0;
    do {
        DebtArray ordered;
        for (const int place : places)
            ordered.push_back(debts[place]);
        NoSink sink;
        const auto result = PayoffSimulation::run(ordered, terms, sink);
        const long long cents = std::llround(result.totalInterest * 100);
        if (result.outcome == PayoffSimulation::Outcome::PaidOff &&
            (best.empty() || std::tie(cents, result.months) < std::tie(bestCents, bestMonths))) {
            best = ordered;
            bestCents = cents;
            bestMonths = result.months;
        }
    } while (std::next_permutation(places.begin(), places.end()));
    return best;
}

bool sameOrder(const DebtArray& a, const DebtArray& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const DebtFigures& x, const DebtFigures& y) { return x.key == y.key; });
}

void BM_LeastInterestEveryOrder(benchmark::State& state)
{
    const DebtArray debts = BenchDebts::array(8, 360);
    const LeastInterest::Found found = timedSearch(state, debts);
    if (!sameOrder(found.ordered, everyOrderUnbounded(debts, BenchDebts::terms())))
        state.SkipWithError("not the order trying every order without the bound finds");
    state.counters["months"] = found.months;
}

void BM_EveryOrderUnboundedOneThread(benchmark::State& state)
{
    const DebtArray debts = BenchDebts::array(8, 360);
    for (auto _ : state)
        benchmark::DoNotOptimize(everyOrderUnbounded(debts, BenchDebts::terms()));
}

void BM_LeastInterestThousandDebts(benchmark::State& state)
{
    timedSearch(state, BenchDebts::array(1000, 360));
}

// From the cancel to the search's return, while it searches 1,000 debts.
void BM_LeastInterestCancel(benchmark::State& state)
{
    const DebtArray debts = BenchDebts::array(1000, 360);
    const PayoffTerms terms = BenchDebts::terms();
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        std::atomic<bool> cancelled{false};
        std::atomic<long> runs{0};
        Clock::time_point returned;
        LeastInterest::Control control;
        control.runs = &runs;
        control.keepGoing = [&cancelled] { return !cancelled.load(); };
        std::thread search([&] {
            LeastInterest::search(debts, terms, control);
            returned = Clock::now();
        });
        while (runs.load() < 50)
            std::this_thread::yield();
        const Clock::time_point asked = Clock::now();
        cancelled = true;
        search.join();
        state.SetIterationTime(std::chrono::duration<double>(returned - asked).count());
    }
}

} // namespace

BENCHMARK(BM_LeastInterestEveryOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryOrderUnboundedOneThread)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LeastInterestThousandDebts)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LeastInterestCancel)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
