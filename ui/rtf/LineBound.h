#pragma once

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <memory>
#include <unordered_map>

class QTextBlock;
class QTextCharFormat;

namespace vireka {

// The most lines a paragraph's text can take at a given width, from the advances of its characters
// in their fonts: without laying it out, and with a guarantee whatever the text is. Lines break at
// word boundaries, or anywhere in a word that no line holds.
class LineBound
{
public:
    explicit LineBound(const QFont &base) : m_base(base) {}

    // The most height the paragraph's text takes at `width`, its text width with its margins
    // already taken off, before line spacing: `lineHeight` is the most any line of it takes.
    qreal lines(const QTextBlock &block, qreal width, qreal &lineHeight);

private:
    struct Character {
        qreal advance = -1; // -1: not yet known
        bool plain = false; // in the font itself, set at its own advance
    };
    struct Advances {
        QFontMetricsF metrics;
        qreal pixelSize;
        qreal lineHeight; // of a line in this font alone
        std::array<Character, 0x300> latin;
        std::unordered_map<char16_t, Character> others;
        Advances(const QFont &font, qreal pixelSize, bool raisedOrLowered);
        const Character &of(QChar c);
    };
    Advances &advancesFor(int formatIndex, const QTextCharFormat &format);

    QFont m_base;
    std::unordered_map<int, std::unique_ptr<Advances>> m_advances; // by the document's format index
};

// No line stands taller than this many times its largest font's pixel size, whichever fallback font
// a script needs.
constexpr qreal LinePerPixelSize = 3;

// A format's pixel size, or the base font's when it gives none.
qreal pixelSizeOf(const QTextCharFormat &format, const QFont &base);

} // namespace vireka
