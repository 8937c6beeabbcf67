#include "customordertab.h"

#include "calc/priorityorder.h"
#include "model/debtlist.h"
#include "planfields.h"
#include "ui/common/controls.h"
#include "ui/common/modelinput.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CustomOrderTab::CustomOrderTab(const PaymentPlan& plan, const DebtList& debts, QWidget* parent)
    : QWidget(parent), debts_(debts)
{
    order_ = Controls::spoken(Controls::named(new QListWidget(this), "order"),
                              QStringLiteral("Custom order"),
                              QStringLiteral("The debts in the order they get the extra money"));
    order_->setDragDropMode(QAbstractItemView::InternalMove);
    order_->setDefaultDropAction(Qt::MoveAction);
    for (const DebtFigures& debt :
         inCustomOrder(debtFiguresOf(debts), planRulesOf(plan).customOrder()))
        order_->addItem(DebtList::keyOf(debt.name));
    order_->setCurrentRow(0);
    shownAtFirst_ = shownOrder();
    auto* up = PlanFields::button(this, "moveUp", QStringLiteral("Move &Up"));
    auto* down = PlanFields::button(this, "moveDown", QStringLiteral("Move Do&wn"));
    connect(up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(down, &QPushButton::clicked, this, [this] { move(1); });
    // In the list itself, Ctrl with the arrows carries the debt along.
    for (const auto& [key, step] : {std::pair(Qt::Key_Up, -1), std::pair(Qt::Key_Down, 1)}) {
        auto* shortcut = new QAction(order_);
        shortcut->setShortcut(QKeySequence(Qt::CTRL | key));
        shortcut->setShortcutContext(Qt::WidgetShortcut);
        connect(shortcut, &QAction::triggered, this, [this, step = step] { move(step); });
        order_->addAction(shortcut);
    }
    auto* commands = new QVBoxLayout;
    commands->addWidget(up);
    commands->addWidget(down);
    commands->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(order_);
    layout->addLayout(commands);
}

void CustomOrderTab::move(int step)
{
    const int row = order_->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= order_->count())
        return;
    order_->insertItem(to, order_->takeItem(row));
    order_->setCurrentRow(to);
}

QStringList CustomOrderTab::shownOrder() const
{
    QStringList shown;
    for (int row = 0; row < order_->count(); ++row)
        shown.append(order_->item(row)->text());
    return shown;
}

void CustomOrderTab::writeTo(PaymentPlan& plan) const
{
    const QStringList shown = shownOrder();
    if (shown == shownAtFirst_)
        return;
    const QStringList before = plan.customOrder;
    plan.customOrder = shown;
    for (const QString& name : before) {
        if (!debts_.find(name))
            plan.customOrder.append(name);
    }
}
