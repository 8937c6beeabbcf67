#pragma once

#include "report/reportlayout.h"
#include "report/reportsummary.h"

#include <QString>
#include <vector>

class BusyIndicator;
class Clock;
class Prompter;
class QWidget;
class Schedule;

// Print and Export: the schedule on screen as the printed report on the
// default printer, or as debts.tab in the data folder, each under its busy
// caption, with every failure told.
class ScheduleOutput {
public:
    ScheduleOutput(const Schedule& schedule, BusyIndicator& busy, Prompter& prompter,
                   const Clock& clock);

    void print();
    // On a printer the user chooses in the platform's print dialog.
    void printWithDialog(QWidget* parent);
    void exportTo(const QString& folder);
    // The printed report as a PDF file the user chooses, after a summary.
    void exportPdf(const SummaryFacts& summary);

private:
    std::vector<ReportPage> pages() const;

    const Schedule& schedule_;
    BusyIndicator& busy_;
    Prompter& prompter_;
    const Clock& clock_;
};
