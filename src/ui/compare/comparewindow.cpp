#include "comparewindow.h"

#include "calc/targetsolver.h"
#include "model/account.h"
#include "model/extramoney.h"
#include "payoffchart.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "ui/common/accountmessages.h"
#include "ui/common/controls.h"
#include "ui/common/savechange.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using Controls::named;

constexpr int kYearsAheadByDefault = 3;

QTableView* tableOf(QAbstractItemModel* model, QWidget* parent, const char* name)
{
    auto* table = named(new QTableView(parent), name);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

CompareWindow::CompareWindow(Account& account, Prompter& prompter, const Clock& clock, Plan chosen,
                             QWidget* parent)
    : QDialog(parent), account_(account), prompter_(prompter), clock_(clock),
      extraMoney_(account.extraMoney()), plans_(chosen)
{
    setObjectName(QStringLiteral("comparePlans"));
    setWindowTitle(QStringLiteral("Compare Plans"));
    createControls();
    recompute();
    // A first goal: a year before the chosen plan is debt-free.
    const QDate today = clock_.today();
    QDate goal = today.addYears(kYearsAheadByDefault);
    for (int row = 0; row < plans_.rowCount(); ++row) {
        const PlanOutcome& plan = plans_.outcome(row);
        if (plan.plan == chosen && plan.paidOff() && plan.months > 12)
            goal = DayDate::toDate(plan.debtFreeOn).addYears(-1);
    }
    debtFreeBy_->setMinimumDate(today.addMonths(1));
    debtFreeBy_->setDate(goal);
    recomputeTargets();
    connect(debtFreeBy_, &QDateEdit::dateChanged, this, &CompareWindow::recomputeTargets);
    resize(1060, 720);
}

void CompareWindow::createControls()
{
    summary_ = named(new QLabel(this), "summary");
    summary_->setWordWrap(true);
    extraMoneyBox_ = named(new QLineEdit(Format::general(extraMoney_), this), "extraMoney");
    connect(extraMoneyBox_, &QLineEdit::textEdited, this, &CompareWindow::extraMoneyEdited);
    auto* useAmount = named(new QPushButton(QStringLiteral("Use This Amount"), this), "useAmount");
    connect(useAmount, &QPushButton::clicked, this, &CompareWindow::useThisAmount);
    debtFreeBy_ = named(new QDateEdit(this), "debtFreeBy");
    debtFreeBy_->setDisplayFormat(Format::kMonthYearPattern);

    auto* inputs = new QHBoxLayout;
    auto* form = new QFormLayout;
    auto* extraRow = new QHBoxLayout;
    extraRow->addWidget(extraMoneyBox_);
    extraRow->addWidget(useAmount);
    form->addRow(QStringLiteral("Extra money per month:"), extraRow);
    form->addRow(QStringLiteral("Debt-free by:"), debtFreeBy_);
    inputs->addLayout(form);
    inputs->addStretch();

    planTable_ = tableOf(&plans_, this, "plans");
    connect(planTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CompareWindow::showSelectedPlan);
    debtTable_ = tableOf(&debts_, this, "debts");
    chart_ = named(new PayoffChart(this), "chart");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* copy =
        named(buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole), "copy");
    auto* save =
        named(buttons->addButton(QStringLiteral("&Save Chart..."), QDialogButtonBox::ActionRole),
              "saveChart");
    connect(copy, &QPushButton::clicked, this, &CompareWindow::copyTable);
    connect(save, &QPushButton::clicked, this, &CompareWindow::saveChart);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Ctrl+C in a box copies its text; anywhere else, the table.
    new QShortcut(QKeySequence::Copy, this, this, &CompareWindow::copyTable);

    for (const int column : {DebtOutcomeModel::CreditorColumn, DebtOutcomeModel::PaidOffColumn})
        debtTable_->setColumnWidth(column, 110);
    auto* lower = new QSplitter(this);
    lower->addWidget(chart_);
    lower->addWidget(debtTable_);
    lower->setSizes({620, 340});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addLayout(inputs);
    layout->addWidget(planTable_, 1);
    layout->addWidget(lower, 3);
    layout->addWidget(buttons);
}

void CompareWindow::extraMoneyEdited(const QString& text)
{
    // Read as the menu's extra-money box reads it; anything else waits for a
    // usable amount and changes nothing.
    const std::optional<double> amount = ExtraMoney::fromTyped(text);
    if (!amount) {
        summary_->setText(QStringLiteral("Enter the extra money as an amount of 0 or more."));
        return;
    }
    extraMoney_ = *amount;
    recompute();
}

void CompareWindow::recompute()
{
    const int selected = qMax(planTable_->currentIndex().row(), 0);
    const auto flawed = account_.debts().flawedDebts();
    if (account_.debts().count() == 0 || !flawed.empty()) {
        summary_->setText(!flawed.empty() ? AccountMessages::cannotCalculate(flawed)
                                          : QStringLiteral("There are no debts to compare. Add "
                                                           "them with the debt grid's menu "
                                                           "first."));
        plans_.setOutcomes({});
        debts_.setPlan(nullptr);
        return;
    }
    std::vector<PlanOutcome> outcomes =
        PlanComparison::compare(account_.debts(), extraMoney_, clock_.today(), account_.plan());
    chart_->setPlans(outcomes);
    plans_.setOutcomes(std::move(outcomes));
    planTable_->resizeColumnsToContents();
    summary_->setText(QStringLiteral("Each plan with %1 of extra money a month, against paying "
                                     "only the minimums.")
                          .arg(Format::currency(extraMoney_)));
    planTable_->selectRow(selected);
    showSelectedPlan();
}

void CompareWindow::recomputeTargets()
{
    if (plans_.rowCount() == 0)
        return;
    std::vector<TargetAmount> targets;
    for (const Plan plan : kPlans)
        targets.push_back(TargetSolver::leastExtraMoney(account_.debts(), plan, clock_.today(),
                                                        debtFreeBy_->date(), account_.plan()));
    plans_.setTargets(debtFreeBy_->date(), std::move(targets));
    planTable_->resizeColumnToContents(PlanTableModel::ExtraNeededColumn);
}

void CompareWindow::showSelectedPlan()
{
    const int row = planTable_->currentIndex().row();
    debts_.setPlan(row >= 0 && row < plans_.rowCount() ? &plans_.outcome(row) : nullptr);
}

void CompareWindow::useThisAmount()
{
    const Account::Snapshot before = account_.snapshot();
    account_.setExtraMoney(extraMoney_);
    saveChange(account_, prompter_, before, Change::ExtraMoney);
}

void CompareWindow::copyTable()
{
    QApplication::clipboard()->setText(plans_.tabDelimited());
}

void CompareWindow::saveChart()
{
    const QString path =
        prompter_.askSaveFileName(QStringLiteral("Save Chart"), QStringLiteral("payoff-chart.png"));
    if (!path.isEmpty() && !chart_->grab().save(path, "PNG"))
        prompter_.showMessage(QStringLiteral("The chart could not be saved as %1.").arg(path));
}
