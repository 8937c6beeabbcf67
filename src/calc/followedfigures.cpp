#include "followedfigures.h"

#include <algorithm>

int FollowedFigures::positionOf(const QString& key) const
{
    const auto found = std::find(keys.begin(), keys.end(), key);
    return found == keys.end() ? -1 : static_cast<int>(found - keys.begin());
}

int FollowedFigures::indexOf(YearMonth month) const
{
    if (months.empty())
        return -1;
    const int index = month.index() - months.front().index();
    return index >= 0 && index < static_cast<int>(months.size()) ? index : -1;
}

const RecordedFigures* MonthRecordFigures::debt(const QString& key) const
{
    const auto found = std::find_if(debts.begin(), debts.end(),
                                    [&](const RecordedFigures& d) { return d.key == key; });
    return found == debts.end() ? nullptr : &*found;
}
