#pragma once

#include "debt.h"
#include "history.h"
#include "planfile.h"
#include "platform/fileproblem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

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
    // history.db could not be used; the program goes on without it.
    std::optional<HistoryProblem> historyProblem;
    // Data files in whose place stands something that is no file; the
    // program goes on without them, and refuses to save to them.
    std::vector<FileProblem> notFiles;
    // A save a stop broke off, found by its journal at this start.
    struct BrokenOffSave {
        enum class Outcome {
            Finished,    // every file now holds what the action left
            Dropped,     // the journal was torn: the files are as before the action
            NotFinished, // the journal stays; problem says why
        };
        Outcome outcome = Outcome::Finished;
        QString journal; // its path
        QStringList files;
        std::optional<FileProblem> problem;
    };
    std::optional<BrokenOffSave> brokenOffSave;

    int notANumber() const;
    bool takenWhole() const;
};

// What a save did with one store.
struct FileSave {
    enum class Outcome {
        Written,
        Unchanged, // not written: nothing in it changed
        Unread,    // it could not be read when loaded, and is left as it is
        NotKept,   // not taken whole, and no copy of it could be made first
        NotWritten,
        Skipped,   // not written, as a store it goes with was not
        TakenBack, // written, then put back as it was, as a store it goes with was not
    };
    Outcome outcome = Outcome::Written;
    std::optional<FileProblem> problem; // when NotKept or NotWritten
    // Where this save first kept the file as it was when loaded.
    std::optional<QString> keptAs;

    bool saved() const { return outcome == Outcome::Written || outcome == Outcome::Unchanged; }
};

// One place the account keeps part of what it holds: a file in the data
// folder, or the settings. The account loads every store and saves them in
// the order it lists them (see Account); a store knows its file and how to
// write it, and, where it has them, how to keep its file beside itself
// before replacing it and how to take a write back.
class Store {
public:
    // How a store takes part in Account::save().
    enum class Part {
        // Written whatever becomes of the others; its failure touches nothing
        // else.
        Alone,
        // All or nothing with the other stores of this part, which must agree:
        // the first that fails skips those after it and takes back those
        // written before it.
        Together,
        // Writes its own transactions as the user acts; save() leaves it be.
        Outside,
    };

    virtual ~Store() = default;

    // Its name: the file's name in the data folder, or the setting's key.
    virtual QString name() const = 0;
    // Whether its file lies in the data folder, which the folder lock guards.
    virtual bool inDataFolder() const { return true; }
    virtual Part part() const = 0;
    // Replaces what the account holds of it by what it keeps.
    virtual void load(LoadReport& report) = 0;
    virtual FileSave write() = 0;
    // Puts back what the store held before its last write; false when it
    // cannot.
    virtual bool takeBack() { return false; }
    // The bytes write() is about to put in its file, for the journal of a
    // save that changes more than one file; nothing when write() leaves its
    // file be, or first keeps a copy of it (which no journal can redo).
    virtual std::optional<QByteArray> contentToWrite() const { return std::nullopt; }

    // While the refusal holds a problem, every write of the store's file is
    // refused with it (the account's, which lives as long as the store).
    void shareRefusal(const std::optional<FileProblem>& refusal) { refusal_ = &refusal; }

protected:
    // The backup rule: replaces a file by these bytes in one step; when
    // keepFirst, the file as it is is first copied to the first free name of
    // file.bak, file.bak.2, ..., and not replaced when no copy can be made.
    // Anything but a file in its place is refused, and never copied.
    FileSave replace(const QString& path, const QByteArray& bytes, bool keepFirst) const;

private:
    const std::optional<FileProblem>* refusal_ = nullptr;
};
