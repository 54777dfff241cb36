#include "Generate.h"

#include "RtfWriter.h"

#include <QTextStream>

#include <algorithm>

namespace listings {

namespace {

constexpr int kTitleSize = 36;
constexpr int kNameSize = 24;
constexpr int kLineSize = 22;
constexpr int kFootSize = 20;
constexpr int kHeadingSize = 28;
constexpr int kBodySize = 24;
// The featured centres' boxes are small: a smaller body keeps scrolling short.
constexpr int kCentreTitleSize = 28;
constexpr int kCentreHeadingSize = 24;
constexpr int kCentreBodySize = 22;

// Listings read best grouped by town; the name breaks ties so that the
// output never depends on the order of the data file.
bool byCityThenName(const Entry *a, const Entry *b)
{
    const int city = QString::compare(a->city, b->city, Qt::CaseInsensitive);
    if (city != 0)
        return city < 0;
    const int name = QString::compare(a->name, b->name, Qt::CaseInsensitive);
    return name != 0 ? name < 0 : a->id < b->id;
}

QString styleLine(const Entry &e)
{
    return (e.styles.size() == 1 ? QStringLiteral("Style: ") : QStringLiteral("Styles: "))
           + e.styles.join(QLatin1String(", "));
}

// The contact block shared by the country listings and the featured pages.
void writeContact(RtfWriter &w, const Entry &e, int size)
{
    for (const QString &line : e.address)
        w.paragraph(line, size);
    w.paragraph(e.postalCountry, size);
    w.paragraph(QStringLiteral("Telephone: ") + e.phone, size);
    if (!e.fax.isEmpty())
        w.paragraph(QStringLiteral("Fax: ") + e.fax, size);
    if (!e.tollFree.isEmpty())
        w.paragraph(QStringLiteral("Toll-free: ") + e.tollFree, size);
    w.paragraph(QStringLiteral("E-mail: ") + e.email, size);
    w.paragraph(QStringLiteral("Web: ") + e.web, size);
    for (const Person &p : e.people)
        w.paragraph(p.role + QStringLiteral(": ") + p.name, size);
    for (const QString &b : e.branches)
        w.paragraph(b, size);
    if (!e.note.isEmpty())
        w.paragraph(e.note, size);
}

// The featured pages' boxes are small, so their contact block is the short
// one those pages are laid out for: no web line, country on the last address
// line, telephone and fax on one line.
void writeCentreContact(RtfWriter &w, const Entry &e, int size)
{
    for (qsizetype i = 0; i < e.address.size(); ++i)
        w.paragraph(e.address.at(i) + (i + 1 == e.address.size() ? QStringLiteral(", ") + e.postalCountry : QString()),
                    size);
    QString phones = QStringLiteral("Telephone: ") + e.phone;
    if (!e.fax.isEmpty())
        phones += QStringLiteral(", fax: ") + e.fax;
    if (!e.tollFree.isEmpty())
        phones += QStringLiteral(", toll-free: ") + e.tollFree;
    w.paragraph(phones, size);
    w.paragraph(QStringLiteral("E-mail: ") + e.email, size);
    for (const Person &p : e.people)
        w.paragraph(p.role + QStringLiteral(": ") + p.name, size);
    for (const QString &b : e.branches)
        w.paragraph(b, size);
}

QString cString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= 0x7f)
            throw DataError(QStringLiteral("\"%1\" is not plain ASCII").arg(text).toStdString());
        if (u == u'"' || u == u'\\')
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('"');
}

QString identifier(const QString &code)
{
    return QStringLiteral("credit") + code;
}

} // namespace

QByteArray countryDocument(const Directory &d, const Country &country)
{
    QList<const Entry *> entries;
    for (const Entry &e : d.entries)
        if (e.country == country.name)
            entries << &e;
    std::sort(entries.begin(), entries.end(), byCityThenName);

    RtfWriter w;
    w.paragraph(country.name, kTitleSize, true, true);
    w.paragraph(QStringLiteral("Yoga centres, teachers and associations"), kBodySize, false, true);
    w.blank();
    w.paragraph(country.intro, kLineSize);
    w.blank();
    for (const Entry *e : entries) {
        w.paragraph(e->displayName(), kNameSize, true);
        writeContact(w, *e, kLineSize);
        w.paragraph(styleLine(*e), kLineSize);
        w.paragraph(e->offers, kLineSize);
        w.blank();
    }
    w.paragraph(QStringLiteral("All listings are free of charge. How to submit a listing is explained "
                               "under SubmitLink, below the country names."),
                kFootSize);
    return w.finish();
}

QByteArray styleDocument(const Directory &d, const Style &style)
{
    QList<const Entry *> entries;
    for (const Entry &e : d.entries)
        if (e.styles.contains(style.caption))
            entries << &e;
    std::sort(entries.begin(), entries.end(), [](const Entry *a, const Entry *b) {
        const int country = QString::compare(a->country, b->country, Qt::CaseInsensitive);
        return country != 0 ? country < 0 : byCityThenName(a, b);
    });

    RtfWriter w;
    w.paragraph(style.caption, kTitleSize, true, true);
    w.paragraph(QStringLiteral("Centres, teachers and groups"), kBodySize, false, true);
    w.blank();
    w.paragraph(style.intro, kLineSize);
    w.blank();
    for (const Entry *e : entries) {
        w.paragraph(e->displayName(), kNameSize, true);
        w.paragraph(e->city + QStringLiteral(", ") + e->country, kLineSize);
        w.paragraph(e->offersFor(style.caption), kLineSize);
        w.blank();
    }
    // After the list, so that the narrow area opens on the centres themselves.
    w.paragraph(QStringLiteral("Full entries are in the country listings: click Find Country of Center."),
                kFootSize);
    return w.finish();
}

QByteArray centreDocument(const Directory &d, const CentreDocument &doc)
{
    const Entry &e = *d.featuredByNumber(doc.featured)->listing;
    RtfWriter w(doc.blackText ? RtfWriter::Colour::Black : RtfWriter::Colour::White);
    for (const QString &line : doc.title)
        w.paragraph(line, kCentreTitleSize, true, true);
    writeCentreContact(w, e, kCentreBodySize);
    w.blank(kCentreBodySize);
    w.paragraph(doc.servicesHeading, kCentreHeadingSize, true);
    for (const QString &p : doc.paragraphs) {
        if (p.startsWith(QLatin1String("## ")))
            w.paragraph(p.mid(3), kCentreHeadingSize, true);
        else
            w.paragraph(p, kCentreBodySize);
    }
    return w.finish();
}

QMap<QString, QByteArray> allDocuments(const Directory &d)
{
    QMap<QString, QByteArray> out;
    for (const Country &c : d.countries)
        out.insert(c.file, countryDocument(d, c));
    for (const Style &s : d.styles)
        out.insert(s.file, styleDocument(d, s));
    for (const CentreDocument &c : d.centreDocuments)
        out.insert(c.file, centreDocument(d, c));
    return out;
}

QByteArray storedText(const StoredText &text)
{
    RtfWriter w(RtfWriter::Rgb{text.red, text.green, text.blue});
    for (const StoredLine &line : text.lines) {
        // "**" toggles bold within the line; a bold line is bold throughout.
        QList<RtfWriter::Run> runs;
        const QStringList pieces = line.text.split(QLatin1String("**"));
        for (qsizetype i = 0; i < pieces.size(); ++i)
            if (!pieces.at(i).isEmpty() || pieces.size() == 1)
                runs.append({pieces.at(i), line.bold || i % 2 == 1});
        w.paragraph(runs, line.points * 2, line.centred);
    }
    return w.finish();
}

QMap<QString, QByteArray> allStoredTexts(const Directory &d)
{
    QMap<QString, QByteArray> out;
    for (const StoredText &t : d.storedTexts)
        for (const QString &path : t.paths)
            out.insert(path, storedText(t));
    return out;
}

QByteArray namesHeader(const Directory &d)
{
    QString text;
    QTextStream s(&text);
    s << "// Generated by vireka-listings from content/directory/directory.json.\n"
         "// Do not edit: change the data file and regenerate (tools/listings/README.md).\n"
         "#pragma once\n\n"
         "#include <string_view>\n\n"
         "namespace vireka::directory {\n\n";

    s << "// The publisher's record: the About box, the notices, the Halvena promotion and\n"
         "// the documents all take these from here.\n";
    for (const PublisherDetail &p : d.publisher.details)
        s << "// " << p.comment << "\ninline constexpr char " << p.constant << "[] = " << cString(p.value)
          << ";\n";
    s << "\n";

    s << "// One row of the photo listings browser, with the directory entry behind it.\n"
         "// Fields that an entry does not have are empty strings.\n"
         "struct FeaturedListing\n{\n"
         "    int entry;                // row in the list, from 1\n"
         "    const char *text;         // entry text: shown in the list and used as its key\n"
         "    const char *page;         // class name of the page the entry opens\n"
         "    const char *caption;      // that page's window caption\n"
         "    const char *kind;         // what the entry names: ashram, institute, woman teacher, ...\n"
         "    const char *name;         // centre, school, mission or class series\n"
         "    const char *abbreviation;\n"
         "    const char *person;       // the principal person: teacher, director, president, ...\n"
         "    const char *personRole;\n"
         "    const char *person2;      // a second person where there is one\n"
         "    const char *person2Role;\n"
         "    const char *styles;       // comma-separated style captions\n"
         "    const char *address[3];   // street lines, without the country\n"
         "    const char *country;\n"
         "    const char *phone;\n"
         "    const char *fax;\n"
         "    const char *tollFree;\n"
         "    const char *email;\n"
         "    const char *web;\n"
         "    const char *branches[2];  // further centres or schools, one line each\n"
         "    const char *note;\n"
         "    const char *offers;\n"
         "};\n\n";

    s << "inline constexpr FeaturedListing featuredListings[" << d.featured.size() << "] = {\n";
    for (const Featured &f : d.featured) {
        const Entry &e = *f.listing;
        auto at = [](const QStringList &l, int i) { return i < l.size() ? l.at(i) : QString(); };
        if (e.address.size() > 3 || e.branches.size() > 2)
            throw DataError(QStringLiteral("entry \"%1\" has more address or branch lines than the "
                                           "header carries")
                                .arg(e.id)
                                .toStdString());
        const Person p1 = e.people.value(0);
        const Person p2 = e.people.value(1);
        s << "    {" << f.entry << ",\n";
        for (const QString &v : {f.text, f.page, f.caption, f.kind, e.name, e.abbreviation, p1.name,
                                 p1.role, p2.name, p2.role, e.styles.join(QLatin1String(", "))})
            s << "     " << cString(v) << ",\n";
        s << "     {" << cString(at(e.address, 0)) << ", " << cString(at(e.address, 1)) << ", "
          << cString(at(e.address, 2)) << "},\n";
        for (const QString &v : {e.country, e.phone, e.fax, e.tollFree, e.email, e.web})
            s << "     " << cString(v) << ",\n";
        s << "     {" << cString(at(e.branches, 0)) << ", " << cString(at(e.branches, 1)) << "},\n";
        s << "     " << cString(e.note) << ",\n";
        s << "     " << cString(e.offers) << "},\n";
    }
    s << "};\n\n";

    s << "// The featured listing that opens a page, by the page's class name.\n"
         "constexpr const FeaturedListing &featuredForPage(std::string_view page)\n{\n"
         "    for (const FeaturedListing &f : featuredListings)\n"
         "        if (page == f.page)\n"
         "            return f;\n"
         "    throw \"no featured listing opens this page\";\n"
         "}\n\n";

    s << "// Name parts of the asana photo credits: \"Photo courtesy of \", the part,\n"
         "// then \" (see Listing)\".\n";
    for (const Credit &c : d.credits)
        s << "inline constexpr char " << identifier(c.code) << "[] = " << cString(c.nameParts)
          << "; // featured listing " << c.featured << "\n";
    s << "inline constexpr const char *creditNameParts[" << d.credits.size() << "] = {";
    for (qsizetype i = 0; i < d.credits.size(); ++i)
        s << (i ? ", " : "") << identifier(d.credits.at(i).code);
    s << "};\n\n} // namespace vireka::directory\n";
    s.flush();

    return text.toLatin1();
}

} // namespace listings
