// A click on Calculate in the main window, offscreen, until the finished
// schedule has been painted.
#include "benchdebts.h"
#include "model/account.h"
#include "platform/clock.h"
#include "support/scriptedprompter.h"
#include "ui/mainwindow.h"

#include <QAbstractItemView>
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
    Account account(prompter, folder.path(), settings);
    BenchDebts::addDebts(account.debts(), debts, months);
    account.save();

    MainWindow window(account, prompter, clock);
    window.load();
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("cmdCalculate"));
    QApplication::processEvents();
    for (auto _ : state) {
        calculate->click();
        QApplication::processEvents(); // paints the finished schedule
    }
    const int scheduleRows =
        window.findChild<QAbstractItemView*>(QStringLiteral("fav"))->model()->rowCount();
    BenchDebts::setCounters(state, debts, scheduleRows - ScheduleTable::kHeaderRows);
}

BENCHMARK(BM_CalculateClick)
    ->Args({10, 60})
    ->Args({200, 360})
    ->Args({1000, 360})
    ->Args({1000, 1000})
    ->ArgNames({"debts", "months"})
    ->Unit(benchmark::kMillisecond);

} // namespace
