#include "priorityorder.h"

#include <QHash>
#include <utility>
#include <vector>

DebtArray orderedBy(DebtArray debts, DebtKey key, KeyOrder order)
{
    const int count = static_cast<int>(debts.size());
    if (count < 2)
        return debts;
    // The passes exchange positions in an index, not whole debts, and
    // compare keys worked out once per debt.
    std::vector<int> index(debts.size());
    std::vector<double> keys(debts.size());
    for (int i = 0; i < count; ++i) {
        index[i] = i;
        keys[i] = key(debts[i]);
    }
    const bool highestFirst = order == KeyOrder::HighestFirst;
    const auto ranksBelow = [&](int j, int k) {
        return highestFirst ? keys[index[j]] < keys[index[k]] : keys[index[j]] > keys[index[k]];
    };
    // count - 1 passes, each over the whole array from its first debt.
    for (int pass = count; pass >= 2; --pass) {
        int k = 0;
        for (int j = 1; j < count; ++j) {
            if (ranksBelow(j, k))
                k = j;
            // Every step exchanges, whether or not the test held; this is
            // what decides the order of equal keys.
            std::swap(index[k], index[j]);
        }
    }
    DebtArray ordered;
    ordered.reserve(debts.size());
    for (const int i : index)
        ordered.push_back(std::move(debts[i]));
    return ordered;
}

DebtArray inCustomOrder(const DebtArray& debts, const QStringList& keys)
{
    QHash<QString, size_t> positions;
    for (size_t i = 0; i < debts.size(); ++i)
        positions.insert(debts[i].key, i);
    std::vector<bool> placed(debts.size(), false);
    DebtArray ordered;
    ordered.reserve(debts.size());
    for (const QString& key : keys) {
        const auto found = positions.constFind(key);
        if (found != positions.cend() && !placed[found.value()]) {
            placed[found.value()] = true;
            ordered.push_back(debts[found.value()]);
        }
    }
    for (size_t i = 0; i < debts.size(); ++i) {
        if (!placed[i])
            ordered.push_back(debts[i]);
    }
    return ordered;
}
