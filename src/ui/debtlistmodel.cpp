#include "debtlistmodel.h"

#include "platform/formats.h"

namespace {

const std::array<QString, DebtListModel::kColumnCount> kHeadings = {
    QStringLiteral("Creditor"), QStringLiteral("Balance"), QStringLiteral("Rate"),
    QStringLiteral("Monthly"), QStringLiteral("Start Date")};

} // namespace

QString DebtListModel::text(int row, int column) const
{
    const Debt& debt = rows_.at(static_cast<size_t>(row));
    switch (column) {
    case CreditorColumn:
        return debt.creditor;
    case BalanceColumn:
        return Format::currency(debt.balance);
    case RateColumn:
        return Format::percent(debt.rate);
    case MonthlyColumn:
        return Format::currency(debt.monthly);
    case StartDateColumn:
        return Format::monthDayYear(debt.startDate);
    default:
        return {};
    }
}

void DebtListModel::setRows(std::vector<Debt> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

QVariant DebtListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
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
