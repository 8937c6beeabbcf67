#include "debtoutcomemodel.h"

#include "platform/formats.h"

void DebtOutcomeModel::setPlan(const PlanOutcome* plan)
{
    beginResetModel();
    debts_ = plan ? plan->debts : std::vector<DebtOutcome>();
    endResetModel();
}

QVariant DebtOutcomeModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const DebtOutcome& debt = debts_[static_cast<size_t>(index.row())];
    const bool paidOff = debt.paidOffOn != 0 || debt.owedNothing;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            (index.column() == CreditorColumn ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case CreditorColumn:
        return debt.creditor.trimmed();
    case PaidOffColumn:
        if (debt.owedNothing)
            return QStringLiteral("Paid off");
        return paidOff ? Format::monthYear(debt.paidOffOn) : QStringLiteral("Never");
    case InterestColumn:
        // Interest on a debt that is never paid off would run on for ever.
        return paidOff ? Format::currency(debt.interest) : QStringLiteral("-");
    default:
        return {};
    }
}

QVariant DebtOutcomeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case CreditorColumn:
        return QStringLiteral("Creditor");
    case PaidOffColumn:
        return QStringLiteral("Paid Off");
    case InterestColumn:
        return QStringLiteral("Interest Paid");
    default:
        return {};
    }
}
