// A click on Calculate in the main window, offscreen, until the finished
// schedule has been painted.
#include "benchdebts.h"
#include "model/clsaccount.h"
#include "platform/clock.h"
#include "support/scriptedprompter.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void BM_CalculateClick(benchmark::State& state)
{
    const int debts = static_cast<int>(state.range(0));
    const int months = static_cast<int>(state.range(1));
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    ScriptedPrompter prompter;
    const FixedClock clock(BenchDebts::kToday);
    clsAccount account(prompter, folder.path(), settings);
    BenchDebts::addDebts(account.Debts(), debts, months);
    account.Save();

    frmMain window(account, prompter, clock);
    window.Form_Load();
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("cmdCalculate"));
    QApplication::processEvents();
    for (auto _ : state) {
        calculate->click();
        QApplication::processEvents(); // paints the finished schedule
    }
    BenchDebts::setCounters(state, debts, window.schedule().monthCount());
}

BENCHMARK(BM_CalculateClick)
    ->Args({10, 60})
    ->Args({200, 360})
    ->Args({1000, 360})
    ->Args({1000, 1000})
    ->ArgNames({"debts", "months"})
    ->Unit(benchmark::kMillisecond);

} // namespace
