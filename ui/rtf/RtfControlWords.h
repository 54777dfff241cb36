#pragma once

#include <QByteArrayView>

namespace vireka::rtf {

// The control words the reader acts on. Anything else is ignored (and, when it opens a group that
// holds no text, listed as SkipDestination).
enum class Word : unsigned char {
    Unknown,
    // document
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, DefaultTab,
    FootnoteArabic, FootnoteLowerAlpha, FootnoteUpperAlpha, FootnoteLowerRoman, FootnoteUpperRoman, FootnoteStart,
    EndnoteArabic, EndnoteLowerAlpha, EndnoteUpperAlpha, EndnoteLowerRoman, EndnoteUpperRoman, EndnoteStart,
    // destinations
    FontTable, ColorTable, SkipDestination, TextDestination, AnsiTwin, UnicodeTwin, ListNumberText,
    ListTable, ListDefinition, ListLevel, LevelText, ListOverrideTable, ListOverride,
    // list table entries and a paragraph's list
    ListId, LevelFormat, LevelStart, LevelFollow, ParagraphList, ParagraphListLevel,
    // font table entries
    FontNil, FontRoman, FontSwiss, FontModern, FontScript, FontDecor, FontTech, FontCharset, FontCodePage,
    // colour table entries
    Red, Green, Blue,
    // character properties
    Plain, Font, FontSize, Bold, Italic, Underline, UnderlineNone, Strike, Hidden, Caps, SmallCaps,
    Super, Sub, NoSuperSub, Up, Down, Color, UnicodeSkip, Unicode,
    // paragraph properties
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify, LeftIndent, RightIndent, FirstIndent,
    SpaceBefore, SpaceAfter, LineSpacing, LineMultiple, TabStop, TabRight, TabCenter, TabDecimal,
    // breaks and special characters
    Par, Line, Tab, Cell, Row, EnDash, EmDash, Bullet, LeftQuote, RightQuote, LeftDoubleQuote,
    RightDoubleQuote, EmSpace, EnSpace, QuarterEmSpace, ZeroWidthJoiner, ZeroWidthNonJoiner,
    LeftToRightMark, RightToLeftMark, NoteMark,
};

// What a word acts on, and so which part of the reader handles it.
enum class WordGroup : unsigned char {
    None,        // an unknown word
    Destination, // opens a group of its own kind
    Document,    // document-wide settings
    Note,        // footnote and endnote numbering
    Table,       // font and colour table entries
    List,        // list table entries, and which list a paragraph belongs to
    Character,   // the look of the text that follows
    Paragraph,   // the paragraph's properties
    Text,        // adds text or ends a paragraph
};

struct KnownWord {
    Word word = Word::Unknown;
    WordGroup group = WordGroup::None;
};

KnownWord lookupWord(QByteArrayView name);

} // namespace vireka::rtf
