#include "RtfReader.h"

#include "RtfBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace vireka {

namespace {

bool isAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

} // namespace

bool readRtf(QByteArrayView data, QTextDocument &doc)
{
    qsizetype start = 0;
    while (start < data.size() && isAsciiSpace(data[start]))
        ++start;
    data = data.sliced(start);
    if (!data.startsWith(QByteArrayView("{\\rtf")))
        return false;
    rtf::Builder builder(doc);
    return builder.read(data);
}

bool readRtfFile(const QString &path, QTextDocument &doc)
{
    // Only regular files: a directory fails anyway, but a named pipe would block the program.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Mapping saves a copy of large files; devices that cannot be mapped are read instead.
    if (const qint64 size = file.size(); size > 0) {
        if (uchar *mapped = file.map(0, size)) {
            const bool ok = readRtf(QByteArrayView(mapped, qsizetype(size)), doc);
            file.unmap(mapped);
            return ok;
        }
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return readRtf(data, doc);
}

} // namespace vireka
