#include "Colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace vireka {

QColor toQColor(Colour colour, const QPalette &palette)
{
    if (!isSystemColour(colour))
        return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
    switch (colour & 0xFFFF) {
    case 5: return palette.color(QPalette::Active, QPalette::Base);
    case 8: return palette.color(QPalette::Active, QPalette::Text);
    case 15: return palette.color(QPalette::Active, QPalette::Button);
    case 18: return palette.color(QPalette::Active, QPalette::ButtonText);
    default: return palette.color(QPalette::Active, QPalette::Window);
    }
}

QColor toQColor(Colour colour)
{
    return toQColor(colour, QGuiApplication::palette());
}

} // namespace vireka
