#pragma once

#include "calc/payoffsimulation.h"

#include <QObject>

class Schedule;

// One run of the payoff simulation into the schedule the window shows, on
// the window's thread: every so often it reports its progress and lets the
// window repaint, and it can be cancelled (the window cancels it when it is
// closed), which stops it at its next month.
class ScheduleCalculation : public QObject {
    Q_OBJECT

public:
    // How often a long run reports and lets the window repaint.
    static constexpr int kRepaintIntervalMs = 40;

    explicit ScheduleCalculation(Schedule& schedule, int repaintIntervalMs = kRepaintIntervalMs,
                                 QObject* parent = nullptr);

    // What the busy indicator says while a run has paid this share.
    static QString caption(double percentPaid);

    // Runs the debts, in the order given, on these terms.
    PayoffSimulation::Result run(const DebtArray& ordered, const PayoffTerms& terms);
    // Stops the run under way, or the one about to start, at its next month.
    void cancel() { cancelled_ = true; }

signals:
    // The share of the starting total paid so far, in percent; the window's
    // pending events run right after.
    void progressed(double percentPaid);

private:
    Schedule& schedule_;
    int repaintIntervalMs_;
    bool cancelled_ = false;
};
