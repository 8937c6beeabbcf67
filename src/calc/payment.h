#pragma once

#include <vector>

// One debt's result for one month of the schedule.
struct Payment {
    double balance = 0.0;  // after the month's payment
    double payment = 0.0;  // paid in the month; 0 when nothing was paid
    double interest = 0.0; // charged in the month
};

// The payments of the month being simulated, one per debt in priority order.
using MonthPayments = std::vector<Payment>;
