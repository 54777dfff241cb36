#pragma once

#include <QByteArray>
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
// CRLF line ends and ASCII only. Long paragraphs are wrapped in the source
// after a space, which RTF readers ignore, so the files stay diff-friendly.
class RtfWriter
{
public:
    enum class Colour { White, Black };

    explicit RtfWriter(Colour text = Colour::White);

    // halfPoints is the RTF \fs value (24 = 12 pt).
    void paragraph(const QString &text, int halfPoints = 24, bool bold = false, bool centred = false);
    void blank(int halfPoints = 24);

    // The finished document, ending with the closing brace and a CRLF.
    QByteArray finish();

    // Escapes one piece of text for the document body. En dash and no-break
    // space become their control words; any other non-ASCII character, or a
    // control character, is refused.
    static QByteArray escape(const QString &text);

private:
    QByteArray plainRun(int halfPoints) const;
    void emitLine(const QByteArray &line);

    Colour m_colour;
    QByteArray m_out;
    bool m_firstParagraph = true;
};

} // namespace listings
