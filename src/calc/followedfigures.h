#pragma once

#include "platform/yearmonth.h"

#include <QString>
#include <optional>
#include <vector>

// A followed plan and the recorded months, as the progress and the recording
// rules work on them: calc's own figures of the payment history (see
// ui/common/modelinput.h). Debts are named by their key.

struct PlannedFigures {
    double payment = 0.0;
    double interest = 0.0;
    double balance = 0.0; // after the month's payment
};

struct FollowedFigures {
    QString method; // the payoff method's id
    double firstPaydate = 0.0;
    // The plan's debts in its order of payment.
    std::vector<QString> keys;
    std::vector<QString> names;
    std::vector<double> startBalances;
    // Its months, and for each the debts in the same order.
    std::vector<YearMonth> months;
    std::vector<double> paydates;
    std::vector<std::vector<PlannedFigures>> planned;

    // The position of a debt in the plan; -1 when the plan does not name it.
    int positionOf(const QString& key) const;
    // The position of a month in the plan; -1 when it is not one of its months.
    int indexOf(YearMonth month) const;
};

struct RecordedFigures {
    QString key;
    QString name;
    double balanceBefore = 0.0;
    std::optional<double> planned;
    double paid = 0.0;
    double balanceAfter = 0.0;

    // What the month added to the debt besides the payment: interest, and
    // any new charge on a card.
    double interestAndCharges() const { return paid - (balanceBefore - balanceAfter); }
};

struct MonthRecordFigures {
    YearMonth month;
    std::vector<RecordedFigures> debts;

    const RecordedFigures* debt(const QString& key) const;
};
