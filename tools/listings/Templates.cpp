#include "Templates.h"

#include "Directory.h"
#include "RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace listings {

namespace {

[[noreturn]] void fail(const QString &message)
{
    throw DataError(message.toStdString());
}

// The publisher's own host, such as "zuvovuroda.example" in www.zuvovuroda.example.
QString publisherHost(const Publisher &p)
{
    QString host = p.value(QStringLiteral("publisherWeb")).section(QLatin1Char('/'), 0, 0);
    if (host.startsWith(QLatin1String("www.")))
        host = host.mid(4);
    return host;
}

} // namespace

QByteArray fillTemplate(const QByteArray &source, const Publisher &publisher, const QString &file)
{
    const QString text = QString::fromLatin1(source);
    const QString lastName = publisher.name().section(QLatin1Char(' '), -1);
    for (const QString &spelled : {lastName, publisherHost(publisher)})
        if (text.contains(spelled, Qt::CaseInsensitive))
            fail(QStringLiteral("%1: spells \"%2\" itself; use the [[placeholders]]").arg(file, spelled));

    static const QRegularExpression placeholder(QStringLiteral("\\[\\[([A-Za-z]*)\\]\\]"));
    auto fill = [&](const QRegularExpressionMatch &m) {
        const QString value = publisher.value(m.captured(1));
        if (value.isEmpty())
            fail(QStringLiteral("%1: unknown placeholder %2").arg(file, m.captured(0)));
        return QString::fromLatin1(RtfWriter::escape(value));
    };
    const QByteArray out = substituteMatches(text, placeholder, fill).toLatin1();
    if (out.contains("[[") || out.contains("]]"))
        fail(QStringLiteral("%1: stray [[ or ]]").arg(file));
    return out;
}

QMap<QString, QByteArray> templateDocuments(const Publisher &publisher, const QString &folder)
{
    QMap<QString, QByteArray> out;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.rtf.in")}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        fail(QStringLiteral("no templates (*.rtf.in) in %1").arg(folder));
    for (const QString &name : names) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read %1: %2").arg(f.fileName(), f.errorString()));
        out.insert(name.chopped(3), fillTemplate(f.readAll(), publisher, name));
    }
    return out;
}

} // namespace listings
