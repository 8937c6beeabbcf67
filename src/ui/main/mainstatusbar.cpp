#include "mainstatusbar.h"

#include "platform/formats.h"

#include <QLabel>

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent), schedule_(new QLabel(this)), extraMoney_(new QLabel(this))
{
    setObjectName(QStringLiteral("statusBar"));
    schedule_->setObjectName(QStringLiteral("scheduleStatus"));
    extraMoney_->setObjectName(QStringLiteral("extraMoneyStatus"));
    addWidget(schedule_, 1);
    addPermanentWidget(extraMoney_);
    setSizeGripEnabled(false);
}

void MainStatusBar::showOutcome(const PayoffSimulation::Result& result, double lastPaydate)
{
    switch (result.outcome) {
    case PayoffSimulation::Outcome::PaidOff:
        outcome_ =
            QStringLiteral("Debt-free in %1, %2 %3")
                .arg(Format::monthYear(lastPaydate))
                .arg(result.months)
                .arg(result.months == 1 ? QStringLiteral("month") : QStringLiteral("months"));
        break;
    case PayoffSimulation::Outcome::NeverDecreases:
        outcome_ = QStringLiteral("Never debt-free: the balance does not fall");
        break;
    case PayoffSimulation::Outcome::TooLong:
        outcome_ = QStringLiteral("Never debt-free: it would take more than %1 years")
                       .arg(PayoffSimulation::kMaxYears);
        break;
    case PayoffSimulation::Outcome::Cancelled:
        outcome_.clear();
        break;
    }
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
