// The galleries as a user meets them. The asana photo browser: choosing postures by mouse and
// keyboard, the picture and its credit line, files that are missing or broken, and a fresh screen
// after EXIT. The photo listings browser: each entry opening its page once, by mouse and keyboard, and
// again after the page was closed; the pages' stored texts, and the centre pages' documents over them.

#include "AllScreens.h"
#include "Application.h"
#include "DirectoryNames.h"
#include "ImageControl.h"
#include "LabelControl.h"
#include "PictureFile.h"
#include "ListBoxControl.h"
#include "ScreenTest.h"
#include "StoredRtf.h"
#include "galleries/frmPhotoAsanas.h"
#include "galleries/frmPhotoListings.h"
#include "menu/frmYoga.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextFragment>

#include <sys/stat.h>

using namespace vireka;
using namespace vireka::test;

namespace {

const QString Publisher = QStringLiteral("Photo courtesy of Morvane Zuvovuroda");

QString credit(const char *namePart)
{
    return QStringLiteral("Photo courtesy of ") + QString::fromLatin1(namePart) + QStringLiteral(" (see Listing)");
}

// The photograph in the format its file name asks for.
QByteArray encoded(const QImage &photo, const QString &name)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, name.endsWith(QLatin1String(".jpg")) ? "JPG" : "BMP");
    return bytes;
}

// Writes a photograph of the given size and colour, in the format its name asks for.
void writePhoto(const ShellFixture &folder, const QString &name, QSize size, QColor colour = Qt::darkGreen)
{
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(colour);
    folder.writeFile(name, encoded(photo, name));
}

// A busy photograph, as a camera's is, of which only the first `kept` bytes reached the folder.
void writeCutPhoto(const ShellFixture &folder, const QString &name, qsizetype kept)
{
    QImage photo(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * y % 256, (x ^ y) % 256, (x + 3 * y) % 256));
    folder.writeFile(name, encoded(photo, name).left(kept));
}

// A bitmap header that claims 60,000 x 60,000 pixels in a file of a few dozen bytes.
QByteArray hugeBitmapHeader()
{
    QByteArray bmp(54, '\0');
    auto put32 = [&bmp](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 54 + 16);
    put32(10, 54);
    put32(14, 40);
    put32(18, 60000);
    put32(22, 60000);
    bmp[26] = 1;
    bmp[28] = 24;
    return bmp + QByteArray(16, '\x7f');
}

QListWidget *list(frmPhotoAsanas &screen) { return &screen.control<ListBoxControl>("lstAsanas"); }
ImageControl &image(frmPhotoAsanas &screen) { return screen.control<ImageControl>("Image1"); }
QString courtesy(frmPhotoAsanas &screen) { return screen.control<LabelControl>("lblCourtesy").caption(); }
QString relayed(frmPhotoAsanas &screen) { return screen.control<LabelControl>("lblAsanas").caption(); }

// Clicks the list's entry `entry`; false when the list has not exactly one such entry.
[[nodiscard]] bool choose(frmPhotoAsanas &screen, const QString &entry)
{
    QListWidget *entries = list(screen);
    const auto found = entries->findItems(entry, Qt::MatchExactly);
    if (found.size() != 1)
        return false;
    entries->scrollToItem(found.first());
    const QRect row = entries->visualItemRect(found.first());
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, row.center());
    return true;
}

QListWidget *listings(frmPhotoListings &browser) { return &browser.control<ListBoxControl>("lstPhotoListings"); }

// A left click on the list's row, as a user chooses an entry.
void clickRow(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

const ScreenClass &page(const QString &name)
{
    const ScreenClass *found = screenClass(name.toStdString());
    if (!found)
        throw std::logic_error("no screen " + name.toStdString());
    return *found;
}

Screen *openPage(const QString &name)
{
    Screen *screen = page(name).instance();
    return screen && screen->isLoaded() ? screen : nullptr;
}

// The pages that the listings open and that are open now, in listing order.
QStringList openPages()
{
    QStringList open;
    for (const directory::FeaturedListing &listing : directory::featuredListings)
        if (openPage(QString::fromLatin1(listing.page)))
            open << QString::fromLatin1(listing.page);
    return open;
}

// Where each page keeps its stored text, and the colour the text is written in.
struct StoredBox {
    const char *page;
    const char *area;
    QColor text;
};

const StoredBox storedBoxes[] = {
    {"frmKundaliniPose", "RichTextBox1", QColor(0, 0, 0)},
    {"frmSirsasana", "RichTextBox1", QColor(255, 255, 255)},
    {"frmZovazir1", "RichTextBox1", QColor(0, 0, 0)},
    {"frmZovazir2", "RichTextBox1", QColor(0, 0, 0)},
    {"zavOdudo", "RichTextBox1", QColor(0, 0, 128)},
    {"frmCentre1", "rtfCentre1", QColor(255, 255, 0)},
    {"frmCentre2", "rtfCentre2", QColor(255, 255, 0)},
    {"frmCentre3", "rtfCentre3", QColor(255, 255, 0)},
    {"frmCentre4", "rtfCentre4", QColor(255, 255, 255)},
    {"frmCentre5", "rftCentre5", QColor(255, 255, 255)},
    {"frmCentre6", "rtfCentre6", QColor(0, 128, 0)},
    {"frmCentre7", "rtfCentre7", QColor(255, 255, 255)},
    {"frmCentre8", "rftCentre8", QColor(0, 128, 128)},
    {"frmCentre9", "rtfCentre9", QColor(255, 255, 0)},
};

int listingRow(const char *pageName)
{
    for (int i = 0; i < int(std::size(directory::featuredListings)); ++i)
        if (std::string_view(directory::featuredListings[i].page) == pageName)
            return i;
    return -1;
}

// What the stored documents may use: the header and tables every one of them starts with, and a few
// control words in the text.
QString outsideTheDocumentSubset(const QByteArray &rtf)
{
    static const QByteArray header = StoredHeader + "{\\colortbl";
    if (!rtf.startsWith(header))
        return QStringLiteral("another header or font table");
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (uchar(rtf[i]) > 0x7e || (rtf[i] < 0x20 && rtf[i] != '\r' && rtf[i] != '\n'))
            return QStringLiteral("a byte that is not plain ASCII");
        if (rtf[i] == '\n' && (i == 0 || rtf[i - 1] != '\r'))
            return QStringLiteral("a line that does not end in CR LF");
    }
    const qsizetype tableEnd = rtf.indexOf('}', header.size());
    if (rtf.mid(header.size(), tableEnd - header.size()).count(';') > 2)
        return QStringLiteral("more than black and one colour");
    static const QRegularExpression controlWord(QStringLiteral("\\\\([a-z]+)(-?[0-9]+)?|\\\\([^a-z])"));
    auto words = controlWord.globalMatch(QString::fromLatin1(rtf));
    while (words.hasNext()) {
        const QRegularExpressionMatch word = words.next();
        QString name = word.captured(3).isEmpty() ? word.captured(1) + word.captured(2) : word.captured(3);
        const QString bare = word.captured(1);
        const bool colour = bare == QLatin1String("red") || bare == QLatin1String("green") || bare == QLatin1String("blue");
        const bool size = bare == QLatin1String("fs") && StoredFontSizes.contains(word.captured(2).toInt());
        if (!colour && !size && name != QLatin1String("~") && !StoredWords.contains(name.toLatin1()))
            return QStringLiteral("the control word \\") + name;
    }
    return {};
}

} // namespace

class GalleriesTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void opensFromTheMenuEmpty()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        QVERIFY(click(menu, "lblAsanas"));
        frmPhotoAsanas *screen = slot<frmPhotoAsanas>();
        QVERIFY(screen && screen->isLoaded());
        QCOMPARE(screen->window()->windowTitle(), QStringLiteral("Yoga Asanas"));
        QVERIFY(!(screen->window()->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(screen->window()->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(screen->window()->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(list(*screen)->count(), 24);
        QCOMPARE(list(*screen)->item(0)->text(), QStringLiteral("Bakasana"));
        QCOMPARE(list(*screen)->item(23)->text(), QStringLiteral("Vamadevasana"));
        QVERIFY(list(*screen)->selectedItems().isEmpty());
        QVERIFY(image(*screen).picture().isNull());
        QVERIFY(courtesy(*screen).isEmpty());
        QApplication::setActiveWindow(screen->window());
        QCOMPARE(QApplication::focusWidget(), list(*screen));

        const ScreenProbe probe(screen->client());
        QCOMPARE(probe.at(300, 8), QColor(0, 0, 255)); // the empty credit bar
        QVERIFY(probe.contains(QRect(9, 1, 143, 15), QColor(255, 255, 255)));
        QVERIFY(probe.contains(QRect(577, 1, 55, 15), QColor(192, 0, 0)));
        QCOMPARE(probe.at(300, 100), QColor(0, 0, 0));
    }

    void choosingShowsPictureAtItsSizeThenCredit()
    {
        writePhoto(fixture, "Nauli.bmp", {200, 300});
        writePhoto(fixture, "Sirsasana.jpg", {240, 180});
        frmPhotoAsanas &screen = OpenScreen<frmPhotoAsanas>();
        QVERIFY(choose(screen, "Nauli"));
        QCOMPARE(image(screen).geometry(), QRect(152, 16, 200, 300));
        QCOMPARE(courtesy(screen), Publisher);
        QCOMPARE(relayed(screen), QStringLiteral("Nauli"));
        QVERIFY(choose(screen, "Sirsasana"));
        QCOMPARE(image(screen).geometry(), QRect(152, 16, 240, 180));
        QCOMPARE(courtesy(screen), credit(directory::creditC2));
        const ScreenProbe probe(screen.client());
        QCOMPARE(probe.at(160, 250), QColor(0, 0, 0)); // where only the tall picture reached
    }

    void entriesWhoseFilesAreNamedOtherwise()
    {
        const struct {
            const char *entry, *file;
            QString credit;
        } rows[] = {
            {"Karnapidasana", "Karnapid.bmp", Publisher},
            {"PadmasanaSirsasana", "Padmasir.bmp", Publisher},
            {"Pashimottasana", "Pashimot.bmp", Publisher},
            {"KundaliniPose", "KundaliniPose.jpg", credit(directory::creditC3)},
            {"UrdhavaDandasana", "Dandasana.jpg", credit(directory::creditC8)},
        };
        int width = 100;
        for (const auto &row : rows)
            writePhoto(fixture, row.file, {width++, 50});
        frmPhotoAsanas &screen = OpenScreen<frmPhotoAsanas>();
        width = 100;
        for (const auto &row : rows) {
            QVERIFY(choose(screen, row.entry));
            QCOMPARE(image(screen).picture().width(), width++);
            QCOMPARE(courtesy(screen), row.credit);
        }
    }

    void keyboardMovesThroughThePostures()
    {
        writePhoto(fixture, "Bakasana.jpg", {60, 40});
        writePhoto(fixture, "Bipjanu.jpg", {61, 40});
        writePhoto(fixture, "Tadasana.jpg", {62, 40});
        frmPhotoAsanas &screen = OpenScreen<frmPhotoAsanas>();
        list(screen)->setFocus();
        QTest::keyClick(list(screen), Qt::Key_Down);
        QTest::keyClick(list(screen), Qt::Key_Down);
        QCOMPARE(relayed(screen), QStringLiteral("Bipjanu"));
        QCOMPARE(image(screen).picture().width(), 61);
        QCOMPARE(courtesy(screen), credit(directory::creditC4));
        QTest::keyClick(list(screen), Qt::Key_T);
        QCOMPARE(relayed(screen), QStringLiteral("Tadasana"));
        QCOMPARE(image(screen).picture().width(), 62);
        QCOMPARE(courtesy(screen), credit(directory::creditC6));
    }

    void missingOrBrokenPictureKeepsPictureAndCredit()
    {
        writePhoto(fixture, "Nauli.bmp", {90, 120});
        fixture.writeFile("Trikona.jpg", "\xff\xd8\xff\xe0 not really a jpeg");
        fixture.writeFile("Siddhasana.bmp", QByteArray());
        fixture.writeFile("Padmasana.bmp", hugeBitmapHeader());
        QVERIFY(::mkfifo(QFile::encodeName(fixture.folder() + QStringLiteral("/Sirsasana.jpg")).constData(), 0600) == 0);
        writeCutPhoto(fixture, "Marichyasana.jpg", 3000);
        writeCutPhoto(fixture, "Halasana.bmp", 54 + 300 * 300 * 3 - 1);
        writePhoto(fixture, "Bakasana.jpg", {70, 70});
        frmPhotoAsanas &screen = OpenScreen<frmPhotoAsanas>();
        QVERIFY(choose(screen, "Nauli"));
        for (const char *failing :
             {"Tadasana", "Trikona", "Siddhasana", "Padmasana", "Sirsasana", "Marichyasana", "Halasana"}) {
            QVERIFY(choose(screen, failing));
            QCOMPARE(relayed(screen), QString::fromLatin1(failing));
            QCOMPARE(image(screen).picture().size(), QSize(90, 120));
            QCOMPARE(courtesy(screen), Publisher);
        }
        QVERIFY(choose(screen, "Bakasana"));
        QCOMPARE(image(screen).picture().size(), QSize(70, 70));
        QCOMPARE(courtesy(screen), credit(directory::creditC5));
        QVERIFY(fixture.messages.isEmpty());
    }

    void absurdPictureSizesAreRefusedBeforeDecoding()
    {
        fixture.writeFile("huge.bmp", hugeBitmapHeader());
        QVERIFY(readPictureFile(fixture.folder() + QStringLiteral("/huge.bmp")).isNull());
    }

    void theListingsBrowserOpensWithNoPage()
    {
        frmPhotoListings &browser = OpenScreen<frmPhotoListings>();
        QCOMPARE(browser.control<LabelControl>("lblPhotoListings").caption(), QStringLiteral("lblPhotoListing"));
        QCOMPARE(listings(browser)->count(), 14);
        for (int i = 0; i < 14; ++i)
            QCOMPARE(listings(browser)->item(i)->text(), QString::fromLatin1(directory::featuredListings[i].text));
        QVERIFY(listings(browser)->selectedItems().isEmpty());
        QVERIFY(openPages().isEmpty());
    }

    void eachEntryOpensItsPageOnce_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("pageName");
        for (int i = 0; i < 14; ++i)
            QTest::addRow("entry %d", i + 1) << i << QString::fromLatin1(directory::featuredListings[i].page);
    }
    void eachEntryOpensItsPageOnce()
    {
        QFETCH(int, row);
        QFETCH(QString, pageName);
        frmPhotoListings &browser = OpenScreen<frmPhotoListings>();
        clickRow(listings(browser), row);
        QCOMPARE(openPages(), QStringList{pageName});
        Screen *opened = openPage(pageName);
        QVERIFY(opened->window()->isVisible());
        QVERIFY(browser.isLoaded());
        QCOMPARE(listings(browser)->currentRow(), row);

        // Chosen again, directly or after another entry, it is the same page: no second copy.
        clickRow(listings(browser), row);
        clickRow(listings(browser), row == 0 ? 1 : 0);
        clickRow(listings(browser), row);
        QCOMPARE(page(pageName).instance(), opened);
        QVERIFY(opened->isLoaded());
        QCOMPARE(openPages().size(), 2);
        QCOMPARE(fixture.endings, 0);
    }

    void arrowKeysOpenEveryPagePassed()
    {
        frmPhotoListings &browser = OpenScreen<frmPhotoListings>();
        QListWidget *list = listings(browser);
        list->setFocus();
        QStringList expected;
        for (const directory::FeaturedListing &listing : directory::featuredListings) {
            QTest::keyClick(list, Qt::Key_Down);
            expected << QString::fromLatin1(listing.page);
            QCOMPARE(openPages(), expected);
        }
        // Entries 12 and 13 differ in their last digit only, and open two different pages.
        QVERIFY(page("frmZovazir1").instance() != page("frmZovazir2").instance());
        QVERIFY(browser.isLoaded());
    }

    void aClosedPageOpensAgain_data()
    {
        QTest::addColumn<QString>("pageName");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<bool>("anotherFirst");
        QTest::newRow("photo page, its entry again") << "frmSirsasana" << false << false;
        QTest::newRow("photo page, another entry first") << "frmSirsasana" << false << true;
        QTest::newRow("centre page, exit label, its entry again") << "frmCentre2" << false << false;
        QTest::newRow("centre page, close box, its entry again") << "frmCentre3" << true << false;
        QTest::newRow("centre page, close box, another entry first") << "frmCentre3" << true << true;
    }
    void aClosedPageOpensAgain()
    {
        QFETCH(QString, pageName);
        QFETCH(bool, closeBox);
        QFETCH(bool, anotherFirst);
        const int row = listingRow(qPrintable(pageName));
        frmPhotoListings &browser = OpenScreen<frmPhotoListings>();
        clickRow(listings(browser), row);
        Screen *opened = openPage(pageName);
        QVERIFY(opened);
        if (closeBox)
            QVERIFY(opened->window()->close());
        else
            QVERIFY(click(*opened, page(pageName).spec.closedBy));
        QVERIFY(!openPage(pageName));
        ShellFixture::flushDeletes();
        if (anotherFirst)
            clickRow(listings(browser), row == 13 ? 12 : 13);
        clickRow(listings(browser), row);
        QVERIFY(openPage(pageName));
        QVERIFY(openPage(pageName)->window()->isVisible());
        QCOMPARE(fixture.endings, 0);
    }

    void anOpenPageChosenAgainKeepsWhatItShows()
    {
        fixture.writeFile("Centre1.rtf", rtf("first"));
        frmPhotoListings &browser = OpenScreen<frmPhotoListings>();
        const int row = listingRow("frmCentre1");
        clickRow(listings(browser), row);
        Screen *centre = openPage("frmCentre1");
        QCOMPARE(shown(*centre, "rtfCentre1"), QStringLiteral("first"));
        fixture.writeFile("Centre1.rtf", rtf("second"));
        clickRow(listings(browser), row + 1);
        clickRow(listings(browser), row);
        QCOMPARE(openPage("frmCentre1"), centre);
        QCOMPARE(shown(*centre, "rtfCentre1"), QStringLiteral("first"));
    }

    void pagesStayWhenTheBrowserCloses()
    {
        OpenScreen<frmYoga>();
        frmPhotoListings &browser = OpenScreen<frmPhotoListings>();
        clickRow(listings(browser), listingRow("zavOdudo"));
        clickRow(listings(browser), listingRow("frmCentre9"));
        QVERIFY(click(browser, "lblExit"));
        QVERIFY(!slot<frmPhotoListings>());
        QCOMPARE(openPages(), (QStringList{"frmCentre9", "zavOdudo"}));
    }

    void centrePagesShowTheirDocumentOverTheStoredText_data()
    {
        QTest::addColumn<QString>("pageName");
        QTest::addColumn<QString>("area");
        QTest::addColumn<bool>("loads");
        for (const StoredBox &box : storedBoxes)
            if (QByteArray(box.page).startsWith("frmCentre"))
                QTest::newRow(box.page) << box.page << box.area << (page(box.page).spec.opens.file != nullptr);
    }
    void centrePagesShowTheirDocumentOverTheStoredText()
    {
        QFETCH(QString, pageName);
        QFETCH(QString, area);
        QFETCH(bool, loads);
        const QByteArray areaName = area.toLatin1();
        const QString file = QStringLiteral("Centre%1.rtf").arg(pageName.right(1));
        const int row = listingRow(qPrintable(pageName));
        frmPhotoListings &browser = OpenScreen<frmPhotoListings>();
        auto openAfresh = [&]() -> Screen & {
            if (Screen *open = openPage(pageName))
                open->window()->close();
            clickRow(listings(browser), row);
            return *openPage(pageName);
        };

        const QString stored = shown(openAfresh(), areaName.constData());
        const directory::FeaturedListing &listing = directory::featuredForPage(pageName.toStdString());
        QVERIFY2(stored.contains(QLatin1String(listing.name)) || stored.contains(QLatin1String(listing.person)),
                 qPrintable(stored.left(80)));

        fixture.writeFile(file, rtf("the centre's own document"));
        QCOMPARE(shown(openAfresh(), areaName.constData()),
                 loads ? QStringLiteral("the centre's own document") : stored);
        fixture.writeFile(file, "plain words, not rich text");
        QCOMPARE(shown(openAfresh(), areaName.constData()), stored);
        QVERIFY(fixture.messages.isEmpty());
    }

    void storedTextsAreWrittenInTheDocumentSubset_data()
    {
        QTest::addColumn<QString>("pageName");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QColor>("colour");
        for (const StoredBox &box : storedBoxes)
            QTest::addRow("%s %s", box.page, box.area) << box.page << box.area << box.text;
    }
    void storedTextsAreWrittenInTheDocumentSubset()
    {
        QFETCH(QString, pageName);
        QFETCH(QString, area);
        QFETCH(QColor, colour);
        QFile resource(QStringLiteral(":/stored/%1/%2.rtf").arg(pageName, area));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const QString fault = outsideTheDocumentSubset(resource.readAll());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        // Opened away from the program folder, the centre pages cannot load their documents.
        Screen &screen = page(pageName).open();
        const QByteArray areaName = area.toLatin1();
        auto &box = screen.control<DocumentArea>(areaName.constData());
        QVERIFY(!shown(screen, areaName.constData()).isEmpty());
        for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                QCOMPARE(format.fontFamilies().toStringList(), QStringList{"Times New Roman"});
                QCOMPARE(format.foreground().color(), colour);
            }
    }

    void photoPagesShowTheirSchoolAndFitTheirTexts()
    {
        // The two photo pages of one school show the same text, in boxes of different shapes.
        Screen &first = page("frmZovazir1").open();
        Screen &second = page("frmZovazir2").open();
        QCOMPARE(shown(first, "RichTextBox1"), shown(second, "RichTextBox1"));
        for (Screen *school : {&first, &second}) {
            const QString schoolName = QString::fromLatin1(directory::featuredForPage(school->name()).name);
            auto &credit = school->control<LabelControl>("Label1");
            QCOMPARE(credit.caption(), QStringLiteral(" Photos courtesy of ") + schoolName);
            QVERIFY2(QFontMetrics(credit.font()).horizontalAdvance(credit.caption()) <= credit.width(),
                     "the credit must fit the one line its label shows");
        }
        // The credit boxes without scroll bars hold their whole text.
        for (const char *name : {"frmKundaliniPose", "frmSirsasana"}) {
            auto &box = page(name).open().control<DocumentArea>("RichTextBox1");
            QCOMPARE(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QVERIFY2(box.document()->size().height() <= box.viewport()->height(),
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(name).arg(box.document()->size().height()).arg(box.viewport()->height()) + QStringLiteral(" w %1 %2").arg(box.document()->textWidth()).arg(box.viewport()->width())));
        }
    }

    void photoPagePicturesFillTheirControls_data()
    {
        QTest::addColumn<QString>("pageName");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("frmKundaliniPose Image3") << "frmKundaliniPose" << "Image3" << QSize(219, 289);
        QTest::newRow("frmSirsasana Image1") << "frmSirsasana" << "Image1" << QSize(274, 418);
        QTest::newRow("frmZovazir1 Image7") << "frmZovazir1" << "Image7" << QSize(497, 182);
        QTest::newRow("frmZovazir2 Image13") << "frmZovazir2" << "Image13" << QSize(454, 328);
        QTest::newRow("zavOdudo Image11") << "zavOdudo" << "Image11" << QSize(186, 315);
        QTest::newRow("frmCentre6 Image1") << "frmCentre6" << "Image1" << QSize(236, 267);
    }
    void photoPagePicturesFillTheirControls()
    {
        QFETCH(QString, pageName);
        QFETCH(QString, image);
        QFETCH(QSize, pixels);
        Screen &screen = page(pageName).open();
        const QByteArray imageName = image.toLatin1();
        auto &control = screen.control<ImageControl>(imageName.constData());
        QCOMPARE(control.picture().size(), pixels);
        QVERIFY(control.stretches());
        // Near each of its corners the control shows the picture's corner, scaled to the control's size.
        const ScreenProbe probe(screen.client());
        const QRect area = control.geometry();
        const QImage picture = control.picture();
        for (const QPoint inside : {QPoint(3, 3), QPoint(area.width() - 4, 3), QPoint(3, area.height() - 4),
                                    QPoint(area.width() - 4, area.height() - 4)}) {
            const QColor want = picture.pixelColor(inside.x() * picture.width() / area.width(),
                                                   inside.y() * picture.height() / area.height());
            const QColor got = probe.at(area.x() + inside.x(), area.y() + inside.y());
            QVERIFY2(qAbs(got.red() - want.red()) + qAbs(got.green() - want.green()) + qAbs(got.blue() - want.blue()) < 60,
                     qPrintable(QStringLiteral("%1 instead of %2 at %3,%4").arg(got.name(), want.name()).arg(inside.x()).arg(inside.y())));
        }
    }

    void centre2ShowsItsPicturesAndCaptionsStacked()
    {
        Screen &centre = page("frmCentre2").open();
        const ScreenProbe probe(centre.client());
        // Image2 lies over Image1 where they meet, and the EXIT label over Image4.
        const QImage plough = centre.control<ImageControl>("Image2").picture();
        QCOMPARE(probe.at(125, 45).rgb(), plough.pixel(5, 45));
        QCOMPARE(probe.at(491, 21), QColor(0, 0, 128));
        QVERIFY(probe.contains(QRect(296, 169, 136, 16), QColor(192, 192, 0))); // Urdhva Dandasana
    }

    void reopeningAfterExitStartsEmpty()
    {
        writePhoto(fixture, "Nauli.bmp", {90, 120});
        OpenScreen<frmYoga>();
        frmPhotoAsanas &screen = OpenScreen<frmPhotoAsanas>();
        QVERIFY(choose(screen, "Nauli"));
        QVERIFY(click(screen, "lblExit"));
        QVERIFY(!slot<frmPhotoAsanas>());
        ShellFixture::flushDeletes();
        frmPhotoAsanas &fresh = OpenScreen<frmPhotoAsanas>();
        QVERIFY(image(fresh).picture().isNull());
        QVERIFY(courtesy(fresh).isEmpty());
        QVERIFY(list(fresh)->selectedItems().isEmpty());
        QVERIFY(choose(fresh, "Nauli"));
        QCOMPARE(courtesy(fresh), Publisher);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    GalleriesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_galleries.moc"
