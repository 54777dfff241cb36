#include "ShippedStyleDocument.h"

namespace {

const char *const Words[] = {
    "breath", "posture", "spine", "gently", "stretch", "balance", "the", "and", "with", "of",
    "awareness", "mountain", "tree", "warrior", "lotus", "hold", "release", "slowly", "inhale",
    "exhale", "shoulders", "hips", "practice", "teacher", "morning", "quiet", "focus", "ground",
};

} // namespace

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
