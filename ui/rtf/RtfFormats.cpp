#include "RtfFormats.h"

#include <QtMath>

#include <algorithm>

namespace vireka::rtf {

namespace {

// Qt hashes a list-valued format property by its type (or its length) alone, so formats that differ
// only in such a list share one hash bucket in the document and every new one is compared with all
// the others. A plain string copy of the list spreads them.
constexpr int FamilyHashProperty = QTextFormat::UserProperty + 0x7274;
constexpr int TabsHashProperty = QTextFormat::UserProperty + 0x7275;

QString tabsKey(const QList<QTextOption::Tab> &tabs)
{
    QString key;
    key.reserve(tabs.size() * 8);
    for (const QTextOption::Tab &tab : tabs) {
        key += QString::number(tab.position);
        key += QChar(u'a' + int(tab.type));
        if (!tab.delimiter.isNull())
            key += tab.delimiter;
    }
    return key;
}

} // namespace

int pixelSizeForHalfPoints(int halfPoints)
{
    if (halfPoints <= 0)
        halfPoints = DefaultHalfPoints;
    halfPoints = std::min(halfPoints, 3276); // 1638 points is the largest size word processors allow
    return std::max(1, qRound(halfPoints * 2 / 3.0));
}

const QTextCharFormat &FormatCache::charFormat(const CharState &state)
{
    if (m_lastCharKey && *m_lastCharKey == state)
        return *m_lastChar;
    auto found = m_chars.find(state);
    if (found == m_chars.end())
        found = m_chars.emplace(state, makeCharFormat(state)).first;
    m_lastCharKey = &found->first;
    m_lastChar = &found->second;
    return found->second;
}

void FormatCache::clearCharFormats()
{
    m_chars.clear();
    m_lastCharKey = nullptr;
    m_lastChar = nullptr;
}

// A look past the font budget takes the font in use that differs least: the same face before the
// same weight and slant, and those before the nearest size.
CharState FormatCache::withinBudget(const CharState &state)
{
    const FontLook look{state.font, pixelSizeForHalfPoints(state.halfPoints), state.bold, state.italic,
                        state.caps, state.smallCaps, state.vertical};
    if (std::find(m_fontsInUse.begin(), m_fontsInUse.end(), look) != m_fontsInUse.end())
        return state;
    if (m_fontsInUse.size() < std::size_t(MaxDocumentFonts)) {
        m_fontsInUse.push_back(look);
        return state;
    }
    auto distance = [&look](const FontLook &f) {
        return (f.font != look.font) * 1000000LL + (f.bold != look.bold) * 100000LL
            + (f.italic != look.italic) * 100000LL + (f.caps != look.caps || f.smallCaps != look.smallCaps) * 10000LL
            + (f.vertical != look.vertical) * 10000LL + std::abs(f.pixelSize - look.pixelSize);
    };
    const FontLook &nearest = *std::min_element(m_fontsInUse.begin(), m_fontsInUse.end(),
                                                [&](const FontLook &a, const FontLook &b) { return distance(a) < distance(b); });
    CharState folded = state;
    folded.font = nearest.font;
    folded.halfPoints = nearest.pixelSize * 3 / 2; // half points that give this pixel size again
    while (pixelSizeForHalfPoints(folded.halfPoints) < nearest.pixelSize)
        ++folded.halfPoints;
    folded.bold = nearest.bold;
    folded.italic = nearest.italic;
    folded.caps = nearest.caps;
    folded.smallCaps = nearest.smallCaps;
    folded.vertical = nearest.vertical;
    return folded;
}

QColor FormatCache::colorWithinBudget(const QColor &color)
{
    const QRgb rgb = color.rgb();
    if (std::find(m_colorsInUse.begin(), m_colorsInUse.end(), rgb) != m_colorsInUse.end())
        return color;
    if (m_colorsInUse.size() < std::size_t(MaxDocumentColors)) {
        m_colorsInUse.push_back(rgb);
        return color;
    }
    auto distance = [rgb](QRgb c) {
        const int r = qRed(c) - qRed(rgb), g = qGreen(c) - qGreen(rgb), b = qBlue(c) - qBlue(rgb);
        return r * r + g * g + b * b;
    };
    return QColor::fromRgb(*std::min_element(m_colorsInUse.begin(), m_colorsInUse.end(),
                                             [&](QRgb a, QRgb b) { return distance(a) < distance(b); }));
}

QTextCharFormat FormatCache::makeCharFormat(const CharState &unbudgeted)
{
    const CharState state = withinBudget(unbudgeted);
    QTextCharFormat format;
    const auto font = m_tables.fonts.constFind(state.font);
    if (font != m_tables.fonts.cend()) {
        if (!font->family.isEmpty()) {
            format.setFontFamilies(QStringList(font->family));
            format.setProperty(FamilyHashProperty, font->family);
        }
        // A style hint comes with a style strategy; the document's own keeps its say.
        if (font->hint != QFont::AnyStyle)
            format.setFontStyleHint(font->hint, m_strategy);
    }
    format.setProperty(QTextFormat::FontPixelSize, pixelSizeForHalfPoints(state.halfPoints));
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setFontUnderline(state.underline);
    format.setFontStrikeOut(state.strike);
    if (state.caps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (state.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (state.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (state.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    // Colour 0 and automatic entries leave the colour to the widget showing the text.
    if (state.color > 0 && state.color < m_tables.colors.size()) {
        const QColor &color = m_tables.colors.at(state.color);
        if (color.isValid())
            format.setForeground(colorWithinBudget(color));
    }
    return format;
}

const QTextBlockFormat &FormatCache::blockFormat(const ParaState &state)
{
    if (m_haveBlock && m_lastPara == state)
        return m_lastBlock;
    QTextBlockFormat format;
    format.setAlignment(state.alignment);
    if (state.leftIndent)
        format.setLeftMargin(twipsToPixels(state.leftIndent));
    if (state.rightIndent)
        format.setRightMargin(twipsToPixels(state.rightIndent));
    if (state.firstIndent)
        format.setTextIndent(twipsToPixels(state.firstIndent));
    if (state.spaceBefore)
        format.setTopMargin(twipsToPixels(state.spaceBefore));
    if (state.spaceAfter)
        format.setBottomMargin(twipsToPixels(state.spaceAfter));
    if (state.lineSpacing != 0) {
        if (state.lineMultiple)
            format.setLineHeight(std::abs(state.lineSpacing) * 100.0 / 240.0,
                                 QTextBlockFormat::ProportionalHeight);
        else if (state.lineSpacing > 0)
            format.setLineHeight(twipsToPixels(state.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(twipsToPixels(-state.lineSpacing), QTextBlockFormat::FixedHeight);
    }
    if (!state.tabs.isEmpty()) {
        format.setTabPositions(state.tabs);
        format.setProperty(TabsHashProperty, tabsKey(state.tabs));
    }
    m_lastPara = state;
    m_lastBlock = format;
    m_haveBlock = true;
    return m_lastBlock;
}

} // namespace vireka::rtf
