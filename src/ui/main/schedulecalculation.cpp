#include "schedulecalculation.h"

#include "calc/schedule.h"
#include "platform/formats.h"
#include "platform/vectorstate.h"

#include <QCoreApplication>
#include <QElapsedTimer>

ScheduleCalculation::ScheduleCalculation(Schedule& schedule, int repaintIntervalMs, QObject* parent)
    : QObject(parent), schedule_(schedule), repaintIntervalMs_(repaintIntervalMs)
{
}

QString ScheduleCalculation::caption(double percentPaid)
{
    return QStringLiteral("Calculating: ") + Format::wholeNumber(percentPaid) + QLatin1Char('%');
}

PayoffSimulation::Result ScheduleCalculation::run(const DebtArray& ordered,
                                                  const PayoffTerms& terms)
{
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    // Only a month that falls due for a repaint pays for the caption.
    PayoffSimulation::Options options;
    options.progress = [&](double percentPaid) {
        if (sinceRepaint.elapsed() >= repaintIntervalMs_) {
            emit progressed(percentPaid);
            QCoreApplication::processEvents();
            VectorState::clearUpperHalves(); // after the window drew itself
            sinceRepaint.start();
        }
        return !cancelled_;
    };
    const PayoffSimulation::Result result =
        PayoffSimulation::run(ordered, terms, schedule_, options);
    cancelled_ =
        false; // a cancel while the window prepared this run stopped it; the next starts afresh
    return result;
}
