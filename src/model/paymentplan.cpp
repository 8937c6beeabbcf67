#include "paymentplan.h"

#include "debtlist.h"

#include <algorithm>

using SameKey = bool (*)(const QString&, const QString&);
static constexpr SameKey sameKey = &DebtList::sameKey;

const PaymentPlan::Promotion* PaymentPlan::promotionOf(const QString& key) const
{
    const auto found = std::find_if(promotions.begin(), promotions.end(),
                                    [&](const Promotion& p) { return sameKey(p.creditor, key); });
    return found == promotions.end() ? nullptr : &*found;
}

bool PaymentPlan::dropPromotion(const QString& key)
{
    const auto promotion =
        std::remove_if(promotions.begin(), promotions.end(),
                       [&](const Promotion& p) { return sameKey(p.creditor, key); });
    const bool promoted = promotion != promotions.end();
    promotions.erase(promotion, promotions.end());
    return promoted;
}

bool PaymentPlan::dropDebt(const QString& key)
{
    const bool promoted = dropPromotion(key);
    const qsizetype ordered =
        customOrder.removeIf([&](const QString& name) { return sameKey(name, key); });
    return promoted || ordered > 0;
}

void PaymentPlan::renameDebt(const QString& key, const QString& name)
{
    for (Promotion& promotion : promotions) {
        if (sameKey(promotion.creditor, key))
            promotion.creditor = name;
    }
    for (QString& ordered : customOrder) {
        if (sameKey(ordered, key))
            ordered = name;
    }
}

bool operator==(const PaymentPlan& a, const PaymentPlan& b)
{
    const auto samePromotions = [](const PaymentPlan::Promotion& x,
                                   const PaymentPlan::Promotion& y) {
        return x.creditor == y.creditor && x.ratePercent == y.ratePercent && x.through == y.through;
    };
    return std::equal(a.extraMoneyChanges.begin(), a.extraMoneyChanges.end(),
                      b.extraMoneyChanges.begin(), b.extraMoneyChanges.end()) &&
           std::equal(a.promotions.begin(), a.promotions.end(), b.promotions.begin(),
                      b.promotions.end(), samePromotions) &&
           a.customOrder == b.customOrder;
}
