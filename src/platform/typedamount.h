#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Reading an amount the user typed: one reader for every amount box, so that
// each box takes the same forms and refuses the same texts.
namespace TypedAmount {

// What a box may take besides a plain amount.
struct Form {
    bool negativeAllowed = false; // a change of the extra money may be a cut
    bool percentAllowed = false;  // a rate may end in "%"
};

enum class Refusal {
    NoNumber, // the text is not one amount
    Negative, // it is one, but below zero where the box takes none
};

struct Read {
    std::optional<double> amount;        // set when the text is one amount of the form
    Refusal refusal = Refusal::NoNumber; // why not, when it is not
};

// The amount in the text, written either as the locale writes numbers (its
// digits, group and decimal separators, its currency sign and minus) or in
// the plain form that works everywhere: ASCII digits, a period, no groups.
// Where a text reads both ways, the locale's way wins: "1.234" is 1234 in
// Germany. Blanks around the amount, one currency sign before or after it
// and, for a rate, a trailing percent sign are left out. The value is the
// double nearest the decimal number typed; nothing is ever cut off a text
// to make it read ("12.5abc" is refused, not 12.5).
Read read(const QString& text, Form form = {}, const QLocale& locale = QLocale());

// An amount as an example in a message, in the locale's own form:
// 1250.75 is "1,250.75" in the United States, "1.250,75" in Germany.
QString example(double amount, const QLocale& locale = QLocale());

} // namespace TypedAmount
