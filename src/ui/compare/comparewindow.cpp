#include "comparewindow.h"

#include "calc/paydates.h"
#include "calc/targetsolver.h"
#include "model/account.h"
#include "model/extramoney.h"
#include "model/extramoneysetting.h"
#include "payoffchart.h"
#include "platform/clock.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "platform/typedamount.h"
#include "ui/common/accountmessages.h"
#include "ui/common/amountwords.h"
#include "ui/common/controls.h"
#include "ui/common/filewords.h"
#include "ui/common/monthedit.h"
#include "ui/common/planwords.h"
#include "ui/common/savechange.h"
#include "ui/common/savepath.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileInfo>
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
    table->setTabKeyNavigation(false); // Tab leaves it; the arrows move within
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

CompareWindow::CompareWindow(Account& account, Prompter& prompter, const Clock& clock,
                             const PayoffMethod* chosen, QWidget* parent,
                             std::unique_ptr<ComparisonRunner> runner)
    : QDialog(parent), account_(account), prompter_(prompter), clock_(clock), chosen_(chosen),
      extraMoney_(account.extraMoney()), comparedFor_(extraMoney_),
      runner_(runner ? std::move(runner)
                     : std::make_unique<ComparisonRunner>(account, clock.today())),
      plans_(chosen)
{
    setObjectName(QStringLiteral("comparePlans"));
    setWindowTitle(QStringLiteral("Compare Plans"));
    createControls();
    connect(runner_.get(), &ComparisonRunner::planDone, this, &CompareWindow::planDone);
    connect(runner_.get(), &ComparisonRunner::comparisonDone, this, &CompareWindow::comparisonDone);
    connect(runner_.get(), &ComparisonRunner::targetsDone, this,
            [this](QDate month, const std::vector<TargetAmount>& targets) {
                if (month == debtFreeBy_->date())
                    plans_.setTargets(month, targets);
                planTable_->resizeColumnToContents(PlanTableModel::ExtraNeededColumn);
            });
    debtFreeBy_->setMinimumDate(DayDate::toDate(Paydates::first(clock_.today())));
    debtFreeBy_->setDate(clock_.today().addYears(kYearsAheadByDefault));
    connect(debtFreeBy_, &QDateEdit::dateChanged, this, [this] {
        goalChosen_ = true;
        recomputeTargets();
    });
    resize(1060, 720);
    recompute();
}

CompareWindow::~CompareWindow() = default;

void CompareWindow::createControls()
{
    summary_ = named(new QLabel(this), "summary");
    summary_->setWordWrap(true);
    extraMoneyBox_ = named(new QLineEdit(Format::general(extraMoney_), this), "extraMoney");
    connect(extraMoneyBox_, &QLineEdit::textEdited, this, &CompareWindow::extraMoneyEdited);
    useAmount_ = named(new QPushButton(QStringLiteral("&Use This Amount"), this), "useAmount");
    connect(useAmount_, &QPushButton::clicked, this, &CompareWindow::useThisAmount);
    debtFreeBy_ = named(new MonthEdit(clock_.today(), this), "debtFreeBy");

    auto* inputs = new QHBoxLayout;
    auto* form = new QFormLayout;
    auto* extraRow = new QHBoxLayout;
    extraRow->addWidget(extraMoneyBox_);
    extraRow->addWidget(useAmount_);
    auto* extraLabel = new QLabel(QStringLiteral("&Extra money per month:"), this);
    extraLabel->setBuddy(extraMoneyBox_);
    form->addRow(extraLabel, extraRow);
    form->addRow(QStringLiteral("&Debt-free by:"), debtFreeBy_);
    inputs->addLayout(form);
    inputs->addStretch();

    planTable_ = Controls::spoken(tableOf(&plans_, this, "plans"), QStringLiteral("Plans"),
                                  QStringLiteral("Each plan: when it is debt-free, its months, "
                                                 "interest, payments and what it saves"));
    // Every plan in view without scrolling.
    planTable_->setMinimumHeight(planTable_->horizontalHeader()->sizeHint().height() +
                                 static_cast<int>(PlanComparison::plans().size()) *
                                     planTable_->verticalHeader()->defaultSectionSize() +
                                 2 * planTable_->frameWidth());
    connect(planTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CompareWindow::showSelectedPlan);
    debtTable_ = Controls::spoken(tableOf(&debts_, this, "debts"),
                                  QStringLiteral("Debts under the selected plan"),
                                  QStringLiteral("Each debt: when it is paid off and the interest "
                                                 "paid on it"));
    debtsTitle_ = named(new QLabel(this), "debtsTitle");
    chart_ =
        Controls::spoken(named(new PayoffChart(this), "chart"), QStringLiteral("Payoff chart"));

    // What the last command did, beside the buttons that do it.
    done_ = named(new QLabel(this), "done");
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
    auto* debtsPart = new QWidget(lower);
    auto* debtsLayout = new QVBoxLayout(debtsPart);
    debtsLayout->setContentsMargins(0, 0, 0, 0);
    debtsLayout->addWidget(debtsTitle_);
    debtsLayout->addWidget(debtTable_);
    lower->addWidget(debtsPart);
    lower->setSizes({620, 340});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addLayout(inputs);
    layout->addWidget(planTable_, 1);
    layout->addWidget(lower, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(done_, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

void CompareWindow::extraMoneyEdited(const QString& text)
{
    // Read as the menu's extra-money box reads it; anything else waits for a
    // usable amount and changes nothing, and the table says whose figures
    // it shows.
    const std::optional<double> amount = ExtraMoney::fromTyped(text);
    useAmount_->setEnabled(amount.has_value());
    if (!amount) {
        summary_->setText(
            AmountWords::refused(QStringLiteral("Enter the extra money as an "
                                                "amount of 0 or more"),
                                 TypedAmount::example(1250.75), text) +
            QStringLiteral(" The figures are for %1 a month.").arg(Format::currency(comparedFor_)));
        return;
    }
    extraMoney_ = *amount;
    recompute();
}

QString CompareWindow::nothingToCompare() const
{
    if (const QString refused = AccountMessages::cannotCalculate(account_.debts());
        !refused.isEmpty())
        return refused;
    if (account_.debts().count() == 0)
        return QStringLiteral("There are no debts to compare. Add them with the debt grid's menu "
                              "first.");
    return {};
}

void CompareWindow::recompute()
{
    plans_.setOutcomes({});
    chart_->setPlans({});
    debts_.setPlan(nullptr);
    if (const QString why = nothingToCompare(); !why.isEmpty()) {
        summary_->setText(why);
        return;
    }
    summary_->setText(QStringLiteral("Comparing the plans with %1 of extra money a month...")
                          .arg(Format::currency(extraMoney_)));
    runner_->compare(extraMoney_);
}

void CompareWindow::planDone(const PlanOutcome& outcome)
{
    plans_.addOutcome(outcome);
    summary_->setText(QStringLiteral("Comparing the plans with %1 of extra money a month: %2 "
                                     "of %3 done.")
                          .arg(Format::currency(extraMoney_))
                          .arg(plans_.rowCount())
                          .arg(PlanComparison::plans().size()));
}

void CompareWindow::comparisonDone(const std::vector<PlanOutcome>& outcomes)
{
    const int selected = qMax(planTable_->currentIndex().row(), 0);
    comparedFor_ = extraMoney_;
    plans_.setOutcomes(outcomes);
    chart_->setPlans(outcomes);
    planTable_->resizeColumnsToContents();
    summary_->setText(
        QStringLiteral("Each plan with %1 of extra money a month%2, against paying only the "
                       "minimums.")
            .arg(Format::currency(comparedFor_),
                 account_.plan().extraMoneyChanges.empty()
                     ? QString()
                     : QStringLiteral(" and your payment plan's changes")));
    planTable_->selectRow(selected);
    showSelectedPlan();
    if (targetsAsked_)
        return;
    // The amounts for a month do not depend on the extra money: asked once,
    // then again for each month chosen. A first goal: a year before the
    // chosen plan is debt-free.
    targetsAsked_ = true;
    for (const PlanOutcome& plan : outcomes) {
        if (!goalChosen_ && plan.method == chosen_ && plan.paidOff() && plan.months > 12) {
            const QSignalBlocker quiet(debtFreeBy_);
            debtFreeBy_->setDate(DayDate::toDate(plan.debtFreeOn).addYears(-1));
        }
    }
    recomputeTargets();
}

void CompareWindow::recomputeTargets()
{
    if (nothingToCompare().isEmpty())
        runner_->findTargets(debtFreeBy_->date());
}

void CompareWindow::showSelectedPlan()
{
    const int row = planTable_->currentIndex().row();
    const PlanOutcome* plan = row >= 0 && row < plans_.rowCount() ? &plans_.outcome(row) : nullptr;
    debts_.setPlan(plan);
    debtsTitle_->setText(
        plan ? QStringLiteral("Each debt under %1:").arg(PlanWords::name(plan->method))
             : QString());
    chart_->setSelected(plan ? row : -1);
}

void CompareWindow::useThisAmount()
{
    const Account::Snapshot before = account_.snapshot();
    account_.setExtraMoney(extraMoney_);
    if (saveChange(account_, prompter_, before, ExtraMoneySetting::kKey))
        done_->setText(QStringLiteral("Extra money is now %1 a month")
                           .arg(Format::currency(account_.extraMoney())));
}

void CompareWindow::copyTable()
{
    QApplication::clipboard()->setText(plans_.tabDelimited());
    done_->setText(QStringLiteral("Copied %1 plans").arg(plans_.rowCount()));
}

void CompareWindow::saveChart()
{
    const QString saved = saveChartImage(prompter_, *chart_, QStringLiteral("payoff-chart.png"));
    if (!saved.isEmpty())
        done_->setText(QStringLiteral("Saved %1").arg(QFileInfo(saved).fileName()));
}
