// Every picture the screens and the program folder need is present, decodes,
// and has exactly the format, depth and size the screens are laid out for.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>

namespace {

enum Kind { Bmp8, Bmp8Grey, Bmp24, Jpeg };

struct Expected {
    const char *path;
    Kind kind;
    int width, height;
};

// The table the screens' layouts fix, written out independently of the tool.
const Expected kPictures[] = {
    {"pictures/frmYoga/Image1.bmp", Bmp8Grey, 464, 263},
    {"pictures/frmYogaInstructions/Image1.jpg", Jpeg, 144, 94},
    {"pictures/frmArticles/Image1.jpg", Jpeg, 258, 143},
    {"pictures/frmTesmara/Image1.bmp", Bmp24, 295, 214},
    {"pictures/frmDirectory/Image1.jpg", Jpeg, 205, 307},
    {"pictures/frmCountry/Image1.jpg", Jpeg, 346, 230},
    {"pictures/frmTradition/Image1.jpg", Jpeg, 438, 282},
    {"pictures/frmTradition/Image2.jpg", Jpeg, 282, 168},
    {"pictures/frmKundaliniPose/Image3.bmp", Bmp8Grey, 219, 289},
    {"pictures/frmSirsasana/Image1.bmp", Bmp24, 274, 418},
    {"pictures/frmZovazir1/Image8.bmp", Bmp8, 296, 381},
    {"pictures/frmZovazir1/Image6.bmp", Bmp8, 448, 409},
    {"pictures/frmZovazir1/Image7.bmp", Bmp8, 497, 182},
    {"pictures/frmZovazir2/Image13.bmp", Bmp8, 454, 328},
    {"pictures/frmZovazir2/Image15.bmp", Bmp8, 248, 345},
    {"pictures/frmZovazir2/Image14.bmp", Bmp8, 313, 396},
    {"pictures/zavOdudo/Image9.bmp", Bmp24, 157, 114},
    {"pictures/zavOdudo/Image10.bmp", Bmp24, 108, 171},
    {"pictures/zavOdudo/Image11.bmp", Bmp24, 186, 315},
    {"pictures/zavOdudo/Image12.bmp", Bmp24, 157, 111},
    {"pictures/frmCentre1/Picture1.bmp", Bmp24, 278, 172},
    {"pictures/frmCentre2/Image1.jpg", Jpeg, 165, 237},
    {"pictures/frmCentre2/Image2.jpg", Jpeg, 180, 92},
    {"pictures/frmCentre2/Image3.jpg", Jpeg, 147, 195},
    {"pictures/frmCentre2/Image4.jpg", Jpeg, 101, 216},
    {"pictures/frmCentre3/Image1.jpg", Jpeg, 243, 305},
    {"pictures/frmCentre4/Image1.jpg", Jpeg, 122, 152},
    {"pictures/frmCentre5/Image1.jpg", Jpeg, 144, 164},
    {"pictures/frmCentre6/Image1.jpg", Jpeg, 236, 267},
    {"pictures/frmCentre7/Image1.jpg", Jpeg, 266, 320},
    {"pictures/frmCentre8/Image1.jpg", Jpeg, 247, 303},
    {"pictures/frmCentre9/Image1.jpg", Jpeg, 160, 229},
    {"pictures/frmAbout/imgLogo.bmp", Bmp24, 280, 299},
    {"pictures/frmHalvena/Image1.jpg", Jpeg, 191, 143},
    {"pictures/frmHalvenaScreen/Picture1.jpg", Jpeg, 637, 477},
    {"pictures/frmHerbsScreen/Picture1.jpg", Jpeg, 629, 432},
};

// The pose table's file names; their sizes are ours within sensible bounds.
const char *kPhotos[] = {
    "Bakasana.jpg", "Bipjanu.jpg", "Biuttan.jpg", "Dhanurasana.jpg", "Halasana.bmp", "Halasana2.jpg",
    "Karnapid.bmp", "Marichyasana.jpg", "MukhaSvanasana.bmp", "Natarajasana.jpg", "Nauli.bmp", "Padmasana.bmp",
    "Padmasir.bmp", "Pashimot.bmp", "Rajakapotasana.jpg", "Rajakapotasana2.jpg", "Sarvangasana.jpg",
    "Siddhasana.bmp", "KundaliniPose.jpg", "Sirsasana.jpg", "Tadasana.jpg", "Trikona.jpg", "Dandasana.jpg",
    "Vamadevasana.jpg",
};

QString contentPath(const QString &relative)
{
    return QStringLiteral(VIREKA_CONTENT_DIR) + '/' + relative;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 u32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(b.constData()) + at);
}

quint16 u16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(b.constData()) + at);
}

struct BmpHeader {
    bool ok = false;
    int width = 0, height = 0, bits = 0;
    quint32 compression = 99, pixelOffset = 0, fileSize = 0;
};

BmpHeader bmpHeader(const QByteArray &b)
{
    BmpHeader h;
    if (b.size() < 54 || !b.startsWith("BM") || u32(b, 14) != 40)
        return h;
    h.ok = true;
    h.fileSize = u32(b, 2);
    h.pixelOffset = u32(b, 10);
    h.width = int(u32(b, 18));
    h.height = int(u32(b, 22));
    h.bits = u16(b, 28);
    h.compression = u32(b, 30);
    return h;
}

// What is wrong with a bitmap the program is to read, or nothing.
QString bmpFault(const QByteArray &bytes, int bits, int width, int height)
{
    const BmpHeader h = bmpHeader(bytes);
    if (!h.ok)
        return QStringLiteral("not a Windows bitmap with an information header");
    if (h.bits != bits || h.compression != 0)
        return QStringLiteral("%1 bits, compression %2").arg(h.bits).arg(h.compression);
    // A positive height: bottom-up rows, as every reader expects.
    if (h.width != width || h.height != height)
        return QStringLiteral("%1 x %2 in the header").arg(h.width).arg(h.height);
    if (h.fileSize != quint32(bytes.size()))
        return QStringLiteral("the header's file size is %1, the file's %2").arg(h.fileSize).arg(bytes.size());
    const int stride = ((width * bits + 31) / 32) * 4;
    if (qint64(bytes.size()) - h.pixelOffset != qint64(stride) * height)
        return QStringLiteral("the pixel data is not %1 rows of %2 bytes").arg(height).arg(stride);
    if (bits == 8 && h.pixelOffset < 54 + 256 * 4)
        return QStringLiteral("an 8-bit bitmap needs its palette");
    return {};
}

} // namespace

class PictureFiles : public QObject {
    Q_OBJECT

private slots:
    void screenPicture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (const Expected &e : kPictures) {
            const QString path = QString::fromLatin1(e.path);
            QTest::newRow(e.path) << path << int(e.kind) << e.width << e.height;
            // The variant for high-density screens: the same format at twice the size.
            const QString dense = path.left(path.lastIndexOf('.')) + "@2x" + path.mid(path.lastIndexOf('.'));
            QTest::newRow(qPrintable(dense)) << dense << int(e.kind) << 2 * e.width << 2 * e.height;
        }
    }

    void screenPicture()
    {
        QFETCH(QString, path);
        QFETCH(int, kind);
        QFETCH(int, width);
        QFETCH(int, height);
        const QByteArray bytes = readAll(contentPath(path));
        QVERIFY2(!bytes.isEmpty(), qPrintable("missing " + path));
        const QImage image = QImage::fromData(bytes);
        QVERIFY2(!image.isNull(), "Qt cannot decode it");
        QCOMPARE(image.size(), QSize(width, height));
        switch (kind) {
        case Bmp8:
        case Bmp8Grey:
            QVERIFY2(bmpFault(bytes, 8, width, height).isEmpty(), qPrintable(bmpFault(bytes, 8, width, height)));
            QCOMPARE(image.format(), QImage::Format_Indexed8);
            if (kind == Bmp8Grey) {
                for (QRgb c : image.colorTable())
                    QVERIFY2(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c), "a black-and-white photograph has a grey palette");
            }
            break;
        case Bmp24:
            QVERIFY2(bmpFault(bytes, 24, width, height).isEmpty(), qPrintable(bmpFault(bytes, 24, width, height)));
            break;
        case Jpeg:
            QVERIFY(bytes.startsWith("\xFF\xD8"));
            QCOMPARE(QImageReader::imageFormat(contentPath(path)), QByteArray("jpeg"));
            break;
        }
        // A picture that came out blank or as a flat fill is a drawing that failed.
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < rgb.height() && colours.size() < 64; y += 3)
            for (int x = 0; x < rgb.width() && colours.size() < 64; x += 3)
                colours.insert(rgb.pixel(x, y));
        QVERIFY2(colours.size() >= 64, "too few colours: nothing drawn?");
    }

    void photograph_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : kPhotos)
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void photograph()
    {
        QFETCH(QString, name);
        const QString path = contentPath("photos/" + name);
        const QByteArray bytes = readAll(path);
        QVERIFY2(!bytes.isEmpty(), qPrintable("missing " + name));
        const QImage image = QImage::fromData(bytes);
        QVERIFY(!image.isNull());
        const int longer = std::max(image.width(), image.height());
        QVERIFY2(longer >= 200 && longer <= 480, "photographs are between 200 and 480 pixels on the longer side");
        if (name.endsWith(".bmp")) {
            const BmpHeader h = bmpHeader(bytes);
            QVERIFY(h.ok);
            QVERIFY2(h.bits == 8 || h.bits == 24, "only 8- and 24-bit bitmaps are read by the program");
            QVERIFY2(bmpFault(bytes, h.bits, image.width(), image.height()).isEmpty(), qPrintable(bmpFault(bytes, h.bits, image.width(), image.height())));
        } else {
            QVERIFY(bytes.startsWith("\xFF\xD8"));
        }
    }

    void noStrayPhotographs()
    {
        // The folder holds exactly the pose table's files, so nothing unused ships.
        QStringList expected;
        for (const char *name : kPhotos)
            expected << QString::fromLatin1(name);
        expected.sort();
        QStringList present = QDir(contentPath("photos")).entryList(QDir::Files, QDir::Name);
        QCOMPARE(present, expected);
    }

    void icons_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("program") << QStringLiteral("pictures/program.ico");
        QTest::newRow("cursor") << QStringLiteral("pictures/cursor.ico");
    }

    void icons()
    {
        QFETCH(QString, path);
        const QByteArray bytes = readAll(contentPath(path));
        QVERIFY(bytes.size() > 6);
        QCOMPARE(u16(bytes, 0), quint16(0));
        QCOMPARE(u16(bytes, 2), quint16(1));
        QCOMPARE(u16(bytes, 4), quint16(2));
        QList<int> sizes;
        for (int i = 0; i < 2; ++i) {
            const int entry = 6 + 16 * i;
            const int w = uchar(bytes[entry]), h = uchar(bytes[entry + 1]);
            QCOMPARE(w, h);
            sizes << w;
            QCOMPARE(int(uchar(bytes[entry + 2])), 16);        // colours
            QCOMPARE(u16(bytes, entry + 6), quint16(4));       // bits per pixel
            const quint32 offset = u32(bytes, entry + 12);
            QCOMPARE(u32(bytes, int(offset) + 8), quint32(2 * w)); // colour and mask halves
            QCOMPARE(u16(bytes, int(offset) + 14), quint16(4));
        }
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, QList<int>({16, 32}));

        QImageReader reader(contentPath(path));
        QCOMPARE(reader.imageCount(), 2);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage img = reader.read();
            QVERIFY(!img.isNull());
            QVERIFY2(img.hasAlphaChannel(), "the ground must be transparent");
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        }
    }

    void desktopIcon_data()
    {
        QTest::addColumn<int>("pixels");
        for (int pixels : {16, 24, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(pixels))) << pixels;
    }

    void desktopIcon()
    {
        // The smiley of the window icon, drawn at each size of the desktop's icon theme.
        QFETCH(int, pixels);
        const QString path = contentPath(QStringLiteral("icons/program-%1.png").arg(pixels));
        QCOMPARE(QImageReader::imageFormat(path), QByteArray("png"));
        const QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), QSize(pixels, pixels));
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(pixels - 1, pixels - 1)), 0);
        QCOMPARE(img.pixel(pixels / 2, pixels * 3 / 8) & 0xffffff, QRgb(0xffff00));
        // Drawn at its size, not enlarged from a small one: from the transparent ground to the dark
        // outline of the face takes at most two half-covered pixels at any size.
        const int row = pixels / 2;
        int x = 0;
        while (x < pixels && qAlpha(img.pixel(x, row)) == 0)
            ++x;
        int soft = 0;
        while (x < pixels && qAlpha(img.pixel(x, row)) < 200) {
            ++soft;
            ++x;
        }
        QVERIFY2(soft <= 2, qPrintable(QStringLiteral("edge %1 pixels wide").arg(soft)));
        QVERIFY2(qRed(img.pixel(x, row)) < 64 && qGreen(img.pixel(x, row)) < 64, "the outline is dark");
    }

    void cursorHotSpotIsTheTip()
    {
        // The lead's cursor code puts the hot spot at these pixels; the arrow
        // must really end there, pointing right.
        QImageReader reader(contentPath("pictures/cursor.ico"));
        for (int i = 0; i < reader.imageCount(); ++i) {
            reader.jumpToImage(i);
            const QImage img = reader.read().convertToFormat(QImage::Format_ARGB32);
            const QPoint tip = img.width() == 32 ? QPoint(30, 16) : QPoint(14, 8);
            QVERIFY2(qAlpha(img.pixel(tip)) == 255, "the tip pixel is part of the arrow");
            for (int y = 0; y < img.height(); ++y)
                for (int x = tip.x() + (y == tip.y() ? 1 : 0); x < img.width(); ++x)
                    QVERIFY2(qAlpha(img.pixel(x, y)) == 0, "nothing lies beyond the tip");
            // The light edge and the chequer of blue and purple inside it.
            QCOMPARE(img.pixel(tip) & 0xffffff, QRgb(0xffffff));
            QSet<QRgb> inside;
            for (int x = 3; x < tip.x() - 3; ++x)
                inside.insert(img.pixel(x, tip.y()) & 0xffffff);
            QVERIFY(inside.contains(0x0000ff));
            QVERIFY(inside.contains(0x800080));
        }
    }

    void programIconIsASmiley()
    {
        QImageReader reader(contentPath("pictures/program.ico"));
        for (int i = 0; i < reader.imageCount(); ++i) {
            reader.jumpToImage(i);
            const QImage img = reader.read().convertToFormat(QImage::Format_ARGB32);
            const int s = img.width();
            // Yellow face, dark eyes in the upper half, transparent corners.
            QCOMPARE(img.pixel(s / 2, s * 3 / 8) & 0xffffff, QRgb(0xffff00));
            QCOMPARE(qAlpha(img.pixel(s - 1, s - 1)), 0);
            int dark = 0;
            for (int y = s / 4; y < s / 2; ++y)
                for (int x = s / 4; x < s * 3 / 4; ++x)
                    dark += (img.pixel(x, y) & 0xffffff) == 0 ? 1 : 0;
            QVERIFY2(dark >= 4, "the eyes");
        }
    }
};

QTEST_GUILESS_MAIN(PictureFiles)
#include "tst_picture_files.moc"
