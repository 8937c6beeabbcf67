// The comparison's work on its own thread, as the window runs it: what the
// window's thread hears is whole and of the newest work only. Built again
// with ThreadSanitizer in CI.
#include "model/account.h"
#include "support/debts.h"
#include "support/testsupport.h"
#include "ui/compare/comparisonrunner.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>

namespace {

class RealRunner : public testing::Test {
protected:
    QTemporaryDir folder;
    QSettings settings{folder.filePath("settings.ini"), QSettings::IniFormat};
    Account account{folder.path(), settings};

    void SetUp() override
    {
        addDebts(account.debts(), {{"Visa", 1000, 0.12, 100, 0}, {"Loan", 20000, 0.05, 150, 0}});
    }
};

TEST_F(RealRunner, OnlyTheNewestAmountsFiguresArriveAndEachWhole)
{
    ComparisonRunner runner(account, kToday);
    QSignalSpy plans(&runner, &ComparisonRunner::planDone);
    QSignalSpy done(&runner, &ComparisonRunner::comparisonDone);
    QSignalSpy targets(&runner, &ComparisonRunner::targetsDone);
    for (const double extra : {0.0, 25.0, 50.0, 100.0}) // each cancels the one before
        runner.compare(extra);
    runner.findTargets({2050, 1, 1});
    ASSERT_TRUE(done.wait(60000));
    ASSERT_TRUE(targets.count() > 0 || targets.wait(60000));
    const auto outcomes = done.at(0).at(0).value<std::vector<PlanOutcome>>();
    ASSERT_EQ(outcomes.size(), PlanComparison::plans().size());
    EXPECT_NEAR(outcomes.front().totalPayments - outcomes.front().totalInterest, 21000, 1e-6);
    ASSERT_EQ(plans.count(), PlanComparison::plans().size())
        << "each plan of the newest work, and nothing of the older";
    for (qsizetype i = 0; i < plans.count(); ++i) {
        const auto plan = plans.at(i).at(0).value<PlanOutcome>();
        const auto same = std::find_if(outcomes.begin(), outcomes.end(), [&](const PlanOutcome& o) {
            return o.method == plan.method;
        });
        ASSERT_NE(same, outcomes.end());
        EXPECT_EQ(plan.totalInterest, same->totalInterest);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(targets.at(0).at(1).value<std::vector<TargetAmount>>().size(),
              PlanComparison::plans().size());
}

TEST_F(RealRunner, ClosingWhileTheWorkRunsStopsItAndDeliversNothing)
{
    auto runner = std::make_unique<ComparisonRunner>(account, kToday);
    QSignalSpy done(runner.get(), &ComparisonRunner::comparisonDone);
    runner->compare(10);
    runner->findTargets({2099, 1, 1});
    runner.reset(); // waits for the work to stop
    QCoreApplication::processEvents();
    EXPECT_EQ(done.count(), 0);
}

} // namespace
