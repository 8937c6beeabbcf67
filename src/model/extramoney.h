#pragma once

#include <QString>
#include <optional>

namespace ExtraMoney {

// An amount the user typed for the extra money (see TypedAmount), rounded to
// the 15 digits it is shown with. Nothing when the text is no amount, or a
// negative one, which no month can pay.
std::optional<double> fromTyped(const QString& text);

// The setting's text: the general form with a period, which reads back the
// same in every locale.
QString toSetting(double amount);
// The setting as this or any earlier version wrote it: earlier versions
// wrote the locale's decimal separator, so "150,5" is 150.5. Text with no
// number at its start is 0.
double fromSetting(const QString& text);

} // namespace ExtraMoney
