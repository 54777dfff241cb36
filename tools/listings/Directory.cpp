#include "Directory.h"

#include "PhoneRules.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace listings {

namespace {

[[noreturn]] void fail(const QString &message)
{
    throw DataError(message.toStdString());
}

QString requiredString(const QJsonObject &o, const char *key, const QString &where)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isString() || v.toString().trimmed().isEmpty())
        fail(QStringLiteral("%1: \"%2\" is missing or empty").arg(where, QLatin1String(key)));
    return v.toString();
}

QString optionalString(const QJsonObject &o, const char *key, const QString &where)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return {};
    if (!v.isString() || v.toString().trimmed().isEmpty())
        fail(QStringLiteral("%1: \"%2\" must be a non-empty string").arg(where, QLatin1String(key)));
    return v.toString();
}

QStringList stringList(const QJsonObject &o, const char *key, const QString &where, bool required)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() && !required)
        return {};
    if (!v.isArray() || (required && v.toArray().isEmpty()))
        fail(QStringLiteral("%1: \"%2\" must be a non-empty list").arg(where, QLatin1String(key)));
    QStringList out;
    for (const QJsonValue &item : v.toArray()) {
        if (!item.isString() || item.toString().trimmed().isEmpty())
            fail(QStringLiteral("%1: \"%2\" holds an empty or non-text item").arg(where, QLatin1String(key)));
        out << item.toString();
    }
    return out;
}

QJsonArray requiredArray(const QJsonObject &o, const char *key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isArray())
        fail(QStringLiteral("\"%1\" must be a list").arg(QLatin1String(key)));
    return v.toArray();
}

int requiredInt(const QJsonObject &o, const char *key, const QString &where)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble() || v.toDouble() != double(v.toInt()))
        fail(QStringLiteral("%1: \"%2\" must be a whole number").arg(where, QLatin1String(key)));
    return v.toInt();
}

void checkPhone(const QString &number, const QString &country, const QString &where)
{
    if (!isFictionalNumber(number, country))
        fail(QStringLiteral("%1: telephone number \"%2\" is not in the invented form for %3")
                 .arg(where, number, country));
}

// The register of companies for England and Wales numbers every company with
// eight characters; a number of nine digits is one it never issues.
void checkCompanyNumber(const Entry &e, const QString &where)
{
    if (e.companyNumber.isEmpty())
        return;
    static const QRegularExpression nineDigits(QStringLiteral("^\\d{9}$"));
    if (e.country != QLatin1String("England") || !nineDigits.match(e.companyNumber).hasMatch())
        fail(QStringLiteral("%1: company number \"%2\" is not in a form that no register issues (nine "
                            "digits, for England only)")
                 .arg(where, e.companyNumber));
}

// Branch lines end in ", telephone NUMBER" where they give one.
void checkBranchPhones(const Entry &e, const QString &where)
{
    static const QRegularExpression phone(QStringLiteral("telephone (\\+[0-9 ]+[0-9])"));
    for (const QString &b : e.branches) {
        const QRegularExpressionMatch m = phone.match(b);
        if (m.hasMatch())
            checkPhone(m.captured(1), e.country, where);
    }
}

Entry readEntry(const QJsonObject &o, int index)
{
    const QString where = QStringLiteral("entry %1").arg(index + 1);
    Entry e;
    e.id = requiredString(o, "id", where);
    const QString named = QStringLiteral("entry \"%1\"").arg(e.id);
    e.name = requiredString(o, "name", named);
    e.abbreviation = optionalString(o, "abbreviation", named);
    e.kind = requiredString(o, "kind", named);
    e.styles = stringList(o, "styles", named, true);
    e.city = requiredString(o, "city", named);
    e.country = requiredString(o, "country", named);
    e.address = stringList(o, "address", named, true);
    e.phone = requiredString(o, "phone", named);
    e.fax = optionalString(o, "fax", named);
    e.tollFree = optionalString(o, "tollFree", named);
    e.email = requiredString(o, "email", named);
    e.web = requiredString(o, "web", named);
    e.branches = stringList(o, "branches", named, false);
    e.note = optionalString(o, "note", named);
    e.companyNumber = optionalString(o, "companyNumber", named);
    e.offers = requiredString(o, "offers", named);
    const QJsonObject styleOffers = o.value(QLatin1String("styleOffers")).toObject();
    for (auto it = styleOffers.constBegin(); it != styleOffers.constEnd(); ++it) {
        if (!it.value().isString() || it.value().toString().trimmed().isEmpty())
            fail(named + QStringLiteral(": styleOffers \"%1\" is empty").arg(it.key()));
        e.styleOffers.insert(it.key(), it.value().toString());
    }
    // A centre of several styles says, in each style's listing, what it
    // offers in that style; its general line would mislead there.
    if (e.styles.size() > 1 || !e.styleOffers.isEmpty()) {
        QStringList keys = e.styleOffers.keys();
        QStringList styles = e.styles;
        keys.sort();
        styles.sort();
        if (keys != styles)
            fail(named + QStringLiteral(": styleOffers must give one line for each of its styles"));
    }
    const QJsonValue people = o.value(QLatin1String("people"));
    if (!people.isUndefined() && !people.isArray())
        fail(named + QStringLiteral(": \"people\" must be a list"));
    for (const QJsonValue &p : people.toArray()) {
        const QJsonObject po = p.toObject();
        e.people.append({requiredString(po, "role", named), requiredString(po, "name", named)});
    }

    checkPhone(e.phone, e.country, named);
    if (!e.fax.isEmpty())
        checkPhone(e.fax, e.country, named);
    if (!e.tollFree.isEmpty())
        checkPhone(e.tollFree, e.country, named);
    checkBranchPhones(e, named);
    checkCompanyNumber(e, named);
    if (!isReservedEmail(e.email))
        fail(QStringLiteral("%1: e-mail \"%2\" is not under a reserved domain").arg(named, e.email));
    if (!isReservedWeb(e.web))
        fail(QStringLiteral("%1: web address \"%2\" is not under a reserved domain").arg(named, e.web));
    return e;
}

QStringList resolveAll(const QStringList &patterns, const Entry &entry)
{
    QStringList out;
    for (const QString &p : patterns)
        out << resolvePlaceholders(p, entry);
    return out;
}

// The stored texts of the gallery pages: the sizes and colours that the
// document areas' RTF allows, and every path a screen and one of its controls.
QList<StoredText> readStoredTexts(const QJsonArray &array, const Directory &d)
{
    static const QRegularExpression pathShape(QStringLiteral("^[A-Za-z][A-Za-z0-9]*/[A-Za-z][A-Za-z0-9]*\\.rtf$"));
    static const QList<int> sizes{10, 11, 12, 14, 16, 18, 20};
    QList<StoredText> out;
    QSet<QString> paths;
    for (const QJsonValue &v : array) {
        const QJsonObject o = v.toObject();
        StoredText t;
        t.paths = stringList(o, "paths", QStringLiteral("stored text"), true);
        const QString where = t.paths.first();
        for (const QString &path : t.paths) {
            if (!pathShape.match(path).hasMatch())
                fail(QStringLiteral("stored text \"%1\" is not SCREEN/CONTROL.rtf").arg(path));
            if (paths.contains(path))
                fail(QStringLiteral("stored text \"%1\" is given twice").arg(path));
            paths.insert(path);
        }
        t.featured = requiredInt(o, "featured", where);
        const Featured *f = d.featuredByNumber(t.featured);
        if (!f)
            fail(where + QStringLiteral(": no such featured listing"));
        const QJsonArray colour = o.value(QLatin1String("textColour")).toArray();
        if (colour.size() != 3)
            fail(where + QStringLiteral(": textColour is [red, green, blue]"));
        int *channels[] = {&t.red, &t.green, &t.blue};
        for (int i = 0; i < 3; ++i) {
            *channels[i] = colour.at(i).toInt(-1);
            if (*channels[i] < 0 || *channels[i] > 255)
                fail(where + QStringLiteral(": textColour values run from 0 to 255"));
        }
        const QJsonArray lines = o.value(QLatin1String("lines")).toArray();
        if (lines.isEmpty())
            fail(where + QStringLiteral(": \"lines\" must be a non-empty list"));
        for (const QJsonValue &lv : lines) {
            const QJsonObject lo = lv.toObject();
            StoredLine line;
            line.text = resolvePlaceholders(lo.value(QLatin1String("text")).toString(), *f->listing);
            line.points = lo.value(QLatin1String("points")).toInt(12);
            line.bold = lo.value(QLatin1String("bold")).toBool(false);
            line.centred = lo.value(QLatin1String("centred")).toBool(false);
            if (!sizes.contains(line.points))
                fail(QStringLiteral("%1: %2 points is not a size the documents use").arg(where).arg(line.points));
            if (line.text.count(QLatin1String("**")) % 2 != 0)
                fail(QStringLiteral("%1: unpaired ** in \"%2\"").arg(where, line.text));
            t.lines.append(line);
        }
        out.append(t);
    }
    return out;
}

} // namespace

QString Entry::offersFor(const QString &style) const
{
    return styleOffers.value(style, offers);
}

QString Entry::displayName() const
{
    return abbreviation.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, abbreviation);
}

const Entry *Directory::entryById(const QString &id) const
{
    for (const Entry &e : entries)
        if (e.id == id)
            return &e;
    return nullptr;
}

const Featured *Directory::featuredByNumber(int entry) const
{
    for (const Featured &f : featured)
        if (f.entry == entry)
            return &f;
    return nullptr;
}

bool isReservedHost(const QString &host)
{
    const QString h = host.toLower();
    if (h.isEmpty() || h.startsWith(QLatin1Char('.')) || h.contains(QLatin1String("..")))
        return false;
    static const QRegularExpression hostShape(QStringLiteral("^[a-z0-9.-]+$"));
    if (!hostShape.match(h).hasMatch())
        return false;
    if (h.endsWith(QLatin1String(".example")))
        return true;
    for (const char *reserved : {"example.com", "example.org", "example.net"}) {
        const QString r = QLatin1String(reserved);
        if (h == r || h.endsWith(QLatin1Char('.') + r))
            return true;
    }
    return false;
}

bool isReservedEmail(const QString &email)
{
    const qsizetype at = email.indexOf(QLatin1Char('@'));
    if (at <= 0 || at != email.lastIndexOf(QLatin1Char('@')))
        return false;
    return isReservedHost(email.mid(at + 1));
}

bool isReservedWeb(const QString &web)
{
    QString rest = web;
    for (const char *scheme : {"https://", "http://"})
        if (rest.startsWith(QLatin1String(scheme)))
            rest = rest.mid(qsizetype(qstrlen(scheme)));
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    return isReservedHost(slash < 0 ? rest : rest.left(slash));
}

QString substituteMatches(const QString &text, const QRegularExpression &pattern,
                          const std::function<QString(const QRegularExpressionMatch &)> &value)
{
    QString out;
    qsizetype last = 0;
    auto it = pattern.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        out += value(m);
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

QString resolvePlaceholders(const QString &pattern, const Entry &entry)
{
    static const QRegularExpression token(QStringLiteral("\\{([a-zA-Z0-9]*)\\}"));
    static const QRegularExpression branchPart(QStringLiteral("^branch([12])(Label|Details)$"));
    const QString out = substituteMatches(pattern, token, [&](const QRegularExpressionMatch &m) {
        const QString key = m.captured(1);
        QString value;
        if (key == QLatin1String("name"))
            value = entry.name;
        else if (key == QLatin1String("abbreviation"))
            value = entry.abbreviation;
        else if (key == QLatin1String("person"))
            value = entry.people.size() > 0 ? entry.people.at(0).name : QString();
        else if (key == QLatin1String("person2"))
            value = entry.people.size() > 1 ? entry.people.at(1).name : QString();
        else if (key == QLatin1String("city"))
            value = entry.city;
        else if (key == QLatin1String("country"))
            value = entry.postalCountry;
        else if (key == QLatin1String("address1") || key == QLatin1String("address2") || key == QLatin1String("address3"))
            value = entry.address.value(key.back().digitValue() - 1);
        else if (key == QLatin1String("phone"))
            value = entry.phone;
        else if (key == QLatin1String("fax"))
            value = entry.fax;
        else if (key == QLatin1String("tollFree"))
            value = entry.tollFree;
        else if (key == QLatin1String("email"))
            value = entry.email;
        else if (key == QLatin1String("web"))
            value = entry.web;
        else if (key == QLatin1String("branch1") || key == QLatin1String("branch2"))
            value = entry.branches.value(key.back().digitValue() - 1);
        else if (const QRegularExpressionMatch part = branchPart.match(key); part.hasMatch()) {
            const QString branch = entry.branches.value(part.captured(1).toInt() - 1);
            const qsizetype colon = branch.indexOf(QLatin1String(": "));
            if (colon > 0)
                value = part.captured(2) == QLatin1String("Label") ? branch.left(colon) : branch.mid(colon + 2);
        } else if (key == QLatin1String("note"))
            value = entry.note;
        else if (key == QLatin1String("companyNumber"))
            value = entry.companyNumber;
        else
            fail(QStringLiteral("unknown placeholder {%1} in \"%2\"").arg(key, pattern));
        if (value.isEmpty())
            fail(QStringLiteral("placeholder {%1} in \"%2\" has no value for entry \"%3\"")
                     .arg(key, pattern, entry.id));
        return value;
    });
    if (out.contains(QLatin1Char('{')) || out.contains(QLatin1Char('}')))
        fail(QStringLiteral("stray brace in \"%1\"").arg(pattern));
    return out;
}

Directory loadDirectory(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (doc.isNull())
        fail(QStringLiteral("%1 is not valid JSON: %2 at offset %3")
                 .arg(path, parseError.errorString())
                 .arg(parseError.offset));
    const QJsonObject root = doc.object();

    Directory d;

    d.publisher = readPublisher(root.value(QLatin1String("publisher")).toObject());

    QSet<QString> files;
    auto claimFile = [&files](const QString &name) {
        if (!name.endsWith(QLatin1String(".rtf")) || name.contains(QLatin1Char('/'))
            || name.contains(QLatin1Char('\\')))
            fail(QStringLiteral("\"%1\" is not a plain .rtf file name").arg(name));
        if (files.contains(name))
            fail(QStringLiteral("document \"%1\" is named twice").arg(name));
        files.insert(name);
    };

    for (const QJsonValue &v : requiredArray(root, "countries")) {
        const QJsonObject o = v.toObject();
        Country c{requiredString(o, "name", QStringLiteral("country")),
                  requiredString(o, "file", QStringLiteral("country")),
                  requiredString(o, "intro", QStringLiteral("country")),
                  optionalString(o, "postalName", QStringLiteral("country"))};
        if (c.postalName.isEmpty())
            c.postalName = c.name;
        claimFile(c.file);
        d.countries.append(c);
    }
    for (const QJsonValue &v : requiredArray(root, "styles")) {
        const QJsonObject o = v.toObject();
        Style s{requiredString(o, "caption", QStringLiteral("style")),
                requiredString(o, "file", QStringLiteral("style")),
                requiredString(o, "intro", QStringLiteral("style"))};
        claimFile(s.file);
        d.styles.append(s);
    }

    const QJsonArray entries = requiredArray(root, "entries");
    QSet<QString> ids, names;
    for (int i = 0; i < entries.size(); ++i) {
        Entry e = readEntry(entries.at(i).toObject(), i);
        if (ids.contains(e.id))
            fail(QStringLiteral("entry id \"%1\" is used twice").arg(e.id));
        if (names.contains(e.displayName()))
            fail(QStringLiteral("entry name \"%1\" is used twice").arg(e.displayName()));
        ids.insert(e.id);
        names.insert(e.displayName());
        const auto country = std::find_if(d.countries.cbegin(), d.countries.cend(),
                                          [&e](const Country &c) { return c.name == e.country; });
        if (country == d.countries.cend())
            fail(QStringLiteral("entry \"%1\": unknown country \"%2\"").arg(e.id, e.country));
        e.postalCountry = country->postalName;
        QSet<QString> seenStyles;
        for (const QString &s : e.styles) {
            const bool knownStyle = std::any_of(d.styles.cbegin(), d.styles.cend(),
                                                [&s](const Style &st) { return st.caption == s; });
            if (!knownStyle)
                fail(QStringLiteral("entry \"%1\": unknown style \"%2\"").arg(e.id, s));
            if (seenStyles.contains(s))
                fail(QStringLiteral("entry \"%1\": style \"%2\" given twice").arg(e.id, s));
            seenStyles.insert(s);
        }
        d.entries.append(e);
    }

    // Every document of the two listing screens must have something to show.
    for (const Country &c : d.countries) {
        const auto n = std::count_if(d.entries.cbegin(), d.entries.cend(),
                                     [&c](const Entry &e) { return e.country == c.name; });
        if (n < 2)
            fail(QStringLiteral("country \"%1\" has fewer than two listings").arg(c.name));
    }
    for (const Style &s : d.styles) {
        const auto n = std::count_if(d.entries.cbegin(), d.entries.cend(),
                                     [&s](const Entry &e) { return e.styles.contains(s.caption); });
        if (n < 2)
            fail(QStringLiteral("style \"%1\" has fewer than two listings").arg(s.caption));
    }

    for (const QJsonValue &v : requiredArray(root, "featured")) {
        const QJsonObject o = v.toObject();
        Featured f;
        f.entry = requiredInt(o, "entry", QStringLiteral("featured listing"));
        const QString where = QStringLiteral("featured listing %1").arg(f.entry);
        f.listing = d.entryById(requiredString(o, "listing", where));
        if (!f.listing)
            fail(where + QStringLiteral(": no directory entry with that id"));
        f.page = requiredString(o, "page", where);
        f.kind = requiredString(o, "kind", where);
        f.text = resolvePlaceholders(requiredString(o, "text", where), *f.listing);
        f.caption = resolvePlaceholders(requiredString(o, "caption", where), *f.listing);
        d.featured.append(f);
    }
    // The photo listings list shows its entries in stored order, and that
    // order is alphabetical; entries 12 and 13 name one school twice.
    if (d.featured.size() != 14)
        fail(QStringLiteral("there must be 14 featured listings, found %1").arg(d.featured.size()));
    for (int i = 0; i < d.featured.size(); ++i) {
        const Featured &f = d.featured.at(i);
        if (f.entry != i + 1)
            fail(QStringLiteral("featured listings must be numbered 1 to 14 in order"));
        if (i > 0 && !(d.featured.at(i - 1).text < f.text))
            fail(QStringLiteral("featured listing %1 (\"%2\") is not in alphabetical order")
                     .arg(f.entry)
                     .arg(f.text));
        for (int j = 0; j < i; ++j)
            if (d.featured.at(j).page == f.page)
                fail(QStringLiteral("page %1 is opened by two featured listings").arg(f.page));
    }
    const QString twelve = d.featured.at(11).text;
    const QString thirteen = d.featured.at(12).text;
    if (!twelve.endsWith(QLatin1Char('1')) || !thirteen.endsWith(QLatin1Char('2'))
        || twelve.chopped(1) != thirteen.chopped(1))
        fail(QStringLiteral("featured listings 12 and 13 must differ only in a final 1 and 2"));

    for (const QJsonValue &v : requiredArray(root, "credits")) {
        const QJsonObject o = v.toObject();
        Credit c;
        c.code = requiredString(o, "code", QStringLiteral("credit"));
        c.featured = requiredInt(o, "featured", c.code);
        const Featured *f = d.featuredByNumber(c.featured);
        if (!f)
            fail(c.code + QStringLiteral(": no such featured listing"));
        c.nameParts = resolveAll(stringList(o, "parts", c.code, true), *f->listing).join(QLatin1String(" and "));
        d.credits.append(c);
    }
    QStringList codes;
    for (const Credit &c : d.credits)
        codes << c.code;
    if (codes != QStringList{"C2", "C3", "C4", "C5", "C6", "C7", "C8"})
        fail(QStringLiteral("credits must be C2 to C8 in order"));

    for (const QJsonValue &v : requiredArray(root, "centreDocuments")) {
        const QJsonObject o = v.toObject();
        CentreDocument c;
        c.file = requiredString(o, "file", QStringLiteral("centre document"));
        claimFile(c.file);
        c.featured = requiredInt(o, "featured", c.file);
        const Featured *f = d.featuredByNumber(c.featured);
        if (!f)
            fail(c.file + QStringLiteral(": no such featured listing"));
        const QString colour = optionalString(o, "textColour", c.file);
        if (!colour.isEmpty() && colour != QLatin1String("white") && colour != QLatin1String("black"))
            fail(c.file + QStringLiteral(": textColour is white or black"));
        c.blackText = colour == QLatin1String("black");
        c.title = resolveAll(stringList(o, "title", c.file, true), *f->listing);
        c.servicesHeading = resolvePlaceholders(requiredString(o, "servicesHeading", c.file), *f->listing);
        c.paragraphs = resolveAll(stringList(o, "paragraphs", c.file, true), *f->listing);
        d.centreDocuments.append(c);
    }

    d.storedTexts = readStoredTexts(requiredArray(root, "storedTexts"), d);
    return d;
}

} // namespace listings
