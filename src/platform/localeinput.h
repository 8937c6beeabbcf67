#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// Reading a date the user typed, in the program's locale (amounts: see
// TypedAmount).
namespace LocaleInput {

// A date in the order of the locale's short date form (month, day, year in
// the United States), its parts separated by the locale's separator, a
// slash, a dash or a period. Two-digit years 00 to 29 are 2000 to 2029, 30
// to 99 are 1930 to 1999. Nothing when the text is not a date.
std::optional<QDate> date(const QString& text, const QLocale& locale = QLocale());

} // namespace LocaleInput
