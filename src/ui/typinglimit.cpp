#include "typinglimit.h"

#include <QLineEdit>

TypingLimit::TypingLimit(int maxCharacters, QLineEdit* box)
    : QValidator(box), maxCharacters_(maxCharacters), box_(box)
{
}

QValidator::State TypingLimit::validate(QString& input, int&) const
{
    if (input.size() <= maxCharacters_ || input.size() < box_->text().size())
        return Acceptable;
    return Invalid;
}
