#pragma once

#include "debtlist.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QSettings;

// What a load found that the user should hear of, in the order it was met.
struct LoadReport {
    QStringList repeatedNames;        // records skipped for a name already loaded
    bool tooMany = false;             // only the first DebtList::kMaxCount debts were read
    std::optional<QString> readError; // the file's path and why it could not be read
    QStringList notFinite;            // debts with a number that is no amount, rate or date

    // Whether the data file was read to its end.
    bool readInFull() const { return !tooMany && !readError; }
};

// Why a save did not keep everything.
struct SaveFailure {
    enum class Kind {
        SettingsNotWritten, // detail: the settings file
        FileNotReadInFull,  // detail: the data file, kept as it is
        FileNotWritten,     // detail: the data file's path and the reason
    };
    Kind kind;
    QString detail;
};

struct SaveResult {
    std::vector<SaveFailure> failures;
    bool saved() const { return failures.empty(); }
};

// The user's debts and the extra money paid each month. The debts live in
// debts.dat in the data folder, the extra money in the settings store; both
// are handed in by the start-up routine. The account reports what happened
// and leaves it to the windows to tell the user.
class Account {
public:
    static inline const QString kDataFileName = QStringLiteral("debts.dat");

    Account(const QString& dataFolder, QSettings& settings);

    DebtList& debts() { return debts_; }
    const DebtList& debts() const { return debts_; }

    double extraMoney() const { return extraMoney_; }
    // Nothing is saved until save() is called.
    void setExtraMoney(double amount) { extraMoney_ = amount; }

    // Replaces the contents by the settings value and the records of the
    // data file (created empty when missing).
    [[nodiscard]] LoadReport load();
    // Writes the settings value and replaces the data file in one step, so a
    // failed save leaves the previous file whole.
    [[nodiscard]] SaveResult save();
    void clear();

    QString dataFilePath() const;
    // The folder that holds debts.dat and the export.
    QString dataFolder() const { return dataFolder_; }

private:
    void readDataFile(DebtList& debts, LoadReport& report) const;
    QStringList namesThatAreNotFinite() const;
    std::optional<SaveFailure> writeSettings();
    std::optional<SaveFailure> writeDataFile();

    QString dataFolder_;
    QSettings& settings_;
    DebtList debts_;
    double extraMoney_ = 0.0;
    // Saving replaces the whole file, so a file that was not read in full is
    // never replaced: the debts it still holds would be lost.
    bool dataFileReadInFull_ = true;
};
