#pragma once

#include "model/account.h"

class Prompter;

// Saves the account after a change to what one store keeps (its name, see
// Store::name()). A change whose store was not saved, or was taken back, is
// taken back too, so that what the windows show is what the files hold; the
// user hears what the save did. True when the change was kept.
bool saveChange(Account& account, Prompter& prompter, const Account::Snapshot& before,
                const QString& store);
