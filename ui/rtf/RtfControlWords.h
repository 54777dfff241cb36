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
    FontTable, ColorTable, SkipDestination, TextDestination, AnsiTwin, UnicodeTwin,
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

Word lookupWord(QByteArrayView name);

} // namespace vireka::rtf
