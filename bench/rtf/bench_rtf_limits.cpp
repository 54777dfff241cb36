// Times the inputs that once froze the program or grew worse than linearly: each is written to a
// file, then loaded, fitted and laid out at a document area's width in a fresh process (so that its
// peak memory is its own). Prints the time and peak memory of each, and the ratios that show how
// cost grows with size: linear growth keeps time per unit flat.

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

namespace {

constexpr qreal AreaWidth = 229; // the narrowest area's text width

QByteArray shortParagraphs(qsizetype bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}}\\f0 ";
    rtf.reserve(bytes + 64);
    while (rtf.size() < bytes)
        rtf += "ab\\par\r\n";
    return rtf + "}";
}

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
    std::printf("%lld %lld %lld %ld\n", qlonglong(read), qlonglong(fit), qlonglong(timer.elapsed()),
                peakKilobytes() - before);
    return 0;
}

struct Result {
    double readMs = 0;
    double fitMs = 0;
    double layoutMs = 0;
    double mb = 0;
};

Result run(const QString &self, const QTemporaryDir &dir, const QByteArray &rtf)
{
    const QString path = dir.filePath(QStringLiteral("input.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(rtf) != rtf.size())
        return {};
    file.close();
    QProcess child;
    child.start(self, {QStringLiteral("--measure"), path});
    child.waitForFinished(-1);
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (child.exitCode() != 0 || fields.size() != 4)
        return {};
    return {fields[0].toDouble(), fields[1].toDouble(), fields[2].toDouble(), fields[3].toDouble() / 1024};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--measure")
        return measure(QString::fromLocal8Bit(argv[2]));

    const QString self = QCoreApplication::applicationFilePath();
    QTemporaryDir dir;

    std::printf("short paragraphs (\"ab\\par\"), loaded, fitted and laid out at %.0f px:\n", AreaWidth);
    std::printf("  %6s %8s %8s %8s %10s %10s\n", "MB", "read", "fit", "layout", "ms per MB", "peak MB");
    for (const int megabytes : {5, 10, 20, 50}) {
        const Result r = run(self, dir, shortParagraphs(qsizetype(megabytes) * 1024 * 1024));
        std::printf("  %6d %8.0f %8.0f %8.0f %10.1f %10.1f\n", megabytes, r.readMs, r.fitMs, r.layoutMs,
                    (r.readMs + r.fitMs + r.layoutMs) / megabytes, r.mb);
    }

    struct Pair {
        const char *what;
        std::function<QByteArray(int)> make;
        int small;
    };
    const Pair pairs[] = {
        {"paragraphs with their own tab stops", tabStops, 12000},
        {"distinct font names", fontNames, 16000},
        {"paragraphs spaced 22 inches apart", wideSpacing, 2100},
    };
    std::printf("\ndoubling the input (milliseconds; linear: ratios near 2):\n");
    std::printf("  %-42s %6s %6s %6s %7s %7s %7s\n", "n of", "read", "fit", "layout", "x read", "x fit",
                "x lay");
    for (const Pair &p : pairs) {
        const Result small = run(self, dir, p.make(p.small));
        const Result large = run(self, dir, p.make(2 * p.small));
        const QByteArray label = QByteArray::number(p.small) + " " + p.what;
        auto ratio = [](double a, double b) { return b / std::max(a, 1.0); };
        std::printf("  %-42s %6.0f %6.0f %6.0f %7.2f %7.2f %7.2f\n", label.constData(), small.readMs,
                    small.fitMs, small.layoutMs, ratio(small.readMs, large.readMs), ratio(small.fitMs, large.fitMs),
                    ratio(small.layoutMs, large.layoutMs));
    }
    return 0;
}
