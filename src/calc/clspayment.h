#pragma once

#include <QString>
#include <vector>

// One debt's result for one month of the schedule.
struct clsPayment {
    QString Creditor;     // the record's 100-character creditor text
    double Balance = 0.0; // after the month's payment
    double Payment = 0.0; // paid in the month; 0 when nothing was paid
};

// The payment records of the month being simulated, one per debt in
// priority order.
using MonthPayments = std::vector<clsPayment>;
