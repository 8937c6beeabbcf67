#include "extramoney.h"

#include "platform/formats.h"
#include "platform/numberparse.h"
#include "platform/typedamount.h"

#include <QLocale>
#include <cmath>

namespace ExtraMoney {

std::optional<double> fromTyped(const QString& text)
{
    const TypedAmount::Read typed = TypedAmount::read(text);
    if (!typed.amount)
        return std::nullopt;
    return Format::roundedToGeneral(*typed.amount);
}

QString toSetting(double amount)
{
    return Format::general(amount, QLocale::c());
}

double fromSetting(const QString& text)
{
    // Written with no thousands separators, so a comma can only have been
    // a decimal separator; the program's locale reads its own digits.
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    for (const QString& form : {text, QString(text).replace(QLatin1Char(','), QLatin1Char('.'))}) {
        bool ok = false;
        const double value = plain.toDouble(form.trimmed(), &ok);
        if (ok && std::isfinite(value))
            return value;
    }
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(value))
        return value;
    return numberAtStart(text).value;
}

} // namespace ExtraMoney
