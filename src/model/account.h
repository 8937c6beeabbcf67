#pragma once

#include "debtlist.h"
#include "paymentplan.h"
#include "planfile.h"
#include "platform/fileproblem.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <variant>
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

struct SaveResult {
    enum class DataFile {
        Written,
        Unread,  // it could not be read when loaded, and is left as it is
        NotKept, // not taken whole, and no copy of it could be made first
        NotWritten,
        Skipped, // not written, as the plan that goes with the change was not
    };
    enum class PlanFile {
        Unchanged, // not written: the plan did not change
        Written,
        NotKept, // unreadable when loaded, and no copy of it could be made first
        NotWritten,
    };
    DataFile dataFile = DataFile::Written;
    std::optional<FileProblem> dataFileProblem; // when NotKept or NotWritten
    PlanFile planFile = PlanFile::Unchanged;
    std::optional<FileProblem> planFileProblem; // when NotKept or NotWritten
    std::optional<FileProblem> settingProblem;  // the extra money was not written
    // Where this save first kept the data file, or plan.json, as it was.
    std::optional<QString> keptAs;
    std::optional<QString> planKeptAs;

    bool planSaved() const
    {
        return planFile == PlanFile::Unchanged || planFile == PlanFile::Written;
    }
    bool debtsSaved() const { return dataFile == DataFile::Written && planSaved(); }
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
    void writeDataFile(SaveResult& result);
    void writePlanFile(SaveResult& result);
    // Copies a file as it is to the first free name of file.bak, file.bak.2,
    // ...; the name it was kept under, or why it was not.
    static std::variant<QString, FileProblem> keep(const QString& path);

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
