#include "debtlist.h"

DebtList::DebtList(QObject* parent) : QObject(parent) {}

QString DebtList::lookupKey(const QString& key)
{
    return keyOf(key).toCaseFolded();
}

DebtList::AddResult DebtList::add(const Debt& debt)
{
    if (count() >= kMaxCount)
        return AddResult::ListFull;
    const QString key = lookupKey(debt.creditor);
    if (positions_.contains(key))
        return AddResult::DuplicateKey;
    const int position = count();
    emit aboutToAdd(position);
    debts_.push_back(debt);
    positions_.insert(key, position);
    emit added(position);
    return AddResult::Added;
}

void DebtList::update(int position, double balance, double rate, double monthly, double startDate)
{
    Debt& debt = debts_.at(static_cast<size_t>(position));
    debt.balance = balance;
    debt.rate = rate;
    debt.monthly = monthly;
    debt.startDate = startDate;
    emit changed(position);
}

bool DebtList::rename(int position, const QString& creditor)
{
    Debt& debt = debts_.at(static_cast<size_t>(position));
    const QString key = lookupKey(creditor);
    const int holder = positions_.value(key, position);
    if (holder != position)
        return false;
    positions_.remove(lookupKey(debt.creditor));
    debt.creditor = creditor;
    positions_.insert(key, position);
    emit changed(position);
    return true;
}

bool DebtList::remove(const QString& key)
{
    const int position = indexOf(key);
    if (position < 0)
        return false;
    emit aboutToRemove(position);
    positions_.remove(lookupKey(key));
    debts_.erase(debts_.begin() + position);
    reindexFrom(position);
    emit removed(position);
    return true;
}

void DebtList::clear()
{
    emit aboutToReset();
    debts_.clear();
    positions_.clear();
    emit reset();
}

void DebtList::takeFrom(DebtList& other)
{
    emit aboutToReset();
    debts_ = std::move(other.debts_);
    positions_ = std::move(other.positions_);
    other.debts_.clear();
    other.positions_.clear();
    emit reset();
}

void DebtList::reindexFrom(int position)
{
    for (int i = position; i < count(); ++i)
        positions_[lookupKey(at(i).creditor)] = i;
}

int DebtList::indexOf(const QString& key) const
{
    return positions_.value(lookupKey(key), -1);
}

const Debt* DebtList::find(const QString& key) const
{
    const int position = indexOf(key);
    return position < 0 ? nullptr : &at(position);
}

std::vector<std::pair<QString, Debt::Flaw>> DebtList::flawedDebts() const
{
    std::vector<std::pair<QString, Debt::Flaw>> flawed;
    for (const Debt& debt : debts_) {
        if (debt.flaw() != Debt::Flaw::None)
            flawed.emplace_back(keyOf(debt.creditor), debt.flaw());
    }
    return flawed;
}
