#pragma once

// Lengths kept in twips, as the layout's measures and the stored window places are: 1440 to the
// inch, so 15 to a pixel at 96 dots per inch. The results are unrounded: each caller rounds as
// its length needs.
namespace Twips {

inline constexpr int kPerInch = 1440;

constexpr double toPixels(double twips, int dotsPerInch) {
    return twips * dotsPerInch / kPerInch;
}

constexpr double fromPixels(double pixels, int dotsPerInch) {
    return pixels * kPerInch / dotsPerInch;
}

} // namespace Twips
