// The directory's promise to its reader: a centre found under a style has its
// full entry in its country's listing. Checked on the text as the document
// area shows it, against the data file, and against a fresh run of the tool.

#include "DirectoryNames.h"
#include "rtf/RtfReader.h"

#include <QDir>
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

struct Line
{
    QString text;
    bool bold = false;
    bool centred = false;
};

// The document as the reader renders it, one entry per paragraph.
QList<Line> rendered(const QString &file)
{
    QTextDocument doc;
    if (!vireka::readRtfFile(kDocuments + QLatin1Char('/') + file, doc))
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
    QString phone;
    QString email;
    QString web;
};

struct Data
{
    QJsonObject root;
    QHash<QString, Entry> byName;
    QList<QPair<QString, QString>> countries; // name, file
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
            e.country = o.value("country").toString();
            e.phone = o.value("phone").toString();
            e.email = o.value("email").toString();
            e.web = o.value("web").toString();
            out.byName.insert(e.name, e);
        }
        for (const QJsonValue &v : out.root.value("countries").toArray())
            out.countries.append({v["name"].toString(), v["file"].toString()});
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
    void featuredListingsAsTheScreensUseThem();
    void committedFilesMatchTheTool();
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
        QVERIFY2(block.contains(e.country), qPrintable(name + ": country line"));
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
    QVERIFY(reservedAddress(publisher.value("email").toString()));
    QVERIFY(reservedAddress(publisher.value("directoryWeb").toString()));

    // Everything the reader can see: every shipped document, whoever wrote it.
    static const QRegularExpression email(QStringLiteral("[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+[A-Za-z0-9]"));
    static const QRegularExpression web(
        QStringLiteral("(?:https?://|www\\.)[A-Za-z0-9.-]+[A-Za-z0-9]|(?<=Web: )\\S+"));
    static const QRegularExpression phoneLine(QStringLiteral("(?:Telephone|Fax|Toll-free): (.*)$"));
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
            const QRegularExpressionMatch phone = phoneLine.match(line.text);
            if (phone.hasMatch())
                QVERIFY2(phone.captured(1).contains(QLatin1String("555")),
                         qPrintable(file + ": " + line.text));
        }
    }
    QVERIFY2(seen > 150, "the scan found too few addresses to be trusted");
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
    tool.start(QStringLiteral(VIREKA_LISTINGS_TOOL), {kDataFile, out.path()});
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
    tool.start(QStringLiteral(VIREKA_LISTINGS_TOOL), {kDataFile, again.path()});
    QVERIFY(tool.waitForFinished(60000));
    for (const QString &name : expected)
        QCOMPARE(bytes(again.filePath(name)), bytes(out.filePath(name)));
}

QTEST_MAIN(TestDirectory)
#include "tst_directory.moc"
