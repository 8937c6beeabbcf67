#pragma once

#include <QDate>
#include <QDialog>
#include <optional>

class clsAccount;
class Clock;
class Prompter;
class QLineEdit;
class QPushButton;

// The dialog in which one debt is entered or changed. It checks the entries
// and stores them in the account's debts; the caller saves.
class frmDebtEntry : public QDialog {
    Q_OBJECT

public:
    frmDebtEntry(clsAccount& account, Prompter& prompter, const Clock& clock,
                 QWidget* parent = nullptr);

    // Shows the dialog for a new debt (empty key) or for the debt with this
    // key, and waits until it is closed. True when a debt was stored.
    bool Display(const QString& key);

private:
    struct Entries {
        double balance = 0;
        double rate = 0; // in percent, as typed
        double monthly = 0;
        QDate startDate;
    };

    void createControls();
    void open(const QString& key);
    void LoadData();
    void cmdOK_Click();
    // The checks, in order; the first that fails is shown and ends the run.
    std::optional<Entries> checkedEntries();
    std::optional<double> numberIn(QLineEdit* box, const QString& field);
    bool SaveData(const Entries& entries);

    clsAccount& account_;
    Prompter& prompter_;
    const Clock& clock_;
    QString key_;
    bool result_ = false;

    QLineEdit* txtCreditor_ = nullptr;
    QLineEdit* txtBalance_ = nullptr;
    QLineEdit* txtMonthly_ = nullptr;
    QLineEdit* txtRate_ = nullptr;
    QLineEdit* txtdate_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};
