#include "extramoneychangestab.h"

#include "planfields.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "platform/typedamount.h"
#include "ui/common/amountwords.h"
#include "ui/common/controls.h"
#include "ui/common/listtable.h"
#include "ui/common/modelinput.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using Controls::named;
using namespace PlanFields;

constexpr int kPreviewMonths = 12;

} // namespace

ExtraMoneyChangesTab::ExtraMoneyChangesTab(PaymentPlan& plan, double extraMoney,
                                           YearMonth firstMonth, Prompter& prompter,
                                           QWidget* parent)
    : QWidget(parent), plan_(plan), extraMoney_(extraMoney), firstMonth_(firstMonth),
      prompter_(prompter)
{
    changes_ = ListTable::create(this, "changes",
                                 {QStringLiteral("Month"), QStringLiteral("Change"),
                                  QStringLiteral("Applies"), QStringLiteral("Note")});
    Controls::spoken(changes_, QStringLiteral("Changes of the extra money"));
    connect(changes_, &QTableWidget::currentCellChanged, this,
            [this](int row) { showChange(row); });
    month_ = monthField(this, "changeMonth", firstMonth_);
    amount_ = named(new QLineEdit(this), "changeAmount");
    once_ = named(new QCheckBox(QStringLiteral("In that month on&ly"), this), "changeOnce");
    auto* add = button(this, "addChange", QStringLiteral("&Add"));
    auto* replace = button(this, "replaceChange", QStringLiteral("&Replace"));
    auto* remove = button(this, "removeChange", QStringLiteral("Remo&ve"));
    connect(add, &QPushButton::clicked, this, &ExtraMoneyChangesTab::addChange);
    connect(replace, &QPushButton::clicked, this, &ExtraMoneyChangesTab::replaceChange);
    connect(remove, &QPushButton::clicked, this, &ExtraMoneyChangesTab::removeChange);
    preview_ = Controls::spoken(named(new QListWidget(this), "preview"),
                                QStringLiteral("Extra money in the coming months"));

    auto* entry = new QFormLayout;
    entry->addRow(QStringLiteral("Mo&nth:"), month_);
    entry->addRow(QStringLiteral("C&hange per month:"), amount_);
    entry->addRow(QString(), once_);
    auto* commands = new QHBoxLayout;
    for (QPushButton* command : {add, replace, remove})
        commands->addWidget(command);
    entry->addRow(QString(), commands);
    auto* right = new QVBoxLayout;
    right->addLayout(entry);
    right->addWidget(new QLabel(QStringLiteral("Extra money in the coming months:"), this));
    right->addWidget(preview_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(changes_, 3);
    layout->addLayout(right, 2);
    listChanges();
}

std::optional<PaymentPlan::ExtraMoneyChange> ExtraMoneyChangesTab::changeEntered()
{
    const TypedAmount::Read typed =
        TypedAmount::read(amount_->text(), TypedAmount::Form{true, false});
    if (!typed.amount) {
        prompter_.showMessage(
            AmountWords::refused(QStringLiteral("The change must be an amount"),
                                 QStringLiteral("%1 for a raise or %2 for a pause")
                                     .arg(TypedAmount::example(200), TypedAmount::example(-150)),
                                 amount_->text()));
        amount_->setFocus();
        return std::nullopt;
    }
    return PaymentPlan::ExtraMoneyChange{monthIn(month_), *typed.amount, once_->isChecked()};
}

void ExtraMoneyChangesTab::addChange()
{
    if (const auto change = changeEntered()) {
        if (std::find(plan_.extraMoneyChanges.begin(), plan_.extraMoneyChanges.end(), *change) !=
            plan_.extraMoneyChanges.end()) {
            prompter_.showMessage(QStringLiteral("This change is already in your plan."));
            return;
        }
        plan_.extraMoneyChanges.push_back(*change);
        listChanges();
        changes_->selectRow(static_cast<int>(plan_.extraMoneyChanges.size()) - 1);
    }
}

void ExtraMoneyChangesTab::replaceChange()
{
    const int row = changes_->currentRow();
    if (row < 0)
        return;
    if (const auto change = changeEntered()) {
        plan_.extraMoneyChanges[static_cast<size_t>(row)] = *change;
        listChanges();
        changes_->selectRow(row);
    }
}

void ExtraMoneyChangesTab::removeChange()
{
    const int row = changes_->currentRow();
    if (row < 0)
        return;
    plan_.extraMoneyChanges.erase(plan_.extraMoneyChanges.begin() + row);
    listChanges();
}

void ExtraMoneyChangesTab::showChange(int row)
{
    if (row < 0 || row >= static_cast<int>(plan_.extraMoneyChanges.size()))
        return;
    const PaymentPlan::ExtraMoneyChange& change = plan_.extraMoneyChanges[static_cast<size_t>(row)];
    month_->setDate(change.month.firstDay());
    amount_->setText(Format::general(change.amount));
    once_->setChecked(change.once);
}

void ExtraMoneyChangesTab::listChanges()
{
    const QSignalBlocker quiet(changes_);
    changes_->setRowCount(static_cast<int>(plan_.extraMoneyChanges.size()));
    for (int row = 0; row < changes_->rowCount(); ++row) {
        const PaymentPlan::ExtraMoneyChange& change =
            plan_.extraMoneyChanges[static_cast<size_t>(row)];
        const bool past = change.once && change.month < firstMonth_;
        ListTable::setRow(
            changes_, row,
            {monthText(change.month), Format::currency(change.amount),
             change.once ? QStringLiteral("That month only") : QStringLiteral("From then on"),
             past ? QStringLiteral("Before the schedule: no effect") : QString()});
    }
    changes_->resizeColumnsToContents();
    preview_->clear();
    const PlanRules rules = planRulesOf(plan_);
    for (int i = 0; i < kPreviewMonths; ++i) {
        const YearMonth month = YearMonth::fromIndex(firstMonth_.index() + i);
        preview_->addItem(monthText(month) + QStringLiteral(": ") +
                          Format::currency(rules.extraMoney(extraMoney_, month)));
    }
}
