#include "scheduletable.h"

#include "platform/daydate.h"
#include "platform/formats.h"

namespace {

const QString kBlankHeading = QStringLiteral(" ");
const QString kDateHeading = QStringLiteral("Date");
const QString kBalanceHeading = QStringLiteral("Balance");
const QString kExtraHeading = QStringLiteral("Extra $");
const QString kPaymentHeading = QStringLiteral("Payment");

} // namespace

ScheduleTable::ScheduleTable(const QLocale& locale) : locale_(locale) {}

void ScheduleTable::clear()
{
    hasHeader_ = false;
    creditors_.clear();
    months_.clear();
    cells_.clear();
}

void ScheduleTable::setUp(const QStringList& creditors)
{
    clear();
    hasHeader_ = true;
    for (const QString& creditor : creditors)
        creditors_.append(creditor.trimmed());
}

void ScheduleTable::reserveMonths(int months)
{
    months_.reserve(static_cast<size_t>(months));
    cells_.reserve(static_cast<size_t>(months) * creditors_.size());
}

void ScheduleTable::PrintLine(double paydate, double total, double extra,
                              const MonthPayments& payments)
{
    const QDate date = DayDate::toDate(paydate);
    months_.push_back({paydate, total, extra, date.isValid() ? date.month() : 0});
    for (int debt = 0; debt < debtCount(); ++debt) {
        const bool recorded = debt < static_cast<int>(payments.size());
        cells_.push_back(recorded ? DebtMonth{payments[debt].Payment, payments[debt].Balance}
                                  : DebtMonth{0.0, 0.0});
    }
}

int ScheduleTable::rowCount() const
{
    return hasHeader_ ? kHeaderRows + monthCount() : 0;
}

int ScheduleTable::columnCount() const
{
    return hasHeader_ ? kLeadingColumns + 2 * debtCount() : 0;
}

QString ScheduleTable::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return row < kHeaderRows ? headerText(row, column) : monthText(row, column);
}

QString ScheduleTable::headerText(int row, int column) const
{
    if (row == 0)
        return column < kLeadingColumns ? kBlankHeading : creditors_.at(debtOfColumn(column) - 1);
    switch (column) {
    case DateColumn:
        return kDateHeading;
    case TotalColumn:
        return kBalanceHeading;
    case ExtraColumn:
        return kExtraHeading;
    default:
        return column % 2 == 1 ? kPaymentHeading : kBalanceHeading;
    }
}

QString ScheduleTable::monthText(int row, int column) const
{
    const Month& month = months_[static_cast<size_t>(row - kHeaderRows)];
    switch (column) {
    case DateColumn:
        return Format::monthYear(month.paydate, locale_);
    case TotalColumn:
        return Format::scheduleMoney(month.total, locale_);
    case ExtraColumn:
        return Format::scheduleMoney(month.extra, locale_);
    default:
        break;
    }
    const size_t index = static_cast<size_t>(row - kHeaderRows) * creditors_.size() +
                         static_cast<size_t>(debtOfColumn(column) - 1);
    return debtCellText(cells_[index], column % 2 == 1);
}

QString ScheduleTable::debtCellText(const DebtMonth& cell, bool paymentCell) const
{
    if (cell.balance <= 0 && cell.payment > 0) // paid off this month
        return paymentCell ? Format::scheduleMoney(cell.payment, locale_) : kPaidOff;
    if (cell.payment == 0 && cell.balance == 0) // paid off earlier
        return {};
    if (cell.payment == 0) // nothing paid: not started yet
        return paymentCell ? kDelayed : Format::scheduleMoney(cell.balance, locale_);
    if (paymentCell)
        return Format::scheduleMoney(cell.payment, locale_);
    return cell.balance == 0 ? QString() : Format::scheduleMoney(cell.balance, locale_);
}

bool ScheduleTable::isHighlighted(int row) const
{
    return row >= kHeaderRows && row < rowCount() &&
           months_[static_cast<size_t>(row - kHeaderRows)].monthOfYear == 1;
}

double ScheduleTable::monthDate(int row) const
{
    return months_.at(static_cast<size_t>(row - kHeaderRows)).paydate;
}

std::vector<std::pair<int, int>> ScheduleTable::mergedRuns(int row) const
{
    std::vector<std::pair<int, int>> runs;
    if (!mergesEqualCells(row) || row >= rowCount())
        return runs;
    int first = 0;
    QString firstText = text(row, 0);
    for (int column = 1; column <= columnCount(); ++column) {
        const QString current = column < columnCount() ? text(row, column) : QString();
        if (column < columnCount() && current == firstText)
            continue;
        if (column - first > 1)
            runs.emplace_back(first, column - first);
        first = column;
        firstText = current;
    }
    return runs;
}
