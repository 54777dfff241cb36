#include "RtfWriter.h"

#include <QStringList>

#include <algorithm>

namespace listings {

namespace {

constexpr qsizetype kWrapColumn = 78;
const QByteArray kCrLf("\r\n");

} // namespace

RtfWriter::RtfWriter(Colour text)
    : RtfWriter(text == Colour::White ? Rgb{255, 255, 255} : Rgb{0, 0, 0})
{
}

RtfWriter::RtfWriter(Rgb text)
    : m_colouredText(text.red != 0 || text.green != 0 || text.blue != 0)
{
    m_out += "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
             "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\froman Times New Roman;}}" + kCrLf;
    m_out += "{\\colortbl\\red0\\green0\\blue0;";
    if (m_colouredText)
        m_out += "\\red" + QByteArray::number(text.red) + "\\green" + QByteArray::number(text.green) + "\\blue"
                 + QByteArray::number(text.blue) + ";";
    m_out += "}" + kCrLf;
}

QByteArray RtfWriter::plainRun(int halfPoints) const
{
    QByteArray run = "\\plain\\f2\\fs" + QByteArray::number(halfPoints);
    if (m_colouredText)
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
        } else if (u > 0x00a0 && u <= 0x00ff) {
            // Accented letters as the document's code page (Windows-1252, which
            // agrees with Latin-1 here) writes them; the file stays ASCII.
            out += "\\'" + QByteArray::number(int(u), 16);
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
    paragraph(QList<Run>{{text, bold}}, halfPoints, centred);
}

void RtfWriter::paragraph(const QList<Run> &runs, int halfPoints, bool centred)
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
    const bool startsBold = !runs.isEmpty() && runs.first().bold;
    const bool endsBold = !runs.isEmpty() && runs.last().bold;
    const QByteArray tail = endsBold ? plainRun(halfPoints) + "\\par" : QByteArray("\\par");
    if (startsBold)
        head += "\\b";

    const bool empty = std::all_of(runs.cbegin(), runs.cend(), [](const Run &r) { return r.text.isEmpty(); });
    if (empty) {
        emitLine(head + tail);
        return;
    }
    head += ' ';

    // Words are escaped one by one and joined by literal spaces; a source
    // line is only ever broken after such a space, never inside a control
    // word's delimiter.
    QList<QByteArray> words;
    for (qsizetype r = 0; r < runs.size(); ++r) {
        const QStringList runWords = runs.at(r).text.split(QLatin1Char(' '));
        for (qsizetype i = 0; i < runWords.size(); ++i) {
            if (r == 0 || i > 0) {
                words << escape(runWords.at(i));
                continue;
            }
            // A run goes on from where the one before it stopped, inside the same word.
            if (runs.at(r).bold != runs.at(r - 1).bold)
                words.last() += (runs.at(r).bold ? QByteArray("\\b") : plainRun(halfPoints)) + ' ';
            words.last() += escape(runWords.at(i));
        }
    }
    QByteArray line = head;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray &word = words.at(i);
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
