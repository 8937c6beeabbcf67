// A click on Calculate in the main window, offscreen, until the finished
// schedule has been painted; and at the list's limit, the memory a click and
// an export take.
#include "benchdebts.h"
#include "model/account.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/yearmonth.h"
#include "support/scriptedprompter.h"
#include "ui/main/mainwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;

// The main window over an account of generated debts in a folder of its own.
class BenchWindow {
public:
    BenchWindow(int debts, int months, const PaymentPlan& plan = {})
    {
        Account writer(folder_.path(), settings_);
        BenchDebts::addDebts(writer.debts(), debts, months);
        writer.setPlan(plan);
        if (!writer.save().allSaved())
            std::abort();
        window_.load();
        QApplication::processEvents();
    }

    void click(const char* button)
    {
        QElapsedTimer timer;
        timer.start();
        window_.findChild<QPushButton*>(QLatin1String(button))->click();
        handling_ += timer.nsecsElapsed();
        timer.restart();
        QApplication::processEvents(); // paints what the click left
        painting_ += timer.nsecsElapsed();
        ++clicks_;
    }
    // Of each click, on average: the handler (with its own repaints while it
    // runs) and the painting of what it left, in milliseconds.
    void setTimeCounters(benchmark::State& state) const
    {
        state.counters["handler_ms"] = static_cast<double>(handling_) / 1e6 / clicks_;
        state.counters["paint_ms"] = static_cast<double>(painting_) / 1e6 / clicks_;
    }
    int months() const
    {
        return window_.findChild<QAbstractItemView*>(QStringLiteral("fav"))->model()->rowCount() -
               2;
    }

private:
    QTemporaryDir folder_;
    QSettings settings_{folder_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    ScriptedPrompter prompter_;
    const FixedClock clock_{BenchDebts::kToday};
    Account account_{folder_.path(), settings_};
    MainWindow window_{account_, prompter_, clock_};
    qint64 handling_ = 0;
    qint64 painting_ = 0;
    int clicks_ = 0;
};

void BM_CalculateClick(benchmark::State& state)
{
    const int debts = static_cast<int>(state.range(0));
    BenchWindow window(debts, static_cast<int>(state.range(1)));
    const double before = BenchDebts::heapInUse();
    for (auto _ : state) {
        window.click("cmdCalculate");
    }
    // What the window holds for the last schedule, over what it held before.
    state.counters["schedule_MB"] = (BenchDebts::heapInUse() - before) / kMegabyte;
    window.setTimeCounters(state);
    BenchDebts::setCounters(state, debts, window.months());
}

// A plan of 50 changes of the extra money over the years and 100
// promotional rates, against the same click without a plan.
PaymentPlan benchPlan()
{
    PaymentPlan plan;
    const YearMonth first = *YearMonth::of(DayDate::fromDate(BenchDebts::kToday.addMonths(1)));
    for (int i = 0; i < 50; ++i)
        plan.extraMoneyChanges.push_back(
            {YearMonth::fromIndex(first.index() + 7 * i), i % 3 == 0 ? -20.0 : 35.0, i % 5 == 0});
    for (int i = 0; i < 100; ++i)
        plan.promotions.push_back({QStringLiteral("Creditor %1").arg(i * 10), (i % 4) * 0.5,
                                   YearMonth::fromIndex(first.index() + 6 + i % 24)});
    return plan;
}

void BM_CalculateClickWithPlan(benchmark::State& state)
{
    BenchWindow window(1000, 360, benchPlan());
    for (auto _ : state) {
        window.click("cmdCalculate");
    }
    BenchDebts::setCounters(state, 1000, window.months());
}

BENCHMARK(BM_CalculateClickWithPlan)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_CalculateClick)
    ->Args({10, 60})
    ->Args({200, 360})
    ->Args({1000, 360})
    ->Args({1000, 1000})
    ->ArgNames({"debts", "months"})
    ->Unit(benchmark::kMillisecond);

// The most debts the list holds, over a thousand months: the peak memory of
// the process while a click calculates and while Export writes the file.
void BM_AtTheListsLimit(benchmark::State& state)
{
    BenchWindow window(DebtList::kMaxCount, 1000);
    for (auto _ : state) {
        BenchDebts::resetPeakResident();
        window.click("cmdCalculate");
        state.counters["calculate_peak_MB"] = BenchDebts::peakResident() / kMegabyte;
        BenchDebts::resetPeakResident();
        const double resident = BenchDebts::peakResident();
        window.click("cmdexport");
        state.counters["export_over_MB"] = (BenchDebts::peakResident() - resident) / kMegabyte;
    }
    state.counters["months"] = window.months();
}

BENCHMARK(BM_AtTheListsLimit)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
