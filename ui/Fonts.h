#pragma once

#include <QFont>

namespace vireka {

// A font as the layouts give it: face, point size (as on a 96 dpi screen), weight and flags.
struct FontSpec {
    const char *face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Shorthands for the fonts the layouts use most.
constexpr FontSpec SansBold(double points) { return {"MS Sans Serif", points, true}; }
constexpr FontSpec Sans(double points) { return {"MS Sans Serif", points, false}; }

// Pixel size of a layout point size; fixed so that text measures the same on every screen.
int fontPixelSize(double points);

QFont toQFont(const FontSpec &spec);

// Maps the faces the layouts name onto fonts that Debian ships, keeping the names in the tables.
void installFontSubstitutions();

} // namespace vireka
