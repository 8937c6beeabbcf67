#pragma once

class QFont;

namespace Fonts {

// The window fonts were chosen on a platform with MS Sans Serif and Courier
// New; point them at their metric-compatible Liberation fonts where they are
// missing, so captions fit their designed boxes.
void installSubstitutes();

QFont sansSerif(double points);
QFont fixedPitch(double points);

} // namespace Fonts
