#pragma once

#include "model/account.h"

class Prompter;

// What a change touched, and so which part of a save it needs.
enum class Change { Debts, ExtraMoney, Plan };

// Saves the account after a change. A change that could not be saved is
// taken back, so that what the windows show is what the files hold; the
// user hears what the save did. True when the change was kept.
bool saveChange(Account& account, Prompter& prompter, const Account::Snapshot& before,
                Change change);
