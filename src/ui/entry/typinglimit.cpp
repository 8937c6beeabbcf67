#include "typinglimit.h"

#include <QLineEdit>
#include <algorithm>

TypingLimit::TypingLimit(int maxCharacters, QLineEdit* box)
    : QValidator(box), maxCharacters_(maxCharacters), box_(box)
{
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { previous_ = text; });
}

QValidator::State TypingLimit::validate(QString& input, int& position) const
{
    // setText() clears the modified flag before the new text is validated,
    // which is how text from the program is told from typing.
    if (!box_->isModified() || input.size() <= maxCharacters_)
        return Acceptable;
    // The cursor follows what was inserted, and what follows the cursor was
    // there before; so the change replaced previous_[start, previous_.size() -
    // kept) by input[start, position).
    const qsizetype kept = input.size() - position;
    if (kept < 0 || kept > previous_.size())
        return Acceptable;
    qsizetype start = 0;
    const qsizetype startLimit = std::min<qsizetype>(position, previous_.size() - kept);
    while (start < startLimit && input.at(start) == previous_.at(start))
        ++start;
    const qsizetype inserted = position - start;
    const qsizetype remaining = start + kept;
    const qsizetype room = std::max<qsizetype>(0, maxCharacters_ - remaining);
    if (inserted <= room)
        return Acceptable; // a deletion, or an insertion that fits
    if (room == 0)
        return Invalid;
    input = input.left(start + room) + input.right(kept);
    position = static_cast<int>(start + room);
    return Acceptable;
}
