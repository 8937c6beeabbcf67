// Following a plan: opening Record Payments and Progress over ten years of
// recorded months, and recording a month, history and debts.dat together.
#include "benchdebts.h"
#include "calc/recordrules.h"
#include "model/account.h"
#include "platform/clock.h"
#include "support/scriptedprompter.h"
#include "ui/common/modelinput.h"
#include "ui/main/trackingcommands.h"
#include "ui/progress/progresswindow.h"
#include "ui/record/recordpaymentsdialog.h"

#include <QSettings>
#include <QTemporaryDir>

namespace {

constexpr int kDebts = 100;
constexpr int kYears = 10;

// An account of 100 debts that follows a plan from kToday and has recorded
// every month of it for ten years, as Record Payments fills them.
class FollowedAccount {
public:
    FollowedAccount()
    {
        BenchDebts::addDebts(account.debts(), kDebts, 360);
        account.setExtraMoney(100);
        if (!account.save().allSaved())
            std::abort();
        PayoffTerms terms = BenchDebts::terms();
        terms.extraMoney = 100;
        const PayoffMethod& method = payoffMethods().front();
        commands.follow(method, {method.order(debtFiguresOf(account.debts()), terms), terms, {}});
        const FollowedFigures followed = followedFiguresOf(*account.history().followed());
        const int first = YearMonth::of(BenchDebts::kToday).index() + 1;
        for (int i = 0; i < kYears * 12; ++i) {
            if (!commands.record(filled(YearMonth::fromIndex(first + i), followed)))
                std::abort();
        }
    }
    // The month as Record Payments first fills it.
    RecordedMonth filled(YearMonth month, const FollowedFigures& followed) const
    {
        RecordedMonth recorded{month, today.day, true, {}};
        for (const RecordRow& row : RecordRules::newRows(
                 month, debtFiguresOf(account.debts()), planRulesOf(account.plan()), &followed,
                 recordFiguresOf(account.history().months()), today.day))
            recorded.payments.push_back(
                {row.key, row.name, row.balanceBefore, row.planned, row.paid, row.balanceAfter});
        return recorded;
    }

    // A clock that shows the month after the recorded ones as due.
    struct MovableClock : Clock {
        QDate day = BenchDebts::kToday.addYears(kYears).addMonths(1).addDays(4);
        QDate today() const override { return day; }
    } today;
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    ScriptedPrompter prompter;
    Account account{folder.path(), settings};
    TrackingCommands commands{account, prompter, today, nullptr};
};

// Each window from its making until it is painted.
template <typename Window, typename... Arguments>
void openWindow(benchmark::State& state, FollowedAccount& followed, Arguments... arguments)
{
    for (auto _ : state) {
        Window window(followed.account, followed.prompter, followed.today.day, arguments...);
        window.show();
        window.repaint();
    }
}

void BM_RecordPaymentsOpen(benchmark::State& state)
{
    FollowedAccount followed;
    openWindow<RecordPaymentsDialog>(state, followed);
}
BENCHMARK(BM_RecordPaymentsOpen)->Unit(benchmark::kMillisecond);

void BM_ProgressOpen(benchmark::State& state)
{
    FollowedAccount followed;
    openWindow<ProgressWindow>(state, followed, std::function<void(YearMonth)>());
}
BENCHMARK(BM_ProgressOpen)->Unit(benchmark::kMillisecond);

// The latest month recorded again: one transaction in history.db, the
// balances into debts.dat, the month marked as applied.
void BM_RecordMonth(benchmark::State& state)
{
    FollowedAccount followed;
    const RecordedMonth month =
        followed.filled(YearMonth::of(followed.today.day),
                        followedFiguresOf(*followed.account.history().followed()));
    for (auto _ : state) {
        if (!followed.commands.record(month))
            state.SkipWithError("not recorded");
    }
}
BENCHMARK(BM_RecordMonth)->Unit(benchmark::kMillisecond);

} // namespace
