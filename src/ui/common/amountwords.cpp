#include "amountwords.h"

namespace AmountWords {

QString refused(const QString& mustBe, const QString& example, const QString& typed)
{
    // A box left empty has nothing to quote.
    if (typed.isEmpty())
        return QStringLiteral("%1, such as %2.").arg(mustBe, example);
    return QStringLiteral("%1, such as %2; you typed \"%3\".").arg(mustBe, example, typed);
}

} // namespace AmountWords
