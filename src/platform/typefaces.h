#pragma once

#include <QString>

// The typefaces the windows and the printed report were designed with. Where
// a machine lacks them, metric-compatible fonts stand in (see ui/fonts.h).
namespace Typefaces {

inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kFixedPitch = QStringLiteral("Courier New");

} // namespace Typefaces
