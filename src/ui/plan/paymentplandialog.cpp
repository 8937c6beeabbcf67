#include "paymentplandialog.h"

#include "calc/planrules.h"
#include "calc/priorityorder.h"
#include "model/debtlist.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/localeinput.h"
#include "platform/prompter.h"
#include "ui/common/controls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using Controls::named;

constexpr int kPreviewMonths = 12;
constexpr double kHighestRatePercent = 100;

QDate dateOf(YearMonth month)
{
    return QDate(month.year, month.month, 1);
}

YearMonth monthOf(const QDate& date)
{
    return {date.year(), date.month()};
}

QString monthText(YearMonth month)
{
    return Format::monthYear(DayDate::fromDate(dateOf(month)));
}

QDateEdit* monthEdit(QWidget* parent, const char* name, QDate date)
{
    auto* edit = named(new QDateEdit(date, parent), name);
    edit->setDisplayFormat(Format::kMonthYearPattern);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QPushButton(caption, parent), name);
}

QTableWidget* table(QWidget* parent, const char* name, const QStringList& headings)
{
    auto* table = named(new QTableWidget(0, static_cast<int>(headings.size()), parent), name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the table
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
}

} // namespace

PaymentPlanDialog::PaymentPlanDialog(const PaymentPlan& plan, const DebtList& debts,
                                     double extraMoney, QDate today, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), plan_(plan), debts_(debts), extraMoney_(extraMoney), today_(today),
      prompter_(prompter)
{
    setObjectName(QStringLiteral("paymentPlan"));
    setWindowTitle(QStringLiteral("Payment Plan"));
    auto* parts = new QTabWidget(this);
    parts->addTab(createChangesPart(), QStringLiteral("&Extra Money over Time"));
    parts->addTab(createPromotionsPart(), QStringLiteral("&Promotional Rates"));
    parts->addTab(createOrderPart(), QStringLiteral("Custo&m Order"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(parts);
    layout->addWidget(buttons);
    listChanges();
    listPromotions();
    resize(900, 480);
}

YearMonth PaymentPlanDialog::firstMonth() const
{
    return monthOf(today_.addMonths(1));
}

QWidget* PaymentPlanDialog::createChangesPart()
{
    auto* part = new QWidget(this);
    changes_ = table(part, "changes",
                     {QStringLiteral("Month"), QStringLiteral("Change"), QStringLiteral("Applies"),
                      QStringLiteral("Note")});
    connect(changes_, &QTableWidget::currentCellChanged, this,
            [this](int row) { showChange(row); });
    changeMonth_ = monthEdit(part, "changeMonth", dateOf(firstMonth()));
    changeAmount_ = named(new QLineEdit(part), "changeAmount");
    changeOnce_ = named(new QCheckBox(QStringLiteral("In that month on&ly"), part), "changeOnce");
    auto* add = button(part, "addChange", QStringLiteral("&Add"));
    auto* replace = button(part, "replaceChange", QStringLiteral("&Replace"));
    auto* remove = button(part, "removeChange", QStringLiteral("Remo&ve"));
    connect(add, &QPushButton::clicked, this, &PaymentPlanDialog::addChange);
    connect(replace, &QPushButton::clicked, this, &PaymentPlanDialog::replaceChange);
    connect(remove, &QPushButton::clicked, this, &PaymentPlanDialog::removeChange);
    preview_ = named(new QListWidget(part), "preview");

    auto* entry = new QFormLayout;
    entry->addRow(QStringLiteral("Mo&nth:"), changeMonth_);
    entry->addRow(QStringLiteral("C&hange per month:"), changeAmount_);
    entry->addRow(QString(), changeOnce_);
    auto* commands = new QHBoxLayout;
    for (QPushButton* command : {add, replace, remove})
        commands->addWidget(command);
    entry->addRow(QString(), commands);
    auto* right = new QVBoxLayout;
    right->addLayout(entry);
    right->addWidget(new QLabel(QStringLiteral("Extra money in the coming months:"), part));
    right->addWidget(preview_);
    auto* layout = new QHBoxLayout(part);
    layout->addWidget(changes_, 3);
    layout->addLayout(right, 2);
    return part;
}

QWidget* PaymentPlanDialog::createPromotionsPart()
{
    auto* part = new QWidget(this);
    promotions_ =
        table(part, "promotions",
              {QStringLiteral("Creditor"), QStringLiteral("Rate"), QStringLiteral("Through")});
    promotionDebt_ = named(new QComboBox(part), "promotionDebt");
    for (const Debt& debt : debts_)
        promotionDebt_->addItem(DebtList::keyOf(debt.creditor));
    promotionRate_ = named(new QLineEdit(part), "promotionRate");
    promotionThrough_ = monthEdit(part, "promotionThrough", dateOf(firstMonth()));
    connect(promotions_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row < 0 || row >= static_cast<int>(plan_.promotions.size()))
            return;
        const PaymentPlan::Promotion& promotion = plan_.promotions[static_cast<size_t>(row)];
        promotionDebt_->setCurrentText(DebtList::keyOf(promotion.creditor));
        promotionRate_->setText(Format::general(promotion.ratePercent));
        promotionThrough_->setDate(dateOf(promotion.through));
    });
    auto* set = button(part, "setPromotion", QStringLiteral("Set Promot&ion"));
    auto* remove = button(part, "removePromotion", QStringLiteral("Remo&ve Promotion"));
    connect(set, &QPushButton::clicked, this, &PaymentPlanDialog::setPromotion);
    connect(remove, &QPushButton::clicked, this, &PaymentPlanDialog::removePromotion);

    auto* entry = new QFormLayout;
    entry->addRow(QStringLiteral("&Debt:"), promotionDebt_);
    entry->addRow(QStringLiteral("Ra&te (%):"), promotionRate_);
    entry->addRow(QStringLiteral("La&st month:"), promotionThrough_);
    auto* commands = new QHBoxLayout;
    commands->addWidget(set);
    commands->addWidget(remove);
    entry->addRow(QString(), commands);
    auto* layout = new QHBoxLayout(part);
    layout->addWidget(promotions_, 3);
    layout->addLayout(entry, 2);
    return part;
}

QWidget* PaymentPlanDialog::createOrderPart()
{
    auto* part = new QWidget(this);
    order_ = named(new QListWidget(part), "order");
    order_->setDragDropMode(QAbstractItemView::InternalMove);
    order_->setDefaultDropAction(Qt::MoveAction);
    for (const DebtRecord& debt : inCustomOrder(debts_, plan_.customOrder))
        order_->addItem(DebtList::keyOf(debt.creditor));
    order_->setCurrentRow(0);
    auto* up = button(part, "moveUp", QStringLiteral("Move &Up"));
    auto* down = button(part, "moveDown", QStringLiteral("Move Do&wn"));
    connect(up, &QPushButton::clicked, this, [this] { moveInOrder(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveInOrder(1); });
    // In the list itself, Ctrl with the arrows carries the debt along.
    for (const auto& [key, step] : {std::pair(Qt::Key_Up, -1), std::pair(Qt::Key_Down, 1)}) {
        auto* move = new QAction(order_);
        move->setShortcut(QKeySequence(Qt::CTRL | key));
        move->setShortcutContext(Qt::WidgetShortcut);
        connect(move, &QAction::triggered, this, [this, step = step] { moveInOrder(step); });
        order_->addAction(move);
    }
    auto* commands = new QVBoxLayout;
    commands->addWidget(up);
    commands->addWidget(down);
    commands->addStretch();
    auto* layout = new QHBoxLayout(part);
    layout->addWidget(order_);
    layout->addLayout(commands);
    return part;
}

std::optional<PaymentPlan::ExtraMoneyChange> PaymentPlanDialog::changeEntered()
{
    const std::optional<double> amount = LocaleInput::number(changeAmount_->text());
    if (!amount) {
        prompter_.showMessage(
            QStringLiteral("The change must be an amount, such as %1 for a raise or %2 for a "
                           "pause.")
                .arg(Format::general(200), Format::general(-150)));
        changeAmount_->setFocus();
        return std::nullopt;
    }
    return PaymentPlan::ExtraMoneyChange{monthOf(changeMonth_->date()), *amount,
                                         changeOnce_->isChecked()};
}

void PaymentPlanDialog::addChange()
{
    if (const auto change = changeEntered()) {
        plan_.extraMoneyChanges.push_back(*change);
        listChanges();
        changes_->selectRow(static_cast<int>(plan_.extraMoneyChanges.size()) - 1);
    }
}

void PaymentPlanDialog::replaceChange()
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

void PaymentPlanDialog::removeChange()
{
    const int row = changes_->currentRow();
    if (row < 0)
        return;
    plan_.extraMoneyChanges.erase(plan_.extraMoneyChanges.begin() + row);
    listChanges();
}

void PaymentPlanDialog::showChange(int row)
{
    if (row < 0 || row >= static_cast<int>(plan_.extraMoneyChanges.size()))
        return;
    const PaymentPlan::ExtraMoneyChange& change = plan_.extraMoneyChanges[static_cast<size_t>(row)];
    changeMonth_->setDate(dateOf(change.month));
    changeAmount_->setText(Format::general(change.amount));
    changeOnce_->setChecked(change.once);
}

// The changes as the table shows them, and the extra money they give.
void PaymentPlanDialog::listChanges()
{
    const QSignalBlocker quiet(changes_);
    changes_->setRowCount(static_cast<int>(plan_.extraMoneyChanges.size()));
    for (int row = 0; row < changes_->rowCount(); ++row) {
        const PaymentPlan::ExtraMoneyChange& change =
            plan_.extraMoneyChanges[static_cast<size_t>(row)];
        const bool past = change.once && change.month < firstMonth();
        setRow(changes_, row,
               {monthText(change.month), Format::currency(change.amount),
                change.once ? QStringLiteral("That month only") : QStringLiteral("From then on"),
                past ? QStringLiteral("Before the schedule: no effect") : QString()});
    }
    changes_->resizeColumnsToContents();
    preview_->clear();
    const PlanRules rules(plan_, {});
    for (int i = 0; i < kPreviewMonths; ++i) {
        const YearMonth month = YearMonth::fromIndex(firstMonth().index() + i);
        preview_->addItem(monthText(month) + QStringLiteral(": ") +
                          Format::currency(rules.extraMoney(extraMoney_, month)));
    }
}

void PaymentPlanDialog::setPromotion()
{
    const QString debt = promotionDebt_->currentText();
    if (debt.isEmpty())
        return;
    const std::optional<double> rate = LocaleInput::number(promotionRate_->text());
    if (!rate || *rate < 0 || *rate > kHighestRatePercent) {
        prompter_.showMessage(QStringLiteral("The promotional rate must be a rate from 0 to 100, "
                                             "such as %1.")
                                  .arg(Format::general(2.9)));
        promotionRate_->setFocus();
        return;
    }
    plan_.dropPromotion(debt);
    plan_.promotions.push_back({debt, *rate, monthOf(promotionThrough_->date())});
    listPromotions();
}

void PaymentPlanDialog::removePromotion()
{
    const int row = promotions_->currentRow();
    if (row < 0 || row >= static_cast<int>(plan_.promotions.size()))
        return;
    plan_.promotions.erase(plan_.promotions.begin() + row);
    listPromotions();
}

void PaymentPlanDialog::listPromotions()
{
    const QSignalBlocker quiet(promotions_);
    promotions_->setRowCount(static_cast<int>(plan_.promotions.size()));
    for (int row = 0; row < promotions_->rowCount(); ++row) {
        const PaymentPlan::Promotion& promotion = plan_.promotions[static_cast<size_t>(row)];
        setRow(promotions_, row,
               {DebtList::keyOf(promotion.creditor),
                Format::general(promotion.ratePercent) + QLatin1Char('%'),
                monthText(promotion.through)});
    }
    promotions_->resizeColumnsToContents();
}

void PaymentPlanDialog::moveInOrder(int step)
{
    const int row = order_->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= order_->count())
        return;
    order_->insertItem(to, order_->takeItem(row));
    order_->setCurrentRow(to);
}

PaymentPlan PaymentPlanDialog::plan() const
{
    PaymentPlan plan = plan_;
    plan.customOrder.clear();
    for (int row = 0; row < order_->count(); ++row)
        plan.customOrder.append(order_->item(row)->text());
    // Entries of the order that name no current debt are kept as they are.
    for (const QString& name : plan_.customOrder) {
        if (!debts_.find(name))
            plan.customOrder.append(name);
    }
    return plan;
}
