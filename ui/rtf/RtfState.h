#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>
#include <QTextOption>

#include <cstddef>
#include <functional>

namespace vireka::rtf {

constexpr int DefaultHalfPoints = 24;

// Character properties: the part of a group's state that decides a run's look.
struct CharState {
    int font = -1;       // font table number; -1 when the text names none
    int halfPoints = DefaultHalfPoints;
    int color = 0;       // colour table index; 0 is the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool caps = false;
    bool smallCaps = false;
    signed char vertical = 0; // 1 superscript, -1 subscript

    bool operator==(const CharState &) const = default;
};

struct CharStateHash {
    std::size_t operator()(const CharState &s) const noexcept
    {
        std::size_t h = std::hash<int>()(s.font);
        h = h * 31 + std::hash<int>()(s.halfPoints);
        h = h * 31 + std::hash<int>()(s.color);
        const unsigned flags = unsigned(s.bold) | unsigned(s.italic) << 1 | unsigned(s.underline) << 2
            | unsigned(s.strike) << 3 | unsigned(s.caps) << 4 | unsigned(s.smallCaps) << 5
            | unsigned(s.vertical + 1) << 6;
        return h * 31 + flags;
    }
};

// Paragraph properties; lengths in twips as the source gives them.
struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // 0 single; > 0 at least; < 0 exactly
    bool lineMultiple = false;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    int list = 0;      // \ls: the list override the paragraph is numbered in; 0 none
    int listLevel = 0; // \ilvl

    bool operator==(const ParaState &) const = default;
};

enum class Destination : unsigned char {
    Text,
    FontTable,
    ColorTable,
    AnsiTwin, // read like text, but not shown: the \upr form that \ud gives again in Unicode
    Skip,
    // The list table and its parts, whose words are read and whose text is not shown.
    ListTable,
    ListDefinition,
    ListLevel,
    ListLevelText,
    ListOverrideTable,
    ListOverride,
};

struct GroupState {
    Destination destination = Destination::Text;
    bool hidden = false;
    bool listNumber = false; // a list number the file writes out (\listtext)
    int unicodeSkip = 1; // \uc: fallback characters after each \u
    CharState chars;
    ParaState para;
};

// How a font's bytes become text.
enum class FontEncoding : unsigned char {
    CodePage, // the font's own code page, or the document's
    Symbol,   // the Symbol font's own layout
    Picture,  // Wingdings and friends
};

struct FontEntry {
    QString name;   // as the font table gives it
    QString family; // what the text is shown in; empty: the area's font
    QFont::StyleHint hint = QFont::AnyStyle;
    int codePage = 0; // 0: the document's
    FontEncoding encoding = FontEncoding::CodePage;
};

} // namespace vireka::rtf
