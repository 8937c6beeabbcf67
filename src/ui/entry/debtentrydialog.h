#pragma once

#include "debtentrycheck.h"

#include <QDialog>
#include <QHash>

class Account;
class Clock;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog in which one debt is entered or changed. It checks the entries
// and stores them in the account's debts; the caller saves.
class DebtEntryDialog : public QDialog {
    Q_OBJECT

public:
    DebtEntryDialog(Account& account, Prompter& prompter, const Clock& clock,
                    QWidget* parent = nullptr);

    // Each shows the dialog and waits until it is closed; true when a debt
    // was stored.
    bool addDebt();
    bool editDebt(const QString& key);

private:
    void createControls();
    bool showFor(const QString& key);
    void fillBoxes();
    // Runs the checks (see DebtEntryCheck); the first that fails is shown.
    void checkAndStore();
    bool store(const DebtEntryCheck::Values& entries);
    // What a box's entry stores: the stored value while its text is the one
    // the dialog filled in, otherwise what was typed.
    double entered(QLineEdit* box, double typed, double stored) const;

    Account& account_;
    Prompter& prompter_;
    const Clock& clock_;
    QString key_; // empty for a new debt
    QHash<QLineEdit*, QString> filled_;

    QLabel* creditorLabel_ = nullptr;
    QLineEdit* creditorBox_ = nullptr;
    QLineEdit* balanceBox_ = nullptr;
    QLineEdit* monthlyBox_ = nullptr;
    QLineEdit* rateBox_ = nullptr;
    QLineEdit* startDateBox_ = nullptr;
};
