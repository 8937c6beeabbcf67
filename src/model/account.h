#pragma once

#include "debtlist.h"

#include <QString>

class Prompter;
class QSettings;

// The user's debts and the extra money paid each month. The debts live in
// debts.dat in the data folder, the extra money in the settings store; both
// are handed in by the start-up routine.
class Account {
public:
    static inline const QString kDataFileName = QStringLiteral("debts.dat");

    Account(Prompter& prompter, const QString& dataFolder, QSettings& settings);

    DebtList& debts() { return debts_; }
    const DebtList& debts() const { return debts_; }

    double extraMoney() const { return extraMoney_; }
    // Nothing is saved until save() is called.
    void setExtraMoney(double amount) { extraMoney_ = amount; }

    // Replaces the contents by the settings value and the records of the
    // data file (created empty when missing). False when anything failed;
    // each failure has been reported.
    bool load();
    // Writes the settings value and replaces the data file in one step, so a
    // failed save leaves the previous file whole. False when anything failed;
    // each failure has been reported.
    bool save();
    void clear();

    QString dataFilePath() const;
    // The folder that holds debts.dat and the export.
    QString dataFolder() const { return dataFolder_; }

private:
    bool readDataFile();
    void reportNumbersThatAreNotFinite();
    bool writeSettings();
    bool writeDataFile();

    Prompter& prompter_;
    QString dataFolder_;
    QSettings& settings_;
    DebtList debts_;
    double extraMoney_ = 0.0;
    // Saving replaces the whole file, so a file that was not read in full is
    // never replaced: the debts it still holds would be lost.
    bool dataFileReadInFull_ = true;
};
