#pragma once

#include <algorithm>
#include <cmath>

namespace tabulo {

// Twips are 1/1440 inch; a pixel is 1440 / dpi of them (15 at 96 dpi).
struct Twips
{
    double perPixel = 15.0;
    static Twips forDpi(double logicalDpi) { return {logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0}; }

    // Rounded to the nearest pixel. A hand-edited file may hold any number:
    // converting a double outside the int range is undefined, so the result
    // stays within +-2^24 pixels (no screen comes near, and a window
    // rectangle's x + width cannot overflow) and NaN gives 0.
    int toPixels(double twips) const
    {
        constexpr double limit = 1 << 24;
        const double pixels = twips / perPixel;
        if (std::isnan(pixels))
            return 0;
        return int(std::lround(std::clamp(pixels, -limit, limit)));
    }
    double fromPixels(int pixels) const { return pixels * perPixel; }
};

} // namespace tabulo
