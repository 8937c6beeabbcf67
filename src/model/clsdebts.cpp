#include "clsdebts.h"

#include "platform/prompter.h"

#include <algorithm>

clsDebts::clsDebts(Prompter& prompter) : prompter_(prompter) {}

QString clsDebts::keyOf(const QString& creditor)
{
    return creditor.trimmed();
}

QString clsDebts::lookupKey(const QString& key)
{
    return keyOf(key).toCaseFolded();
}

clsDebts::DebtPtr clsDebts::Add(const QString& Creditor, double Balance, double Rate,
                                double Monthly, double sdate)
{
    if (Count() >= kMaxCount) {
        prompter_.showMessage(
            QStringLiteral("No more debts can be added: the list holds %1 debts, the most it can "
                           "store. \"%2\" was not added.")
                .arg(kMaxCount)
                .arg(keyOf(Creditor)));
        return nullptr;
    }
    const QString key = lookupKey(Creditor);
    if (byKey_.contains(key)) {
        prompter_.showMessage(
            QStringLiteral("A debt named \"%1\" is already in the list.").arg(keyOf(Creditor)));
        return nullptr;
    }
    auto debt = std::make_shared<clsDebt>();
    debt->Creditor = Creditor;
    debt->Balance = Balance;
    debt->Rate = Rate;
    debt->Monthly = Monthly;
    debt->StartDate = sdate;
    debts_.push_back(debt);
    byKey_.insert(key, debt);
    return debt;
}

clsDebts::DebtPtr clsDebts::Item(int position) const
{
    if (position < 1 || position > Count())
        return nullptr;
    return debts_[static_cast<size_t>(position - 1)];
}

clsDebts::DebtPtr clsDebts::Item(const QString& key) const
{
    return byKey_.value(lookupKey(key));
}

clsDebts::DeleteResult clsDebts::Delete(const QString& key)
{
    const DebtPtr debt = Item(key);
    if (!debt)
        return DeleteResult::NotFound;
    const QString question = QStringLiteral("Are you sure you want to delete ") +
                             keyOf(debt->Creditor) + QStringLiteral("?");
    if (!prompter_.askYesNo(question))
        return DeleteResult::Kept;
    byKey_.remove(lookupKey(key));
    debts_.erase(std::find(debts_.begin(), debts_.end(), debt));
    return DeleteResult::Removed;
}
