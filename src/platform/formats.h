#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The named number and date formats the program shows values in. Each
// follows the program's locale (QLocale(), see programlocale.h) unless one
// is passed. Money is kept unrounded everywhere; these are the only places
// where it is rounded, and only for display.
namespace Format {

// "Currency": the locale's currency form, e.g. $1,234.56 or -$1,234.56.
QString currency(double value, const QLocale& locale = QLocale());
// "Percent": the value times 100 with two decimals and a percent sign.
QString percent(double value, const QLocale& locale = QLocale());
// "0.00": two decimals, no grouping.
QString twoDecimals(double value, const QLocale& locale = QLocale());
// " 0.00;; 0.00;": the schedule's money cells, a blank before the number.
QString scheduleMoney(double value, const QLocale& locale = QLocale());
// "0": a whole number, rounded.
QString wholeNumber(double value, const QLocale& locale = QLocale());
// The general text form: at most 15 significant digits, no grouping, no
// trailing zeros (150, 12.5, 0.3).
constexpr int kGeneralDigits = 15;
QString general(double value, const QLocale& locale = QLocale());
// The value as its general text form reads back: rounded to 15 significant
// digits.
double roundedToGeneral(double value);

// "mm/dd/yyyy" with the locale's date separator in place of the slash.
QString monthDayYear(double dayNumber, const QLocale& locale = QLocale());
// "mmm yyyy": abbreviated month name and year (Jan 2027).
QString monthYear(double dayNumber, const QLocale& locale = QLocale());
// The same from the twelve month abbreviations to use, January first, for
// texts that show many months.
QString monthYear(double dayNumber, const QStringList& shortMonthNames);
QStringList shortMonthNames(const QLocale& locale = QLocale());
// "mmm yyyy" as a pattern for Qt's date editors and axes.
inline const QString kMonthYearPattern = QStringLiteral("MMM yyyy");
// "mmmm,dd yyyy": full month name, comma, two-digit day, year (December,06 2026).
QString longMonthDayYear(double dayNumber, const QLocale& locale = QLocale());

// A date as it is typed: two-digit day and month and four-digit year in the
// order of the locale's short date form, with its separator (12/31/2027 in
// the United States, 31/12/2027 in Britain, 31.12.2027 in Germany).
QString typedDate(double dayNumber, const QLocale& locale = QLocale());

// The locale's date separator, taken from its short date format.
QString dateSeparator(const QLocale& locale = QLocale());
// The order of month, day and year in the locale's short date form, as a
// string such as "mdy".
QString datePartOrder(const QLocale& locale = QLocale());

} // namespace Format
