#pragma once

#include "platform/fileproblem.h"
#include "platform/yearmonth.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// What the payment history keeps (see PaymentHistory). Debts are named by
// their key (DebtList::lookupKey) and carry the name they were shown with.

// One debt of a followed plan, in the plan's order of payment.
struct PlannedDebt {
    QString key;
    QString name;
    double startBalance = 0.0;
};

// One debt's month as the followed plan had it.
struct PlannedPayment {
    double payment = 0.0;
    double interest = 0.0;
    double balance = 0.0; // after the month's payment
};

// One month of a followed plan: its payments, one per debt in the plan's order.
struct PlannedMonth {
    YearMonth month;
    double paydate = 0.0; // day number
    std::vector<PlannedPayment> debts;
};

// A plan the user follows: the schedule that was on screen when they chose
// to follow it, kept whole, so that progress is measured against what was
// planned then, whatever changes since.
struct FollowedPlan {
    qint64 id = 0; // given by the history; the newest plan is the one in force
    QDate followedOn;
    QString method;          // the payoff method's id
    double extraMoney = 0.0; // the setting then
    QByteArray paymentPlan;  // plan.json's content then
    double firstPaydate = 0.0;
    std::vector<PlannedDebt> debts; // in the order of payment
    std::vector<PlannedMonth> months;
};

// One debt's recorded month.
struct RecordedPayment {
    QString key;
    QString name;
    double balanceBefore = 0.0;
    std::optional<double> planned; // none without a followed plan naming the debt
    double paid = 0.0;
    double balanceAfter = 0.0;
};

// A month the user recorded.
struct RecordedMonth {
    YearMonth month;
    QDate recordedOn;
    // Its balances have reached debts.dat (or it was not the latest month).
    bool applied = false;
    std::vector<RecordedPayment> payments;
};

// Why history.db could not be used or changed.
struct HistoryProblem {
    enum class Kind {
        NotAFile,     // a folder (or something else) has its name
        NotADatabase, // not an SQLite database at all
        Damaged,      // an SQLite database that fails its own check
        NewerVersion, // detail: the version it names
        Full,         // the database or the disk is full
        NotWritable,  // detail: the system's or the database's words
    };
    Kind kind = Kind::NotADatabase;
    QString detail;
    std::optional<FileProblem> notAFile; // what stands in its place, when NotAFile
};

// A rename that was begun in the history and not yet finished in the files.
struct PendingRename {
    QString from; // the name before
    QString to;   // the name after
};
