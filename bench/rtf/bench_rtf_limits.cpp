// Times the inputs that once froze the program or grew worse than linearly: each is written to a
// file, then loaded, fitted and laid out at a document area's width in a fresh process (so that its
// peak memory is its own). Prints the time of each at n, the time and peak memory at 2n and the
// ratio of the two, which stays near 2 where cost grows linearly, and the paragraphs built per MB.

#include "ShippedStyleDocument.h"
#include "rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr qreal AreaWidth = 229; // the narrowest area's text width
constexpr int TimeoutMs = 60000; // a load still running then is reported as this long

const QByteArray Header = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\f0 ";

QByteArray repeated(const QByteArray &unit, qsizetype count)
{
    QByteArray out = Header;
    out.reserve(Header.size() + unit.size() * count + 1);
    for (qsizetype i = 0; i < count; ++i)
        out += unit;
    return out + "}";
}

QByteArray shortParagraphs(int n) { return repeated("ab\\par\r\n", n); }
QByteArray oneWord(int letters) { return Header + QByteArray(letters, 'a') + "}"; }
QByteArray lineBreaks(int n) { return repeated("\\line ", n); }

QByteArray tabStops(int paragraphs)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < paragraphs; ++i)
        rtf += "\\pard\\tx" + QByteArray::number(i) + " a\\tab b\\par\r\n";
    return rtf + "}";
}

QByteArray fontNames(int names)
{
    QByteArray rtf = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < names; ++i)
        rtf += "{\\f" + QByteArray::number(i) + "\\froman Face " + QByteArray::number(i) + ";}";
    rtf += "}";
    for (int i = 0; i < names; ++i)
        rtf += "\\f" + QByteArray::number(i) + " word\\par\r\n";
    return rtf + "}";
}

QByteArray wideSpacing(int paragraphs)
{
    QByteArray rtf = "{\\rtf1\\sb31680\\sa31680\\sl-31680 ";
    for (int i = 0; i < paragraphs; ++i)
        rtf += "\\par ";
    return rtf + "}";
}

// A colour table of `n` entries, each used once, all in one paragraph.
QByteArray colours(int n)
{
    QByteArray rtf = Header + "{\\colortbl;";
    for (int i = 0; i < n; ++i)
        rtf += "\\red" + QByteArray::number(i % 256) + "\\green" + QByteArray::number(i / 256 % 256) + "\\blue"
            + QByteArray::number(i / 65536) + ";";
    rtf += "}";
    for (int i = 1; i <= n; ++i)
        rtf += "{\\cf" + QByteArray::number(i) + " c}";
    return rtf + "}";
}

QByteArray shippedStyle(int megabytes) { return makeDocument(qsizetype(megabytes) * 1024 * 1024).rtf; }

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// In the child: load the file as an area does and print the milliseconds to read it, to fit it and
// to lay it out, and the kilobytes of peak memory the load added.
int measure(const QString &path)
{
    const long before = peakKilobytes();
    QElapsedTimer timer;
    timer.start();
    QTextDocument doc;
    if (!vireka::readRtfFile(path, doc))
        return 1;
    const qint64 read = timer.restart();
    vireka::fitDocumentHeight(doc, AreaWidth);
    const qint64 fit = timer.restart();
    doc.setTextWidth(AreaWidth);
    doc.documentLayout()->documentSize();
    std::printf("%lld %lld %lld %ld %d\n", qlonglong(read), qlonglong(fit), qlonglong(timer.elapsed()),
                peakKilobytes() - before, doc.blockCount());
    return 0;
}

struct Result {
    double readMs = 0;
    double fitMs = 0;
    double layoutMs = 0;
    double peakMb = 0;
    int blocks = 0;
    double total() const { return readMs + fitMs + layoutMs; }
};

// Writes the input (or, for `sparseBytes`, a file of that size that is all header and zeros, which
// takes no room on the disk) and measures it in a fresh process; the median of three by time.
Result run(const QString &child, const QTemporaryDir &dir, const QByteArray &rtf, qint64 sparseBytes = 0)
{
    const QString path = dir.filePath(QStringLiteral("input.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(rtf) != rtf.size()
        || (sparseBytes && !file.resize(sparseBytes)))
        return {};
    file.close();
    std::vector<Result> results;
    for (int i = 0; i < 3; ++i) {
        QProcess process;
        process.start(child, {QStringLiteral("--measure"), path});
        if (!process.waitForFinished(TimeoutMs)) { // frozen: once is enough
            process.kill();
            process.waitForFinished();
            return {TimeoutMs, 0, 0, 0, 0};
        }
        const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
        if (process.exitCode() != 0 || fields.size() < 4)
            return {};
        results.push_back({fields[0].toDouble(), fields[1].toDouble(), fields[2].toDouble(),
                           fields[3].toDouble() / 1024, fields.value(4).toInt()});
    }
    std::sort(results.begin(), results.end(), [](const Result &a, const Result &b) { return a.total() < b.total(); });
    return results[1];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--measure")
        return measure(QString::fromLocal8Bit(argv[2]));
    // --child PROGRAM measures with another build of this benchmark, such as one from before a change.
    const QString child = argc == 3 && QByteArray(argv[1]) == "--child" ? QString::fromLocal8Bit(argv[2])
                                                                       : QCoreApplication::applicationFilePath();
    QTemporaryDir dir;

    struct Row {
        const char *what;
        std::function<QByteArray(int)> make;
        int small;
        const char *unit;
    };
    // Each doubling stays on one side of every budget: below it, or both past it.
    const Row rows[] = {
        {"short paragraphs (\"ab\\par\")", shortParagraphs, 20000, "paragraphs, under the paragraph budget"},
        {"short paragraphs (\"ab\\par\")", shortParagraphs, 500000, "paragraphs, past it"},
        {"one word", oneWord, 16000, "letters, under the paragraph length"},
        {"one word", oneWord, 500000, "letters, past it"},
        {"line breaks in one paragraph", lineBreaks, 16000, "breaks, under the paragraph length"},
        {"line breaks in one paragraph", lineBreaks, 500000, "breaks, past it"},
        {"colours in use", colours, 100, "colours, under the colour budget"},
        {"colours in use", colours, 50000, "colours, past it"},
        {"paragraphs with their own tab stops", tabStops, 12000, "paragraphs"},
        {"distinct font names", fontNames, 16000, "names"},
        {"paragraphs spaced 22 inches apart", wideSpacing, 2100, "paragraphs, past the height budget"},
        {"documents in the shipped style", shippedStyle, 1, "MB, under every budget"},
    };
    std::printf("inputs loaded, fitted and laid out at %.0f px in a fresh process, median of 3; milliseconds;\n"
                "doubling the input should double the time (x time <= 2.5), one click at most 1000 ms and "
                "400 MB\n\n", AreaWidth);
    std::printf("  %-32s %8s %-40s %6s %6s %6s %7s %7s %7s %9s\n", "input", "n", "", "read", "fit", "layout",
                "2n ms", "x time", "+peak MB", "blocks/MB");
    for (const Row &r : rows) {
        const QByteArray small = r.make(r.small);
        const QByteArray large = r.make(2 * r.small);
        const Result a = run(child, dir, small);
        const Result b = run(child, dir, large);
        std::printf("  %-32s %8d %-40s %6.0f %6.0f %6.0f %7.0f %7.2f %7.0f %9.0f\n", r.what, r.small, r.unit, a.readMs,
                    a.fitMs, a.layoutMs, b.total(), b.total() / std::max(a.total(), 1.0), b.peakMb,
                    b.blocks / (large.size() / 1048576.0));
    }
    // The largest documents read whole, near the height budget at this width.
    for (const qsizetype kilobytes : {qsizetype(4 * 1024), vireka::MaxDocumentBytes / 1024 - 64}) {
        const Result r = run(child, dir, makeDocument(kilobytes * 1024).rtf);
        std::printf("  %-32s %8.1f %-40s %6.0f %6.0f %6.0f %7.0f %7s %7.0f\n", "a document in the shipped style",
                    kilobytes / 1024.0, "MB, under the size budget", r.readMs, r.fitMs, r.layoutMs, r.total(), "",
                    r.peakMb);
    }
    // Files far past the size budget, as a folder may hold under a document's name.
    for (const qint64 gigabytes : {1, 2}) {
        const Result r = run(child, dir, "{\\rtf1 ", gigabytes << 30);
        std::printf("  %-32s %8lld %-40s %6.0f %6.0f %6.0f %7s %7s %7.0f\n", "a file of zeros", qlonglong(gigabytes),
                    "GB, past the size budget", r.readMs, r.fitMs, r.layoutMs, "", "", r.peakMb);
    }
    return 0;
}
