// The asana photo browser as a user meets it: choosing postures by mouse and keyboard, the picture
// and its credit line, files that are missing or broken, and a fresh screen after EXIT.

#include "Application.h"
#include "DirectoryNames.h"
#include "ImageControl.h"
#include "LabelControl.h"
#include "PictureFile.h"
#include "ListBoxControl.h"
#include "ScreenTest.h"
#include "galleries/frmPhotoAsanas.h"
#include "menu/frmYoga.h"

#include <QBuffer>

#include <sys/stat.h>

using namespace vireka;
using namespace vireka::test;

namespace {

const QString Publisher = QStringLiteral("Photo courtesy of Morvane Zuvovuroda");

QString credit(const char *namePart)
{
    return QStringLiteral("Photo courtesy of ") + QString::fromLatin1(namePart) + QStringLiteral(" (see Listing)");
}

// Writes a photograph of the given size and colour, in the format its name asks for.
void writePhoto(const ShellFixture &folder, const QString &name, QSize size, QColor colour = Qt::darkGreen)
{
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, name.endsWith(QLatin1String(".jpg")) ? "JPG" : "BMP");
    folder.writeFile(name, bytes);
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

void choose(frmPhotoAsanas &screen, const QString &entry)
{
    QListWidget *entries = list(screen);
    const auto found = entries->findItems(entry, Qt::MatchExactly);
    QVERIFY(found.size() == 1);
    entries->scrollToItem(found.first());
    const QRect row = entries->visualItemRect(found.first());
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, row.center());
}

} // namespace

class GalleriesTest : public ScreenTestCase {
    Q_OBJECT

private slots:
    void opensFromTheMenuEmpty()
    {
        frmYoga &menu = OpenScreen<frmYoga>();
        click(menu, "lblAsanas");
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
        choose(screen, "Nauli");
        QCOMPARE(image(screen).geometry(), QRect(152, 16, 200, 300));
        QCOMPARE(courtesy(screen), Publisher);
        QCOMPARE(relayed(screen), QStringLiteral("Nauli"));
        choose(screen, "Sirsasana");
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
            choose(screen, row.entry);
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
        writePhoto(fixture, "Bakasana.jpg", {70, 70});
        frmPhotoAsanas &screen = OpenScreen<frmPhotoAsanas>();
        choose(screen, "Nauli");
        for (const char *failing : {"Tadasana", "Trikona", "Siddhasana", "Padmasana", "Sirsasana"}) {
            choose(screen, failing);
            QCOMPARE(relayed(screen), QString::fromLatin1(failing));
            QCOMPARE(image(screen).picture().size(), QSize(90, 120));
            QCOMPARE(courtesy(screen), Publisher);
        }
        choose(screen, "Bakasana");
        QCOMPARE(image(screen).picture().size(), QSize(70, 70));
        QCOMPARE(courtesy(screen), credit(directory::creditC5));
        QVERIFY(fixture.messages.isEmpty());
    }

    void absurdPictureSizesAreRefusedBeforeDecoding()
    {
        fixture.writeFile("huge.bmp", hugeBitmapHeader());
        QVERIFY(readPictureFile(fixture.folder() + QStringLiteral("/huge.bmp")).isNull());
    }

    void reopeningAfterExitStartsEmpty()
    {
        writePhoto(fixture, "Nauli.bmp", {90, 120});
        OpenScreen<frmYoga>();
        frmPhotoAsanas &screen = OpenScreen<frmPhotoAsanas>();
        choose(screen, "Nauli");
        click(screen, "lblExit");
        QVERIFY(!slot<frmPhotoAsanas>());
        ShellFixture::flushDeletes();
        frmPhotoAsanas &fresh = OpenScreen<frmPhotoAsanas>();
        QVERIFY(image(fresh).picture().isNull());
        QVERIFY(courtesy(fresh).isEmpty());
        QVERIFY(list(fresh)->selectedItems().isEmpty());
        choose(fresh, "Nauli");
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
