#pragma once

#include <QString>
#include <vector>

// One debt as a calculation works on it: plain figures of its own, apart
// from how the model keeps debts or how debts.dat stores them.
struct DebtFigures {
    QString key;  // the name as debts are told apart: trimmed, letter case folded
    QString name; // as the debt list holds it, blanks included
    double balance = 0.0;
    double rate = 0.0; // annual, as a fraction: 0.18 is 18 percent
    double minimum = 0.0;
    double start = 0.0; // the day number it is paid from, its time of day kept
};

// The working array: the debts of a run in payment order, the first being
// the first to receive the extra money.
using DebtArray = std::vector<DebtFigures>;
