// Times the search over every document, in one run: reading all the documents through the RTF reader
// alone, building the index (which reads them too), and later searches of the built index.
//
//   bench_search [PROGRAM_FOLDER]   the folder that holds the documents, the built one by default

#include "DocumentIndex.h"
#include "ProgramFile.h"
#include "rtf/RtfReader.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>

using namespace vireka;

namespace {

// The least of several runs, in milliseconds: the cost without the machine's other work.
template <class Work>
double fastest(int runs, Work work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void readAlone(const std::vector<DocumentPlace> &places)
{
    for (const DocumentPlace &place : places) {
        QTextDocument document;
        if (place.source.startsWith(QLatin1Char(':'))) {
            QFile file(place.source);
            if (file.open(QIODevice::ReadOnly))
                readRtf(file.readAll(), document);
        } else {
            readRtfFile(programFilePath(place.source), document);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDir::setCurrent(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VIREKA_PROGRAM_FOLDER));
    const std::vector<DocumentPlace> places = documentPlaces();
    constexpr int Runs = 5;
    const double reading = fastest(Runs, [&] { readAlone(places); });
    DocumentIndex index;
    const double building = fastest(Runs, [&] { index.build(); });
    const QStringList words = {QStringLiteral("asana"), QStringLiteral("breath"), QStringLiteral("meditation"),
                               QStringLiteral("zzzz"), QStringLiteral("the")};
    double searching = 0;
    for (const QString &word : words)
        searching = std::max(searching, fastest(Runs, [&] { index.search(word); }));
    qsizetype characters = 0;
    for (const IndexedDocument &document : index.documents())
        characters += document.text.size();
    std::printf("%zu documents, %lld characters indexed\n", index.documents().size(), qlonglong(characters));
    std::printf("reading alone      %8.1f ms\n", reading);
    std::printf("building the index %8.1f ms  (%.2f x reading; target at most 150 ms)\n", building, building / reading);
    std::printf("slowest search     %8.2f ms  (%.3f x reading; target at most 10 ms)\n", searching, searching / reading);
    return 0;
}
