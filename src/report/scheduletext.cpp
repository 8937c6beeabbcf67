#include "scheduletext.h"

#include "platform/codepage1252.h"
#include "platform/formats.h"

#include <cmath>

namespace {

const QString kBlankHeading = QStringLiteral(" ");
const QString kLeadingLabels[ScheduleText::kLeadingColumns] = {
    QStringLiteral("Date"), QStringLiteral("Balance"), QStringLiteral("Extra $")};
const QString kPaymentLabel = QStringLiteral("Payment");
const QString kBalanceLabel = QStringLiteral("Balance");

} // namespace

ScheduleText::ScheduleText(const Schedule& schedule, const QLocale& locale, Characters characters)
    : schedule_(schedule),
      money_(characters == Characters::Any ? MoneyText(locale) : MoneyText::forCodePage(locale)),
      monthNames_(monthNames(locale, characters))
{
}

QStringList ScheduleText::monthNames(const QLocale& locale, Characters characters)
{
    const QStringList names = Format::shortMonthNames(locale);
    if (characters == Characters::Windows1252 &&
        !Cp1252::firstMissing(names.join(QString())).isEmpty())
        return Format::shortMonthNames(QLocale::c());
    return names;
}

int ScheduleText::rowCount() const
{
    return schedule_.isStarted() ? kHeaderRows + schedule_.monthCount() : 0;
}

int ScheduleText::columnCount() const
{
    return schedule_.isStarted() ? kLeadingColumns + 2 * schedule_.debtCount() : 0;
}

QString ScheduleText::cell(int row, int column) const
{
    QString text;
    appendCell(text, row, column);
    return text;
}

QStringList ScheduleText::widestFigures() const
{
    // One pass in the schedule's own order, month by month: a column at a
    // time would stride across every month.
    std::vector<double> largest(static_cast<size_t>(columnCount()), 0.0);
    const auto keep = [&largest](int column, double figure) {
        double& kept = largest[static_cast<size_t>(column)];
        if (std::abs(figure) > std::abs(kept))
            kept = figure;
    };
    for (int month = 0; month < schedule_.monthCount(); ++month) {
        keep(TotalColumn, schedule_.total(month));
        keep(ExtraColumn, schedule_.extra(month));
        for (int debt = 0; debt < schedule_.debtCount(); ++debt) {
            keep(paymentColumn(debt), schedule_.payment(month, debt));
            keep(balanceColumn(debt), schedule_.balance(month, debt));
        }
    }
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column) {
        texts.append(QString());
        if (column != DateColumn && schedule_.monthCount() > 0)
            money_.append(texts.last(), largest[static_cast<size_t>(column)]);
    }
    return texts;
}

void ScheduleText::appendCell(QString& line, int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (row < kHeaderRows) {
        appendHeaderCell(line, row, column);
        return;
    }
    const int month = row - kHeaderRows;
    switch (column) {
    case DateColumn:
        line += Format::monthYear(schedule_.paydate(month), monthNames_);
        return;
    case TotalColumn:
        money_.append(line, schedule_.total(month));
        return;
    case ExtraColumn:
        money_.append(line, schedule_.extra(month));
        return;
    default:
        const int debt = (column - kLeadingColumns) / 2;
        appendDebtCells(line, month, debt, column == balanceColumn(debt));
    }
}

void ScheduleText::appendHeaderCell(QString& line, int row, int column) const
{
    if (column < kLeadingColumns) {
        line += row == 0 ? kBlankHeading : kLeadingLabels[column];
        return;
    }
    const int debt = (column - kLeadingColumns) / 2;
    if (row == 0)
        line += schedule_.creditor(debt).trimmed();
    else
        line += column == balanceColumn(debt) ? kBalanceLabel : kPaymentLabel;
}

void ScheduleText::appendDebtCells(QString& line, int month, int debt, bool balance) const
{
    const double paid = schedule_.payment(month, debt);
    const double owed = schedule_.balance(month, debt);
    switch (stateOf(paid, owed)) {
    case PaymentState::PaidOffThisMonth:
        if (balance)
            line += kPaidOff;
        else
            money_.append(line, paid);
        return;
    case PaymentState::PaidOffBefore:
        return;
    case PaymentState::NothingPaid: // not started yet
        if (balance)
            money_.append(line, owed);
        else
            line += kDelayed;
        return;
    case PaymentState::Paying:
        if (!balance)
            money_.append(line, paid);
        else if (owed != 0)
            money_.append(line, owed);
        return;
    }
}
