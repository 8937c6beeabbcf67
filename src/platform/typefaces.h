#pragma once

#include <QString>
#include <QStringList>

// The typefaces the windows and the printed report were designed with, and
// the metric-compatible fonts that stand in for them where a machine lacks
// them, the nearest first.
namespace Typefaces {

inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QStringList kSansSerifStandIns = {
    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")};
inline const QString kFixedPitch = QStringLiteral("Courier New");
inline const QStringList kFixedPitchStandIns = {QStringLiteral("Liberation Mono"),
                                                QStringLiteral("Courier")};

} // namespace Typefaces
