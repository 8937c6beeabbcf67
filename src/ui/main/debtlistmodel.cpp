#include "debtlistmodel.h"

#include "model/debtlist.h"
#include "model/debtrecord.h"
#include "platform/formats.h"

#include <array>

namespace {

const std::array<QString, DebtListModel::kColumnCount> kHeadings = {
    QStringLiteral("Creditor"), QStringLiteral("Balance"), QStringLiteral("Rate"),
    QStringLiteral("Monthly"), QStringLiteral("Start Date")};

// The text a cell shows: the creditor as held, money in the currency form,
// the rate as a percentage, the start date as mm/dd/yyyy.
QString cellText(const Debt& debt, int column)
{
    switch (column) {
    case DebtListModel::CreditorColumn:
        return debt.creditor;
    case DebtListModel::BalanceColumn:
        return Format::currency(debt.balance);
    case DebtListModel::RateColumn:
        return Format::percent(debt.rate);
    case DebtListModel::MonthlyColumn:
        return Format::currency(debt.monthly);
    case DebtListModel::StartDateColumn:
        return Format::monthDayYear(debt.startDate);
    default:
        return {};
    }
}

} // namespace

DebtListModel::DebtListModel(const DebtList& debts, QObject* parent)
    : FlatTableModel(parent), debts_(debts)
{
    followList();
}

// Any change of the list shows it in its own order again.
void DebtListModel::followList()
{
    const auto leaveOrder = [this] {
        ordered_.clear();
        endResetModel();
    };
    connect(&debts_, &DebtList::aboutToAdd, this, [this](int position) {
        if (inPaymentOrder())
            beginResetModel();
        else
            beginInsertRows({}, position, position);
    });
    connect(&debts_, &DebtList::added, this, [this, leaveOrder](int position) {
        if (inPaymentOrder())
            leaveOrder();
        else
            endInsertRows();
        emit debtAdded(position);
    });
    connect(&debts_, &DebtList::aboutToRemove, this, [this](int position) {
        if (inPaymentOrder())
            beginResetModel();
        else
            beginRemoveRows({}, position, position);
    });
    connect(&debts_, &DebtList::removed, this, [this, leaveOrder] {
        if (inPaymentOrder())
            leaveOrder();
        else
            endRemoveRows();
    });
    connect(&debts_, &DebtList::changed, this, [this, leaveOrder](int position) {
        if (inPaymentOrder()) {
            beginResetModel();
            leaveOrder();
            return;
        }
        emit dataChanged(index(position, 0), index(position, kColumnCount - 1));
    });
    connect(&debts_, &DebtList::aboutToReset, this, &DebtListModel::beginResetModel);
    connect(&debts_, &DebtList::reset, this, leaveOrder);
}

void DebtListModel::showInPaymentOrder(const DebtArray& ordered)
{
    beginResetModel();
    ordered_.clear();
    ordered_.reserve(ordered.size());
    for (const DebtFigures& debt : ordered)
        ordered_.push_back(
            {debt.name.leftJustified(DebtRecord::kCreditorLength, QLatin1Char(' '), true),
             debt.balance, debt.rate, debt.minimum, debt.start});
    endResetModel();
}

int DebtListModel::rows() const
{
    return inPaymentOrder() ? static_cast<int>(ordered_.size()) : debts_.count();
}

const Debt& DebtListModel::debtAt(int row) const
{
    return inPaymentOrder() ? ordered_.at(static_cast<size_t>(row)) : debts_.at(row);
}

QVariant DebtListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(debtAt(index.row()), index.column());
    case KeyRole:
        return DebtList::keyOf(debtAt(index.row()).creditor);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignLeft | (index.column() == CreditorColumn ? Qt::AlignTop : Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant DebtListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return kHeadings[static_cast<size_t>(section)];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}
