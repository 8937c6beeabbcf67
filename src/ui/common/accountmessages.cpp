#include "accountmessages.h"

#include "platform/prompter.h"

namespace AccountMessages {

QString addRefused(DebtList::AddResult result, const QString& creditor)
{
    const QString name = DebtList::keyOf(creditor);
    switch (result) {
    case DebtList::AddResult::Added:
        break;
    case DebtList::AddResult::DuplicateKey:
        return QStringLiteral("A debt named \"%1\" is already in the list.").arg(name);
    case DebtList::AddResult::ListFull:
        return QStringLiteral("No more debts can be added: the list holds %1 debts, the most it "
                              "can store. \"%2\" was not added.")
            .arg(DebtList::kMaxCount)
            .arg(name);
    }
    return {};
}

QString deleteQuestion(const QString& creditor)
{
    return QStringLiteral("Are you sure you want to delete ") + DebtList::keyOf(creditor) +
           QStringLiteral("?");
}

QStringList forLoad(const LoadReport& report)
{
    QStringList messages;
    for (const QString& name : report.repeatedNames)
        messages.append(addRefused(DebtList::AddResult::DuplicateKey, name));
    if (report.tooMany)
        messages.append(QStringLiteral("%1 holds more than %2 debts; only the first %2 were read. "
                                       "Changes will not be saved, so that the others are not "
                                       "lost.")
                            .arg(Account::kDataFileName)
                            .arg(DebtList::kMaxCount));
    if (report.readError)
        messages.append(*report.readError);
    if (!report.notFinite.isEmpty())
        messages.append(
            QStringLiteral("%1 holds numbers that are not amounts, rates or dates for "
                           "these debts: %2. Edit or delete them before you "
                           "calculate.")
                .arg(Account::kDataFileName, report.notFinite.join(QStringLiteral(", "))));
    return messages;
}

QStringList forSave(const SaveResult& result)
{
    QStringList messages;
    for (const SaveFailure& failure : result.failures) {
        switch (failure.kind) {
        case SaveFailure::Kind::SettingsNotWritten:
            messages.append(QStringLiteral("The extra money could not be written to the "
                                           "settings file %1.")
                                .arg(failure.detail));
            break;
        case SaveFailure::Kind::FileNotReadInFull:
            messages.append(QStringLiteral("The debts were not saved: %1 could not be read in "
                                           "full when the program started, and saving would "
                                           "replace the debts it holds.")
                                .arg(failure.detail));
            break;
        case SaveFailure::Kind::FileNotWritten:
            messages.append(failure.detail);
            break;
        }
    }
    return messages;
}

void show(Prompter& prompter, const QStringList& messages)
{
    for (const QString& message : messages)
        prompter.showMessage(message);
}

} // namespace AccountMessages
