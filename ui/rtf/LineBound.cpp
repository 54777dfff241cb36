#include "LineBound.h"

#include <QTextBlock>
#include <QTextCharFormat>

#include <algorithm>

namespace vireka {

qreal pixelSizeOf(const QTextCharFormat &format, const QFont &base)
{
    if (format.hasProperty(QTextFormat::FontPixelSize))
        return format.intProperty(QTextFormat::FontPixelSize);
    if (format.hasProperty(QTextFormat::FontPointSize))
        return format.doubleProperty(QTextFormat::FontPointSize) * 96 / 72;
    return base.pixelSize() > 0 ? base.pixelSize() : base.pointSizeF() * 96 / 72;
}

namespace {

// Scripts set without shaping, where a character's advance in its font is what the line takes;
// combining marks, right-to-left and Indic scripts, format characters and the rest may be shaped.
bool setUnshaped(char16_t c)
{
    return c < 0x0300 || (c >= 0x0370 && c < 0x0590) || (c >= 0x2010 && c < 0x2028) || (c >= 0x2030 && c < 0x2060)
        || (c >= 0x20A0 && c < 0x20C0);
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'' || (c.unicode() >= 0x2018 && c.unicode() <= 0x201F) || c == u'\u00AB' || c == u'\u00BB';
}

// Whether the line-breaking rules always allow a break at spaces between `before` and `after`: a
// word of letters or digits, or one closed by common punctuation, then one of letters or digits,
// a quote, or a bracket that no quote stands before. Other punctuation may glue across spaces.
bool breakBetween(QChar before, QChar after)
{
    auto wordCharacter = [](QChar c) { return c.unicode() < 0x0590 && c.isLetterOrNumber(); };
    const bool closes = wordCharacter(before) || QStringView(u".,;:!?)]}").contains(before) || isQuote(before);
    const bool opens = wordCharacter(after) || isQuote(after) || ((after == u'(' || after == u'[') && !isQuote(before));
    return closes && opens;
}

} // namespace

LineBound::Advances::Advances(const QFont &font, qreal pixelSize, bool raisedOrLowered)
    : metrics(font), pixelSize(pixelSize)
{
    // A line no taller than its font's ascent, descent and leading, rounded each way. Raised and
    // lowered text moves its baseline, so it is left to the rule of thumb.
    lineHeight = raisedOrLowered ? LinePerPixelSize * pixelSize
                                 : std::ceil(metrics.ascent()) + std::ceil(metrics.descent())
            + std::ceil(std::max<qreal>(0, metrics.leading())) + 1;
}

const LineBound::Character &LineBound::Advances::of(QChar c)
{
    Character &known = c.unicode() < latin.size() ? latin[c.unicode()] : others[c.unicode()];
    if (known.advance < 0) {
        known.plain = setUnshaped(c.unicode()) && metrics.inFont(c);
        // Another font may stand in for a character this one lacks, and shaping may widen the rest.
        known.advance = std::max<qreal>(0, metrics.horizontalAdvance(c));
        if (!known.plain)
            known.advance = std::max(known.advance, LinePerPixelSize * pixelSize);
    }
    return known;
}

LineBound::Advances &LineBound::advancesFor(int formatIndex, const QTextCharFormat &format)
{
    std::unique_ptr<Advances> &advances = m_advances[formatIndex];
    if (!advances)
        advances = std::make_unique<Advances>(format.font().resolve(m_base), pixelSizeOf(format, m_base),
                                              format.verticalAlignment() != QTextCharFormat::AlignNormal);
    return *advances;
}

qreal LineBound::lines(const QTextBlock &block, qreal width, qreal &lineHeight)
{
    // Within a stretch between forced breaks, any two lines in a row hold more than the width less
    // one character. Where a line may break at every space, every line but the last also holds more
    // than the width less the widest word, when every word fits a line. A tab is counted as a forced
    // break that may stand on a line of its own: its advance depends on where it stands.
    qreal lines = block.blockFormat().textIndent() != 0 ? 1 : 0; // an indent may push a word down
    // The paragraph mark's font sizes its last line.
    lineHeight = advancesFor(block.charFormatIndex(), block.charFormat()).lineHeight;
    bool plain = true;
    qreal stretch = 0, word = 0, widestWord = 0, widestChar = 0;
    int characters = 0;
    bool breaksAtSpaces = true;
    QChar beforeSpace, previous;
    auto endStretch = [&] {
        widestWord = std::max(widestWord, word);
        qreal filled = (width - widestChar) / 2;
        if (breaksAtSpaces && widestWord <= width)
            filled = std::max(filled, width - widestWord);
        lines += filled >= 1 ? std::floor(stretch / filled) + 1 : characters + 1;
        stretch = word = widestWord = widestChar = 0;
        characters = 0;
        breaksAtSpaces = true;
        beforeSpace = previous = QChar();
    };
    qreal largest = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        Advances &advances = advancesFor(fragment.charFormatIndex(), fragment.charFormat());
        lineHeight = std::max(lineHeight, advances.lineHeight);
        largest = std::max(largest, advances.pixelSize);
        const QString text = fragment.text();
        for (const QChar c : text) {
            if (c == QChar::LineSeparator || c == u'\t') {
                endStretch();
                if (c == u'\t')
                    ++lines;
                continue;
            }
            // A break at a soft hyphen shows a hyphen.
            const Character &known = advances.of(c == QChar::SoftHyphen ? QChar(u'-') : c);
            plain = plain && known.plain;
            stretch += known.advance;
            widestChar = std::max(widestChar, known.advance);
            ++characters;
            if (c == u' ') {
                if (previous != u' ')
                    beforeSpace = previous;
            } else if (previous == u' ' && !beforeSpace.isNull()) {
                breaksAtSpaces = breaksAtSpaces && breakBetween(beforeSpace, c);
            }
            if (c == u' ' || c.unicode() == 0x200B) {
                widestWord = std::max(widestWord, word);
                word = 0;
            } else {
                word += known.advance;
            }
            previous = c;
        }
    }
    endStretch();
    // A character from a stand-in font may make any line taller than the paragraph's own fonts.
    if (!plain)
        lineHeight = std::max(lineHeight, LinePerPixelSize * largest);
    return lines;
}

} // namespace vireka
