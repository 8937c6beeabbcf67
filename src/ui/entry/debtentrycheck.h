#pragma once

#include <QDate>
#include <QString>
#include <optional>

// What the Debt Entry dialog's boxes hold, as typed.
struct DebtEntryTexts {
    QString creditor;
    QString balance;
    QString monthly;
    QString rate; // in percent
    QString startDate;
};

// The dialog's checks of the entries, in their order: the first that fails
// is the message the user sees, and the boxes keep what was typed.
struct DebtEntryCheck {
    struct Values {
        double balance = 0;
        double monthly = 0;
        double rate = 0; // in percent, as typed
        QDate startDate; // today when none was typed
    };
    std::optional<Values> values; // when every check passed
    QString message;              // the first check that failed
    // When the minimum does not cover a month's interest, the minimum box is
    // given the interest, for the user to go on from.
    std::optional<QString> suggestedMonthly;

    static DebtEntryCheck of(const DebtEntryTexts& texts, QDate today);
    // The checks of a creditor's name alone, in their order (as a rename
    // makes them); empty when the name passes.
    static QString nameRefusal(const QString& creditor);
};
