#pragma once

#include "DocumentBudget.h"
#include "RtfState.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <unordered_map>
#include <vector>

namespace vireka::rtf {

// The font and colour tables of a document.
struct DocumentTables {
    QHash<int, FontEntry> fonts;
    QList<QColor> colors; // an invalid colour is the automatic one
};

// Turns group states into Qt formats, reusing one format object per distinct look so that runs
// can be compared by address and the document gets few distinct formats.
class FormatCache
{
public:
    // `strategy` is the style strategy of the document's default font.
    FormatCache(const DocumentTables &tables, QFont::StyleStrategy strategy) : m_tables(tables), m_strategy(strategy) {}

    // The reference stays valid until clearCharFormats().
    const QTextCharFormat &charFormat(const CharState &state);
    const QTextBlockFormat &blockFormat(const ParaState &state);

    // Needed after the tables change. References handed out before become invalid.
    void clearCharFormats();
    bool tooManyCharFormats() const { return m_chars.size() > MaxCharFormats; }

private:
    static constexpr std::size_t MaxCharFormats = 4096;

    // The part of a look that picks a font.
    struct FontLook {
        int font;
        int pixelSize;
        bool bold, italic, caps, smallCaps;
        signed char vertical;
        bool operator==(const FontLook &) const = default;
    };

    QTextCharFormat makeCharFormat(const CharState &unbudgeted);
    CharState withinBudget(const CharState &state);
    QColor colorWithinBudget(const QColor &color);

    // What the document uses so far, kept across clearCharFormats(): the budgets are the document's.
    std::vector<FontLook> m_fontsInUse;
    std::vector<QRgb> m_colorsInUse;

    const DocumentTables &m_tables;
    QFont::StyleStrategy m_strategy;
    std::unordered_map<CharState, QTextCharFormat, CharStateHash> m_chars;
    const CharState *m_lastCharKey = nullptr;
    const QTextCharFormat *m_lastChar = nullptr;
    ParaState m_lastPara;
    QTextBlockFormat m_lastBlock;
    bool m_haveBlock = false;
};

// Pixel size for a size in half points, at 96 dpi.
int pixelSizeForHalfPoints(int halfPoints);
// Pixels for twips, at 96 dpi.
inline qreal twipsToPixels(int twips) { return twips / 15.0; }

} // namespace vireka::rtf
