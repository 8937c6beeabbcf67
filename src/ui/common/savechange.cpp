#include "savechange.h"

#include "accountmessages.h"
#include "platform/prompter.h"

bool saveChange(Account& account, Prompter& prompter, const Account::Snapshot& before,
                const QString& store)
{
    const SaveResult result = account.save();
    const bool kept = result.saved(store);
    if (!kept)
        account.restore(before);
    const QString message = AccountMessages::forSave(result, !kept);
    if (!message.isEmpty())
        prompter.showMessage(message);
    return kept;
}
