#pragma once

#include "model/account.h"
#include "platform/fileproblem.h"

#include <QString>
#include <QStringList>

class Prompter;

// What the user is told of the account's results and of files: a debt that
// could not be added, the question before a delete, what a load found, what
// a save did, and the real cause of a file problem, each in words that fit
// on the screen.
namespace AccountMessages {

QString addRefused(DebtList::AddResult result, const QString& creditor);
QString deleteQuestion(const QString& creditor);
QStringList forLoad(const LoadReport& report);
// What a save did that the user should know, with a last sentence saying
// that the change was taken back when it was; empty when there is nothing.
QString forSave(const SaveResult& result, bool changeTakenBack);
// Debts no calculation can use, named with why.
QString cannotCalculate(const std::vector<std::pair<QString, Debt::Flaw>>& flawed);

// At start-up: the data folder is held by another copy of the program, or
// no lock (nor anything else) can be made in it.
QString openInAnotherCopy(const QString& folder);
QString folderNotWritable(const QString& folder);

// A sentence naming the cause of a file problem.
QString describe(const FileProblem& problem);
// A path as a message shows it: a very long one is cut in its middle, so
// that the box fits on the screen.
QString shownPath(const QString& path);

// Shows each message in its own box, in order.
void show(Prompter& prompter, const QStringList& messages);

} // namespace AccountMessages
