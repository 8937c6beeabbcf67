#include "debtcommands.h"

#include "model/account.h"
#include "model/extramoney.h"
#include "model/extramoneysetting.h"
#include "platform/formats.h"
#include "platform/prompter.h"
#include "platform/typedamount.h"
#include "ui/common/accountmessages.h"
#include "ui/common/amountwords.h"
#include "ui/common/savechange.h"
#include "ui/entry/debtentrycheck.h"
#include "ui/entry/debtentrydialog.h"

#include <algorithm>

namespace {

const QString kExtraMoneyPrompt =
    QStringLiteral("Enter the amount of extra money you have each month to pay off your debts:");
const QString kExtraMoneyTitle = QStringLiteral("Extra Money");

} // namespace

DebtCommands::DebtCommands(Account& account, Prompter& prompter, const Clock& clock,
                           QWidget* window)
    : account_(account), prompter_(prompter), clock_(clock), window_(window)
{
}

void DebtCommands::add()
{
    const Account::Snapshot before = account_.snapshot();
    DebtEntryDialog dialog(account_, prompter_, clock_, window_);
    if (dialog.addDebt())
        saveChange(account_, prompter_, before, Account::kDataFileName);
}

void DebtCommands::edit(const QString& key)
{
    const Account::Snapshot before = account_.snapshot();
    DebtEntryDialog dialog(account_, prompter_, clock_, window_);
    if (dialog.editDebt(key))
        saveChange(account_, prompter_, before, Account::kDataFileName);
}

void DebtCommands::remove(const QString& key)
{
    const Account::Snapshot before = account_.snapshot();
    if (const Debt* debt = account_.debts().find(key)) {
        const PaymentPlan& plan = account_.plan();
        const bool ordered =
            std::any_of(plan.customOrder.begin(), plan.customOrder.end(),
                        [&](const QString& name) { return DebtList::sameKey(name, key); });
        if (prompter_.askYesNo(
                AccountMessages::deleteQuestion(debt->creditor, plan.promotionOf(key) != nullptr,
                                                ordered, account_.history().hasHistory(key))))
            account_.removeDebt(key);
    }
    saveChange(account_, prompter_, before, Account::kDataFileName);
}

void DebtCommands::rename(const QString& key)
{
    const Debt* debt = account_.debts().find(key);
    if (!debt)
        return;
    const QString shown = DebtList::keyOf(debt->creditor);
    // A refused name comes back in the box as it was typed, to be corrected.
    for (QString offered = shown;;) {
        const QString name = prompter_.askText(QStringLiteral("The new name of %1:").arg(shown),
                                               QStringLiteral("Rename Debt"), offered);
        if (name.isEmpty() || name == shown)
            return;
        const QString refused = renameRefusal(key, name);
        if (refused.isEmpty()) {
            const QString said = AccountMessages::forRename(account_.renameDebt(key, name));
            if (!said.isEmpty())
                prompter_.showMessage(said);
            return;
        }
        prompter_.showMessage(refused);
        offered = name;
    }
}

QString DebtCommands::renameRefusal(const QString& key, const QString& name) const
{
    if (const QString refused = DebtEntryCheck::nameRefusal(name); !refused.isEmpty())
        return refused;
    // Letter case alone may change: the name still files under its own key.
    if (DebtList::sameKey(name, key))
        return {};
    if (account_.debts().find(name))
        return AccountMessages::addRefused(DebtList::AddResult::DuplicateKey, name);
    if (account_.history().hasHistory(name))
        return AccountMessages::kNameHasHistory;
    return {};
}

void DebtCommands::askExtraMoney()
{
    const QString old = Format::general(account_.extraMoney());
    // A refused amount comes back in the box as it was typed, to be corrected.
    for (QString offered = old;;) {
        const QString answer = prompter_.askText(kExtraMoneyPrompt, kExtraMoneyTitle, offered);
        if (answer.isEmpty() || answer == old)
            return;
        if (const std::optional<double> amount = ExtraMoney::fromTyped(answer)) {
            const Account::Snapshot before = account_.snapshot();
            account_.setExtraMoney(*amount);
            saveChange(account_, prompter_, before, ExtraMoneySetting::kKey);
            return;
        }
        prompter_.showMessage(
            AmountWords::refused(QStringLiteral("The extra money must be an amount of 0 or more"),
                                 TypedAmount::example(1250.75), answer));
        offered = answer;
    }
}
