#pragma once

#include "calc/progress.h"

#include <QString>

// How the windows speak of progress against the followed plan.
namespace ProgressWords {

// "Debt-free in Aug 2029 at this pace: 3 months ahead of your plan (Nov 2029)".
QString headline(const Progress& progress);
// The same in short, for the status bar: "3 months ahead"; empty with
// nothing recorded.
QString inShort(const Progress& progress);
// "Following Highest Interest Rate since Jan 2027".
QString following(const QString& method, YearMonth since);

} // namespace ProgressWords
