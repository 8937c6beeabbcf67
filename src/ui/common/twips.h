#pragma once

#include <QRect>

// Window positions are designed in twips, 15 to a pixel at 96 dots per inch.
namespace Twips {

constexpr int kPerPixel = 15;

constexpr int toPixels(double twips)
{
    return static_cast<int>(twips >= 0 ? twips / kPerPixel + 0.5 : twips / kPerPixel - 0.5);
}

constexpr double fromPixels(int pixels)
{
    return static_cast<double>(pixels) * kPerPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
