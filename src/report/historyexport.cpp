#include "historyexport.h"

#include "moneytext.h"
#include "platform/atomicwrite.h"
#include "platform/codepage1252.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "scheduletext.h"

#include <QStringList>

namespace {

const QStringList kHeadings = {
    QStringLiteral("Month"),         QStringLiteral("Creditor"),
    QStringLiteral("Planned"),       QStringLiteral("Paid"),
    QStringLiteral("Balance After"), QStringLiteral("Interest and Charges")};

void appendLine(QString& text, const QStringList& cells)
{
    for (const QString& cell : cells)
        text += cell + QLatin1Char('\t');
    text += QLatin1String("\r\n");
}

} // namespace

namespace HistoryExport {

QByteArray bytes(const std::vector<RecordedMonth>& months, const QLocale& locale)
{
    // The "0.00" form is the schedule's money form without its leading blank.
    const MoneyText money = MoneyText::forCodePage(locale);
    const auto amount = [&money](double value) { return money.text(value).mid(1); };
    const QStringList monthNames =
        ScheduleText::monthNames(locale, ScheduleText::Characters::Windows1252);
    QString text;
    appendLine(text, kHeadings);
    for (const RecordedMonth& month : months) {
        const QString name =
            Format::monthYear(DayDate::fromDate(month.month.firstDay()), monthNames);
        for (const RecordedPayment& payment : month.payments)
            appendLine(text,
                       {name, payment.name, payment.planned ? amount(*payment.planned) : QString(),
                        amount(payment.paid), amount(payment.balanceAfter),
                        amount(payment.paid - (payment.balanceBefore - payment.balanceAfter))});
    }
    return Cp1252::encode(text);
}

std::optional<FileProblem> write(const std::vector<RecordedMonth>& months, const QString& path,
                                 const QLocale& locale)
{
    return writeWhole(path, bytes(months, locale));
}

} // namespace HistoryExport
