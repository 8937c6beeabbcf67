#pragma once

#include <QStringView>
#include <optional>

namespace ExtraMoney {

// An amount the user typed for the extra money: the number at the start of
// the text, whatever the locale (see numberAtStart), rounded to the 15 digits
// it is shown with. Nothing when the text starts with no number or with a
// negative one, which no month can pay.
std::optional<double> fromTyped(QStringView text);

} // namespace ExtraMoney
