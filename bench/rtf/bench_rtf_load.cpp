// Times loading a ~1 MB document through the RTF reader against QTextDocument::setHtml on the same
// text and formatting, and prints the ratio of the two.

#include "rtf/RtfReader.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char *const Words[] = {
    "breath", "posture", "spine", "gently", "stretch", "balance", "the", "and", "with", "of",
    "awareness", "mountain", "tree", "warrior", "lotus", "hold", "release", "slowly", "inhale",
    "exhale", "shoulders", "hips", "practice", "teacher", "morning", "quiet", "focus", "ground",
};

struct Document {
    QByteArray rtf;
    QByteArray html;
};

// Builds the same document twice: as RTF in the shape of the program's documents, and as HTML.
Document makeDocument(qsizetype targetBytes)
{
    Document d;
    d.rtf = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
            "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\froman Times New Roman;}}\r\n"
            "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;}\r\n\\deflang1033";
    d.html = "<html><body>";
    const QByteArray family = "font-family:'Times New Roman';";
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    int paragraph = 0;
    while (d.rtf.size() < targetBytes) {
        if (paragraph % 8 == 0) {
            // A centred, coloured, bold title.
            QByteArray title = "Lesson " + QByteArray::number(paragraph / 8 + 1) + ": " + Words[next() % 28];
            d.rtf += "\\pard\\qc\\plain\\f2\\fs32\\b\\cf1 " + title + "\\par\r\n";
            d.html += "<p align=\"center\" style=\"margin:0\"><span style=\"" + family
                + "font-size:21px;font-weight:700;color:#ffff00\">" + title + "</span></p>";
        } else {
            d.rtf += "\\pard\\plain\\f2\\fs20 ";
            d.html += "<p style=\"margin:0\"><span style=\"" + family + "font-size:13px\">";
            const int words = 40 + int(next() % 60);
            for (int w = 0; w < words; ++w) {
                const QByteArray word = Words[next() % 28];
                const int kind = int(next() % 20);
                if (kind == 0) {
                    d.rtf += "{\\b " + word + "} ";
                    d.html += "<span style=\"font-weight:700\">" + word + "</span> ";
                } else if (kind == 1) {
                    d.rtf += word + "\\~";
                    d.html += word + "&nbsp;";
                } else if (kind == 2) {
                    d.rtf += word + " \\endash  ";
                    d.html += word + " &ndash; ";
                } else {
                    d.rtf += word + " ";
                    d.html += word + " ";
                }
                if (w % 12 == 11)
                    d.rtf += "\r\n";
            }
            d.rtf += "\\par\r\n";
            d.html += "</span></p>";
        }
        ++paragraph;
    }
    d.rtf += "}\r\n";
    d.html += "</body></html>";
    return d;
}

template <typename Load>
qint64 bestOf(int runs, Load load)
{
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i) {
        QTextDocument doc;
        QElapsedTimer timer;
        timer.start();
        load(doc);
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2]; // the median resists a run disturbed by other work
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const Document d = makeDocument(1024 * 1024);
    const QString html = QString::fromLatin1(d.html);
    const int runs = 7;

    // Check once that both produce the same text, so the comparison is fair.
    QTextDocument fromRtf, fromHtml;
    if (!vireka::readRtf(d.rtf, fromRtf)) {
        std::fprintf(stderr, "the generated RTF did not load\n");
        return 1;
    }
    fromHtml.setHtml(html);
    // The RTF ends with a paragraph mark, which leaves one empty paragraph the HTML lacks.
    if (fromRtf.toPlainText() != fromHtml.toPlainText() + u'\n')
        std::fprintf(stderr, "warning: the two documents hold different text\n");

    const qint64 rtfNs = bestOf(runs, [&](QTextDocument &doc) { vireka::readRtf(d.rtf, doc); });
    const qint64 htmlNs = bestOf(runs, [&](QTextDocument &doc) { doc.setHtml(html); });

    std::printf("rtf:  %lld bytes, median %.1f ms over %d runs\n", qlonglong(d.rtf.size()), rtfNs / 1e6, runs);
    std::printf("html: %lld bytes, median %.1f ms over %d runs\n", qlonglong(d.html.size()), htmlNs / 1e6, runs);
    std::printf("rtf/html = %.2f\n", double(rtfNs) / double(htmlNs));
    return 0;
}
