#include "historywords.h"

#include "filewords.h"
#include "model/paymenthistory.h"
#include "platform/appinfo.h"

namespace {

const QString kMoveAway = QStringLiteral("Move %1 away to start a new history.");

} // namespace

namespace HistoryWords {

QString reason(const HistoryProblem& problem)
{
    switch (problem.kind) {
    case HistoryProblem::Kind::NotAFile:
        if (problem.notAFile)
            return QStringLiteral("%1 is %2, not a file")
                .arg(PaymentHistory::kFileName, FileWords::whatStands(*problem.notAFile));
        return QStringLiteral("%1 is not a file").arg(PaymentHistory::kFileName);
    case HistoryProblem::Kind::NotADatabase:
        return QStringLiteral("%1 is not a database").arg(PaymentHistory::kFileName);
    case HistoryProblem::Kind::Damaged:
        return QStringLiteral("%1 is damaged (%2)").arg(PaymentHistory::kFileName, problem.detail);
    case HistoryProblem::Kind::NewerVersion:
        return QStringLiteral("a newer version of %1 wrote %2 (version %3)")
            .arg(kAppTitle, PaymentHistory::kFileName, problem.detail);
    case HistoryProblem::Kind::Full:
        return QStringLiteral("the database or the disk is full");
    case HistoryProblem::Kind::NotWritable:
        return QStringLiteral("%1 could not be written (%2)")
            .arg(PaymentHistory::kFileName, problem.detail);
    }
    return {};
}

QString offAtStart(const HistoryProblem& problem)
{
    return QStringLiteral("Your payment history is off until the next start, and %1 is left as "
                          "it is: %2. ")
               .arg(PaymentHistory::kFileName, reason(problem)) +
           kMoveAway.arg(PaymentHistory::kFileName);
}

QString offTip(const HistoryProblem& problem)
{
    return QStringLiteral("Your payment history is off: %1. ").arg(reason(problem)) +
           kMoveAway.arg(PaymentHistory::kFileName);
}

QString notKept(const HistoryProblem& problem)
{
    return QStringLiteral("Nothing was changed in your payment history: %1.").arg(reason(problem));
}

} // namespace HistoryWords
