#pragma once

#include "debtlist.h"
#include "paymentplan.h"
#include "planfile.h"
#include "platform/fileproblem.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class QSettings;

// What a load found that the user should hear of.
struct LoadReport {
    // Why the data file was not taken whole: a save would write less than
    // it holds, so it is kept beside itself before the first save.
    QStringList repeatedNames; // the debts whose names later records repeat, each once
    int emptiedRecords = 0;    // records whose first byte is 0, which hold no debt
    qint64 strayBytes = 0;     // at its end, not a whole record
    bool tooMany = false;      // only the first DebtList::kMaxCount debts were read
    // Debts loaded as they are that no calculation can use, with the reason.
    std::vector<std::pair<QString, Debt::Flaw>> flawed;
    // The file could not be read at all; it is never replaced.
    std::optional<FileProblem> readError;
    // plan.json could not be taken; the program goes on without it.
    std::optional<PlanProblem> planProblem;

    int notANumber() const;
    bool takenWhole() const;
};

// What a save did with one file.
struct FileSave {
    enum class Outcome {
        Written,
        Unchanged, // not written: nothing in it changed
        Unread,    // it could not be read when loaded, and is left as it is
        NotKept,   // not taken whole, and no copy of it could be made first
        NotWritten,
        Skipped, // not written, as the plan that goes with the change was not
    };
    Outcome outcome = Outcome::Written;
    std::optional<FileProblem> problem; // when NotKept or NotWritten
    // Where this save first kept the file as it was when loaded.
    std::optional<QString> keptAs;

    bool saved() const { return outcome == Outcome::Written || outcome == Outcome::Unchanged; }
};

struct SaveResult {
    FileSave dataFile;
    FileSave planFile{FileSave::Outcome::Unchanged, {}, {}};
    std::optional<FileProblem> settingProblem; // the extra money was not written

    bool planSaved() const { return planFile.saved(); }
    bool debtsSaved() const { return dataFile.saved() && planSaved(); }
    bool extraMoneySaved() const { return !settingProblem; }
};

// The user's debts and the extra money paid each month. The debts live in
// debts.dat in the data folder, the extra money in the settings store; both
// are handed in by the start-up routine. The account reports what happened
// and leaves it to the windows to tell the user.
class Account {
public:
    static inline const QString kDataFileName = QStringLiteral("debts.dat");

    // What the account holds, to take a change back when it could not be saved.
    struct Snapshot {
        std::vector<Debt> debts;
        double extraMoney = 0.0;
        PaymentPlan plan;

        friend bool operator==(const Snapshot& a, const Snapshot& b)
        {
            return a.debts == b.debts && a.extraMoney == b.extraMoney && a.plan == b.plan;
        }
    };

    Account(const QString& dataFolder, QSettings& settings);

    DebtList& debts() { return debts_; }
    const DebtList& debts() const { return debts_; }

    double extraMoney() const { return extraMoney_; }
    // Nothing is saved until save() is called.
    void setExtraMoney(double amount) { extraMoney_ = amount; }

    const PaymentPlan& plan() const { return plan_; }
    void setPlan(const PaymentPlan& plan);
    // Removes a debt and what the plan says of it; false when there is none.
    bool removeDebt(const QString& key);

    // Replaces the contents by the settings value and the records of the
    // data file (created empty when missing).
    [[nodiscard]] LoadReport load();
    // Writes the settings value and replaces the data file in one step, so a
    // failed save leaves the previous file whole. A file that was not taken
    // whole is first kept beside itself, once.
    [[nodiscard]] SaveResult save();
    void clear();

    Snapshot snapshot() const;
    void restore(const Snapshot& snapshot);

    QString dataFilePath() const;
    QString planFilePath() const;
    // The folder that holds debts.dat and the export.
    QString dataFolder() const { return dataFolder_; }

private:
    void readDataFile(DebtList& debts, LoadReport& report) const;
    std::optional<FileProblem> writeSetting();
    FileSave writePlanFile();
    FileSave writeDataFile();
    // Replaces a file by these bytes; one not taken whole when it was read
    // is first copied as it is to the first free name of file.bak,
    // file.bak.2, ..., and not replaced when no copy can be made.
    static FileSave replace(const QString& path, const QByteArray& bytes, bool keepFirst);

    QString dataFolder_;
    QSettings& settings_;
    DebtList debts_;
    double extraMoney_ = 0.0;

    enum class Loaded { Whole, NotWhole, Unread };
    // A file that could not be read is never replaced; one that was not
    // taken whole is kept beside itself before it is first replaced.
    Loaded loaded_ = Loaded::Whole;

    PaymentPlan plan_;
    // What plan.json holds: a failed save of the debts after the plan was
    // written puts it back, so that the two files never disagree.
    PaymentPlan savedPlan_;
    // plan.json could not be taken when loaded: kept beside itself before
    // it is first replaced.
    bool planUnread_ = false;
};
