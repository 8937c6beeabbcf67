#include "plantablemodel.h"

#include "platform/daydate.h"
#include "platform/formats.h"
#include "ui/common/planwords.h"

#include <QFont>
#include <algorithm>
#include <functional>

namespace {

const QString kNone = QStringLiteral("-");
const QString kNotWorkedOut = QStringLiteral("\u2014");
const QString kNotWorkedOutWhy =
    QStringLiteral("The least extra money for a month is worked out for the other methods only: "
                   "Least Interest finds its order anew for every amount.");

} // namespace

PlanTableModel::PlanTableModel(const PayoffMethod* chosen, QObject* parent)
    : FlatTableModel(parent), chosen_(chosen)
{
}

void PlanTableModel::setOutcomes(std::vector<PlanOutcome> outcomes)
{
    beginResetModel();
    outcomes_ = std::move(outcomes);
    endResetModel();
}

void PlanTableModel::addOutcome(const PlanOutcome& outcome)
{
    const std::vector<const PayoffMethod*> plans = PlanComparison::plans();
    const auto placeOf = [&plans](const PlanOutcome& plan) {
        return std::find(plans.begin(), plans.end(), plan.method) - plans.begin();
    };
    const auto before =
        std::find_if(outcomes_.begin(), outcomes_.end(),
                     [&](const PlanOutcome& done) { return placeOf(done) > placeOf(outcome); });
    const int row = static_cast<int>(before - outcomes_.begin());
    beginInsertRows({}, row, row);
    outcomes_.insert(before, outcome);
    endInsertRows();
}

void PlanTableModel::setTargets(QDate month, std::vector<TargetAmount> targets)
{
    targetMonth_ = month;
    targets_ = std::move(targets);
    emit headerDataChanged(Qt::Horizontal, ExtraNeededColumn, ExtraNeededColumn);
    if (!outcomes_.empty())
        emit dataChanged(index(0, ExtraNeededColumn), index(rowCount() - 1, ExtraNeededColumn));
}

QString PlanTableModel::notes(const PlanOutcome& plan) const
{
    QStringList notes;
    if (plan.method == chosen_)
        notes.append(QStringLiteral("Your method"));
    if (plan.leastInterest)
        notes.append(QStringLiteral("Least interest"));
    if (const QString why = PlanWords::neverReason(plan); !why.isEmpty())
        notes.append(why);
    return notes.join(QStringLiteral("; "));
}

QString PlanTableModel::extraNeeded(int row) const
{
    if (static_cast<size_t>(row) >= targets_.size())
        return {};
    const TargetAmount& target = targets_[static_cast<size_t>(row)];
    switch (target.verdict) {
    case TargetAmount::Verdict::Reached:
        return Format::currency(target.extraMoney);
    case TargetAmount::Verdict::TooSoon:
        return QStringLiteral("No amount (that month has begun)");
    case TargetAmount::Verdict::StartsTooLate:
        return QStringLiteral("No amount (%1 starts %2)")
            .arg(target.creditor, Format::monthDayYear(target.startDate));
    case TargetAmount::Verdict::MinimumsTooSlow:
        return QStringLiteral("No amount (minimums only)");
    case TargetAmount::Verdict::NotWorkedOut:
        return kNotWorkedOut;
    case TargetAmount::Verdict::NoAmount:
        break;
    }
    return QStringLiteral("No amount");
}

QString PlanTableModel::text(int row, int column) const
{
    const PlanOutcome& plan = outcome(row);
    const bool never = !plan.paidOff();
    switch (column) {
    case PlanColumn:
        return PlanWords::name(plan.method);
    case DebtFreeColumn:
        return PlanWords::debtFree(plan);
    case MonthsColumn:
        return never ? kNone : QString::number(plan.months);
    case InterestColumn:
        return never ? kNone : Format::currency(plan.totalInterest);
    case PaymentsColumn:
        return never ? kNone : Format::currency(plan.totalPayments);
    case SavedColumn:
        return plan.interestSaved ? Format::currency(*plan.interestSaved) : kNone;
    case ExtraNeededColumn:
        return extraNeeded(row);
    case NotesColumn:
        return notes(plan);
    default:
        return {};
    }
}

QString PlanTableModel::headerText(int column) const
{
    switch (column) {
    case PlanColumn:
        return QStringLiteral("Plan");
    case DebtFreeColumn:
        return QStringLiteral("Debt-Free");
    case MonthsColumn:
        return QStringLiteral("Months");
    case InterestColumn:
        return QStringLiteral("Total Interest");
    case PaymentsColumn:
        return QStringLiteral("Total Payments");
    case SavedColumn:
        return QStringLiteral("Interest Saved");
    case ExtraNeededColumn:
        return QStringLiteral("Extra for %1")
            .arg(Format::monthYear(DayDate::fromDate(targetMonth_)));
    case NotesColumn:
        return QStringLiteral("Notes");
    default:
        return {};
    }
}

QString PlanTableModel::tabDelimited() const
{
    const auto line = [](const std::function<QString(int)>& cell) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells.append(cell(column));
        return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    QString table = line([this](int column) { return headerText(column); });
    for (int row = 0; row < rowCount(); ++row)
        table += line([this, row](int column) { return text(row, column); });
    return table;
}

QVariant PlanTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::ToolTipRole: // a long note is read whole in its tip
        if (index.column() == ExtraNeededColumn &&
            text(index.row(), index.column()) == kNotWorkedOut)
            return kNotWorkedOutWhy;
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == PlanColumn || index.column() == NotesColumn
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole: {
        // The user's own method stands out.
        QFont font;
        font.setBold(outcome(index.row()).method == chosen_);
        return font;
    }
    default:
        return {};
    }
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return headerText(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
