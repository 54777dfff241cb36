#pragma once

#include <QString>

namespace vireka::rtf {

enum class NoteNumbering : unsigned char { Arabic, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman };

// The automatic reference marks (\chftn) of footnotes or of endnotes: the notes themselves are not
// shown, but their marks in the text are, numbered as the document asks.
struct NoteCounter {
    NoteNumbering numbering;
    int next = 1;

    QString take();
};

// `number` written in `numbering`; Roman numerals only up to 3999 and letters only up to 32 of
// them, Arabic past that.
QString noteNumberText(int number, NoteNumbering numbering);

} // namespace vireka::rtf
