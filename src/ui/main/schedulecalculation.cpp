#include "schedulecalculation.h"

#include "calc/schedule.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>

ScheduleCalculation::ScheduleCalculation(Schedule& schedule, const Clock& clock, QObject* parent)
    : QObject(parent), schedule_(schedule), clock_(clock)
{
}

PayoffSimulation::Result ScheduleCalculation::run(const DebtArray& ordered, double extraMoney)
{
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    // Only a month that falls due for a repaint pays for the caption.
    const auto progress = [&](double percentPaid) {
        if (sinceRepaint.elapsed() >= kRepaintIntervalMs) {
            emit progressed(percentPaid);
            QCoreApplication::processEvents();
            sinceRepaint.start();
        }
        return !cancelled_;
    };
    const PayoffSimulation::Result result =
        PayoffSimulation::run(ordered, extraMoney, clock_.today(), schedule_, progress);
    cancelled_ = false; // a cancel while the window prepared this run stopped it; the next starts afresh
    return result;
}
