#include "promotionstab.h"

#include "model/debtlist.h"
#include "planfields.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "platform/rate.h"
#include "platform/typedamount.h"
#include "ui/common/amountwords.h"
#include "ui/common/controls.h"
#include "ui/common/listtable.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

using Controls::named;
using namespace PlanFields;

} // namespace

PromotionsTab::PromotionsTab(PaymentPlan& plan, const DebtList& debts, YearMonth firstMonth,
                             Prompter& prompter, QWidget* parent)
    : QWidget(parent), plan_(plan), prompter_(prompter)
{
    promotions_ = ListTable::create(
        this, "promotions",
        {QStringLiteral("Creditor"), QStringLiteral("Rate"), QStringLiteral("Through")});
    Controls::spoken(promotions_, QStringLiteral("Promotions"));
    debt_ = named(new QComboBox(this), "promotionDebt");
    for (const Debt& debt : debts)
        debt_->addItem(DebtList::keyOf(debt.creditor));
    rate_ = named(new QLineEdit(this), "promotionRate");
    through_ = monthField(this, "promotionThrough", firstMonth);
    connect(promotions_, &QTableWidget::currentCellChanged, this,
            [this](int row) { showPromotion(row); });
    auto* set = button(this, "setPromotion", QStringLiteral("Set Promot&ion"));
    auto* remove = button(this, "removePromotion", QStringLiteral("Remo&ve Promotion"));
    connect(set, &QPushButton::clicked, this, &PromotionsTab::setPromotion);
    if (debt_->count() == 0) {
        set->setEnabled(false);
        set->setToolTip(QStringLiteral("Add a debt first."));
    }
    connect(remove, &QPushButton::clicked, this, &PromotionsTab::removePromotion);

    auto* entry = new QFormLayout;
    entry->addRow(QStringLiteral("&Debt:"), debt_);
    entry->addRow(QStringLiteral("Ra&te (%):"), rate_);
    entry->addRow(QStringLiteral("La&st month:"), through_);
    auto* commands = new QHBoxLayout;
    commands->addWidget(set);
    commands->addWidget(remove);
    entry->addRow(QString(), commands);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(promotions_, 3);
    layout->addLayout(entry, 2);
    listPromotions();
}

void PromotionsTab::showPromotion(int row)
{
    if (row < 0 || row >= static_cast<int>(plan_.promotions.size()))
        return;
    const PaymentPlan::Promotion& promotion = plan_.promotions[static_cast<size_t>(row)];
    debt_->setCurrentText(DebtList::keyOf(promotion.creditor));
    rate_->setText(Format::general(promotion.ratePercent));
    through_->setDate(promotion.through.firstDay());
}

void PromotionsTab::setPromotion()
{
    const QString debt = debt_->currentText();
    if (debt.isEmpty())
        return;
    const std::optional<double> rate =
        TypedAmount::read(rate_->text(), TypedAmount::Form{false, true}).amount;
    if (!rate || *rate > Rate::kHighestPercent) {
        prompter_.showMessage(
            AmountWords::refused(QStringLiteral("The promotional rate must be a rate from 0 to %1")
                                     .arg(TypedAmount::example(Rate::kHighestPercent)),
                                 TypedAmount::example(2.9), rate_->text()));
        rate_->setFocus();
        return;
    }
    plan_.dropPromotion(debt);
    plan_.promotions.push_back({debt, *rate, monthIn(through_)});
    listPromotions();
}

void PromotionsTab::removePromotion()
{
    const int row = promotions_->currentRow();
    if (row < 0 || row >= static_cast<int>(plan_.promotions.size()))
        return;
    plan_.promotions.erase(plan_.promotions.begin() + row);
    listPromotions();
}

void PromotionsTab::listPromotions()
{
    const QSignalBlocker quiet(promotions_);
    promotions_->setRowCount(static_cast<int>(plan_.promotions.size()));
    for (int row = 0; row < promotions_->rowCount(); ++row) {
        const PaymentPlan::Promotion& promotion = plan_.promotions[static_cast<size_t>(row)];
        ListTable::setRow(promotions_, row,
                          {DebtList::keyOf(promotion.creditor),
                           Format::general(promotion.ratePercent) + QLatin1Char('%'),
                           monthText(promotion.through)});
    }
    promotions_->resizeColumnsToContents();
}
