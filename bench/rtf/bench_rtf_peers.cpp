// Reads documents of 1, 10 and 50 MB in the shape of the program's own with the program's reader
// and with the peers a user might have: unrtf's text conversion and LibreOffice's, where they are
// installed (apt-get install unrtf libreoffice-writer-nogui; development tools only). Each is timed
// from the file to its text, median of three, the peers as whole processes.

#include "Median.h"
#include "ShippedStyleDocument.h"
#include "rtf/RtfReader.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>
#include <functional>
#include <vector>

using vireka::bench::medianOfThreeMs;

namespace {

bool runs(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    std::printf("from the file to its text, milliseconds, median of 3 (-: not installed)\n");
    std::printf("  %4s | %8s | %8s %7s | %10s %7s\n", "MB", "reader", "unrtf", "ratio", "LibreOffice", "ratio");
    for (const int megabytes : {1, 10, 50}) {
        const QString path = dir.filePath(QStringLiteral("document.rtf"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        file.write(makeDocument(qsizetype(megabytes) * 1024 * 1024).rtf);
        file.close();
        // The reader itself, without the size budget a document area reads files within.
        const double reader = medianOfThreeMs([&] {
            QFile in(path);
            QTextDocument doc;
            return in.open(QIODevice::ReadOnly) && vireka::readRtf(in.readAll(), doc) && !doc.toPlainText().isEmpty();
        });
        const double viaUnrtf = unrtf.isEmpty() ? -1 : medianOfThreeMs([&] { return runs(unrtf, {"--text", path}); });
        const double viaOffice = office.isEmpty() ? -1 : medianOfThreeMs([&] {
            return runs(office, {"--headless", "--convert-to", "txt:Text (encoded):UTF8", "--outdir", dir.path(), path});
        });
        auto ratio = [reader](double peer) { return peer > 0 ? peer / reader : 0.0; };
        std::printf("  %4d | %8.0f | %8.0f %7.2f | %10.0f %7.2f\n", megabytes, reader, viaUnrtf, ratio(viaUnrtf),
                    viaOffice, ratio(viaOffice));
    }
    return 0;
}
