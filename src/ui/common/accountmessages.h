#pragma once

#include "model/account.h"
#include "platform/folderlock.h"

#include <QString>
#include <QStringList>

class Prompter;

// What the user is told of the account's results: a debt that could not be
// added, the question before a delete, debts no calculation can use, what a
// load found and what a save did.
namespace AccountMessages {

QString addRefused(DebtList::AddResult result, const QString& creditor);
// The question before a delete, with a sentence for each thing the debt has.
QString deleteQuestion(const QString& creditor, bool promoted, bool ordered, bool hasHistory);
// A history is kept by its debt's name: no other debt may take it.
inline const QString kNameHasHistory =
    QStringLiteral("A debt of this name has a payment history; choose another name");
// What a rename did that the user should hear of; empty when all went well.
QString forRename(const RenameResult& result);
QStringList forLoad(const LoadReport& report);
// What a save did that the user should know, with a last sentence saying
// that the change was taken back when it was; empty when there is nothing.
QString forSave(const SaveResult& result, bool changeTakenBack);
// Why no calculation can use these debts (some are flawed, each named with
// why); empty when one can.
QString cannotCalculate(const DebtList& debts);

// At start-up: the data folder is held by another copy of the program (the
// process the lock names), or no lock (nor anything else) can be made in it.
QString openInAnotherCopy(const QString& folder, const FolderLock::Holder& holder,
                          const QString& lock);
QString folderNotWritable(const QString& folder);
// The question before a lock another machine holds is taken over: its
// machine and how long ago it was taken, as of now.
QString lockedOnAnotherMachine(const FolderLock::Holder& holder, const QString& lock,
                               const QDateTime& now);
// Something in the lock's place that could not be removed: saving is refused.
QString lockInTheWay(const FileProblem& problem);

// Shows each message in its own box, in order.
void show(Prompter& prompter, const QStringList& messages);

} // namespace AccountMessages
