#include "monthedit.h"

#include "platform/formats.h"

#include <QKeyEvent>
#include <QRegularExpression>

namespace {

constexpr int kMonths = 12;

// The month a name or the start of one names, in the locale's long names
// then its short ones; the first in the year's order where several start so.
std::optional<int> monthNamed(const QString& name, const QLocale& locale)
{
    if (name.isEmpty())
        return std::nullopt;
    for (const QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        for (int month = 1; month <= kMonths; ++month) {
            if (locale.monthName(month, format).startsWith(name, Qt::CaseInsensitive) ||
                locale.standaloneMonthName(month, format).startsWith(name, Qt::CaseInsensitive))
                return month;
        }
    }
    return std::nullopt;
}

std::optional<int> monthNumbered(const QString& digits)
{
    bool ok = false;
    const int month = digits.toInt(&ok);
    if (!ok || month < 1 || month > kMonths)
        return std::nullopt;
    return month;
}

// The start of a month's words: a month or the "0" of "04", then perhaps a
// separator and the first digits of a year.
bool startsAMonth(const QString& typed, const QLocale& locale)
{
    static const QRegularExpression start(
        QStringLiteral("^\\s*(\\d{1,2}|[^\\d\\s/.,-]+)([\\s/.,-]+\\d{0,3})?$"));
    const QRegularExpressionMatch match = start.match(typed);
    if (!match.hasMatch())
        return false;
    const QString month = match.captured(1);
    if (!month.at(0).isDigit())
        return monthNamed(month, locale).has_value();
    return month == QLatin1String("0") || monthNumbered(month).has_value();
}

} // namespace

MonthEdit::MonthEdit(QDate month, QWidget* parent) : QDateEdit(month, parent)
{
    setDisplayFormat(Format::kMonthYearPattern);
}

std::optional<QDate> MonthEdit::monthOf(const QString& typed, int shownYear, const QLocale& locale)
{
    // A month, by name or number, then perhaps a year of four digits.
    static const QRegularExpression words(
        QStringLiteral("^\\s*(\\d{1,2}|[^\\d\\s/.,-]+)[\\s/.,-]*(\\d{4})?\\s*$"));
    const QRegularExpressionMatch match = words.match(typed);
    if (!match.hasMatch())
        return std::nullopt;
    const QString month = match.captured(1);
    const std::optional<int> number =
        month.at(0).isDigit() ? monthNumbered(month) : monthNamed(month, locale);
    if (!number)
        return std::nullopt;
    const int year = match.captured(2).isEmpty() ? shownYear : match.captured(2).toInt();
    return QDate(year, *number, 1);
}

void MonthEdit::focusInEvent(QFocusEvent* event)
{
    typed_.clear();
    QDateEdit::focusInEvent(event);
}

void MonthEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool typing = !text.isEmpty() && text.at(0).isPrint() &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!typing) {
        typed_.clear();
        QDateEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key that makes neither a month nor the start of one of what was
    // typed begins it again.
    for (const QString& attempt : {typed_ + text, text}) {
        if (const std::optional<QDate> month = monthOf(attempt, date().year(), locale())) {
            typed_ = attempt;
            setDate(*month);
            return;
        }
        if (startsAMonth(attempt, locale())) {
            typed_ = attempt;
            return;
        }
    }
    typed_.clear();
}
