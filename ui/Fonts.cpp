#include "Fonts.h"

#include <cmath>

namespace vireka {

int fontPixelSize(double points)
{
    // Point sizes come from a 96 dpi screen: 8.25 pt is 11 px, 9.75 pt is 13 px, and so on.
    return int(std::lround(points * 96.0 / 72.0));
}

QFont toQFont(const FontSpec &spec)
{
    QFont font(QString::fromLatin1(spec.face));
    font.setPixelSize(fontPixelSize(spec.points));
    font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStyleHint(QString::fromLatin1(spec.face).contains(QLatin1String("Sans")) ? QFont::SansSerif
                                                                                    : QFont::Serif,
                      QFont::PreferNoShaping);
    // Text is set as the screens were designed for: each character at its own advance, without
    // kerning pairs or ligatures, so that the substitute faces keep the designed widths and line
    // breaks. Latin text then needs no shaping, which was half the cost of opening a page of text.
    font.setKerning(false);
    return font;
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
}

} // namespace vireka
