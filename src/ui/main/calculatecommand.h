#pragma once

#include "calc/payoffmethod.h"
#include "calc/payoffsimulation.h"
#include "ordersearch.h"
#include "schedulecalculation.h"

#include <QDate>
#include <QObject>
#include <optional>

class Account;
class ClientArea;
class DebtListModel;
class MainStatusBar;
class Prompter;
class Schedule;
class ScheduleModel;

// The Calculate command: refuses debts that no calculation can use, orders
// the debts by the chosen method and lists them in that order, runs the
// schedule under the busy caption with its progress, and shows its totals
// and outcome (or why there is no schedule). A method that searches for its
// order searches first, before anything on screen is emptied, so that a
// cancelled search leaves the schedule as it was.
class CalculateCommand : public QObject {
    Q_OBJECT

public:
    CalculateCommand(ClientArea& client, DebtListModel& debtList, Schedule& schedule,
                     ScheduleModel& scheduleModel, MainStatusBar& status, Prompter& prompter,
                     QObject* parent = nullptr);

    // Calculates the account's debts by the method, from this day; the
    // result, or none when the debts were refused or the search cancelled.
    std::optional<PayoffSimulation::Result> run(const Account& account, const PayoffMethod& method,
                                                QDate today);
    // Stops a run under way at its next month.
    void cancel()
    {
        search_.cancel();
        calculation_.cancel();
    }
    // Stops a search for the order under way; the schedule stays as it was.
    void cancelSearch() { search_.cancel(); }

    // What the latest run was of: its debts in their order of payment and
    // its terms, for a plan to follow.
    struct Run {
        DebtArray ordered;
        PayoffTerms terms;
        PayoffSimulation::Result result;
    };
    const std::optional<Run>& latest() const { return latest_; }

private:
    void showOutcome(const PayoffSimulation::Result& result);
    // What the status bar adds of the method: what a searched order saves,
    // or that the custom order names none of the debts.
    static QString methodNote(const PayoffMethod& method,
                              const std::optional<LeastInterest::Found>& found,
                              const PayoffSimulation::Result& result, const DebtArray& debts,
                              const PayoffTerms& terms);

    ClientArea& client_;
    DebtListModel& debtList_;
    Schedule& schedule_;
    ScheduleModel& scheduleModel_;
    MainStatusBar& status_;
    Prompter& prompter_;
    ScheduleCalculation calculation_;
    OrderSearch search_;
    std::optional<Run> latest_;
};
