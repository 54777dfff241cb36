#pragma once

// The shape every document and stored text of the program is written in, for the tests that check
// the shipped files keep to it and the tests that write documents of that shape.

#include <QByteArray>
#include <QSet>

namespace vireka::test {

// The header and font table that every document and stored text starts with.
inline const QByteArray StoredHeader = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
                                       "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\froman Times New Roman;}}\r\n";

// The control words they may use, besides a font size of StoredFontSizes and the colour table's
// components.
inline const QSet<QByteArray> StoredWords = {"rtf1",     "ansi",      "deff0",       "deftab720", "fonttbl",
                                             "f0",       "f1",        "f2",          "fswiss",    "froman",
                                             "fcharset2", "colortbl", "deflang1033", "pard",      "plain",
                                             "b",        "cf1",       "qc",          "par",       "endash"};

// Font sizes in half points: 10 to 20 points.
inline const QSet<int> StoredFontSizes = {20, 22, 24, 28, 32, 36, 40};

} // namespace vireka::test
