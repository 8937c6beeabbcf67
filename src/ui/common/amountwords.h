#pragma once

#include <QString>

// How a message refuses an amount the user typed: it says what the box must
// hold, gives an example in the user's own form of numbers, and quotes what
// was typed, so that nothing is changed without a word.
namespace AmountWords {

// "Balance must be a number, such as 1,250.75; you typed "12abc"." (with
// nothing typed, without the last part).
QString refused(const QString& mustBe, const QString& example, const QString& typed);

} // namespace AmountWords
