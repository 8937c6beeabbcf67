#include "comparisonrunner.h"

#include "model/debtlist.h"

namespace {

// The debts as a list of the worker's own.
void fill(DebtList& list, const std::vector<Debt>& debts)
{
    for (const Debt& debt : debts)
        (void)list.add(debt);
}

} // namespace

ComparisonRunner::ComparisonRunner(std::vector<Debt> debts, PaymentPlan plan, QDate today,
                                   QObject* parent)
    : QObject(parent), debts_(std::make_shared<const std::vector<Debt>>(std::move(debts))),
      plan_(std::move(plan)), today_(today)
{
    pool_.setMaxThreadCount(1); // one job at a time; a cancelled one ends at its next month
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
    pool_.start(std::move(work));
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
    launch([this, job, extraMoney, debts = debts_, plan = plan_, today = today_] {
        DebtList list;
        fill(list, *debts);
        const auto keepGoing = [&job](double) { return !*job.cancelled; };
        std::vector<PlanOutcome> outcomes;
        for (const Plan kind : kPlans) {
            outcomes.push_back(PlanComparison::run(list, kind, extraMoney, today, plan, keepGoing));
            if (*job.cancelled)
                return;
            post(comparison_, job.generation,
                 [this, outcome = outcomes.back()] { emit planDone(outcome); });
        }
        PlanComparison::weigh(outcomes);
        post(comparison_, job.generation,
             [this, outcomes = std::move(outcomes)] { emit comparisonDone(outcomes); });
    });
}

void ComparisonRunner::findTargets(QDate month)
{
    const Job job = newJob(targets_, targetsCancelled_);
    launch([this, job, month, debts = debts_, plan = plan_, today = today_] {
        DebtList list;
        fill(list, *debts);
        const auto keepGoing = [&job] { return !*job.cancelled; };
        std::vector<TargetAmount> targets;
        for (const Plan kind : kPlans) {
            targets.push_back(
                TargetSolver::leastExtraMoney(list, kind, today, month, plan, keepGoing));
            if (*job.cancelled)
                return;
        }
        post(targets_, job.generation,
             [this, month, targets = std::move(targets)] { emit targetsDone(month, targets); });
    });
}
