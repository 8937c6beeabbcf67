#include "schedulecalculation.h"

#include "calc/schedule.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/vectorstate.h"

#include <QCoreApplication>
#include <QElapsedTimer>

ScheduleCalculation::ScheduleCalculation(Schedule& schedule, const Clock& clock,
                                         int repaintIntervalMs, QObject* parent)
    : QObject(parent), schedule_(schedule), clock_(clock), repaintIntervalMs_(repaintIntervalMs)
{
}

QString ScheduleCalculation::caption(double percentPaid)
{
    return QStringLiteral("Calculating: ") + Format::wholeNumber(percentPaid) + QLatin1Char('%');
}

PayoffSimulation::Result ScheduleCalculation::run(const DebtArray& ordered, double extraMoney,
                                                  const PlanRules& rules)
{
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    // Only a month that falls due for a repaint pays for the caption.
    const auto progress = [&](double percentPaid) {
        if (sinceRepaint.elapsed() >= repaintIntervalMs_) {
            emit progressed(percentPaid);
            QCoreApplication::processEvents();
            VectorState::clearUpperHalves(); // after the window drew itself
            sinceRepaint.start();
        }
        return !cancelled_;
    };
    const PayoffSimulation::Result result =
        PayoffSimulation::run(ordered, extraMoney, clock_.today(), schedule_, progress,
                              PayoffSimulation::FreedMoney::PassedOn, rules);
    cancelled_ =
        false; // a cancel while the window prepared this run stopped it; the next starts afresh
    return result;
}
