#include "mainstatusbar.h"

#include "platform/formats.h"
#include "ui/common/planwords.h"

#include <QLabel>

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent), schedule_(new QLabel(this)), following_(new QLabel(this)),
      saving_(new QLabel(this)), extraMoney_(new QLabel(this))
{
    setObjectName(QStringLiteral("statusBar"));
    schedule_->setObjectName(QStringLiteral("scheduleStatus"));
    following_->setObjectName(QStringLiteral("followingStatus"));
    saving_->setObjectName(QStringLiteral("savingStatus"));
    extraMoney_->setObjectName(QStringLiteral("extraMoneyStatus"));
    addWidget(schedule_, 1);
    addPermanentWidget(following_);
    addPermanentWidget(saving_);
    saving_->hide();
    addPermanentWidget(extraMoney_);
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
    schedule_->setText(outcome_.isEmpty() || !stale_
                           ? outcome_
                           : outcome_ + QStringLiteral(" (calculated before the latest change: "
                                                       "Calculate again)"));
}

void MainStatusBar::showExtraMoney(double setting, double nextMonth)
{
    QString text = QStringLiteral("Extra money: %1 a month").arg(Format::currency(setting));
    if (nextMonth != setting)
        text += QStringLiteral(", %1 next month").arg(Format::currency(nextMonth));
    extraMoney_->setText(text);
}

void MainStatusBar::showFollowing(const QString& following)
{
    following_->setText(following);
    following_->setVisible(!following.isEmpty());
}

void MainStatusBar::showSaving(const QString& saving)
{
    saving_->setText(saving);
    saving_->setVisible(!saving.isEmpty());
}
