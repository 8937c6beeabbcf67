#pragma once

#include "clsdebts.h"

#include <QString>

class Prompter;
class QSettings;

// The user's debts and the extra money paid each month. The debts live in
// debts.dat in the program folder, the extra money in the settings store;
// both are handed in by the start-up routine.
class clsAccount {
public:
    static inline const QString kDataFileName = QStringLiteral("debts.dat");

    clsAccount(Prompter& prompter, const QString& programFolder, QSettings& settings);

    clsDebts& Debts() { return debts_; }
    const clsDebts& Debts() const { return debts_; }

    QString AccountName() const { return accountName_; }
    void setAccountName(const QString& Newname) { accountName_ = Newname; }

    double excessfunds() const { return excessFunds_; }
    void setExcessfunds(double NewExcess) { excessFunds_ = NewExcess; }

    // Replaces the contents by the settings value and the records of the
    // data file (created empty when missing). False when anything failed;
    // each failure has been reported.
    bool Load();
    // Writes the settings value and replaces the data file in one step, so a
    // failed save leaves the previous file whole. False when anything failed;
    // each failure has been reported.
    bool Save();
    void Clear();

    QString dataFilePath() const;
    // The folder that holds the program, debts.dat and the export.
    QString programFolder() const { return programFolder_; }

private:
    bool readDataFile();
    bool writeSettings();
    bool writeDataFile();

    Prompter& prompter_;
    QString programFolder_;
    QSettings& settings_;
    clsDebts debts_;
    QString accountName_;
    double excessFunds_ = 0.0;
    // Saving replaces the whole file, so a file that was not read in full is
    // never replaced: the debts it still holds would be lost.
    bool dataFileReadInFull_ = true;
};
