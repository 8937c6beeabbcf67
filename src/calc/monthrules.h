#pragma once

#include <vector>

// The rules every month of every plan follows, each written once.

// A month's interest on a balance at an annual rate (a fraction), computed
// in this order so that every plan charges the same amount to the last bit.
constexpr double monthlyInterest(double balance, double annualRate)
{
    return (annualRate * balance) / 12;
}

// One debt's result for one month of a schedule.
struct Payment {
    double balance = 0.0;  // after the month's payment
    double payment = 0.0;  // paid in the month; 0 when nothing was paid
    double interest = 0.0; // charged in the month
};

// The payments of one month, one per debt in payment order.
using MonthPayments = std::vector<Payment>;

// What a debt's month amounts to, as the schedule shows it.
enum class PaymentState {
    Paying,           // paid something and still owes, or owes nothing more
    PaidOffThisMonth, // this month's payment cleared it
    PaidOffBefore,    // nothing owed and nothing paid
    NothingPaid,      // owes, but paid nothing: it has not started yet
};

constexpr PaymentState stateOf(double payment, double balance)
{
    if (balance <= 0 && payment > 0)
        return PaymentState::PaidOffThisMonth;
    if (payment == 0 && balance == 0)
        return PaymentState::PaidOffBefore;
    if (payment == 0)
        return PaymentState::NothingPaid;
    return PaymentState::Paying;
}
