#include "savechange.h"

#include "accountmessages.h"
#include "platform/prompter.h"

bool saveChange(Account& account, Prompter& prompter, const Account::Snapshot& before,
                Change change)
{
    const SaveResult result = account.save();
    const bool kept = change == Change::Debts        ? result.debtsSaved()
                      : change == Change::ExtraMoney ? result.extraMoneySaved()
                                                     : result.planSaved();
    if (!kept)
        account.restore(before);
    const QString message = AccountMessages::forSave(result, !kept);
    if (!message.isEmpty())
        prompter.showMessage(message);
    return kept;
}
