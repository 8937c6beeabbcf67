#include "recordtablemodel.h"

#include "platform/formats.h"
#include "platform/typedamount.h"

std::optional<double> typedAmount(const QString& text)
{
    return TypedAmount::read(text, TypedAmount::Form{true, false}).amount;
}

RecordTableModel::RecordTableModel(QObject* parent) : FlatTableModel(parent) {}

void RecordTableModel::setRows(const std::vector<RecordRow>& rows, bool typed)
{
    beginResetModel();
    rows_.clear();
    for (const RecordRow& figures : rows)
        rows_.push_back({figures, Format::twoDecimals(figures.paid),
                         Format::twoDecimals(figures.balanceAfter), typed});
    endResetModel();
}

void RecordTableModel::setPaid(Row& row, const QString& text)
{
    row.paid = text;
    if (row.afterTyped)
        return;
    if (const std::optional<double> paid = typedAmount(text))
        row.after = Format::twoDecimals(
            RecordRules::balanceAfter(row.figures.balanceBefore, row.figures.interest, *paid));
}

void RecordTableModel::payAsPlanned()
{
    for (Row& row : rows_) {
        if (row.figures.planned)
            setPaid(row, Format::twoDecimals(*row.figures.planned));
    }
    if (!rows_.empty())
        emit dataChanged(index(0, PaidColumn), index(rowCount() - 1, ChargesColumn));
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = FlatTableModel::flags(index);
    if (index.column() == PaidColumn || index.column() == AfterColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row& row = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::AlignVCenter | (index.column() == CreditorColumn ? Qt::AlignLeft : Qt::AlignRight));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case CreditorColumn:
        return row.figures.name;
    case PlannedColumn:
        return row.figures.planned ? Format::twoDecimals(*row.figures.planned) : QString();
    case PaidColumn:
        return row.paid;
    case AfterColumn:
        return row.after;
    case ChargesColumn: {
        const std::optional<double> paid = typedAmount(row.paid);
        const std::optional<double> after = typedAmount(row.after);
        if (!paid || !after)
            return QString();
        return Format::twoDecimals(*paid - (row.figures.balanceBefore - *after));
    }
    default:
        return {};
    }
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    Row& row = rows_[static_cast<size_t>(index.row())];
    if (index.column() == PaidColumn) {
        setPaid(row, value.toString());
    } else if (index.column() == AfterColumn) {
        // Tabbing through the field hands its text back unchanged: it still follows.
        if (value.toString() == row.after)
            return true;
        row.after = value.toString();
        row.afterTyped = true;
    } else {
        return false;
    }
    emit dataChanged(this->index(index.row(), PaidColumn), this->index(index.row(), ChargesColumn));
    return true;
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return FlatTableModel::headerData(section, orientation, role);
    switch (section) {
    case CreditorColumn:
        return QStringLiteral("Creditor");
    case PlannedColumn:
        return QStringLiteral("Planned");
    case PaidColumn:
        return QStringLiteral("Paid");
    case AfterColumn:
        return QStringLiteral("Balance After");
    case ChargesColumn:
        return QStringLiteral("Interest and charges");
    default:
        return {};
    }
}
