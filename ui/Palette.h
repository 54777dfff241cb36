#pragma once

#include "Colour.h"

// The colours the screens are drawn in, by name. Every layout table takes its colours from here, so
// that no two screens can disagree on what "Blue" is.
namespace vireka::colours {

constexpr Colour Black = RGB(0, 0, 0);
constexpr Colour White = RGB(255, 255, 255);
constexpr Colour Navy = RGB(0, 0, 128);
constexpr Colour Blue = RGB(0, 0, 192);
constexpr Colour BrightBlue = RGB(0, 0, 255);
constexpr Colour Red = RGB(255, 0, 0);
constexpr Colour DarkRed = RGB(192, 0, 0);
constexpr Colour Yellow = RGB(255, 255, 0);
constexpr Colour OliveYellow = RGB(192, 192, 0);
constexpr Colour Silver = RGB(192, 192, 192);
constexpr Colour LightGrey = RGB(224, 224, 224);
constexpr Colour LightCyan = RGB(128, 255, 255);
constexpr Colour Olive = RGB(128, 128, 0);
constexpr Colour LightYellow = RGB(255, 255, 192);
constexpr Colour Grey = RGB(128, 128, 128);
constexpr Colour DarkGrey = RGB(64, 64, 64);

// The greys of the classic three-dimensional edges, on the light grey button face (Silver). A sunken
// edge has the shadows above and to the left and the highlights below and to the right; a thin edge
// is only the outer pair.
constexpr Colour EdgeShadow = Grey;                 // outer shadow
constexpr Colour EdgeHighlight = White;             // outer highlight
constexpr Colour EdgeDarkShadow = Black;            // inner shadow
constexpr Colour EdgeMidlight = RGB(223, 223, 223); // inner highlight

} // namespace vireka::colours
