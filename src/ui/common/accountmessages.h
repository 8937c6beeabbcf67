#pragma once

#include "model/account.h"

#include <QString>
#include <QStringList>

class Prompter;

// What the user is told of the account's results: a debt that could not be
// added, the question before a delete, what a load found, why a save failed.
namespace AccountMessages {

QString addRefused(DebtList::AddResult result, const QString& creditor);
QString deleteQuestion(const QString& creditor);
QStringList forLoad(const LoadReport& report);
QStringList forSave(const SaveResult& result);

// Shows each message in its own box, in order.
void show(Prompter& prompter, const QStringList& messages);

} // namespace AccountMessages
