#include "DocumentArea.h"
#include "rtf/LineBound.h"
#include "rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace vireka;

namespace {

// The text width of the narrowest document area, the one where documents grow tallest.
constexpr qreal AreaWidth = 229;

QByteArray repeated(const QByteArray &unit, int count)
{
    QByteArray out;
    out.reserve(unit.size() * count);
    for (int i = 0; i < count; ++i)
        out += unit;
    return out;
}

// Lays the document out as an area does; a document past what the layout finishes never returns.
qreal laidOutHeight(QTextDocument &doc)
{
    doc.setTextWidth(AreaWidth);
    return doc.documentLayout()->documentSize().height();
}

bool endsWithNotice(const QTextDocument &doc) { return doc.lastBlock().text() == cutNotice(); }

// The text stays within the budget; a few lines of notice may follow it.
constexpr qreal ShownHeightLimit = MaxDocumentHeight + 1000;

} // namespace

class TestDocumentBudget : public QObject
{
    Q_OBJECT

private slots:
    void tallDocumentsFitTheLayout_data();
    void tallDocumentsFitTheLayout();
    void heightBudgetEdge_data();
    void heightBudgetEdge();
    void paragraphBudgetEdge_data();
    void paragraphBudgetEdge();
    void areaShowsWhatFits();
    void lineBoundHolds_data();
    void lineBoundHolds();
    void longParagraphsAreCut();
    void distinctLooksAreBounded();
    void largeFilesAreReadInPart();
};

void TestDocumentBudget::tallDocumentsFitTheLayout_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<int>("blocks"); // after fitting; 0: not checked

    const QByteArray wide = "{\\rtf1\\sb31680\\sa31680\\sl-31680 ";
    QTest::newRow("wide spacing, 2,100 paragraphs") << wide + repeated("\\par ", 2100) + "}" << true << 0;
    QTest::newRow("wide spacing, 300 paragraphs") << wide + repeated("\\par ", 300) + "}" << false << 301;
    QTest::newRow("spacing alone too tall: scaled, all kept")
        << "{\\rtf1\\sb31680\\sa31680 " + repeated("x\\par ", 3000) + "}" << false << 3001;
    QTest::newRow("500,000 short paragraphs")
        << "{\\rtf1 " + repeated("ab\\par ", 500000) + "}" << true << MaxDocumentBlocks + 1;
    QTest::newRow("one paragraph of 100,000 large words")
        << "{\\rtf1\\fs200 " + repeated("word ", 100000) + "}" << true << 2;
    QTest::newRow("empty paragraphs as tall as their mark's font")
        << "{\\rtf1\\fs200 " + repeated("\\par ", 30000) + "}" << true << 0;
    const QByteArray header = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}";
    QTest::newRow("one word of a million letters") << header + QByteArray(1000000, 'a') + "}" << true << 2;
    QTest::newRow("a million line breaks in one paragraph") << header + repeated("\\line ", 1000000) + "}" << true
                                                            << 2;
    QTest::newRow("tab stops past the line in large type")
        << "{\\rtf1\\fs200\\tqr\\tx31000 " + repeated("a\\tab ", 40000) + "}" << true << 2;
    QTest::newRow("ordinary document") << "{\\rtf1 " + repeated("A short paragraph.\\par ", 200) + "}" << false
                                       << 201;
}

void TestDocumentBudget::tallDocumentsFitTheLayout()
{
    QFETCH(QByteArray, rtf);
    QFETCH(bool, cut);
    QFETCH(int, blocks);
    QTextDocument doc;
    QVERIFY(readRtf(rtf, doc));
    fitDocumentHeight(doc, AreaWidth);
    QCOMPARE(endsWithNotice(doc), cut);
    if (blocks)
        QCOMPARE(doc.blockCount(), blocks);
    QVERIFY(laidOutHeight(doc) <= ShownHeightLimit);
}

void TestDocumentBudget::heightBudgetEdge_data()
{
    // Paragraphs of one line exactly 100 pixels tall (\sl-1500), so the budget's edge is known.
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<int>("kept");
    QTest::addColumn<bool>("cut");
    const int fit = int((MaxDocumentHeight - 2 * QTextDocument().documentMargin()) / 100);
    QTest::newRow("exactly filled") << fit << fit << false;
    QTest::newRow("one line more") << fit + 1 << fit << true;
}

void TestDocumentBudget::heightBudgetEdge()
{
    QFETCH(int, paragraphs);
    QFETCH(int, kept);
    QFETCH(bool, cut);
    QTextDocument doc;
    QVERIFY(readRtf("{\\rtf1\\sl-1500 " + repeated("x\\par ", paragraphs - 1) + "x}", doc));
    fitDocumentHeight(doc, AreaWidth);
    QCOMPARE(endsWithNotice(doc), cut);
    QCOMPARE(doc.blockCount(), cut ? kept + 1 : kept);
    QCOMPARE(doc.findBlockByNumber(kept - 1).text(), "x");
    QVERIFY(laidOutHeight(doc) <= ShownHeightLimit);
}

void TestDocumentBudget::paragraphBudgetEdge_data()
{
    QTest::addColumn<int>("marks");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<bool>("cut");
    QTest::newRow("last paragraph that is built") << MaxDocumentBlocks - 1 << true << MaxDocumentBlocks << false;
    QTest::newRow("one paragraph more") << MaxDocumentBlocks << true << MaxDocumentBlocks + 1 << true;
    QTest::newRow("cut, then never closed") << MaxDocumentBlocks + 10 << false << MaxDocumentBlocks + 1 << true;
}

void TestDocumentBudget::paragraphBudgetEdge()
{
    QFETCH(int, marks);
    QFETCH(bool, closed);
    QFETCH(int, blocks);
    QFETCH(bool, cut);
    // Braces after the cut still count: the document is accepted only when its outer group closes.
    const QByteArray rtf = "{\\rtf1 " + repeated("p\\par ", marks) + "{\\b {x}}" + (closed ? "}" : "");
    QTextDocument doc;
    QCOMPARE(readRtf(rtf, doc), closed);
    QCOMPARE(doc.blockCount(), blocks);
    QCOMPARE(endsWithNotice(doc), cut);
    QCOMPARE(doc.lastBlock().previous().text(), "p");
}

void TestDocumentBudget::areaShowsWhatFits()
{
    // The document that froze the program in place of the definitions, in the narrowest area.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath("YogaDef.rtf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\sb31680\\sa31680\\sl-31680 " + repeated("\\par ", 2100) + "}");
    file.close();
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));

    QWidget window;
    DocumentArea area(&window);
    area.setGeometry(0, 0, 249, 241);
    window.show();
    LoadDocument(area, QStringLiteral("\\YogaDef.rtf"));
    QDir::setCurrent(previous);

    QTextDocument *doc = area.document();
    QVERIFY(endsWithNotice(*doc));
    QVERIFY(doc->documentLayout()->documentSize().height() <= ShownHeightLimit);
    QVERIFY(area.verticalScrollBar()->maximum() > 0);
}

void TestDocumentBudget::lineBoundHolds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("rtf");
    for (const char *folder : {VIREKA_RTF_CORPUS, VIREKA_DOCUMENTS})
        for (const QFileInfo &file : QDir(folder).entryInfoList({"*.rtf"}, QDir::Files))
            QTest::newRow(qPrintable(file.fileName())) << file.filePath() << QByteArray();
    const QByteArray fonts = "{\\rtf1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fcharset2 Symbol;}}";
    QTest::newRow("words as long as a line") << QString() << fonts + repeated("abcdefghijklmnopqrstuvwxyzabcdefgh ", 300) + "}";
    QTest::newRow("punctuation that glues words across spaces")
        << QString() << fonts + repeated("abcdefghijklmnop !!!!!!!!!!!! ( abcdefghij ) abc\\~defghijk\\~lmnop\\-qrs ", 300) + "}";
    QTest::newRow("sizes, tabs, breaks and indents")
        << QString() << fonts + "\\fi-2000\\li400\\tx3000\\tqr\\tx31000 "
            + repeated("a {\\fs72 big}\\tab tab {\\super up}{\\sub dn} x\\line ", 200) + "}";
    QTest::newRow("other scripts") << QString()
                                   << fonts + repeated("\\u1575?\\u1604?\\u1593?\\u2325?\\u2381?\\u2359? \\u26085?\\u26412?", 500) + "}";
    QTest::newRow("symbols and combining marks") << QString() << fonts + repeated("{\\f1 \\'61\\'b7}e\\u769?", 2000) + "}";
}

void TestDocumentBudget::lineBoundHolds()
{
    // Each paragraph's bound is at least its height as the document lays it out.
    QFETCH(QString, path);
    QFETCH(QByteArray, rtf);
    QTextDocument doc;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setKerning(false);
    doc.setDefaultFont(font);
    QVERIFY(path.isEmpty() ? readRtf(rtf, doc) : readRtfFile(path, doc));
    doc.setTextWidth(AreaWidth);
    const qreal width = AreaWidth - 2 * doc.documentMargin();
    LineBound bound(doc.defaultFont());
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat format = b.blockFormat();
        qreal lineHeight = 0;
        const qreal lines = bound.lines(b, width - format.leftMargin() - format.rightMargin() - 2, lineHeight);
        const QRectF shown = doc.documentLayout()->blockBoundingRect(b);
        const qreal text = shown.height() - format.topMargin() - format.bottomMargin();
        QVERIFY2(lines * lineHeight >= text, qPrintable(QStringLiteral("paragraph %1: %2 lines of %3 px, shown %4 px")
                                                         .arg(b.blockNumber()).arg(lines).arg(lineHeight).arg(text)));
        QVERIFY(lines >= b.layout()->lineCount());
    }
}

void TestDocumentBudget::longParagraphsAreCut()
{
    QTextDocument doc;
    QVERIFY(readRtf("{\\rtf1 " + QByteArray(200000, 'a') + " b\\par c}", doc));
    const QString kept = doc.firstBlock().text();
    QCOMPARE(kept.size(), MaxParagraphLength);
    // The word is broken where no line could hold it, invisibly.
    QCOMPARE(kept.count(QChar(0x200B)), MaxParagraphLength / (MaxUnbrokenLength + 1));
    QCOMPARE(kept.indexOf(QChar(0x200B)), MaxUnbrokenLength);
    QCOMPARE(doc.blockCount(), 2);
    QVERIFY(endsWithNotice(doc));
}

void TestDocumentBudget::distinctLooksAreBounded()
{
    // Each paragraph in a colour and a size of its own.
    const int looks = 3000;
    QByteArray rtf = "{\\rtf1{\\colortbl;";
    for (int i = 0; i < looks; ++i)
        rtf += "\\red" + QByteArray::number(i % 256) + "\\green" + QByteArray::number(i / 256) + "\\blue0;";
    rtf += "}";
    for (int i = 1; i <= looks; ++i)
        rtf += "{\\cf" + QByteArray::number(i) + "\\fs" + QByteArray::number(i) + " x}\\par ";
    QTextDocument doc;
    QVERIFY(readRtf(rtf + "}", doc));
    QSet<QRgb> colors;
    QSet<int> sizes;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            colors << it.fragment().charFormat().foreground().color().rgb();
            sizes << it.fragment().charFormat().intProperty(QTextFormat::FontPixelSize);
        }
    QCOMPARE(doc.blockCount(), looks + 1);
    QCOMPARE(colors.size(), MaxDocumentColors);
    QCOMPARE(sizes.size(), MaxDocumentFonts);
    // Past the budget a colour is shown as the nearest in use: red 183 green 11 as red 183 alone.
    QCOMPARE(doc.findBlockByNumber(looks - 1).begin().fragment().charFormat().foreground().color(),
             QColor(183, 0, 0));
}

void TestDocumentBudget::largeFilesAreReadInPart()
{
    // A picture larger than the size budget: the text before it is shown, and the notice after it.
    QTemporaryDir folder;
    QFile file(folder.filePath("large.rtf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 shown{\\pict ");
    file.write(QByteArray(MaxDocumentBytes, '0'));
    file.write("}never}");
    file.close();
    QTextDocument doc;
    QVERIFY(readRtfFile(file.fileName(), doc));
    QCOMPARE(doc.firstBlock().text(), "shown");
    QVERIFY(endsWithNotice(doc));
}

QTEST_MAIN(TestDocumentBudget)
#include "tst_documentbudget.moc"
