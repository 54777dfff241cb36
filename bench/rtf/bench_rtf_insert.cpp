// Where a load's time goes once the reader hands its runs to the document, and what batching runs
// or reusing formats would gain. The reader reads documents of 1 and 8 MB in the shipped
// documents' shape; their paragraphs and runs are then written again into fresh documents in
// several ways, each timed alone (median of 3):
//   as the reader writes   one insertText per run with the run's format object, reused; a
//                          paragraph begins with its predecessor's format, given to insertBlock(),
//                          and has its own set at its end only when that differs
//   formats not reused     the same, with a fresh copy of the format for each run, as a reader
//                          that builds a format per run would
//   block set every time   every paragraph's format set at its end, then insertBlock()
//   a paragraph at once    one insertText per paragraph, then each run's format over its range
//   one run a paragraph    one insertText per paragraph in its first format: what batching every
//                          run could gain at most, formats lost
//   the text alone         the whole text in one insertText: the floor
// The reader's own share (tokens, groups, code pages) is its read less the first replay.

#include "Median.h"
#include "ShippedStyleDocument.h"
#include "rtf/RtfReader.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <functional>
#include <vector>

using vireka::bench::medianOfThreeMs;

namespace {

struct Run {
    QString text;
    int format; // index into Recording::formats
};

struct Paragraph {
    QTextBlockFormat block;
    QTextCharFormat mark;
    std::vector<Run> runs;
};

struct Recording {
    std::vector<QTextCharFormat> formats;
    std::vector<Paragraph> paragraphs;
    qsizetype runs = 0;
};

Recording record(const QTextDocument &doc)
{
    Recording out;
    std::vector<int> formatOfIndex;
    auto formatFor = [&](const QTextFragment &fragment) {
        const auto index = std::size_t(fragment.charFormatIndex());
        if (formatOfIndex.size() <= index)
            formatOfIndex.resize(index + 1, -1);
        if (formatOfIndex[index] < 0) {
            formatOfIndex[index] = int(out.formats.size());
            out.formats.push_back(fragment.charFormat());
        }
        return formatOfIndex[index];
    };
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph{block.blockFormat(), block.charFormat(), {}};
        for (auto it = block.begin(); !it.atEnd(); ++it)
            paragraph.runs.push_back({it.fragment().text(), formatFor(it.fragment())});
        out.runs += qsizetype(paragraph.runs.size());
        out.paragraphs.push_back(std::move(paragraph));
    }
    return out;
}

// Writes into a fresh document the way the reader's writer does: undo off, one edit block.
bool replay(const std::function<void(QTextCursor &)> &write)
{
    QTextDocument doc;
    doc.setUndoRedoEnabled(false);
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    write(cursor);
    cursor.endEditBlock();
    return true;
}

QString paragraphText(const Paragraph &paragraph)
{
    QString text;
    for (const Run &run : paragraph.runs)
        text += run.text;
    return text;
}

void endParagraph(QTextCursor &cursor, const Paragraph &paragraph, bool last)
{
    if (paragraph.runs.empty())
        cursor.setBlockCharFormat(paragraph.mark);
    if (paragraph.block != cursor.blockFormat())
        cursor.setBlockFormat(paragraph.block);
    if (!last)
        cursor.insertBlock(paragraph.block, paragraph.mark);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::printf("milliseconds, median of 3; share of the reader's whole read in brackets\n");
    for (const int megabytes : {1, 8}) {
        const QByteArray rtf = makeDocument(qsizetype(megabytes) * 1024 * 1024).rtf;
        QTextDocument read;
        const double whole = medianOfThreeMs([&] { return vireka::readRtf(rtf, read); });
        const Recording recording = record(read);
        const auto &paragraphs = recording.paragraphs;
        const auto &formats = recording.formats;
        const std::size_t lastIndex = paragraphs.size() - 1;

        const double asWritten = medianOfThreeMs([&] {
            return replay([&](QTextCursor &cursor) {
                for (std::size_t p = 0; p < paragraphs.size(); ++p) {
                    for (const Run &run : paragraphs[p].runs)
                        cursor.insertText(run.text, formats[std::size_t(run.format)]);
                    endParagraph(cursor, paragraphs[p], p == lastIndex);
                }
            });
        });
        const double freshFormats = medianOfThreeMs([&] {
            return replay([&](QTextCursor &cursor) {
                for (std::size_t p = 0; p < paragraphs.size(); ++p) {
                    for (const Run &run : paragraphs[p].runs) {
                        QTextCharFormat format = formats[std::size_t(run.format)];
                        format.setFontWeight(format.fontWeight()); // a copy of its own, hashed again
                        cursor.insertText(run.text, format);
                    }
                    endParagraph(cursor, paragraphs[p], p == lastIndex);
                }
            });
        });
        const double blockEveryTime = medianOfThreeMs([&] {
            return replay([&](QTextCursor &cursor) {
                for (std::size_t p = 0; p < paragraphs.size(); ++p) {
                    for (const Run &run : paragraphs[p].runs)
                        cursor.insertText(run.text, formats[std::size_t(run.format)]);
                    if (paragraphs[p].runs.empty())
                        cursor.setBlockCharFormat(paragraphs[p].mark);
                    cursor.setBlockFormat(paragraphs[p].block);
                    if (p != lastIndex)
                        cursor.insertBlock();
                }
            });
        });
        const double paragraphAtOnce = medianOfThreeMs([&] {
            return replay([&](QTextCursor &cursor) {
                for (std::size_t p = 0; p < paragraphs.size(); ++p) {
                    const Paragraph &paragraph = paragraphs[p];
                    if (!paragraph.runs.empty()) {
                        const int start = cursor.position();
                        cursor.insertText(paragraphText(paragraph), formats[std::size_t(paragraph.runs.front().format)]);
                        const int end = cursor.position();
                        int at = start;
                        for (const Run &run : paragraph.runs) {
                            if (at != start) {
                                cursor.setPosition(at);
                                cursor.setPosition(at + int(run.text.size()), QTextCursor::KeepAnchor);
                                cursor.setCharFormat(formats[std::size_t(run.format)]);
                            }
                            at += int(run.text.size());
                        }
                        cursor.setPosition(end);
                    }
                    endParagraph(cursor, paragraph, p == lastIndex);
                }
            });
        });
        const double oneRun = medianOfThreeMs([&] {
            return replay([&](QTextCursor &cursor) {
                for (std::size_t p = 0; p < paragraphs.size(); ++p) {
                    if (!paragraphs[p].runs.empty())
                        cursor.insertText(paragraphText(paragraphs[p]), formats[std::size_t(paragraphs[p].runs.front().format)]);
                    endParagraph(cursor, paragraphs[p], p == lastIndex);
                }
            });
        });
        const QString plain = read.toPlainText().replace(u'\n', QChar::ParagraphSeparator);
        const double textAlone = medianOfThreeMs([&] { return replay([&](QTextCursor &cursor) { cursor.insertText(plain); }); });

        auto share = [whole](double ms) { return 100.0 * ms / whole; };
        std::printf("\n%d MB: %zu paragraphs, %lld runs, %zu formats\n", megabytes, paragraphs.size(),
                    static_cast<long long>(recording.runs), formats.size());
        std::printf("  %-24s %8.1f\n", "the reader's whole read", whole);
        std::printf("  %-24s %8.1f (%3.0f%%)\n", "its own share", whole - asWritten, share(whole - asWritten));
        const std::pair<const char *, double> rows[] = {
            {"as the reader writes", asWritten}, {"formats not reused", freshFormats},
            {"block set every time", blockEveryTime}, {"a paragraph at once", paragraphAtOnce},
            {"one run a paragraph", oneRun}, {"the text alone", textAlone},
        };
        for (const auto &[name, ms] : rows)
            std::printf("  %-24s %8.1f (%3.0f%%)\n", name, ms, share(ms));
    }
    return 0;
}
