// The plan comparison: the four plans in numbers, the target-date amounts,
// and the Compare Plans window recomputing and redrawing as the extra money
// changes.
#include "benchdebts.h"
#include "calc/plancomparison.h"
#include "calc/targetsolver.h"
#include "model/account.h"
#include "platform/clock.h"
#include "support/scriptedprompter.h"
#include "ui/compare/comparewindow.h"

#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void BM_ComparePlans(benchmark::State& state)
{
    const DebtArray debts =
        BenchDebts::array(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    PayoffTerms terms = BenchDebts::terms();
    terms.extraMoney = 100;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanComparison::compare(debts, terms));
}
BENCHMARK(BM_ComparePlans)->Args({50, 360})->Args({1000, 360})->Unit(benchmark::kMillisecond);

void BM_TargetAmounts(benchmark::State& state)
{
    const DebtArray debts = BenchDebts::array(static_cast<int>(state.range(0)), 360);
    const YearMonth month = YearMonth::of(BenchDebts::kToday.addYears(15));
    for (auto _ : state) {
        for (const PayoffMethod* plan : PlanComparison::plans())
            benchmark::DoNotOptimize(
                TargetSolver::leastExtraMoney(debts, plan, BenchDebts::terms(), month));
    }
}
BENCHMARK(BM_TargetAmounts)->Arg(50)->Arg(1000)->Unit(benchmark::kMillisecond);

// A change of the extra money, typed into the window, until it is redrawn.
void BM_CompareWindowExtraMoneyChange(benchmark::State& state)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    ScriptedPrompter prompter;
    const FixedClock clock(BenchDebts::kToday);
    Account account(folder.path(), settings);
    BenchDebts::addDebts(account.debts(), static_cast<int>(state.range(0)), 360);
    // The work done in the benchmark's thread, so that each change is timed
    // until its figures are shown.
    CompareWindow window(account, prompter, clock, payoffMethod(u"highest-rate"), nullptr,
                         std::make_unique<ImmediateRunner>(account, BenchDebts::kToday));
    window.show();
    auto* extra = window.findChild<QLineEdit*>(QStringLiteral("extraMoney"));
    int amount = 0;
    for (auto _ : state) {
        extra->selectAll();
        extra->insert(QString::number(100 + (++amount % 50)));
        window.repaint();
    }
}
BENCHMARK(BM_CompareWindowExtraMoneyChange)->Arg(50)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
