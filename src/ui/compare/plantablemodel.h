#pragma once

#include "calc/plancomparison.h"
#include "calc/targetsolver.h"
#include "ui/common/flattablemodel.h"

#include <QDate>

// The comparison's plans, a row each: when each is debt-free, what it costs,
// what it saves against paying only the minimums, and the extra money it
// takes to be free by a chosen month. Texts are made for the cells shown.
class PlanTableModel : public FlatTableModel {
    Q_OBJECT

public:
    enum Column {
        PlanColumn,
        DebtFreeColumn,
        MonthsColumn,
        InterestColumn,
        PaymentsColumn,
        SavedColumn,
        ExtraNeededColumn,
        NotesColumn,
        ColumnCount
    };

    explicit PlanTableModel(const PayoffMethod* chosen, QObject* parent = nullptr);

    void setOutcomes(std::vector<PlanOutcome> outcomes);
    // A plan of a comparison under way, before it is weighed against the
    // others, in its place among those already done.
    void addOutcome(const PlanOutcome& outcome);
    void setTargets(QDate month, std::vector<TargetAmount> targets);
    const PlanOutcome& outcome(int row) const { return outcomes_.at(static_cast<size_t>(row)); }

    QString text(int row, int column) const;
    QString headerText(int column) const;
    // The table as a spreadsheet takes it: a header line, then a line per
    // plan, cells separated by tabs.
    QString tabDelimited() const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    int rows() const override { return static_cast<int>(outcomes_.size()); }
    int columns() const override { return ColumnCount; }

private:
    QString notes(const PlanOutcome& plan) const;
    QString extraNeeded(int row) const;

    const PayoffMethod* chosen_;
    std::vector<PlanOutcome> outcomes_;
    QDate targetMonth_;
    std::vector<TargetAmount> targets_;
};
