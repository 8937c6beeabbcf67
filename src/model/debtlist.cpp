#include "debtlist.h"

#include "platform/prompter.h"

#include <algorithm>

DebtList::DebtList(Prompter& prompter) : prompter_(prompter) {}

QString DebtList::lookupKey(const QString& key)
{
    return key.trimmed().toCaseFolded();
}

DebtList::DebtPtr DebtList::add(const Debt& debt)
{
    const QString name = debt.creditor.trimmed();
    if (count() >= kMaxCount) {
        prompter_.showMessage(
            QStringLiteral("No more debts can be added: the list holds %1 debts, the most it can "
                           "store. \"%2\" was not added.")
                .arg(kMaxCount)
                .arg(name));
        return nullptr;
    }
    const QString key = lookupKey(debt.creditor);
    if (byKey_.contains(key)) {
        prompter_.showMessage(
            QStringLiteral("A debt named \"%1\" is already in the list.").arg(name));
        return nullptr;
    }
    auto added = std::make_shared<Debt>(debt);
    debts_.push_back(added);
    byKey_.insert(key, added);
    return added;
}

DebtList::DebtPtr DebtList::find(const QString& key) const
{
    return byKey_.value(lookupKey(key));
}

void DebtList::remove(const QString& key)
{
    const DebtPtr debt = find(key);
    if (!debt)
        return;
    const QString question = QStringLiteral("Are you sure you want to delete ") +
                             debt->creditor.trimmed() + QStringLiteral("?");
    if (!prompter_.askYesNo(question))
        return;
    byKey_.remove(lookupKey(key));
    debts_.erase(std::find(debts_.begin(), debts_.end(), debt));
}
