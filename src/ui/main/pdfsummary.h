#pragma once

#include "calc/payoffmethod.h"
#include "calculatecommand.h"
#include "model/account.h"
#include "report/reportsummary.h"

#include <QDate>

class Schedule;

// What the PDF's summary says of the calculation on screen: its method,
// extra money and payment plan, the debts, and the schedule's totals against
// paying only the minimums.
SummaryFacts pdfSummaryOf(const Account::Snapshot& account, const PayoffMethod& method,
                          const Schedule& schedule, const CalculateCommand::Run& run, QDate today);
