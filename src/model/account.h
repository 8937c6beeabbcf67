#pragma once

#include "debtlist.h"
#include "debtsfile.h"
#include "paymenthistory.h"
#include "paymentplan.h"
#include "store.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QSettings;

// What a save did with each store it wrote, in the order it wrote them.
struct SaveResult {
    struct Saved {
        QString store; // Store::name()
        FileSave file;
    };
    std::vector<Saved> stores;

    // What became of the store of this name; Unchanged for one the save did
    // not write.
    FileSave of(const QString& store) const;
    bool saved(const QString& store) const { return of(store).saved(); }
    bool allSaved() const;
};

// What a rename did: refused by the history, or what the save of the files did.
struct RenameResult {
    std::optional<HistoryProblem> history; // the history could not follow: nothing renamed
    SaveResult files;

    bool renamed() const;
};

// The user's debts, the extra money paid each month and the payment plan,
// each kept in its store: debts.dat and plan.json in the data folder, the
// extra money and the method chosen last in the settings; both places are
// handed in by the start-up routine. The payment history (history.db) is a
// store that writes its own changes. The account reports what happened and leaves it to the windows
// to tell the user.
class Account {
public:
    static inline const QString kDataFileName = DebtsFile::kFileName;
    // The redo journal of a save that replaces more than one file.
    static inline const QString kJournalName = QStringLiteral(".debts.dat.journal");

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
    ~Account();

    DebtList& debts() { return debts_; }
    const DebtList& debts() const { return debts_; }

    double extraMoney() const { return extraMoney_; }
    // Nothing is saved until save() is called.
    void setExtraMoney(double amount) { extraMoney_ = amount; }

    PaymentHistory& history() { return *history_; }
    const PaymentHistory& history() const { return *history_; }

    // The payoff method's id chosen last; empty when none was.
    const QString& chosenMethod() const { return method_; }
    // Keeps the choice for the next start, at once.
    void setChosenMethod(const QString& id);

    // Renames a debt everywhere at once: in the history first (the rename
    // noted there as pending), then in plan.json and debts.dat together, and
    // last the history's note is cleared. When the files cannot be written
    // all is taken back; a stop part-way is finished by finishRename() at the
    // next start. While the history cannot be used nothing is renamed.
    [[nodiscard]] RenameResult renameDebt(const QString& key, const QString& name);
    // Finishes a rename that a stop left pending in the history.
    [[nodiscard]] SaveResult finishRename(const PendingRename& rename);

    const PaymentPlan& plan() const { return plan_; }
    void setPlan(const PaymentPlan& plan) { plan_ = plan; }
    // Removes a debt and what the plan says of it; false when there is none.
    bool removeDebt(const QString& key);

    // Replaces what the account holds by what each store keeps, once a
    // save a stop broke off is finished from its journal (or the journal,
    // when torn, dropped).
    [[nodiscard]] LoadReport load();
    // Saves the stores in their order (see Store::Part): the setting alone,
    // then plan.json and debts.dat together, the plan first, so that a
    // delete of a debt its plan could not follow is not written. Each file
    // is replaced in one step, so a failed save leaves the previous file
    // whole; when both files change, a journal beside them lets the next
    // start finish what a stop between the two broke off.
    [[nodiscard]] SaveResult save();
    // From now on every save to the data folder is refused for this reason.
    void refuseSaving(const FileProblem& why) { savingRefused_ = why; }

    Snapshot snapshot() const;
    void restore(const Snapshot& snapshot);

    // The folder that holds debts.dat and the export.
    QString dataFolder() const { return dataFolder_; }
    // The files the account keeps in the data folder, debts.dat first (it
    // names the folder's lock), and the journal of its saves.
    QStringList dataFileNames() const;

private:
    QString dataFolder_;
    DebtList debts_;
    double extraMoney_ = 0.0;
    PaymentPlan plan_;
    QString method_;
    // In the order save() writes them; a new store is one line where they
    // are made.
    std::vector<std::unique_ptr<Store>> stores_;
    PaymentHistory* history_ = nullptr; // two of the stores, found once
    Store* methodSetting_ = nullptr;
    std::optional<FileProblem> savingRefused_;

    std::optional<LoadReport::BrokenOffSave> finishBrokenOffSave();
    SaveResult saveStores();
    Store* togetherStore(const QString& name) const;
};
