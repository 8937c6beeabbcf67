#pragma once

#include "debt.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

class Prompter;

// The debts in the order they were added, each under its key: the creditor
// name trimmed of blanks, compared without regard to letter case.
class DebtList {
public:
    using DebtPtr = std::shared_ptr<Debt>;
    using const_iterator = std::vector<DebtPtr>::const_iterator;

    // debts.dat counts its records in 16 bits.
    static constexpr int kMaxCount = 32767;

    explicit DebtList(Prompter& prompter);

    // Appends a debt. A key that is already in use, or a full list, is
    // reported to the user and nothing is added; the result is null then.
    DebtPtr add(const Debt& debt);
    int count() const { return static_cast<int>(debts_.size()); }
    // By key, ignoring blanks around it and letter case; null when absent.
    DebtPtr find(const QString& key) const;
    // Asks the user, then removes the debt unless the answer is No. A key
    // that matches nothing asks nothing.
    void remove(const QString& key);

    const_iterator begin() const { return debts_.cbegin(); }
    const_iterator end() const { return debts_.cend(); }

private:
    static QString lookupKey(const QString& key);

    Prompter& prompter_;
    std::vector<DebtPtr> debts_;
    QHash<QString, DebtPtr> byKey_;
};
