#pragma once

#include "debt.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <utility>
#include <vector>

// The debts in the order they were added, each under its key: the creditor
// name trimmed of blanks, compared without regard to letter case. Every
// change is announced before and after it is made, so that views follow it.
class DebtList : public QObject {
    Q_OBJECT

public:
    using const_iterator = std::vector<Debt>::const_iterator;

    // debts.dat counts its records in 16 bits.
    static constexpr int kMaxCount = 32767;

    enum class AddResult { Added, DuplicateKey, ListFull };

    explicit DebtList(QObject* parent = nullptr);

    // The key a creditor name is filed under, as it is shown: without the
    // blanks around it.
    static QString keyOf(const QString& creditor) { return creditor.trimmed(); }
    // The form in which keys are compared: trimmed and case-folded.
    static QString lookupKey(const QString& key);
    // Whether two names file under the same key.
    static bool sameKey(const QString& a, const QString& b) { return lookupKey(a) == lookupKey(b); }

    // Appends a debt, unless its key is in use or the list is full.
    [[nodiscard]] AddResult add(const Debt& debt);
    // Gives the debt at a position new figures; its name, the key, stays.
    void update(int position, double balance, double rate, double monthly, double startDate);
    // Gives the debt at a position a new name, and so a new key; false when
    // another debt files under it.
    [[nodiscard]] bool rename(int position, const QString& creditor);
    // Removes the debt with this key; false when there is none.
    bool remove(const QString& key);
    void clear();
    // Replaces the debts by those of another list, which is left empty: one
    // change, however many debts, for a list read whole.
    void takeFrom(DebtList& other);

    int count() const { return static_cast<int>(debts_.size()); }
    const Debt& at(int position) const { return debts_.at(static_cast<size_t>(position)); }
    // By key, ignoring blanks around it and letter case; -1 when absent.
    int indexOf(const QString& key) const;
    const Debt* find(const QString& key) const;
    // The debts no calculation can use (see Debt::flaw), by key, with why.
    std::vector<std::pair<QString, Debt::Flaw>> flawedDebts() const;

    const_iterator begin() const { return debts_.cbegin(); }
    const_iterator end() const { return debts_.cend(); }

signals:
    void aboutToAdd(int position);
    void added(int position);
    void aboutToRemove(int position);
    void removed(int position);
    void changed(int position);
    void aboutToReset();
    void reset();

private:
    void reindexFrom(int position);

    std::vector<Debt> debts_;
    QHash<QString, int> positions_; // by lookup key
};
