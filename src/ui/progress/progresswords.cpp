#include "progresswords.h"

#include "platform/daydate.h"
#include "platform/formats.h"

namespace {

using Standing = Progress::Standing;

QString months(int count)
{
    return count == 1 ? QStringLiteral("1 month") : QStringLiteral("%1 months").arg(count);
}

// "3 months ahead", "2 months behind", "on plan".
QString against(const Progress& progress)
{
    if (progress.months == 0)
        return QStringLiteral("on plan");
    const bool behind = progress.standing == Standing::Behind;
    return months(progress.months) +
           (behind ? QStringLiteral(" behind") : QStringLiteral(" ahead"));
}

// "3 months ahead of your plan (Nov 2029)", "2 months behind your plan
// (Nov 2029)", "on plan (Nov 2029)".
QString ofYourPlan(const Progress& progress)
{
    const QString plan = Format::monthYear(progress.planEnd);
    if (progress.months == 0)
        return QStringLiteral("on plan (%1)").arg(plan);
    return QStringLiteral("%1 %2your plan (%3)")
        .arg(against(progress),
             progress.standing == Standing::Behind ? QString() : QStringLiteral("of "), plan);
}

} // namespace

namespace ProgressWords {

QString headline(const Progress& progress)
{
    const QString plan = Format::monthYear(progress.planEnd);
    switch (progress.standing) {
    case Standing::NothingRecorded:
        return QStringLiteral("No month recorded yet: your plan ends in %1").arg(plan);
    case Standing::Never:
        return QStringLiteral("At this pace the debts are never paid off (your plan: %1)")
            .arg(plan);
    case Standing::AllPaidOff:
        return QStringLiteral("All paid off in %1: %2")
            .arg(Format::monthYear(progress.reachedEnd), ofYourPlan(progress));
    case Standing::Ahead:
    case Standing::OnPlan:
    case Standing::Behind:
        break;
    }
    return QStringLiteral("Debt-free in %1 at this pace: %2")
        .arg(Format::monthYear(progress.reachedEnd), ofYourPlan(progress));
}

QString inShort(const Progress& progress)
{
    switch (progress.standing) {
    case Standing::NothingRecorded:
        return {};
    case Standing::Never:
        return QStringLiteral("never paid off at this pace");
    case Standing::AllPaidOff:
        return QStringLiteral("all paid off");
    case Standing::Ahead:
    case Standing::OnPlan:
    case Standing::Behind:
        break;
    }
    return against(progress);
}

QString following(const QString& method, YearMonth since)
{
    return QStringLiteral("Following %1 since %2")
        .arg(method, Format::monthYear(DayDate::fromDate(since.firstDay())));
}

} // namespace ProgressWords
