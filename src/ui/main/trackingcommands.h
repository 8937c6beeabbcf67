#pragma once

#include "calc/payoffmethod.h"
#include "calculatecommand.h"

#include <QString>
#include <optional>

class Account;
class Clock;
class Prompter;
class QWidget;
struct RecordedMonth;

// The commands that follow the user month by month through the payment
// history: following the plan on screen, recording a month, progress,
// exporting the history, and finishing at start-up what a stop left undone.
class TrackingCommands {
public:
    TrackingCommands(Account& account, Prompter& prompter, const Clock& clock, QWidget* window);

    // Why the history's commands are off in this run; empty when they are on.
    QString whyOff() const;
    // "Following Highest Interest Rate since Jan 2027"; empty when no plan is followed.
    QString following() const;
    // Where the user stands, in short, after the latest recording.
    const QString& standing() const { return standing_; }

    // Follows the latest run's schedule by this method, asking first when
    // another plan is followed.
    void follow(const PayoffMethod& method, const CalculateCommand::Run& run);
    // Opens Record Payments (on a month, or the one offered) and records
    // what OK gives; true when a month was recorded.
    bool recordPayments(std::optional<YearMonth> month = {});
    // Records a month as OK in Record Payments does: in the history, then,
    // when it is the latest month, its balances in the debt list and
    // debts.dat; true when it was recorded.
    bool record(RecordedMonth month);
    void showProgress();
    void exportHistory();
    // At start-up: a rename or a month whose balances a stop left half done.
    void finishWhatWasLeft();

private:
    // Sets the list's balances to a recorded month's and saves them; notes
    // in the history that they got there.
    bool applyBalances(const RecordedMonth& month);
    void updateStanding();

    Account& account_;
    Prompter& prompter_;
    const Clock& clock_;
    QWidget* window_;
    QString standing_;
};
