#pragma once

#include "model/history.h"

#include <QString>

// How the windows speak of the payment history's problems.
namespace HistoryWords {

// Why history.db could not be used or changed: "it is not a database".
QString reason(const HistoryProblem& problem);
// At start-up, when the history cannot be used in this run.
QString offAtStart(const HistoryProblem& problem);
// Beside each command of the history while it is off.
QString offTip(const HistoryProblem& problem);
// A change the history could not keep.
QString notKept(const HistoryProblem& problem);

} // namespace HistoryWords
