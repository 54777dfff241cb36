#include "StoredRtf.h"
#include "rtf/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <atomic>
#include <thread>

using vireka::readRtf;
using vireka::readRtfFile;

namespace {

QStringList blockTexts(const QTextDocument &doc)
{
    QStringList texts;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        texts << b.text();
    return texts;
}

// The format of the fragment that holds `needle`; fails the lookup loudly when there is none.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &needle)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(needle))
                return it.fragment().charFormat();
    qWarning() << "no fragment holds" << needle;
    return QTextCharFormat();
}

QTextBlock blockWith(const QTextDocument &doc, const QString &needle)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text().contains(needle))
            return b;
    return QTextBlock();
}

// Text as the comparison with a word processor's text conversion sees it: lines stripped, runs of
// blanks made one space, blank lines dropped.
QStringList comparable(QString text)
{
    text.remove(QChar(0xFEFF));
    text.replace(QChar::LineSeparator, u'\n').replace(QChar::Nbsp, u' ');
    QStringList lines;
    static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
    for (QString line : text.split(u'\n')) {
        line = line.replace(blanks, QStringLiteral(" ")).trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

int pixelSize(const QTextCharFormat &f) { return f.intProperty(QTextFormat::FontPixelSize); }

// The body of a document in the shape the program's own documents have.
QByteArray storedStyle(const QByteArray &body)
{
    return vireka::test::StoredHeader +
           "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;}\r\n"
           "\\deflang1033\\pard\\plain\\f2\\fs20 "
        + body + "\r\n}\r\n";
}

QString textOf(const QByteArray &rtf)
{
    QTextDocument doc;
    if (!readRtf(rtf, doc))
        return QStringLiteral("<failed>");
    return doc.toPlainText();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void storedDocumentsRender();
    void halfPointSizesBecomePixels_data();
    void halfPointSizesBecomePixels();
    void fontAndColourTables();
    void fontNamesBecomeFamiliesTheMachineHas_data();
    void fontNamesBecomeFamiliesTheMachineHas();
    void manyFontNamesFewFamilies();
    void groupsRestoreFormatting();
    void paragraphLayout();
    void everyParagraphKeepsItsTabStops();
    void sourceLineBreaksAreNotText();
    void text_data();
    void text();
    void invisibleGroupsStayHidden();
    void wordProcessorStructure_data();
    void wordProcessorStructure();
    void readsAsLibreOfficeDoes_data();
    void readsAsLibreOfficeDoes();
    void wordProcessorDocument();
    void acceptsOnlyCompleteRtf_data();
    void acceptsOnlyCompleteRtf();
    void hostileInputIsBounded();
    void largeFileLoads();
    void files();
    void fileShortenedWhileRead();
};

void TestRtfReader::storedDocumentsRender()
{
    const QByteArray rtf = storedStyle(
        "\\pard\\qc\\plain\\f2\\fs32\\b\\cf1 Sun Salutation\\plain\\f2\\fs32\\par\r\n"
        "\\pard\\plain\\f2\\fs20 Twelve\\~poses \\endash{} one flow.\\par\r\n"
        "\\pard\\plain\\f2\\fs24 Breathe\\par\r\n");
    QTextDocument doc;
    QVERIFY(readRtf(rtf, doc));
    QCOMPARE(blockTexts(doc), (QStringList{"Sun Salutation", u"Twelve\u00A0poses \u2013 one flow."_qs,
                                           "Breathe", ""}));

    const QTextCharFormat title = formatOf(doc, "Sun");
    QCOMPARE(title.fontFamilies().toStringList(), QStringList("Liberation Serif"));
    QCOMPARE(title.fontStyleHint(), QFont::Serif);
    QCOMPARE(pixelSize(title), 21);
    QVERIFY(!title.hasProperty(QTextFormat::FontPointSize));
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.foreground().color(), QColor(255, 255, 0));
    QCOMPARE(blockWith(doc, "Sun").blockFormat().alignment(), Qt::AlignHCenter);

    const QTextCharFormat body = formatOf(doc, "Twelve");
    QCOMPARE(pixelSize(body), 13);
    QCOMPARE(body.fontWeight(), int(QFont::Normal));
    QVERIFY2(!body.hasProperty(QTextFormat::ForegroundBrush), "automatic colour must leave the widget's");
    QCOMPARE(blockWith(doc, "Twelve").blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(doc.defaultTextOption().tabStopDistance(), 48.0);
}

void TestRtfReader::halfPointSizesBecomePixels_data()
{
    QTest::addColumn<QByteArray>("size");
    QTest::addColumn<int>("pixels");
    QTest::newRow("none given") << QByteArray() << 16;
    QTest::newRow("10 pt") << QByteArray("\\fs20") << 13;
    QTest::newRow("11 pt") << QByteArray("\\fs22") << 15;
    QTest::newRow("12 pt") << QByteArray("\\fs24") << 16;
    QTest::newRow("14 pt") << QByteArray("\\fs28") << 19;
    QTest::newRow("16 pt") << QByteArray("\\fs32") << 21;
    QTest::newRow("18 pt") << QByteArray("\\fs36") << 24;
    QTest::newRow("20 pt") << QByteArray("\\fs40") << 27;
    QTest::newRow("zero means default") << QByteArray("\\fs0") << 16;
    QTest::newRow("absurd is capped") << QByteArray("\\fs99999999999999") << 2184;
}

void TestRtfReader::halfPointSizesBecomePixels()
{
    QFETCH(QByteArray, size);
    QFETCH(int, pixels);
    QTextDocument doc;
    QVERIFY(readRtf("{\\rtf1 " + size + " x}", doc));
    QCOMPARE(pixelSize(formatOf(doc, "x")), pixels);
}

void TestRtfReader::fontAndColourTables()
{
    // Entries with and without their own groups, style hints, a missing font, colour indexes that
    // are automatic or out of range.
    QTextDocument doc;
    QVERIFY(readRtf("{\\rtf1\\ansi\\deff1{\\fonttbl\\f0\\fmodern Courier New;{\\f1\\fswiss\\fcharset0 Arial"
                    "{\\*\\panose 020b0604020202020204}{\\*\\falt Helvetica};}}"
                    "{\\colortbl;\\red0\\green128\\blue0;;}"
                    "default {\\f0 mono} {\\f7 missing} {\\cf1 green} {\\cf2 auto} {\\cf9 outside} {\\cf0 zero}}",
                    doc));
    QCOMPARE(doc.toPlainText(), "default mono missing green auto outside zero");
    QCOMPARE(formatOf(doc, "default").fontFamilies().toStringList(), QStringList("Liberation Sans"));
    QCOMPARE(formatOf(doc, "default").fontStyleHint(), QFont::SansSerif);
    QCOMPARE(formatOf(doc, "mono").fontFamilies().toStringList(), QStringList("Liberation Mono"));
    QCOMPARE(formatOf(doc, "mono").fontStyleHint(), QFont::TypeWriter);
    QVERIFY(!formatOf(doc, "missing").hasProperty(QTextFormat::FontFamilies));
    QCOMPARE(formatOf(doc, "green").foreground().color(), QColor(0, 128, 0));

    // A font's class does not override how the document's default font has text set.
    QTextDocument unshaped;
    QFont plain = unshaped.defaultFont();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    plain.setKerning(false);
    unshaped.setDefaultFont(plain);
    QVERIFY(readRtf("{\\rtf1{\\fonttbl\\f0\\froman Times New Roman;}\\f0 serif}", unshaped));
    QCOMPARE(formatOf(unshaped, "serif").font().styleStrategy(), QFont::PreferNoShaping);
    QVERIFY(!formatOf(unshaped, "serif").font().kerning());
    for (const char *word : {"auto", "outside", "zero", "default"})
        QVERIFY2(!formatOf(doc, word).hasProperty(QTextFormat::ForegroundBrush), word);
}

void TestRtfReader::fontNamesBecomeFamiliesTheMachineHas_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("family"); // empty: none of its own
    QTest::newRow("installed") << QByteArray("\\froman Liberation Mono") << "Liberation Mono";
    QTest::newRow("installed, other case") << QByteArray("\\fnil liberation serif") << "Liberation Serif";
    QTest::newRow("substituted") << QByteArray("\\fnil Stand-in Face") << "Stand-in Face";
    QTest::newRow("unknown roman") << QByteArray("\\froman Palatino Linotype") << "Liberation Serif";
    QTest::newRow("unknown swiss") << QByteArray("\\fswiss Frutiger") << "Liberation Sans";
    QTest::newRow("unknown modern") << QByteArray("\\fmodern Lucida Console") << "Liberation Mono";
    QTest::newRow("class beats name") << QByteArray("\\froman Helvetica Oblique") << "Liberation Serif";
    QTest::newRow("name tells the class") << QByteArray("\\fnil Courier New") << "Liberation Mono";
    QTest::newRow("nothing tells") << QByteArray("\\fnil Zapfino") << QString();
    QTest::newRow("decorative") << QByteArray("\\fdecor Curlz") << QString();
}

void TestRtfReader::fontNamesBecomeFamiliesTheMachineHas()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, family);
    QFont::insertSubstitution(QStringLiteral("Stand-in Face"), QStringLiteral("Liberation Sans"));
    QTextDocument doc;
    QVERIFY(readRtf("{\\rtf1{\\fonttbl{\\f1" + entry + ";}}\\f1 x}", doc));
    QCOMPARE(formatOf(doc, "x").fontFamilies().toStringList(), family.isEmpty() ? QStringList() : QStringList(family));
}

void TestRtfReader::manyFontNamesFewFamilies()
{
    // Layout matches each distinct family against the machine's fonts; thousands of made-up names
    // must come down to a few families.
    QByteArray rtf = "{\\rtf1{\\fonttbl";
    const int names = 2000;
    for (int i = 0; i < names; ++i)
        rtf += "{\\f" + QByteArray::number(i) + (i % 2 ? "\\froman" : "\\fswiss") + " Face " + QByteArray::number(i) + ";}";
    rtf += "}";
    for (int i = 0; i < names; ++i)
        rtf += "\\f" + QByteArray::number(i) + " w" + QByteArray::number(i) + "\\par ";
    QTextDocument doc;
    QVERIFY(readRtf(rtf + "}", doc));
    QSet<QString> families;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            families.insert(it.fragment().charFormat().fontFamilies().toStringList().join(u','));
    QCOMPARE(families, (QSet<QString>{"Liberation Serif", "Liberation Sans"}));
}

void TestRtfReader::groupsRestoreFormatting()
{
    QTextDocument doc;
    QVERIFY(readRtf("{\\rtf1 {\\b bold {\\i both} \\b0 plain}{\\ul under\\ulnone over}{\\strike gone}"
                    "{\\super up}{\\fs40 big}{\\plain\\i\\b reset} after}",
                    doc));
    QCOMPARE(formatOf(doc, "bold").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, "both").fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(doc, "both").fontItalic());
    QCOMPARE(formatOf(doc, "plain").fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(doc, "under").fontUnderline());
    QVERIFY(!formatOf(doc, "over").fontUnderline());
    QVERIFY(formatOf(doc, "gone").fontStrikeOut());
    QCOMPARE(formatOf(doc, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(pixelSize(formatOf(doc, "big")), 27);
    const QTextCharFormat after = formatOf(doc, "after");
    QCOMPARE(after.fontWeight(), int(QFont::Normal));
    QVERIFY(!after.fontItalic() && !after.fontUnderline() && !after.fontStrikeOut());
    QCOMPARE(pixelSize(after), 16);
}

void TestRtfReader::paragraphLayout()
{
    QTextDocument doc;
    QVERIFY(readRtf("{\\rtf1\\deftab360 \\li720\\ri360\\fi-360\\sb240\\sa120\\sl-300 indented\\par"
                    "\\qr right\\par\\pard\\qj justified\\par\\pard plain\\par"
                    "\\tx1440\\tqr\\tx2880 a\\tab b\\par"
                    "\\fs40\\par}",
                    doc));
    const QTextBlockFormat indented = blockWith(doc, "indented").blockFormat();
    QCOMPARE(indented.leftMargin(), 48.0);
    QCOMPARE(indented.rightMargin(), 24.0);
    QCOMPARE(indented.textIndent(), -24.0);
    QCOMPARE(indented.topMargin(), 16.0);
    QCOMPARE(indented.bottomMargin(), 8.0);
    QCOMPARE(indented.lineHeightType(), int(QTextBlockFormat::FixedHeight));
    QCOMPARE(indented.lineHeight(), 20.0);
    // Paragraph properties carry on until \pard.
    QCOMPARE(blockWith(doc, "right").blockFormat().alignment(), Qt::AlignRight);
    QCOMPARE(blockWith(doc, "right").blockFormat().leftMargin(), 48.0);
    QCOMPARE(blockWith(doc, "justified").blockFormat().alignment(), Qt::AlignJustify);
    QCOMPARE(blockWith(doc, "justified").blockFormat().leftMargin(), 0.0);
    QCOMPARE(blockWith(doc, "plain").blockFormat().alignment(), Qt::AlignLeft);
    const QList<QTextOption::Tab> tabs = blockWith(doc, "a\tb").blockFormat().tabPositions();
    QCOMPARE(tabs.size(), 2);
    QCOMPARE(tabs[0].position, 96.0);
    QCOMPARE(tabs[1].type, QTextOption::RightTab);
    QCOMPARE(doc.defaultTextOption().tabStopDistance(), 24.0);
    // An empty paragraph is as tall as the font in force at its mark.
    const QTextBlock empty = blockWith(doc, "a\tb").next();
    QVERIFY(empty.text().isEmpty());
    QCOMPARE(pixelSize(empty.charFormat()), 27);
}

void TestRtfReader::everyParagraphKeepsItsTabStops()
{
    // Thousands of paragraphs, each with tab stops of its own (lists and tables give such files).
    QByteArray rtf = "{\\rtf1";
    const int paragraphs = 2000;
    for (int i = 0; i < paragraphs; ++i)
        rtf += "\\pard\\tx" + QByteArray::number(15 * i) + (i % 3 ? "\\tqr" : "") + "\\tx60000 a\\tab b\\par ";
    QTextDocument doc;
    QVERIFY(readRtf(rtf + "}", doc));
    QTextBlock b = doc.begin();
    for (int i = 0; i < paragraphs; ++i, b = b.next()) {
        const QList<QTextOption::Tab> tabs = b.blockFormat().tabPositions();
        QCOMPARE(tabs.size(), 2);
        QCOMPARE(tabs[0].position, qreal(i));
        QCOMPARE(tabs[1].type, i % 3 ? QTextOption::RightTab : QTextOption::LeftTab);
    }
}

void TestRtfReader::sourceLineBreaksAreNotText()
{
    QCOMPARE(textOf("{\\rtf1 one\r\ntwo\rthree\nfour\\par\r\nfive}"), "onetwothreefour\nfive");
    // A backslash before a line break is a paragraph mark; \line stays within the paragraph.
    QTextDocument doc;
    QVERIFY(readRtf("{\\rtf1 one\\\r\ntwo\\line three\\tab four}", doc));
    QCOMPARE(blockTexts(doc), (QStringList{"one", u"two\u2028three\tfour"_qs}));
    // Section and page breaks end paragraphs too.
    QVERIFY(readRtf("{\\rtf1 a\\par b\\sect c\\page d\\line e}", doc));
    QCOMPARE(doc.blockCount(), 4);
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    // Escapes and named characters.
    QTest::newRow("escaped braces") << QByteArray("{\\rtf1 \\{a\\}\\\\}") << "{a}\\";
    QTest::newRow("named punctuation")
        << QByteArray("{\\rtf1 \\lquote a\\rquote  \\ldblquote b\\rdblquote \\emdash\\bullet}")
        << u"\u2018a\u2019 \u201Cb\u201D\u2014\u2022"_qs;
    QTest::newRow("control word eats one space")
        << QByteArray("{\\rtf1 \\b  two\\b0\\i x}") << " twox";
    QTest::newRow("hyphens") << QByteArray("{\\rtf1 a\\-b\\_c}") << u"a\u00ADb\u2011c"_qs;

    // Code pages.
    QTest::newRow("1252 by default") << QByteArray("{\\rtf1 \\'93caf\\'e9\\'94 \\'80\\'81}")
                                     << u"\u201Ccaf\u00E9\u201D \u20AC"_qs;
    QTest::newRow("raw high bytes too") << QByteArray("{\\rtf1\\ansi caf\xe9}") << u"caf\u00E9"_qs;
    QTest::newRow("hex digits in either case") << QByteArray("{\\rtf1 \\'E9\\'e9}") << u"\u00E9\u00E9"_qs;
    QTest::newRow("document code page") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e0\\'ed\\'e0}")
                                        << u"\u041F\u0440\u0430\u043D\u0430"_qs;
    QTest::newRow("font charset wins")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 Arial Greek;}}"
                      "\\'e1{\\f1\\'e1}}")
        << u"\u00E1\u03B1"_qs;
    QTest::newRow("double-byte code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'82\\'a2}") << u"\u3042\u3044"_qs;
    QTest::newRow("unknown code page falls back")
        << QByteArray("{\\rtf1\\ansi\\ansicpg9999 \\'e9}") << u"\u00E9"_qs;
    QTest::newRow("symbol font")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\froman\\fcharset2 Symbol;}}{\\f1 a\\'b7\\'ae}}")
        << u"\u03B1\u2022\u2192"_qs;
    QTest::newRow("picture font bullets")
        << QByteArray("{\\rtf1{\\fonttbl{\\f3\\fnil\\fcharset2 Wingdings;}}{\\f3 \\'a7}x}") << u"\u25AAx"_qs;

    // \u with its fallback.
    QTest::newRow("unicode, one fallback") << QByteArray("{\\rtf1 \\u8364?x}") << u"\u20ACx"_qs;
    QTest::newRow("negative unicode") << QByteArray("{\\rtf1 \\u-255?}") << u"\uFF01"_qs;
    QTest::newRow("fallback as escape") << QByteArray("{\\rtf1 \\u233\\'e9x}") << u"\u00E9x"_qs;
    QTest::newRow("uc2") << QByteArray("{\\rtf1\\uc2 \\u1071\\'cf\\'dfx}") << u"\u042Fx"_qs;
    QTest::newRow("uc0") << QByteArray("{\\rtf1\\uc0 \\u1071 x}") << u"\u042Fx"_qs;
    QTest::newRow("uc is group state") << QByteArray("{\\rtf1 {\\uc0 \\u1071}\\u1071?x}") << u"\u042F\u042Fx"_qs;
    QTest::newRow("group end stops skipping") << QByteArray("{\\rtf1 {\\uc5\\u233 a}b}") << u"\u00E9b"_qs;
    QTest::newRow("surrogate pair") << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << u"\U0001F600"_qs;
    QTest::newRow("symbol in private use")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\f1\\u61623\\'b7}}") << u"\u2022"_qs;
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(textOf(rtf), expected);
}

void TestRtfReader::invisibleGroupsStayHidden()
{
    const QByteArray rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
        "{\\stylesheet{\\s0 Normal;}{\\*\\cs10 Default Paragraph Font;}}"
        "{\\info{\\title The title}{\\author Someone}}"
        "{\\*\\generator Writer 1.0;}{\\*\\themedata 0123abcd}{\\*\\latentstyles{\\lsdlocked0 Normal;}}"
        "{\\header header text\\par}{\\footer footer text}"
        "{\\*\\unknown never {\\nested seen}}"
        "{\\pict\\wmetafile8 0123456789abcdef{\\*\\blipuid 00}}"
        "{\\object{\\*\\objdata 0102}{\\result }}"
        "A{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}B"
        "{\\v hidden}{\\footnote note}"
        "C{\\pict\\bin4 }}}}}D}";
    QCOMPARE(textOf(rtf), "AlinkBCD");
}

void TestRtfReader::wordProcessorStructure_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    // Where word processors read more than the rest of the RTF they write.
    QTest::newRow("a list outside the list table")
        << QByteArray("{\\rtf1 {\\list\\listtemplateid1{\\listlevel{\\leveltext\\'01\\u-3913 ?;}}"
                      "{\\listname List1382206859_1;}\\listid7}text}")
        << "text";
    QTest::newRow("a Mac character set")
        << QByteArray("{\\rtf1\\mac{\\fonttbl{\\f0\\fcharset78 Osaka;}{\\f1\\fcharset89 Charcoal CY;}}"
                      "\\f0 \\'82\\'a0\\'82\\'a2 \\f1 \\'8f}")
        << u"\u3042\u3044 \u041F"_qs;
    QTest::newRow("a group to skip is named only at its start")
        << QByteArray("{\\rtf1 {\\b one\\sp two}{\\sp three} four}") << "onetwo four";
    QTest::newRow("a malformed hex escape stands for nothing")
        << QByteArray("{\\rtf1 a\\'3?b\\'4 c\\'x{d}\\'e}") << "abcd";

    // Lists numbered from the list table alone, as the numbers of each level count on and start
    // again under a new item of the level above.
    const QByteArray lists = "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Symbol;}}{\\*\\listtable"
                             "{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}"
                             "{\\listlevel\\levelnfc4\\levelfollow1{\\leveltext\\'03(\\'01);}}"
                             "{\\listlevel\\levelnfc2\\levelstartat3\\levelfollow2{\\leveltext\\'04\\'00.\\'02.;}}\\listid5}"
                             "{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}\\f1}\\listid6}"
                             "{\\list{\\listlevel\\levelnfc1\\levelstartat4{\\leveltext\\'02\\'00);}}\\listid7}"
                             "{\\list{\\listlevel\\levelnfc22\\levelstartat9{\\leveltext\\'01\\'00;}}\\listid8}}"
                             "{\\*\\listoverridetable{\\listoverride\\listid5\\ls1}{\\listoverride\\listid6\\ls2}"
                             "{\\listoverride\\listid7\\ls3}{\\listoverride\\listid8\\ls4}{\\listoverride\\listid5\\ls5}}";
    QTest::newRow("list numbers from the list table")
        << lists + "\\pard\\ls1 a\\par\\pard\\ls1\\ilvl1 b\\par\\pard\\ls1\\ilvl1 {\\b c}\\par\\pard\\ls1\\ilvl2 d\\par"
                   "\\pard\\ls1\\ilvl2\\par\\pard\\ls1 e\\par\\pard\\ls1\\ilvl1 f\\par\\pard\\ls5 g\\par\\pard after}"
        << "1.\ta\n(a) b\n(b) c\n1.iii.d\n1.iv.\n2.\te\n(a) f\n3.\tg\nafter";
    QTest::newRow("bullets, Roman numerals and leading zeros")
        << lists + "\\pard\\ls2 a\\par b\\par\\pard\\ls3 c\\par d\\par\\pard\\ls4 e\\par f\\par\\pard\\ls9 g}"
        << u"\u2022\ta\n\u2022\tb\nIV)\tc\nV)\td\n09\te\n10\tf\ng"_qs;
    QTest::newRow("a number the file writes out is not written again")
        << lists + "{\\listtext 1.\\tab}\\pard\\ls1 a\\par{\\listtext 2.\\tab}\\pard\\ls1 b\\par\\pard\\ls1 c}"
        << "1.\ta\n2.\tb\n3.\tc";
    QTest::newRow("a list table read only where it belongs")
        << QByteArray("{\\rtf1{\\listlevel{\\leveltext\\'02\\'00.;}}{\\*\\listoverridetable{\\list\\listid1}"
                      "{\\listoverride\\listid1\\ls1}}\\pard\\ls1 text}")
        << "text";

    // \* hides a destination only when it opens the group and the reader does not know the word.
    QTest::newRow("\\* inside a group means nothing") << QByteArray("{\\rtf1 {\\b\\*\\cs7 text}}") << "text";
    QTest::newRow("\\* before an unknown word hides the group")
        << QByteArray("{\\rtf1 a{\\*\\cs7 hidden{\\b nested}}b}") << "ab";
    QTest::newRow("\\* before a known text group reads it")
        << QByteArray("{\\rtf1 {\\*\\listtext 1.\\tab}item}") << "1.\titem";
    QTest::newRow("\\* before a known skipped group still skips it")
        << QByteArray("{\\rtf1 a{\\*\\fldinst PAGE}b}") << "ab";

    // A double-byte lead byte with no trail byte in its group or paragraph takes nothing with it.
    QTest::newRow("lead byte at a group's end")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 {\\'82}after}") << "after";
    QTest::newRow("lead byte at a paragraph's end")
        << QByteArray("{\\rtf1\\ansi\\ansicpg949 \\'b5\\par after}") << "\nafter";
    QTest::newRow("lead and trail bytes apart in one group")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'82\\b\\'a0}") << u"\u3042"_qs;
    QTest::newRow("undefined and control bytes show nothing")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 {\\'82}\\'a0\\'01x}") << "x";

    // \upr carries a keyword twice: for old readers, then in Unicode (\ud); only the second shows.
    QTest::newRow("unicode twin")
        << QByteArray("{\\rtf1 {\\upr{\\'c0nsi}{\\*\\ud{\\u1071?x}}}y}") << u"\u042Fxy"_qs;

    // Each table cell is a paragraph; a row's end adds none after its last cell.
    QTest::newRow("table cells")
        << QByteArray("{\\rtf1 \\trowd\\cellx100\\cellx200 A\\cell B\\cell\\row "
                      "\\trowd\\cellx100\\cellx200 \\cell two\\par lines\\cell\\row after}")
        << "A\nB\n\ntwo\nlines\nafter";

    // Footnote and endnote marks are numbered as the document asks; the notes stay hidden.
    QTest::newRow("note marks")
        << QByteArray("{\\rtf1\\ftnnar\\aftnnrlc a{\\super\\chftn{\\*\\footnote\\chftn one}}"
                      " b{\\super\\chftn{\\*\\footnote\\ftnalt\\chftn end}} c{\\super\\chftn{\\*\\footnote\\chftn two}}"
                      " d{\\super\\chftn{\\*\\footnote\\ftnalt\\chftn end}}}")
        << "a1 bi c2 dii";
    QTest::newRow("note numbering")
        << QByteArray("{\\rtf1\\ftnnauc\\ftnstart26 {\\chftn}{\\chftn} \\ftnnruc\\ftnstart1999 {\\chftn}}")
        << "ZAA MCMXCIX";
    QTest::newRow("a huge lettered start is written in figures")
        << QByteArray("{\\rtf1\\ftnnauc\\ftnstart2000000000 {\\chftn}}") << "2000000000";
}

void TestRtfReader::wordProcessorStructure()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(textOf(rtf), expected);
}

void TestRtfReader::readsAsLibreOfficeDoes_data()
{
    // Files LibreOffice wrote, or read, beside its own text conversion of them. Where LibreOffice
    // shows a replacement mark for a lead byte that has no trail byte, the expected text has none.
    QTest::addColumn<QString>("name");
    for (const QString &name : QDir(QStringLiteral(VIREKA_RTF_CORPUS)).entryList({"*.rtf"}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << QFileInfo(name).completeBaseName();
}

void TestRtfReader::readsAsLibreOfficeDoes()
{
    QFETCH(QString, name);
    const QDir corpus(QStringLiteral(VIREKA_RTF_CORPUS));
    QTextDocument doc;
    QVERIFY(readRtfFile(corpus.filePath(name + ".rtf"), doc));
    QFile expected(corpus.filePath(name + ".txt"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(comparable(doc.toPlainText()), comparable(QString::fromUtf8(expected.readAll())));
}

void TestRtfReader::wordProcessorDocument()
{
    // The kind of file a desktop word processor saves: lists with fallback bullets, paired font
    // switches for each script, revision ids, a table and properties the reader does not know.
    const QByteArray rtf =
        "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff31507\\deff0\\stshfdbch31505\\deflang1033"
        "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}\r\n"
        "{\\f3\\fbidi \\froman\\fcharset2\\fprq2{\\*\\panose 05050102010706020507}Symbol;}\r\n"
        "{\\f39\\fbidi \\fswiss\\fcharset0\\fprq2 Calibri;}}\r\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
        "{\\*\\defchp \\fs22\\loch\\af39}{\\*\\defpap \\ql \\li0\\ri0\\sa160\\sl259\\slmult1}\r\n"
        "{\\stylesheet{\\ql \\li0\\ri0\\sa160\\sl259\\slmult1 \\snext0 Normal;}{\\*\\cs10 \\additive Default Paragraph Font;}}\r\n"
        "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel{\\leveltext\\'01\\u-3913 ?;}{\\levelnumbers;}}\\listid1}}\r\n"
        "{\\*\\rsidtbl \\rsid1\\rsid2}{\\mmathPr\\mmathFont34}{\\info{\\author A}{\\creatim\\yr2024}}"
        "\\paperw12240\\paperh15840\\margl1440\\viewkind1\\sectd\\linex0\\endnhere\r\n"
        "\\pard\\plain \\ltrpar\\qc \\li0\\ri0\\sa160\\sl259\\slmult1\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 "
        "\\fs28\\lang1033\\loch\\af39\\hich\\af39\\dbch\\af31505\\b\\f39\\cf2\\insrsid1 Heading\\par \r\n"
        "{\\listtext\\pard\\plain\\ltrpar \\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\f3\\fs22\\loch\\af3\\hich\\af3\\dbch\\af31505 "
        "\\loch\\f3 \\'b7\\tab}\\pard\\plain \\ltrpar\\fi-360\\li720\\ri0\\sa160\\ls1\\ilvl0 \\f39\\fs22 "
        "{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\insrsid2 First item}{\\*\\bkmkstart mark}{\\*\\bkmkend mark}\\par \r\n"
        "\\trowd \\irow0\\ts11\\trgaph108\\cellx4680\\cellx9360\\pard\\plain \\intbl A1\\cell B1\\cell \\row \r\n"
        "\\pard\\plain {\\*\\themedata 504b0304}{\\*\\datastore 0105000002000000}\r\n}";
    QTextDocument doc;
    QVERIFY(readRtf(rtf, doc));
    QCOMPARE(blockTexts(doc), (QStringList{"Heading", u"\u2022\tFirst item"_qs, "A1", "B1", ""}));
    const QTextCharFormat heading = formatOf(doc, "Heading");
    QCOMPARE(heading.fontFamilies().toStringList(), QStringList("Liberation Sans"));
    QCOMPARE(pixelSize(heading), 19);
    QCOMPARE(heading.foreground().color(), QColor(0, 0, 255));
    const QTextBlockFormat headingBlock = blockWith(doc, "Heading").blockFormat();
    QCOMPARE(headingBlock.alignment(), Qt::AlignHCenter);
    QCOMPARE(headingBlock.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(qRound(headingBlock.lineHeight()), 108);
    QCOMPARE(blockWith(doc, "First").blockFormat().textIndent(), -24.0);
    QCOMPARE(pixelSize(formatOf(doc, "First")), 15);
}

void TestRtfReader::acceptsOnlyCompleteRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("plain text") << QByteArray("Hello, world") << false;
    QTest::newRow("html") << QByteArray("<html><body>x</body></html>") << false;
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe{\\rtf1 x}", 14) << false;
    QTest::newRow("cut inside the magic") << QByteArray("{\\rt") << false;
    QTest::newRow("only the opening") << QByteArray("{\\rtf1") << false;
    QTest::newRow("outer group never closes") << QByteArray("{\\rtf1 text\\par") << false;
    QTest::newRow("inner group closes, outer not") << QByteArray("{\\rtf1 {\\b text}") << false;
    QTest::newRow("smallest document") << QByteArray("{\\rtf}") << true;
    QTest::newRow("leading whitespace") << QByteArray(" \r\n\t{\\rtf1 x}") << true;
    QTest::newRow("anything after the end") << QByteArray("{\\rtf1 x}}}garbage{{{") << true;
    QTest::newRow("trailing backslash") << QByteArray("{\\rtf1 x\\") << false;
    QTest::newRow("dangling hex escape") << QByteArray("{\\rtf1 x\\'") << false;
    QTest::newRow("bad hex escape") << QByteArray("{\\rtf1 x\\'zz}") << true;
}

void TestRtfReader::acceptsOnlyCompleteRtf()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, accepted);
    QTextDocument doc;
    QCOMPARE(readRtf(data, doc), accepted);
}

void TestRtfReader::hostileInputIsBounded()
{
    // A million levels deep, balanced: accepted, and text at reasonable depths still shows.
    const int deep = 1000000;
    QByteArray nested = "{\\rtf1 a{{{\\b b}}}";
    nested += QByteArray(deep, '{') + "lost" + QByteArray(deep, '}') + "c}";
    QTextDocument doc;
    QVERIFY(readRtf(nested, doc));
    QCOMPARE(doc.toPlainText(), "abc");
    QCOMPARE(formatOf(doc, "c").fontWeight(), int(QFont::Normal));

    // The same without the closing braces is truncated.
    QVERIFY(!readRtf("{\\rtf1 " + QByteArray(deep, '{') + "x", doc));

    // A \bin count past the end takes the rest, braces included.
    QVERIFY(!readRtf("{\\rtf1 a\\bin2147483647 xyz}", doc));
    QVERIFY(!readRtf("{\\rtf1 a\\bin99999999999999999999 xyz}", doc));
    // A fitting one hides braces from the group count; a negative one is empty.
    QCOMPARE(textOf("{\\rtf1 a\\bin3 {}}b\\bin-5 c}"), "abc");

    // Huge parameters and overlong words.
    QCOMPARE(textOf("{\\rtf1\\li-99999999999999\\sb99999999999 \\u99999999999 \\cf-7 x\\uc-3 y}"), "xy");
    QCOMPARE(textOf("{\\rtf1 \\" + QByteArray(100000, 'b') + "123 visible}"), "visible");
    QCOMPARE(textOf("{\\rtf1 \\b" + QByteArray(100000, '9') + " z}"), "z");

    // Thousands of font, colour and code page changes.
    QByteArray churn = "{\\rtf1";
    for (int i = 0; i < 20000; ++i)
        churn += "{\\fonttbl{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}}{\\colortbl;\\red"
            + QByteArray::number(i % 256) + ";}\\ansicpg" + QByteArray::number(1000 + i) + "\\f"
            + QByteArray::number(i) + "\\cf1\\fs" + QByteArray::number(i) + " t\\'e9";
    QVERIFY(readRtf(churn + "}", doc));
    QCOMPARE(doc.characterCount(), 40001 + 40000 / vireka::MaxUnbrokenLength); // with the breaks of one long word
}

void TestRtfReader::largeFileLoads()
{
    // About 20 MB: mostly a picture the reader must skip quickly, then a lot of text.
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}}{\\pict\\pngblip ";
    rtf += QByteArray(16 * 1024 * 1024, 'a');
    rtf += "}";
    const QByteArray paragraph = "\\pard\\qc\\b Heading\\b0\\par\\pard A paragraph of ordinary text, "
                                 "with an \\i emphasis\\i0 and a {\\b bold} word.\\par\r\n";
    const int paragraphs = 4 * 1024 * 1024 / paragraph.size();
    for (int i = 0; i < paragraphs; ++i)
        rtf += paragraph;
    rtf += "}";

    QTextDocument doc;
    QVERIFY(readRtf(rtf, doc));
    QCOMPARE(doc.blockCount(), paragraphs * 2 + 1);
}

void TestRtfReader::files()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QTextDocument doc;
    QVERIFY(!readRtfFile(dir.filePath("missing.rtf"), doc));
    QVERIFY(!readRtfFile(dir.path(), doc));

    QFile empty(dir.filePath("empty.rtf"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(!readRtfFile(empty.fileName(), doc));

    QFile file(dir.filePath("doc.rtf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(storedStyle("\\qc Namaste\\par"));
    file.close();

    // A load replaces what the document held and leaves no undo history behind.
    doc.setPlainText("previous");
    QVERIFY(doc.isUndoRedoEnabled());
    QVERIFY(readRtfFile(file.fileName(), doc));
    QCOMPARE(blockTexts(doc), (QStringList{"Namaste", ""}));
    QVERIFY(doc.isUndoRedoEnabled());
    QVERIFY(!doc.isUndoAvailable());
}

void TestRtfReader::fileShortenedWhileRead()
{
    // Another program keeps cutting the file short and writing it again while it is loaded. What a
    // load makes of a file rewritten underneath it may be anything from nothing to the whole
    // document; what matters is that the process lives on.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("changing.rtf");
    const QByteArray whole = storedStyle(QByteArray(2 * 1024 * 1024, 'x'));
    QFile writer(path);
    QVERIFY(writer.open(QIODevice::ReadWrite));
    writer.write(whole);
    writer.flush();

    std::atomic<bool> stop = false;
    std::thread shortener([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            return;
        while (!stop) {
            file.resize(whole.size() / 3);
            file.resize(0);
            file.seek(0);
            file.write(whole);
            file.flush();
        }
    });
    int characters = 0;
    for (int i = 0; i < 200; ++i) {
        QTextDocument doc;
        if (readRtfFile(path, doc))
            characters = std::max(characters, doc.characterCount());
    }
    stop = true;
    shortener.join();
    QVERIFY(characters <= 2 * 1024 * 1024 + 1);
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
