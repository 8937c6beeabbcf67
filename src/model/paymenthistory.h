#pragma once

#include "history.h"
#include "store.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// history.db, the payment history beside debts.dat: the plans the user
// followed and the months they recorded, in an SQLite database through Qt
// SQL. It writes its own transactions as the user acts and stays out of
// Account::save().
//
// - The file is made by the first write (following a plan, or recording a
//   month), never at start-up; a missing file is an empty history.
// - Every change is one transaction: a kill at any moment leaves it whole or
//   not done at all. Nothing is ever deleted: a month recorded again
//   replaces its own values only, and a deleted debt keeps its history.
// - The schema has a version (PRAGMA user_version, kVersion). A file of a
//   newer version, one that is not a database or a damaged one is named when
//   loaded and never changed or replaced: the history is then unavailable
//   for the run, and every change is refused with that problem.
// - It is read whole when loaded and kept in memory: a user's history is a
//   few thousand rows at most.
class PaymentHistory : public Store {
public:
    static inline const QString kFileName = QStringLiteral("history.db");
    static constexpr int kVersion = 1;

    explicit PaymentHistory(const QString& folder);
    ~PaymentHistory() override;
    PaymentHistory(const PaymentHistory&) = delete;
    PaymentHistory& operator=(const PaymentHistory&) = delete;

    QString name() const override { return kFileName; }
    Part part() const override { return Part::Outside; }
    // Reads the file, if there is one; a problem goes into the report.
    void load(LoadReport& report) override;
    // Never called by Account::save(): every change writes itself.
    FileSave write() override { return {FileSave::Outcome::Unchanged, {}, {}}; }

    // Whether the history can be read and changed in this run.
    bool isAvailable() const { return !unusable_; }
    // Why it cannot, found when it was loaded.
    const std::optional<HistoryProblem>& problem() const { return unusable_; }

    // The plans followed, oldest first; the last is the one in force.
    const std::vector<FollowedPlan>& followedPlans() const { return plans_; }
    const FollowedPlan* followed() const { return plans_.empty() ? nullptr : &plans_.back(); }
    // The recorded months, earliest first.
    const std::vector<RecordedMonth>& months() const { return months_; }
    const RecordedMonth* recorded(YearMonth month) const;
    // Whether a debt of this key (trimmed, letter case aside) has a history:
    // a recorded payment, or a place in a followed plan.
    bool hasHistory(const QString& name) const;
    // A rename begun and not finished, if any.
    const std::optional<PendingRename>& pendingRename() const { return pending_; }

    // Each change is one transaction, and the file is made by the first. On
    // failure nothing changed, in the file or here, and the problem says why.
    // Keeps a new plan to follow; its id is given here.
    [[nodiscard]] std::optional<HistoryProblem> follow(FollowedPlan plan);
    // Records a month, or replaces the values of a month recorded before.
    [[nodiscard]] std::optional<HistoryProblem> record(RecordedMonth month);
    // Notes that a recorded month's balances reached debts.dat.
    [[nodiscard]] std::optional<HistoryProblem> markApplied(YearMonth month);
    // Renames a debt throughout the history and notes the rename as pending
    // until finishRename(), so that a stop before the files follow is seen
    // at the next start.
    [[nodiscard]] std::optional<HistoryProblem> beginRename(const QString& from, const QString& to);
    [[nodiscard]] std::optional<HistoryProblem> finishRename();

    // The most pages the database may grow to from now on (a test's way to
    // fill it); 0 is no limit of the program's own.
    void limitPages(int pages);

private:
    class Database;

    QString path() const;
    // Reads the file, keeping the connection open when it can be used.
    std::optional<HistoryProblem> read();
    // Runs the statements in one transaction, making the file and its tables
    // first when they are not there yet.
    std::optional<HistoryProblem> change(const std::function<bool(Database&)>& statements);

    QString folder_;
    std::optional<HistoryProblem> unusable_;
    std::vector<FollowedPlan> plans_;
    std::vector<RecordedMonth> months_;
    std::optional<PendingRename> pending_;
    int pageLimit_ = 0;
    std::unique_ptr<Database> database_; // open while a usable file is there
};
