// Every shipped document: that it loads and keeps to the plain RTF all documents share. That the
// screens' link tables and the folder agree is checked with the screens (tst_every_screen).

#include "DocumentArea.h"
#include "Fonts.h"
#include "StoredRtf.h"
#include "rtf/RtfReader.h"

#include <QApplication>
#include <QScrollBar>

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QString kDocuments = QStringLiteral(VIREKA_CONTENT_DIR "/documents");

QStringList filesInFolder()
{
    return QDir(kDocuments).entryList(QDir::Files, QDir::Name);
}

QByteArray readAll(const QString &name)
{
    QFile f(kDocuments + QLatin1Char('/') + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Word
{
    QByteArray name;
    bool hasParameter = false;
    int parameter = 0;
};

// Checks one file against the shared dialect; returns the first fault, or an
// empty string. Written independently of the reader so that a lenient reader
// cannot hide a file that other rich-text viewers would show differently.
QString dialectFault(const QByteArray &data)
{
    const QSet<QByteArray> &plainWords = vireka::test::StoredWords;
    const QSet<int> &sizes = vireka::test::StoredFontSizes;
    if (!data.startsWith(vireka::test::StoredHeader))
        return QStringLiteral("does not start with the shared header and font table");

    for (qsizetype i = 0; i < data.size(); ++i) {
        const unsigned char c = uchar(data.at(i));
        if (c >= 0x80)
            return QStringLiteral("non-ASCII byte at offset %1").arg(i);
        if (c == '\n' && (i == 0 || data.at(i - 1) != '\r'))
            return QStringLiteral("bare line feed at offset %1").arg(i);
        if (c == '\r' && (i + 1 == data.size() || data.at(i + 1) != '\n'))
            return QStringLiteral("bare carriage return at offset %1").arg(i);
        if (c < 0x20 && c != '\r' && c != '\n')
            return QStringLiteral("control character at offset %1").arg(i);
    }

    // A source line that ends inside running text must end with a space, or
    // the last word of one line runs into the first word of the next.
    const QList<QByteArray> lines = data.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray line = lines.at(n).chopped(lines.at(n).endsWith('\r') ? 1 : 0);
        if (line.isEmpty() || line.endsWith("\\par") || line.endsWith('}') || line.endsWith(' '))
            continue;
        return QStringLiteral("line %1 is wrapped without a trailing space").arg(n + 1);
    }

    int depth = 0;
    bool closed = false;
    int colours = 0;
    bool usesColour1 = false;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data.at(i);
        if (closed && c != '\r' && c != '\n')
            return QStringLiteral("text after the closing brace");
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0)
                closed = true;
            if (depth < 0)
                return QStringLiteral("unbalanced closing brace at offset %1").arg(i);
        } else if (c == '\\') {
            if (i + 1 >= data.size())
                return QStringLiteral("backslash at the end");
            const char next = data.at(i + 1);
            if (next == '\'') {
                // An accented letter of the code page, written in lower-case hex.
                const QByteArray hex = data.mid(i + 2, 2);
                bool ok = false;
                if (hex.size() != 2 || hex != hex.toLower() || hex.toInt(&ok, 16) < 0xc0 || !ok)
                    return QStringLiteral("\\' escape at offset %1 is not an accented letter").arg(i);
                i += 3;
                continue;
            }
            if (!std::isalpha(uchar(next))) {
                if (next != '~' && next != '\\' && next != '{' && next != '}')
                    return QStringLiteral("control symbol \\%1 is not allowed").arg(QLatin1Char(next));
                ++i;
                continue;
            }
            Word w;
            qsizetype j = i + 1;
            while (j < data.size() && std::isalpha(uchar(data.at(j))))
                w.name += data.at(j++);
            qsizetype digits = j;
            while (digits < data.size() && std::isdigit(uchar(data.at(digits))))
                ++digits;
            if (digits > j) {
                w.hasParameter = true;
                w.parameter = data.mid(j, digits - j).toInt();
            }
            const QByteArray full = w.name + data.mid(j, digits - j);
            i = digits - 1;
            if (w.name == "fs") {
                if (!w.hasParameter || !sizes.contains(w.parameter))
                    return QStringLiteral("font size \\%1 is not allowed").arg(QLatin1String(full));
            } else if (w.name == "red" || w.name == "green" || w.name == "blue") {
                if (!w.hasParameter || w.parameter > 255)
                    return QStringLiteral("bad colour component \\%1").arg(QLatin1String(full));
            } else if (!plainWords.contains(full)) {
                return QStringLiteral("control word \\%1 is not allowed").arg(QLatin1String(full));
            }
            if (full == "cf1")
                usesColour1 = true;
        } else if (c == ';' && depth == 2) {
            // Each ';' at table depth ends one font or colour entry.
            const qsizetype tableStart = data.lastIndexOf('{', i);
            if (data.mid(tableStart, 10) == "{\\colortbl")
                ++colours;
        }
    }
    if (depth != 0 || !closed)
        return QStringLiteral("braces do not balance");

    const qsizetype table = data.indexOf("{\\colortbl");
    if (table < 0)
        return QStringLiteral("no colour table");
    if (!data.mid(table).startsWith("{\\colortbl\\red0\\green0\\blue0;"))
        return QStringLiteral("colour 0 must be black");
    if (colours < 1 || colours > 2)
        return QStringLiteral("colour table must hold black and at most one further colour");
    if (usesColour1 && colours != 2)
        return QStringLiteral("\\cf1 used without a second colour");
    return {};
}

// A document as a screen shows it: in a document area of the given size in twips.
struct ShownDocument
{
    vireka::DocumentArea area{nullptr};
    QTextDocument *doc = nullptr;

    bool show(const QString &file, int width, int height, Qt::ScrollBarPolicy bar)
    {
        vireka::installFontSubstitutions();
        area.setFont(vireka::toQFont(vireka::Sans(8.25)));
        area.setVerticalScrollBarPolicy(bar);
        area.resize(width / 15, height / 15);
        doc = area.newDocument();
        if (!vireka::readRtfFile(kDocuments + QLatin1Char('/') + file, *doc))
            return false;
        area.showDocument(doc);
        area.show();
        QApplication::processEvents();
        return true;
    }
};

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT

private slots:
    void everyFileLoads_data();
    void everyFileLoads();
    void everyFileKeepsToTheSharedDialect_data();
    void everyFileKeepsToTheSharedDialect();
    void dialectCheckCatchesTypicalSlips();
    void sharedSafetyAdviceIsWordedAlike_data();
    void sharedSafetyAdviceIsWordedAlike();
    void wordingIsOneAndOfItsTime_data();
    void wordingIsOneAndOfItsTime();
    void centreDocumentsFitTheirBoxes_data();
    void centreDocumentsFitTheirBoxes();
    void styleListingsOpenOnACentre_data();
    void styleListingsOpenOnACentre();
};

void TestDocuments::everyFileLoads_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : filesInFolder())
        QTest::newRow(qPrintable(name)) << name;
}

void TestDocuments::everyFileLoads()
{
    QFETCH(QString, name);
    QTextDocument doc;
    QVERIFY(vireka::readRtfFile(kDocuments + QLatin1Char('/') + name, doc));
    QVERIFY2(!doc.toPlainText().trimmed().isEmpty(), "the document shows no text");
}

void TestDocuments::everyFileKeepsToTheSharedDialect_data()
{
    everyFileLoads_data();
}

void TestDocuments::everyFileKeepsToTheSharedDialect()
{
    QFETCH(QString, name);
    const QString fault = dialectFault(readAll(name));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestDocuments::dialectCheckCatchesTypicalSlips()
{
    const QByteArray good = vireka::test::StoredHeader +
                            "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;}\r\n"
                            "\\deflang1033\\pard\\plain\\f2\\fs24\\cf1 One \r\ntwo\\endash three\\~four V\\'f3l\\par\r\n"
                            "}\r\n";
    QCOMPARE(dialectFault(good), QString());

    auto broken = [&good](const char *from, const char *to) {
        QByteArray b = good;
        return dialectFault(b.replace(from, to));
    };
    QVERIFY(!broken("One \r\n", "One\r\n").isEmpty());         // words run together
    QVERIFY(!broken("\r\n}", "\n}").isEmpty());                // bare line feed
    QVERIFY(!broken("\\par", "\\line").isEmpty());             // control word outside the list
    QVERIFY(!broken("\\fs24", "\\fs26").isEmpty());            // size outside the list
    QVERIFY(!broken("\\~", "\\-").isEmpty());                  // control symbol outside the list
    QVERIFY(!broken("One", "\\b One\\b0").isEmpty());        // bold ends with \plain, not \b0
    QVERIFY(!broken("\\par\r\n}", "\\par\r\n").isEmpty());     // group never closed
    QVERIFY(!broken("four", "f\xc3\xbcr").isEmpty());          // accented letter as a raw byte
    QVERIFY(!broken("\\'f3", "\\'F3").isEmpty());             // upper-case hex
    QVERIFY(!broken("\\'f3", "\\'0d").isEmpty());             // a control character in disguise
    QVERIFY(!broken("\\red0\\green0\\blue0;\\red255", "\\red255\\green255\\blue255;\\red0").isEmpty());
    QVERIFY(!broken("\\red255\\green255\\blue255;}", "}").isEmpty()); // \cf1 without a colour
}

// Advice that several documents give must read the same in each, or the
// reader is left to choose between two rules; within a page it is given once
// and referred back to, not pasted again.
void TestDocuments::sharedSafetyAdviceIsWordedAlike_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("advice");

    const QString alone = QStringLiteral(
        "Of the cleansing practices, only jala neti, trataka and the gentle kapalabhati may be learned "
        "from written instructions, and only by healthy adults who keep to their cautions; all the others, "
        "and any stronger form of kapalabhati, must be learned in person from an experienced teacher.");
    const QString retention = QStringLiteral(
        "Do not hold the breath, even briefly, if you have high blood pressure, heart disease, a history "
        "of stroke, epilepsy, asthma or another lung disease, glaucoma or a detached retina, or a hernia, "
        "or if you are pregnant.");
    const QString forceful = QStringLiteral(
        "not suitable for people with high blood pressure, heart disease, hernia, epilepsy, glaucoma or "
        "vertigo, during pregnancy or menstruation, or soon after abdominal surgery; stop at once if you "
        "feel dizzy.");
    const QString inversions = QStringLiteral(
        "do not practise inversions if you have neck problems or injury, high blood pressure, heart disease, "
        "glaucoma or a detached retina, an ear infection, or during pregnancy; many traditions also advise "
        "against them during menstruation.");
    const QString gazing = QStringLiteral("for thirty seconds to a minute");
    const QString gazingLater = QStringLiteral("Over weeks, increase the time of gazing to two or three minutes.");

    const struct
    {
        const char *topic;
        const QString &advice;
        QStringList files;
    } shared[] = {
        {"learning alone", alone, {"Purification.rtf", "Introduction.rtf", "Pranayama.rtf"}},
        {"retention", retention, {"Pranayama.rtf", "Mudras.rtf", "Purification.rtf"}},
        {"forceful breathing", forceful, {"Pranayama.rtf", "Purification.rtf", "YogaDef.rtf"}},
        {"inversions", inversions, {"Asanas.rtf", "Mudras.rtf"}},
        {"trataka time", gazing, {"Purification.rtf", "Concentration.rtf"}},
        {"trataka later", gazingLater, {"Purification.rtf", "Concentration.rtf"}},
    };
    for (const auto &s : shared)
        for (const QString &file : s.files)
            QTest::newRow(qPrintable(QStringLiteral("%1 in %2").arg(QLatin1String(s.topic), file)))
                << file << s.advice;
}

void TestDocuments::sharedSafetyAdviceIsWordedAlike()
{
    QFETCH(QString, file);
    QFETCH(QString, advice);
    QTextDocument doc;
    QVERIFY(vireka::readRtfFile(kDocuments + QLatin1Char('/') + file, doc));
    const QString text = doc.toPlainText().simplified();
    QVERIFY2(text.contains(advice, Qt::CaseInsensitive), qPrintable(file + " lacks: " + advice));
    QVERIFY2(text.count(advice, Qt::CaseInsensitive) == 1, qPrintable(file + " repeats: " + advice));
}

// One spelling throughout, and names as a program of 1999 gives them, in every
// document and in the pages' stored texts.
void TestDocuments::wordingIsOneAndOfItsTime_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::newRow("-ise, not -ize")
        << R"(\b(?!(?:size|sizes|sized|prize|prizes|seize|seized|citizen)\b)\w+iz(?:e|es|ed|ing|ation|ations)\b)";
    QTest::newRow("the Yoga Sutras, not the Yoga Sutra") << R"(\bYoga Sutra\b(?!s))";
    QTest::newRow("Uttar Pradesh: Uttarakhand dates from 2000") << R"(\bUttarakhand\b)";
    QTest::newRow("Pondicherry: renamed Puducherry in 2006") << R"(\bPuducherry\b)";
    QTest::newRow("place names keep their accents")
        << R"(\b(?:Cordoba|Concepcion|Valparaiso|Vina del Mar|Nunoa|Volcan|Montreal|Quebec|Circulo)\b)";
}

void TestDocuments::wordingIsOneAndOfItsTime()
{
    QFETCH(QString, pattern);
    const QRegularExpression re(pattern);
    QVERIFY(re.isValid());
    QStringList files;
    for (const QString &name : filesInFolder())
        files << kDocuments + QLatin1Char('/') + name;
    QDirIterator stored(QStringLiteral(VIREKA_CONTENT_DIR "/stored"), {"*.rtf"}, QDir::Files,
                        QDirIterator::Subdirectories);
    while (stored.hasNext())
        files << stored.next();
    QVERIFY(files.size() > 80);
    for (const QString &file : files) {
        QTextDocument doc;
        QVERIFY(vireka::readRtfFile(file, doc));
        const QRegularExpressionMatch m = re.match(doc.toPlainText());
        QVERIFY2(!m.hasMatch(), qPrintable(QDir(kDocuments).relativeFilePath(file) + ": " + m.captured(0)));
    }
}

// The featured centre pages show their documents in small boxes; a document
// that needs many screens of scrolling there is too long for its page.
void TestDocuments::centreDocumentsFitTheirBoxes_data()
{
    // The featured centre pages' document boxes, in twips.
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("Centre1.rtf") << "Centre1.rtf" << 4215 << 1695;
    QTest::newRow("Centre2.rtf") << "Centre2.rtf" << 8175 << 2175;
    QTest::newRow("Centre3.rtf") << "Centre3.rtf" << 4095 << 2775;
    QTest::newRow("Centre4.rtf") << "Centre4.rtf" << 4455 << 2415;
    QTest::newRow("Centre5.rtf") << "Centre5.rtf" << 4335 << 2655;
}

void TestDocuments::centreDocumentsFitTheirBoxes()
{
    QFETCH(QString, file);
    QFETCH(int, width);
    QFETCH(int, height);
    ShownDocument shown;
    QVERIFY(shown.show(file, width, height, Qt::ScrollBarAsNeeded));
    const QScrollBar *bar = shown.area.verticalScrollBar();
    // The smallest box holds five lines; even the page's own stored text
    // takes three boxfuls there, so four is "little scrolling".
    const double boxfuls = double(bar->maximum() + bar->pageStep()) / bar->pageStep();
    QVERIFY2(boxfuls <= 4.0, qPrintable(QStringLiteral("%1 boxfuls").arg(boxfuls, 0, 'f', 1)));
}

// The tradition screen's area is narrow: a style listing must show its first
// centre without scrolling, or the reader takes the list for empty.
void TestDocuments::styleListingsOpenOnACentre_data()
{
    QTest::addColumn<QString>("file");
    QFile data(QStringLiteral(VIREKA_CONTENT_DIR "/directory/directory.json"));
    QVERIFY(data.open(QIODevice::ReadOnly));
    const QJsonArray styles = QJsonDocument::fromJson(data.readAll()).object().value("styles").toArray();
    QCOMPARE(styles.size(), 25);
    for (const QJsonValue &s : styles)
        QTest::newRow(qPrintable(s["file"].toString())) << s["file"].toString();
}

void TestDocuments::styleListingsOpenOnACentre()
{
    QFETCH(QString, file);
    ShownDocument shown;
    QVERIFY(shown.show(file, 4095, 3495, Qt::ScrollBarAlwaysOn));
    // The first listing name: a bold paragraph that is not the centred title.
    QTextBlock block = shown.doc->begin();
    for (; block.isValid(); block = block.next())
        if (!(block.blockFormat().alignment() & Qt::AlignHCenter) && !block.text().trimmed().isEmpty()
            && block.begin().fragment().charFormat().fontWeight() >= QFont::Bold)
            break;
    QVERIFY2(block.isValid(), "no listing found");
    const QRectF name = shown.doc->documentLayout()->blockBoundingRect(block);
    QVERIFY2(name.bottom() <= shown.area.viewport()->height(),
             qPrintable(QStringLiteral("the first centre starts %1 pixels down a %2-pixel area")
                            .arg(name.top())
                            .arg(shown.area.viewport()->height())));
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
