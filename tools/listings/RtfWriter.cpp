#include "RtfWriter.h"

#include <QStringList>

namespace listings {

namespace {

constexpr qsizetype kWrapColumn = 78;
const QByteArray kCrLf("\r\n");

} // namespace

RtfWriter::RtfWriter(Colour text)
    : m_colour(text)
{
    m_out += "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
             "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\froman Times New Roman;}}" + kCrLf;
    if (m_colour == Colour::White)
        m_out += "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;}" + kCrLf;
    else
        m_out += "{\\colortbl\\red0\\green0\\blue0;}" + kCrLf;
}

QByteArray RtfWriter::plainRun(int halfPoints) const
{
    QByteArray run = "\\plain\\f2\\fs" + QByteArray::number(halfPoints);
    if (m_colour == Colour::White)
        run += "\\cf1";
    return run;
}

QByteArray RtfWriter::escape(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u >= 0x20 && u < 0x7f) {
            out += char(u);
        } else if (u == 0x2013) {
            // The space is the control word's delimiter, not text.
            out += "\\endash ";
        } else if (u == 0x00a0) {
            out += "\\~";
        } else {
            throw RtfTextError(QStringLiteral("character U+%1 cannot be written in \"%2\"")
                                   .arg(unsigned(u), 4, 16, QLatin1Char('0'))
                                   .arg(text)
                                   .toStdString());
        }
    }
    return out;
}

void RtfWriter::emitLine(const QByteArray &line)
{
    m_out += line;
    m_out += kCrLf;
}

void RtfWriter::paragraph(const QString &text, int halfPoints, bool bold, bool centred)
{
    QByteArray head;
    if (m_firstParagraph) {
        head += "\\deflang1033";
        m_firstParagraph = false;
    }
    head += "\\pard";
    if (centred)
        head += "\\qc";
    head += plainRun(halfPoints);
    const QByteArray tail = bold ? plainRun(halfPoints) + "\\par" : QByteArray("\\par");
    if (bold)
        head += "\\b";

    if (text.isEmpty()) {
        emitLine(head + tail);
        return;
    }
    head += ' ';

    // Words are escaped one by one and joined by literal spaces; a source
    // line is only ever broken after such a space, never inside a control
    // word's delimiter.
    const QStringList words = text.split(QLatin1Char(' '));
    QByteArray line = head;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray word = escape(words.at(i));
        const bool last = i + 1 == words.size();
        if (line.size() > head.size() && line.size() + word.size() > kWrapColumn) {
            emitLine(line);
            line.clear();
        }
        line += word;
        if (!last)
            line += ' ';
    }
    emitLine(line + tail);
}

void RtfWriter::blank(int halfPoints)
{
    paragraph(QString(), halfPoints);
}

QByteArray RtfWriter::finish()
{
    m_out += "}" + kCrLf;
    return m_out;
}

} // namespace listings
