#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

namespace vireka {

// A colour as the layouts store it: 0x00BBGGRR, or 0x80000000 plus a system colour index.
using Colour = std::uint32_t;

constexpr Colour RGB(int r, int g, int b)
{
    return Colour(r & 0xFF) | (Colour(g & 0xFF) << 8) | (Colour(b & 0xFF) << 16);
}

constexpr Colour SystemWindowBackground = 0x80000005;
constexpr Colour SystemWindowText = 0x80000008;
constexpr Colour SystemButtonFace = 0x8000000F;
constexpr Colour SystemButtonText = 0x80000012;

// Marks a colour a table leaves out; the control kind's default applies.
constexpr Colour KindDefault = 0xFFFFFFFF;

constexpr bool isSystemColour(Colour c) { return (c & 0x80000000U) != 0 && c != KindDefault; }

QColor toQColor(Colour colour, const QPalette &palette);
// A colour in the program's own palette: system colours come from classicPalette().
QColor toQColor(Colour colour);

// The program's own classic light palette: window background white, window and button text black,
// button face light grey. The screens use it whatever the desktop's theme, so that their stored
// texts and designed colours look the same on a dark desktop.
const QPalette &classicPalette();

} // namespace vireka
