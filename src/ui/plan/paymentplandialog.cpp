#include "paymentplandialog.h"

#include "calc/paydates.h"
#include "customordertab.h"
#include "extramoneychangestab.h"
#include "promotionstab.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

PaymentPlanDialog::PaymentPlanDialog(const PaymentPlan& plan, const DebtList& debts,
                                     double extraMoney, QDate today, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), plan_(plan)
{
    setObjectName(QStringLiteral("paymentPlan"));
    setWindowTitle(QStringLiteral("Payment Plan"));
    const YearMonth firstMonth = Paydates::firstMonth(today);
    order_ = new CustomOrderTab(plan_, debts, this);
    auto* parts = new QTabWidget(this);
    parts->addTab(new ExtraMoneyChangesTab(plan_, extraMoney, firstMonth, prompter, this),
                  QStringLiteral("&Extra Money over Time"));
    parts->addTab(new PromotionsTab(plan_, debts, firstMonth, prompter, this),
                  QStringLiteral("&Promotional Rates"));
    parts->addTab(order_, QStringLiteral("Custo&m Order"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(parts);
    layout->addWidget(buttons);
    resize(900, 480);
}

PaymentPlan PaymentPlanDialog::plan() const
{
    PaymentPlan plan = plan_;
    order_->writeTo(plan);
    return plan;
}
