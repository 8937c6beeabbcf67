#pragma once

#include "reportlayout.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What the PDF's summary says of a calculation: the words and figures of
// the calculation, worked out by the window that made it.
struct SummaryFacts {
    struct DebtFacts {
        QString creditor;
        double balance = 0.0;
        double rate = 0.0; // a fraction
        double minimum = 0.0;
        double start = 0.0; // a day number
        QString promotion;  // "0% through Dec 2027"; empty for none
    };
    double madeOn = 0.0; // the day number of the calculation's day
    QString method;
    double extraMoney = 0.0;
    QStringList planChanges; // the payment plan's changes, a line each
    std::vector<DebtFacts> debts;
    double debtFreeOn = 0.0;
    int months = 0;
    double totalInterest = 0.0;
    double totalPayments = 0.0;
    // Against paying only the minimums; none when that never clears them.
    std::optional<double> interestSaved;
};

// The summary that opens the PDF, on as many pages as it needs, in the
// report's fixed pitch.
namespace ReportSummary {

std::vector<ReportPage> pages(const SummaryFacts& facts);

} // namespace ReportSummary
