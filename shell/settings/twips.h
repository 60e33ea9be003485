#pragma once

namespace tabulo {

// Twips are 1/1440 inch; a pixel is 1440 / dpi of them (15 at 96 dpi).
struct Twips
{
    double perPixel = 15.0;
    static Twips forDpi(double logicalDpi) { return {logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0}; }
    int toPixels(double twips) const { return int(twips / perPixel + (twips >= 0 ? 0.5 : -0.5)); }
    double fromPixels(int pixels) const { return pixels * perPixel; }
};

} // namespace tabulo
