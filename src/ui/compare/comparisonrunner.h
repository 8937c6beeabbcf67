#pragma once

#include "calc/plancomparison.h"
#include "calc/targetsolver.h"

#include <QDate>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class Account;

// The comparison's work: every plan with an amount of extra money, and the
// least amounts for a month. It runs off the window's thread, so that the
// window stays responsive at any size; the results come back on the window's
// thread, each plan as it is done. A newer amount (or month) cancels the
// older work, and nothing of the older work is reported after that, so what
// the window shows is never a mix of two runs.
class ComparisonRunner : public QObject {
    Q_OBJECT

public:
    // The debts, in the list's order, and the terms stay as they are while
    // the window is open; each amount of extra money replaces the terms' own.
    ComparisonRunner(DebtArray debts, PayoffTerms terms, QObject* parent = nullptr);
    // The account's debts and plan as they are now, from this day.
    ComparisonRunner(const Account& account, QDate today, QObject* parent = nullptr);
    // Cancels the work under way and waits for it to stop.
    ~ComparisonRunner() override;

    void compare(double extraMoney);
    void findTargets(QDate month);

signals:
    void planDone(const PlanOutcome& outcome);
    void comparisonDone(const std::vector<PlanOutcome>& outcomes); // weighed
    void targetsDone(QDate month, const std::vector<TargetAmount>& targets);

protected:
    // Runs work on the runner's own thread; a test's runner runs it at once.
    virtual void launch(std::function<void()> work);
    // Hands a report to the window's thread, to run once the window's events
    // come to it; a test's runner runs it at once.
    virtual void deliver(std::function<void()> report);

private:
    struct Job {
        int generation;
        std::shared_ptr<std::atomic<bool>> cancelled;
    };
    Job newJob(int& generation, std::shared_ptr<std::atomic<bool>>& current);
    // Hands a result to the window's thread, unless a newer job has begun.
    void post(const int& generation, int job, std::function<void()> report);

    std::shared_ptr<const DebtArray> debts_;
    std::shared_ptr<const PayoffTerms> terms_;
    int comparison_ = 0;
    int targets_ = 0;
    std::shared_ptr<std::atomic<bool>> comparisonCancelled_;
    std::shared_ptr<std::atomic<bool>> targetsCancelled_;
    QThreadPool pool_;
};

// Does the work in the caller's thread, before compare() or findTargets()
// returns: what tests drive the window with.
class ImmediateRunner : public ComparisonRunner {
public:
    using ComparisonRunner::ComparisonRunner;

protected:
    void launch(std::function<void()> work) override { work(); }
    void deliver(std::function<void()> report) override { report(); }
};
