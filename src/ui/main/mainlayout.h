#pragma once

#include <optional>

// How the main window follows its size. Only the schedule grid is resized;
// the upper block keeps its designed place in a narrow window and is centred
// in a wider one. All values in twips.
struct MainLayout {
    static constexpr double kReferenceWidth = 9600;
    static constexpr double kGridWidthMargin = 150;
    static constexpr double kGridHeightMargin = 2620;
    static constexpr double kMinimumHeight = 2825;
    // The rule is stated for the window's outer size on the platform it was
    // designed on: the client area plus a sizable frame and a title bar.
    // Adding that frame to the client size gives the designed result whatever
    // frame the window manager draws (or none, offscreen).
    static constexpr double kFrameWidth = 120;
    static constexpr double kFrameHeight = 405;

    double scheduleWidth = 0;
    std::optional<double> scheduleHeight; // unset: keep the current height
    double offset = 0;                    // added to the upper block's designed left edges
};

MainLayout mainLayoutFor(double clientWidth, double clientHeight);
