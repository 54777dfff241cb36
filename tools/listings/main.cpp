// vireka-listings: turns the directory data file into the country and style
// listings, the featured centres' documents, the documents that name the
// publisher (filled from the templates in TEMPLATEDIR) and the header of names
// and publisher details that the screens compile in.
//
//   vireka-listings DIRECTORY.json TEMPLATEDIR OUTDIR [HEADERDIR]
//
// The documents go to OUTDIR, DirectoryNames.h to HEADERDIR (default OUTDIR).
// Nothing is written unless the whole data file checks out.

#include "Directory.h"
#include "Generate.h"
#include "RtfWriter.h"
#include "Templates.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
    if (args.size() < 4 || args.size() > 5) {
        err << "usage: vireka-listings DIRECTORY.json TEMPLATEDIR OUTDIR [HEADERDIR]\n";
        return 2;
    }
    const QDir outDir(args.at(3));
    const QDir headerDir(args.size() == 5 ? args.at(4) : args.at(3));

    QMap<QString, QByteArray> documents;
    QByteArray header;
    try {
        const listings::Directory directory = listings::loadDirectory(args.at(1));
        documents = listings::allDocuments(directory);
        const QMap<QString, QByteArray> filled = listings::templateDocuments(directory.publisher, args.at(2));
        for (auto it = filled.cbegin(); it != filled.cend(); ++it) {
            if (documents.contains(it.key()))
                throw listings::DataError(it.key().toStdString() + " is both a template and a listing");
            documents.insert(it.key(), it.value());
        }
        header = listings::namesHeader(directory);
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
    return 0;
}
