#include "RtfReader.h"

#include "RtfBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace vireka {

namespace {

bool isAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

bool read(QByteArrayView data, QTextDocument &doc, rtf::Builder::DataEnd end)
{
    qsizetype start = 0;
    while (start < data.size() && isAsciiSpace(data[start]))
        ++start;
    data = data.sliced(start);
    if (!data.startsWith(QByteArrayView("{\\rtf")))
        return false;
    rtf::Builder builder(doc);
    return builder.read(data, end);
}

} // namespace

bool readRtf(QByteArrayView data, QTextDocument &doc)
{
    return read(data, doc, rtf::Builder::DataEnd::Whole);
}

bool readRtfFile(const QString &path, QTextDocument &doc)
{
    // Only regular files: a directory fails anyway, but a named pipe would block the program.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Read, not mapped: a mapped file that another program shortens meanwhile kills the process
    // with a bus error, which no error handling catches.
    const QByteArray data = file.read(MaxDocumentBytes);
    if (file.error() != QFileDevice::NoError)
        return false;
    const bool more = !file.atEnd() && file.read(1).size() == 1;
    return read(data, doc, more ? rtf::Builder::DataEnd::Cut : rtf::Builder::DataEnd::Whole);
}

} // namespace vireka
