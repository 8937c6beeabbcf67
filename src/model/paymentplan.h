#pragma once

#include "platform/yearmonth.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

// What the user plans beyond the debts and the extra money setting: changes
// of the extra money from a month on or in one month, promotional rates that
// end in a month, and an order of payment of their own. Debts are named by
// their key (see DebtList::keyOf); entries that name no current debt are kept.
//
// plan.json may be edited by hand, and a note added there must outlive the
// next save: the keys this program does not know are kept with the plan and
// each entry (`otherKeys`) and written back. They are the user's, not the
// plan's, so they never make two plans differ: an unchanged plan is not
// written again.
struct PaymentPlan {
    struct ExtraMoneyChange {
        YearMonth month;
        double amount = 0.0; // a change, not a level: added to the setting
        bool once = false;   // in that month only, or from it on
        QJsonObject otherKeys{};

        friend bool operator==(const ExtraMoneyChange& a, const ExtraMoneyChange& b)
        {
            return a.month == b.month && a.amount == b.amount && a.once == b.once;
        }
    };
    struct Promotion {
        QString creditor;
        double ratePercent = 0.0; // in force up to and including `through`
        YearMonth through;
        QJsonObject otherKeys{};
    };

    std::vector<ExtraMoneyChange> extraMoneyChanges;
    std::vector<Promotion> promotions;
    QStringList customOrder;
    QJsonObject otherKeys{};

    bool isEmpty() const
    {
        return extraMoneyChanges.empty() && promotions.empty() && customOrder.isEmpty();
    }
    // The promotion of the debt with this key, if it has one.
    const Promotion* promotionOf(const QString& key) const;
    // Drops the promotion of a debt, if it has one.
    bool dropPromotion(const QString& key);
    // Drops what names a deleted debt: its promotion and its place in the order.
    bool dropDebt(const QString& key);
    // Names a renamed debt by its new name in its promotion and the order.
    void renameDebt(const QString& key, const QString& name);

    friend bool operator==(const PaymentPlan& a, const PaymentPlan& b);
};
