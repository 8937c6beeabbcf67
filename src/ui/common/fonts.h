#pragma once

class QFont;

namespace Fonts {

// The size of the windows' own text.
constexpr double kWindowPoints = 8.25;

// The window fonts were chosen on a platform with MS Sans Serif and Courier
// New; points them at their metric-compatible Liberation fonts where they
// are missing, so captions fit their designed boxes, and makes the sans
// serif the font of every window, menu and box.
void useWindowFonts();

QFont sansSerif(double points);
QFont fixedPitch(double points);

} // namespace Fonts
