#include "Colour.h"

#include "Palette.h"

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
    // A plain colour needs no palette: the classic palette is itself made of plain colours.
    if (!isSystemColour(colour))
        return toQColor(colour, QPalette());
    return toQColor(colour, classicPalette());
}

namespace {

QPalette makeClassicPalette()
{
    using namespace colours;
    const QColor white = toQColor(White), black = toQColor(Black), face = toQColor(Silver), grey = toQColor(Grey);
    struct Role {
        QPalette::ColorRole role;
        QColor colour;
    };
    const Role roles[] = {
        {QPalette::Window, face},          {QPalette::WindowText, black},
        {QPalette::Base, white},           {QPalette::AlternateBase, QColor(240, 240, 240)},
        {QPalette::Text, black},           {QPalette::PlaceholderText, grey},
        {QPalette::Button, face},          {QPalette::ButtonText, black},
        {QPalette::BrightText, white},     {QPalette::Light, toQColor(EdgeHighlight)},
        {QPalette::Midlight, toQColor(EdgeMidlight)}, {QPalette::Mid, QColor(160, 160, 160)},
        {QPalette::Dark, toQColor(EdgeShadow)}, {QPalette::Shadow, toQColor(EdgeDarkShadow)},
        {QPalette::Highlight, QColor(0, 0, 128)}, {QPalette::HighlightedText, white},
        {QPalette::ToolTipBase, QColor(255, 255, 225)}, {QPalette::ToolTipText, black},
        {QPalette::Link, QColor(0, 0, 255)}, {QPalette::LinkVisited, QColor(128, 0, 128)},
    };
    QPalette palette;
    for (const Role &entry : roles)
        palette.setColor(entry.role, entry.colour);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, grey);
    return palette;
}

} // namespace

const QPalette &classicPalette()
{
    static const QPalette palette = makeClassicPalette();
    return palette;
}

} // namespace vireka
