#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <stdexcept>

namespace listings {

// Thrown for text that the documents' plain-ASCII RTF cannot carry.
class RtfTextError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Writes the small RTF dialect every shipped document uses: Times New Roman
// paragraphs, a few point sizes, bold, centring and one text colour, with
// CRLF line ends and ASCII bytes only. Long paragraphs are wrapped in the source
// after a space, which RTF readers ignore, so the files stay diff-friendly.
class RtfWriter
{
public:
    enum class Colour { White, Black };

    // Any text colour: black needs no colour table entry of its own, any
    // other colour is the table's second entry.
    struct Rgb
    {
        int red = 0;
        int green = 0;
        int blue = 0;
    };

    // A piece of a paragraph that is bold or not, such as a bold label
    // followed by its value.
    struct Run
    {
        QString text;
        bool bold = false;
    };

    explicit RtfWriter(Colour text = Colour::White);
    explicit RtfWriter(Rgb text);

    // halfPoints is the RTF \fs value (24 = 12 pt).
    void paragraph(const QString &text, int halfPoints = 24, bool bold = false, bool centred = false);
    void paragraph(const QList<Run> &runs, int halfPoints = 24, bool centred = false);
    void blank(int halfPoints = 24);

    // The finished document, ending with the closing brace and a CRLF.
    QByteArray finish();

    // Escapes one piece of text for the document body. En dash and no-break
    // space become their control words and accented Latin-1 letters \'hh
    // escapes; any other non-ASCII character, or a control character, is refused.
    static QByteArray escape(const QString &text);

private:
    QByteArray plainRun(int halfPoints) const;
    void emitLine(const QByteArray &line);

    bool m_colouredText = true; // \cf1 on every run
    QByteArray m_out;
    bool m_firstParagraph = true;
};

} // namespace listings
