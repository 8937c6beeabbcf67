#include "comparisonrunner.h"

#include "calc/paydates.h"
#include "model/account.h"
#include "platform/threadhandover.h"
#include "platform/yearmonth.h"
#include "ui/common/modelinput.h"

namespace {

// What orders each job's making before its run, for ThreadSanitizer.
const char kHandOver = 0;

} // namespace

ComparisonRunner::ComparisonRunner(DebtArray debts, PayoffTerms terms, QObject* parent)
    : QObject(parent), debts_(std::make_shared<const DebtArray>(std::move(debts))),
      terms_(std::make_shared<const PayoffTerms>(std::move(terms)))
{
    pool_.setMaxThreadCount(1); // one job at a time; a cancelled one ends at its next month
}

ComparisonRunner::ComparisonRunner(const Account& account, QDate today, QObject* parent)
    : ComparisonRunner(debtFiguresOf(account.debts()),
                       {account.extraMoney(), Paydates::first(today), planRulesOf(account.plan())},
                       parent)
{
}

ComparisonRunner::~ComparisonRunner()
{
    for (const auto& cancelled : {comparisonCancelled_, targetsCancelled_}) {
        if (cancelled)
            *cancelled = true;
    }
    pool_.waitForDone();
}

void ComparisonRunner::launch(std::function<void()> work)
{
    std::function<void()> job = [work = std::move(work)] {
        ThreadHandOver::acquire(&kHandOver);
        work();
    };
    ThreadHandOver::release(&kHandOver);
    pool_.start(std::move(job));
}

ComparisonRunner::Job ComparisonRunner::newJob(int& generation,
                                               std::shared_ptr<std::atomic<bool>>& current)
{
    if (current)
        *current = true;
    current = std::make_shared<std::atomic<bool>>(false);
    return {++generation, current};
}

void ComparisonRunner::deliver(std::function<void()> report)
{
    QMetaObject::invokeMethod(this, std::move(report), Qt::QueuedConnection);
}

void ComparisonRunner::post(const int& generation, int job, std::function<void()> report)
{
    // Checked when the report arrives, not when it is sent: a newer job may
    // have begun in between.
    deliver([&generation, job, report = std::move(report)] {
        if (job == generation)
            report();
    });
}

void ComparisonRunner::compare(double extraMoney)
{
    const Job job = newJob(comparison_, comparisonCancelled_);
    launch([this, job, extraMoney, debts = debts_, terms = terms_] {
        PayoffTerms tried = *terms;
        tried.extraMoney = extraMoney;
        const auto keepGoing = [&job] { return !*job.cancelled; };
        std::vector<PlanOutcome> outcomes = PlanComparison::compare(
            *debts, tried,
            [&](const PlanOutcome& outcome) {
                post(comparison_, job.generation, [this, outcome] { emit planDone(outcome); });
            },
            keepGoing);
        if (*job.cancelled)
            return;
        post(comparison_, job.generation,
             [this, outcomes = std::move(outcomes)] { emit comparisonDone(outcomes); });
    });
}

void ComparisonRunner::findTargets(QDate month)
{
    const Job job = newJob(targets_, targetsCancelled_);
    launch([this, job, month, debts = debts_, terms = terms_] {
        const auto keepGoing = [&job] { return !*job.cancelled; };
        std::vector<TargetAmount> targets;
        for (const PayoffMethod* plan : PlanComparison::plans()) {
            targets.push_back(TargetSolver::leastExtraMoney(*debts, plan, *terms,
                                                            YearMonth::of(month), keepGoing));
            if (*job.cancelled)
                return;
        }
        post(targets_, job.generation,
             [this, month, targets = std::move(targets)] { emit targetsDone(month, targets); });
    });
}
