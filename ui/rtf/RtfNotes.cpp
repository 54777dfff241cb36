#include "RtfNotes.h"

#include <array>
#include <limits>

namespace vireka::rtf {

namespace {

QString roman(int number)
{
    struct Step {
        int value;
        const char *text;
    };
    constexpr std::array<Step, 13> Steps = {{{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"},
                                             {90, "xc"}, {50, "l"}, {40, "xl"}, {10, "x"}, {9, "ix"}, {5, "v"},
                                             {4, "iv"}, {1, "i"}}};
    QString text;
    for (const Step &step : Steps) {
        for (; number >= step.value; number -= step.value)
            text += QLatin1String(step.text);
    }
    return text;
}

// Past this many repeats of a letter a number is written in figures: a document's own huge
// start value must not make a mark of millions of letters.
constexpr int MaxLetterRepeats = 32;

// a to z, then aa to zz, and so on, as word processors letter their lists.
QString letters(int number)
{
    if ((number - 1) / 26 + 1 > MaxLetterRepeats)
        return QString::number(number);
    const QChar letter(u'a' + (number - 1) % 26);
    return QString((number - 1) / 26 + 1, letter);
}

} // namespace

QString noteNumberText(int number, NoteNumbering numbering)
{
    if (number < 1)
        return QString::number(number);
    switch (numbering) {
    case NoteNumbering::LowerAlpha: return letters(number);
    case NoteNumbering::UpperAlpha: return letters(number).toUpper();
    case NoteNumbering::LowerRoman: return number < 4000 ? roman(number) : QString::number(number);
    case NoteNumbering::UpperRoman: return number < 4000 ? roman(number).toUpper() : QString::number(number);
    case NoteNumbering::Arabic: break;
    }
    return QString::number(number);
}

QString NoteCounter::take()
{
    const QString text = noteNumberText(next, numbering);
    if (next < std::numeric_limits<int>::max())
        ++next;
    return text;
}

} // namespace vireka::rtf
