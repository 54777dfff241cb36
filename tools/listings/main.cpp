// vireka-listings: turns the directory data file into the country and style
// listings, the featured centres' documents and the header of names that the
// gallery screens compile in.
//
//   vireka-listings DIRECTORY.json OUTDIR [HEADERDIR [STOREDDIR]]
//
// The documents go to OUTDIR, DirectoryNames.h to HEADERDIR (default OUTDIR),
// and the gallery pages' stored texts to STOREDDIR/SCREEN/CONTROL.rtf when
// STOREDDIR is given.
// Nothing is written unless the whole data file checks out.

#include "Directory.h"
#include "Generate.h"
#include "RtfWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTextStream>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes, QTextStream &err)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        err << "vireka-listings: cannot write " << path << ": " << f.errorString() << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 5) {
        err << "usage: vireka-listings DIRECTORY.json OUTDIR [HEADERDIR [STOREDDIR]]\n";
        return 2;
    }
    const QDir outDir(args.at(2));
    const QDir headerDir(args.size() >= 4 ? args.at(3) : args.at(2));
    const QString storedDir = args.size() == 5 ? args.at(4) : QString();

    QMap<QString, QByteArray> documents;
    QMap<QString, QByteArray> storedTexts;
    QByteArray header;
    try {
        const listings::Directory directory = listings::loadDirectory(args.at(1));
        documents = listings::allDocuments(directory);
        header = listings::namesHeader(directory);
        storedTexts = listings::allStoredTexts(directory);
    } catch (const std::exception &e) {
        err << "vireka-listings: " << args.at(1) << ": " << e.what() << "\n";
        return 1;
    }

    if (!QDir().mkpath(outDir.path()) || !QDir().mkpath(headerDir.path())) {
        err << "vireka-listings: cannot create the output folders\n";
        return 1;
    }
    for (auto it = documents.cbegin(); it != documents.cend(); ++it)
        if (!writeFile(outDir.filePath(it.key()), it.value(), err))
            return 1;
    if (!writeFile(headerDir.filePath(QStringLiteral("DirectoryNames.h")), header, err))
        return 1;
    if (storedDir.isEmpty())
        return 0;
    for (auto it = storedTexts.cbegin(); it != storedTexts.cend(); ++it) {
        const QString path = QDir(storedDir).filePath(it.key());
        if (!QDir().mkpath(QFileInfo(path).path()) || !writeFile(path, it.value(), err))
            return 1;
    }
    return 0;
}
