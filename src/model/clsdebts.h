#pragma once

#include "clsdebt.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

class Prompter;

// The debts in the order they were added, each under its key: the creditor
// name trimmed of blanks, compared without regard to letter case.
class clsDebts {
public:
    using DebtPtr = std::shared_ptr<clsDebt>;
    using const_iterator = std::vector<DebtPtr>::const_iterator;

    // debts.dat counts its records in 16 bits.
    static constexpr int kMaxCount = 32767;

    enum class DeleteResult { Removed, Kept, NotFound };

    explicit clsDebts(Prompter& prompter);

    // Appends a debt. A key that is already in use, or a full collection, is
    // reported to the user and nothing is added; the result is null then.
    DebtPtr Add(const QString& Creditor, double Balance, double Rate, double Monthly, double sdate);
    int Count() const { return static_cast<int>(debts_.size()); }
    // By position, counted from 1; null when there is no such position.
    DebtPtr Item(int position) const;
    // By key, ignoring blanks around it and letter case; null when absent.
    DebtPtr Item(const QString& key) const;
    // Asks the user, then removes the debt unless the answer is No.
    DeleteResult Delete(const QString& key);

    const_iterator begin() const { return debts_.cbegin(); }
    const_iterator end() const { return debts_.cend(); }

    static QString keyOf(const QString& creditor);

private:
    static QString lookupKey(const QString& key);

    Prompter& prompter_;
    std::vector<DebtPtr> debts_;
    QHash<QString, DebtPtr> byKey_;
};
