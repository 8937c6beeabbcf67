#include "calculatecommand.h"

#include "busyindicator.h"
#include "calc/paydates.h"
#include "calc/schedule.h"
#include "clientarea.h"
#include "debtlistmodel.h"
#include "mainstatusbar.h"
#include "model/account.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "schedulemodel.h"
#include "totallabel.h"
#include "ui/common/accountmessages.h"
#include "ui/common/modelinput.h"
#include "ui/common/planwords.h"

#include <QCoreApplication>
#include <QPushButton>

CalculateCommand::CalculateCommand(ClientArea& client, DebtListModel& debtList, Schedule& schedule,
                                   ScheduleModel& scheduleModel, MainStatusBar& status,
                                   Prompter& prompter, QObject* parent)
    : QObject(parent), client_(client), debtList_(debtList), schedule_(schedule),
      scheduleModel_(scheduleModel), status_(status), prompter_(prompter), calculation_(schedule),
      search_(this)
{
    connect(&calculation_, &ScheduleCalculation::progressed, this, [this](double percentPaid) {
        client_.busyIndicator->setCaption(ScheduleCalculation::caption(percentPaid));
    });
    connect(&search_, &OrderSearch::searched, this, [this](long orders) {
        client_.busyIndicator->setCaption(OrderSearch::caption(orders));
    });
}

std::optional<PayoffSimulation::Result>
CalculateCommand::run(const Account& account, const PayoffMethod& method, QDate today)
{
    if (const QString refused = AccountMessages::cannotCalculate(account.debts());
        !refused.isEmpty()) {
        prompter_.showMessage(refused);
        return std::nullopt;
    }
    const PayoffTerms terms{account.extraMoney(), Paydates::first(today),
                            planRulesOf(account.plan())};
    const DebtArray debts = debtFiguresOf(account.debts());
    const BusyIndicator::Session session(*client_.busyIndicator,
                                         method.searchesOrders ? OrderSearch::caption(0)
                                                               : ScheduleCalculation::caption(0));
    std::optional<LeastInterest::Found> found;
    if (method.searchesOrders) {
        found = search_.run(debts, terms);
        if (found->outcome == LeastInterest::Found::Outcome::Cancelled)
            return std::nullopt;
        client_.busyIndicator->setCaption(ScheduleCalculation::caption(0));
    }
    schedule_.clear();
    scheduleModel_.scheduleChanged();
    client_.totalInterest->setAmount({});
    client_.totalPayments->setAmount({});
    QCoreApplication::processEvents();

    DebtArray ordered = found ? std::move(found->ordered) : method.order(debts, terms);
    debtList_.showInPaymentOrder(ordered);
    client_.exitButton->setFocus();
    const PayoffSimulation::Result result = calculation_.run(ordered, terms);
    latest_ = Run{std::move(ordered), terms, result};
    scheduleModel_.scheduleChanged();
    showOutcome(result);
    status_.showMethodNote(methodNote(method, found, result, debts, terms));
    return result;
}

QString CalculateCommand::methodNote(const PayoffMethod& method,
                                     const std::optional<LeastInterest::Found>& found,
                                     const PayoffSimulation::Result& result, const DebtArray& debts,
                                     const PayoffTerms& terms)
{
    if (found && result.outcome == PayoffSimulation::Outcome::PaidOff)
        return PlanWords::leastInterestSaving(*found);
    const QStringList& order = terms.rules.customOrder();
    const bool namesADebt =
        std::any_of(debts.begin(), debts.end(),
                    [&order](const DebtFigures& debt) { return order.contains(debt.key); });
    if (method.followsCustomOrder && !namesADebt)
        return QStringLiteral("No custom order set: debts in list order; set one with Payment "
                              "Plan (Ctrl+L)");
    return {};
}

void CalculateCommand::showOutcome(const PayoffSimulation::Result& result)
{
    const int months = schedule_.monthCount();
    status_.showOutcome(result, months > 0 ? schedule_.paydate(months - 1) : 0.0);
    if (result.outcome == PayoffSimulation::Outcome::PaidOff) {
        client_.totalInterest->setAmount(Format::currency(result.totalInterest));
        client_.totalPayments->setAmount(Format::currency(result.totalPayments));
    }
    if (const QString why = PlanWords::noSchedule(result.outcome); !why.isEmpty())
        prompter_.showMessage(why);
}
