#include "yearmonth.h"

#include "daydate.h"

#include <QRegularExpression>

std::optional<YearMonth> YearMonth::parse(const QString& text)
{
    // Anchored at the text's very end: "$" would let a final newline by.
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{4})-(0[1-9]|1[0-2])")));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return YearMonth{match.captured(1).toInt(), match.captured(2).toInt()};
}

QString YearMonth::toString() const
{
    return QStringLiteral("%1-%2")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'));
}

std::optional<YearMonth> YearMonth::of(double dayNumber)
{
    const QDate date = DayDate::toDate(dayNumber);
    if (!date.isValid())
        return std::nullopt;
    return of(date);
}

YearMonth YearMonth::of(QDate date)
{
    YearMonth month;
    date.getDate(&month.year, &month.month, nullptr); // one conversion for both
    return month;
}
