#include "scheduletable.h"

#include "platform/daydate.h"

#include <algorithm>

namespace {

const QString kBlankHeading = QStringLiteral(" ");
const QString kDateHeading = QStringLiteral("Date");
const QString kBalanceHeading = QStringLiteral("Balance");
const QString kExtraHeading = QStringLiteral("Extra $");
const QString kPaymentHeading = QStringLiteral("Payment");

} // namespace

ScheduleTable::ScheduleTable(const QLocale& locale) : locale_(locale), money_(locale)
{
    for (int month = 1; month <= 12; ++month)
        monthAbbreviations_.append(locale.monthName(month, QLocale::ShortFormat));
}

void ScheduleTable::clear()
{
    hasHeader_ = false;
    debts_ = 0;
    // The room stays: the next calculation is usually about as long.
    paydates_.clear();
    used_ = 0;
    cellStarts_.clear();
}

void ScheduleTable::setUp(const QStringList& creditors)
{
    clear();
    hasHeader_ = true;
    debts_ = static_cast<int>(creditors.size());
    QStringList names = {kBlankHeading, kBlankHeading, kBlankHeading};
    QStringList labels = {kDateHeading, kBalanceHeading, kExtraHeading};
    for (const QString& creditor : creditors) {
        names << creditor.trimmed() << creditor.trimmed();
        labels << kPaymentHeading << kBalanceHeading;
    }
    appendHeaderRow(names);
    appendHeaderRow(labels);
}

void ScheduleTable::begin(const DebtArray& debts)
{
    QStringList creditors;
    for (size_t i = 1; i < debts.size(); ++i)
        creditors.append(debts[i].creditor);
    setUp(creditors);
}

void ScheduleTable::appendHeaderRow(const QStringList& cells)
{
    for (const QString& cell : cells) {
        appendText(cell);
        endCell();
    }
    endRow();
}

char16_t* ScheduleTable::room(qsizetype characters)
{
    if (used_ + characters > lines_.size())
        lines_.resize(qMax(2 * lines_.size(), used_ + characters + 4096));
    return reinterpret_cast<char16_t*>(lines_.data()) + used_;
}

void ScheduleTable::appendText(QStringView text)
{
    std::copy(text.utf16(), text.utf16() + text.size(), room(text.size()));
    used_ += text.size();
}

void ScheduleTable::appendMoney(double value)
{
    const int length = money_.write(room(MoneyText::kMaxFastLength), value);
    if (length >= 0)
        used_ += length;
    else
        appendText(money_.slowText(value));
}

void ScheduleTable::endCell()
{
    *room(1) = u'\t';
    ++used_;
    cellStarts_.push_back(static_cast<quint32>(used_)); // where the next cell starts
}

void ScheduleTable::endRow()
{
    char16_t* end = room(2);
    end[0] = u'\r';
    end[1] = u'\n';
    used_ += 2;
    cellStarts_.push_back(static_cast<quint32>(used_));
}

void ScheduleTable::appendMonth(double paydate, double total, double extra,
                                const MonthPayments& payments)
{
    const QDate date = DayDate::toDate(paydate);
    paydates_.push_back(paydate);
    if (date.isValid())
        appendText(monthAbbreviations_.at(date.month() - 1) + QLatin1Char(' ') +
                   QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')));
    endCell();
    appendMoney(total);
    endCell();
    appendMoney(extra);
    endCell();
    for (int debt = 0; debt < debts_; ++debt)
        appendDebtCells(debt < static_cast<int>(payments.size()) ? payments[debt] : Payment{});
    endRow();
}

void ScheduleTable::appendDebtCells(const Payment& payment)
{
    if (payment.balance <= 0 && payment.payment > 0) { // paid off this month
        appendMoney(payment.payment);
        endCell();
        appendText(kPaidOff);
    } else if (payment.payment == 0 && payment.balance == 0) { // paid off before
        endCell();
    } else if (payment.payment == 0) { // nothing paid: not started yet
        appendText(kDelayed);
        endCell();
        appendMoney(payment.balance);
    } else {
        appendMoney(payment.payment);
        endCell();
        if (payment.balance != 0)
            appendMoney(payment.balance);
    }
    endCell();
}

int ScheduleTable::rowCount() const
{
    return hasHeader_ ? kHeaderRows + monthCount() : 0;
}

int ScheduleTable::columnCount() const
{
    return hasHeader_ ? kLeadingColumns + 2 * debts_ : 0;
}

QStringView ScheduleTable::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    // A cell starts where the one before it (or the line end before it)
    // said the next starts, and ends before its own tab.
    const size_t perRow = static_cast<size_t>(columnCount()) + 1;
    const size_t index = static_cast<size_t>(row) * perRow + static_cast<size_t>(column);
    const quint32 start = index == 0 ? 0 : cellStarts_[index - 1];
    const quint32 end = cellStarts_[index] - 1;
    return QStringView(lines_.constData() + start, end - start);
}

double ScheduleTable::monthDate(int row) const
{
    return paydates_.at(static_cast<size_t>(row - kHeaderRows));
}
