#include "mainlayout.h"

MainLayout mainLayoutFor(double clientWidth, double clientHeight)
{
    // Single precision, as the rule was designed.
    const float outerWidth = static_cast<float>(clientWidth + MainLayout::kFrameWidth);
    const float outerHeight = static_cast<float>(clientHeight + MainLayout::kFrameHeight);
    MainLayout layout;
    layout.scheduleWidth = outerWidth - static_cast<float>(MainLayout::kGridWidthMargin);
    if (outerHeight >= MainLayout::kMinimumHeight)
        layout.scheduleHeight = outerHeight - static_cast<float>(MainLayout::kGridHeightMargin);
    if (outerWidth >= MainLayout::kReferenceWidth)
        layout.offset = (outerWidth - static_cast<float>(MainLayout::kReferenceWidth)) / 2.0f;
    return layout;
}
