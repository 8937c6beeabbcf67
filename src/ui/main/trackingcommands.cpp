#include "trackingcommands.h"

#include "calc/plantofollow.h"
#include "calc/progress.h"
#include "model/account.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "report/historyexport.h"
#include "ui/common/accountmessages.h"
#include "ui/common/filewords.h"
#include "ui/common/historywords.h"
#include "ui/common/modelinput.h"
#include "ui/common/planwords.h"
#include "ui/common/savepath.h"
#include "ui/progress/progresswindow.h"
#include "ui/progress/progresswords.h"
#include "ui/record/recordpaymentsdialog.h"

namespace {

QString monthName(YearMonth month)
{
    return Format::monthYear(DayDate::fromDate(month.firstDay()));
}

FollowedPlan planOf(const FollowedFigures& figures)
{
    FollowedPlan plan;
    plan.method = figures.method;
    plan.firstPaydate = figures.firstPaydate;
    for (size_t i = 0; i < figures.keys.size(); ++i)
        plan.debts.push_back({figures.keys[i], figures.names[i], figures.startBalances[i]});
    for (size_t i = 0; i < figures.months.size(); ++i) {
        PlannedMonth& month = plan.months.emplace_back();
        month.month = figures.months[i];
        month.paydate = figures.paydates[i];
        for (const PlannedFigures& debt : figures.planned[i])
            month.debts.push_back({debt.payment, debt.interest, debt.balance});
    }
    return plan;
}

} // namespace

TrackingCommands::TrackingCommands(Account& account, Prompter& prompter, const Clock& clock,
                                   QWidget* window)
    : account_(account), prompter_(prompter), clock_(clock), window_(window)
{
}

QString TrackingCommands::whyOff() const
{
    const auto& problem = account_.history().problem();
    return problem ? HistoryWords::offTip(*problem) : QString();
}

QString TrackingCommands::following() const
{
    const FollowedPlan* plan = account_.history().followed();
    if (!plan || plan->months.empty())
        return {};
    const PayoffMethod* method = payoffMethod(plan->method);
    return ProgressWords::following(method ? PlanWords::name(method) : plan->method,
                                    plan->months.front().month);
}

void TrackingCommands::follow(const PayoffMethod& method, const CalculateCommand::Run& run)
{
    PaymentHistory& history = account_.history();
    if (history.followed() &&
        !prompter_.askYesNo(QStringLiteral("Follow this plan from now on? Your records are kept; "
                                           "progress is measured against the new plan.")))
        return;
    const std::optional<FollowedFigures> figures =
        planToFollow(QLatin1String(method.id), run.ordered, run.terms);
    if (!figures)
        return; // a schedule that never ends is never shown to be followed
    FollowedPlan plan = planOf(*figures);
    plan.followedOn = clock_.today();
    plan.extraMoney = run.terms.extraMoney;
    plan.paymentPlan = PlanFile::toJson(account_.plan());
    if (const auto problem = history.follow(std::move(plan)))
        prompter_.showMessage(HistoryWords::notKept(*problem));
    updateStanding();
}

bool TrackingCommands::recordPayments(std::optional<YearMonth> month)
{
    RecordPaymentsDialog dialog(account_, prompter_, clock_.today(), window_);
    if (month)
        dialog.showMonth(*month);
    return dialog.exec() == QDialog::Accepted && record(dialog.recorded());
}

bool TrackingCommands::record(RecordedMonth recorded)
{
    PaymentHistory& history = account_.history();
    const bool latest =
        history.months().empty() || !(recorded.month < history.months().back().month);
    // Only the latest month's balances are the debts' own now.
    recorded.applied = !latest;
    if (const auto problem = history.record(recorded)) {
        prompter_.showMessage(HistoryWords::notKept(*problem));
        return false;
    }
    if (latest)
        applyBalances(recorded);
    updateStanding();
    return true;
}

bool TrackingCommands::applyBalances(const RecordedMonth& month)
{
    const Account::Snapshot before = account_.snapshot();
    DebtList& debts = account_.debts();
    for (const RecordedPayment& payment : month.payments) {
        const int position = debts.indexOf(payment.key);
        if (position < 0)
            continue;
        const Debt& debt = debts.at(position);
        debts.update(position, payment.balanceAfter, debt.rate, debt.monthly, debt.startDate);
    }
    const SaveResult saved = account_.save();
    if (!saved.saved(Account::kDataFileName)) {
        account_.restore(before);
        prompter_.showMessage(
            QStringLiteral("%1 was recorded, but your debts' balances could not "
                           "be brought up to it. %2 You will be asked again "
                           "at the next start.")
                .arg(monthName(month.month), AccountMessages::forSave(saved, false)));
        return false;
    }
    if (const auto problem = account_.history().markApplied(month.month))
        prompter_.showMessage(HistoryWords::notKept(*problem));
    return true;
}

void TrackingCommands::finishWhatWasLeft()
{
    PaymentHistory& history = account_.history();
    if (!history.isAvailable())
        return;
    if (const std::optional<PendingRename> rename = history.pendingRename()) {
        const SaveResult saved = account_.finishRename(*rename);
        prompter_.showMessage(
            saved.allSaved()
                ? QStringLiteral("Renaming %1 to %2 was stopped half-way; it has now been "
                                 "finished.")
                      .arg(rename->from, rename->to)
                : QStringLiteral("Renaming %1 to %2 was stopped half-way and could not be "
                                 "finished now. %3")
                      .arg(rename->from, rename->to, AccountMessages::forSave(saved, false)));
    }
    if (history.months().empty() || history.months().back().applied)
        return;
    const RecordedMonth& latest = history.months().back();
    if (prompter_.askYesNo(QStringLiteral("The balances you recorded for %1 have not reached your "
                                          "debt list. Bring the balances of your debts up to "
                                          "them now?")
                               .arg(monthName(latest.month))))
        applyBalances(latest);
}

void TrackingCommands::showProgress()
{
    if (!account_.history().followed()) {
        prompter_.showMessage(QStringLiteral("You follow no plan yet: Calculate, then choose "
                                             "Follow This Plan."));
        return;
    }
    ProgressWindow window(
        account_, prompter_, clock_.today(), [this](YearMonth month) { recordPayments(month); },
        window_);
    window.exec();
}

void TrackingCommands::exportHistory()
{
    const std::vector<RecordedMonth>& months = account_.history().months();
    if (months.empty()) {
        prompter_.showMessage(QStringLiteral("No month has been recorded yet."));
        return;
    }
    const QString path = askSavePath(
        prompter_, QStringLiteral("Export Payment History"), QStringLiteral("payment-history.tab"),
        QStringLiteral("Tab-delimited files (*.tab)"), QStringLiteral("tab"));
    if (path.isEmpty())
        return;
    if (const std::optional<FileProblem> problem = HistoryExport::write(months, path))
        prompter_.showMessage(FileWords::describe(*problem));
    else
        prompter_.showMessage(QStringLiteral("The payment history was exported to %1.")
                                  .arg(FileWords::shownPath(path)));
}

void TrackingCommands::updateStanding()
{
    const PaymentHistory& history = account_.history();
    if (!history.followed()) {
        standing_.clear();
        return;
    }
    standing_ = ProgressWords::inShort(ProgressCheck::of(
        followedFiguresOf(*history.followed()), recordFiguresOf(history.months()),
        debtFiguresOf(account_.debts()), {account_.extraMoney(), 0.0, planRulesOf(account_.plan())},
        clock_.today()));
}
