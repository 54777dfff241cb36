#pragma once

#include <cstdint>

namespace vireka {

// Layouts are written in twips, 15 to the logical pixel. Values that are not a multiple of 15
// round half away from zero, so that a control never loses a pixel to truncation.
constexpr int twipsToPixels(int twips)
{
    const int whole = twips / 15;
    const int rest = twips % 15;
    if (rest * 2 >= 15) return whole + 1;
    if (rest * 2 <= -15) return whole - 1;
    return whole;
}

} // namespace vireka
