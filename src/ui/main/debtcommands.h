#pragma once

#include <QString>

class Account;
class Clock;
class Prompter;
class QWidget;

// What the debt menu does to the account: each command asks the user what
// it needs, changes the account and saves it; a change that could not be
// saved is taken back. The debt grid and the totals follow the account by
// themselves.
class DebtCommands {
public:
    DebtCommands(Account& account, Prompter& prompter, const Clock& clock, QWidget* window);

    void add();
    void edit(const QString& key);
    // Asks first; removes only on Yes, and saves either way.
    void remove(const QString& key);
    // Asks for the new name, checks it as the entry dialog checks a name,
    // and renames the debt everywhere at once.
    void rename(const QString& key);
    void askExtraMoney();

private:
    // Why a debt may not take this name; empty when it may.
    QString renameRefusal(const QString& key, const QString& name) const;

    Account& account_;
    Prompter& prompter_;
    const Clock& clock_;
    QWidget* window_;
};
