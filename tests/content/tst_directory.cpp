// The directory's promise to its reader: a centre found under a style has its
// full entry in its country's listing. Checked on the text as the document
// area shows it, against the data file, and against a fresh run of the tool.

#include "DirectoryNames.h"
#include "StoredRtf.h"
#include "rtf/RtfReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QString kContent = QStringLiteral(VIREKA_CONTENT_DIR);
const QString kDocuments = kContent + QStringLiteral("/documents");
const QString kDataFile = kContent + QStringLiteral("/directory/directory.json");
const QString kTemplates = kContent + QStringLiteral("/templates");

struct Line
{
    QString text;
    bool bold = false;
    bool centred = false;
};

// The document as the reader renders it, one entry per paragraph. A bare
// file name is a shipped document; a path names any other RTF file.
QList<Line> rendered(const QString &file)
{
    QTextDocument doc;
    const QString path = file.contains(QLatin1Char('/')) ? file : kDocuments + QLatin1Char('/') + file;
    if (!vireka::readRtfFile(path, doc))
        return {};
    QList<Line> lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        Line line;
        line.text = b.text().trimmed();
        line.centred = b.blockFormat().alignment() & Qt::AlignHCenter;
        bool anyText = false;
        bool allBold = true;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.text().trimmed().isEmpty())
                continue;
            anyText = true;
            const QTextCharFormat fmt = f.charFormat();
            allBold = allBold && (fmt.fontWeight() >= QFont::Bold || fmt.font().bold());
        }
        line.bold = anyText && allBold;
        lines << line;
    }
    return lines;
}

// Listing names are the bold paragraphs below the centred title.
QList<qsizetype> listingIndexes(const QList<Line> &lines)
{
    QList<qsizetype> out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines.at(i).bold && !lines.at(i).centred && !lines.at(i).text.isEmpty())
            out << i;
    return out;
}

struct Entry
{
    QString name; // as listed, with any abbreviation
    QStringList styles;
    QString city;
    QString country;
    QStringList address;
    QString offers;
    QHash<QString, QString> styleOffers;
    QString phone;
    QString email;
    QString web;
};

struct Data
{
    QJsonObject root;
    QHash<QString, Entry> byName;
    QList<QPair<QString, QString>> countries; // name, file
    QHash<QString, QString> postalNames;     // country -> as its addresses write it
    QList<QPair<QString, QString>> styles;    // caption, file
};

const Data &data()
{
    static const Data d = [] {
        Data out;
        QFile f(kDataFile);
        if (f.open(QIODevice::ReadOnly))
            out.root = QJsonDocument::fromJson(f.readAll()).object();
        for (const QJsonValue &v : out.root.value("entries").toArray()) {
            const QJsonObject o = v.toObject();
            Entry e;
            e.name = o.value("name").toString();
            if (o.contains("abbreviation"))
                e.name += QStringLiteral(" (%1)").arg(o.value("abbreviation").toString());
            for (const QJsonValue &s : o.value("styles").toArray())
                e.styles << s.toString();
            for (const QJsonValue &s : o.value("address").toArray())
                e.address << s.toString();
            e.city = o.value("city").toString();
            e.offers = o.value("offers").toString();
            const QJsonObject styleOffers = o.value("styleOffers").toObject();
            for (auto it = styleOffers.begin(); it != styleOffers.end(); ++it)
                e.styleOffers.insert(it.key(), it.value().toString());
            e.country = o.value("country").toString();
            e.phone = o.value("phone").toString();
            e.email = o.value("email").toString();
            e.web = o.value("web").toString();
            out.byName.insert(e.name, e);
        }
        for (const QJsonValue &v : out.root.value("countries").toArray()) {
            out.countries.append({v["name"].toString(), v["file"].toString()});
            out.postalNames.insert(v["name"].toString(), v["postalName"].toString(v["name"].toString()));
        }
        for (const QJsonValue &v : out.root.value("styles").toArray())
            out.styles.append({v["caption"].toString(), v["file"].toString()});
        return out;
    }();
    return d;
}

QString countryFile(const QString &country)
{
    for (const auto &c : data().countries)
        if (c.first == country)
            return c.second;
    return {};
}

// The paragraphs of one listing: from its name to the next empty paragraph.
QStringList listingBlock(const QList<Line> &lines, qsizetype nameIndex)
{
    QStringList block;
    for (qsizetype i = nameIndex + 1; i < lines.size() && !lines.at(i).text.isEmpty(); ++i)
        block << lines.at(i).text;
    return block;
}

bool reservedHost(QString host)
{
    host = host.toLower();
    static const QRegularExpression shape(QStringLiteral("^[a-z0-9-]+(\\.[a-z0-9-]+)+$"));
    if (!shape.match(host).hasMatch())
        return false;
    if (host.endsWith(QLatin1String(".example")))
        return true;
    for (const char *r : {"example.com", "example.org", "example.net"})
        if (host == QLatin1String(r) || host.endsWith(QLatin1Char('.') + QLatin1String(r)))
            return true;
    return false;
}

bool reservedAddress(const QString &address)
{
    QString host = address;
    const qsizetype at = host.lastIndexOf(QLatin1Char('@'));
    if (at >= 0)
        host = host.mid(at + 1);
    host.remove(QRegularExpression(QStringLiteral("^https?://")));
    host = host.section(QLatin1Char('/'), 0, 0);
    return reservedHost(host);
}

} // namespace

class TestDirectory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void styleListingsLeadToFullCountryEntries_data();
    void styleListingsLeadToFullCountryEntries();
    void everyCountryAndStyleHasListings();
    void addressesAndNumbersAreInvented();
    void noRegisterNumbersAndNoNotesOnFiction();
    void numbersAreInTheirCountrysFictionalForm_data();
    void numbersAreInTheirCountrysFictionalForm();
    void publisherNamedOnlyAsTheRecordGivesIt_data();
    void publisherNamedOnlyAsTheRecordGivesIt();
    void storedTextsNamePublisherOnlyAsTheRecordGivesIt();
    void featuredListingsAsTheScreensUseThem();
    void committedFilesMatchTheTool();
    void storedTextsMatchTheToolAndTheData();
    void toolRefusesWhatCouldBeReal_data();
    void toolRefusesWhatCouldBeReal();
};

void TestDirectory::initTestCase()
{
    QVERIFY2(!data().byName.isEmpty(), "the data file did not load");
    QCOMPARE(data().countries.size(), 10);
    QCOMPARE(data().styles.size(), 25);
}

void TestDirectory::styleListingsLeadToFullCountryEntries_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("file");
    for (const auto &s : data().styles)
        QTest::newRow(qPrintable(s.second)) << s.first << s.second;
}

void TestDirectory::styleListingsLeadToFullCountryEntries()
{
    QFETCH(QString, style);
    QFETCH(QString, file);

    const QList<Line> lines = rendered(file);
    QVERIFY2(!lines.isEmpty(), "the style listing does not load");

    QSet<QString> listed;
    for (const qsizetype i : listingIndexes(lines)) {
        const QString name = lines.at(i).text;
        QVERIFY2(data().byName.contains(name), qPrintable(name + " is not in the data file"));
        const Entry &e = data().byName.value(name);
        QVERIFY2(e.styles.contains(style), qPrintable(name + " does not teach " + style));
        listed.insert(name);

        // The line under the name tells the reader which country to open.
        QVERIFY(i + 1 < lines.size());
        QCOMPARE(lines.at(i + 1).text, e.city + QStringLiteral(", ") + e.country);
        // Under it, what the centre offers in this style: for a centre of
        // several styles, never the general line of its country entry.
        QVERIFY(i + 2 < lines.size());
        if (e.styles.size() > 1) {
            QVERIFY2(e.styleOffers.contains(style), qPrintable(name + " has no line for " + style));
            QCOMPARE(lines.at(i + 2).text, e.styleOffers.value(style));
        } else {
            QCOMPARE(lines.at(i + 2).text, e.offers);
        }

        const QList<Line> country = rendered(countryFile(e.country));
        qsizetype found = -1;
        int times = 0;
        for (const qsizetype j : listingIndexes(country))
            if (country.at(j).text == name) {
                found = j;
                ++times;
            }
        QVERIFY2(times == 1, qPrintable(QStringLiteral("%1 is listed %2 times in %3")
                                            .arg(name)
                                            .arg(times)
                                            .arg(countryFile(e.country))));
        const QStringList block = listingBlock(country, found);
        for (const QString &addressLine : e.address)
            QVERIFY2(block.contains(addressLine), qPrintable(name + ": address line " + addressLine));
        QVERIFY2(block.contains(data().postalNames.value(e.country)), qPrintable(name + ": country line"));
        QVERIFY2(block.contains("Telephone: " + e.phone), qPrintable(name + ": telephone"));
        QVERIFY2(block.contains("E-mail: " + e.email), qPrintable(name + ": e-mail"));
        QVERIFY2(block.contains("Web: " + e.web), qPrintable(name + ": web address"));
    }

    // And no centre of this style is left out of its listing.
    for (const Entry &e : data().byName)
        if (e.styles.contains(style))
            QVERIFY2(listed.contains(e.name), qPrintable(e.name + " is missing from " + file));
}

void TestDirectory::everyCountryAndStyleHasListings()
{
    QList<QPair<QString, QString>> all = data().countries;
    all += data().styles;
    for (const auto &[label, file] : all) {
        const QList<Line> lines = rendered(file);
        QVERIFY2(!lines.isEmpty(), qPrintable(file + " does not load"));
        QVERIFY2(lines.first().centred && lines.first().bold && lines.first().text == label,
                 qPrintable(file + " does not open with its centred title"));
        QVERIFY2(listingIndexes(lines).size() >= 2, qPrintable(file + " has fewer than two listings"));
    }
    // The country screen's link to the submit notice reads "SubmitLink", and
    // the country listings name it as the reader sees it there.
    for (const auto &[label, file] : data().countries) {
        QStringList text;
        for (const Line &l : rendered(file))
            text << l.text;
        QVERIFY2(text.join(' ').contains(QLatin1String("under SubmitLink")), qPrintable(file));
        QVERIFY2(!text.join(' ').contains(QLatin1String("Submit your listing")), qPrintable(file));
    }
    // Every centre is somewhere in the country listings.
    for (const Entry &e : data().byName) {
        const QList<Line> lines = rendered(countryFile(e.country));
        const bool present = std::any_of(lines.cbegin(), lines.cend(),
                                         [&e](const Line &l) { return l.bold && l.text == e.name; });
        QVERIFY2(present, qPrintable(e.name + " is missing from its country listing"));
    }
}

void TestDirectory::addressesAndNumbersAreInvented()
{
    const QJsonObject publisher = data().root.value("publisher").toObject();
    for (const char *key : {"email", "web", "directoryWeb", "tesmaraWeb", "halvenaWeb"})
        QVERIFY2(reservedAddress(publisher.value(key).toString()), key);

    // Everything the reader can see: every shipped document, whoever wrote it.
    static const QRegularExpression email(QStringLiteral("[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+[A-Za-z0-9]"));
    static const QRegularExpression web(
        QStringLiteral("(?:https?://|www\\.)[A-Za-z0-9.-]+[A-Za-z0-9]|(?<=Web: )\\S+"));
    // Streets that exist in the towns the directory names; none may return.
    static const QStringList realStreets = {
        "Schuitendiep", "Maasboulevard", "Lindengracht", "Duinweg", "Bansphatak", "Havenkade",
        "Birkenweg", "Gerbergasse", "Fischersteg", "Am Mainbogen", "Canal Road", "Nalanda Road", "Sarangkot Road",
    };
    int seen = 0;
    for (const QString &file : QDir(kDocuments).entryList({"*.rtf"}, QDir::Files)) {
        for (const Line &line : rendered(file)) {
            for (const auto *re : {&email, &web}) {
                auto it = re->globalMatch(line.text);
                while (it.hasNext()) {
                    const QString found = it.next().captured(0);
                    ++seen;
                    QVERIFY2(reservedAddress(found), qPrintable(file + ": " + found));
                }
            }
            for (const QString &street : realStreets)
                QVERIFY2(!line.text.contains(street), qPrintable(file + ": " + street));
        }
    }
    QVERIFY2(seen > 150, "the scan found too few addresses to be trusted");
}

// Company register numbers could belong to a real firm, and a note that a number is fictional only
// spoils the reading: neither appears in a document or a screen's stored text. The one company
// number has nine digits, which the register of England and Wales (eight characters) never issues.
void TestDirectory::noRegisterNumbersAndNoNotesOnFiction()
{
    static const QRegularExpression banned(
        QStringLiteral("company no(?!\\S*\\s+\\d{9}\\b)|register(ed)? (no|number)|fictional number"),
        QRegularExpression::CaseInsensitiveOption);
    QDirIterator files(kContent, {"*.rtf"}, QDir::Files, QDirIterator::Subdirectories);
    int read = 0;
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        ++read;
        QVERIFY2(!banned.match(QString::fromLatin1(file.readAll())).hasMatch(), qPrintable(file.fileName()));
    }
    QVERIFY(read > 80);
}

// Where a country keeps numbers for fiction, the number lies in that range;
// elsewhere it is one digit too short to dial (Germany, whose numbers vary in
// length: the number after the area code starts with 0).
QString fictionalForm(const QString &country)
{
    static const QHash<QString, QString> forms = {
        {"USA", R"(\+1 (?!8(\d)\1)[2-9]\d\d 555 01\d\d)"},
        {"Canada", R"(\+1 (?!8(\d)\1)[2-9]\d\d 555 01\d\d)"},
        {"England", R"(\+44 (?:20 7946 0\d{3}|1632 960 \d{3}))"},
        {"Australia", R"(\+61 [2378] 5550 \d{4})"},
        {"Germany", R"(\+49 [1-9]\d{1,4} 0[\d ]*\d)"},
        {"Argentina", R"(\+54(?= )(?: ?\d){9})"},
        {"Chile", R"(\+56(?= )(?: ?\d){8})"},
        {"Holland", R"(\+31(?= )(?: ?\d){8})"},
        {"India", R"(\+91(?= )(?: ?\d){9})"},
        {"Nepal", R"(\+977 (?:1 55 01\d\d|[1-9]\d 55 01\d))"},
    };
    return forms.value(country);
}

bool isFictional(const QString &number, const QString &country)
{
    const QString form = fictionalForm(country);
    return !form.isEmpty() && QRegularExpression(QRegularExpression::anchoredPattern(form)).match(number).hasMatch();
}

void TestDirectory::numbersAreInTheirCountrysFictionalForm_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("fictional");

    // Forms that could ring someone, as earlier versions of the data had them.
    QTest::newRow("toll-free") << "Canada" << "+1 800 555 0188" << false;
    QTest::newRow("555 outside 01xx") << "USA" << "+1 212 555 1234" << false;
    QTest::newRow("London 555") << "England" << "+44 20 5550 0142" << false;
    QTest::newRow("Bristol 555") << "England" << "+44 117 555 0145" << false;
    QTest::newRow("Dutch full length") << "Holland" << "+31 35 555 0172" << false;
    QTest::newRow("Indian full length") << "India" << "+91 20 5550 0185" << false;
    QTest::newRow("Nepali full length") << "Nepal" << "+977 1 555 0125" << false;
    QTest::newRow("Nepali out of pattern") << "Nepal" << "+977 61 55 115" << false;
    QTest::newRow("German 5550") << "Germany" << "+49 761 5550 0160" << false;
    QTest::newRow("no rule") << "Atlantis" << "+1 555 0100" << false;

    const QJsonObject publisher = data().root.value("publisher").toObject();
    for (const char *key : {"phone", "fax"})
        QTest::newRow(key) << publisher.value("country").toString() << publisher.value(key).toString() << true;
    static const QRegularExpression branchNumber(QStringLiteral("telephone (\\+[\\d ]*\\d)"));
    for (const QJsonValue &v : data().root.value("entries").toArray()) {
        const QJsonObject o = v.toObject();
        const QString id = o.value("id").toString();
        const QString country = o.value("country").toString();
        for (const char *key : {"phone", "fax", "tollFree"})
            if (o.contains(key))
                QTest::newRow(qPrintable(id + ' ' + key)) << country << o.value(key).toString() << true;
        for (const QJsonValue &b : o.value("branches").toArray()) {
            const QRegularExpressionMatch m = branchNumber.match(b.toString());
            if (m.hasMatch())
                QTest::newRow(qPrintable(id + " branch")) << country << m.captured(1) << true;
        }
    }
}

void TestDirectory::numbersAreInTheirCountrysFictionalForm()
{
    QFETCH(QString, country);
    QFETCH(QString, number);
    QFETCH(bool, fictional);
    QCOMPARE(isFictional(number, country), fictional);
}

// Everything a document or screen may say about the publisher comes from the
// one record: its name spelled one way, and its addresses and numbers as given.
struct PublisherRecord
{
    QString name;
    QString host; // the publisher's own domain
    QStringList addresses; // e-mail and web addresses
    QStringList numbers;
    QString postBox;
    QString town;
    QString postalCode;
};

const PublisherRecord &publisherRecord()
{
    static const PublisherRecord r = [] {
        const QJsonObject o = data().root.value("publisher").toObject();
        PublisherRecord out;
        out.name = o.value("name").toString();
        out.host = o.value("web").toString().section('/', 0, 0).remove(QRegularExpression("^www\\."));
        for (const char *key : {"email", "web", "directoryWeb", "tesmaraWeb", "halvenaWeb"})
            out.addresses << o.value(key).toString();
        out.numbers << o.value("phone").toString() << o.value("fax").toString();
        out.postBox = o.value("postBox").toString();
        out.town = o.value("town").toString();
        out.postalCode = o.value("postalCode").toString();
        return out;
    }();
    return r;
}

// Telephone numbers as the documents write them: international form, or a
// local form such as 555-0147 that no document should use.
const QRegularExpression &numberPattern()
{
    static const QRegularExpression re(QStringLiteral("\\+\\d{1,3}(?: \\d+)+|\\b\\d{3}-\\d{4}\\b|\\b1-8\\d\\d-"));
    return re;
}

QSet<QString> knownNumbers()
{
    QSet<QString> known(publisherRecord().numbers.cbegin(), publisherRecord().numbers.cend());
    for (const QJsonValue &v : data().root.value("entries").toArray()) {
        const QJsonObject o = v.toObject();
        QStringList texts = {o.value("phone").toString(), o.value("fax").toString(),
                             o.value("tollFree").toString()};
        for (const QJsonValue &b : o.value("branches").toArray())
            texts << b.toString();
        for (const QString &t : texts) {
            auto it = numberPattern().globalMatch(t);
            while (it.hasNext())
                known.insert(it.next().captured(0));
        }
    }
    return known;
}

QSet<QString> knownAddresses()
{
    QSet<QString> known(publisherRecord().addresses.cbegin(), publisherRecord().addresses.cend());
    for (const Entry &e : data().byName)
        known << e.email << e.web;
    return known;
}

void TestDirectory::publisherNamedOnlyAsTheRecordGivesIt_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : QDir(kDocuments).entryList({"*.rtf"}, QDir::Files))
        QTest::newRow(qPrintable(file)) << file;
    // The documents stored in the screens.
    QDirIterator stored(kContent + QStringLiteral("/stored"), {"*.rtf"}, QDir::Files, QDirIterator::Subdirectories);
    while (stored.hasNext()) {
        const QString path = stored.next();
        QTest::newRow(qPrintable(QDir(kContent).relativeFilePath(path))) << path;
    }
}

void TestDirectory::publisherNamedOnlyAsTheRecordGivesIt()
{
    QFETCH(QString, file);
    const PublisherRecord &p = publisherRecord();
    QStringList paragraphs;
    for (const Line &line : rendered(file))
        paragraphs << line.text;
    const QString text = paragraphs.join('\n');
    QVERIFY2(!text.isEmpty(), "the document does not load");

    static const QRegularExpression address(
        QStringLiteral("[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+[A-Za-z0-9]|(?:https?://)?www\\.[A-Za-z0-9.-]+[A-Za-z0-9](?:/[A-Za-z0-9/._-]*[A-Za-z0-9])?"));
    const QSet<QString> addresses = knownAddresses();
    QString withoutAddresses = text;
    auto it = address.globalMatch(text);
    while (it.hasNext()) {
        const QString found = it.next().captured(0);
        QVERIFY2(addresses.contains(found), qPrintable("an address that is neither the publisher's nor a listing's: " + found));
        withoutAddresses.replace(found, QString());
    }

    // Outside addresses, each part of the name appears only in the whole name.
    const QString first = p.name.section(' ', 0, 0);
    const QString last = p.name.section(' ', -1);
    const qsizetype whole = withoutAddresses.count(p.name);
    const QByteArray otherwise = "names the publisher otherwise than \"" + p.name.toLatin1() + "\"";
    QVERIFY2(withoutAddresses.count(last, Qt::CaseInsensitive) == whole, otherwise.constData());
    QVERIFY2(withoutAddresses.count(first, Qt::CaseInsensitive) == whole, otherwise.constData());

    const QSet<QString> numbers = knownNumbers();
    auto nit = numberPattern().globalMatch(text);
    while (nit.hasNext()) {
        const QString found = nit.next().captured(0);
        QVERIFY2(numbers.contains(found), qPrintable("a telephone number from no record: " + found));
    }

    // The postal address appears whole or not at all.
    if (text.contains(p.town) || text.contains(p.postBox)) {
        QVERIFY2(text.contains(p.postBox), "the town without the publisher's box");
        QVERIFY2(text.contains(p.town), "the box without the publisher's town");
        QVERIFY2(text.contains(p.postalCode), "the publisher's address without its postal code");
    }
}

void TestDirectory::storedTextsNamePublisherOnlyAsTheRecordGivesIt()
{
    // The screens spell the name only whole (the About box's logo caption runs
    // it together, the main menu's caption is in capitals) and take every
    // address and number from the header.
    const PublisherRecord &p = publisherRecord();
    const QString logoCaption = QString(p.name).remove(' ');
    const QString capitals = p.name.toUpper();
    int files = 0;
    for (const char *folder : {"app", "ui", "screens"}) {
        QDirIterator it(QStringLiteral(VIREKA_SOURCE_DIR) + '/' + QLatin1String(folder), {"*.cpp", "*.h"},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            ++files;
            QString source = QString::fromUtf8(f.readAll());
            const QString where = f.fileName();
            const qsizetype whole = source.count(p.name) + source.count(logoCaption) + source.count(capitals);
            QVERIFY2(source.count(p.name.section(' ', -1), Qt::CaseInsensitive) == whole,
                     qPrintable(where + ": the publisher's name in another spelling, or its domain"));
            for (const QString &detail : p.numbers + QStringList{p.postBox, p.town, p.postalCode})
                QVERIFY2(!source.contains(detail), qPrintable(where + " spells " + detail + " itself"));
        }
    }
    QVERIFY2(files > 10, "the scan found too few source files to be trusted");
}

void TestDirectory::featuredListingsAsTheScreensUseThem()
{
    using namespace vireka::directory;
    const auto &rows = featuredListings;
    QCOMPARE(std::size(rows), size_t(14));

    QSet<QString> pages;
    for (size_t i = 0; i < std::size(rows); ++i) {
        const FeaturedListing &f = rows[i];
        QCOMPARE(f.entry, int(i + 1));
        // The list does not sort itself; its stored order must be alphabetical.
        if (i > 0)
            QVERIFY2(QString::fromLatin1(rows[i - 1].text) < QString::fromLatin1(f.text), f.text);
        QVERIFY2(!pages.contains(f.page), f.page);
        pages.insert(f.page);
        QCOMPARE(&featuredForPage(f.page), &f);

        // Every featured centre is an ordinary directory listing too.
        const QString country = countryFile(QString::fromLatin1(f.country));
        const QList<Line> lines = rendered(country);
        const QString listed = f.abbreviation[0]
                                   ? QStringLiteral("%1 (%2)").arg(f.name, f.abbreviation)
                                   : QString::fromLatin1(f.name);
        const bool present = std::any_of(lines.cbegin(), lines.cend(), [&listed](const Line &l) {
            return l.bold && l.text == listed;
        });
        QVERIFY2(present, qPrintable(listed + " is not in " + country));
    }
    QCOMPARE(pages.size(), 14);

    // Entries 12 and 13 are one school, told apart only by the final digit.
    QCOMPARE(QString(rows[11].text), QString(rows[11].name) + "1");
    QCOMPARE(QString(rows[12].text), QString(rows[12].name) + "2");

    // Each credit names its supplier as the photo listings do; school and
    // person are joined by " and ".
    const struct
    {
        const char *credit;
        int entry;
        const char *person;
    } credits[] = {
        {creditC2, 5, rows[4].person},
        {creditC3, 11, rows[10].person},
        {creditC4, 12, rows[11].person},
        {creditC5, 12, rows[11].person2},
        {creditC6, 3, nullptr},
        {creditC7, 8, rows[7].person},
        {creditC8, 4, rows[3].person},
    };
    for (const auto &c : credits) {
        const FeaturedListing &f = rows[c.entry - 1];
        const QString credit = QString::fromLatin1(c.credit);
        if (c.entry == 5)
            QCOMPARE(credit, QString::fromLatin1(f.person));
        else if (!c.person)
            QCOMPARE(credit, QString::fromLatin1(f.name));
        else
            QCOMPARE(credit, QStringLiteral("%1 and %2").arg(f.name, c.person));
    }
    QVERIFY(QString(creditC4) != QString(creditC5));

    // The featured centre documents open with the name of their centre or teacher.
    for (const char *page : {"frmCentre1", "frmCentre2", "frmCentre3", "frmCentre4", "frmCentre5"}) {
        const FeaturedListing &f = featuredForPage(page);
        const QString file = QStringLiteral("Centre%1.rtf").arg(QLatin1String(page).right(1));
        const QList<Line> lines = rendered(file);
        QVERIFY2(!lines.isEmpty(), qPrintable(file));
        const QString title = lines.first().text;
        QVERIFY2(title.startsWith(QLatin1String(f.name)) || title == QLatin1String(f.person),
                 qPrintable(file + ": " + title));
    }
}

void TestDirectory::committedFilesMatchTheTool()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess tool;
    tool.start(QStringLiteral(VIREKA_LISTINGS_TOOL), {kDataFile, kTemplates, out.path()});
    QVERIFY(tool.waitForFinished(60000));
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
             tool.readAllStandardError().constData());

    QStringList expected;
    for (const auto &c : data().countries)
        expected << c.second;
    for (const auto &s : data().styles)
        expected << s.second;
    for (int i = 1; i <= 5; ++i)
        expected << QStringLiteral("Centre%1.rtf").arg(i);
    for (const QString &t : QDir(kTemplates).entryList({"*.rtf.in"}, QDir::Files))
        expected << t.chopped(3);
    expected.sort();
    QCOMPARE(QDir(out.path()).entryList({"*.rtf"}, QDir::Files, QDir::Name), expected);

    auto bytes = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    };
    for (const QString &name : expected)
        QVERIFY2(bytes(out.filePath(name)) == bytes(kDocuments + QLatin1Char('/') + name),
                 qPrintable(name + " differs from the tool's output: regenerate it"));
    QVERIFY2(bytes(out.filePath("DirectoryNames.h")) == bytes(kContent + "/directory/DirectoryNames.h"),
             "DirectoryNames.h differs from the tool's output: regenerate it");

    // A second run gives the same bytes: the output depends on the data alone.
    QTemporaryDir again;
    tool.start(QStringLiteral(VIREKA_LISTINGS_TOOL), {kDataFile, kTemplates, again.path()});
    QVERIFY(tool.waitForFinished(60000));
    for (const QString &name : expected)
        QCOMPARE(bytes(again.filePath(name)), bytes(out.filePath(name)));
}

// The gallery pages' stored texts come from the tool too, and every address and
// number in them is one of the data file's, which the tool has checked.
void TestDirectory::storedTextsMatchTheToolAndTheData()
{
    QTemporaryDir out, header, stored;
    QProcess tool;
    tool.start(QStringLiteral(VIREKA_LISTINGS_TOOL),
               {kDataFile, kTemplates, out.path(), header.path(), stored.path()});
    QVERIFY(tool.waitForFinished(60000));
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
             tool.readAllStandardError().constData());

    QFile dataFile(kDataFile);
    QVERIFY(dataFile.open(QIODevice::ReadOnly));
    const QString dataText = QString::fromUtf8(dataFile.readAll());
    static const QRegularExpression contact(QStringLiteral(
        "[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+[A-Za-z0-9]|www\\.[A-Za-z0-9.-]+[A-Za-z0-9]|\\+[0-9][0-9 ]+[0-9]"));
    QDirIterator files(stored.path(), {"*.rtf"}, QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (files.hasNext()) {
        const QString generated = files.next();
        const QString name = QDir(stored.path()).relativeFilePath(generated);
        QFile committed(kContent + QStringLiteral("/stored/") + name), fresh(generated);
        QVERIFY(committed.open(QIODevice::ReadOnly) && fresh.open(QIODevice::ReadOnly));
        QVERIFY2(committed.readAll() == fresh.readAll(), qPrintable(name + " differs from the tool's output: regenerate it"));
        ++count;

        QTextDocument doc;
        QVERIFY(vireka::readRtfFile(generated, doc));
        auto found = contact.globalMatch(doc.toPlainText());
        while (found.hasNext()) {
            const QString detail = found.next().captured(0);
            QVERIFY2(dataText.contains(detail), qPrintable(name + ": " + detail + " is not from the data file"));
        }
    }
    QCOMPARE(count, 14);
}

// The tool is the gate: data or a template that could name a real line or
// spell the publisher outside the record is refused, and nothing is written.
void TestDirectory::toolRefusesWhatCouldBeReal_data()
{
    QTest::addColumn<QString>("from");     // in the data file
    QTest::addColumn<QString>("to");
    QTest::addColumn<QByteArray>("extra"); // an extra template, if any

    const QByteArray header = vireka::test::StoredHeader +
                              "{\\colortbl\\red0\\green0\\blue0;}\r\n";
    QTest::newRow("unchanged, for comparison") << "" << "" << QByteArray();
    QTest::newRow("London number outside 7946") << "+44 20 7946 0142" << "+44 20 5550 0142" << QByteArray();
    QTest::newRow("toll-free") << "+1 902 555 0171" << "+1 800 555 0171" << QByteArray();
    QTest::newRow("Dutch number of full length") << "+31 35 55 0172" << "+31 35 555 0172" << QByteArray();
    QTest::newRow("company number of eight digits") << "\"055501420\"" << "\"05550142\"" << QByteArray();
    QTest::newRow("publisher web outside a reserved domain")
        << "www.zuvovuroda.example/halvena" << "www.zuvovuroda.com/halvena" << QByteArray();
    QTest::newRow("template spells the name")
        << "" << "" << header + "\\pard\\plain\\f2\\fs24 by Morvane Zuvovuroda\\par\r\n}\r\n";
    QTest::newRow("template spells the web address")
        << "" << "" << header + "\\pard\\plain\\f2\\fs24 www.zuvovuroda.example\\par\r\n}\r\n";
    QTest::newRow("unknown placeholder")
        << "" << "" << header + "\\pard\\plain\\f2\\fs24 [[publisherFaxNumber]]\\par\r\n}\r\n";
}

void TestDirectory::toolRefusesWhatCouldBeReal()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QByteArray, extra);

    QTemporaryDir work;
    QVERIFY(work.isValid());
    QFile original(kDataFile);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QString json = QString::fromUtf8(original.readAll());
    if (!from.isEmpty()) {
        QVERIFY2(json.contains(from), qPrintable(from));
        json.replace(from, to);
    }
    QFile data(work.filePath("directory.json"));
    QVERIFY(data.open(QIODevice::WriteOnly) && data.write(json.toUtf8()) > 0);
    data.close();

    const QString templates = work.filePath("templates");
    QVERIFY(QDir().mkpath(templates));
    for (const QString &t : QDir(kTemplates).entryList({"*.rtf.in"}, QDir::Files))
        QVERIFY(QFile::copy(kTemplates + '/' + t, templates + '/' + t));
    if (!extra.isEmpty()) {
        QFile t(templates + "/Extra.rtf.in");
        QVERIFY(t.open(QIODevice::WriteOnly) && t.write(extra) == extra.size());
    }

    const QString out = work.filePath("out");
    QProcess tool;
    tool.start(QStringLiteral(VIREKA_LISTINGS_TOOL), {data.fileName(), templates, out});
    QVERIFY(tool.waitForFinished(60000));
    const bool refused = !from.isEmpty() || !extra.isEmpty();
    QVERIFY2(tool.exitCode() == (refused ? 1 : 0), tool.readAllStandardError().constData());
    QCOMPARE(QDir(out).entryList({"*.rtf"}, QDir::Files).isEmpty(), refused);
}

QTEST_MAIN(TestDirectory)
#include "tst_directory.moc"
