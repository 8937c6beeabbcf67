#pragma once

#include <QString>

class BusyIndicator;
class Clock;
class Prompter;
class Schedule;

// Print and Export: the schedule on screen as the printed report on the
// default printer, or as debts.tab in the data folder, each under its busy
// caption, with every failure told.
class ScheduleOutput {
public:
    ScheduleOutput(const Schedule& schedule, BusyIndicator& busy, Prompter& prompter,
                   const Clock& clock);

    void print();
    void exportTo(const QString& folder);

private:
    const Schedule& schedule_;
    BusyIndicator& busy_;
    Prompter& prompter_;
    const Clock& clock_;
};
