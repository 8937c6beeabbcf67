#pragma once

#include "calc/payoffsimulation.h"

#include <QStatusBar>
#include <optional>

class StatusLine;

// The main window's status bar: when the schedule on screen is debt-free
// and after how many months (or why it never is), whether it was calculated
// before the latest change, the plan followed, a note on the method,
// and always the extra money per month.
class MainStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    // After a calculation: its outcome and, when paid off, its last month.
    void showOutcome(const PayoffSimulation::Result& result, double lastPaydate);
    void setStale(bool stale);
    // The setting, and next month's figure when a plan makes it differ.
    void showExtraMoney(double setting, double nextMonth);
    // The plan followed and where the user stands; empty for none.
    void showFollowing(const QString& following);
    // What the method adds: what a searched order saves, or that the custom
    // order names no debt; empty for nothing.
    void showMethodNote(const QString& note);

private:
    void showSchedule();

    StatusLine* line_;
    QString outcome_;
    bool stale_ = false;
};
