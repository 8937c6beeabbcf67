#include "mainstatusbar.h"

#include "platform/formats.h"
#include "statusline.h"
#include "ui/common/planwords.h"

namespace {

// The parts, most important first.
enum Part { Outcome, Following, MethodNote, ExtraMoney };

} // namespace

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent),
      line_(new StatusLine(
          {"scheduleStatus", "followingStatus", "methodStatus", "extraMoneyStatus"}, this))
{
    setObjectName(QStringLiteral("statusBar"));
    addWidget(line_, 1);
    setSizeGripEnabled(false);
}

void MainStatusBar::showOutcome(const PayoffSimulation::Result& result, double lastPaydate)
{
    outcome_ = PlanWords::status(result.outcome, lastPaydate, result.months);
    stale_ = false;
    showSchedule();
}

void MainStatusBar::setStale(bool stale)
{
    stale_ = stale;
    showSchedule();
}

void MainStatusBar::showSchedule()
{
    line_->setPart(Outcome, outcome_.isEmpty() || !stale_
                                ? outcome_
                                : outcome_ + QStringLiteral(" (calculated before the latest "
                                                            "change: Calculate again)"));
}

void MainStatusBar::showExtraMoney(double setting, double nextMonth)
{
    QString text = QStringLiteral("Extra money: %1 a month").arg(Format::currency(setting));
    if (nextMonth != setting)
        text += QStringLiteral(", %1 next month").arg(Format::currency(nextMonth));
    line_->setPart(ExtraMoney, text);
}

void MainStatusBar::showFollowing(const QString& following)
{
    line_->setPart(Following, following);
}

void MainStatusBar::showMethodNote(const QString& note)
{
    line_->setPart(MethodNote, note);
}
