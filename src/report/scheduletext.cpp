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

QString ScheduleText::widestFigure(int column) const
{
    if (column <= DateColumn || column >= columnCount() || schedule_.monthCount() == 0)
        return {};
    const int debt = (column - kLeadingColumns) / 2;
    const auto figure = [&](int month) {
        switch (column) {
        case TotalColumn:
            return schedule_.total(month);
        case ExtraColumn:
            return schedule_.extra(month);
        default:
            return column == balanceColumn(debt) ? schedule_.balance(month, debt)
                                                 : schedule_.payment(month, debt);
        }
    };
    int widest = 0;
    for (int month = 1; month < schedule_.monthCount(); ++month) {
        if (std::abs(figure(month)) > std::abs(figure(widest)))
            widest = month;
    }
    QString text;
    money_.append(text, figure(widest));
    return text;
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
